#include "autobet/noxbetplacement.h"
#include "autobet/noxclickplanner.h"
#include "calibration/noxcalibration.h"
#include "recordinginput.h"
#include "testsupport.h"

#include <QTest>

using namespace Nox;
using Id = NoxBetItemID;
using Event = NoxTest::RecordingInput::Event;

namespace {

NoxBet bet(Id id, int amount, int flags = 0)
{
    NoxBet b;
    b.id = id;
    b.bet = amount;
    b.flags = flags;
    return b;
}

NoxCalibrationItem item(Id id, double x, double y, int value = 0)
{
    NoxCalibrationItem it;
    it.itemId = id;
    it.x = x;
    it.y = y;
    it.active = true;
    it.value = value;
    return it;
}

const QPoint kChip1(100, 900);
const QPoint kChip2(150, 900);
const QPoint kPlayer(400, 500);
const QPoint kBanker(600, 500);
const QPoint kTie(500, 400);
const QPoint kDouble(700, 900);

/// A baccarat table calibrated with chips of 0.10 and 0.50.
void calibrate(NoxCalibration &c)
{
    c.setCalibrationItems({item(Id::JETON_1, kChip1.x() + 0.7, kChip1.y() + 0.2, 10),
                           item(Id::JETON_2, kChip2.x(), kChip2.y(), 50),
                           item(Id::B_PLAYER, kPlayer.x(), kPlayer.y()),
                           item(Id::B_BANKER, kBanker.x(), kBanker.y()), item(Id::B_TIE, kTie.x(), kTie.y()),
                           item(Id::X_DBL, kDouble.x(), kDouble.y())});
}

/// Collects the autobet debug lines.
QStringList s_log;
void collect(QtMsgType, const QMessageLogContext &context, const QString &message)
{
    if (QByteArray(context.category) == "nox.autobet") {
        s_log.append(message);
    }
}

} // namespace

class TestBetPlacement : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanupTestCase();

    void twoClicksOnOneSpotAreSeparated();
    void specialDelayEveryWait();
    void controlStopsAfterTheClickInProgress();
    void suspendedClicksNothing();
    void emptyBetOnlyRestoresTheCursor();
    void overTheLimitClicksNothing();
    void atTheLimitIsPlaced();
    void unmakeableStakeClicksNothing();
    void noChipsClicksNothing();
    void uncalibratedPlaceClicksNothing();
    void refusedClickIsReported();
    void unreadableCursorStartsFromTheCorner();
    void previewClicksNothing();
    void previewInToggleMode();
    void placeBetsReportsTheReason();
    void stoppedBetSaysWhatIsOnTheTable_data();
    void stoppedBetSaysWhatIsOnTheTable();
    void controlStopsALargeStakePartWay();
    void completeBetCountsEveryStake();

private:
    NoxCalibration *m_calibration = nullptr;
    NoxTest::RecordingInput *m_input = nullptr;
    NoxBetPlacement *m_placement = nullptr;
    QtMessageHandler m_previous = nullptr;
};

void TestBetPlacement::initTestCase()
{
    QLoggingCategory::setFilterRules(QStringLiteral("nox.*.debug=false\nnox.autobet.debug=true"));
    m_previous = qInstallMessageHandler(collect);
}

void TestBetPlacement::cleanupTestCase()
{
    qInstallMessageHandler(m_previous);
    delete m_placement;
    delete m_input;
    delete m_calibration;
}

void TestBetPlacement::init()
{
    delete m_placement;
    delete m_input;
    delete m_calibration;
    m_calibration = new NoxCalibration;
    calibrate(*m_calibration);
    m_input = new NoxTest::RecordingInput;
    m_placement = new NoxBetPlacement(m_calibration, m_input);
    s_log.clear();
}

void TestBetPlacement::twoClicksOnOneSpotAreSeparated()
{
    // Planned as JETON_1, BANKER, BANKER: the click sequence [10001, 4002, 4002].
    const NoxBetResult result = m_placement->place({bet(Id::B_TIE, 0), bet(Id::B_BANKER, 20)});
    QVERIFY2(result.ok, qPrintable(result.reason));
    QCOMPARE(result.clicked, 3);
    QVERIFY(!result.interrupted);
    const QPoint start(5, 7);
    const QList<Event> expected = {
        {Event::Read, start, 0}, {Event::Click, kChip1, 30}, {Event::Click, kBanker, 30},
        {Event::Move, start, 0}, {Event::Sleep, {}, 30},     {Event::Click, kBanker, 30},
        {Event::Move, start, 0},
    };
    QCOMPARE(m_input->actions(), expected);
    QCOMPARE(m_input->only(Event::CtrlCheck).size(), 3);
    QCOMPARE(m_input->cursor, start);
    QCOMPARE(s_log,
             QStringList({QStringLiteral("BET 3 clicks at 30 ms "), QStringLiteral("SEND 10001 100 900"),
                          QStringLiteral("SEND 4002 600 500"), QStringLiteral("SEND 4002 600 500")}));
}

void TestBetPlacement::specialDelayEveryWait()
{
    m_calibration->setMouseClickDelay(200);
    m_calibration->setSpecialDelayMode(true);
    QVERIFY(m_placement->place({bet(Id::B_PLAYER, 20)}).ok);
    const QList<Event> clicks = m_input->only(Event::Click);
    QCOMPARE(clicks.size(), 3);
    for (const Event &e : clicks) {
        QCOMPARE(e.ms, 39);
    }
    const QList<Event> sleeps = m_input->only(Event::Sleep);
    QCOMPARE(sleeps.size(), 1);
    QCOMPARE(sleeps.first().ms, 39);
    QCOMPARE(s_log.first(), QStringLiteral("BET 3 clicks at 39 ms "));
}

void TestBetPlacement::controlStopsAfterTheClickInProgress()
{
    // Five clicks planned: 0.50 chip, PLAYER, 0.10 chip, PLAYER, BANKER.
    m_input->controlFromClick = 2;
    const NoxBetResult result = m_placement->place({bet(Id::B_PLAYER, 60), bet(Id::B_BANKER, 10)});
    QVERIFY(result.ok);
    QVERIFY(result.interrupted);
    QCOMPARE(result.planned, 5);
    QCOMPARE(result.clicked, 2);
    QVERIFY(!result.reason.isEmpty());
    QCOMPARE(m_input->only(Event::Click).size(), 2);
    QCOMPARE(m_input->events.last(), (Event{Event::Move, QPoint(5, 7), 0}));
    QCOMPARE(m_input->cursor, QPoint(5, 7));
    QVERIFY(s_log.contains(QStringLiteral("INTERRUPTED by CTRL")));
}

void TestBetPlacement::suspendedClicksNothing()
{
    const NoxBetResult result = m_placement->place({bet(Id::B_BANKER, 50, NoxBet::Suspended)});
    QVERIFY(result.ok);
    QCOMPARE(result.clicked, 0);
    QVERIFY(!result.reason.isEmpty());
    QVERIFY(m_input->only(Event::Click).isEmpty());
    QCOMPARE(m_input->cursor, QPoint(5, 7));
    QCOMPARE(s_log.first(), QStringLiteral("BET 0 clicks at 30 ms "));
}

void TestBetPlacement::emptyBetOnlyRestoresTheCursor()
{
    const NoxBetResult result = m_placement->place({});
    QVERIFY(result.ok);
    const QList<Event> expected = {{Event::Read, QPoint(5, 7), 0}, {Event::Move, QPoint(5, 7), 0}};
    QCOMPARE(m_input->events, expected);
    QCOMPARE(s_log, QStringList({QStringLiteral("BET 0 clicks at 30 ms ")}));
}

void TestBetPlacement::overTheLimitClicksNothing()
{
    m_calibration->setMaxBet(100);
    const NoxBetResult result = m_placement->place({bet(Id::B_PLAYER, 60), bet(Id::B_BANKER, 50)});
    QVERIFY(!result.ok);
    QVERIFY2(result.reason.contains(QStringLiteral("1.10")) && result.reason.contains(QStringLiteral("1.00")),
             qPrintable(result.reason));
    QVERIFY(m_input->events.isEmpty());
    const NoxBetPlan plan = m_placement->preview({bet(Id::B_PLAYER, 60), bet(Id::B_BANKER, 50)});
    QVERIFY(!plan.ok);
    QCOMPARE(plan.total, 110);
}

void TestBetPlacement::atTheLimitIsPlaced()
{
    m_calibration->setMaxBet(110);
    QVERIFY(m_placement->place({bet(Id::B_PLAYER, 60), bet(Id::B_BANKER, 50)}).ok);
    QCOMPARE(m_input->only(Event::Click).size(), 5);
}

void TestBetPlacement::unmakeableStakeClicksNothing()
{
    QString reason;
    QVERIFY(!m_placement->placeBets({bet(Id::B_PLAYER, 50), bet(Id::B_BANKER, 15)}, &reason));
    QVERIFY(reason.contains(QStringLiteral("BANKER")));
    QVERIFY(m_input->events.isEmpty());
}

void TestBetPlacement::noChipsClicksNothing()
{
    NoxCalibrationItem first = *m_calibration->calibrationItem(Id::JETON_1);
    first.active = false;
    m_calibration->setCalibrationItems({first});
    const NoxBetResult result = m_placement->place({bet(Id::B_PLAYER, 50)});
    QVERIFY(!result.ok);
    QVERIFY(!result.reason.isEmpty());
    QVERIFY(m_input->events.isEmpty());
}

void TestBetPlacement::uncalibratedPlaceClicksNothing()
{
    NoxCalibrationItem tie = *m_calibration->calibrationItem(Id::B_TIE);
    tie.active = false;
    m_calibration->setCalibrationItems({tie});
    const NoxBetResult result = m_placement->place({bet(Id::B_TIE, 10), bet(Id::B_BANKER, 10)});
    QVERIFY(!result.ok);
    QVERIFY(result.reason.contains(QStringLiteral("TIE")));
    QVERIFY(m_input->events.isEmpty());
}

void TestBetPlacement::refusedClickIsReported()
{
    m_input->failClicksFrom = 1;
    const NoxBetResult result = m_placement->place({bet(Id::B_BANKER, 10)});
    QVERIFY(!result.ok);
    QCOMPARE(result.clicked, 1);
    QVERIFY(result.reason.contains(QStringLiteral("BANKER")));
    QCOMPARE(m_input->cursor, QPoint(5, 7));
}

void TestBetPlacement::unreadableCursorStartsFromTheCorner()
{
    m_input->cursorReadable = false;
    QVERIFY(m_placement->place({bet(Id::B_BANKER, 20)}).ok);
    QCOMPARE(m_input->only(Event::Move).first().point, QPoint(0, 0));
    QCOMPARE(m_input->cursor, QPoint(0, 0));
}

void TestBetPlacement::previewClicksNothing()
{
    const NoxBetPlan plan = m_placement->preview({bet(Id::B_PLAYER, 60), bet(Id::B_BANKER, 10)});
    QVERIFY(plan.ok);
    QVERIFY(m_input->events.isEmpty());
    QCOMPARE(plan.total, 70);
    QCOMPARE(plan.clicks.size(), 5);
    const QList<NoxPlannedClick> expected = {
        {Id::JETON_2, Id::JETON_2, 50, kChip2, 0},   {Id::B_PLAYER, Id::JETON_2, 50, kPlayer, 0},
        {Id::JETON_1, Id::JETON_1, 10, kChip1, 0},   {Id::B_PLAYER, Id::JETON_1, 10, kPlayer, 0},
        {Id::B_BANKER, Id::JETON_1, 10, kBanker, 0},
    };
    QCOMPARE(plan.clicks, expected);
}

void TestBetPlacement::previewInToggleMode()
{
    m_calibration->setToggleJetonMode(true);
    const NoxBetPlan plan = m_placement->preview({bet(Id::B_PLAYER, 10)});
    QVERIFY(plan.ok);
    QCOMPARE(plan.clicks.size(), 3);
    QCOMPARE(plan.clicks.last().itemId, Id::JETON_1);
    QCOMPARE(plan.clicks[1].chip, Id::JETON_1);
}

void TestBetPlacement::placeBetsReportsTheReason()
{
    m_input->controlFromClick = 1;
    QString reason;
    QVERIFY(m_placement->placeBets({bet(Id::B_PLAYER, 10)}, &reason));
    QVERIFY(!reason.isEmpty());
    reason.clear();
    QVERIFY(!m_placement->placeBets({bet(Id::B_PLAYER, 7)}, &reason));
    QVERIFY(!reason.isEmpty());
}

void TestBetPlacement::stoppedBetSaysWhatIsOnTheTable_data()
{
    QTest::addColumn<bool>("byControl");
    QTest::addColumn<int>("from");
    QTest::addColumn<int>("clicked");
    QTest::addColumn<int>("player");
    QTest::addColumn<int>("banker");
    // The clicks: 0.50 chip, PLAYER, 0.10 chip, PLAYER, BANKER. Control is read after each
    // click, so held from click k it stops after click k; a click refused from k leaves k made.
    QTest::newRow("ctrl after 1") << true << 1 << 1 << 0 << 0;
    QTest::newRow("ctrl after 2") << true << 2 << 2 << 50 << 0;
    QTest::newRow("ctrl after 3") << true << 3 << 3 << 50 << 0;
    QTest::newRow("ctrl after 4") << true << 4 << 4 << 60 << 0;
    QTest::newRow("refused from 0") << false << 0 << 0 << 0 << 0;
    QTest::newRow("refused from 2") << false << 2 << 2 << 50 << 0;
    QTest::newRow("refused from 4") << false << 4 << 4 << 60 << 0;
}

void TestBetPlacement::stoppedBetSaysWhatIsOnTheTable()
{
    QFETCH(bool, byControl);
    QFETCH(int, from);
    QFETCH(int, clicked);
    QFETCH(int, player);
    QFETCH(int, banker);
    (byControl ? m_input->controlFromClick : m_input->failClicksFrom) = from;
    const NoxBetResult result = m_placement->place({bet(Id::B_PLAYER, 60), bet(Id::B_BANKER, 10)});
    QCOMPARE(result.ok, byControl);
    QCOMPARE(result.interrupted, byControl);
    QCOMPARE(result.planned, 5);
    QCOMPARE(result.clicked, clicked);
    QVERIFY(result.stoppedPartWay());
    QVERIFY(!result.doubled);
    const QList<NoxPlacedStake> expected = {{Id::B_PLAYER, 60, player}, {Id::B_BANKER, 10, banker}};
    QCOMPARE(result.stakes, expected);
    const QString counts = QStringLiteral("%1 clics sur 5 faits.").arg(clicked);
    QVERIFY2(result.reason.contains(counts), qPrintable(result.reason));
    const QString lines = QStringLiteral("Sur la table :\nPLAYER %1 sur 0.60\nBANKER %2 sur 0.10")
                              .arg(NoxClickPlanner::money(player), NoxClickPlanner::money(banker));
    QVERIFY2(result.reason.contains(lines), qPrintable(result.reason));
    // Something is on the table only once a click was made: then the player is told to act.
    QCOMPARE(result.reason.contains(QStringLiteral("Complétez ou retirez la mise")), clicked > 0);
    QCOMPARE(m_input->only(Event::Click).size(), clicked);
}

void TestBetPlacement::controlStopsALargeStakePartWay()
{
    NoxCalibrationItem chip3 = item(Id::JETON_3, 200, 900, 100);
    NoxCalibrationItem chip4 = item(Id::JETON_4, 250, 900, 500);
    m_calibration->setCalibrationItems({chip3, chip4});
    const NoxBetPlan plan = m_placement->preview({bet(Id::B_BANKER, 860)});
    QVERIFY2(plan.ok, qPrintable(plan.reason));
    // The largest chip first: 5.00 chosen, then BANKER.
    QCOMPARE(plan.clicks[0].itemId, Id::JETON_4);
    QCOMPARE(plan.clicks[1].itemId, Id::B_BANKER);
    m_input->controlFromClick = 2;
    const NoxBetResult result = m_placement->place({bet(Id::B_BANKER, 860)});
    QVERIFY(result.ok);
    QVERIFY(result.interrupted);
    QCOMPARE(result.clicked, 2);
    QCOMPARE(result.planned, int(plan.clicks.size()));
    QCOMPARE(result.stakes, QList<NoxPlacedStake>({{Id::B_BANKER, 860, 500}}));
    QCOMPARE(result.reason, QStringLiteral("Mise interrompue par CTRL : 2 clics sur %1 faits.\n"
                                           "Sur la table :\n"
                                           "BANKER 5.00 sur 8.60\n"
                                           "Complétez ou retirez la mise sur la table du casino.")
                                .arg(plan.clicks.size()));
}

void TestBetPlacement::completeBetCountsEveryStake()
{
    const NoxBetResult result =
        m_placement->place({bet(Id::B_TIE, 0), bet(Id::B_PLAYER, 60), bet(Id::B_BANKER, 10)});
    QVERIFY(result.ok);
    QVERIFY(!result.stoppedPartWay());
    QCOMPARE(result.reason, QString());
    QCOMPARE(result.stakes, QList<NoxPlacedStake>({{Id::B_PLAYER, 60, 60}, {Id::B_BANKER, 10, 10}}));
    // Control read after the last click: nothing is missing, the table holds the whole bet.
    init();
    m_input->controlFromClick = 5;
    const NoxBetResult last = m_placement->place({bet(Id::B_PLAYER, 60), bet(Id::B_BANKER, 10)});
    QVERIFY(last.interrupted);
    QVERIFY(!last.stoppedPartWay());
    QVERIFY2(
        last.reason.contains(QStringLiteral("5 clics sur 5 faits.\nSur la table :\nPLAYER 0.60 sur 0.60")),
        qPrintable(last.reason));
    QVERIFY(!last.reason.contains(QStringLiteral("Complétez")));
    // A refused bet clicks nothing: nothing placed anywhere.
    init();
    const NoxBetResult refused = m_placement->place({bet(Id::B_PLAYER, 7)});
    QVERIFY(!refused.ok);
    QCOMPARE(refused.stakes, QList<NoxPlacedStake>({{Id::B_PLAYER, 7, 0}}));
}

QTEST_GUILESS_MAIN(TestBetPlacement)
#include "tst_betplacement.moc"
