#include "autobet/noxbetplacement.h"
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

QTEST_GUILESS_MAIN(TestBetPlacement)
#include "tst_betplacement.moc"
