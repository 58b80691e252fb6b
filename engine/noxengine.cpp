#include "engine/noxengine.h"
#include "engine/noxengine_p.h"

#include "core/noxbetitem.h"
#include "core/noxfavoritesinterface.h"
#include "core/noxlogging.h"
#include "core/noxmethod.h"
#include "core/noxmethodstate.h"
#include "core/noxsnapshotcontext.h"
#include "core/noxstepmetrics.h"
#include "engine/noxjournalcodec.h"
#include "engine/noxplayrefused.h"
#include "engine/noxpoolrunnable.h"
#include "methods/noxfactory.h"
#include "money/noxmontante.h"

#include <QElapsedTimer>
#include <QJsonObject>
#include <QMap>
#include <QMutex>
#include <QPromise>
#include <QSet>
#include <QThreadPool>
#include <QVarLengthArray>

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <limits>
#include <mutex>
#include <stdexcept>

namespace Nox {

namespace {
std::atomic<NoxEngine *> s_instance{nullptr};
std::atomic<int> s_taskCounter{0};
/// How many engine tasks the current thread is running (an operation called from a task
/// runs inline).
thread_local int t_taskDepth = 0;
/// The first exception a step of the current task caught; the task's future gets it.
thread_local std::exception_ptr t_taskError;

QString describe(const std::exception_ptr &error)
{
    try {
        std::rethrow_exception(error);
    } catch (const std::exception &e) {
        return QString::fromLocal8Bit(e.what());
    } catch (...) {
        return QStringLiteral("unknown exception");
    }
}

QFuture<void> failedFuture(const std::exception_ptr &error)
{
    QPromise<void> promise;
    promise.start();
    promise.setException(error);
    promise.finish();
    return promise.future();
}

QFuture<void> canceledFuture()
{
    QPromise<void> promise;
    promise.start();
    promise.future().cancel();
    promise.finish();
    return promise.future();
}

} // namespace

QJsonObject journalChange(const char *op, const QJsonValue &value)
{
    return {{QStringLiteral("op"), QLatin1String(op)}, {QStringLiteral("v"), value}};
}

namespace {

/// Records an exception caught by a step so that the rest of the task still runs (the
/// history and the states stay in step, the signals are emitted); the task's future gets it.
void noteTaskError(const std::exception_ptr &error)
{
    if (t_taskDepth == 0) {
        std::rethrow_exception(error);
    }
    if (!t_taskError) {
        t_taskError = error;
    }
}
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
    // No new task from here on; the batches stop, the pending tasks are discarded and the
    // running one is waited for before anything is torn down.
    d->stopping = true;
    stopBatches();
    {
        std::lock_guard pools(d->poolMutex);
        if (d->taskPool) {
            d->taskPool->clear();
        }
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
        std::lock_guard pools(d->poolMutex);
        if (!d->taskPool) {
            d->methodPool = new QThreadPool;
            d->methodPool->setMaxThreadCount(4);
            d->taskPool = new QThreadPool;
            d->taskPool->setMaxThreadCount(1);
        }
        d->async = true;
        return;
    }
    std::unique_ptr<QThreadPool> tasks;
    std::unique_ptr<QThreadPool> methods;
    {
        // Detached: new operations run inline from here on, serialised with the queued ones
        // by the task mutex.
        std::lock_guard pools(d->poolMutex);
        d->async = false;
        tasks.reset(std::exchange(d->taskPool, nullptr));
        methods.reset(std::exchange(d->methodPool, nullptr));
    }
    if (tasks) {
        tasks->waitForDone();
    }
    // An inline task that took the method pool before the detach is done with it once it
    // releases the task mutex.
    {
        std::lock_guard gate(d->taskMutex);
    }
    if (methods) {
        methods->waitForDone();
    }
}

bool NoxEngine::isAsync() const
{
    return d->async;
}

std::exception_ptr NoxEngine::runGuarded(const std::function<void()> &task)
{
    std::lock_guard gate(d->taskMutex);
    ++t_taskDepth;
    std::exception_ptr outer = std::exchange(t_taskError, nullptr);
    try {
        task();
    } catch (...) {
        if (!t_taskError) {
            t_taskError = std::current_exception();
        }
    }
    --t_taskDepth;
    std::exception_ptr error = std::exchange(t_taskError, outer);
    if (error) {
        qCWarning(lcNoxEngine).noquote() << QStringLiteral("Task failed: %1").arg(describe(error));
    }
    return error;
}

QFuture<void> NoxEngine::runTask(std::function<void()> task)
{
    if (d->stopping) {
        return canceledFuture();
    }
    if (t_taskDepth == 0) {
        std::lock_guard pools(d->poolMutex);
        if (d->taskPool) {
            auto promise = std::make_shared<QPromise<void>>();
            QFuture<void> future = promise->future();
            promise->start();
            noxStartOnPool(d->taskPool, [this, promise, task = std::move(task)] {
                const int n = s_taskCounter.fetch_add(1);
                qCDebug(lcNoxEngine).noquote() << QStringLiteral("RUNNING %1").arg(n);
                if (const std::exception_ptr error = runGuarded(task)) {
                    promise->setException(error);
                }
                qCDebug(lcNoxEngine).noquote() << QStringLiteral("DONE %1").arg(n);
                noxTaskDoneRelease();
                promise->finish();
            });
            return future;
        }
    }
    if (const std::exception_ptr error = runGuarded(task)) {
        return failedFuture(error);
    }
    return QtFuture::makeReadyFuture();
}

QThreadPool *NoxEngine::methodPool() const
{
    std::lock_guard pools(d->poolMutex);
    return d->methodPool;
}

void NoxEngine::setParallelStepThreshold(qint64 ns)
{
    d->parallelThresholdNs = ns < 0 ? NoxEnginePrivate::kDefaultParallelThresholdNs : ns;
}

void NoxEngine::forEachState(const QList<NoxMethodState *> &states,
                             const std::function<void(NoxMethodState *)> &fn)
{
    std::mutex errorMutex;
    std::exception_ptr error;
    // A method that throws must not stop the others: every state sees every value.
    const auto guarded = [&](NoxMethodState *s) {
        try {
            fn(s);
        } catch (...) {
            std::lock_guard lock(errorMutex);
            if (!error) {
                error = std::current_exception();
            }
        }
    };
    const qsizetype n = states.size();
    QThreadPool *pool = n > 1 ? methodPool() : nullptr;
    const qint64 perState = d->stepNsPerState.load(std::memory_order_relaxed);
    const bool fanOut = pool && perState * n >= d->parallelThresholdNs.load(std::memory_order_relaxed);
    // Each helper takes a contiguous chunk of at least kMinChunk states at a time: one
    // hand-over per chunk, not per state.
    constexpr qsizetype kMinChunk = 4;
    const int helpers =
        fanOut ? int(std::min<qsizetype>(pool->maxThreadCount(), (n + kMinChunk - 1) / kMinChunk)) - 1 : 0;
    // The time spent in the states themselves (summed over the threads, hand-overs left
    // out), so that the estimate is the step's serial cost whichever way it ran.
    std::atomic<qint64> busyNs{0};
    if (helpers <= 0) {
        QElapsedTimer clock;
        clock.start();
        for (NoxMethodState *s : states) {
            guarded(s);
        }
        busyNs = clock.nsecsElapsed();
    } else {
        const qsizetype chunk = std::max(kMinChunk, n / (4 * (helpers + 1)));
        std::atomic<qsizetype> next{0};
        const auto work = [&] {
            QElapsedTimer clock;
            clock.start();
            for (qsizetype first = next.fetch_add(chunk); first < n; first = next.fetch_add(chunk)) {
                const qsizetype last = std::min(n, first + chunk);
                for (qsizetype i = first; i < last; ++i) {
                    guarded(states.at(i));
                }
            }
            busyNs.fetch_add(clock.nsecsElapsed(), std::memory_order_relaxed);
        };
        std::mutex doneMutex;
        std::condition_variable done;
        int running = helpers;
        for (int i = 0; i < helpers; ++i) {
            noxStartOnPool(pool, [&] {
                work();
                std::lock_guard lock(doneMutex);
                if (--running == 0) {
                    done.notify_one();
                }
            });
        }
        work(); // the task thread works too
        std::unique_lock lock(doneMutex);
        done.wait(lock, [&] { return running == 0; });
    }
    if (n > 0) {
        const qint64 sample = busyNs.load(std::memory_order_relaxed) / n;
        const qint64 old = d->stepNsPerState.load(std::memory_order_relaxed);
        d->stepNsPerState.store(old == 0 ? sample : (7 * old + sample) / 8, std::memory_order_relaxed);
    }
    if (error) {
        noteTaskError(error);
    }
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
            try {
                fn(s);
            } catch (...) {
                noteTaskError(std::current_exception());
            }
        }
    }
}

void NoxEngine::processStep(const QList<int> &values, const QList<NoxMethodState *> &states, int value,
                            int index)
{
    const int count = index >= 0 ? index + 1 : int(values.size());
    // Shared by the automatic methods, which run one after another once the others are done.
    NoxStepMetrics metrics(states);
    forEachStateInStages(states, [&](NoxMethodState *s) {
        NoxSnapshotContext context(values, states, s, count);
        if (s->method()->type() == NoxMethodType::automatic) {
            context.setStepMetrics(&metrics);
        }
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
    if (!isValidValue(value)) {
        // Never journaled nor played: a value that is no result of the game is a caller's fault.
        return failedFuture(std::make_exception_ptr(std::invalid_argument(
            QStringLiteral("%1 is not a result of the game").arg(value).toStdString())));
    }
    return runTask([this, value, notify] {
        if (!playCoup(value, notify)) {
            throw NoxPlayRefused(playRefusal().toStdString());
        }
    });
}

bool NoxEngine::isValidValue(int value) const
{
    return value >= 0 && value <= (d->baccaratMode ? 2 : 36);
}

QString NoxEngine::playRefusal() const
{
    QMutexLocker lock(&d->mutex);
    const auto [reason, hint] = refusalLocked();
    return reason.isEmpty() ? QString() : tr("Limite atteinte : ") + reason + QStringLiteral(". ") + hint;
}

QPair<QString, QString> NoxEngine::refusalLocked() const
{
    if (d->played.size() >= kMaxPlayed) {
        return {tr("%1 résultats enregistrés").arg(kMaxPlayed),
                tr("Coupez la permanence ou commencez une nouvelle session.")};
    }
    if (qAbs(qint64(d->financial.capital)) + qAbs(qint64(d->financial.mise)) > kMaxMoney) {
        return {tr("capital et mise au-delà de %1").arg(QString::asprintf("%.2f", double(kMaxMoney) / 100.0)),
                tr("Recommencez la bankroll.")};
    }
    return {};
}

bool NoxEngine::playCoup(int value, bool notify)
{
    QList<int> values;
    QList<NoxMethodState *> states;
    bool notificationsGrew = false;
    {
        QMutexLocker lock(&d->mutex);
        const auto [reason, hint] = refusalLocked();
        if (!reason.isEmpty()) {
            qCWarning(lcNoxEngine) << "Reach max play limits";
            if (d->replaying) {
                return false; // a restore collects what it could not play and says so once
            }
            // Said once until the player has read it, so that a keypad held down does not flood.
            const bool told =
                std::any_of(d->notifications.cbegin(), d->notifications.cend(), [](const NoxNotification &n) {
                    return n.type == NoxNotification::PlayLimit && !n.read;
                });
            if (!told) {
                const NoxNotification refused{tr("Limite atteinte : ") + reason,
                                              tr("Le résultat n'a pas été enregistré. ") + hint,
                                              NoxNotification::PlayLimit, false};
                d->notifications.append(refused);
                // The refused result is not journaled; what the player was told is.
                noteChangeLocked(journalChange("notify", NoxJournalCodec::toJson(refused)), 0);
            }
            lock.unlock();
            if (!told) {
                emit notificationsChanged();
            }
            return false;
        }
        const qsizetype before = d->notifications.size();
        settleCoup(value);
        d->played.append(value);
        if (d->journal) {
            d->journal->recordPlay(value);
        }
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
        QMutexLocker settled(&d->mutex);
        updateItemsToPlay();
        if (d->journal) {
            d->journal->recordSettled(d->financial.capital, d->financial.mise);
        }
    }
    if (notify) {
        emit itemsToPlayChanged();
        clearCaches(states);
        emit methodStatesChanged();
    }
    return true;
}

QFuture<void> NoxEngine::playValues(const QList<int> &values)
{
    const qsizetype before = notifications().size();
    auto promise = std::make_shared<QPromise<void>>();
    QFuture<void> future = promise->future();
    promise->start();
    promise->setProgressRange(0, int(values.size()));
    if (!d->async) {
        playBatch(values, before, *promise);
        promise->finish();
        return future;
    }
    {
        std::lock_guard lock(d->batchMutex);
        if (d->stopping) {
            future.cancel();
            promise->finish();
            return future;
        }
        d->batches.append(promise);
    }
    noxStartOnPool(QThreadPool::globalInstance(), [this, values, before, promise] {
        playBatch(values, before, *promise);
        promise->finish();
        std::lock_guard lock(d->batchMutex);
        d->batches.removeOne(promise);
        d->batchDone.notify_all();
    });
    return future;
}

void NoxEngine::playBatch(const QList<int> &values, qsizetype notificationsBefore, QPromise<void> &promise)
{
    // A few coups per task: the hand-over to the task thread is paid once per chunk, and a
    // result entered meanwhile still waits at most one chunk.
    constexpr qsizetype kChunk = 32;
    for (qsizetype first = 0; first < values.size() && !promise.isCanceled() && !d->stopping;
         first += kChunk) {
        const qsizetype last = std::min(values.size(), first + kChunk);
        waitQuietly(runTask([this, &values, &promise, first, last] {
            for (qsizetype i = first; i < last; ++i) {
                if (promise.isCanceled() || d->stopping) {
                    return;
                }
                if (!playCoup(values.at(i), false)) {
                    promise.future().cancel(); // the rest would be refused as well
                    return;
                }
                promise.setProgressValue(int(i + 1));
            }
        }));
    }
    if (!d->stopping) {
        emitBatchEnd(notificationsBefore);
    }
}

void NoxEngine::stopBatches()
{
    std::unique_lock lock(d->batchMutex);
    for (const auto &promise : std::as_const(d->batches)) {
        promise->future().cancel();
    }
    d->batchDone.wait(lock, [this] { return d->batches.isEmpty(); });
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
            if (d->journal) {
                d->journal->recordUndo();
            }
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
    waitQuietly(runTask([this, resetMoney, clearHistory] { restartInTask(resetMoney, clearHistory); }));
}

void NoxEngine::restartInTask(bool resetMoney, bool clearHistory)
{
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
        if (d->journal) {
            if (clearHistory) {
                // A new session, written once its state is reset: the state it starts from. Only
                // a money reset gives progressions that the journal can start from again.
                startJournalLocked(resetMoney);
            } else {
                d->journal->recordRestart(resetMoney);
            }
        }
    }
    emit playedValuesChanged();
    emit itemsToPlayChanged();
    clearCaches(states);
    emit methodStatesChanged();
    emit notificationsChanged();
}

QFuture<void> NoxEngine::truncatePlayedItems(int toKeep)
{
    return runTask([this, toKeep] {
        QList<int> values;
        QList<NoxMethodState *> states;
        {
            QMutexLocker lock(&d->mutex);
            const int keep = toKeep < 0 ? d->config.truncateCount : toKeep;
            // A negative count (a damaged setting) keeps everything: the history is the
            // player's data and is never cut by accident.
            if (keep < 0 || d->played.isEmpty() || d->played.size() <= keep) {
                return;
            }
            d->played.remove(0, d->played.size() - keep);
            if (d->journal) {
                d->journal->recordTruncate(keep);
            }
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
    waitQuietly(runTask([this] {
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
        } else {
            factory.loadGenericMethods();
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
    }));
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
    if (method->role() == NoxMethod::Role::Favorites) {
        d->favoritesState = state;
    } else if (method->role() == NoxMethod::Role::TopAuto) {
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
    changeMethod(methodId, true, journalChange("active", active),
                 [active](NoxMethodState *s) { return s->setActive(active); });
}

void NoxEngine::setMethodsActive(const QList<int> &methodIds, bool active)
{
    QList<NoxMethodState *> changed;
    {
        QMutexLocker lock(&d->mutex);
        for (int id : methodIds) {
            NoxMethodState *state = d->statesById.value(id);
            if (state && state->setActive(active)) {
                changed.append(state);
                QJsonObject c = journalChange("active", active);
                c.insert(QStringLiteral("k"), state->method()->key());
                noteChangeLocked(c, NoxEnginePrivate::SettingsStore);
            }
        }
        if (changed.isEmpty()) {
            return;
        }
        updateItemsToPlay();
    }
    for (NoxMethodState *state : std::as_const(changed)) {
        state->clearCache();
        emit methodStateChanged(state->method()->index());
    }
    emit itemsToPlayChanged();
}

void NoxEngine::changeMethod(int methodId, bool affectsBets, QJsonObject change,
                             const std::function<bool(NoxMethodState *)> &fn)
{
    NoxMethodState *state = nullptr;
    {
        // The change and its journal line under one lock: no coup is settled between them.
        QMutexLocker lock(&d->mutex);
        state = d->statesById.value(methodId);
        if (!state || !fn(state)) {
            return;
        }
        change.insert(QStringLiteral("k"), state->method()->key());
        noteChangeLocked(change, NoxEnginePrivate::SettingsStore);
        if (affectsBets) {
            updateItemsToPlay();
        }
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
        QJsonObject c = journalChange("notify", NoxJournalCodec::toJson(notification));
        c.insert(QStringLiteral("once"), onlyOnce);
        noteChangeLocked(c, 0);
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
            noteChangeLocked(journalChange("suspended", suspended), 0);
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
        QJsonObject c = journalChange("read", read);
        c.insert(QStringLiteral("i"), index);
        noteChangeLocked(c, 0);
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
    qint64 total = 0;
    for (const NoxBet &bet : bets) {
        total += bet.bet;
    }
    // Kept in the int range: a total that large is refused by the money guard anyway.
    d->financial.mise = d->suspended ? 0 : int(std::min<qint64>(total, std::numeric_limits<int>::max()));
}

namespace {

/// What the aggregation gathers for one bet kind.
struct BetKind {
    int count = 0;
    bool accounted = false;
    bool won = false;
    bool recovery = false;
    int multiplier = 1;
};

/// A small map kept as a sorted array on the stack: a coup stakes a few items of a few kinds,
/// so this spares the aggregation, which runs twice per coup, every allocation.
template<typename K, typename V, int Prealloc>
class FlatMap
{
public:
    using Entry = std::pair<K, V>;

    [[nodiscard]] V *find(K key)
    {
        Entry *it = lowerBound(key);
        return it != m_entries.end() && it->first == key ? &it->second : nullptr;
    }
    [[nodiscard]] V value(K key, V fallback = V{}) const
    {
        const Entry *it = lowerBound(key);
        return it != m_entries.end() && it->first == key ? it->second : fallback;
    }
    [[nodiscard]] bool contains(K key) const
    {
        const Entry *it = lowerBound(key);
        return it != m_entries.end() && it->first == key;
    }
    /// The value of key, inserted as `initial` when missing.
    V &operator()(K key, V initial = V{})
    {
        Entry *it = lowerBound(key);
        if (it == m_entries.end() || it->first != key) {
            it = m_entries.insert(it, Entry{key, initial});
        }
        return it->second;
    }
    [[nodiscard]] qsizetype size() const { return m_entries.size(); }
    [[nodiscard]] Entry *begin() { return m_entries.begin(); }
    [[nodiscard]] Entry *end() { return m_entries.end(); }
    [[nodiscard]] const Entry *begin() const { return m_entries.begin(); }
    [[nodiscard]] const Entry *end() const { return m_entries.end(); }

private:
    [[nodiscard]] Entry *lowerBound(K key)
    {
        return std::lower_bound(m_entries.begin(), m_entries.end(), key,
                                [](const Entry &e, K k) { return e.first < k; });
    }
    [[nodiscard]] const Entry *lowerBound(K key) const
    {
        return std::lower_bound(m_entries.begin(), m_entries.end(), key,
                                [](const Entry &e, K k) { return e.first < k; });
    }

    QVarLengthArray<Entry, Prealloc> m_entries;
};

/// The units of every item, by kind, before progressions and chips turn them into money.
struct StakeSheet {
    FlatMap<int, int, 64> units;
    FlatMap<NoxMethodType, BetKind, 8> kinds;
    FlatMap<int, bool, 16> centres;
};

/// Collects the units of every active method allowed by the play mode. A per-method cs
/// progression sizes each method once per coup: the same multiplier goes on every cs item
/// of the method, and the coup is recorded once for the method, with that multiplier, after
/// all its items were settled.
StakeSheet collectStakes(const NoxEnginePrivate &d, int value)
{
    StakeSheet sheet;
    const int mask = d.config.playModeMask();
    NoxMontante *csMontante = d.currentMontantes.value(NoxMethodType::cs);
    NoxMontante *perMethod = csMontante && csMontante->perMethod() ? csMontante : nullptr;

    for (NoxMethodState *s : d.states) {
        if (!s->isActive()) {
            continue;
        }
        // What is staked, taken from the published proposal without copying its lists.
        const bool numberMode = s->numberMode();
        QVarLengthArray<NoxBetItemID, 48> items;
        bool inBlock = false;
        bool inDominantBlock = false;
        bool neutral = false;
        int centre = -1;
        s->withProposal([&](const NoxMethodProposal &p) {
            inBlock = p.inBlock;
            inDominantBlock = p.inDominantBlock;
            neutral = value >= 0 && p.isNeutralZero(value);
            centre = p.centerNumber;
            if (numberMode) {
                for (int n : p.coveredNumbers) {
                    items.append(NoxBetItemID(n));
                }
            } else {
                items.append(p.items.constData(), p.items.size());
            }
        });
        if (s != d.favoritesState) {
            const int have = s->playModeFlags() | (inBlock ? NoxEngineConfig::PlayInBlock : 0) |
                             (inDominantBlock ? NoxEngineConfig::PlayInBlockDom : 0);
            if (mask & ~have) {
                continue;
            }
        }
        int methodUnits = 0; // 0: not asked yet
        int csWins = 0;
        int csLosses = 0;
        for (NoxBetItemID id : items) {
            const NoxBetItem &row = betItem(id);
            int u = 1;
            if (row.type() == NoxMethodType::cs && perMethod) {
                if (methodUnits == 0) {
                    methodUnits = perMethod->computeMise(1, s->method());
                }
                u = methodUnits;
                (row.wins(value) ? csWins : csLosses) += 1;
            }
            if (int *units = sheet.units.find(int(id))) {
                if (row.type() != NoxMethodType::plein) {
                    *units += u; // several methods on one number still bet it once
                }
            } else {
                sheet.units(int(id), u);
            }
            BetKind *kind = sheet.kinds.find(row.type());
            if (!kind) {
                kind = &sheet.kinds(row.type());
                kind->accounted = neutral;
            }
            ++kind->count;
            if (value >= 0 && row.wins(value)) {
                kind->won = true;
            }
        }
        // A coup that neither gains nor loses for the method (as many of its chances won as
        // lost) leaves its progression where it was.
        if (value >= 0 && !neutral && methodUnits > 0 && csWins != csLosses) {
            perMethod->applyResult(methodUnits, csWins > csLosses, 1, s->method());
        }
        if (centre >= 0) {
            sheet.centres(centre, true);
        }
    }
    return sheet;
}

/// Kind-wide progressions: one multiplier per kind, recorded with the stake just computed.
void applyProgressions(const NoxEnginePrivate &d, StakeSheet &sheet, int value, bool resetProgressions)
{
    for (auto &[type, kind] : sheet.kinds) {
        NoxMontante *m = d.currentMontantes.value(type);
        if (!m) {
            continue;
        }
        if (resetProgressions) {
            m->reset();
        }
        if (!m->perMethod()) {
            kind.multiplier = m->computeMise(kind.count, nullptr);
            if (value >= 0 && !kind.accounted) {
                m->applyResult(kind.multiplier, kind.won, kind.count, nullptr);
            }
        }
        kind.recovery = m->isPerso() && m->inRecovery();
    }
}

/// The cs netting option: of two opposite chances only the difference is staked.
void netOppositeChances(StakeSheet &sheet)
{
    const QPair<NoxBetItemID, NoxBetItemID> pairs[] = {{NoxBetItemID::CS_N, NoxBetItemID::CS_R},
                                                       {NoxBetItemID::CS_P, NoxBetItemID::CS_I},
                                                       {NoxBetItemID::CS_1_18, NoxBetItemID::CS_19_36}};
    for (const auto &[first, second] : pairs) {
        const int a = sheet.units.value(int(first), 0);
        const int b = sheet.units.value(int(second), 0);
        if (a >= 1 && a >= b) {
            sheet.units(int(first)) = a - b;
            sheet.units(int(second)) = 0;
        } else if (b >= 1 && b >= a) {
            sheet.units(int(second)) = b - a;
            sheet.units(int(first)) = 0;
        }
    }
}

/// units × chip × multiplier in 64 bits, kept in [0, INT_MAX]: a stake that large is far
/// beyond the money guard, which then refuses the coup. A negative chip (a damaged setting)
/// stakes nothing rather than turning a loss into a gain.
int stakeOf(int units, int chip, int multiplier)
{
    const qint64 stake = qint64(units) * std::max(0, chip) * multiplier;
    return int(std::clamp<qint64>(stake, 0, std::numeric_limits<int>::max()));
}

NoxBetList buildBets(const NoxEnginePrivate &d, const StakeSheet &sheet)
{
    const NoxMethodProposal favorites = d.favoritesState ? d.favoritesState->proposal() : NoxMethodProposal{};
    const bool favoritesActive = d.favoritesState && d.favoritesState->isActive();
    NoxBetList bets;
    bets.reserve(sheet.units.size());
    for (const auto &[key, units] : sheet.units) {
        const NoxBetItemID id = NoxBetItemID(key);
        const NoxMethodType type = betItem(id).type();
        const BetKind kind = sheet.kinds.value(type);
        NoxBet bet;
        bet.id = id;
        bet.bet = stakeOf(units, d.financial.config(type).jeton, kind.multiplier);
        if (sheet.centres.contains(key)) {
            bet.flags |= NoxBet::CenterNumber;
        }
        if (favoritesActive &&
            (favorites.items.contains(id) || (key <= 36 && favorites.coveredNumbers.contains(key)))) {
            bet.flags |= NoxBet::Favorite;
        }
        if (bet.bet > 0) {
            bet.flags |= (d.suspended ? NoxBet::Suspended : 0) | (kind.recovery ? NoxBet::Recovery : 0);
        }
        bets.append(bet);
    }
    return bets;
}

} // namespace

NoxBetList NoxEngine::computeBetsLocked(int value, bool resetProgressions)
{
    if (d->suspended) {
        value = -1;
    }
    StakeSheet sheet = collectStakes(*d, value);
    applyProgressions(*d, sheet, value, resetProgressions);
    if (d->financial.cs.diff0) {
        netOppositeChances(sheet);
    }
    return buildBets(*d, sheet);
}

void NoxEngine::settleCoup(int value)
{
    const NoxBetList bets = computeBetsLocked(value, false);
    NoxFinancial &f = d->financial;
    qint64 capital = f.capital;
    if (!d->suspended) {
        for (const NoxBet &bet : bets) {
            if (isPushed(bet.id, value, d->baccaratMode)) {
                continue;
            }
            const NoxBetItem &row = betItem(bet.id);
            capital += row.wins(value) ? row.gain(bet.bet) : -qint64(bet.bet);
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
}

void NoxEngine::addLimitNotification(int type, const QString &title, qint64 amount)
{
    if (hasNotification(type)) {
        return;
    }
    d->notifications.append({title + QString::asprintf("%.2f", double(amount) / 100.0),
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
        const NoxEngineConfig before = c;
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
        if (!(before == c)) {
            noteChangeLocked(journalChange("config", NoxJournalCodec::toJson(c)),
                             NoxEnginePrivate::SettingsStore);
        }
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
        if (!(d->financial == financial)) {
            noteChangeLocked(journalChange("financial", NoxJournalCodec::toJson(financial)),
                             NoxEnginePrivate::SettingsStore);
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
