#include "engine/noxdeferredwriter.h"

namespace Nox {

NoxDeferredWriter::NoxDeferredWriter(std::chrono::milliseconds interval, Job job)
    : m_interval(interval)
    , m_job(std::move(job))
    , m_thread([this] { loop(); })
{}

NoxDeferredWriter::~NoxDeferredWriter()
{
    {
        std::lock_guard lock(m_mutex);
        m_stop = true;
        m_urgent = true;
    }
    m_wake.notify_all();
    m_thread.join();
}

void NoxDeferredWriter::request(unsigned what)
{
    if (what == 0) {
        return;
    }
    {
        std::lock_guard lock(m_mutex);
        m_pending |= what;
    }
    m_wake.notify_all();
}

void NoxDeferredWriter::flush()
{
    std::unique_lock lock(m_mutex);
    if (m_pending == 0 && !m_running) {
        return;
    }
    // A run already under way may have started before the latest request: wait for the run
    // after it when something is still pending, else for the one under way.
    const std::uint64_t target = m_pending != 0 ? m_started + 1 : m_started;
    m_urgent = true;
    m_wake.notify_all();
    m_done.wait(lock, [&] { return m_finished >= target; });
}

int NoxDeferredWriter::runs() const
{
    std::lock_guard lock(m_mutex);
    return m_runs;
}

void NoxDeferredWriter::loop()
{
    std::unique_lock lock(m_mutex);
    for (;;) {
        m_wake.wait(lock, [this] { return m_pending != 0 || m_stop; });
        if (m_pending == 0) {
            return; // stopping with nothing left to write
        }
        // The first change after a quiet spell is written at once; later ones wait for the
        // end of the interval, gathering every change made meanwhile.
        const auto due = m_lastRun + m_interval;
        m_wake.wait_until(lock, due, [this] { return m_urgent; });
        m_urgent = false;
        const unsigned what = std::exchange(m_pending, 0u);
        m_running = true;
        ++m_started;
        lock.unlock();
        m_job(what);
        lock.lock();
        m_running = false;
        ++m_runs;
        ++m_finished;
        m_lastRun = std::chrono::steady_clock::now();
        m_done.notify_all();
    }
}

} // namespace Nox
