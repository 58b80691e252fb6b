#include "engine/noxmontanteregistry.h"

#include "core/noxlogging.h"
#include "money/martingaleclassique.h"
#include "money/montante7boules.h"
#include "money/montantecs.h"
#include "money/montanteperso.h"
#include "money/recup3pertes.h"

#include <QFile>

namespace Nox {

namespace {

// The kinds under which user progressions are looked up for an edit.
constexpr NoxMethodType kLibraryKinds[] = {NoxMethodType::plein, NoxMethodType::cs, NoxMethodType::col,
                                           NoxMethodType::douz, NoxMethodType::sixain};

const QString kBuiltinLibrary = QStringLiteral(":/data/montantes.dat");

} // namespace

NoxMontanteRegistry::~NoxMontanteRegistry()
{
    for (const auto &list : std::as_const(m_byKind)) {
        qDeleteAll(list);
    }
}

void NoxMontanteRegistry::registerOne(NoxMethodType type, NoxMontante *montante)
{
    if (montante->montanteId() < 0) {
        montante->setMontanteId(m_nextId++);
    }
    auto it = m_byKind.find(type);
    if (it == m_byKind.end()) {
        it = m_byKind.insert(type, {});
        m_current.insert(type, montante);
    }
    it->append(montante);
}

void NoxMontanteRegistry::add(NoxMethodType type, NoxMontante *montante, bool baccarat)
{
    if (montante->isPerso()) {
        auto *perso = static_cast<MontantePerso *>(montante);
        if (baccarat) {
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
            registerOne(kind, copy);
        }
    }
    registerOne(type, montante);
}

void NoxMontanteRegistry::addBuiltins(bool baccarat)
{
    const QString martingale = QStringLiteral("Martingale classique");
    const QString flat = QStringLiteral("Masse égale");
    if (baccarat) {
        add(NoxMethodType::plein, new MartingaleClassique(martingale, 9, 2), baccarat);
        add(NoxMethodType::plein, new NoxMontante(flat, false), baccarat);
        add(NoxMethodType::cs, new MontanteCS(martingale), baccarat);
        add(NoxMethodType::cs, new NoxMontante(flat, true), baccarat);
        add(NoxMethodType::cs,
            new MartingaleClassique(QStringLiteral("Martingale classique (commune)"), 2, 2), baccarat);
        return;
    }
    add(NoxMethodType::plein, new MartingaleClassique(martingale, 36, 2), baccarat);
    add(NoxMethodType::plein, new NoxMontante(flat, false), baccarat);
    add(NoxMethodType::plein, new Montante7Boules(QStringLiteral("Montante en 7 Boules")), baccarat);
    add(NoxMethodType::plein, new Recup3Pertes(QStringLiteral("Montante récupération en 3 pertes")),
        baccarat);
    add(NoxMethodType::cs, new MontanteCS(martingale), baccarat);
    add(NoxMethodType::cs, new NoxMontante(flat, true), baccarat);
    const QPair<NoxMethodType, QPair<int, int>> groups[] = {{NoxMethodType::col, {3, 1}},
                                                            {NoxMethodType::trans, {12, 1}},
                                                            {NoxMethodType::sixain, {6, 1}},
                                                            {NoxMethodType::douz, {3, 1}},
                                                            {NoxMethodType::carre, {9, 2}}};
    for (const auto &[kind, values] : groups) {
        add(kind, new MartingaleClassique(martingale, values.first, values.second), baccarat);
        add(kind, new NoxMontante(flat, false), baccarat);
    }
}

bool NoxMontanteRegistry::setCurrent(NoxMethodType type, NoxMontante *montante)
{
    if (m_current.value(type) == montante) {
        return false;
    }
    m_current.insert(type, montante);
    return true;
}

NoxMontanteRegistry::Names NoxMontanteRegistry::currentNames() const
{
    Names names;
    for (auto it = m_current.cbegin(); it != m_current.cend(); ++it) {
        names.insert(it.key(), it.value()->name());
    }
    return names;
}

NoxMontante *NoxMontanteRegistry::find(NoxMethodType type, int montanteId) const
{
    for (NoxMontante *m : m_byKind.value(type)) {
        if (m->montanteId() == montanteId) {
            return m;
        }
    }
    return nullptr;
}

NoxMontante *NoxMontanteRegistry::findByName(NoxMethodType type, const QString &name) const
{
    for (NoxMontante *m : m_byKind.value(type)) {
        if (m->name() == name) {
            return m;
        }
    }
    return nullptr;
}

NoxMontante *NoxMontanteRegistry::findForEdit(int montanteId) const
{
    for (NoxMethodType type : kLibraryKinds) {
        if (NoxMontante *m = find(type, montanteId)) {
            return m;
        }
    }
    return nullptr;
}

QList<QPair<int, QString>> NoxMontanteRegistry::list(NoxMethodType type) const
{
    QList<QPair<int, QString>> list;
    for (const NoxMontante *m : m_byKind.value(type)) {
        list.append({m->montanteId(), m->name()});
    }
    return list;
}

QList<int> NoxMontanteRegistry::userIds() const
{
    QList<int> ids;
    for (const NoxMontante *m : m_byKind.value(NoxMethodType::plein)) {
        if (m->isPerso()) {
            ids.append(m->montanteId());
        }
    }
    return ids;
}

void NoxMontanteRegistry::remove(NoxMontante *montante)
{
    for (auto it = m_byKind.begin(); it != m_byKind.end(); ++it) {
        if (!it->removeOne(montante)) {
            continue;
        }
        if (m_current.value(it.key()) == montante) {
            if (it->isEmpty()) {
                m_current.remove(it.key());
            } else {
                m_current.insert(it.key(), it->first());
            }
        }
    }
    delete montante;
}

void NoxMontanteRegistry::removeUser()
{
    QList<NoxMontante *> perso;
    for (const auto &list : std::as_const(m_byKind)) {
        for (NoxMontante *m : list) {
            if (m->isPerso()) {
                perso.append(m);
            }
        }
    }
    for (NoxMontante *m : std::as_const(perso)) {
        remove(m);
    }
}

void NoxMontanteRegistry::resetAll()
{
    for (const auto &list : std::as_const(m_byKind)) {
        for (NoxMontante *m : list) {
            m->reset();
        }
    }
}

QByteArray NoxMontanteRegistry::serializeUser() const
{
    QList<const MontantePerso *> perso;
    for (const NoxMontante *m : m_byKind.value(NoxMethodType::plein)) {
        if (m->isPerso()) {
            perso.append(static_cast<const MontantePerso *>(m));
        }
    }
    return NoxMontanteLibrary::serialize(perso);
}

NoxMontanteRegistry::LibraryRead NoxMontanteRegistry::readLibrary(const QString &path, bool isDefault,
                                                                  NoxMontanteLibrary::List *loaded,
                                                                  QString *error)
{
    QString why;
    if (!isDefault) {
        if (NoxMontanteLibrary::read(path, loaded, &why)) {
            return LibraryRead::Read;
        }
        qCWarning(lcNoxMoney).noquote() << QStringLiteral("Cannot load %1: %2").arg(path, why);
    } else if (QFile::exists(path)) {
        if (NoxMontanteLibrary::read(path, loaded, &why)) {
            return LibraryRead::Read;
        }
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
        loaded->clear();
        NoxMontanteLibrary::read(kBuiltinLibrary, loaded);
        return LibraryRead::BuiltinRead;
    } else if (NoxMontanteLibrary::read(kBuiltinLibrary, loaded, &why)) {
        return LibraryRead::Read;
    }
    if (error) {
        *error = why;
    }
    return LibraryRead::Failed;
}

} // namespace Nox
