// Backtests dealt baccarat shoes through the full catalogue with every method active, as
// `noxsim --shoes N --all --jobs J` does, and reports the time per shoe.
//
//   bench_noxsim                                  all benchmarks
//   bench_noxsim --benchmark_filter=NoxSimRun/1000
//
// Arguments: shoes, jobs. "per_shoe" is the mean wall time of one shoe (about 80 coups).

#include "noxbaccaratshoe.h"
#include "noxsimrun.h"
#include "noxsplitmix.h"

#include <QCoreApplication>
#include <QLoggingCategory>

#include <benchmark/benchmark.h>

using namespace Nox;

namespace {

void BM_NoxSimRun(benchmark::State &state)
{
    const qint64 shoes = state.range(0);
    const int jobs = int(state.range(1));
    NoxSimulator::Config config;
    config.activateAll = true;
    const auto deal = [](qint64 index) {
        NoxBaccaratShoe dealer(NoxSplitMix::streamSeed(1, uint64_t(index)));
        const std::vector<int> coups = dealer.dealShoe();
        return QList<int>(coups.begin(), coups.end());
    };
    for (auto _ : state) {
        NoxSimResult result;
        QString error;
        if (!NoxSimRun::play(config, {}, deal, 0, shoes, shoes, jobs, &result, &error)) {
            state.SkipWithError(qPrintable(error));
            return;
        }
        benchmark::DoNotOptimize(result.bankroll.result());
    }
    state.counters["per_shoe"] = benchmark::Counter(
        double(shoes), benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

} // namespace

BENCHMARK(BM_NoxSimRun)
    ->Args({100, 1})
    ->Args({100, 2})
    ->Args({1000, 1})
    ->Args({1000, 2})
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
