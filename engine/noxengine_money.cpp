// NoxEngine: the progression registry and the progression library.

#include "engine/noxengine.h"
#include "engine/noxengine_p.h"

#include "core/noxlogging.h"
#include "engine/noxenginesettings.h"
#include "money/martingaleclassique.h"
#include "money/montante7boules.h"
#include "money/montantecs.h"
#include "money/montanteperso.h"
#include "money/noxmontantelibrary.h"
#include "money/recup3pertes.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace Nox {

namespace {

// The kinds under which user progressions are looked up for an edit.
constexpr NoxMethodType kLibraryKinds[] = {NoxMethodType::plein, NoxMethodType::cs, NoxMethodType::col,
                                           NoxMethodType::douz, NoxMethodType::sixain};

} // namespace

NoxEngineSettings::MontanteNames NoxEnginePrivate::currentMontanteNames() const
{
    NoxEngineSettings::MontanteNames names;
    for (auto it = currentMontantes.cbegin(); it != currentMontantes.cend(); ++it) {
        names.insert(it.key(), it.value()->name());
    }
    return names;
}

void NoxEngine::registerMontanteLocked(NoxMethodType type, NoxMontante *montante)
{
    if (montante->montanteId() < 0) {
        montante->setMontanteId(d->nextMontanteId++);
    }
    auto it = d->montantes.find(type);
    if (it == d->montantes.end()) {
        it = d->montantes.insert(type, {});
        d->currentMontantes.insert(type, montante);
    }
    it->append(montante);
}

void NoxEngine::addMontante(NoxMethodType type, NoxMontante *montante)
{
    QMutexLocker lock(&d->mutex);
    if (montante->isPerso()) {
        auto *perso = static_cast<MontantePerso *>(montante);
        if (d->baccaratMode) {
            perso->setPayout(8); // the tie pays 8 to 1
        }
        NoxMethodParameterList parameters;
        perso->getParameters(parameters);
        const QPair<NoxMethodType, int> copies[] = {{NoxMethodType::cs, 2},
                                                    {NoxMethodType::col, 3},
                                                    {NoxMethodType::douz, 3},
                                                    {NoxMethodType::sixain, 6},
                                                    {NoxMethodType::trans, 12}};
        for (const auto &[kind, payout] : copies) {
            auto *copy = new MontantePerso(perso->name());
            copy->setParameters(parameters);
            copy->setPayout(payout);
            registerMontanteLocked(kind, copy);
        }
    }
    registerMontanteLocked(type, montante);
}

void NoxEngine::registerBuiltinMontantes()
{
    const QString martingale = QStringLiteral("Martingale classique");
    const QString flat = QStringLiteral("Masse égale");
    if (d->baccaratMode) {
        addMontante(NoxMethodType::plein, new MartingaleClassique(martingale, 9, 2));
        addMontante(NoxMethodType::plein, new NoxMontante(flat, false));
        addMontante(NoxMethodType::cs, new MontanteCS(martingale));
        addMontante(NoxMethodType::cs, new NoxMontante(flat, true));
        addMontante(NoxMethodType::cs,
                    new MartingaleClassique(QStringLiteral("Martingale classique (commune)"), 2, 2));
        return;
    }
    addMontante(NoxMethodType::plein, new MartingaleClassique(martingale, 36, 2));
    addMontante(NoxMethodType::plein, new NoxMontante(flat, false));
    addMontante(NoxMethodType::plein, new Montante7Boules(QStringLiteral("Montante en 7 Boules")));
    addMontante(NoxMethodType::plein, new Recup3Pertes(QStringLiteral("Montante récupération en 3 pertes")));
    addMontante(NoxMethodType::cs, new MontanteCS(martingale));
    addMontante(NoxMethodType::cs, new NoxMontante(flat, true));
    const QPair<NoxMethodType, QPair<int, int>> groups[] = {{NoxMethodType::col, {3, 1}},
                                                            {NoxMethodType::trans, {12, 1}},
                                                            {NoxMethodType::sixain, {6, 1}},
                                                            {NoxMethodType::douz, {3, 1}},
                                                            {NoxMethodType::carre, {9, 2}}};
    for (const auto &[kind, values] : groups) {
        addMontante(kind, new MartingaleClassique(martingale, values.first, values.second));
        addMontante(kind, new NoxMontante(flat, false));
    }
}

bool NoxEngine::selectMontante(NoxMethodType type, const QString &name)
{
    if (name.isEmpty()) {
        return false;
    }
    QMutexLocker lock(&d->mutex);
    for (NoxMontante *m : d->montantes.value(type)) {
        if (m->name() == name) {
            if (d->currentMontantes.value(type) != m) {
                d->currentMontantes.insert(type, m);
                noteMontanteLocked(type, m);
            }
            return true;
        }
    }
    return false;
}

NoxMontante *NoxEngine::findMontanteLocked(NoxMethodType type, int montanteId) const
{
    for (NoxMontante *m : d->montantes.value(type)) {
        if (m->montanteId() == montanteId) {
            return m;
        }
    }
    return nullptr;
}

bool NoxEngine::selectMontanteById(NoxMethodType type, int montanteId)
{
    {
        QMutexLocker lock(&d->mutex);
        NoxMontante *m = findMontanteLocked(type, montanteId);
        if (!m) {
            return false;
        }
        if (d->currentMontantes.value(type) != m) {
            d->currentMontantes.insert(type, m);
            noteMontanteLocked(type, m);
        }
        updateItemsToPlay();
    }
    emit itemsToPlayChanged();
    return true;
}

void NoxEngine::noteMontanteLocked(NoxMethodType type, const NoxMontante *montante)
{
    QJsonObject change = journalChange("montante", {});
    change.insert(QStringLiteral("type"), int(type));
    change.insert(QStringLiteral("id"), montante->montanteId());
    change.insert(QStringLiteral("name"), montante->name());
    noteChangeLocked(change, NoxEnginePrivate::SettingsStore);
}

QString NoxEngine::currentMontanteName(NoxMethodType type) const
{
    QMutexLocker lock(&d->mutex);
    const NoxMontante *m = d->currentMontantes.value(type);
    return m ? m->name() : QString();
}

QList<QPair<int, QString>> NoxEngine::montanteList(NoxMethodType type) const
{
    QMutexLocker lock(&d->mutex);
    QList<QPair<int, QString>> list;
    for (const NoxMontante *m : d->montantes.value(type)) {
        list.append({m->montanteId(), m->name()});
    }
    return list;
}

QList<int> NoxEngine::userMontanteIds() const
{
    QMutexLocker lock(&d->mutex);
    QList<int> ids;
    for (const NoxMontante *m : d->montantes.value(NoxMethodType::plein)) {
        if (m->isPerso()) {
            ids.append(m->montanteId());
        }
    }
    return ids;
}

NoxMethodParameterList NoxEngine::montanteParameters(int montanteId) const
{
    QMutexLocker lock(&d->mutex);
    NoxMethodParameterList parameters;
    if (const NoxMontante *m = findMontanteLocked(NoxMethodType::plein, montanteId)) {
        m->getParameters(parameters);
    }
    return parameters;
}

NoxMethodParameterList NoxEngine::montanteDetails(int montanteId) const
{
    QMutexLocker lock(&d->mutex);
    NoxMethodParameterList details;
    if (const NoxMontante *m = findMontanteLocked(NoxMethodType::plein, montanteId)) {
        m->getDetails(details);
    }
    return details;
}

NoxMethodParameterList NoxEngine::currentMontanteDetails() const
{
    QMutexLocker lock(&d->mutex);
    NoxMethodParameterList details;
    if (const NoxMontante *m = d->currentMontantes.value(NoxMethodType::plein)) {
        m->getDetails(details);
    }
    return details;
}

int NoxEngine::upsertUserMontante(int montanteId, const NoxMethodParameterList &parameters)
{
    // The library is written soon after; the journal cannot play an edited progression again.
    if (montanteId < 0) {
        auto *m = new MontantePerso;
        m->setParameters(parameters);
        addMontante(NoxMethodType::plein, m);
        noteUnreplayable("montante", NoxEnginePrivate::LibraryStore);
        return m->montanteId();
    }
    int found = -1;
    {
        QMutexLocker lock(&d->mutex);
        for (NoxMethodType type : kLibraryKinds) {
            if (NoxMontante *m = findMontanteLocked(type, montanteId)) {
                m->setParameters(parameters);
                updateItemsToPlay();
                found = montanteId;
                break;
            }
        }
    }
    if (found >= 0) {
        noteUnreplayable("montante", NoxEnginePrivate::LibraryStore);
    }
    return found;
}

void NoxEngine::removeMontanteLocked(NoxMontante *montante)
{
    for (auto it = d->montantes.begin(); it != d->montantes.end(); ++it) {
        if (!it->removeOne(montante)) {
            continue;
        }
        if (d->currentMontantes.value(it.key()) == montante) {
            if (it->isEmpty()) {
                d->currentMontantes.remove(it.key());
            } else {
                d->currentMontantes.insert(it.key(), it->first());
            }
        }
    }
    delete montante;
}

bool NoxEngine::removeUserMontante(int montanteId)
{
    {
        QMutexLocker lock(&d->mutex);
        NoxMontante *m = findMontanteLocked(NoxMethodType::plein, montanteId);
        if (!m || !m->isPerso()) {
            return false;
        }
        removeMontanteLocked(m);
        updateItemsToPlay();
    }
    noteUnreplayable("montante", NoxEnginePrivate::LibraryStore | NoxEnginePrivate::SettingsStore);
    emit itemsToPlayChanged();
    return true;
}

void NoxEngine::resetMontante()
{
    {
        QMutexLocker lock(&d->mutex);
        computeBetsLocked(-1, true);
        noteChangeLocked(journalChange("resetMontante", {}), 0);
        updateItemsToPlay();
    }
    emit itemsToPlayChanged();
}

void NoxEngine::resetFinancialStats()
{
    {
        QMutexLocker lock(&d->mutex);
        d->stats = NoxFinancialStats{};
        noteChangeLocked(journalChange("resetStats", {}), 0);
        updateItemsToPlay();
    }
    emit itemsToPlayChanged();
}

// --- Library file --------------------------------------------------------------------------------

QString NoxEngine::montanteLibraryPath() const
{
    return hasPersistence() ? settingsDirectory() + QStringLiteral("/montantes.dat")
                            : QStringLiteral("montantes.dat");
}

bool NoxEngine::loadMontanteLibrary(const QUrl &url, bool clearFirst, QString *error)
{
    NoxMontanteLibrary::List loaded;
    QString why;
    bool ok = true;
    if (!url.isEmpty()) {
        if (!NoxMontanteLibrary::read(localPathOf(url), &loaded, &why)) {
            qCWarning(lcNoxMoney).noquote()
                << QStringLiteral("Cannot load %1: %2").arg(localPathOf(url), why);
            if (error) {
                *error = why;
            }
            return false;
        }
    } else {
        const QString path = montanteLibraryPath();
        if (QFile::exists(path) && !NoxMontanteLibrary::read(path, &loaded, &why)) {
            // Keep the damaged file for the user: the next save would overwrite it.
            const QString aside = path + QStringLiteral(".damaged");
            QFile::remove(aside);
            QFile::copy(path, aside);
            qCWarning(lcNoxMoney).noquote()
                << QStringLiteral("Cannot load %1 (%2); kept as %3, reading the built-in library")
                       .arg(path, why, aside);
            if (error) {
                *error = why;
            }
            ok = false;
            loaded.clear();
            NoxMontanteLibrary::read(QStringLiteral(":/data/montantes.dat"), &loaded);
        } else if (!QFile::exists(path) &&
                   !NoxMontanteLibrary::read(QStringLiteral(":/data/montantes.dat"), &loaded, &why)) {
            if (error) {
                *error = why;
            }
            return false;
        }
    }

    if (clearFirst) {
        QMutexLocker lock(&d->mutex);
        QList<NoxMontante *> perso;
        for (const auto &list : std::as_const(d->montantes)) {
            for (NoxMontante *m : list) {
                if (m->isPerso()) {
                    perso.append(m);
                }
            }
        }
        for (NoxMontante *m : std::as_const(perso)) {
            removeMontanteLocked(m);
        }
    }
    for (auto &m : loaded) {
        addMontante(NoxMethodType::plein, m.release());
    }

    // The current progressions named in the settings are selected again.
    NoxEngineSettings::MontanteNames names;
    {
        QMutexLocker lock(&d->mutex);
        if (d->settings) {
            NoxFinancial financial = d->financial;
            NoxEngineSettings::readFinancial(*d->settings, financial, names);
        }
    }
    for (auto it = names.cbegin(); it != names.cend(); ++it) {
        selectMontante(it.key(), it.value());
    }
    {
        QMutexLocker lock(&d->mutex);
        updateItemsToPlay();
    }
    if (!url.isEmpty()) {
        noteUnreplayable("library", NoxEnginePrivate::LibraryStore | NoxEnginePrivate::SettingsStore);
    }
    emit itemsToPlayChanged();
    return ok;
}

bool NoxEngine::saveMontanteLibrary(const QUrl &url, QString *error)
{
    const QString path = url.isEmpty() ? montanteLibraryPath() : localPathOf(url);
    QByteArray text;
    {
        // Serialised under the lock, written without it: a slow disk never holds up a coup.
        QList<const MontantePerso *> perso;
        QMutexLocker lock(&d->mutex);
        for (const NoxMontante *m : d->montantes.value(NoxMethodType::plein)) {
            if (m->isPerso()) {
                perso.append(static_cast<const MontantePerso *>(m));
            }
        }
        text = NoxMontanteLibrary::serialize(perso);
    }
    return NoxMontanteLibrary::writeText(path, text, error);
}

} // namespace Nox
