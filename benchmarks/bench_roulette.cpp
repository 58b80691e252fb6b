// The roulette catalogue (about 3,150 methods) through the engine: one coup, a pasted history of
// 1,000 values, and the resident memory of a 10,000-value history.
//
//   bench_roulette                               all benchmarks
//   bench_roulette --benchmark_filter=Coup
//
// Goals on a 2-core machine: one coup under 10 ms, the 1,000-value import under 10 s, the
// 10,000-value history under 500 MB of resident memory. The CPU column counts every thread of
// the process, so it stays meaningful on a loaded machine where the real time does not.

#include "core/noxmethodstate.h"
#include "engine/noxengine.h"

#include "residentmemory.h"

#include <QCoreApplication>
#include <QFile>
#include <QLoggingCategory>
#include <QRandomGenerator>
#include <QSemaphore>

#include <benchmark/benchmark.h>

#include <atomic>
#include <thread>
#include <unistd.h>

using namespace Nox;

namespace {

QList<int> spins(int length)
{
    QRandomGenerator rng(20261208);
    QList<int> values;
    values.reserve(length);
    for (int i = 0; i < length; ++i) {
        values.append(int(rng.bounded(37)));
    }
    return values;
}

std::unique_ptr<NoxEngine> makeRouletteEngine()
{
    auto engine = std::make_unique<NoxEngine>(false);
    engine->setAsync(true);
    engine->loadMethods();
    engine->restart(true, true);
    const int count = int(engine->methodStates().size());
    for (int i = 0; i < count; i += 50) {
        engine->setMethodActive(i, true);
    }
    return engine;
}

// One coup, from playValueInternal to methodStatesChanged, on top of a history of the given
// length: the coups follow each other as at the table (twenty of them barely lengthen it).
void BM_RouletteCoup(benchmark::State &state)
{
    auto engine = makeRouletteEngine();
    engine->playValues(spins(int(state.range(0)))).waitForFinished();
    QObject receiver;
    // The benchmark thread sleeps until the task thread announces the coup: spinning would
    // take one of the machine's two cores from the engine.
    QSemaphore changed;
    QObject::connect(
        engine.get(), &NoxEngine::methodStatesChanged, &receiver, [&] { changed.release(); },
        Qt::DirectConnection);
    int value = 0;
    for (auto _ : state) {
        engine->playValueInternal(value, true);
        changed.acquire();
        state.PauseTiming();
        changed.tryAcquire(changed.available());
        value = (value + 13) % 37;
        state.ResumeTiming();
    }
}

// A pasted history imported as one batch, async on.
void BM_RouletteImport(benchmark::State &state)
{
    const QList<int> values = spins(int(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        auto engine = makeRouletteEngine();
        state.ResumeTiming();
        engine->playValues(values).waitForFinished();
        state.PauseTiming();
        engine.reset();
        state.ResumeTiming();
    }
    // Seconds per coup.
    state.counters["per_coup"] = benchmark::Counter(
        double(state.range(0)), benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

// The resident memory of the whole catalogue after a history of the given length.
void BM_RouletteHistoryMemory(benchmark::State &state)
{
    const QList<int> values = spins(int(state.range(0)));
    for (auto _ : state) {
        const double before = residentMegabytes();
        auto engine = makeRouletteEngine();
        const double loaded = residentMegabytes();
        engine->playValues(values).waitForFinished();
        const double after = residentMegabytes();
        state.counters["rss_MB"] = after;
        state.counters["catalogue_MB"] = loaded - before;
        state.counters["history_MB"] = after - loaded;
        // The coups the states recorded (a state records only the coups it had a proposal for).
        double records = 0;
        for (const NoxMethodState *s : engine->methodStates()) {
            records += s->historyLength();
        }
        state.counters["records"] = records;
        state.counters["bytes_per_record"] = records > 0 ? (after - loaded) * 1024.0 * 1024.0 / records : 0;
    }
}

} // namespace

BENCHMARK(BM_RouletteCoup)
    ->Arg(100)
    ->Arg(1000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->MeasureProcessCPUTime()
    ->Iterations(20);
BENCHMARK(BM_RouletteImport)
    ->Arg(1000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->MeasureProcessCPUTime()
    ->Iterations(1);
BENCHMARK(BM_RouletteHistoryMemory)
    ->Arg(1000)
    ->Arg(10000)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(1);

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QLoggingCategory::setFilterRules(QStringLiteral("nox.*.debug=false"));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
