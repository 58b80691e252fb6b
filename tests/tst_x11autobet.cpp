// Automatic betting and click capture against a real X server (run under x11run.sh): XTest
// clicks reach a window of our own at the calibrated points, Control held with xdotool stops
// the sequence, and capture sees clicks outside the program's window only. Run once as is and
// once with QT_SCALE_FACTOR=2, where Qt's coordinates and the screen's pixels differ.
#include "autobet/noxbetplacement.h"
#include "calibration/nativewindow.h"
#include "calibration/noxcalibration.h"
#include "calibration/noxmousecapture.h"
#include "input/platform/noxx11input.h"
#include "uicalibrationcapture.h"
#include "uiscreengeometry.h"
#include "x11tap.h"

#include <QDir>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QProcess>
#include <QRasterWindow>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTest>
#include <QThread>

using namespace Nox;
using Id = NoxBetItemID;

namespace {

bool xdotool(const QStringList &args);

/// A click as a person makes it: the button stays down long enough for the 20 ms poll.
bool humanClickAt(QPoint p)
{
    return xdotool({QStringLiteral("mousemove"), QString::number(p.x()), QString::number(p.y()),
                    QStringLiteral("mousedown"), QStringLiteral("1"), QStringLiteral("sleep"),
                    QStringLiteral("0.12"), QStringLiteral("mouseup"), QStringLiteral("1")});
}

/// A plain window that records the physical point of every press and release it receives.
class ClickWindow : public QRasterWindow
{
public:
    QList<QPoint> presses;
    int releases = 0;

protected:
    void paintEvent(QPaintEvent *) override { QPainter(this).fillRect(QRect(QPoint(), size()), Qt::white); }
    void mousePressEvent(QMouseEvent *event) override
    {
        if (event->button() == Qt::LeftButton) {
            presses.append(toNative(event->globalPosition()));
        }
    }
    void mouseReleaseEvent(QMouseEvent *event) override
    {
        if (event->button() == Qt::LeftButton) {
            ++releases;
        }
    }

private:
    QPoint toNative(QPointF global) const
    {
        const QPointF origin = screen()->geometry().topLeft();
        const QPointF native = origin + (global - origin) * devicePixelRatio();
        return native.toPoint();
    }
};

bool xdotool(const QStringList &args)
{
    return QProcess::execute(QStringLiteral("xdotool"), args) == 0;
}

NoxBet bet(Id id, int amount)
{
    NoxBet b;
    b.id = id;
    b.bet = amount;
    return b;
}

NoxCalibrationItem item(Id id, QPoint p, int value = 0)
{
    NoxCalibrationItem it;
    it.itemId = id;
    it.x = p.x();
    it.y = p.y();
    it.active = true;
    it.value = value;
    return it;
}

bool near(QPoint a, QPoint b)
{
    return (a - b).manhattanLength() <= 2;
}

} // namespace

class TestX11Autobet : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanupTestCase();

    void inputReadsAndMovesTheCursor();
    void clicksArriveInOrderAtTheCalibratedPoints();
    void controlStopsAfterTheClickInProgress();
    void captureTakesClicksOutsideTheWindowOnly();
    void thirdClickOfATwoStepCaptureIsIgnored();
    void captureOffTakesNothing();
    void captureTakesAClickShorterThanAPoll();
    void captureFollowsALeftHandedMapping();
    void clickSourceStopsAndStartsAgain();
    void pollWhereTheInputHasNoClickEvents();

private:
    [[nodiscard]] QRect native() const { return UIScreenGeometry::nativeGeometry(m_window); }
    void calibrate(NoxCalibration &c) const;

    ClickWindow *m_window = nullptr;
    NoxX11Input *m_input = nullptr;
    QPoint m_outside;
};

void TestX11Autobet::initTestCase()
{
    m_input = new NoxX11Input;
    QVERIFY2(m_input->isValid(), "no X display with XTest");
    m_window = new ClickWindow;
    // Not managed by the window manager: openbox grabs every press on the windows it manages
    // and replays it, which on a loaded machine lets later warps overtake a replayed press.
    // The clicks themselves are what is under test here.
    m_window->setFlags(Qt::Window | Qt::FramelessWindowHint | Qt::BypassWindowManagerHint |
                       Qt::WindowStaysOnTopHint);
    m_window->setGeometry(100, 100, 400, 300);
    m_window->show();
    if (!QTest::qWaitForWindowExposed(m_window, 10000)) {
        // Seen once in a while on a loaded machine: the first map is not exposed. Map again.
        m_window->hide();
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window, 10000));
    }
    QTest::qWait(200);
    if (qEnvironmentVariable("QT_SCALE_FACTOR") == QLatin1String("2")) {
        QCOMPARE(m_window->devicePixelRatio(), 2.0);
    }
    const QRect r = native();
    QVERIFY2(r.width() == qRound(400 * m_window->devicePixelRatio()), qPrintable(QString::number(r.width())));
    m_outside = r.topLeft() - QPoint(60, 60);
    QVERIFY(m_outside.x() > 0 && m_outside.y() > 0);
}

void TestX11Autobet::init()
{
    // Let the clicks of the previous test arrive before counting afresh.
    QTest::qWait(150);
    m_window->presses.clear();
    m_window->releases = 0;
    QVERIFY(m_input->moveCursor(m_outside));
}

void TestX11Autobet::cleanupTestCase()
{
    xdotool({QStringLiteral("keyup"), QStringLiteral("ctrl")});
    delete m_window;
    delete m_input;
}

void TestX11Autobet::calibrate(NoxCalibration &c) const
{
    const QRect r = native();
    const auto at = [&r](double fx, double fy) {
        return r.topLeft() + QPoint(int(r.width() * fx), int(r.height() * fy));
    };
    c.setCalibrationItems({item(Id::JETON_1, at(0.1, 0.1), 10), item(Id::JETON_2, at(0.3, 0.1), 50),
                           item(Id::B_PLAYER, at(0.2, 0.7), 0), item(Id::B_BANKER, at(0.8, 0.7), 0),
                           item(Id::B_TIE, at(0.5, 0.45), 0)});
}

void TestX11Autobet::inputReadsAndMovesTheCursor()
{
    QVERIFY(m_input->moveCursor(QPoint(21, 23)));
    QCOMPARE(m_input->cursorPosition(), std::optional<QPoint>(QPoint(21, 23)));
    QVERIFY(!m_input->isControlHeld());
    QVERIFY(!m_input->isLeftButtonHeld());
    // xdotool's own connection is flushed, not synchronised, with ours: poll for the state.
    QVERIFY(xdotool({QStringLiteral("keydown"), QStringLiteral("ctrl")}));
    QTRY_VERIFY(m_input->isControlHeld());
    QVERIFY(xdotool({QStringLiteral("keyup"), QStringLiteral("ctrl")}));
    QTRY_VERIFY(!m_input->isControlHeld());
    QVERIFY(xdotool({QStringLiteral("mousedown"), QStringLiteral("1")}));
    QTRY_VERIFY(m_input->isLeftButtonHeld());
    QVERIFY(xdotool({QStringLiteral("mouseup"), QStringLiteral("1")}));
    QTRY_VERIFY(!m_input->isLeftButtonHeld());
}

void TestX11Autobet::clicksArriveInOrderAtTheCalibratedPoints()
{
    NoxCalibration calibration;
    calibrate(calibration);
    NoxBetPlacement placement(&calibration, m_input);
    const NoxBetList bets = {bet(Id::B_TIE, 10), bet(Id::B_PLAYER, 60), bet(Id::B_BANKER, 20)};
    const NoxBetPlan plan = placement.preview(bets);
    QVERIFY2(plan.ok, qPrintable(plan.reason));
    QList<QPoint> expected;
    for (const NoxPlannedClick &click : plan.clicks) {
        expected.append(click.point);
    }
    QCOMPARE(expected.size(), 7); // 0.50, PLAYER, 0.10, TIE, PLAYER, BANKER, BANKER
    const NoxBetResult result = placement.place(bets);
    QVERIFY2(result.ok, qPrintable(result.reason));
    QCOMPARE(result.clicked, 7);
    QTRY_COMPARE(m_window->presses.size(), expected.size());
    QTRY_COMPARE(m_window->releases, int(expected.size()));
    QString received;
    for (const QPoint &p : std::as_const(m_window->presses)) {
        received += QStringLiteral(" %1,%2").arg(p.x()).arg(p.y());
    }
    qDebug().noquote() << "received" << received;
    for (int i = 0; i < expected.size(); ++i) {
        QVERIFY2(near(m_window->presses[i], expected[i]),
                 qPrintable(QStringLiteral("click %1 at %2,%3, expected %4,%5")
                                .arg(i)
                                .arg(m_window->presses[i].x())
                                .arg(m_window->presses[i].y())
                                .arg(expected[i].x())
                                .arg(expected[i].y())));
    }
    QCOMPARE(m_input->cursorPosition(), std::optional<QPoint>(m_outside));
}

void TestX11Autobet::controlStopsAfterTheClickInProgress()
{
    NoxCalibration calibration;
    calibrate(calibration);
    calibration.setMouseClickDelay(300);
    // Five clicks: 0.50, PLAYER, 0.10, PLAYER, BANKER. The sequence runs on a thread of its own
    // so that this thread sees the clicks arrive and presses Control after the second.
    NoxBetResult result;
    QThread *worker = QThread::create([&] {
        NoxBetPlacement placement(&calibration, m_input);
        result = placement.place({bet(Id::B_PLAYER, 60), bet(Id::B_BANKER, 10)});
    });
    worker->start();
    QTRY_VERIFY_WITH_TIMEOUT(m_window->presses.size() >= 2, 10000);
    QVERIFY(xdotool({QStringLiteral("keydown"), QStringLiteral("ctrl")}));
    QTRY_VERIFY_WITH_TIMEOUT(worker->isFinished(), 10000);
    delete worker;
    QVERIFY(xdotool({QStringLiteral("keyup"), QStringLiteral("ctrl")}));
    QVERIFY(result.ok);
    QVERIFY(result.interrupted);
    QCOMPARE(result.planned, 5);
    // Control was down before the second click ended: at most the click in progress follows.
    QVERIFY2(result.clicked >= 2 && result.clicked <= 3, qPrintable(QString::number(result.clicked)));
    QTest::qWait(100);
    QCOMPARE(m_window->presses.size(), result.clicked);
    QCOMPARE(m_input->cursorPosition(), std::optional<QPoint>(m_outside));
}

void TestX11Autobet::captureTakesClicksOutsideTheWindowOnly()
{
    NoxMouseCapture capture(m_input);
    capture.setWindowGeometryProvider([this] { return native(); });
    QSignalSpy changed(&capture, &NoxMouseCapture::mouseCaptureChanged);
    QSignalSpy captured(&capture, &NoxMouseCapture::capturedClick);
    capture.setMouseCapture(true);
    capture.setMouseCapture(true);
    QCOMPARE(changed.size(), 1);
    QTRY_VERIFY(capture.nativeWindow()->isTracking());

    const auto clickAt = humanClickAt;
    QVERIFY(clickAt(m_outside));
    QVERIFY(captured.wait(3000));
    QCOMPARE(captured.size(), 1);
    QCOMPARE(captured.first().first().toPoint(), m_outside);

    // On the window: not collected.
    QVERIFY(clickAt(native().center()));
    QTRY_COMPARE(m_window->presses.size(), 1);
    QTest::qWait(300);
    QCOMPARE(captured.size(), 1);

    // A point inside the window's Qt geometry taken as pixels, but outside the window on the
    // screen when the display is scaled: it is a click elsewhere and is collected.
    const QPoint logicalCorner = m_window->geometry().topLeft() + QPoint(5, 5);
    const bool scaled = !native().contains(logicalCorner);
    QVERIFY(clickAt(logicalCorner));
    if (scaled) {
        QVERIFY(captured.wait(3000));
        QCOMPARE(captured.last().first().toPoint(), logicalCorner);
    } else {
        QTest::qWait(300);
        QCOMPARE(captured.size(), 1);
    }
    capture.setMouseCapture(false);
    QCOMPARE(changed.size(), 2);
}

void TestX11Autobet::thirdClickOfATwoStepCaptureIsIgnored()
{
    NoxMouseCapture capture(m_input);
    capture.setWindowGeometryProvider([this] { return native(); });
    UICalibrationCapture steps;
    steps.start(2);
    connect(&capture, &NoxMouseCapture::capturedClick, &steps, &UICalibrationCapture::collect);
    QSignalSpy finished(&steps, &UICalibrationCapture::finished);
    QSignalSpy captured(&capture, &NoxMouseCapture::capturedClick);
    capture.setMouseCapture(true);
    QTRY_VERIFY(capture.nativeWindow()->isTracking());
    const QList<QPoint> points = {QPoint(30, 40), QPoint(1500, 900), QPoint(1600, 950)};
    for (const QPoint &p : points) {
        QVERIFY(humanClickAt(p));
        QTRY_VERIFY_WITH_TIMEOUT(!captured.isEmpty() && captured.last().first().toPoint() == p, 3000);
    }
    QCOMPARE(captured.size(), 3);
    QCOMPARE(finished.size(), 1);
    QVERIFY(steps.done());
    QCOMPARE(steps.points(), points.mid(0, 2));
    capture.setMouseCapture(false);
}

void TestX11Autobet::captureOffTakesNothing()
{
    NoxMouseCapture capture(m_input);
    QSignalSpy captured(&capture, &NoxMouseCapture::capturedClick);
    capture.setMouseCapture(true);
    QTRY_VERIFY(capture.nativeWindow()->isTracking());
    capture.setMouseCapture(false);
    QTRY_VERIFY(!capture.nativeWindow()->isTracking());
    QVERIFY(humanClickAt(QPoint(25, 25)));
    QTest::qWait(300);
    QCOMPARE(captured.size(), 0);
}

// Press and release back to back through XTest, well under 5 ms apart (a touchpad tap, a
// synthetic click): a 20 ms poll of the button misses such a click; the X server's input
// events do not. Each click is somewhere else, so a position read late would show.
void TestX11Autobet::captureTakesAClickShorterThanAPoll()
{
    NoxMouseCapture capture(m_input);
    capture.setWindowGeometryProvider([this] { return native(); });
    QSignalSpy captured(&capture, &NoxMouseCapture::capturedClick);
    capture.setMouseCapture(true);
    QTRY_VERIFY(capture.nativeWindow()->isTracking());
    QVERIFY(capture.nativeWindow()->isEventDriven());
    const QList<QPoint> points = {QPoint(31, 41), QPoint(1501, 901), QPoint(1777, 33), QPoint(12, 1000)};
    for (const QPoint &p : points) {
        const long long held = NoxTest::x11Tap(p);
        QVERIFY2(held >= 0 && held < 5000, qPrintable(QString::number(held)));
        QTRY_VERIFY_WITH_TIMEOUT(!captured.isEmpty() && captured.last().first().toPoint() == p, 3000);
    }
    QTest::qWait(100);
    QCOMPARE(captured.size(), points.size());
    capture.setMouseCapture(false);
}

// The left button is the one the pointer mapping makes button 1: with the first and third
// swapped, the physical third button clicks and the first does not.
void TestX11Autobet::captureFollowsALeftHandedMapping()
{
    QVERIFY(NoxTest::x11SetLeftHanded(true));
    const auto restore = qScopeGuard([] { NoxTest::x11SetLeftHanded(false); });
    NoxMouseCapture capture(m_input);
    QSignalSpy captured(&capture, &NoxMouseCapture::capturedClick);
    capture.setMouseCapture(true);
    QTRY_VERIFY(capture.nativeWindow()->isTracking());
    QVERIFY(NoxTest::x11Tap(QPoint(61, 71), 1) >= 0);
    QVERIFY(NoxTest::x11Tap(QPoint(62, 72), 3) >= 0);
    QVERIFY(captured.wait(3000));
    QTest::qWait(100);
    QCOMPARE(captured.size(), 1);
    QCOMPARE(captured.first().first().toPoint(), QPoint(62, 72));
    capture.setMouseCapture(false);
}

// The source on its own: stop() wakes its thread at once, closes its connection, and a new
// start() opens another; the handler runs on the source's thread, never after stop().
void TestX11Autobet::clickSourceStopsAndStartsAgain()
{
    const std::unique_ptr<NoxClickSource> source = m_input->createClickSource();
    QVERIFY(source);
    QMutex mutex;
    QList<QPoint> clicks;
    bool elsewhere = true;
    const auto handler = [&](QPoint p) {
        QMutexLocker lock(&mutex);
        clicks.append(p);
        elsewhere = elsewhere && QThread::currentThread() != thread();
    };
    const auto count = [&] {
        QMutexLocker lock(&mutex);
        return clicks.size();
    };
    const auto openFiles = [] {
        return QDir(QStringLiteral("/proc/self/fd")).entryList(QDir::Files).size();
    };
    const auto filesBefore = openFiles();
    for (int round = 0; round < 3; ++round) {
        QVERIFY(source->start(handler));
        QVERIFY(source->isRunning());
        const QPoint p(200 + round, 300 + round);
        QVERIFY(NoxTest::x11Tap(p) >= 0);
        QTRY_COMPARE_WITH_TIMEOUT(count(), round + 1, 3000);
        QElapsedTimer stopping;
        stopping.start();
        source->stop();
        QVERIFY2(stopping.elapsed() < 500, qPrintable(QString::number(stopping.elapsed())));
        QVERIFY(!source->isRunning());
        // Its display connection and wake-up pipe are closed.
        QCOMPARE(openFiles(), filesBefore);
        QVERIFY(NoxTest::x11Tap(QPoint(5, 5)) >= 0);
        QTest::qWait(100);
        QCOMPARE(count(), round + 1);
        QMutexLocker lock(&mutex);
        QCOMPARE(clicks.last(), p);
    }
    QVERIFY(elsewhere);
    source->stop(); // stopping a stopped source does nothing
}

namespace {

/// The X11 input without its click events, as on a server without XInput 2.
class PollOnlyInput : public NoxInput
{
public:
    explicit PollOnlyInput(NoxInput *input)
        : m_input(input)
    {}
    std::optional<QPoint> cursorPosition() override { return m_input->cursorPosition(); }
    bool moveCursor(QPoint point) override { return m_input->moveCursor(point); }
    bool leftClick(QPoint point, int delayMs) override { return m_input->leftClick(point, delayMs); }
    bool isControlHeld() override { return m_input->isControlHeld(); }
    bool isLeftButtonHeld() override { return m_input->isLeftButtonHeld(); }

private:
    NoxInput *m_input;
};

} // namespace

// Without click events the capture polls the button: a click as a person makes it is taken
// at its place.
void TestX11Autobet::pollWhereTheInputHasNoClickEvents()
{
    PollOnlyInput input(m_input);
    NoxMouseCapture capture(&input);
    capture.setWindowGeometryProvider([this] { return native(); });
    QSignalSpy captured(&capture, &NoxMouseCapture::capturedClick);
    capture.setMouseCapture(true);
    QTRY_VERIFY(capture.nativeWindow()->isTracking());
    QVERIFY(!capture.nativeWindow()->isEventDriven());
    QVERIFY(humanClickAt(QPoint(1400, 800)));
    QVERIFY(captured.wait(3000));
    QCOMPARE(captured.first().first().toPoint(), QPoint(1400, 800));
    QVERIFY(humanClickAt(native().center())); // on the window
    QTRY_COMPARE(m_window->presses.size(), 1);
    QTest::qWait(300);
    QCOMPARE(captured.size(), 1);
    capture.setMouseCapture(false);
}

QTEST_MAIN(TestX11Autobet)
#include "tst_x11autobet.moc"
