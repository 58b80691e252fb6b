#include "engine/noxengine.h"
#include "engine/noxengine_p.h"

#include "engine/noxbetitem.h"
#include "engine/noxfavoritesinterface.h"
#include "engine/noxlogging.h"
#include "engine/noxmethod.h"
#include "engine/noxmethodstate.h"
#include "engine/noxpoolrunnable.h"
#include "engine/noxsnapshotcontext.h"
#include "methods/noxfactory.h"
#include "money/noxmontante.h"

#include <QMap>
#include <QMutex>
#include <QPromise>
#include <QSet>
#include <QThreadPool>

#include <atomic>
#include <condition_variable>
#include <mutex>

namespace Nox {

namespace {
std::atomic<NoxEngine *> s_instance{nullptr};
std::atomic<int> s_taskCounter{0};
thread_local bool t_inTask = false;
} // namespace

NoxEngine::NoxEngine(bool baccaratMode, QObject *parent)
    : QObject(parent)
    , d(std::make_unique<NoxEnginePrivate>())
{
    d->baccaratMode = baccaratMode;
    d->calibration->setBaccaratMode(baccaratMode);
    NoxEngine *expected = nullptr;
    s_instance.compare_exchange_strong(expected, this);
    qRegisterMetaType<NoxBetList>();
}

NoxEngine::~NoxEngine()
{
    if (d->taskPool) {
        d->taskPool->clear();
    }
    setAsync(false);
    // Orderly shutdown is the only time the store is written during a run.
    setPersistence(false);
    qDeleteAll(d->states);
    for (const auto &list : std::as_const(d->montantes)) {
        qDeleteAll(list);
    }
    NoxEngine *self = this;
    s_instance.compare_exchange_strong(self, nullptr);
}

NoxEngine *NoxEngine::instance()
{
    return s_instance.load();
}

bool NoxEngine::isBaccaratMode() const
{
    return d->baccaratMode;
}

void NoxEngine::setBaccaratMode(bool baccaratMode)
{
    {
        QMutexLocker lock(&d->mutex);
        d->baccaratMode = baccaratMode;
    }
    d->calibration->setBaccaratMode(baccaratMode);
}

ICalibration *NoxEngine::calibration() const
{
    return d->calibration.get();
}

void NoxEngine::setAsync(bool on)
{
    if (on) {
        if (!d->taskPool) {
            d->methodPool = new QThreadPool;
            d->methodPool->setMaxThreadCount(4);
            d->taskPool = new QThreadPool;
            d->taskPool->setMaxThreadCount(1);
        }
        d->async = true;
        return;
    }
    d->async = false;
    std::unique_ptr<QThreadPool> tasks(std::exchange(d->taskPool, nullptr));
    std::unique_ptr<QThreadPool> methods(std::exchange(d->methodPool, nullptr));
    if (tasks) {
        tasks->waitForDone();
    }
    if (methods) {
        methods->waitForDone();
    }
}

bool NoxEngine::isAsync() const
{
    return d->async;
}

QFuture<void> NoxEngine::runTask(std::function<void()> task)
{
    if (d->async && d->taskPool && !t_inTask) {
        auto promise = std::make_shared<QPromise<void>>();
        QFuture<void> future = promise->future();
        promise->start();
        noxStartOnPool(d->taskPool, [promise, task = std::move(task)] {
            const int n = s_taskCounter.fetch_add(1);
            qCDebug(lcNoxEngine).noquote() << QStringLiteral("RUNNING %1").arg(n);
            t_inTask = true;
            task();
            t_inTask = false;
            qCDebug(lcNoxEngine).noquote() << QStringLiteral("DONE %1").arg(n);
            promise->finish();
        });
        return future;
    }
    QMutexLocker lock(&d->inlineTaskMutex);
    task();
    return QtFuture::makeReadyFuture();
}

void NoxEngine::forEachState(const QList<NoxMethodState *> &states,
                             const std::function<void(NoxMethodState *)> &fn)
{
    const int helpers = d->async && d->methodPool
                            ? int(std::min<qsizetype>(d->methodPool->maxThreadCount(), states.size())) - 1
                            : 0;
    if (helpers <= 0) {
        for (NoxMethodState *s : states) {
            fn(s);
        }
        return;
    }
    // The task thread works too; each thread takes the next state until none is left.
    std::atomic<qsizetype> next{0};
    const auto work = [&] {
        for (qsizetype i = next.fetch_add(1); i < states.size(); i = next.fetch_add(1)) {
            fn(states.at(i));
        }
    };
    std::mutex doneMutex;
    std::condition_variable done;
    int running = helpers;
    for (int i = 0; i < helpers; ++i) {
        noxStartOnPool(d->methodPool, [&] {
            work();
            std::lock_guard lock(doneMutex);
            if (--running == 0) {
                done.notify_one();
            }
        });
    }
    work();
    std::unique_lock lock(doneMutex);
    done.wait(lock, [&] { return running == 0; });
}

void NoxEngine::forEachStateInStages(const QList<NoxMethodState *> &states,
                                     const std::function<void(NoxMethodState *)> &fn)
{
    const auto isAuto = [](NoxMethodState *s) {
        return s->method()->type() == NoxMethodType::automatic;
    };
    forEachState(states, [&](NoxMethodState *s) {
        if (!isAuto(s)) {
            fn(s);
        }
    });
    // Automatic methods read the others' fresh results, so they run after all of them.
    for (NoxMethodState *s : states) {
        if (isAuto(s)) {
            fn(s);
        }
    }
}

void NoxEngine::processStep(const QList<int> &values, const QList<NoxMethodState *> &states, int value,
                            int index)
{
    const int count = index >= 0 ? index + 1 : int(values.size());
    forEachStateInStages(states, [&](NoxMethodState *s) {
        NoxSnapshotContext context(values, states, s, count);
        s->processValue(value, context);
    });
}

void NoxEngine::replay(const QList<int> &values, const QList<NoxMethodState *> &states,
                       const QList<NoxMethodState *> &rebuilt)
{
    const QList<int> empty;
    forEachState(rebuilt, [&](NoxMethodState *s) {
        NoxSnapshotContext context(empty, states, s, 0);
        s->resetState(false, context);
    });
    for (int i = 0; i < values.size(); ++i) {
        const int count = i + 1;
        forEachStateInStages(rebuilt, [&](NoxMethodState *s) {
            NoxSnapshotContext context(values, states, s, count);
            s->processValue(values.at(i), context);
        });
    }
}

void NoxEngine::clearCaches(const QList<NoxMethodState *> &states)
{
    for (NoxMethodState *s : states) {
        s->clearCache();
    }
}

QFuture<void> NoxEngine::playValueInternal(int value, bool notify)
{
    return runTask([this, value, notify] {
        QList<int> values;
        QList<NoxMethodState *> states;
        bool notificationsGrew = false;
        {
            QMutexLocker lock(&d->mutex);
            if (d->played.size() >= kMaxPlayed ||
                qAbs(qint64(d->financial.capital)) + qAbs(qint64(d->financial.mise)) > kMaxMoney) {
                qCWarning(lcNoxEngine) << "Reach max play limits";
                return;
            }
            const qsizetype before = d->notifications.size();
            settleCoup(value);
            d->played.append(value);
            notificationsGrew = d->notifications.size() != before;
            values = d->played;
            states = d->states;
        }
        if (notify) {
            emit playedValuesChanged();
            if (notificationsGrew) {
                emit notificationsChanged();
            }
        }
        processStep(values, states, value, -1);
        {
            QMutexLocker lock(&d->mutex);
            updateItemsToPlay();
        }
        if (notify) {
            emit itemsToPlayChanged();
            clearCaches(states);
            emit methodStatesChanged();
        }
    });
}

QFuture<void> NoxEngine::playValues(const QList<int> &values)
{
    const qsizetype before = notifications().size();
    if (!d->async) {
        for (int v : values) {
            playValueInternal(v, false);
        }
        emitBatchEnd(before);
        return QtFuture::makeReadyFuture();
    }
    auto promise = std::make_shared<QPromise<void>>();
    QFuture<void> future = promise->future();
    promise->start();
    promise->setProgressRange(0, int(values.size()));
    noxStartOnPool(QThreadPool::globalInstance(), [this, values, before, promise] {
        for (int i = 0; i < values.size(); ++i) {
            if (promise->isCanceled()) {
                break;
            }
            playValueInternal(values.at(i), false).waitForFinished();
            promise->setProgressValue(i + 1);
        }
        emitBatchEnd(before);
        promise->finish();
    });
    return future;
}

void NoxEngine::emitBatchEnd(qsizetype notificationsBefore)
{
    emit playedValuesChanged();
    emit itemsToPlayChanged();
    clearCaches(methodStates());
    emit methodStatesChanged();
    if (notifications().size() != notificationsBefore) {
        emit notificationsChanged();
    }
}

QFuture<void> NoxEngine::cancelPlay()
{
    return runTask([this] {
        QList<int> values;
        QList<NoxMethodState *> states;
        int removed = 0;
        {
            QMutexLocker lock(&d->mutex);
            if (d->played.isEmpty()) {
                return;
            }
            removed = d->played.takeLast();
            values = d->played;
            states = d->states;
        }
        emit playedValuesChanged();
        forEachStateInStages(states, [&](NoxMethodState *s) {
            NoxSnapshotContext context(values, states, s, int(values.size()));
            s->unplayValue(removed, context);
        });
        {
            QMutexLocker lock(&d->mutex);
            updateItemsToPlay();
        }
        emit itemsToPlayChanged();
        clearCaches(states);
        emit methodStatesChanged();
    });
}

void NoxEngine::restart(bool resetMoney, bool clearHistory)
{
    runTask([this, resetMoney, clearHistory] {
        QList<NoxMethodState *> states;
        {
            QMutexLocker lock(&d->mutex);
            if (clearHistory) {
                d->played.clear();
            }
            if (resetMoney) {
                d->stats = NoxFinancialStats{};
                d->financial.capital = d->financial.capitalOrigine;
                d->financial.capitalMax = d->financial.capital;
                d->financial.capitalMin = d->financial.capital;
                d->notifications.clear();
                for (const auto &list : std::as_const(d->montantes)) {
                    for (NoxMontante *m : list) {
                        m->reset();
                    }
                }
            }
            states = d->states;
            if (clearHistory) {
                const QList<int> values = d->played;
                forEachState(states, [&](NoxMethodState *s) {
                    NoxSnapshotContext context(values, states, s, int(values.size()));
                    s->resetState(s != d->favoritesState, context);
                });
            }
            updateItemsToPlay();
        }
        emit playedValuesChanged();
        emit itemsToPlayChanged();
        clearCaches(states);
        emit methodStatesChanged();
        emit notificationsChanged();
    }).waitForFinished();
}

QFuture<void> NoxEngine::truncatePlayedItems(int toKeep)
{
    return runTask([this, toKeep] {
        QList<int> values;
        QList<NoxMethodState *> states;
        {
            QMutexLocker lock(&d->mutex);
            const int keep = toKeep < 0 ? d->config.truncateCount : toKeep;
            if (d->played.isEmpty() || d->played.size() <= keep) {
                return;
            }
            d->played.remove(0, d->played.size() - keep);
            values = d->played;
            states = d->states;
        }
        emit playedValuesChanged();
        replay(values, states, states);
        emit playedValuesChanged();
        {
            QMutexLocker lock(&d->mutex);
            updateItemsToPlay();
        }
        emit itemsToPlayChanged();
        clearCaches(states);
        emit methodStatesChanged();
    });
}

void NoxEngine::loadMethods()
{
    runTask([this] {
        QList<NoxMethodState *> removed;
        {
            QMutexLocker lock(&d->mutex);
            QList<NoxMethodState *> kept;
            for (NoxMethodState *s : std::as_const(d->states)) {
                (s->method()->subtype() == NoxMethodSubType::purpleperso4 ? kept : removed).append(s);
            }
            d->states.clear();
            d->statesById.clear();
            d->favoritesState = nullptr;
            d->autoState = nullptr;
            // User methods keep their options; they only move to the front of the list.
            for (NoxMethodState *s : std::as_const(kept)) {
                appendStateLocked(s);
            }
        }
        qDeleteAll(removed);
        const qsizetype first = methodStates().size();
        NoxFactory factory(this, nullptr);
        if (d->baccaratMode) {
            factory.loadBaccaraMethods();
        }
        QList<int> values;
        QList<NoxMethodState *> states;
        {
            QMutexLocker lock(&d->mutex);
            if (d->settings) {
                for (qsizetype i = first; i < d->states.size(); ++i) {
                    applyMethodSettings(d->states.at(i));
                }
            }
            values = d->played;
            states = d->states;
        }
        // The new methods catch up with the history already played.
        replay(values, states, states.mid(first));
        {
            QMutexLocker lock(&d->mutex);
            updateItemsToPlay();
        }
        clearCaches(methodStates());
        emit methodStatesChanged();
        emit itemsToPlayChanged();
    }).waitForFinished();
}

void NoxEngine::addMethodState(NoxMethodState *state)
{
    QMutexLocker lock(&d->mutex);
    state->setShortTermWindow(d->config.shortTermCount);
    state->setSignalMask(d->config.signalMask());
    state->setEcartNotif(-1);
    state->setNbBlockDom(-1);
    appendStateLocked(state);
}

void NoxEngine::appendStateLocked(NoxMethodState *state)
{
    NoxMethod *method = state->method();
    // After removals the list is shorter than the highest index: never reuse one.
    method->setIndex(d->statesById.isEmpty() ? 0 : d->statesById.lastKey() + 1);
    d->states.append(state);
    d->statesById.insert(method->index(), state);
    if (method->name() == u"Favoris") {
        d->favoritesState = state;
    } else if (method->name() == u"AUTO Top") {
        d->autoState = state;
    }
    state->publish();
}

QList<NoxMethodState *> NoxEngine::methodStates() const
{
    QMutexLocker lock(&d->mutex);
    return d->states;
}

NoxMethodState *NoxEngine::methodState(int methodId) const
{
    QMutexLocker lock(&d->mutex);
    return d->statesById.value(methodId);
}

void NoxEngine::setMethodActive(int methodId, bool active)
{
    changeMethod(methodId, true, [active](NoxMethodState *s) { return s->setActive(active); });
}

void NoxEngine::changeMethod(int methodId, bool affectsBets, const std::function<bool(NoxMethodState *)> &fn)
{
    NoxMethodState *state = methodState(methodId);
    if (!state || !fn(state)) {
        return;
    }
    if (affectsBets) {
        QMutexLocker lock(&d->mutex);
        updateItemsToPlay();
    }
    state->clearCache();
    emit methodStateChanged(state->method()->index());
    if (affectsBets) {
        emit itemsToPlayChanged();
    }
}

void NoxEngine::addNotification(const NoxNotification &notification, bool onlyOnce)
{
    {
        QMutexLocker lock(&d->mutex);
        if (onlyOnce && hasNotification(notification.type)) {
            return;
        }
        d->notifications.append(notification);
    }
    emit notificationsChanged();
}

bool NoxEngine::hasNotification(int type) const
{
    return std::any_of(d->notifications.cbegin(), d->notifications.cend(),
                       [type](const NoxNotification &n) { return n.type == type; });
}

QList<NoxNotification> NoxEngine::notifications() const
{
    QMutexLocker lock(&d->mutex);
    return d->notifications;
}

QList<int> NoxEngine::playedValues() const
{
    QMutexLocker lock(&d->mutex);
    return d->played;
}

void NoxEngine::setSuspended(bool suspended)
{
    {
        QMutexLocker lock(&d->mutex);
        if (d->suspended != suspended) {
            d->suspended = suspended;
            updateItemsToPlay();
        }
    }
    emit itemsToPlayChanged();
}

bool NoxEngine::isSuspended() const
{
    QMutexLocker lock(&d->mutex);
    return d->suspended;
}

void NoxEngine::setNotificationRead(int index, bool read)
{
    {
        QMutexLocker lock(&d->mutex);
        if (index < 0 || index >= d->notifications.size() || d->notifications[index].read == read) {
            return;
        }
        d->notifications[index].read = read;
    }
    emit notificationsChanged();
}

NoxBetList NoxEngine::computeBets(int value, bool resetProgressions)
{
    QMutexLocker lock(&d->mutex);
    return computeBetsLocked(value, resetProgressions);
}

NoxBetList NoxEngine::itemsToPlay() const
{
    QMutexLocker lock(&d->mutex);
    return const_cast<NoxEngine *>(this)->computeBetsLocked(-1, false);
}

void NoxEngine::updateItemsToPlay()
{
    const QList<int> values = d->played;
    const QList<NoxMethodState *> states = d->states;
    if (d->autoState && d->autoState->isActive()) {
        NoxSnapshotContext context(values, states, d->autoState, int(values.size()));
        d->autoState->refreshState(context);
    }
    if (d->favoritesState && d->favoritesState->isActive()) {
        if (auto *fav = dynamic_cast<NoxFavoritesInterface *>(d->favoritesState->method())) {
            fav->updateSelection(values, states, d->config.playModeMask());
            d->favoritesState->publish();
        }
    }
    const NoxBetList bets = computeBetsLocked(-1, false);
    int total = 0;
    for (const NoxBet &bet : bets) {
        total += bet.bet;
    }
    d->financial.mise = d->suspended ? 0 : total;
}

NoxBetList NoxEngine::computeBetsLocked(int value, bool resetProgressions)
{
    if (d->suspended) {
        value = -1;
    }
    struct Kind {
        int count = 0;
        bool accounted = false;
        bool won = false;
        bool recovery = false;
        int multiplier = 1;
    };
    const int mask = d->config.playModeMask();
    QMap<int, int> units;
    QMap<NoxMethodType, Kind> kinds;
    QSet<int> centres;
    NoxMontante *csMontante = d->currentMontantes.value(NoxMethodType::cs);
    const bool csPerMethod = csMontante && csMontante->perMethod();

    for (NoxMethodState *s : std::as_const(d->states)) {
        if (!s->isActive()) {
            continue;
        }
        const NoxMethodProposal p = s->proposal();
        if (s != d->favoritesState) {
            const int have = s->playModeFlags() | (p.inBlock ? 8 : 0) | (p.inDominantBlock ? 16 : 0);
            if (mask & ~have) {
                continue;
            }
        }
        const bool neutral = value >= 0 && p.isNeutralZero(value);
        const QList<NoxBetItemID> items = p.playedItems(s->numberMode());
        for (NoxBetItemID id : items) {
            const NoxBetItem &row = betItem(id);
            int u = 1;
            if (row.type() == NoxMethodType::cs && csPerMethod) {
                u = csMontante->computeMise(1, s->method());
                if (value >= 0 && !neutral) {
                    csMontante->applyResult(u, row.wins(value), 1, s->method());
                }
            }
            auto it = units.find(int(id));
            if (it == units.end()) {
                units.insert(int(id), u);
            } else if (row.type() != NoxMethodType::plein) {
                *it += u;
            }
            auto kind = kinds.find(row.type());
            if (kind == kinds.end()) {
                kind = kinds.insert(row.type(), Kind{});
                kind->accounted = neutral;
            }
            ++kind->count;
            if (value >= 0 && row.wins(value)) {
                kind->won = true;
            }
        }
        if (p.centerNumber >= 0) {
            centres.insert(p.centerNumber);
        }
    }

    for (auto it = kinds.begin(); it != kinds.end(); ++it) {
        NoxMontante *m = d->currentMontantes.value(it.key());
        if (!m) {
            continue;
        }
        if (resetProgressions) {
            m->reset();
        }
        if (!m->perMethod()) {
            it->multiplier = m->computeMise(it->count, nullptr);
            if (value >= 0 && !it->accounted) {
                m->applyResult(it->multiplier, it->won, it->count, nullptr);
            }
        }
        it->recovery = m->isPerso() && m->inRecovery();
    }

    if (d->financial.cs.diff0) {
        const QPair<NoxBetItemID, NoxBetItemID> pairs[] = {{NoxBetItemID::CS_N, NoxBetItemID::CS_R},
                                                           {NoxBetItemID::CS_P, NoxBetItemID::CS_I},
                                                           {NoxBetItemID::CS_1_18, NoxBetItemID::CS_19_36}};
        for (const auto &[first, second] : pairs) {
            const int a = units.value(int(first), 0);
            const int b = units.value(int(second), 0);
            if (a >= 1 && a >= b) {
                units[int(first)] = a - b;
                units[int(second)] = 0;
            } else if (b >= 1 && b >= a) {
                units[int(second)] = b - a;
                units[int(first)] = 0;
            }
        }
    }

    const NoxMethodProposal favorites =
        d->favoritesState ? d->favoritesState->proposal() : NoxMethodProposal{};
    const bool favoritesActive = d->favoritesState && d->favoritesState->isActive();
    NoxBetList bets;
    for (auto it = units.cbegin(); it != units.cend(); ++it) {
        const NoxBetItemID id = NoxBetItemID(it.key());
        const NoxMethodType type = betItem(id).type();
        const Kind kind = kinds.value(type);
        NoxBet bet;
        bet.id = id;
        bet.bet = it.value() * d->financial.config(type).jeton * kind.multiplier;
        if (centres.contains(it.key())) {
            bet.flags |= NoxBet::CenterNumber;
        }
        if (favoritesActive && (favorites.items.contains(id) ||
                                (it.key() <= 36 && favorites.coveredNumbers.contains(it.key())))) {
            bet.flags |= NoxBet::Favorite;
        }
        if (bet.bet > 0) {
            bet.flags |= (d->suspended ? NoxBet::Suspended : 0) | (kind.recovery ? NoxBet::Recovery : 0);
        }
        bets.append(bet);
    }
    return bets;
}

void NoxEngine::settleCoup(int value)
{
    const NoxBetList bets = computeBetsLocked(value, false);
    NoxFinancial &f = d->financial;
    int capital = f.capital;
    if (!d->suspended) {
        for (const NoxBet &bet : bets) {
            if (isPushed(bet.id, value, d->baccaratMode)) {
                continue;
            }
            const NoxBetItem &row = betItem(bet.id);
            capital += row.wins(value) ? row.gain(bet.bet) : -bet.bet;
        }
    }
    if (capital != f.capital) {
        if (capital > f.capital) {
            for (NoxMethodType type :
                 {NoxMethodType::plein, NoxMethodType::cs, NoxMethodType::col, NoxMethodType::douz,
                  NoxMethodType::sixain, NoxMethodType::trans, NoxMethodType::cheval, NoxMethodType::carre}) {
                NoxMethodeTypeConfig &chips = f.config(type);
                // Only kinds with their own chip record (cs, col, douz, sixain, trans) honour it.
                const bool ownRecord = &chips != &f.plein;
                if (ownRecord && chips.stopProfit) {
                    if (NoxMontante *m = d->currentMontantes.value(type)) {
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
        const int profit = f.capital - f.capitalOrigine;
        if (profit >= f.takeProfit) {
            addLimitNotification(
                NoxNotification::GainLimit,
                QStringLiteral("Félicitation vous avez atteind votre limite de gain\nProfit : "), profit);
        }
        // What would remain if the stake already placed for the next coup were lost.
        const int remaining = f.capital - f.mise - f.capitalOrigine;
        if (f.stopLoss >= remaining) {
            addLimitNotification(
                NoxNotification::LossLimit,
                QStringLiteral("Attention le prochain coup vous menera sous votre limite de perte\nPerte : "),
                remaining);
        }
        d->stats.record(profit, f.mise);
    }
    d->stats.betTotal += f.mise;
    d->stats.betMax = std::max(d->stats.betMax, f.mise);
}

void NoxEngine::addLimitNotification(int type, const QString &title, int amount)
{
    if (hasNotification(type)) {
        return;
    }
    d->notifications.append({title + QString::asprintf("%.2f", amount / 100.0),
                             QStringLiteral("Il est recommandé de terminer votre session"), type, false});
}

NoxEngineConfig NoxEngine::config() const
{
    QMutexLocker lock(&d->mutex);
    return d->config;
}

void NoxEngine::setConfig(const NoxEngineConfig &config)
{
    bool statesChanged = false;
    QList<NoxMethodState *> states;
    {
        QMutexLocker lock(&d->mutex);
        NoxEngineConfig &c = d->config;
        states = d->states;
        if (c.shortTermCount != config.shortTermCount) {
            c.shortTermCount = config.shortTermCount;
            for (NoxMethodState *s : states) {
                s->setShortTermWindow(c.shortTermCount);
            }
            statesChanged = true;
        }
        if (c.signalMask() != config.signalMask()) {
            c.signalDouble0 = config.signalDouble0;
            c.signalBlocks = config.signalBlocks;
            c.signalEcartMax = config.signalEcartMax;
            c.signalTendanceBack = config.signalTendanceBack;
            c.signalBlocDominantConfirme = config.signalBlocDominantConfirme;
            c.compteurME = config.compteurME;
            c.signalScores = config.signalScores;
            for (NoxMethodState *s : states) {
                s->setSignalMask(c.signalMask());
            }
            statesChanged = true;
        }
        c.signalBlocDominant = config.signalBlocDominant;
        c.truncateCount = config.truncateCount;
        if (c.playModeMask() != config.playModeMask()) {
            c.playInBlock = config.playInBlock;
            c.playInBlockDom = config.playInBlockDom;
            c.playQuick = config.playQuick;
            c.playSplit = config.playSplit;
        }
        c.playPro = config.playPro;
        c.smartQuickMode = config.smartQuickMode;
        c.smartQuickModeIsolate = config.smartQuickModeIsolate;
        updateItemsToPlay();
    }
    if (statesChanged) {
        clearCaches(states);
        emit methodStatesChanged();
    }
    emit itemsToPlayChanged();
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
        d->financial = financial;
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

} // namespace Nox
