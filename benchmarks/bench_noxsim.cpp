// Backtests dealt baccarat shoes through the full catalogue with every method active, as
// `noxsim --shoes N --all --jobs J` does, and reports the time per shoe.
//
//   bench_noxsim                                  all benchmarks
//   bench_noxsim --benchmark_filter=NoxSimRun/1000
//
// Arguments: shoes, jobs. "per_shoe" is the mean wall time of one shoe (about 80 coups).
//
// RiskEstimate plays the sessions of the financial settings' risk estimate on BANKER, sessions
// of up to 80 coups, on `jobs` workers (arguments: sessions, jobs, progression): 0 is flat
// stakes within wide limits (nearly every session plays its 80 coups), 1 a martingale between
// a loss limit of 40 chips and a gain limit of 20. "per_session" is the wall time of a session.

#include "noxbaccaratshoe.h"
#include "noxriskestimate.h"
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

void BM_RiskEstimate(benchmark::State &state)
{
    NoxRiskEstimate::Config config;
    config.simulation.methods = {QStringLiteral("BANKER")};
    const bool martingale = state.range(2) == 1;
    config.simulation.montantes.insert(QStringLiteral("cs"), martingale
                                                                 ? QStringLiteral("Martingale classique")
                                                                 : QStringLiteral("Masse égale"));
    config.simulation.chips.insert(QStringLiteral("cs"), 500);
    config.simulation.capital = 100000;
    config.simulation.stopLoss = martingale ? 20000 : 50000;
    config.simulation.takeProfit = martingale ? 10000 : 50000;
    config.sessions = int(state.range(0));
    config.jobs = int(state.range(1));
    config.coupsPerSession = 80;
    NoxRiskEstimate::Outcome outcome;
    for (auto _ : state) {
        QString error;
        if (!NoxRiskEstimate::run(config, &outcome, &error)) {
            state.SkipWithError(qPrintable(error));
            return;
        }
        benchmark::DoNotOptimize(outcome.lossLimit.count);
    }
    state.counters["loss_limit_pct"] = benchmark::Counter(outcome.lossLimit.value * 100);
    state.counters["coups_per_session"] = outcome.meanCoups;
    state.counters["per_session"] = benchmark::Counter(
        double(config.sessions), benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

} // namespace

BENCHMARK(BM_RiskEstimate)
    ->Args({10000, 1, 0})
    ->Args({10000, 2, 0})
    ->Args({10000, 2, 1})
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(1);

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
    QLoggingCategory::setFilterRules(QStringLiteral("nox.*.debug=false\nnox.engine.info=false"));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
