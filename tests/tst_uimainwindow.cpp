#include "recordinginput.h"
#include "uiappsettings.h"
#include "uimainwindow.h"
#include "uiscreengeometry.h"
#include "uitestsupport.h"
#include "uiwrapper.h"

#include <QLoggingCategory>
#include <QScreen>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

// The main window: frameless with rounded corners that follow its size, the stay-on-top hint,
// the capture of clicks outside it during calibration, and the input it lends to the bets.
class TstUIMainWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QLoggingCategory::setFilterRules(QStringLiteral("nox.*.debug=false"));
        // The bets below click: not refused as in a Wayland session.
        qunsetenv("XDG_SESSION_TYPE");
        qunsetenv("WAYLAND_DISPLAY");
        QVERIFY(m_config.isValid());
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_config.path());
        QSettings::setDefaultFormat(QSettings::IniFormat);
        QCoreApplication::setOrganizationName(QStringLiteral("NoxBaccaratTest"));
    }

    void savedPlaceThatFitsIsKept()
    {
        const QRect big(0, 0, 1920, 1080);
        const QRect small(0, 0, 1280, 720);
        // The corner the window was left in, on either screen (a 720 px window fits a 720 px
        // screen exactly).
        QCOMPARE(UIScreenGeometry::restoredPosition(QRect(0, 0, 430, 720), {big}), QPoint(0, 0));
        QCOMPARE(UIScreenGeometry::restoredPosition(QRect(0, 0, 430, 720), {small}), QPoint(0, 0));
        QCOMPARE(UIScreenGeometry::restoredPosition(QRect(1490, 360, 430, 720), {big}), QPoint(1490, 360));
        QCOMPARE(UIScreenGeometry::restoredPosition(QRect(850, 0, 430, 720), {small}), QPoint(850, 0));
        // Two screens side by side: a place on the second one stands.
        const QRect right(1920, 0, 1280, 720);
        QCOMPARE(UIScreenGeometry::restoredPosition(QRect(2000, 0, 430, 720), {big, right}), QPoint(2000, 0));
        QVERIFY(UIScreenGeometry::fitsOn(QRect(0, 0, 430, 720), small));
        QVERIFY(!UIScreenGeometry::fitsOn(QRect(851, 0, 430, 720), small));
        QVERIFY(!UIScreenGeometry::fitsOn(QRect(0, 0, 430, 720), QRect()));
        // Without screens nothing is known: the saved place stands.
        QCOMPARE(UIScreenGeometry::restoredPosition(QRect(-50, 9000, 430, 720), {}), QPoint(-50, 9000));
    }

    void savedPlaceOffTheScreensIsClampedOntoTheNearest()
    {
        const QRect big(0, 0, 1920, 1080);
        const QRect small(0, 0, 1280, 720);
        // Saved on the large screen, restored on the small one: as near as it fits.
        QCOMPARE(UIScreenGeometry::restoredPosition(QRect(1400, 300, 430, 720), {small}), QPoint(850, 0));
        QCOMPARE(UIScreenGeometry::restoredPosition(QRect(-5, 10, 430, 720), {big}), QPoint(0, 10));
        QCOMPARE(UIScreenGeometry::restoredPosition(QRect(100, -30, 430, 720), {big}), QPoint(100, 0));
        QCOMPARE(UIScreenGeometry::restoredPosition(QRect(1700, 500, 430, 720), {big}), QPoint(1490, 360));
        // Below the smaller of two screens side by side: onto that one, the nearer.
        const QRect right(1920, 0, 1280, 720);
        QCOMPARE(UIScreenGeometry::restoredPosition(QRect(2000, 500, 430, 720), {big, right}),
                 QPoint(2000, 0));
        // Far to the left of both: onto the left one.
        QCOMPARE(UIScreenGeometry::restoredPosition(QRect(-3000, 200, 430, 720), {big, right}),
                 QPoint(0, 200));
        // Straddling both: onto the one holding its centre.
        QCOMPARE(UIScreenGeometry::restoredPosition(QRect(1650, 100, 430, 720), {big, right}),
                 QPoint(1490, 100));
        QCOMPARE(UIScreenGeometry::restoredPosition(QRect(1850, 100, 430, 720), {big, right}),
                 QPoint(1920, 0));
        // A screen with an offset (a panel at the top) counts from its own origin.
        QCOMPARE(UIScreenGeometry::restoredPosition(QRect(10, 0, 430, 720), {QRect(0, 32, 1920, 1048)}),
                 QPoint(10, 32));
        // Larger than the screen: its top-left corner stays on it.
        QCOMPARE(UIScreenGeometry::restoredPosition(QRect(300, 200, 430, 720), {QRect(0, 0, 400, 600)}),
                 QPoint(0, 0));
        QCOMPARE(UIScreenGeometry::centred(QSize(430, 720), big), QPoint(745, 180));
        QCOMPARE(UIScreenGeometry::centred(QSize(430, 720), right), QPoint(2345, 0));
    }

    void shownWhereItWasLeftAndSavedWhenMoved()
    {
        QSettings(QSettings().fileName(), QSettings::IniFormat).clear();
        {
            QSettings saved;
            saved.setValue(UIMainWindow::kKeyX, 0);
            saved.setValue(UIMainWindow::kKeyY, 0);
            saved.setValue(UIMainWindow::kKeyStayOnTop, true);
        }
        {
            UIAppSettings settings(nullptr, 50);
            QSignalSpy written(&settings, &UIAppSettings::written);
            UIMainWindow window;
            window.resize(200, 150);
            // Somewhere else before it is shown, as a window manager would put it.
            window.setPosition(120, 90);
            window.show();
            QCOMPARE(window.position(), QPoint(0, 0));
            QVERIFY(window.stayOnTop());
            window.setPosition(40, 30);
            window.setStayOnTop(false);
            QVERIFY(written.wait(2000));
            QTRY_VERIFY(!settings.pending());
            QCOMPARE(QSettings().value(UIMainWindow::kKeyX).toInt(), 40);
            QCOMPARE(QSettings().value(UIMainWindow::kKeyY).toInt(), 30);
            QCOMPARE(QSettings().value(UIMainWindow::kKeyStayOnTop).toBool(), false);
        }
        {
            // Saved where no screen is: clamped onto the screen.
            QSettings().setValue(UIMainWindow::kKeyX, 100000);
            UIAppSettings again(nullptr, 50);
            UIMainWindow window;
            window.resize(200, 150);
            window.show();
            const QRect screen = window.screen()->availableGeometry();
            QCOMPARE(window.position(), QPoint(screen.right() + 1 - 200, 30));
        }
    }

    void firstShownCentred()
    {
        QSettings(QSettings().fileName(), QSettings::IniFormat).clear();
        UIAppSettings settings(nullptr, 50);
        UIMainWindow window;
        window.resize(200, 150);
        window.show();
        const QRect screen = window.screen()->availableGeometry();
        QCOMPARE(window.position(), UIScreenGeometry::centred(QSize(200, 150), screen));
    }

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

private:
    QTemporaryDir m_config;
};

QTEST_MAIN(TstUIMainWindow)
#include "tst_uimainwindow.moc"
