#pragma once

#include <atomic>
#include <mutex>

namespace Nox {

/// The lock of a method and of the statistics kept beside it: a recursive mutex (a pthread
/// one, visible to ThreadSanitizer) that an engine used by one thread alone, a backtest,
/// turns off, so that its coups take no lock per method.
///
/// setLocking() must only be called while no thread holds or waits for the lock.
class NoxMethodMutex
{
public:
    [[gnu::always_inline]] void lock()
    {
        if (m_locking.load(std::memory_order_relaxed)) {
            m_mutex.lock();
        }
    }
    [[gnu::always_inline]] void unlock()
    {
        if (m_locking.load(std::memory_order_relaxed)) {
            m_mutex.unlock();
        }
    }
    bool try_lock() { return !m_locking.load(std::memory_order_relaxed) || m_mutex.try_lock(); }

    [[nodiscard]] bool isLocking() const { return m_locking.load(std::memory_order_relaxed); }
    void setLocking(bool on) { m_locking.store(on, std::memory_order_relaxed); }

private:
    std::recursive_mutex m_mutex;
    std::atomic<bool> m_locking{true};
};

} // namespace Nox
