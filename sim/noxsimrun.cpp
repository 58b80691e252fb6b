#include "noxsimrun.h"

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <map>
#include <mutex>
#include <thread>

namespace Nox {

namespace {

// What the workers share. Everything but the counters is guarded by `mutex`.
struct Shared {
    std::atomic<qint64> nextBlock{0};
    std::atomic<qint64> done{0};
    std::atomic<bool> failed{false};
    std::mutex mutex;
    std::condition_variable changed;
    std::map<qint64, NoxSimResult> waiting; // finished blocks ahead of the next one in order
    qint64 nextToAppend = 0;
    int running = 0;
    QString error;
};

} // namespace

bool NoxSimRun::play(const NoxSimulator::Config &config, const QJsonObject &run, const ShoeSource &shoes,
                     qint64 first, qint64 count, qint64 total, int jobs, NoxSimResult *result, QString *error,
                     const Progress &progress)
{
    const qint64 blocks = (count + kBlock - 1) / kBlock;
    const int workers = int(std::clamp<qint64>(jobs, 1, std::max<qint64>(blocks, 1)));
    Shared shared;
    NoxSimResult all;
    bool haveTemplate = false;

    const auto work = [&] {
        NoxSimulator simulator(config);
        QString why;
        if (!simulator.prepare(&why)) {
            std::lock_guard lock(shared.mutex);
            shared.failed = true;
            shared.error = why;
            return;
        }
        NoxSimResult empty = simulator.emptyResult(run);
        empty.totalShoes = total;
        {
            std::lock_guard lock(shared.mutex);
            if (!haveTemplate) {
                all = empty.emptyFrom(first);
                haveTemplate = true;
            }
        }
        for (qint64 b = shared.nextBlock++; b < blocks && !shared.failed; b = shared.nextBlock++) {
            const qint64 begin = first + b * kBlock;
            const qint64 end = std::min(first + count, begin + kBlock);
            NoxSimResult block = empty.emptyFrom(begin);
            for (qint64 i = begin; i < end; ++i) {
                simulator.playShoe(shoes(i), &block);
                ++shared.done;
            }
            if (workers == 1 && progress) {
                progress(shared.done);
            }
            std::lock_guard lock(shared.mutex);
            shared.waiting.emplace(b, std::move(block));
            // Append every block that is next in shoe order.
            for (auto it = shared.waiting.find(shared.nextToAppend); it != shared.waiting.end();
                 it = shared.waiting.find(shared.nextToAppend)) {
                QString mismatch;
                if (!all.append(it->second, &mismatch)) {
                    shared.failed = true;
                    shared.error = mismatch;
                }
                shared.waiting.erase(it);
                ++shared.nextToAppend;
            }
            shared.changed.notify_all();
        }
    };

    if (workers == 1) {
        work();
    } else {
        std::vector<std::thread> threads;
        shared.running = workers;
        for (int i = 0; i < workers; ++i) {
            threads.emplace_back([&] {
                work();
                std::lock_guard lock(shared.mutex);
                --shared.running;
                shared.changed.notify_all();
            });
        }
        std::unique_lock lock(shared.mutex);
        while (shared.running > 0) {
            shared.changed.wait_for(lock, std::chrono::milliseconds(100));
            if (progress) {
                lock.unlock();
                progress(shared.done);
                lock.lock();
            }
        }
        lock.unlock();
        for (std::thread &t : threads) {
            t.join();
        }
    }
    if (progress) {
        progress(shared.done);
    }
    if (shared.failed) {
        *error = shared.error;
        return false;
    }
    if (!haveTemplate) {
        // No worker ran: nothing to play. Prepare once for the catalogue and settings.
        NoxSimulator simulator(config);
        if (!simulator.prepare(error)) {
            return false;
        }
        all = simulator.emptyResult(run);
        all.totalShoes = total;
        all.firstShoe = first;
    }
    *result = all;
    return true;
}

} // namespace Nox
