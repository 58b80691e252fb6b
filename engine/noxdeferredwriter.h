#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <functional>
#include <mutex>
#include <thread>

namespace Nox {

/// Runs a write job on a thread of its own soon after it is asked for, and never more often
/// than once per interval: a burst of changes gives one write, the first change of a quiet
/// spell is written at once, and nothing asked for waits longer than the interval.
///
/// The job receives what was asked for since its last run (the bits given to request(), or-ed
/// together), so one writer can serve several files and write only those that changed.
///
/// Thread rules: request() may be called from any thread, also from inside the job, and never
/// blocks on a running job. flush() and the destructor block their caller until every request
/// made before them has been written; they must not be called from the job. The job runs on
/// the writer's thread only, one run at a time.
class NoxDeferredWriter
{
public:
    using Job = std::function<void(unsigned what)>;

    NoxDeferredWriter(std::chrono::milliseconds interval, Job job);
    /// Writes what is still pending, then stops the thread.
    ~NoxDeferredWriter();

    NoxDeferredWriter(const NoxDeferredWriter &) = delete;
    NoxDeferredWriter &operator=(const NoxDeferredWriter &) = delete;

    /// Asks for a write of `what` (any non-zero bits).
    void request(unsigned what = 1);
    /// Writes what is pending now, without waiting for the interval, and returns when done.
    void flush();
    /// The number of runs of the job so far (tests).
    [[nodiscard]] int runs() const;

private:
    void loop();

    const std::chrono::milliseconds m_interval;
    const Job m_job;
    mutable std::mutex m_mutex;
    std::condition_variable m_wake;
    std::condition_variable m_done;
    unsigned m_pending = 0;
    bool m_running = false;
    bool m_urgent = false;
    bool m_stop = false;
    int m_runs = 0;
    /// Counts the runs started, so that flush() knows when a run that began after it is over.
    std::uint64_t m_started = 0;
    std::uint64_t m_finished = 0;
    std::chrono::steady_clock::time_point m_lastRun{};
    std::thread m_thread;
};

} // namespace Nox
