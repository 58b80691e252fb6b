#include "engine/noxtaskrunner.h"

#include "core/noxlogging.h"
#include "core/noxmethod.h"
#include "core/noxmethodstate.h"

#include <QElapsedTimer>
#include <QThreadPool>

#include <algorithm>

namespace Nox {

namespace {

std::atomic<int> s_taskCounter{0};
/// How many tasks the current thread is running (an operation called from a task runs
/// inline).
thread_local int t_taskDepth = 0;
/// The first exception a step of the current task caught (the slot of the innermost task
/// running on this thread); the task's future gets it. A plain pointer: MinGW-w64 runs the
/// destructors of thread_local objects after the thread's storage is freed.
thread_local std::exception_ptr *t_taskError = nullptr;

QString describe(const std::exception_ptr &error)
{
    try {
        std::rethrow_exception(error);
    } catch (const std::exception &e) {
        // The engine's own exceptions carry UTF-8 (QString::toStdString()); the local 8-bit
        // encoding is a Windows code page, which turned "au-delà" into "au-delÃ ".
        return QString::fromUtf8(e.what());
    } catch (...) {
        return QStringLiteral("unknown exception");
    }
}

QFuture<void> canceledFuture()
{
    QPromise<void> promise;
    promise.start();
    promise.future().cancel();
    promise.finish();
    return promise.future();
}

/// Records an exception caught by a step so that the rest of the task still runs (the
/// history and the states stay in step, the signals are emitted); the task's future gets it.
void noteTaskError(const std::exception_ptr &error)
{
    if (t_taskDepth == 0) {
        std::rethrow_exception(error);
    }
    if (!*t_taskError) {
        *t_taskError = error;
    }
}

bool isAutomatic(const NoxMethodState *s)
{
    return s->method()->type() == NoxMethodType::automatic;
}

} // namespace

NoxTaskRunner::~NoxTaskRunner()
{
    shutdown();
}

QFuture<void> NoxTaskRunner::failedFuture(const std::exception_ptr &error)
{
    QPromise<void> promise;
    promise.start();
    promise.setException(error);
    promise.finish();
    return promise.future();
}

void NoxTaskRunner::setAsync(bool on)
{
    if (on) {
        std::lock_guard pools(m_poolMutex);
        if (!m_taskPool) {
            m_methodPool = new QThreadPool;
            m_methodPool->setMaxThreadCount(4);
            m_taskPool = new QThreadPool;
            m_taskPool->setMaxThreadCount(1);
        }
        m_async = true;
        return;
    }
    std::unique_ptr<QThreadPool> tasks;
    std::unique_ptr<QThreadPool> methods;
    {
        // Detached: new operations run inline from here on, serialised with the queued ones
        // by the task mutex.
        std::lock_guard pools(m_poolMutex);
        m_async = false;
        tasks.reset(std::exchange(m_taskPool, nullptr));
        methods.reset(std::exchange(m_methodPool, nullptr));
    }
    if (tasks) {
        tasks->waitForDone();
    }
    // An inline task that took the method pool before the detach is done with it once it
    // releases the task mutex.
    {
        std::lock_guard gate(m_taskMutex);
    }
    if (methods) {
        methods->waitForDone();
    }
}

void NoxTaskRunner::shutdown()
{
    m_stopping = true;
    stopBatches();
    {
        std::lock_guard pools(m_poolMutex);
        if (m_taskPool) {
            m_taskPool->clear();
        }
    }
    setAsync(false);
}

std::exception_ptr NoxTaskRunner::runGuarded(const Task &task)
{
    std::lock_guard gate(m_taskMutex);
    ++t_taskDepth;
    std::exception_ptr error;
    std::exception_ptr *outer = std::exchange(t_taskError, &error);
    try {
        task();
    } catch (...) {
        if (!error) {
            error = std::current_exception();
        }
    }
    --t_taskDepth;
    t_taskError = outer;
    if (error) {
        qCWarning(lcNoxEngine).noquote() << QStringLiteral("Task failed: %1").arg(describe(error));
    }
    return error;
}

QFuture<void> NoxTaskRunner::run(Task task)
{
    if (m_stopping) {
        return canceledFuture();
    }
    if (t_taskDepth == 0) {
        std::lock_guard pools(m_poolMutex);
        if (m_taskPool) {
            auto promise = std::make_shared<QPromise<void>>();
            QFuture<void> future = promise->future();
            promise->start();
            noxStartOnPool(m_taskPool, [this, promise, task = std::move(task)] {
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

bool NoxTaskRunner::runNow(const Task &task)
{
    if (m_stopping) {
        return false;
    }
    if (t_taskDepth == 0 && m_async) {
        QFuture<void> future = run(task);
        try {
            future.waitForFinished();
        } catch (...) {
            noxTaskDoneAcquire();
            return false;
        }
        noxTaskDoneAcquire();
        return !future.isCanceled();
    }
    return !runGuarded(task);
}

QFuture<void> NoxTaskRunner::runBatch(const QList<int> &values, std::function<bool(int)> playOne,
                                      std::function<void()> finished)
{
    auto promise = std::make_shared<QPromise<void>>();
    QFuture<void> future = promise->future();
    promise->start();
    promise->setProgressRange(0, int(values.size()));
    if (!m_async) {
        playBatch(values, playOne, finished, *promise);
        promise->finish();
        return future;
    }
    {
        std::lock_guard lock(m_batchMutex);
        if (m_stopping) {
            future.cancel();
            promise->finish();
            return future;
        }
        m_batches.append(promise);
    }
    noxStartOnPool(QThreadPool::globalInstance(),
                   [this, values, playOne = std::move(playOne), finished = std::move(finished), promise] {
                       playBatch(values, playOne, finished, *promise);
                       // As a task's end: what the batch's last signals wrote is seen by the
                       // waiter of its future.
                       noxTaskDoneRelease();
                       promise->finish();
                       std::lock_guard lock(m_batchMutex);
                       m_batches.removeOne(promise);
                       m_batchDone.notify_all();
                   });
    return future;
}

void NoxTaskRunner::playBatch(const QList<int> &values, const std::function<bool(int)> &playOne,
                              const std::function<void()> &finished, QPromise<void> &promise)
{
    // A few coups per task: the hand-over to the task thread is paid once per chunk, and a
    // result entered meanwhile still waits at most one chunk.
    constexpr qsizetype kChunk = 32;
    for (qsizetype first = 0; first < values.size() && !promise.isCanceled() && !m_stopping;
         first += kChunk) {
        const qsizetype last = std::min(values.size(), first + kChunk);
        waitQuietly(run([this, &values, &playOne, &promise, first, last] {
            for (qsizetype i = first; i < last; ++i) {
                if (promise.isCanceled() || m_stopping) {
                    return;
                }
                if (!playOne(values.at(i))) {
                    promise.future().cancel(); // the rest would be refused as well
                    return;
                }
                promise.setProgressValue(int(i + 1));
            }
        }));
    }
    if (!m_stopping) {
        finished();
    }
}

void NoxTaskRunner::stopBatches()
{
    std::unique_lock lock(m_batchMutex);
    for (const auto &promise : std::as_const(m_batches)) {
        promise->future().cancel();
    }
    m_batchDone.wait(lock, [this] { return m_batches.isEmpty(); });
}

QThreadPool *NoxTaskRunner::methodPool() const
{
    std::lock_guard pools(m_poolMutex);
    return m_methodPool;
}

void NoxTaskRunner::setSerial(bool on)
{
    m_serial.store(on, std::memory_order_relaxed);
}

void NoxTaskRunner::setParallelThreshold(qint64 ns)
{
    m_parallelThresholdNs = ns < 0 ? kDefaultParallelThresholdNs : ns;
}

void NoxTaskRunner::forEachState(const QList<NoxMethodState *> &states, const StateFn &fn)
{
    forEachState(states, fn, false);
}

void NoxTaskRunner::forEachState(const QList<NoxMethodState *> &states, const StateFn &fn, bool skipAutomatic)
{
    std::mutex errorMutex;
    std::exception_ptr error;
    // A method that throws must not stop the others: every state sees every value.
    const auto guarded = [&](NoxMethodState *s) {
        if (skipAutomatic && isAutomatic(s)) {
            return;
        }
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
    if (m_serial.load(std::memory_order_relaxed)) {
        for (NoxMethodState *s : states) {
            guarded(s);
        }
        if (error) {
            noteTaskError(error);
        }
        return;
    }
    QThreadPool *pool = n > 1 ? methodPool() : nullptr;
    const qint64 perState = m_stepNsPerState.load(std::memory_order_relaxed);
    const bool fanOut = pool && perState * n >= m_parallelThresholdNs.load(std::memory_order_relaxed);
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
        const qint64 old = m_stepNsPerState.load(std::memory_order_relaxed);
        m_stepNsPerState.store(old == 0 ? sample : (7 * old + sample) / 8, std::memory_order_relaxed);
    }
    if (error) {
        noteTaskError(error);
    }
}

void NoxTaskRunner::forEachStateInStages(const QList<NoxMethodState *> &states, const StateFn &fn)
{
    forEachState(states, fn, true);
    // Automatic methods read the others' fresh results, so they run after all of them.
    for (NoxMethodState *s : states) {
        if (isAutomatic(s)) {
            try {
                fn(s);
            } catch (...) {
                noteTaskError(std::current_exception());
            }
        }
    }
}

} // namespace Nox
