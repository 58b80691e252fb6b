// Replays baccarat histories through the engine and reports the time per coup.
//
//   bench_engine                      all benchmarks
//   bench_engine --benchmark_filter=Replay
//
// "per_coup" is the mean time of one coup; the figures for 1,000 and 10,000 values should
// be close, since no statistic may cost more as the history grows.

#include "core/noxmethod.h"
#include "core/noxmethodcontext.h"
#include "core/noxmethodinterface.h"
#include "core/noxmethodstate.h"
#include "engine/noxengine.h"

#include <QCoreApplication>
#include <QLoggingCategory>
#include <QRandomGenerator>
#include <QSemaphore>

#include <benchmark/benchmark.h>

#include <atomic>
#include <chrono>
#include <cmath>
#include <thread>

using namespace Nox;

namespace {

// Bets the side that came `lag` coups ago (ties skipped), or its opposite: a cheap method with
// a changing proposal, so every statistic moves on every coup.
class FollowMethod final : public NoxMethod, public NoxMethodInterface
{
public:
    FollowMethod(int lag, bool opposite)
        : NoxMethod(NoxMethodType::cs, NoxMethodSubType::none,
                    QStringLiteral("Follow %1%2").arg(lag).arg(opposite))
        , m_lag(lag)
        , m_opposite(opposite)
    {}
    void process(const NoxMethodContext &context) override
    {
        int seen = 0;
        for (int i = context.count() - 1; i >= 0; --i) {
            const int v = context.valueAt(i);
            if (v != 0 && ++seen == m_lag) {
                const bool banker = (v == 2) != m_opposite;
                setProposal({banker ? NoxBetItemID::B_BANKER : NoxBetItemID::B_PLAYER});
                return;
            }
        }
        clearProposal();
    }
    void commit(const NoxMethodContext &) override {}
    bool rollback(int, const NoxMethodContext &) override { return true; }
    void reset(const NoxMethodContext &) override { clearProposal(); }

private:
    int m_lag;
    bool m_opposite;
};

QList<int> randomHistory(int length)
{
    QRandomGenerator rng(20261208);
    QList<int> values;
    values.reserve(length);
    for (int i = 0; i < length; ++i) {
        const int r = int(rng.bounded(100));
        values.append(r < 10 ? 0 : (r < 55 ? 1 : 2)); // about the real tie/player/banker odds
    }
    return values;
}

// Reports the mean time of one coup for `coups` coups per iteration.
void reportPerCoup(benchmark::State &state, double coups)
{
    state.counters["per_coup"] = benchmark::Counter(coups, benchmark::Counter::kIsIterationInvariantRate |
                                                               benchmark::Counter::kInvert);
}

std::unique_ptr<NoxEngine> makeEngine(int methods)
{
    auto engine = std::make_unique<NoxEngine>(true);
    engine->setAsync(true);
    for (int i = 0; i < methods; ++i) {
        engine->addMethodState(new NoxMethodState(new FollowMethod(1 + i / 2, i % 2)));
    }
    engine->restart(true, true);
    for (int i = 0; i < methods; i += 3) {
        engine->setMethodActive(i, true);
    }
    return engine;
}

// What the method list reads of every row after a coup.
double readRow(const NoxMethodState &s)
{
    return s.ecart() + s.ecartMax() + s.ecartMoyen() + s.winRatio() + s.shortTermWinRatio() + s.blockMin() +
           s.blockMax() + s.blocksSignalLevel() + s.dominantConfirmationLevel() + int(s.tendance()) +
           (std::isnan(s.tendanceValue()) ? 0.0 : s.tendanceValue());
}

// A whole history imported as one batch.
void BM_ReplayHistory(benchmark::State &state)
{
    const int length = int(state.range(0));
    const QList<int> values = randomHistory(length);
    for (auto _ : state) {
        state.PauseTiming();
        auto engine = makeEngine(100);
        state.ResumeTiming();
        engine->playValues(values).waitForFinished();
        benchmark::DoNotOptimize(engine->itemsToPlay());
        state.PauseTiming();
        engine.reset();
        state.ResumeTiming();
    }
    reportPerCoup(state, length);
}

// The coup that brings the history to the given length: play, wait for the task, read every
// row of the list.
void BM_CoupAfterHistory(benchmark::State &state)
{
    const int length = int(state.range(0)) - 1;
    auto engine = makeEngine(100);
    engine->playValues(randomHistory(length)).waitForFinished();
    const QList<NoxMethodState *> states = engine->methodStates();
    int value = 1;
    for (auto _ : state) {
        engine->playValueInternal(value, true).waitForFinished();
        double sum = 0;
        for (const NoxMethodState *s : states) {
            sum += readRow(*s);
        }
        benchmark::DoNotOptimize(sum);
        state.PauseTiming();
        engine->cancelPlay().waitForFinished();
        value = value % 2 + 1;
        state.ResumeTiming();
    }
    reportPerCoup(state, 1);
}

std::unique_ptr<NoxEngine> makeBaccaratEngine()
{
    auto engine = std::make_unique<NoxEngine>(true);
    engine->setAsync(true);
    engine->loadMethods();
    engine->restart(true, true);
    for (int i = 0; i < 78; i += 4) {
        engine->setMethodActive(i, true);
    }
    return engine;
}

// The full baccarat catalogue: one coup, from playValueInternal to methodStatesChanged, on
// top of a history of the given length. The coups follow one another as at the table (an
// undo between them would make every method that cannot step back replay the whole history).
void BM_BaccaratCoup(benchmark::State &state)
{
    auto engine = makeBaccaratEngine();
    engine->playValues(randomHistory(int(state.range(0)))).waitForFinished();
    const QList<int> next = randomHistory(4096);
    QObject receiver;
    // The benchmark thread sleeps until the task thread announces the coup: spinning would
    // take one of the machine's two cores from the engine.
    QSemaphore changed;
    QObject::connect(
        engine.get(), &NoxEngine::methodStatesChanged, &receiver, [&] { changed.release(); },
        Qt::DirectConnection);
    qsizetype coup = 0;
    for (auto _ : state) {
        engine->playValueInternal(next.at(coup++ % next.size()), true);
        changed.acquire();
        state.PauseTiming();
        changed.tryAcquire(changed.available());
        state.ResumeTiming();
    }
    reportPerCoup(state, 1);
}

// A pasted history of 10,000 values imported into the full catalogue.
void BM_BaccaratImport(benchmark::State &state)
{
    const QList<int> values = randomHistory(int(state.range(0)));
    for (auto _ : state) {
        state.PauseTiming();
        auto engine = makeBaccaratEngine();
        state.ResumeTiming();
        engine->playValues(values).waitForFinished();
        state.PauseTiming();
        engine.reset();
        state.ResumeTiming();
    }
    reportPerCoup(state, double(state.range(0)));
}

} // namespace

// A fixed count keeps the history below the engine's limit of played values.
BENCHMARK(BM_BaccaratCoup)
    ->Arg(100)
    ->Arg(5000)
    ->Unit(benchmark::kMicrosecond)
    ->UseRealTime()
    ->Iterations(2000);
BENCHMARK(BM_BaccaratImport)->Arg(10000)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(1);
BENCHMARK(BM_ReplayHistory)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_CoupAfterHistory)->Arg(1000)->Arg(10000)->Unit(benchmark::kMicrosecond)->UseRealTime();

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QLoggingCategory::setFilterRules(QStringLiteral("nox.*.debug=false"));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
