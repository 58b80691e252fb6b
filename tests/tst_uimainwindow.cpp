#include "recordinginput.h"
#include "uimainwindow.h"
#include "uitestsupport.h"
#include "uiwrapper.h"

#include <QLoggingCategory>
#include <QSignalSpy>
#include <QTest>

// The main window: frameless with rounded corners that follow its size, the stay-on-top hint,
// the capture of clicks outside it during calibration, and the input it lends to the bets.
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

    void inputIsLentToTheFacade()
    {
        NoxTest::EngineRoot root;
        root.loadCatalogue();
        UIWrapper ui(&root);
        // Without the window's input a bet is refused, and says why.
        QVERIFY(!ui.betInput());
        QVERIFY(!ui.bet());
        QVERIFY(!ui.betError().isEmpty());
        {
            UIMainWindow window;
            window.shareInputWith(&ui);
            QVERIFY(ui.betInput());
            QCOMPARE(ui.betInput(), window.input());
            // A replaced input is followed.
            auto owned = std::make_unique<NoxTest::RecordingInput>();
            NoxTest::RecordingInput *fake = owned.get();
            window.setInput(std::move(owned));
            QCOMPARE(ui.betInput(), fake);
            // Nothing to play: the bet runs through the window's input and clicks nothing.
            QVERIFY(ui.bet());
            QCOMPARE(ui.betError(), QString());
            QVERIFY(!fake->events.isEmpty());
            QCOMPARE(fake->clickCount, 0);
        }
        // The window is gone: so is its input.
        QVERIFY(!ui.betInput());
        QVERIFY(!ui.bet());
        QVERIFY(!ui.betError().isEmpty());

        // A facade that goes first leaves the window working.
        UIMainWindow window;
        {
            UIWrapper other(&root);
            window.shareInputWith(&other);
            QCOMPARE(other.betInput(), window.input());
        }
        window.setInput(std::make_unique<NoxTest::RecordingInput>());
        // Lending to another facade takes the input back from the first.
        window.shareInputWith(&ui);
        UIWrapper second(&root);
        window.shareInputWith(&second);
        QVERIFY(!ui.betInput());
        QCOMPARE(second.betInput(), window.input());
    }
};

QTEST_MAIN(TstUIMainWindow)
#include "tst_uimainwindow.moc"
