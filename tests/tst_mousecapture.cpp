#include "calibration/mousetracker.h"
#include "calibration/nativewindow.h"
#include "calibration/noxmousecapture.h"
#include "recordinginput.h"

#include <QLoggingCategory>
#include <QSignalSpy>
#include <QTest>

using namespace Nox;

class TestMouseCapture : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    // MouseTracker, polled by hand
    void clickReportedOnRelease();
    void unreadableCursorReportsTheCorner();
    void deactivatingForgetsAPress();

    // NoxMouseCapture with a fake input polled by the real tracker thread
    void captureOnlyOutsideTheWindow();
    void switchingOffDisconnects();
    void writingTheSameValueDoesNothing();

    // Physical geometry
    void nativeGeometry_data();
    void nativeGeometry();
};

void TestMouseCapture::initTestCase()
{
    QLoggingCategory::setFilterRules(QStringLiteral("nox.*.debug=false"));
}

void TestMouseCapture::clickReportedOnRelease()
{
    NoxTest::RecordingInput input;
    MouseTracker tracker(&input);
    QSignalSpy spy(&tracker, &MouseTracker::mouseClicked);
    input.buttonScript = {true, true};
    input.cursor = QPoint(10, 10);
    tracker.checkMouse();
    tracker.checkMouse();
    QCOMPARE(spy.size(), 0);
    // The cursor moved while the button was down: the click is where it was released.
    input.cursor = QPoint(640, 480);
    tracker.checkMouse();
    QCOMPARE(spy.size(), 1);
    QCOMPARE(spy.first().first().toPoint(), QPoint(640, 480));
    tracker.checkMouse();
    QCOMPARE(spy.size(), 1);
}

void TestMouseCapture::unreadableCursorReportsTheCorner()
{
    NoxTest::RecordingInput input;
    input.cursorReadable = false;
    MouseTracker tracker(&input);
    QSignalSpy spy(&tracker, &MouseTracker::mouseClicked);
    input.buttonScript = {true};
    tracker.checkMouse();
    tracker.checkMouse();
    QCOMPARE(spy.size(), 1);
    QCOMPARE(spy.first().first().toPoint(), QPoint(0, 0));
}

void TestMouseCapture::deactivatingForgetsAPress()
{
    NoxTest::RecordingInput input;
    MouseTracker tracker(&input);
    QSignalSpy spy(&tracker, &MouseTracker::mouseClicked);
    tracker.setActive(true);
    QVERIFY(tracker.isActive());
    input.buttonScript = {true};
    tracker.checkMouse();
    tracker.setActive(false);
    QVERIFY(!tracker.isActive());
    tracker.checkMouse();
    QCOMPARE(spy.size(), 0);
}

void TestMouseCapture::captureOnlyOutsideTheWindow()
{
    NoxTest::RecordingInput input;
    NoxMouseCapture capture(&input);
    capture.setWindowGeometryProvider([] { return QRect(100, 100, 430, 720); });
    QSignalSpy captured(&capture, &NoxMouseCapture::capturedClick);
    QSignalSpy changed(&capture, &NoxMouseCapture::mouseCaptureChanged);
    capture.setMouseCapture(true);
    QCOMPARE(changed.size(), 1);
    QVERIFY(capture.mouseCapture());
    QTRY_VERIFY(capture.nativeWindow()->isTracking());

    const auto click = [&input](QPoint p) {
        QMutexLocker lock(&input.mutex);
        input.cursor = p;
        input.buttonScript = {true, true, true};
    };
    click(QPoint(50, 60));
    QVERIFY(captured.wait(2000));
    QCOMPARE(captured.last().first().toPoint(), QPoint(50, 60));
    click(QPoint(300, 400)); // on the window
    QTest::qWait(200);
    QCOMPARE(captured.size(), 1);
    click(QPoint(530, 820)); // just past the bottom-right corner
    QVERIFY(captured.wait(2000));
    QCOMPARE(captured.size(), 2);
    capture.setMouseCapture(false);
}

void TestMouseCapture::switchingOffDisconnects()
{
    NoxTest::RecordingInput input;
    NoxMouseCapture capture(&input);
    QSignalSpy captured(&capture, &NoxMouseCapture::capturedClick);
    capture.setMouseCapture(true);
    QTRY_VERIFY(capture.nativeWindow()->isTracking());
    capture.setMouseCapture(false);
    QTRY_VERIFY(!capture.nativeWindow()->isTracking());
    // A click that reaches the native window after capture ended is not collected.
    emit capture.nativeWindow()->mouseClicked(QPoint(1, 2));
    QCOMPARE(captured.size(), 0);
    capture.setMouseCapture(true);
    emit capture.nativeWindow()->mouseClicked(QPoint(3, 4));
    QCOMPARE(captured.size(), 1);
    // Without a window geometry nothing counts as inside.
    QCOMPARE(captured.first().first().toPoint(), QPoint(3, 4));
    capture.setMouseCapture(false);
}

void TestMouseCapture::writingTheSameValueDoesNothing()
{
    NoxTest::RecordingInput input;
    NoxMouseCapture capture(&input);
    QSignalSpy changed(&capture, &NoxMouseCapture::mouseCaptureChanged);
    capture.setMouseCapture(false);
    QCOMPARE(changed.size(), 0);
    capture.setMouseCapture(true);
    capture.setMouseCapture(true);
    QCOMPARE(changed.size(), 1);
    // Destroying the capture while it tracks stops and joins the tracker thread.
}

void TestMouseCapture::nativeGeometry_data()
{
    QTest::addColumn<QRect>("logical");
    QTest::addColumn<QRect>("screen");
    QTest::addColumn<qreal>("scale");
    QTest::addColumn<QRect>("expected");
    QTest::newRow("unscaled") << QRect(100, 100, 430, 720) << QRect(0, 0, 1920, 1080) << 1.0
                              << QRect(100, 100, 430, 720);
    QTest::newRow("twice") << QRect(100, 100, 430, 720) << QRect(0, 0, 960, 540) << 2.0
                           << QRect(200, 200, 860, 1440);
    QTest::newRow("150 %") << QRect(10, 20, 430, 720) << QRect(0, 0, 1280, 720) << 1.5
                           << QRect(15, 30, 645, 1080);
    // A second screen to the right: Qt keeps its top-left corner unscaled.
    QTest::newRow("second screen") << QRect(1930, 50, 100, 100) << QRect(1920, 0, 960, 540) << 2.0
                                   << QRect(1940, 100, 200, 200);
    QTest::newRow("no scale") << QRect(1, 2, 3, 4) << QRect(0, 0, 10, 10) << 0.0 << QRect(1, 2, 3, 4);
}

void TestMouseCapture::nativeGeometry()
{
    QFETCH(QRect, logical);
    QFETCH(QRect, screen);
    QFETCH(qreal, scale);
    QFETCH(QRect, expected);
    QCOMPARE(NoxMouseCapture::nativeGeometry(logical, screen, scale), expected);
}

QTEST_GUILESS_MAIN(TestMouseCapture)
#include "tst_mousecapture.moc"
