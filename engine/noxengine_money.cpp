// NoxEngine: the bankroll (the financial configuration, the money of a settled coup with its
// limit warnings, the statistics), the input of the bet sheet, and the progressions, which
// the registry holds.

#include "engine/noxengine.h"
#include "engine/noxengine_p.h"

#include "core/noxlogging.h"
#include "core/noxmethod.h"
#include "core/noxmethodstate.h"
#include "engine/noxenginesettings.h"
#include "engine/noxjournalcodec.h"
#include "money/montanteperso.h"
#include "money/noxmontante.h"

#include <algorithm>

namespace Nox {

// --- The bankroll --------------------------------------------------------------------------------

NoxBetList NoxEngine::settleCoup(int value)
{
    NoxFinancial &f = d->financial;
    const bool staked = f.mise > 0;
    const qint64 capitalBefore = f.capital;
    NoxBetSheet::Settlement settlement = d->settleBets(value);
    const qint64 capital = f.capital + settlement.capitalChange;
    if (capital != f.capital) {
        if (capital > f.capital) {
            for (NoxMethodType type :
                 {NoxMethodType::plein, NoxMethodType::cs, NoxMethodType::col, NoxMethodType::douz,
                  NoxMethodType::sixain, NoxMethodType::trans, NoxMethodType::cheval, NoxMethodType::carre}) {
                NoxMethodeTypeConfig &chips = f.config(type);
                // Only kinds with their own chip record (cs, col, douz, sixain, trans) honour it.
                const bool ownRecord = &chips != &f.plein;
                if (ownRecord && chips.stopProfit) {
                    if (NoxMontante *m = d->montantes.current(type)) {
                        m->reset();
                    }
                }
                chips.jeton = chips.jetonOrigine;
            }
        }
        const bool lost = capital < f.capital;
        f.capital = capital;
        f.capitalMin = std::min(f.capitalMin, capital);
        f.capitalMax = std::max(f.capitalMax, capital);
        (lost ? d->stats.betLossCount : d->stats.betWinCount) += 1;
        const qint64 profit = f.capital - f.capitalOrigine;
        if (profit >= f.takeProfit) {
            addLimitNotification(
                NoxNotification::GainLimit,
                QStringLiteral("Félicitation vous avez atteind votre limite de gain\nProfit : "), profit);
        }
        // What would remain if the stake already placed for the next coup were lost.
        const qint64 remaining = f.capital - f.mise - f.capitalOrigine;
        if (f.stopLoss >= remaining) {
            addLimitNotification(
                NoxNotification::LossLimit,
                QStringLiteral("Attention le prochain coup vous mènera sous votre limite de perte\nPerte : "),
                remaining);
        }
        d->stats.record(profit, f.mise);
    }
    d->stats.betTotal += f.mise;
    d->stats.betMax = std::max(d->stats.betMax, f.mise);
    checkGuardsLocked(staked, f.capital - capitalBefore);
    return std::move(settlement.bets);
}

void NoxEngine::checkGuardsLocked(bool staked, qint64 capitalChange)
{
    const NoxFinancial &f = d->financial;
    const qint64 result = f.capital - f.capitalOrigine;
    d->guards.settle(staked, capitalChange, result);
    if (d->suspended || !f.guards.stopsAnything()) {
        return;
    }
    std::optional<NoxGuardStop> stop =
        d->guards.check(f.guards, result, f.stopLoss, f.takeProfit, d->clock->nowMs());
    if (!stop) {
        return;
    }
    qCInfo(lcNoxEngine).noquote() << stop->reason;
    d->suspended = true;
    d->notifications.append({stop->reason,
                             tr("Les mises sont suspendues. Reprenez quand vous le décidez : une règle qui "
                                "tient encore arrête de nouveau au coup suivant."),
                             NoxNotification::GuardStop, false});
    d->guardStop = std::move(stop);
}

QString NoxEngine::guardStop() const
{
    QMutexLocker lock(&d->mutex);
    return d->guardStop ? d->guardStop->reason : QString();
}

std::optional<NoxGuardStop> NoxEngine::guardStopRule() const
{
    QMutexLocker lock(&d->mutex);
    return d->guardStop;
}

void NoxEngine::setClock(const NoxClock *clock)
{
    QMutexLocker lock(&d->mutex);
    d->clock = clock ? clock : &NoxClock::system();
    d->guards.startSession(d->clock->nowMs());
}

void NoxEngine::addLimitNotification(int type, const QString &title, qint64 amount)
{
    if (hasNotification(type)) {
        return;
    }
    d->notifications.append({title + QString::asprintf("%.2f", double(amount) / 100.0),
                             QStringLiteral("Il est recommandé de terminer votre session"), type, false});
}

NoxFinancial NoxEngine::financial() const
{
    QMutexLocker lock(&d->mutex);
    return d->financial;
}

void NoxEngine::setFinancialConfig(const NoxFinancial &financial)
{
    {
        QMutexLocker lock(&d->mutex);
        const NoxFinancial &old = d->financial;
        bool changed = old.perso.addZero != financial.perso.addZero;
        for (NoxMethodType type : {NoxMethodType::cs, NoxMethodType::col, NoxMethodType::douz,
                                   NoxMethodType::sixain, NoxMethodType::trans}) {
            changed = changed || old.config(type).modeNum != financial.config(type).modeNum ||
                      old.config(type).addZero != financial.config(type).addZero;
        }
        NoxFinancial taken = financial;
        // Guards out of their ranges are never taken, not even in part: the ones in force stay.
        if (const QString why = taken.guards.refusal(0); !why.isEmpty()) {
            qCWarning(lcNoxEngine).noquote() << QStringLiteral("Guards refused: %1").arg(why);
            taken.guards = old.guards;
        }
        if (!(d->financial == taken)) {
            // Without a journal (a backtest's sessions) only the settings file is told.
            noteChangeLocked(d->journal ? journalChange("financial", NoxJournalCodec::toJson(taken))
                                        : QJsonObject(),
                             NoxEnginePrivate::SettingsStore);
        }
        d->financial = taken;
        if (changed) {
            for (NoxMethodState *s : std::as_const(d->states)) {
                const NoxMethod *m = s->method();
                const NoxMethodType type = m->type();
                if (type == NoxMethodType::automatic) {
                    continue;
                }
                if (type == NoxMethodType::plein) {
                    if (m->subtype() == NoxMethodSubType::purpleperso4) {
                        s->setZeroOption(financial.perso.addZero);
                    }
                    continue;
                }
                // Kinds without their own chip record (cheval, carré) have neither option.
                const bool own = &financial.config(type) != &financial.plein;
                const NoxMethodeTypeConfig &chips = financial.config(type);
                s->setNumberMode(own && chips.modeNum);
                s->setZeroOption(own && chips.modeNum && chips.addZero);
            }
        }
        updateItemsToPlay();
    }
    emit itemsToPlayChanged();
}

NoxFinancialStats NoxEngine::financialStats() const
{
    QMutexLocker lock(&d->mutex);
    return d->stats;
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

// --- The bet sheet's input ----------------------------------------------------------------------

void NoxEnginePrivate::fillBetSheet(NoxBetSheet::Input &input) const
{
    for (NoxMethodState *s : states) {
        if (!s->isActive()) {
            continue;
        }
        NoxBetSheet::Method &m = input.addMethod();
        const int lists = s->playModeFlags(); // the list bits are those of the mask
        m.favorites = s == favoritesState;
        m.method = s->method();
        // What is staked, taken from the published proposal without copying its lists.
        const bool numberMode = s->numberMode();
        s->withProposal([&](const NoxMethodProposal &p) {
            m.playModes = lists | (p.inBlock ? NoxEngineConfig::PlayInBlock : 0) |
                          (p.inDominantBlock ? NoxEngineConfig::PlayInBlockDom : 0);
            m.neutralZero = p.neutralZeroProfile & !p.coversZero;
            m.centre = p.centerNumber;
            if (numberMode) {
                for (int n : p.coveredNumbers) {
                    input.addItem(NoxBetItemID(n));
                }
            } else {
                input.addItems(p.items.constData(), p.items.size());
            }
            if (m.favorites) {
                // Shared, not copied: the bets they cover are flagged.
                input.favoriteItems = p.items;
                input.favoriteNumbers = p.coveredNumbers;
            }
        });
    }
    input.playModeMask = config.playModeMask();
    input.netOppositeChances = financial.cs.diff0;
    input.suspended = suspended;
    input.baccarat = baccaratMode;
    const NoxGuards &limits = financial.guards;
    input.limitBanker = limits.tableLimitBanker;
    input.limitPlayer = limits.tableLimitPlayer;
    input.limitTie = limits.tableLimitTie;
    input.maxStake = limits.maxStake;
    input.refuseAboveMaxStake = limits.maxStakeRule == NoxGuards::StakeRule::Refuse;
    for (NoxMethodType type :
         {NoxMethodType::plein, NoxMethodType::col, NoxMethodType::douz, NoxMethodType::sixain,
          NoxMethodType::trans, NoxMethodType::cheval, NoxMethodType::carre, NoxMethodType::cs}) {
        input.setChip(type, financial.config(type).jeton);
    }
    const QMap<NoxMethodType, NoxMontante *> &current = montantes.currentByKind();
    for (auto it = current.cbegin(); it != current.cend(); ++it) {
        input.setProgression(it.key(), it.value());
    }
}

NoxBetList NoxEnginePrivate::proposeBets(bool restartProgressions)
{
    NoxBetSheet::Input input;
    fillBetSheet(input);
    input.restartProgressions = restartProgressions;
    return NoxBetSheet::propose(input);
}

NoxBetSheet::Settlement NoxEnginePrivate::settleBets(int value, bool restartProgressions)
{
    NoxBetSheet::Input input;
    fillBetSheet(input);
    input.restartProgressions = restartProgressions;
    return NoxBetSheet::settle(input, value);
}

// --- Progressions -------------------------------------------------------------------------------

void NoxEngine::addMontante(NoxMethodType type, NoxMontante *montante)
{
    QMutexLocker lock(&d->mutex);
    d->montantes.add(type, montante, d->baccaratMode);
}

void NoxEngine::registerBuiltinMontantes()
{
    QMutexLocker lock(&d->mutex);
    d->montantes.addBuiltins(d->baccaratMode);
}

void NoxEngine::setCurrentMontanteLocked(NoxMethodType type, NoxMontante *montante)
{
    d->wantedMontantes.remove(type);
    if (!d->montantes.setCurrent(type, montante)) {
        return;
    }
    QJsonObject change = journalChange("montante", {});
    change.insert(QStringLiteral("type"), int(type));
    change.insert(QStringLiteral("id"), montante->montanteId());
    change.insert(QStringLiteral("name"), montante->name());
    noteChangeLocked(change, NoxEnginePrivate::SettingsStore);
}

bool NoxEngine::selectMontante(NoxMethodType type, const QString &name)
{
    if (name.isEmpty()) {
        return false;
    }
    QMutexLocker lock(&d->mutex);
    NoxMontante *m = d->montantes.findByName(type, name);
    if (!m) {
        return false;
    }
    setCurrentMontanteLocked(type, m);
    return true;
}

bool NoxEngine::selectMontanteById(NoxMethodType type, int montanteId)
{
    {
        QMutexLocker lock(&d->mutex);
        NoxMontante *m = d->montantes.find(type, montanteId);
        if (!m) {
            return false;
        }
        setCurrentMontanteLocked(type, m);
        updateItemsToPlay();
    }
    emit itemsToPlayChanged();
    return true;
}

QString NoxEngine::currentMontanteName(NoxMethodType type) const
{
    QMutexLocker lock(&d->mutex);
    const NoxMontante *m = d->montantes.current(type);
    return m ? m->name() : QString();
}

std::unique_ptr<NoxMontante> NoxEngine::currentMontanteCopy(NoxMethodType type) const
{
    std::unique_ptr<NoxMontante> copy;
    {
        QMutexLocker lock(&d->mutex);
        const NoxMontante *m = d->montantes.current(type);
        if (!m) {
            return nullptr;
        }
        copy = m->clone();
    }
    copy->reset();
    return copy;
}

QList<QPair<int, QString>> NoxEngine::montanteList(NoxMethodType type) const
{
    QMutexLocker lock(&d->mutex);
    return d->montantes.list(type);
}

QList<int> NoxEngine::userMontanteIds() const
{
    QMutexLocker lock(&d->mutex);
    return d->montantes.userIds();
}

NoxMethodParameterList NoxEngine::montanteParameters(int montanteId) const
{
    QMutexLocker lock(&d->mutex);
    NoxMethodParameterList parameters;
    if (const NoxMontante *m = d->montantes.find(NoxMethodType::plein, montanteId)) {
        m->getParameters(parameters);
    }
    return parameters;
}

NoxMethodParameterList NoxEngine::montanteDetails(int montanteId) const
{
    QMutexLocker lock(&d->mutex);
    NoxMethodParameterList details;
    if (const NoxMontante *m = d->montantes.find(NoxMethodType::plein, montanteId)) {
        m->getDetails(details);
    }
    return details;
}

NoxMethodParameterList NoxEngine::currentMontanteDetails() const
{
    QMutexLocker lock(&d->mutex);
    NoxMethodParameterList details;
    if (const NoxMontante *m = d->montantes.current(NoxMethodType::plein)) {
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
    {
        QMutexLocker lock(&d->mutex);
        NoxMontante *m = d->montantes.findForEdit(montanteId);
        if (!m) {
            return -1;
        }
        m->setParameters(parameters);
        updateItemsToPlay();
    }
    noteUnreplayable("montante", NoxEnginePrivate::LibraryStore);
    return montanteId;
}

bool NoxEngine::removeUserMontante(int montanteId)
{
    {
        QMutexLocker lock(&d->mutex);
        NoxMontante *m = d->montantes.find(NoxMethodType::plein, montanteId);
        if (!m || !m->isPerso()) {
            return false;
        }
        d->montantes.remove(m);
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
        // Drawing the sheet with restartProgressions restarts the kinds in play.
        (void)d->proposeBets(true);
        noteChangeLocked(journalChange("resetMontante", {}), 0);
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
    const bool ownFile = url.isEmpty();
    NoxMontanteLibrary::List loaded;
    const NoxMontanteRegistry::LibraryRead read = NoxMontanteRegistry::readLibrary(
        ownFile ? montanteLibraryPath() : localPathOf(url), ownFile, &loaded, error);
    if (read == NoxMontanteRegistry::LibraryRead::Failed) {
        return false;
    }
    NoxEngineSettings::MontanteNames names;
    {
        QMutexLocker lock(&d->mutex);
        d->libraryRead = true;
        if (clearFirst) {
            d->montantes.removeUser();
        }
        for (auto &m : loaded) {
            d->montantes.add(NoxMethodType::plein, m.release(), d->baccaratMode);
        }
        // The current progressions named in the settings are selected again, and those the
        // settings wait for.
        if (d->settings) {
            NoxFinancial financial = d->financial;
            NoxEngineSettings::readFinancial(*d->settings, financial, names);
        }
        for (auto it = d->wantedMontantes.cbegin(); it != d->wantedMontantes.cend(); ++it) {
            names.insert(it.key(), it.value());
        }
    }
    for (auto it = names.cbegin(); it != names.cend(); ++it) {
        selectMontante(it.key(), it.value());
    }
    {
        QMutexLocker lock(&d->mutex);
        updateItemsToPlay();
    }
    if (!ownFile) {
        noteUnreplayable("library", NoxEnginePrivate::LibraryStore | NoxEnginePrivate::SettingsStore);
    }
    emit itemsToPlayChanged();
    return read == NoxMontanteRegistry::LibraryRead::Read;
}

bool NoxEngine::saveMontanteLibrary(const QUrl &url, QString *error)
{
    const QString path = url.isEmpty() ? montanteLibraryPath() : localPathOf(url);
    QByteArray text;
    {
        // Serialised under the lock, written without it: a slow disk never holds up a coup.
        QMutexLocker lock(&d->mutex);
        text = d->montantes.serializeUser();
    }
    return NoxMontanteLibrary::writeText(path, text, error);
}

} // namespace Nox
