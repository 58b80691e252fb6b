// The cost of planning an automatic bet: a usual baccarat bet, stakes big enough to leave the
// chip-subset search, and the worst case of that search (eight chips, stakes at its limit).
#include "autobet/noxclickplanner.h"

#include <benchmark/benchmark.h>

using namespace Nox;

namespace {

NoxBet bet(NoxBetItemID id, int amount)
{
    NoxBet b;
    b.id = id;
    b.bet = amount;
    return b;
}

const QList<int> kChips = {10, 50, 100, 500, 2500, 10000, 50000, 100000};

void planUsualBet(benchmark::State &state)
{
    const NoxBetList bets = {bet(NoxBetItemID::B_TIE, 0), bet(NoxBetItemID::B_PLAYER, 0),
                             bet(NoxBetItemID::B_BANKER, 3750)};
    for (auto _ : state) {
        benchmark::DoNotOptimize(NoxClickPlanner::plan(bets, kChips, false));
    }
}
BENCHMARK(planUsualBet)->Unit(benchmark::kMicrosecond);

void planSubsetSearchLimit(benchmark::State &state)
{
    // 20,000 units of 0.10 on each side: every subset of the eight chips is tried.
    const NoxBetList bets = {bet(NoxBetItemID::B_PLAYER, 199990), bet(NoxBetItemID::B_BANKER, 200000)};
    for (auto _ : state) {
        benchmark::DoNotOptimize(NoxClickPlanner::plan(bets, kChips, false));
    }
}
BENCHMARK(planSubsetSearchLimit)->Unit(benchmark::kMillisecond);

void planLargeStake(benchmark::State &state)
{
    const NoxBetList bets = {bet(NoxBetItemID::B_PLAYER, 98765430)};
    for (auto _ : state) {
        benchmark::DoNotOptimize(NoxClickPlanner::plan(bets, kChips, false));
    }
}
BENCHMARK(planLargeStake)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
