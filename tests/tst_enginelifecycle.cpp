// The engine's life around its tasks: destruction and the async switch at any moment, batches
// stopped by destruction, exceptions thrown by methods, and out-of-range truncation counts.
// The races run many times each, bounded in time, so that a regression shows.

#include "core/noxmethod.h"
#include "core/noxmethodcontext.h"
#include "core/noxmethodinterface.h"
#include "core/noxmethodstate.h"
#include "engine/noxengine.h"
#include "testsupport.h"

#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QtTest>

#include <atomic>
#include <stdexcept>
#include <thread>

using namespace Nox;

using NoxTest::fixedState;

namespace {

constexpr qint64 kRaceBudgetMs = 2500;

/// Bets BANKER and checks that its coups arrive one after the other: commit sees exactly one
/// more value than the previous commit (a rollback takes one away).
class SequenceMethod final : public NoxMethod, public NoxMethodInterface
{
public:
    explicit SequenceMethod(std::atomic<int> *faults)
        : NoxMethod(NoxMethodType::cs, NoxMethodSubType::none, QStringLiteral("Sequence"))
        , m_faults(faults)
    {
        setProposal({NoxBetItemID::B_BANKER});
    }
    void process(const NoxMethodContext &) override {}
    void commit(const NoxMethodContext &context) override
    {
        if (context.count() != m_seen + 1) {
            m_faults->fetch_add(1);
        }
        m_seen = context.count();
    }
    bool rollback(int, const NoxMethodContext &context) override
    {
        m_seen = context.count();
        return true;
    }
    void reset(const NoxMethodContext &context) override { m_seen = context.count(); }

private:
    std::atomic<int> *m_faults;
    int m_seen = 0;
};

/// Throws from the operation chosen when the newest value is a tie (0).
class ThrowingMethod final : public NoxMethod, public NoxMethodInterface
{
public:
    enum Where { InProcess, InCommit, InRollback };
    explicit ThrowingMethod(Where where)
        : NoxMethod(NoxMethodType::cs, NoxMethodSubType::none, QStringLiteral("Throwing"))
        , m_where(where)
    {
        setProposal({NoxBetItemID::B_PLAYER});
    }
    void process(const NoxMethodContext &context) override { maybeThrow(InProcess, context); }
    void commit(const NoxMethodContext &context) override { maybeThrow(InCommit, context); }
    bool rollback(int value, const NoxMethodContext &) override
    {
        if (m_where == InRollback && value == 0) {
            throw std::runtime_error("rollback failed");
        }
        return true;
    }
    void reset(const NoxMethodContext &) override {}

private:
    void maybeThrow(Where where, const NoxMethodContext &context) const
    {
        if (m_where == where && context.count() > 0 && context.valueAt(context.count() - 1) == 0) {
            throw std::runtime_error("method failed");
        }
    }
    Where m_where;
};

void addBankers(NoxEngine &engine, int count)
{
    for (int i = 0; i < count; ++i) {
        NoxMethodState *state =
            fixedState(QStringLiteral("BANKER %1").arg(i), NoxMethodType::cs, {NoxBetItemID::B_BANKER});
        engine.addMethodState(state);
        engine.setMethodActive(state->method()->index(), true);
    }
}

QList<int> randomValues(int count, quint32 seed)
{
    QRandomGenerator rng(seed);
    QList<int> values;
    for (int i = 0; i < count; ++i) {
        values.append(int(rng.bounded(3)));
    }
    return values;
}

} // namespace

class TestEngineLifecycle : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLoggingCategory::setFilterRules(QStringLiteral("nox.*.debug=false")); }

    void destructionDuringCoups()
    {
        QElapsedTimer clock;
        clock.start();
        int rounds = 0;
        for (; rounds < 400 && clock.elapsed() < kRaceBudgetMs; ++rounds) {
            auto engine = std::make_unique<NoxEngine>(true);
            engine->setAsync(true);
            addBankers(*engine, 24);
            QList<QFuture<void>> futures;
            for (int v : randomValues(1 + rounds % 12, quint32(rounds))) {
                futures.append(engine->playValueInternal(v, true));
            }
            if (rounds % 3 == 0) {
                futures.append(engine->cancelPlay());
                futures.append(engine->truncatePlayedItems(2));
            }
            engine.reset();
            // Every future is settled: run to its end or discarded, never left waiting.
            for (const QFuture<void> &f : std::as_const(futures)) {
                QVERIFY(f.isFinished());
            }
        }
        QVERIFY(rounds >= 20);
    }

    void asyncSwitchedOffWhileTasksQueued()
    {
        QElapsedTimer clock;
        clock.start();
        int rounds = 0;
        for (; rounds < 300 && clock.elapsed() < kRaceBudgetMs; ++rounds) {
            std::atomic<int> faults{0};
            NoxEngine engine(true);
            engine.setAsync(true);
            addBankers(engine, 8);
            engine.addMethodState(new NoxMethodState(new SequenceMethod(&faults)));
            for (int i = 0; i < 20; ++i) {
                engine.playValueInternal(i % 3, true);
            }
            // Another thread keeps playing while the queue drains: its plays run inline
            // from the switch on and must never overlap a queued one.
            std::thread other([&engine] {
                for (int i = 0; i < 20; ++i) {
                    engine.playValueInternal(2, i % 5 == 0);
                }
            });
            engine.setAsync(false);
            other.join();
            QCOMPARE(engine.playedValues().size(), 40);
            QCOMPARE(engine.methodState(0)->historyLength(), 40);
            QCOMPARE(faults.load(), 0);
            if (rounds % 2 == 0) {
                engine.setAsync(true); // and back on: the engine still serves
                engine.playValueInternal(1).waitForFinished();
                QCOMPARE(engine.playedValues().size(), 41);
            }
        }
        QVERIFY(rounds >= 20);
    }

    void destructionDuringImport()
    {
        QElapsedTimer clock;
        clock.start();
        int rounds = 0;
        const QList<int> values = randomValues(3000, 7);
        for (; rounds < 300 && clock.elapsed() < kRaceBudgetMs; ++rounds) {
            auto engine = std::make_unique<NoxEngine>(true);
            engine->setAsync(true);
            addBankers(*engine, 6);
            QFuture<void> batch = engine->playValues(values);
            std::this_thread::sleep_for(std::chrono::microseconds(rounds % 7 * 150));
            engine.reset();
            QVERIFY(batch.isFinished());
        }
        QVERIFY(rounds >= 20);
    }

    void importIntoEngineWithAsyncOff()
    {
        NoxEngine engine(true);
        addBankers(engine, 2);
        QSignalSpy states(&engine, &NoxEngine::methodStatesChanged);
        QFuture<void> batch = engine.playValues({1, 2, 2, 0, 1});
        QVERIFY(batch.isFinished());
        QCOMPARE(batch.progressMinimum(), 0);
        QCOMPARE(batch.progressMaximum(), 5);
        QCOMPARE(batch.progressValue(), 5);
        QCOMPARE(engine.playedValues().size(), 5);
        QCOMPARE(states.size(), 1);
    }

    void exceptionsStayInTheirTask_data()
    {
        QTest::addColumn<bool>("async");
        QTest::addColumn<int>("where");
        for (bool async : {false, true}) {
            const char *mode = async ? "async" : "inline";
            QTest::addRow("%s process", mode) << async << int(ThrowingMethod::InProcess);
            QTest::addRow("%s commit", mode) << async << int(ThrowingMethod::InCommit);
            QTest::addRow("%s rollback", mode) << async << int(ThrowingMethod::InRollback);
        }
    }

    void exceptionsStayInTheirTask()
    {
        QFETCH(bool, async);
        QFETCH(int, where);
        QElapsedTimer clock;
        clock.start();
        for (int round = 0; round < 60 && clock.elapsed() < kRaceBudgetMs / 3; ++round) {
            NoxEngine engine(true);
            engine.setAsync(async);
            addBankers(engine, 7);
            // In the middle of the list, so that it throws on a pool thread when async.
            engine.addMethodState(new NoxMethodState(new ThrowingMethod(ThrowingMethod::Where(where))));
            addBankers(engine, 4);
            QSignalSpy items(&engine, &NoxEngine::itemsToPlayChanged);
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("Task failed: .* failed")));
            QFuture<void> first = engine.playValueInternal(1);
            QFuture<void> tie = engine.playValueInternal(0);
            QFuture<void> undo;
            if (where == ThrowingMethod::InRollback) {
                undo = engine.cancelPlay();
            }
            QFuture<void> after = engine.playValueInternal(2);
            first.waitForFinished();
            QFuture<void> failed = where == ThrowingMethod::InRollback ? undo : tie;
            QVERIFY_THROWS_EXCEPTION(std::runtime_error, failed.waitForFinished());
            after.waitForFinished(); // the engine went on
            const qsizetype expected = where == ThrowingMethod::InRollback ? 2 : 3;
            QCOMPARE(engine.playedValues().size(), expected);
            // Every other method saw every value, and the signals of the failed task came.
            for (int i : {0, 6, 8, 11}) {
                QCOMPARE(engine.methodState(i)->historyLength(), int(expected));
            }
            QTRY_COMPARE(items.size(), where == ThrowingMethod::InRollback ? 4 : 3);
        }
    }

    void negativeTruncationCountsKeepTheHistory()
    {
        NoxEngine engine(true);
        addBankers(engine, 2);
        for (int v : {1, 2, 1, 2, 0, 1}) {
            engine.playValueInternal(v);
        }
        NoxEngineConfig config = engine.config();
        config.truncateCount = -4;
        engine.setConfig(config);
        QSignalSpy played(&engine, &NoxEngine::playedValuesChanged);
        engine.truncatePlayedItems(-1).waitForFinished();
        engine.truncatePlayedItems(-30).waitForFinished();
        QCOMPARE(engine.playedValues(), (QList<int>{1, 2, 1, 2, 0, 1}));
        QCOMPARE(played.size(), 0);
        config.truncateCount = 2;
        engine.setConfig(config);
        engine.truncatePlayedItems(-1).waitForFinished();
        QCOMPARE(engine.playedValues(), (QList<int>{0, 1}));
        QCOMPARE(engine.methodState(0)->historyLength(), 2);
        engine.truncatePlayedItems(0).waitForFinished();
        QVERIFY(engine.playedValues().isEmpty());
        QCOMPARE(engine.methodState(0)->historyLength(), 0);
    }
};

QTEST_GUILESS_MAIN(TestEngineLifecycle)
#include "tst_enginelifecycle.moc"
