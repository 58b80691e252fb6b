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

    // MouseTracker over the input's click events
    void clicksComeFromTheSourceWithoutPolling();
    void sourceThatCannotStartLeavesThePoll();
    void clickOfAnEndedCaptureIsDropped();
    void destroyingTheTrackerStopsTheSource();
    void captureThreadTakesTheSourceClicks();

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

void TestMouseCapture::clicksComeFromTheSourceWithoutPolling()
{
    NoxTest::RecordingInput input;
    input.clickSource = std::make_shared<NoxTest::ClickSourceLog>();
    MouseTracker tracker(&input);
    QSignalSpy spy(&tracker, &MouseTracker::mouseClicked);
    tracker.setActive(true);
    QVERIFY(tracker.isActive());
    QVERIFY(tracker.isEventDriven());
    QCOMPARE(input.clickSource->starts, 1);
    // Activating again keeps the one source running.
    tracker.setActive(true);
    QCOMPARE(input.clickSource->starts, 1);

    QVERIFY(NoxTest::sourceClick(*input.clickSource, QPoint(640, 480)));
    // Posted from the source's thread, emitted on the tracker's.
    QVERIFY(spy.wait(2000));
    QCOMPARE(spy.size(), 1);
    QCOMPARE(spy.first().first().toPoint(), QPoint(640, 480));
    QVERIFY(NoxTest::sourceClick(*input.clickSource, QPoint(3, 4)));
    QVERIFY(spy.wait(2000));
    QCOMPARE(spy.last().first().toPoint(), QPoint(3, 4));
    // The button was never polled nor the cursor read: the source gave both.
    QTest::qWait(3 * MouseTracker::kPollInterval);
    QVERIFY(input.only(NoxTest::RecordingInput::Event::ButtonCheck).isEmpty());
    QVERIFY(input.only(NoxTest::RecordingInput::Event::Read).isEmpty());

    tracker.setActive(false);
    QVERIFY(!tracker.isActive());
    QVERIFY(!tracker.isEventDriven());
    QCOMPARE(input.clickSource->stops, 1);
    QVERIFY(!NoxTest::sourceClick(*input.clickSource, QPoint(5, 6)));
    // The same source serves the next capture.
    tracker.setActive(true);
    QCOMPARE(input.clickSource->starts, 2);
    QVERIFY(NoxTest::sourceClick(*input.clickSource, QPoint(7, 8)));
    QVERIFY(spy.wait(2000));
    QCOMPARE(spy.size(), 3);
    QCOMPARE(spy.last().first().toPoint(), QPoint(7, 8));
}

void TestMouseCapture::sourceThatCannotStartLeavesThePoll()
{
    NoxTest::RecordingInput input;
    input.clickSource = std::make_shared<NoxTest::ClickSourceLog>();
    input.clickSource->failStart = true;
    MouseTracker tracker(&input);
    QSignalSpy spy(&tracker, &MouseTracker::mouseClicked);
    {
        QMutexLocker lock(&input.mutex);
        input.cursor = QPoint(22, 33);
        input.buttonScript = {true, true};
    }
    tracker.setActive(true);
    QVERIFY(tracker.isActive());
    QVERIFY(!tracker.isEventDriven());
    // The timer polls: the press is seen, then its release, where the cursor is.
    QVERIFY(spy.wait(2000));
    QCOMPARE(spy.first().first().toPoint(), QPoint(22, 33));
    QVERIFY(!input.only(NoxTest::RecordingInput::Event::ButtonCheck).isEmpty());
    tracker.setActive(false);
    const auto polled = input.only(NoxTest::RecordingInput::Event::ButtonCheck).size();
    QTest::qWait(3 * MouseTracker::kPollInterval);
    QCOMPARE(input.only(NoxTest::RecordingInput::Event::ButtonCheck).size(), polled);
}

void TestMouseCapture::clickOfAnEndedCaptureIsDropped()
{
    NoxTest::RecordingInput input;
    input.clickSource = std::make_shared<NoxTest::ClickSourceLog>();
    MouseTracker tracker(&input);
    QSignalSpy spy(&tracker, &MouseTracker::mouseClicked);
    // A click made during a capture but handled after it ended is not reported...
    tracker.setActive(true);
    QVERIFY(NoxTest::sourceClick(*input.clickSource, QPoint(1, 1)));
    tracker.setActive(false);
    QCoreApplication::processEvents();
    QCOMPARE(spy.size(), 0);
    // ...nor when the next capture has begun in the meantime.
    tracker.setActive(true);
    QVERIFY(NoxTest::sourceClick(*input.clickSource, QPoint(2, 2)));
    tracker.setActive(false);
    tracker.setActive(true);
    QCoreApplication::processEvents();
    QCOMPARE(spy.size(), 0);
    QVERIFY(NoxTest::sourceClick(*input.clickSource, QPoint(3, 3)));
    QVERIFY(spy.wait(2000));
    QCOMPARE(spy.size(), 1);
    QCOMPARE(spy.first().first().toPoint(), QPoint(3, 3));
}

void TestMouseCapture::destroyingTheTrackerStopsTheSource()
{
    NoxTest::RecordingInput input;
    input.clickSource = std::make_shared<NoxTest::ClickSourceLog>();
    {
        MouseTracker tracker(&input);
        tracker.setActive(true);
        QVERIFY(input.clickSource->running);
    }
    QVERIFY(!input.clickSource->running);
    QCOMPARE(input.clickSource->stops, 1);
    // A tracker never activated makes no source.
    {
        MouseTracker tracker(&input);
    }
    QCOMPARE(input.clickSource->starts, 1);
}

void TestMouseCapture::captureThreadTakesTheSourceClicks()
{
    NoxTest::RecordingInput input;
    input.clickSource = std::make_shared<NoxTest::ClickSourceLog>();
    auto capture = std::make_unique<NoxMouseCapture>(&input);
    capture->setWindowGeometryProvider([] { return QRect(100, 100, 430, 720); });
    QSignalSpy captured(capture.get(), &NoxMouseCapture::capturedClick);
    capture->setMouseCapture(true);
    QTRY_VERIFY(capture->nativeWindow()->isTracking());
    QVERIFY(capture->nativeWindow()->isEventDriven());
    QVERIFY(NoxTest::sourceClick(*input.clickSource, QPoint(50, 60)));
    QVERIFY(captured.wait(2000));
    QCOMPARE(captured.last().first().toPoint(), QPoint(50, 60));
    QVERIFY(NoxTest::sourceClick(*input.clickSource, QPoint(300, 400))); // on the window
    QTest::qWait(100);
    QCOMPARE(captured.size(), 1);
    // Destroyed while capturing: the tracker's thread ends and stops the source with it.
    capture.reset();
    // Read under the source's lock: the tracker's thread wrote them (QThread::wait() orders
    // it, but ThreadSanitizer does not see that).
    QMutexLocker lock(&input.clickSource->mutex);
    QVERIFY(!input.clickSource->running);
    QCOMPARE(input.clickSource->stops, 1);
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
