#pragma once

#include "engine/noxpoolrunnable.h"

#include <QFuture>
#include <QList>
#include <QPromise>

#include <atomic>
#include <condition_variable>
#include <exception>
#include <functional>
#include <memory>
#include <mutex>

class QThreadPool;

namespace Nox {

class NoxMethodState;

/// Runs the engine's operations one at a time and fans the per-method work of a step out.
///
/// With async on, every operation is one task on a single-thread task pool, strictly in
/// submission order (the only serialisation of plays), and the per-method work of a step runs
/// on a method pool of up to four threads. With async off every operation runs inline on the
/// caller's thread. Either way a task holds the task mutex while it runs, so tasks never
/// overlap, even while the queue drains after async was switched off.
///
/// Thread rules:
/// - run() and runBatch(): any thread. Called from a running task, run() runs the new task
///   inline (an operation that calls another).
/// - setAsync(), stopBatches() and shutdown() wait for tasks and batches: any thread but a
///   task's.
/// - forEachState() and forEachStateInStages(): from a task only (they hand work to the
///   method pool and report a method's exception to the running task).
///
/// Locks: the task mutex (recursive) is the first of the engine's lock order: a task takes
/// the engine lock, then a method's mutex, under it. The pool and batch mutexes are leaves.
class NoxTaskRunner
{
public:
    using Task = std::function<void()>;
    using StateFn = std::function<void(NoxMethodState *)>;

    /// Below this estimated work (ns) a step runs on the task thread alone.
    static constexpr qint64 kDefaultParallelThresholdNs = 250000;

    NoxTaskRunner() = default;
    /// shutdown().
    ~NoxTaskRunner();

    NoxTaskRunner(const NoxTaskRunner &) = delete;
    NoxTaskRunner &operator=(const NoxTaskRunner &) = delete;

    /// On: creates the two pools. Off: detaches them (tasks run inline from then on, still one
    /// at a time), waits until both are idle and deletes them.
    void setAsync(bool on);
    [[nodiscard]] bool isAsync() const { return m_async; }

    /// Queues the task (async) or runs it inline. An exception it throws, or one that a step
    /// caught from a method, is logged and stored in the returned future; nothing else stops.
    /// After shutdown() began, returns a cancelled future and runs nothing.
    QFuture<void> run(Task task);
    /// run() without a future, for an engine that one thread alone plays: the task runs before
    /// this returns (queued and waited for while async is on). False when it threw (logged as
    /// by run()) or the runner is shutting down.
    bool runNow(const Task &task);

    /// Plays `values` from the global pool (async) or before returning, a chunk of coups per
    /// task: playOne(value) plays one coup and returns false when it was refused, which
    /// cancels the rest. The future carries the progress and can be cancelled; `finished`
    /// runs once at the end unless the runner is shutting down.
    QFuture<void> runBatch(const QList<int> &values, std::function<bool(int)> playOne,
                           std::function<void()> finished);
    /// Cancels every running batch and waits until each has returned.
    void stopBatches();

    /// For the engine's destructor: no task is queued any more, the batches stop, the queued
    /// tasks are discarded and the running one is waited for; async is off afterwards.
    void shutdown();
    [[nodiscard]] bool isStopping() const { return m_stopping; }

    /// 0 fans every step out (tests), a negative value restores the default.
    void setParallelThreshold(qint64 ns);
    /// Every step on the calling thread, neither fanned out nor timed (an engine that one
    /// thread alone uses).
    void setSerial(bool on);

    /// Calls fn on every state, on the method pool when the step is worth it (the measured
    /// time per state times the number of states against the threshold). A state that throws
    /// does not stop the others; the first exception goes to the running task's future.
    void forEachState(const QList<NoxMethodState *> &states, const StateFn &fn);
    /// The non-automatic states in parallel, then the automatic ones in list order (they read
    /// the others' fresh results).
    void forEachStateInStages(const QList<NoxMethodState *> &states, const StateFn &fn);

    /// A finished future that carries `error`.
    [[nodiscard]] static QFuture<void> failedFuture(const std::exception_ptr &error);

private:
    /// forEachState(), the automatic states left out when `skipAutomatic`.
    void forEachState(const QList<NoxMethodState *> &states, const StateFn &fn, bool skipAutomatic);
    /// Runs the task with the task mutex held; returns what it threw.
    std::exception_ptr runGuarded(const Task &task);
    void playBatch(const QList<int> &values, const std::function<bool(int)> &playOne,
                   const std::function<void()> &finished, QPromise<void> &promise);
    [[nodiscard]] QThreadPool *methodPool() const;

    /// Held by every task while it runs, queued or inline. Recursive: a task may run another
    /// operation inline.
    std::recursive_mutex m_taskMutex;
    /// Guards the two pool pointers: tasks read them while setAsync() detaches them.
    mutable std::mutex m_poolMutex;
    QThreadPool *m_methodPool = nullptr;
    QThreadPool *m_taskPool = nullptr;
    std::atomic<bool> m_async{false};
    /// Set by shutdown(): no task is queued any more and the batches stop.
    std::atomic<bool> m_stopping{false};
    /// Mean time one state took in a step (ns, smoothed).
    std::atomic<qint64> m_stepNsPerState{0};
    std::atomic<qint64> m_parallelThresholdNs{kDefaultParallelThresholdNs};
    std::atomic<bool> m_serial{false};
    /// The batches still running on the global pool.
    std::mutex m_batchMutex;
    std::condition_variable m_batchDone;
    QList<std::shared_ptr<QPromise<void>>> m_batches;
};

/// Waits for an engine future whose failure the task that failed has already logged: an
/// exception stays with the operation that threw it and never reaches the caller's thread.
inline void waitQuietly(QFuture<void> future)
{
    try {
        future.waitForFinished();
    } catch (...) {
    }
    noxTaskDoneAcquire();
}

} // namespace Nox
