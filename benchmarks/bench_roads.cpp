// The cost of the scoreboard roads (NoxRoads): one coup deep into a shoe, and a whole history
// computed from scratch. Goals: under 2 µs per coup, under 1 ms for 10,000 values.
//
//   bench_roads                                     all benchmarks
//   bench_roads --benchmark_filter=BM_RoadsCoup
//
// BM_RoadsCoup: 80 coups into a shoe, one coup appended then undone (the figure is for the
// pair, every road updated twice); the coup is a BANKER, a PLAYER or a TIE in turn.
// BM_RoadsShoe: whole shoes fed coup by coup; "per_coup" is the mean cost of an append.
// BM_RoadsRebuild: rebuild() of 10,000 values, in one shoe (every coup computed) or in shoes
// of 80 (the last shoe computed, as the view needs). BM_RoadsEveryShoe: the roads of each of
// the 125 shoes of 80 in turn, as `noxsim roads` computes them.

#include "roads/noxroads.h"

#include <benchmark/benchmark.h>

#include <random>

using namespace Nox;

namespace {

constexpr int kShoeLength = 80;
constexpr int kHistoryLength = 10000;

// Results at the odds of an eight-deck shoe (banker 45.86 %, player 44.62 %, tie 9.52 %).
QList<int> dealt(int count, unsigned seed)
{
    std::mt19937 random(seed);
    std::discrete_distribution<int> result({9.52, 44.62, 45.86});
    QList<int> values;
    values.reserve(count);
    for (int i = 0; i < count; ++i) {
        values.append(result(random));
    }
    return values;
}

void BM_RoadsCoup(benchmark::State &state)
{
    NoxRoads roads;
    for (int v : dealt(kShoeLength, 7)) {
        roads.append(v);
    }
    const int next[] = {NoxRoads::kBanker, NoxRoads::kPlayer, NoxRoads::kTie};
    int i = 0;
    for (auto _ : state) {
        roads.append(next[i]);
        benchmark::DoNotOptimize(roads.ask(NoxRoads::kBanker, NoxDerivedRoad::Kind::CockroachPig));
        roads.pop();
        i = i == 2 ? 0 : i + 1;
    }
    benchmark::DoNotOptimize(roads.bigRoadGrid().width());
}

void BM_RoadsShoe(benchmark::State &state)
{
    const QList<int> values = dealt(kShoeLength, 11);
    NoxRoads roads;
    for (auto _ : state) {
        roads.clear();
        for (int v : values) {
            roads.append(v);
        }
        benchmark::DoNotOptimize(roads.derivedRoad(NoxDerivedRoad::Kind::BigEyeBoy).marks().size());
    }
    state.counters["per_coup"] = benchmark::Counter(
        double(values.size()), benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

// Arg: the length of a shoe (kHistoryLength: a single shoe).
void BM_RoadsRebuild(benchmark::State &state)
{
    const QList<int> values = dealt(kHistoryLength, 13);
    QList<qsizetype> starts;
    for (qsizetype s = state.range(0); s < values.size(); s += state.range(0)) {
        starts.append(s);
    }
    NoxRoads roads;
    for (auto _ : state) {
        roads.rebuild(values, starts);
        benchmark::DoNotOptimize(roads.bigRoadGrid().cells().size());
    }
}

void BM_RoadsEveryShoe(benchmark::State &state)
{
    const QList<int> values = dealt(kHistoryLength, 13);
    NoxRoads roads;
    for (auto _ : state) {
        roads.clear();
        for (qsizetype i = 0; i < values.size(); ++i) {
            if (i > 0 && i % kShoeLength == 0) {
                benchmark::DoNotOptimize(roads.bigRoadGrid().cells().size());
                roads.newShoe();
            }
            roads.append(values.at(i));
        }
        benchmark::DoNotOptimize(roads.bigRoadGrid().cells().size());
    }
}

} // namespace

BENCHMARK(BM_RoadsCoup);
BENCHMARK(BM_RoadsShoe)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RoadsRebuild)->Arg(kHistoryLength)->Arg(kShoeLength)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_RoadsEveryShoe)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
