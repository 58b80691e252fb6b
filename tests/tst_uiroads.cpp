#include "engine/noxengine.h"
#include "roads/noxroads.h"
#include "uiroads.h"
#include "uitestsupport.h"
#include "uiwrapper.h"

#include <QSignalSpy>
#include <QtTest>

#include <memory>

using Nox::NoxDerivedRoad;
using Nox::NoxRoads;
using NoxTest::EngineRoot;

namespace {

constexpr int T = NoxRoads::kTie;
constexpr int P = NoxRoads::kPlayer;
constexpr int B = NoxRoads::kBanker;

void settle()
{
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::processEvents();
    }
}

void play(Nox::NoxEngine *engine, const QList<int> &results)
{
    for (int r : results) {
        engine->playValueInternal(r, true).waitForFinished();
    }
    settle();
}

/// The marks NoxRoads::ask gives after `results`, as UIRoads reports them.
QList<int> expectedAsk(const QList<int> &results, int winner)
{
    NoxRoads roads;
    for (int r : results) {
        roads.append(r);
    }
    QList<int> marks;
    for (auto kind : {NoxDerivedRoad::Kind::BigEyeBoy, NoxDerivedRoad::Kind::SmallRoad,
                      NoxDerivedRoad::Kind::CockroachPig}) {
        const auto mark = roads.ask(winner, kind);
        marks.append(mark ? int(*mark) : int(UIRoads::NoMark));
    }
    return marks;
}

} // namespace

/// UIRoads against a real engine: the snapshot follows every change of the engine's roads, a
/// burst of changes gives one refresh, the counts and the ask marks are those of the shoe, an
/// ask previews the winner without playing it and ends when the roads change or its time is
/// up, and a new shoe goes through the engine.
class TestUIRoads : public QObject
{
    Q_OBJECT

private slots:
    void snapshotFollowsPlaysUndoAndCut()
    {
        EngineRoot root;
        Nox::NoxEngine *engine = root.engine();
        UIRoads roads(engine);
        QSignalSpy changed(&roads, &UIRoads::roadsChanged);
        QCOMPARE(roads.coupCount(), 0);
        QVERIFY(!roads.canStartNewShoe());

        play(engine, {B, P, T, P, P, B});
        QVERIFY(changed.count() >= 1);
        QCOMPARE(roads.roads().shoe(), QByteArrayView("\x02\x01\x00\x01\x01\x02", 6));
        QCOMPARE(roads.coupCount(), 6);
        QCOMPARE(roads.bankerCount(), 2);
        QCOMPARE(roads.playerCount(), 3);
        QCOMPARE(roads.tieCount(), 1);
        QCOMPARE(roads.roads().bigRoadColumnCount(), 3);
        QVERIFY(roads.canStartNewShoe());

        engine->cancelPlay().waitForFinished();
        settle();
        QCOMPARE(roads.coupCount(), 5);
        QCOMPARE(roads.bankerCount(), 1);
        QCOMPARE(roads.roads().bigRoadColumnCount(), 2);

        engine->truncatePlayedItems(2).waitForFinished();
        settle();
        QCOMPARE(roads.roads().shoe(), engine->roads().shoe());
        QCOMPARE(roads.coupCount(), 2);

        engine->restart(true, true);
        settle();
        QCOMPARE(roads.coupCount(), 0);
        QCOMPARE(roads.roads().bigRoadColumnCount(), 0);
    }

    // The engine signals from its task thread: twenty coups played while the GUI thread is
    // busy cost one copy of the roads, not twenty.
    void burstOfCoupsGivesOneRefresh()
    {
        EngineRoot root(true, true);
        Nox::NoxEngine *engine = root.engine();
        UIRoads roads(engine);
        settle();
        QSignalSpy changed(&roads, &UIRoads::roadsChanged);
        QFuture<void> last;
        for (int i = 0; i < 20; ++i) {
            last = engine->playValueInternal(i % 3 == 0 ? B : P, true);
        }
        last.waitForFinished();
        QTRY_COMPARE(roads.coupCount(), 20);
        settle();
        QCOMPARE(changed.count(), 1);
        QCOMPARE(roads.bankerCount(), 7);
        QCOMPARE(roads.playerCount(), 13);
    }

    void askMarksAreThoseOfTheRoads_data()
    {
        QTest::addColumn<QList<int>>("results");
        QTest::newRow("empty shoe") << QList<int>{};
        QTest::newRow("B P P P B") << QList<int>{B, P, P, P, B};
        QTest::newRow("ties and a dragon tail")
            << QList<int>{T, B, B, B, B, B, B, B, T, P, P, P, P, P, P, P, B};
        QTest::newRow("chop") << QList<int>{B, P, B, P, B, P, B, P, T, B, P};
        QTest::newRow("long shoe") << [] {
            QList<int> results;
            for (int i = 0; i < 80; ++i) {
                results.append((i * 7 + i / 5) % 11 == 0 ? T : (i * 5 + i / 3) % 3 == 0 ? P : B);
            }
            return results;
        }();
    }

    void askMarksAreThoseOfTheRoads()
    {
        QFETCH(QList<int>, results);
        EngineRoot root;
        UIRoads roads(root.engine());
        play(root.engine(), results);
        QCOMPARE(roads.bankerAsk(), expectedAsk(results, B));
        QCOMPARE(roads.playerAsk(), expectedAsk(results, P));
        if (results.isEmpty()) {
            QCOMPARE(roads.bankerAsk(), QList<int>(3, UIRoads::NoMark));
        }
    }

    // What players read on the ask buttons after B P P P B.
    void askAfterBankerThreePlayersBanker()
    {
        EngineRoot root;
        UIRoads roads(root.engine());
        play(root.engine(), {B, P, P, P, B});
        QCOMPARE(roads.bankerAsk(), (QList<int>{UIRoads::Red, UIRoads::Blue, UIRoads::NoMark}));
        QCOMPARE(roads.playerAsk(), (QList<int>{UIRoads::Blue, UIRoads::Red, UIRoads::NoMark}));
    }

    void askPreviewsWithoutPlaying()
    {
        EngineRoot root;
        Nox::NoxEngine *engine = root.engine();
        UIRoads roads(engine);
        play(engine, {B, P, P, P, B});
        QSignalSpy asked(&roads, &UIRoads::askChanged);

        roads.setAskWinner(UIRoads::Banker);
        QCOMPARE(roads.askWinner(), UIRoads::Banker);
        QCOMPARE(asked.count(), 1);
        QCOMPARE(roads.preview().shoe(), QByteArrayView("\x02\x01\x01\x01\x02\x02", 6));
        QCOMPARE(roads.roads().shoe().size(), 5);
        QCOMPARE(engine->playedValues().size(), 5);
        // The preview's derived roads hold the marks the ask buttons show.
        const auto lastMark = [&roads](NoxDerivedRoad::Kind kind) {
            return int(roads.preview().derivedRoad(kind).marks().back());
        };
        QCOMPARE(lastMark(NoxDerivedRoad::Kind::BigEyeBoy), roads.bankerAsk().at(0));
        QCOMPARE(lastMark(NoxDerivedRoad::Kind::SmallRoad), roads.bankerAsk().at(1));
        QCOMPARE(roads.preview().derivedRoad(NoxDerivedRoad::Kind::CockroachPig).marks().size(),
                 roads.roads().derivedRoad(NoxDerivedRoad::Kind::CockroachPig).marks().size());

        roads.setAskWinner(UIRoads::Player);
        QCOMPARE(roads.preview().shoe().back(), char(P));
        QCOMPARE(roads.preview().shoe().size(), 6);
        QCOMPARE(lastMark(NoxDerivedRoad::Kind::BigEyeBoy), roads.playerAsk().at(0));

        // A result played ends the ask; the preview is the snapshot again.
        play(engine, {T});
        QCOMPARE(roads.askWinner(), UIRoads::NoWinner);
        QCOMPARE(roads.preview().shoe(), roads.roads().shoe());
        QCOMPARE(roads.tieCount(), 1);

        // So does an undo.
        roads.setAskWinner(UIRoads::Banker);
        engine->cancelPlay().waitForFinished();
        settle();
        QCOMPARE(roads.askWinner(), UIRoads::NoWinner);

        // A tie is never asked about.
        roads.setAskWinner(UIRoads::Winner(T + 7));
        QCOMPARE(roads.askWinner(), UIRoads::NoWinner);
    }

    void askEndsAfterItsDuration()
    {
        EngineRoot root;
        UIRoads roads(root.engine());
        QCOMPARE(roads.askDuration(), UIRoads::kAskDuration);
        play(root.engine(), {P});
        roads.setAskDuration(80);
        roads.setAskWinner(UIRoads::Player);
        QCOMPARE(roads.preview().bigRoadEntries().size(), 2u);
        QTRY_COMPARE_WITH_TIMEOUT(roads.askWinner(), UIRoads::NoWinner, 2000);
        QCOMPARE(roads.preview().bigRoadEntries().size(), 1u);
        // Asking again restarts the time.
        roads.setAskWinner(UIRoads::Banker);
        QTest::qWait(50);
        roads.setAskWinner(UIRoads::Banker);
        QTest::qWait(50);
        QCOMPARE(roads.askWinner(), UIRoads::Banker);
        QTRY_COMPARE_WITH_TIMEOUT(roads.askWinner(), UIRoads::NoWinner, 2000);
    }

    void tiesOnlyShoe()
    {
        EngineRoot root;
        UIRoads roads(root.engine());
        play(root.engine(), {T, T, T});
        QCOMPARE(roads.leadingTies(), 3);
        QCOMPARE(roads.tieCount(), 3);
        QCOMPARE(roads.coupCount(), 3);
        QVERIFY(roads.roads().bigRoadEntries().empty());
        QVERIFY(roads.canStartNewShoe());
        // The first result takes the ties on its cell.
        roads.setAskWinner(UIRoads::Banker);
        QCOMPARE(roads.preview().bigRoadEntries().front().ties, 3);
    }

    void newShoeGoesThroughTheEngine()
    {
        EngineRoot root;
        Nox::NoxEngine *engine = root.engine();
        UIWrapper ui(&root);
        UIRoads *roads = ui.roads();
        QVERIFY(roads);
        QCOMPARE(roads->shoeNumber(), 1);

        // Nothing to end in an empty shoe.
        roads->newShoe();
        settle();
        QCOMPARE(roads->shoeNumber(), 1);
        QVERIFY(engine->shoeStarts().isEmpty());

        play(engine, {B, P, P, T, P, B});
        roads->setAskWinner(UIRoads::Player);
        roads->newShoe();
        settle();
        QCOMPARE(engine->shoeStarts(), QList<qsizetype>{6});
        QCOMPARE(roads->shoeNumber(), 2);
        QCOMPARE(roads->coupCount(), 0);
        QCOMPARE(roads->tieCount(), 0);
        QVERIFY(!roads->canStartNewShoe());
        QCOMPARE(roads->askWinner(), UIRoads::NoWinner);
        QCOMPARE(roads->bankerAsk(), QList<int>(3, UIRoads::NoMark));
        // The history is kept: the played list still holds every result.
        QCOMPARE(engine->playedValues().size(), 6);

        play(engine, {P});
        ui.newShoe();
        settle();
        QCOMPARE(engine->shoeStarts(), (QList<qsizetype>{6, 7}));
        QCOMPARE(roads->shoeNumber(), 3);

        // Undoing the first coup of a shoe leaves it empty; once more goes back into the
        // previous shoe, whose roads come back.
        engine->cancelPlay().waitForFinished();
        settle();
        QCOMPARE(roads->shoeNumber(), 2);
        QCOMPARE(roads->coupCount(), 0);
        engine->cancelPlay().waitForFinished();
        settle();
        QCOMPARE(roads->shoeNumber(), 1);
        QCOMPARE(roads->coupCount(), 5);
        QCOMPARE(roads->roads().shoe(), engine->roads().shoe());
    }

    void rouletteHasNoRoads()
    {
        EngineRoot root(false);
        UIRoads roads(root.engine());
        play(root.engine(), {17, 2, 0});
        QCOMPARE(roads.coupCount(), 0);
        QVERIFY(!roads.canStartNewShoe());
        roads.newShoe();
        settle();
        QVERIFY(root.engine()->shoeStarts().isEmpty());
    }

    void noEngine()
    {
        UIRoads roads(nullptr);
        roads.refresh();
        roads.newShoe();
        QCOMPARE(roads.coupCount(), 0);
        QCOMPARE(roads.shoeNumber(), 1);
    }
};

QTEST_MAIN(TestUIRoads)
#include "tst_uiroads.moc"
