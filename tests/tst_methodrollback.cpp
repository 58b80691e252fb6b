// Withdrawing a result must leave every method exactly as it was before that result.

#include "core/noxmethod.h"
#include "core/noxmethodmetrics.h"
#include "core/noxmethodstate.h"
#include "engine/noxengine.h"
#include "enginesnapshot.h"
#include "methods/methodeauto.h"
#include "methods/methodpattern.h"
#include "testsupport.h"

#include <QRandomGenerator>
#include <QtTest>

#include <cmath>

using namespace Nox;

namespace {

QStringList snapshot(const NoxEngine &engine)
{
    QStringList all;
    for (const NoxMethodState *s : engine.methodStates()) {
        all << NoxTest::describeState(s);
    }
    return all;
}

int randomCoup(QRandomGenerator &rng)
{
    const int r = int(rng.bounded(100));
    return r < 10 ? 0 : (r < 55 ? 1 : 2);
}

void compareSnapshots(const QStringList &actual, const QStringList &expected, const NoxEngine &engine)
{
    QCOMPARE(actual.size(), expected.size());
    for (int i = 0; i < actual.size(); ++i) {
        if (actual.at(i) != expected.at(i)) {
            QFAIL(
                qPrintable(QStringLiteral("%1 differs:\n%2\n---- expected ----\n%3")
                               .arg(engine.methodState(i)->method()->name(), actual.at(i), expected.at(i))));
        }
    }
}

} // namespace

class TestMethodRollback : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLoggingCategory::setFilterRules(QStringLiteral("nox.engine.debug=false")); }

    void cancelRestoresEveryMethod_data()
    {
        QTest::addColumn<bool>("async");
        QTest::newRow("inline") << false;
        QTest::newRow("async") << true;
    }

    void cancelRestoresEveryMethod()
    {
        QFETCH(bool, async);
        NoxEngine engine(true);
        engine.setAsync(async);
        engine.loadMethods();
        for (int i = 0; i < 78; i += 5) {
            engine.setMethodActive(i, true);
        }
        QRandomGenerator rng(async ? 11 : 12);
        for (int round = 0; round < 12; ++round) {
            engine.restart(true, true);
            const int length = 1 + int(rng.bounded(70));
            QList<QStringList> before;
            for (int i = 0; i < length; ++i) {
                before << snapshot(engine);
                engine.playValueInternal(randomCoup(rng), true).waitForFinished();
            }
            // Withdraw the last few results one by one.
            const int withdraw = std::min(length, 1 + int(rng.bounded(4)));
            for (int k = 0; k < withdraw; ++k) {
                engine.cancelPlay().waitForFinished();
                compareSnapshots(snapshot(engine), before.takeLast(), engine);
            }
        }
    }

    // Long histories keep only the newest points of each closed profit curve and the open
    // part's number sums: withdrawing many results (wins among them) recomputes the older ones.
    void longHistoryWithdrawsToTheSameCurves()
    {
        const auto curves = [](const NoxEngine &engine) {
            QStringList all;
            for (const NoxMethodState *s : engine.methodStates()) {
                QStringList points;
                for (bool repeated : {false, true}) {
                    for (int p : s->profitCurve(repeated)) {
                        points << QString::number(p);
                    }
                    points << QStringLiteral("|");
                }
                all << NoxTest::describeState(s) + QLatin1Char('\n') + points.join(QLatin1Char(' ')) +
                           QStringLiteral("\nsum=%1 neutral=%2 gaps=%3")
                               .arg(s->numbersSum())
                               .arg(s->neutralZeros())
                               .arg(s->gapList(true).size());
            }
            return all;
        };
        NoxEngine engine(true);
        engine.loadMethods();
        QRandomGenerator rng(21);
        QList<int> values;
        for (int i = 0; i < 400; ++i) {
            values << randomCoup(rng);
        }
        engine.playValues(values).waitForFinished();
        QList<QStringList> before;
        for (int i = 0; i < 60; ++i) {
            before << curves(engine);
            engine.playValueInternal(randomCoup(rng), true).waitForFinished();
        }
        while (!before.isEmpty()) {
            engine.cancelPlay().waitForFinished();
            compareSnapshots(curves(engine), before.takeLast(), engine);
        }

        // The same history played afresh gives the same curves.
        NoxEngine fresh(true);
        fresh.loadMethods();
        fresh.playValues(values).waitForFinished();
        compareSnapshots(curves(fresh), curves(engine), engine);
    }

    // The runs the orderings score with are moved on coup by coup and walked anew after an undo
    // or a change of window or threshold: at every step they read like a walk of the records.
    void keptRunsReadLikeAWalk()
    {
        QRandomGenerator rng(5);
        NoxEngine engine(true);
        engine.loadMethods();
        const auto check = [&engine](int step) {
            for (const NoxMethodState *s : engine.methodStates()) {
                const QString d = NoxTest::describeState(s);
                QVERIFY2(!d.contains(QStringLiteral("runs=")),
                         qPrintable(QStringLiteral("step %1, %2: %3").arg(step).arg(s->method()->name(), d)));
            }
        };
        for (int step = 0; step < 240; ++step) {
            if (step == 80 || step == 160) {
                // A short window fills and slides; a lower threshold lengthens the high runs.
                for (NoxMethodState *s : engine.methodStates()) {
                    s->setShortTermWindow(step == 80 ? 6 : 1);
                    s->setTendencyOffset(step == 80 ? -40.0 : 15.0);
                }
            }
            if (engine.playedValues().size() > 0 && rng.bounded(5) == 0) {
                engine.cancelPlay().waitForFinished();
            } else {
                engine.playValueInternal(randomCoup(rng), true).waitForFinished();
            }
            check(step);
        }
    }

    // Undoing results and playing others, with every view read along the way (the views keep
    // what they computed), ends exactly like the final history played afresh.
    void undoAndReplayEqualsAFreshReplay()
    {
        QRandomGenerator rng(21);
        NoxEngine engine(true);
        engine.loadMethods();
        for (int step = 0; step < 160; ++step) {
            if (engine.playedValues().size() > 0 && rng.bounded(4) == 0) {
                engine.cancelPlay().waitForFinished();
            } else {
                engine.playValueInternal(randomCoup(rng), true).waitForFinished();
            }
            if (step % 3 == 0) {
                (void)snapshot(engine);
            }
        }
        NoxEngine fresh(true);
        fresh.loadMethods();
        fresh.playValues(engine.playedValues()).waitForFinished();
        compareSnapshots(snapshot(fresh), snapshot(engine), engine);
    }

    void truncateEqualsPlayingTheTail()
    {
        QRandomGenerator rng(3);
        QList<int> values;
        for (int i = 0; i < 120; ++i) {
            values << randomCoup(rng);
        }
        NoxEngine full(true);
        full.loadMethods();
        full.playValues(values).waitForFinished();
        full.truncatePlayedItems(40).waitForFinished();

        NoxEngine tail(true);
        tail.loadMethods();
        tail.playValues(values.mid(80)).waitForFinished();
        QCOMPARE(full.playedValues(), tail.playedValues());
        compareSnapshots(snapshot(full), snapshot(tail), tail);
    }

    // The same session, inline and async with every step fanned out to the method pool (and
    // with the adaptive choice), gives the same methods, bets and money.
    void asyncAndInlineAgree()
    {
        QRandomGenerator rng(9);
        QList<int> values;
        for (int i = 0; i < 150; ++i) {
            values << randomCoup(rng);
        }
        const auto run = [&values](bool async, qint64 threshold) {
            auto engine = std::make_unique<NoxEngine>(true);
            engine->setAsync(async);
            engine->setParallelStepThreshold(threshold);
            engine->loadMethods();
            engine->restart(true, true);
            for (int i = 0; i < 78; i += 3) {
                engine->setMethodActive(i, true);
            }
            engine->playValues(values.mid(0, 100)).waitForFinished();
            for (int v : values.mid(100)) {
                engine->playValueInternal(v);
            }
            engine->cancelPlay();
            engine->truncatePlayedItems(60).waitForFinished();
            return engine;
        };
        const auto inlined = run(false, 0);
        for (qint64 threshold : {qint64(0), qint64(-1)}) {
            const auto async = run(true, threshold);
            QCOMPARE(async->playedValues(), inlined->playedValues());
            compareSnapshots(snapshot(*async), snapshot(*inlined), *inlined);
            QCOMPARE(async->itemsToPlay(), inlined->itemsToPlay());
            QCOMPARE(async->financial().capital, inlined->financial().capital);
        }
    }

    // An engine that one thread alone plays (a backtest: no method lock, every step serial)
    // gives the same methods, bets and money through plays, undos and a truncation, also for
    // a method added after it was set. The bets a coup was settled with are the ones proposed
    // just before it.
    void singleThreadedEngineAgrees()
    {
        QRandomGenerator rng(17);
        QList<int> values;
        for (int i = 0; i < 140; ++i) {
            values << randomCoup(rng);
        }
        const auto run = [&values](bool single) {
            auto engine = std::make_unique<NoxEngine>(true);
            engine->setSingleThreaded(single);
            engine->loadMethods();
            engine->addMethodState(
                NoxTest::fixedState(QStringLiteral("late"), NoxMethodType::cs, {NoxBetItemID::B_PLAYER}));
            engine->restart(true, true);
            for (int i = 0; i < 80; i += 4) {
                engine->setMethodActive(i, true);
            }
            for (qsizetype i = 0; i < values.size(); ++i) {
                const NoxBetList proposed = engine->itemsToPlay();
                // A backtest plays without a future.
                if (single) {
                    if (!engine->playNow(values.at(i))) {
                        qWarning("coup %lld was not played", qlonglong(i));
                        return std::unique_ptr<NoxEngine>();
                    }
                } else {
                    engine->playValueInternal(values.at(i)).waitForFinished();
                }
                if (engine->settledBets() != proposed) {
                    qWarning("coup %lld was settled with other bets than proposed", qlonglong(i));
                    return std::unique_ptr<NoxEngine>();
                }
                if (i % 9 == 8) {
                    engine->cancelPlay().waitForFinished();
                }
            }
            engine->truncatePlayedItems(50).waitForFinished();
            return engine;
        };
        const auto locked = run(false);
        const auto single = run(true);
        QVERIFY(locked && single);
        for (const NoxMethodState *s : single->methodStates()) {
            QVERIFY2(!s->method()->mutex().isLocking(), qPrintable(s->method()->name()));
        }
        for (const NoxMethodState *s : locked->methodStates()) {
            QVERIFY(s->method()->mutex().isLocking());
        }
        QCOMPARE(single->playedValues(), locked->playedValues());
        compareSnapshots(snapshot(*single), snapshot(*locked), *locked);
        QCOMPARE(single->itemsToPlay(), locked->itemsToPlay());
        QCOMPARE(single->financial().capital, locked->financial().capital);
        QVERIFY(!single->settledBets().isEmpty());
        single->restart(true, true);
        QVERIFY(single->settledBets().isEmpty());
    }

    void reloadCatchesUpWithTheHistory()
    {
        QRandomGenerator rng(5);
        QList<int> values;
        for (int i = 0; i < 50; ++i) {
            values << randomCoup(rng);
        }
        NoxEngine reloaded(true);
        reloaded.loadMethods();
        reloaded.playValues(values).waitForFinished();
        reloaded.loadMethods();

        NoxEngine fresh(true);
        fresh.loadMethods();
        fresh.playValues(values).waitForFinished();
        compareSnapshots(snapshot(reloaded), snapshot(fresh), fresh);
    }
};

QTEST_GUILESS_MAIN(TestMethodRollback)
#include "tst_methodrollback.moc"
