// End to end under a real X server: the program starts as it does for the player, is
// calibrated by real clicks on a stand-in casino table (another process), receives a few
// results on its keypad, proposes a stake, and "Miser" places exactly that stake on the
// stand-in table by synthetic clicks; stopped with Control, it says what the table holds.

#include "calibration/icalibration.h"
#include "engine/noxengine.h"
#include "noxqmlimports.h"
#include "uifinancialconfig.h"
#include "uimainwindow.h"
#include "uimethodetypeconfig.h"
#include "uinavigator.h"
#include "uiroutes.h"
#include "uiwrapper.h"

#include <QFile>
#include <QGuiApplication>
#include <QProcess>
#include <QQmlApplicationEngine>
#include <QQmlComponent>
#include <QQmlContext>
#include <QQmlProperty>
#include <QQuickItem>
#include <QQuickStyle>
#include <QQuickWindow>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <optional>

namespace {

template<typename T>
T *singleton(QQmlEngine &qml, const char *name)
{
    const int typeId = qmlTypeId("NoxRouletteModel", 1, 0, name);
    return typeId < 0 ? nullptr : qml.singletonInstance<T *>(typeId);
}

/// Runs xdotool with `arguments`; true when it succeeded.
bool xdotool(const QStringList &arguments)
{
    return QProcess::execute(QStringLiteral("xdotool"), arguments) == 0;
}

/// A real left click at a global point, as a person makes it: press, a pause (long enough
/// for the 20 ms poll of a capture without click events to see the button down), release.
void realClick(QPoint global)
{
    QVERIFY(xdotool({QStringLiteral("mousemove"), QString::number(global.x()), QString::number(global.y())}));
    QTest::qWait(60);
    QVERIFY(xdotool({QStringLiteral("mousedown"), QStringLiteral("1")}));
    QTest::qWait(120);
    QVERIFY(xdotool({QStringLiteral("mouseup"), QStringLiteral("1")}));
    QTest::qWait(150);
}

QPoint centreOf(QQuickItem *item)
{
    return item->mapToGlobal(QPointF(item->width() / 2, item->height() / 2)).toPoint();
}

} // namespace

class TestEndToEndBet : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void calibrateThenBet();
    void controlStopShowsWhatTheTableHolds();
    void calibrationTakesOneClickPerStepOutsideTheWindow();

private:
    QQuickItem *item(const char *objectName) const;
    QQuickItem *itemIn(QObject *parent, const char *objectName) const;
    void clickItem(QQuickItem *target);
    QStringList tableLog() const;
    QPoint place(const QString &name) const;
    void calibrate(const char *button, const QStringList &places, int steps);
    /// The stored point of a place of the calibration, as the bet placement reads it.
    [[nodiscard]] std::optional<QPoint> storedPoint(Nox::NoxBetItemID id) const;
    /// The calibration dialog's popup and one of its items (the footer holds the buttons).
    [[nodiscard]] QObject *calibrationDialog() const;
    [[nodiscard]] QQuickItem *dialogItem(const char *region, const char *objectName) const;

    QTemporaryDir m_dir;
    QProcess m_table;
    QHash<QString, QPoint> m_places;
    std::unique_ptr<Nox::NoxEngine> m_engine;
    std::unique_ptr<QQmlApplicationEngine> m_qml;
    QQuickWindow *m_window = nullptr;
    UINavigator *m_navigator = nullptr;
    UIWrapper *m_facade = nullptr;
};

/// Searches the visual tree: items made by repeaters and loaders are not QObject children of
/// the page that shows them.
QQuickItem *TestEndToEndBet::itemIn(QObject *parent, const char *objectName) const
{
    auto *root = qobject_cast<QQuickItem *>(parent);
    if (!root) {
        return nullptr;
    }
    const QString name = QLatin1String(objectName);
    QList<QQuickItem *> pending{root};
    while (!pending.isEmpty()) {
        QQuickItem *candidate = pending.takeFirst();
        if (candidate->objectName() == name) {
            return candidate;
        }
        pending.append(candidate->childItems());
    }
    return nullptr;
}

QQuickItem *TestEndToEndBet::item(const char *objectName) const
{
    // From the window's root item: the pages and the popup overlay.
    QQuickItem *root = m_window->contentItem();
    return itemIn(root->parentItem() ? root->parentItem() : root, objectName);
}

void TestEndToEndBet::clickItem(QQuickItem *target)
{
    QVERIFY(target);
    QTRY_VERIFY(target->isVisible() && target->isEnabled());
    realClick(centreOf(target));
}

QStringList TestEndToEndBet::tableLog() const
{
    QFile file(m_dir.filePath(QStringLiteral("table.log")));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        return {};
    }
    return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

QPoint TestEndToEndBet::place(const QString &name) const
{
    return m_places.value(name);
}

void TestEndToEndBet::initTestCase()
{
    QVERIFY(m_dir.isValid());
    QStandardPaths::setTestModeEnabled(true);
    QCoreApplication::setOrganizationName(QStringLiteral("NoxBaccaratTest"));

    // The stand-in table, in a process of its own.
    m_table.start(QStringLiteral(NOX_CASINO_TABLE), {m_dir.filePath(QStringLiteral("table.log"))});
    QVERIFY(m_table.waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT(tableLog().contains(QStringLiteral("READY")), 10000);
    for (const QString &line : tableLog()) {
        const QStringList parts = line.split(QLatin1Char(' '));
        if (parts.size() == 4 && parts[0] == u"PLACE") {
            m_places.insert(parts[1], QPoint(parts[2].toInt(), parts[3].toInt()));
        }
    }
    QCOMPARE(m_places.size(), 12);

    // The program, started as main() starts it.
    QQuickStyle::setStyle(QStringLiteral("CommonStyle"));
    QQuickStyle::setFallbackStyle(QStringLiteral("Basic"));
    m_qml = std::make_unique<QQmlApplicationEngine>();
    m_qml->addImportPath(QStringLiteral(":/qt/qml"));
    m_qml->addImportPath(QStringLiteral(":/qt/qml/NoxRouletteUi/imports"));
    m_qml->rootContext()->setContextProperty(QStringLiteral("debug"), false);
    m_engine = std::make_unique<Nox::NoxEngine>(true);
    m_engine->setAsync(true);
    m_engine->loadMethods();
    m_engine->registerBuiltinMontantes();

    QQmlComponent importer(m_qml.get());
    importer.setData("import NoxRouletteModel\nimport QtQml\nQtObject {}", QUrl());
    std::unique_ptr<QObject>(importer.create());
    m_navigator = singleton<UINavigator>(*m_qml, "UINavigator");
    QVERIFY(m_navigator);
    m_navigator->setRoutes(UIRoutes::baccaratRoutes());
    m_navigator->enterPage(QStringLiteral("/home"), {}, false);
    m_qml->load(QUrl(QStringLiteral("qrc:/qt/qml/NoxBaccaratApp/Main.qml")));
    QVERIFY(!m_qml->rootObjects().isEmpty());
    m_window = qobject_cast<QQuickWindow *>(m_qml->rootObjects().constFirst());
    QVERIFY(m_window);
    m_facade = singleton<UIWrapper>(*m_qml, "UIWrapper");
    QVERIFY(m_facade);
    // As the program does: the bets click through the main window's input.
    auto *mainWindow = qobject_cast<UIMainWindow *>(m_window);
    QVERIFY(mainWindow);
    mainWindow->shareInputWith(m_facade);
    m_engine->restart(true, true);
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    QTest::qWait(500);
    // The two windows must not overlap, or the program's own window would take the clicks.
    const QRect programRect = m_window->frameGeometry();
    for (const QPoint &p : std::as_const(m_places)) {
        QVERIFY2(!programRect.contains(p), "the table is under the program's window");
    }
}

void TestEndToEndBet::cleanupTestCase()
{
    xdotool({QStringLiteral("keyup"), QStringLiteral("ctrl")});
    m_qml.reset();
    m_engine.reset();
    if (m_table.state() != QProcess::NotRunning) {
        m_table.terminate();
        if (!m_table.waitForFinished(3000)) {
            m_table.kill();
            m_table.waitForFinished();
        }
    }
}

void TestEndToEndBet::calibrate(const char *button, const QStringList &places, int steps)
{
    QQuickItem *page = item("settingsPage");
    QVERIFY(page);
    clickItem(itemIn(page, button));
    QQuickItem *dialog = nullptr;
    QTRY_VERIFY((dialog = item("stepTitle")) != nullptr && dialog->isVisible());
    QTRY_VERIFY(QQmlProperty::read(m_window, QStringLiteral("mouseCapture")).toBool());
    for (const QString &name : places) {
        realClick(place(name));
    }
    QQuickItem *accept = nullptr;
    QTRY_VERIFY((accept = item("acceptButton")) != nullptr);
    QTRY_VERIFY(accept->isVisible());
    QCOMPARE(QQmlProperty::read(item("stepTitle"), QStringLiteral("text")).toString(),
             QStringLiteral("Terminé"));
    QCOMPARE(int(places.size()), steps);
    clickItem(accept);
    QTRY_VERIFY(!QQmlProperty::read(m_window, QStringLiteral("mouseCapture")).toBool());
}

std::optional<QPoint> TestEndToEndBet::storedPoint(Nox::NoxBetItemID id) const
{
    const std::optional<Nox::NoxCalibrationItem> stored = m_engine->calibration()->calibrationItem(id);
    if (!stored || !stored->active) {
        return std::nullopt;
    }
    return QPoint(int(stored->x), int(stored->y));
}

QObject *TestEndToEndBet::calibrationDialog() const
{
    // A popup of the calibration section, which a repeater made: among the objects of the
    // section that holds the calibration buttons.
    QQuickItem *page = item("settingsPage");
    for (QQuickItem *up = page ? itemIn(page, "tableCalibrationButton") : nullptr; up;
         up = up->parentItem()) {
        if (QObject *dialog = up->findChild<QObject *>(QStringLiteral("calibrationDialog"))) {
            return dialog;
        }
    }
    return nullptr;
}

QQuickItem *TestEndToEndBet::dialogItem(const char *region, const char *objectName) const
{
    QObject *dialog = calibrationDialog();
    return dialog ? itemIn(qvariant_cast<QQuickItem *>(QQmlProperty::read(dialog, QLatin1String(region))),
                           objectName)
                  : nullptr;
}

void TestEndToEndBet::calibrateThenBet()
{
    // Settings, section "Calibration".
    clickItem(item("settingsButton"));
    QTRY_VERIFY(item("settingsPage"));
    QQuickItem *page = item("settingsPage");
    QTRY_VERIFY(!QQmlProperty::read(item("app"), QStringLiteral("busy")).toBool());
    clickItem(itemIn(itemIn(page, "section2"), "sectionHeader"));
    QTRY_VERIFY(itemIn(page, "chipSwitch1"));

    // The player has chips 1 and 2 (0.10 and 0.50): two real clicks on their switches.
    clickItem(itemIn(page, "chipSwitch2"));
    QObject *calibration =
        qvariant_cast<QObject *>(QQmlProperty::read(m_facade, QStringLiteral("calibration")));
    QVERIFY(calibration);
    QTRY_VERIFY(QQmlProperty::read(itemIn(page, "chipSwitch1"), QStringLiteral("checked")).toBool());
    QVERIFY(QQmlProperty::read(itemIn(page, "chipSwitch2"), QStringLiteral("checked")).toBool());
    QVERIFY(!QQmlProperty::read(itemIn(page, "chipSwitch3"), QStringLiteral("checked")).toBool());

    calibrate("chipsCalibrationButton", {QStringLiteral("JETON_1"), QStringLiteral("JETON_2")}, 2);
    calibrate("tableCalibrationButton",
              {QStringLiteral("PLAYER"), QStringLiteral("BANKER"), QStringLiteral("TIE")}, 3);
    calibrate("doubleCalibrationButton", {QStringLiteral("DOUBLE")}, 1);

    // The calibration holds the table's points.
    const std::pair<const char *, const char *> calibrated[] = {{"b_player", "PLAYER"},
                                                                {"b_banker", "BANKER"},
                                                                {"b_tie", "TIE"},
                                                                {"jeton_1", "JETON_1"},
                                                                {"jeton_2", "JETON_2"}};
    for (const auto &[key, name] : calibrated) {
        QJSValue item = m_qml->toScriptValue(QQmlProperty::read(calibration, QLatin1String(key)));
        const QPoint expected = place(QLatin1String(name));
        QCOMPARE(item.property(QStringLiteral("x")).toInt(), expected.x());
        QCOMPARE(item.property(QStringLiteral("y")).toInt(), expected.y());
        QVERIFY(item.property(QStringLiteral("active")).toBool());
    }
    // And the store the bets click from holds them, the double button included.
    using Id = Nox::NoxBetItemID;
    const std::pair<Id, const char *> stored[] = {{Id::B_PLAYER, "PLAYER"}, {Id::B_BANKER, "BANKER"},
                                                  {Id::B_TIE, "TIE"},       {Id::JETON_1, "JETON_1"},
                                                  {Id::JETON_2, "JETON_2"}, {Id::X_DBL, "DOUBLE"}};
    for (const auto &[id, name] : stored) {
        QCOMPARE(storedPoint(id), std::optional<QPoint>(place(QLatin1String(name))));
    }
    QCOMPARE(storedPoint(Id::JETON_3), std::nullopt);

    // Back to the play screen; the BANKER method bets on every coup, 0.60 a chip.
    m_navigator->goBackToPage(QStringLiteral("/home"), {}, true);
    QTRY_VERIFY(item("keyBanker"));
    m_facade->setMethodActive(m_facade->getMethodId(QStringLiteral("BANKER")), true);
    UIMethodeTypeConfig chips = m_facade->financial()->csConfig();
    chips.jetonOrigine = 60;
    m_facade->financial()->setCsConfig(chips);

    // A few results on the keypad, by real clicks.
    for (const char *key : {"keyBanker", "keyPlayer", "keyTie", "keyBanker"}) {
        clickItem(item(key));
    }
    QTRY_COMPARE(m_facade->summaryRecord().played, 4);
    int stake = 0;
    QTRY_VERIFY((stake = qvariant_cast<QObject *>(m_facade->keypad().value(QStringLiteral("4002")))
                             ->property("bet")
                             .toInt()) > 0);

    // "Miser": the clicks reach the table and place exactly the proposed stake on BANKER.
    const int before = int(tableLog().size());
    clickItem(item("betButton"));
    QTRY_VERIFY_WITH_TIMEOUT(tableLog().size() > before, 10000);
    QTest::qWait(1500);
    const QStringList clicks = tableLog().mid(before);
    const QHash<QString, int> chipValue{{QStringLiteral("JETON_1"), 10}, {QStringLiteral("JETON_2"), 50}};
    QHash<QString, int> placed;
    int chip = 0;
    for (const QString &line : clicks) {
        const QStringList parts = line.split(QLatin1Char(' '));
        QCOMPARE(parts.value(0), QStringLiteral("CLICK"));
        const QString where = parts.value(1);
        if (chipValue.contains(where)) {
            chip = chipValue.value(where);
        } else {
            QVERIFY2(chip > 0, qPrintable(QStringLiteral("a spot clicked before any chip: ") + line));
            placed[where] += chip;
        }
    }
    qInfo() << "stake" << stake << "clicks" << clicks;
    QCOMPARE(placed.value(QStringLiteral("BANKER")), stake);
    QCOMPARE(placed.value(QStringLiteral("PLAYER")), 0);
    QCOMPARE(placed.value(QStringLiteral("TIE")), 0);
    QCOMPARE(placed.value(QStringLiteral("NONE")), 0);
}

// "Miser" again with slow clicks, Control pressed while they run: the clicks stop, and the play
// screen says how many were made and what the table holds, as the stand-in table received it.
void TestEndToEndBet::controlStopShowsWhatTheTableHolds()
{
    const int stake =
        qvariant_cast<QObject *>(m_facade->keypad().value(QStringLiteral("4002")))->property("bet").toInt();
    QVERIFY(stake > 0);
    m_engine->calibration()->setMouseClickDelay(500);
    const auto fast = qScopeGuard([this] { m_engine->calibration()->setMouseClickDelay(30); });
    const QVariantMap preview = m_facade->previewBet();
    const int planned = int(preview.value(QStringLiteral("clicks")).toList().size());
    QVERIFY2(planned >= 3, qPrintable(QString::number(planned)));

    // bet() blocks this thread: Control is pressed by a process of its own, during the second
    // click (each click takes a second); on a slow machine it may come later, as long as it
    // comes before the last click ends.
    const int before = int(tableLog().size());
    QVERIFY(QProcess::startDetached(
        QStringLiteral("sh"), {QStringLiteral("-c"), QStringLiteral("sleep 1.2; xdotool keydown ctrl")}));
    clickItem(item("betButton"));
    // The dialog is a popup, not an item: found among the page's objects.
    QObject *dialog = m_window->findChild<QObject *>(QStringLiteral("betStoppedDialog"));
    QVERIFY(dialog);
    QTRY_VERIFY_WITH_TIMEOUT(QQmlProperty::read(dialog, QStringLiteral("opened")).toBool(), 10000);
    auto *content = qvariant_cast<QQuickItem *>(QQmlProperty::read(dialog, QStringLiteral("contentItem")));
    auto *header = qvariant_cast<QQuickItem *>(QQmlProperty::read(dialog, QStringLiteral("header")));
    auto *footer = qvariant_cast<QQuickItem *>(QQmlProperty::read(dialog, QStringLiteral("footer")));
    QVERIFY(content && header && footer);
    QVERIFY(xdotool({QStringLiteral("keyup"), QStringLiteral("ctrl")}));
    QTest::qWait(300);
    const QStringList clicks = tableLog().mid(before);
    QVERIFY2(!clicks.isEmpty() && clicks.size() <= planned, qPrintable(clicks.join(u", ")));
    int chip = 0;
    int onBanker = 0;
    for (const QString &line : clicks) {
        const QString where = line.split(QLatin1Char(' ')).value(1);
        if (where == u"JETON_1" || where == u"JETON_2") {
            chip = where == u"JETON_1" ? 10 : 50;
        } else if (where == u"BANKER") {
            onBanker += chip;
        }
    }
    QObject *message = itemIn(content, "errorMessage");
    QVERIFY(message);
    const QString text = QQmlProperty::read(message, QStringLiteral("text")).toString();
    qInfo().noquote() << "table" << clicks << "screen" << text;
    QCOMPARE(text, m_facade->betError());
    QVERIFY2(text.startsWith(QStringLiteral("Mise interrompue par CTRL : %1 clics sur %2 faits.")
                                 .arg(clicks.size())
                                 .arg(planned)),
             qPrintable(text));
    QVERIFY2(text.contains(QStringLiteral("BANKER %1 sur %2")
                               .arg(QString::asprintf("%.2f", onBanker / 100.0),
                                    QString::asprintf("%.2f", stake / 100.0))),
             qPrintable(text));
    QCOMPARE(QQmlProperty::read(header, QStringLiteral("text")).toString(),
             QStringLiteral("Mise interrompue"));
    const QString shots = qEnvironmentVariable("NOX_E2E_SHOTS");
    if (!shots.isEmpty()) {
        QVERIFY(m_window->grabWindow().save(shots + QStringLiteral("/bet_stopped.png")));
    }
    // It stays until the player dismisses it.
    QTest::qWait(500);
    QVERIFY(QQmlProperty::read(dialog, QStringLiteral("opened")).toBool());
    clickItem(itemIn(footer, "acceptButton"));
    QTRY_VERIFY(!QQmlProperty::read(dialog, QStringLiteral("opened")).toBool());
}

// The shipped dialog, opened from the settings: each real click outside the program's window
// gives the current step its point, a click on the program's own window and clicks beyond the
// last step are not taken, "Annuler" keeps the stored points and "Valider" stores exactly the
// clicks, in the order of the steps.
void TestEndToEndBet::calibrationTakesOneClickPerStepOutsideTheWindow()
{
    using Id = Nox::NoxBetItemID;
    clickItem(item("settingsButton"));
    QTRY_VERIFY(item("settingsPage"));
    QQuickItem *page = item("settingsPage");
    QTRY_VERIFY(!QQmlProperty::read(item("app"), QStringLiteral("busy")).toBool());
    if (!itemIn(page, "tableCalibrationButton") || !itemIn(page, "tableCalibrationButton")->isVisible()) {
        clickItem(itemIn(itemIn(page, "section2"), "sectionHeader"));
    }
    QTRY_VERIFY(itemIn(page, "tableCalibrationButton") &&
                itemIn(page, "tableCalibrationButton")->isVisible());
    QObject *dialog = calibrationDialog();
    QVERIFY(dialog);
    const QPoint player = place(QStringLiteral("PLAYER"));
    const QPoint banker = place(QStringLiteral("BANKER"));
    const QPoint tie = place(QStringLiteral("TIE"));
    QCOMPARE(storedPoint(Id::B_PLAYER), std::optional<QPoint>(player));

    // Cancelled after one click: nothing is stored.
    clickItem(itemIn(page, "tableCalibrationButton"));
    QTRY_VERIFY(QQmlProperty::read(dialog, QStringLiteral("opened")).toBool());
    QTRY_VERIFY(QQmlProperty::read(m_window, QStringLiteral("mouseCapture")).toBool());
    realClick(tie);
    QTRY_COMPARE(QQmlProperty::read(dialog, QStringLiteral("index")).toInt(), 1);
    clickItem(dialogItem("footer", "rejectButton"));
    QTRY_VERIFY(!QQmlProperty::read(dialog, QStringLiteral("opened")).toBool());
    QVERIFY(!QQmlProperty::read(m_window, QStringLiteral("mouseCapture")).toBool());
    QCOMPARE(storedPoint(Id::B_PLAYER), std::optional<QPoint>(player));

    // The steps are PLAYER, BANKER, TIE: the spots are clicked the other way round, with a
    // click on the dialog's own text between them and one more spot after the last step.
    clickItem(itemIn(page, "tableCalibrationButton"));
    QTRY_VERIFY(QQmlProperty::read(dialog, QStringLiteral("opened")).toBool());
    QTRY_VERIFY(QQmlProperty::read(m_window, QStringLiteral("mouseCapture")).toBool());
    QCOMPARE(QQmlProperty::read(dialog, QStringLiteral("index")).toInt(), 0);
    realClick(tie);
    QTRY_COMPARE(QQmlProperty::read(dialog, QStringLiteral("index")).toInt(), 1);
    QQuickItem *notice = dialogItem("contentItem", "notice");
    QVERIFY(notice);
    realClick(centreOf(notice)); // on the program's window: not a point of the table
    QTest::qWait(300);
    QCOMPARE(QQmlProperty::read(dialog, QStringLiteral("index")).toInt(), 1);
    realClick(banker);
    realClick(player);
    QTRY_VERIFY(QQmlProperty::read(dialog, QStringLiteral("done")).toBool());
    realClick(place(QStringLiteral("DOUBLE")));
    QTest::qWait(300);
    QCOMPARE(QQmlProperty::read(dialog, QStringLiteral("index")).toInt(), 3);
    QCOMPARE(QQmlProperty::read(dialogItem("contentItem", "stepTitle"), QStringLiteral("text")).toString(),
             QStringLiteral("Terminé"));
    // The dialog shows the capture's positions.
    const QVariantList positions = QQmlProperty::read(dialog, QStringLiteral("positions")).toList();
    QCOMPARE(positions.size(), 3);
    QCOMPARE(positions.at(0).toPoint(), tie);
    const QString shots = qEnvironmentVariable("NOX_E2E_SHOTS");
    if (!shots.isEmpty()) {
        QVERIFY(m_window->grabWindow().save(shots + QStringLiteral("/calibration_done.png")));
    }
    clickItem(dialogItem("footer", "acceptButton"));
    QTRY_VERIFY(!QQmlProperty::read(dialog, QStringLiteral("opened")).toBool());
    QVERIFY(!QQmlProperty::read(m_window, QStringLiteral("mouseCapture")).toBool());

    QCOMPARE(storedPoint(Id::B_PLAYER), std::optional<QPoint>(tie));
    QCOMPARE(storedPoint(Id::B_BANKER), std::optional<QPoint>(banker));
    QCOMPARE(storedPoint(Id::B_TIE), std::optional<QPoint>(player));
    QCOMPARE(storedPoint(Id::X_DBL), std::optional<QPoint>(place(QStringLiteral("DOUBLE"))));
}

QTEST_MAIN(TestEndToEndBet)
#include "tst_e2e_autobet.moc"
