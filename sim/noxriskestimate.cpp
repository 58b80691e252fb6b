#include "noxriskestimate.h"

#include "noxbaccaratshoe.h"
#include "noxroulettewheel.h"
#include "noxsplitmix.h"

#include <QThread>

#if defined(Q_OS_WIN)
#include <windows.h>
#else
#include <pthread.h>
#include <sched.h>
#endif

#include <algorithm>
#include <cmath>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace Nox {

namespace {

// The sessions a worker takes at a time: few enough to share the run out evenly, enough that
// the shared counter is not touched per session.
constexpr qint64 kBlock = 16;

// The 97.5 % quantile of the normal law: a two-sided 95 % interval.
constexpr double kZ95 = 1.959963984540054;

// The calling thread runs only when nothing else wants the processor (the scheduler's idle
// class where there is one), so that a window drawn beside it never waits.
void lowerThisThreadsPriority()
{
#if defined(SCHED_IDLE)
    sched_param none{};
    pthread_setschedparam(pthread_self(), SCHED_IDLE, &none);
#elif defined(Q_OS_WIN)
    SetThreadPriority(GetCurrentThread(), THREAD_PRIORITY_IDLE);
#endif
}

} // namespace

qint64 NoxRiskEstimate::Outcome::quantile(double q) const
{
    if (results.isEmpty()) {
        return 0;
    }
    const double position = std::clamp(q, 0.0, 1.0) * double(results.size() - 1);
    return results.at(qsizetype(std::llround(position)));
}

QList<qint64> NoxRiskEstimate::Outcome::histogram(int bins) const
{
    QList<qint64> counts(std::max(bins, 1), 0);
    if (results.isEmpty()) {
        return counts;
    }
    const qint64 low = results.first();
    const double span = double(results.last() - low);
    for (qint64 r : results) {
        const qsizetype bin =
            span > 0 ? std::min<qsizetype>(qsizetype(double(r - low) / span * double(counts.size())),
                                           counts.size() - 1)
                     : 0;
        ++counts[bin];
    }
    return counts;
}

NoxRiskEstimate::Share NoxRiskEstimate::share(qint64 count, qint64 total)
{
    Share s;
    s.count = count;
    if (total <= 0) {
        return s;
    }
    const double n = double(total);
    const double p = double(count) / n;
    const double z2 = kZ95 * kZ95;
    const double centre = (p + z2 / (2 * n)) / (1 + z2 / n);
    const double half = kZ95 * std::sqrt(p * (1 - p) / n + z2 / (4 * n * n)) / (1 + z2 / n);
    s.value = p;
    s.low = std::max(0.0, centre - half);
    s.high = std::min(1.0, centre + half);
    return s;
}

QList<int> NoxRiskEstimate::sessionValues(bool baccarat, quint64 seed, qint64 index, int coups)
{
    const quint64 sessionSeed = NoxSplitMix::streamSeed(seed, quint64(index));
    if (!baccarat) {
        return NoxRouletteWheel(sessionSeed).spins(coups);
    }
    QList<int> values;
    values.reserve(coups);
    NoxBaccaratShoe shoe(sessionSeed);
    shoe.shuffle();
    int result = 0;
    while (values.size() < coups) {
        if (!shoe.dealCoup(&result)) {
            shoe.shuffle();
            continue;
        }
        values.append(result);
    }
    return values;
}

bool NoxRiskEstimate::run(const Config &config, Outcome *outcome, QString *error,
                          const std::atomic<bool> *cancel, const Progress &progress)
{
    *outcome = Outcome{};
    NoxSimulator::Config simulation = config.simulation;
    // The limits end a session here: that is what is estimated.
    simulation.guards.lossLimitStops = true;
    simulation.guards.gainLimitStops = true;
    // Only the methods that stake are played.
    if (!simulation.activateAll && simulation.only.isEmpty()) {
        simulation.only = simulation.methods;
    }
    if (simulation.methods.isEmpty() && !simulation.activateAll) {
        *error = QStringLiteral("no method is active");
        return false;
    }
    const qint64 total = std::max(config.sessions, 0);
    const int coups = std::max(config.coupsPerSession, 1);

    struct Shared {
        std::atomic<qint64> next{0};
        std::atomic<qint64> done{0};
        std::atomic<bool> failed{false};
        std::mutex mutex;
        std::condition_variable finished;
        int running = 0;
        QString error;
    } shared;
    const auto count = size_t(total);
    std::vector<NoxSimBankroll::Session> sessions(count);
    std::vector<char> played(count, 0);
    const auto stopped = [&] {
        return shared.failed.load() || (cancel && cancel->load(std::memory_order_relaxed));
    };
    const auto work = [&] {
        if (config.background) {
            lowerThisThreadsPriority();
        }
        NoxSimulator simulator(simulation);
        QString why;
        if (simulator.prepare(&why)) {
            for (qint64 b = shared.next.fetch_add(kBlock); b < total && !stopped();
                 b = shared.next.fetch_add(kBlock)) {
                const qint64 end = std::min(total, b + kBlock);
                for (qint64 i = b; i < end && !stopped(); ++i) {
                    sessions[size_t(i)] =
                        simulator.playSession(sessionValues(simulation.baccarat, config.seed, i, coups));
                    played[size_t(i)] = 1;
                    shared.done.fetch_add(1, std::memory_order_relaxed);
                }
            }
        } else {
            std::lock_guard lock(shared.mutex);
            shared.failed = true;
            shared.error = why;
        }
        std::lock_guard lock(shared.mutex);
        --shared.running;
        shared.finished.notify_all();
    };

    const int jobs = int(std::clamp<qint64>(config.jobs > 0 ? config.jobs : QThread::idealThreadCount(), 1,
                                            std::max<qint64>((total + kBlock - 1) / kBlock, 1)));
    std::vector<std::thread> threads;
    shared.running = jobs;
    for (int j = 0; j < jobs; ++j) {
        threads.emplace_back(work);
    }
    {
        std::unique_lock lock(shared.mutex);
        while (shared.running > 0) {
            shared.finished.wait_for(lock, std::chrono::milliseconds(50));
            if (progress) {
                lock.unlock();
                progress(shared.done.load(std::memory_order_relaxed), total);
                lock.lock();
            }
        }
    }
    for (std::thread &t : threads) {
        t.join();
    }
    if (shared.failed) {
        *error = shared.error;
        return false;
    }

    Outcome &o = *outcome;
    o.canceled = cancel && cancel->load() && shared.done.load() < total;
    qint64 loss = 0;
    qint64 gain = 0;
    qint64 other = 0;
    double coupsSum = 0;
    double resultSum = 0;
    o.results.reserve(total);
    for (size_t i = 0; i < sessions.size(); ++i) {
        if (!played[i]) {
            continue;
        }
        const NoxSimBankroll::Session &s = sessions[i];
        ++o.sessions;
        o.results.append(s.result);
        coupsSum += s.coups;
        resultSum += double(s.result);
        if (s.guardStop) {
            ++o.byRule[size_t(*s.guardStop)];
            if (*s.guardStop == NoxGuardStop::Rule::LossLimit) {
                ++loss;
            } else if (*s.guardStop == NoxGuardStop::Rule::GainLimit) {
                ++gain;
            } else {
                ++other;
            }
        } else if (s.moneyLimit) {
            ++other;
        }
    }
    std::sort(o.results.begin(), o.results.end());
    o.lossLimit = share(loss, o.sessions);
    o.gainLimit = share(gain, o.sessions);
    o.otherStop = share(other, o.sessions);
    o.unfinished = share(o.sessions - loss - gain - other, o.sessions);
    if (o.sessions > 0) {
        o.meanResult = resultSum / double(o.sessions);
        o.meanCoups = coupsSum / double(o.sessions);
    }
    if (progress) {
        progress(shared.done.load(), total);
    }
    return true;
}

} // namespace Nox
