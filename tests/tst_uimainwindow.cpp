#include "recordinginput.h"
#include "uimainwindow.h"

#include <QLoggingCategory>
#include <QSignalSpy>
#include <QTest>

// The main window: frameless with rounded corners that follow its size, the stay-on-top hint,
// and the capture of clicks outside it during calibration.
class TstUIMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLoggingCategory::setFilterRules(QStringLiteral("nox.*.debug=false")); }

    void framelessWithRoundedMask()
    {
        UIMainWindow window;
        window.resize(430, 720);
        QCOMPARE(window.objectName(), QStringLiteral("mainWindow"));
        QVERIFY(window.flags().testFlag(Qt::FramelessWindowHint));
        const QRegion mask = window.mask();
        QVERIFY(!mask.contains(QPoint(0, 0)));
        QVERIFY(!mask.contains(QPoint(429, 719)));
        QVERIFY(!mask.contains(QPoint(2, 717)));
        QVERIFY(mask.contains(QPoint(16, 0)));
        QVERIFY(mask.contains(QPoint(215, 360)));
        QVERIFY(mask.contains(QPoint(0, 360)));
        window.resize(430, 600);
        QVERIFY(window.mask().contains(QPoint(215, 590)));
        QVERIFY(!window.mask().contains(QPoint(215, 650)));
        QVERIFY(!window.mask().contains(QPoint(0, 599)));
    }

    void stayOnTopWrites()
    {
        UIMainWindow window;
        QSignalSpy spy(&window, &UIMainWindow::stayOnTopChanged);
        QVERIFY(!window.stayOnTop());
        window.setStayOnTop(true);
        QVERIFY(window.stayOnTop());
        QVERIFY(window.flags().testFlag(Qt::FramelessWindowHint)); // other flags kept
        window.setStayOnTop(false);
        window.setStayOnTop(false);
        QVERIFY(!window.stayOnTop());
        QVERIFY(!window.flags().testFlag(Qt::WindowStaysOnTopHint));
        QCOMPARE(spy.size(), 3);
    }

    void captureTakesClicksOutsideOnly()
    {
        UIMainWindow window;
        auto owned = std::make_unique<NoxTest::RecordingInput>();
        NoxTest::RecordingInput *input = owned.get();
        window.setInput(std::move(owned));
        window.setGeometry(100, 100, 430, 720);
        QSignalSpy changed(&window, &UIMainWindow::mouseCaptureChanged);
        QSignalSpy captured(&window, &UIMainWindow::capturedClick);
        window.setMouseCapture(true);
        window.setMouseCapture(true); // the same value: nothing
        QCOMPARE(changed.size(), 1);
        QVERIFY(window.mouseCapture());

        const auto click = [input](QPoint p) {
            QMutexLocker lock(&input->mutex);
            input->cursor = p;
            input->buttonScript = {true, true, true};
        };
        click(QPoint(40, 50));
        QVERIFY(captured.wait(2000));
        QCOMPARE(captured.last().first().toPoint(), QPoint(40, 50));
        click(QPoint(300, 400)); // on the window
        QTest::qWait(250);
        QCOMPARE(captured.size(), 1);
        // A click delivered directly on the window's own area is dropped too.
        window.capturedClicked(QPoint(120, 130));
        QCOMPARE(captured.size(), 1);
        window.capturedClicked(QPoint(900, 130));
        QCOMPARE(captured.size(), 2);

        window.setMouseCapture(false);
        QCOMPARE(changed.size(), 2);
        QVERIFY(!window.mouseCapture());
        click(QPoint(40, 50));
        QTest::qWait(250);
        QCOMPARE(captured.size(), 2);
    }
};

QTEST_MAIN(TstUIMainWindow)
#include "tst_uimainwindow.moc"
