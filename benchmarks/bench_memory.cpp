// Resident memory of the per-method history: a baccarat and a roulette engine (whichever
// catalogue the build has) after 10,000 random results, inline.
//
//   bench_memory
//
// bytes_per_record is the resident growth over the records every state keeps (a state records
// only the coups it had a proposal for).

#include "core/noxmethodstate.h"
#include "engine/noxengine.h"

#include "residentmemory.h"

#include <QCoreApplication>
#include <QFile>
#include <QLoggingCategory>
#include <QRandomGenerator>

#include <benchmark/benchmark.h>

#include <unistd.h>

using namespace Nox;

namespace {

QList<int> results(bool baccarat, int length)
{
    QRandomGenerator rng(20261208);
    QList<int> values;
    values.reserve(length);
    for (int i = 0; i < length; ++i) {
        if (baccarat) {
            const int r = int(rng.bounded(100));
            values.append(r < 10 ? 0 : (r < 55 ? 1 : 2));
        } else {
            values.append(int(rng.bounded(37)));
        }
    }
    return values;
}

// range(0): the history length; range(1): 1 for baccarat, 0 for roulette.
void BM_HistoryMemory(benchmark::State &state)
{
    const bool baccarat = state.range(1) != 0;
    const QList<int> values = results(baccarat, int(state.range(0)));
    for (auto _ : state) {
        const double before = residentMegabytes();
        auto engine = std::make_unique<NoxEngine>(baccarat);
        engine->setAsync(false);
        engine->loadMethods();
        engine->restart(true, true);
        const double loaded = residentMegabytes();
        engine->playValues(values).waitForFinished();
        const double after = residentMegabytes();
        double records = 0;
        for (const NoxMethodState *s : engine->methodStates()) {
            records += s->historyLength();
        }
        state.counters["methods"] = double(engine->methodStates().size());
        state.counters["records"] = records;
        state.counters["rss_MB"] = after;
        state.counters["catalogue_MB"] = loaded - before;
        state.counters["history_MB"] = after - loaded;
        state.counters["bytes_per_record"] = records > 0 ? (after - loaded) * 1024.0 * 1024.0 / records : 0;
    }
}

} // namespace

BENCHMARK(BM_HistoryMemory)
    ->Args({10000, 1})
    ->Args({10000, 0})
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
