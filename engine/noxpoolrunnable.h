#pragma once

#include <QRunnable>
#include <QThreadPool>

#include <utility>

#if defined(__SANITIZE_THREAD__)
extern "C" void __tsan_acquire(void *addr);
extern "C" void __tsan_release(void *addr);
#endif

namespace Nox {

/// A job for a QThreadPool that tells ThreadSanitizer about the hand-over: Qt's own queue is
/// not instrumented, so without it every job's captured data would look raced.
template<typename F>
class NoxPoolRunnable final : public QRunnable
{
public:
    explicit NoxPoolRunnable(F job)
        : m_job(std::move(job))
    {}

    /// Starts `job` on `pool`.
    static void start(QThreadPool *pool, F job)
    {
        auto *runnable = new NoxPoolRunnable(std::move(job));
#if defined(__SANITIZE_THREAD__)
        __tsan_release(runnable);
#endif
        pool->start(runnable);
    }

    void run() override
    {
#if defined(__SANITIZE_THREAD__)
        __tsan_acquire(this);
#endif
        m_job();
    }

private:
    F m_job;
};

/// The end of an engine task, for ThreadSanitizer: the task releases it before its future is
/// finished and a waiter acquires it after the wait (Qt's futures are not instrumented).
inline char g_noxTaskDone = 0;

inline void noxTaskDoneRelease()
{
#if defined(__SANITIZE_THREAD__)
    __tsan_release(&g_noxTaskDone);
#endif
}

inline void noxTaskDoneAcquire()
{
#if defined(__SANITIZE_THREAD__)
    __tsan_acquire(&g_noxTaskDone);
#endif
}

template<typename F>
void noxStartOnPool(QThreadPool *pool, F job)
{
    NoxPoolRunnable<F>::start(pool, std::move(job));
}

} // namespace Nox
