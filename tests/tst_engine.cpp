#include "core/noxmethod.h"
#include "core/noxmethodstate.h"
#include "engine/noxengine.h"
#include "testsupport.h"

#include <QtTest>

using namespace Nox;

using NoxTest::fixedState;

class TestEngine : public QObject
{
    Q_OBJECT

private slots:
    void settlementAndAggregation()
    {
        NoxEngine engine(true);
        engine.addMethodState(
            fixedState(QStringLiteral("BANKER"), NoxMethodType::cs, {NoxBetItemID::B_BANKER}));
        engine.addMethodState(
            fixedState(QStringLiteral("PLAYER"), NoxMethodType::cs, {NoxBetItemID::B_PLAYER}));
        engine.restart(true, true);
        engine.setMethodActive(0, true);
        engine.setMethodActive(1, true);
        const int before = engine.financial().capital;
        engine.playValueInternal(2, true).waitForFinished();
        QCOMPARE(engine.financial().capital - before, -1); // +9 on banker, -10 on player
        QCOMPARE(engine.financialStats().betLossCount, 1);
        QCOMPARE(engine.playedValues(), (QList<int>{2}));
    }

    void pleinOnceDozenTwice()
    {
        NoxEngine engine(false);
        engine.addMethodState(fixedState(QStringLiteral("a"), NoxMethodType::plein, {NoxBetItemID::N17}));
        engine.addMethodState(fixedState(QStringLiteral("b"), NoxMethodType::plein, {NoxBetItemID::N17}));
        engine.addMethodState(fixedState(QStringLiteral("c"), NoxMethodType::douz, {NoxBetItemID::DZ1}));
        engine.addMethodState(fixedState(QStringLiteral("d"), NoxMethodType::douz, {NoxBetItemID::DZ1}));
        for (int i = 0; i < 4; ++i) {
            engine.setMethodActive(i, true);
        }
        const NoxBetList bets = engine.itemsToPlay();
        QCOMPARE(bets.size(), 2);
        QCOMPARE(bets.at(0).id, NoxBetItemID::N17);
        QCOMPARE(bets.at(0).bet, 10);
        QCOMPARE(bets.at(1).id, NoxBetItemID::DZ1);
        QCOMPARE(bets.at(1).bet, 20);
    }

    // Several methods switched on at once: the same bets and stake as one at a time, one
    // update of the bets, a change signal for each method that changed.
    void severalMethodsActivatedAtOnce()
    {
        const auto make = [](NoxEngine &engine) {
            engine.addMethodState(fixedState(QStringLiteral("a"), NoxMethodType::plein, {NoxBetItemID::N17}));
            engine.addMethodState(fixedState(QStringLiteral("b"), NoxMethodType::douz, {NoxBetItemID::DZ1}));
            engine.addMethodState(fixedState(QStringLiteral("c"), NoxMethodType::cs, {NoxBetItemID::CS_R}));
            engine.restart(true, true);
        };
        NoxEngine one(false);
        make(one);
        one.setMethodActive(0, true);
        one.setMethodActive(2, true);
        NoxEngine all(false);
        make(all);
        all.setMethodActive(2, true);
        QSignalSpy methodChanged(&all, &NoxEngine::methodStateChanged);
        QSignalSpy betsChanged(&all, &NoxEngine::itemsToPlayChanged);
        all.setMethodsActive({0, 2, 99}, true); // 2 is already on, 99 does not exist
        QCOMPARE(methodChanged.size(), 1);
        QCOMPARE(methodChanged.first().first().toInt(), 0);
        QCOMPARE(betsChanged.size(), 1);
        QVERIFY(all.methodState(0)->isActive());
        QVERIFY(!all.methodState(1)->isActive());
        QCOMPARE(all.itemsToPlay().size(), one.itemsToPlay().size());
        for (qsizetype i = 0; i < one.itemsToPlay().size(); ++i) {
            QCOMPARE(all.itemsToPlay().at(i).id, one.itemsToPlay().at(i).id);
            QCOMPARE(all.itemsToPlay().at(i).bet, one.itemsToPlay().at(i).bet);
        }
        QCOMPARE(all.financial().mise, one.financial().mise);
        QVERIFY(all.financial().mise > 0);
        all.setMethodsActive({2}, true);
        QCOMPARE(betsChanged.size(), 1); // nothing changed, nothing announced
        all.setMethodsActive({0, 2}, false);
        QCOMPARE(all.financial().mise, 0);
    }

    void nettingOfOppositeChances()
    {
        NoxEngine engine(false);
        for (int i = 0; i < 3; ++i) {
            engine.addMethodState(
                fixedState(QStringLiteral("r%1").arg(i), NoxMethodType::cs, {NoxBetItemID::CS_R}));
        }
        engine.addMethodState(fixedState(QStringLiteral("n"), NoxMethodType::cs, {NoxBetItemID::CS_N}));
        for (int i = 0; i < 4; ++i) {
            engine.setMethodActive(i, true);
        }
        NoxFinancial f = engine.financial();
        f.cs.diff0 = true;
        engine.setFinancialConfig(f);
        const NoxBetList bets = engine.itemsToPlay();
        QCOMPARE(bets.size(), 2);
        QCOMPARE(bets.at(0).id, NoxBetItemID::CS_R);
        QCOMPARE(bets.at(0).bet, 20);
        QCOMPARE(bets.at(1).bet, 0);
    }

    void asyncOrderAndCancel()
    {
        NoxEngine engine(true);
        engine.setAsync(true);
        engine.addMethodState(
            fixedState(QStringLiteral("BANKER"), NoxMethodType::cs, {NoxBetItemID::B_BANKER}));
        QSignalSpy states(&engine, &NoxEngine::methodStatesChanged);
        QList<QFuture<void>> futures;
        for (int v : {1, 2, 0, 2, 2}) {
            futures.append(engine.playValueInternal(v, true));
        }
        for (auto &f : futures) {
            f.waitForFinished();
        }
        QCOMPARE(engine.playedValues(), (QList<int>{1, 2, 0, 2, 2}));
        QCOMPARE(states.count(), 5);
        QCOMPARE(engine.methodState(0)->nbWins(), 3);
        engine.cancelPlay().waitForFinished();
        QCOMPARE(engine.methodState(0)->nbWins(), 2);
        QCOMPARE(engine.playedValues().size(), 4);
        engine.truncatePlayedItems(2).waitForFinished();
        QCOMPARE(engine.playedValues(), (QList<int>{0, 2}));
        QCOMPARE(engine.methodState(0)->historyLength(), 2);
    }

    void batchFromSeveralThreads()
    {
        NoxEngine engine(true);
        engine.setAsync(true);
        engine.addMethodState(
            fixedState(QStringLiteral("BANKER"), NoxMethodType::cs, {NoxBetItemID::B_BANKER}));
        QSignalSpy states(&engine, &NoxEngine::methodStatesChanged);
        QList<int> batch;
        for (int i = 0; i < 300; ++i) {
            batch.append(i % 3);
        }
        QFuture<void> a = engine.playValues(batch);
        QFuture<void> b = engine.playValues(batch);
        a.waitForFinished();
        b.waitForFinished();
        QCOMPARE(a.progressValue(), 300);
        QCOMPARE(engine.playedValues().size(), 600);
        QCOMPARE(engine.methodState(0)->historyLength(), 600);
        QCOMPARE(engine.methodState(0)->nbWins(), 200);
        QTRY_COMPARE(states.count(), 2); // one refresh per batch, not one per coup
    }

    void playLimit()
    {
        NoxEngine engine(true);
        for (int i = 0; i < NoxEngine::kMaxPlayed; ++i) {
            engine.playValueInternal(1, false);
        }
        QCOMPARE(engine.playedValues().size(), NoxEngine::kMaxPlayed);
        QTest::ignoreMessage(QtWarningMsg, "Reach max play limits");
        engine.playValueInternal(1, true);
        QCOMPARE(engine.playedValues().size(), NoxEngine::kMaxPlayed);
    }
};

QTEST_GUILESS_MAIN(TestEngine)
#include "tst_engine.moc"
