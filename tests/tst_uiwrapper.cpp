#include "calibration/icalibration.h"
#include "calibration/noxcalibrationitem.h"
#include "engine/noxengine.h"
#include "engine/noxmethod.h"
#include "engine/noxmethodstate.h"
#include "methods/methodeauto.h"
#include "recordinginput.h"
#include "testsupport.h"
#include "uidisplaysession.h"
#include "uiengineconfig.h"
#include "uifilteredmethodlistmodel.h"
#include "uifinancialconfig.h"
#include "uimethodlistmodel.h"
#include "uiplayedlistmodel.h"
#include "uitestsupport.h"
#include "uiwrapper.h"

#include <QAbstractItemModelTester>
#include <QJSEngine>
#include <QQmlComponent>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQmlPropertyMap>
#include <QSettings>
#include <QThread>
#include <QtTest>

#include <memory>
#include <thread>
#include <vector>

using namespace Nox;
using NoxTest::EngineRoot;

namespace {

enum Baccarat { Tie = 0, Player = 1, Banker = 2 };

QQmlPropertyMap *keypadEntry(const UIWrapper &ui, NoxBetItemID id)
{
    return qobject_cast<QQmlPropertyMap *>(ui.keypad().value(QString::number(int(id))).value<QObject *>());
}

int methodIdOf(const NoxEngine &engine, const QString &name)
{
    for (const NoxMethodState *s : engine.methodStates()) {
        if (s->method()->name() == name) {
            return s->method()->index();
        }
    }
    return -1;
}

/// Checks every model of the facade for the whole test: rows change only inside
/// begin/end calls, indexes stay consistent.
std::vector<std::unique_ptr<QAbstractItemModelTester>> watchModels(const UIWrapper &ui)
{
    std::vector<std::unique_ptr<QAbstractItemModelTester>> testers;
    for (QAbstractItemModel *model : std::initializer_list<QAbstractItemModel *>{
             ui.methodList(), ui.filteredMethodList(), ui.userMethods(), ui.quickMethods(), ui.splitMethods(),
             ui.sortedMethodList(), ui.playedItems()}) {
        testers.push_back(std::make_unique<QAbstractItemModelTester>(
            model, QAbstractItemModelTester::FailureReportingMode::QtTest));
    }
    return testers;
}

/// Lets the queued refreshes of the facade run.
void settle()
{
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::processEvents();
    }
}

} // namespace

class TestUIWrapper : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        NoxTest::useSandbox(m_dir);
        QCoreApplication::setOrganizationName(QStringLiteral("NoxBaccaratTest"));
        QCoreApplication::setApplicationName(QStringLiteral("tst_uiwrapper"));
        // The bets of these tests click: an X11 session, whatever the desktop running them.
        qunsetenv("XDG_SESSION_TYPE");
        qunsetenv("WAYLAND_DISPLAY");
    }

    void keypadHoldsTheThreeBaccaratItems()
    {
        EngineRoot root;
        root.loadCatalogue();
        UIWrapper ui(&root);
        const QStringList keys = ui.keypad().keys();
        QCOMPARE(keys, (QStringList{QStringLiteral("4000"), QStringLiteral("4001"), QStringLiteral("4002")}));
        for (NoxBetItemID id : {NoxBetItemID::B_TIE, NoxBetItemID::B_PLAYER, NoxBetItemID::B_BANKER}) {
            QQmlPropertyMap *entry = keypadEntry(ui, id);
            QVERIFY(entry);
            QCOMPARE(entry->value(QStringLiteral("value")).toInt(), int(id));
            QCOMPARE(entry->value(QStringLiteral("flags")).toInt(), 0);
            QCOMPARE(entry->value(QStringLiteral("bet")).toInt(), 0);
            QVERIFY(!entry->contains(QStringLiteral("color")));
        }
    }

    void rouletteKeypadHasEveryPlaceWithColours()
    {
        EngineRoot root(false);
        UIWrapper ui(&root);
        QCOMPARE(ui.keypad().size(), 37 + 6 + 3 + 11 + 12 + 3);
        QCOMPARE(keypadEntry(ui, NoxBetItemID::N0)->value(QStringLiteral("colorName")).toString(), u"green");
        QCOMPARE(keypadEntry(ui, NoxBetItemID::N1)->value(QStringLiteral("colorName")).toString(), u"red");
        QCOMPARE(keypadEntry(ui, NoxBetItemID::N2)->value(QStringLiteral("colorName")).toString(), u"black");
        QVERIFY(ui.keypad().contains(QStringLiteral("1005")));
        QVERIFY(ui.keypad().contains(QStringLiteral("211")));
        QVERIFY(!ui.keypad().contains(QStringLiteral("4000")));
    }

    void playRecordsOnlyResultsOfTheTable()
    {
        EngineRoot root;
        root.loadCatalogue();
        UIWrapper ui(&root);
        ui.play(Player);
        ui.play(4001);
        ui.play(-1);
        ui.play(37);
        QCOMPARE(root.engine()->playedValues(), QList<int>{Player});
        settle();
        QCOMPARE(ui.summaryRecord().played, 1);
        QCOMPARE(ui.playedItems()->rowCount(), 1);
        ui.unplay();
        settle();
        QCOMPARE(ui.summaryRecord().played, 0);
    }

    void aBurstOfNotificationsGivesOneRefresh()
    {
        EngineRoot root;
        root.loadCatalogue();
        UIWrapper ui(&root);
        settle();
        QSignalSpy internal(&ui, &UIWrapper::itemsToPlayChangedInternal);
        QSignalSpy summary(&ui, &UIWrapper::summaryChanged);
        QSignalSpy methods(&ui, &UIWrapper::methodConfigChanged);
        const int before = ui.test();
        emit root.engine()->itemsToPlayChanged();
        emit root.engine()->itemsToPlayChanged();
        // From another thread too, as the engine's task thread raises them.
        // A std::thread, whose join ThreadSanitizer sees (QThread::wait is not instrumented).
        std::thread worker([&root] {
            emit root.engine()->itemsToPlayChanged();
            emit root.engine()->methodStatesChanged();
            emit root.engine()->methodStateChanged(3);
        });
        worker.join();
        QCOMPARE(internal.count(), 1);
        QCOMPARE(ui.test(), before);
        settle();
        QCOMPARE(ui.test(), before + 1);
        QCOMPARE(summary.count(), 1);
        QCOMPARE(methods.count(), 1);

        // The flag is clear again: the next notification asks for a new refresh.
        emit root.engine()->itemsToPlayChanged();
        QCOMPARE(internal.count(), 2);
        settle();
        QCOMPARE(ui.test(), before + 2);
    }

    void asyncPlaysReachTheKeypadOnTheGuiThread()
    {
        EngineRoot root(true, true);
        root.loadCatalogue();
        UIWrapper ui(&root);
        const int banker = methodIdOf(*root.engine(), QStringLiteral("BANKER"));
        QVERIFY(banker >= 0);
        ui.setMethodActive(banker, true);
        QSignalSpy keypad(&ui, &UIWrapper::keypadChanged);
        for (int v : {Banker, Player, Banker, Tie, Banker}) {
            ui.play(v);
        }
        QTRY_COMPARE(ui.summaryRecord().played, 5);
        QTRY_VERIFY(keypadEntry(ui, NoxBetItemID::B_BANKER)->value(QStringLiteral("bet")).toInt() > 0);
        // Five plays, each with several engine signals, never refresh more often than plays.
        QVERIFY(keypad.count() >= 1);
        QVERIFY(ui.test() <= 1 + 5 + 1);
    }

    void keypadIsClearedWhenNothingIsToPlay()
    {
        EngineRoot root;
        root.loadCatalogue();
        UIWrapper ui(&root);
        const auto testers = watchModels(ui);
        const int banker = methodIdOf(*root.engine(), QStringLiteral("BANKER"));
        ui.setMethodActive(banker, true);
        settle();
        QQmlPropertyMap *entry = keypadEntry(ui, NoxBetItemID::B_BANKER);
        QCOMPARE(entry->value(QStringLiteral("flags")).toInt() & 1, 1);
        const int stake = entry->value(QStringLiteral("bet")).toInt();
        QVERIFY(stake > 0);
        QCOMPARE(ui.summaryRecord().jeton, stake);

        QSignalSpy keypad(&ui, &UIWrapper::keypadChanged);
        QSignalSpy betChanged(entry, &QQmlPropertyMap::valueChanged);
        ui.setMethodActive(banker, false);
        settle();
        QCOMPARE(keypad.count(), 1);
        QCOMPARE(entry->value(QStringLiteral("flags")).toInt(), 0);
        QCOMPARE(entry->value(QStringLiteral("bet")).toInt(), 0);
        QCOMPARE(ui.summaryRecord().jeton, 0);
        // Untouched entries keep their values and the map is not announced again.
        emit root.engine()->itemsToPlayChanged();
        settle();
        QCOMPARE(keypad.count(), 1);
    }

    void summaryProfitIsResultMinusStake()
    {
        EngineRoot root;
        root.loadCatalogue();
        UIWrapper ui(&root);
        const int banker = methodIdOf(*root.engine(), QStringLiteral("BANKER"));
        ui.setMethodActive(banker, true);
        for (int v : {Player, Player, Banker, Tie, Player}) {
            ui.play(v);
        }
        settle();
        const UISummary &s = ui.summaryRecord();
        const NoxFinancial f = root.engine()->financial();
        QCOMPARE(s.played, 5);
        QVERIFY(s.mise > 0);
        QCOMPARE(s.mise, double(f.mise));
        QCOMPARE(s.sansMise, double(f.capital - f.capitalOrigine));
        QCOMPARE(s.profit, s.sansMise - s.mise);
        QCOMPARE(s.toPlay, 0);
        QCOMPARE(s.ct, 0);
        const QVariantMap stats = ui.financialStats().toMap();
        QCOMPARE(stats.value(QStringLiteral("betWinCount")).toInt() +
                     stats.value(QStringLiteral("betLossCount")).toInt(),
                 ui.financialProfitList().size());

        QSignalSpy summary(&ui, &UIWrapper::summaryChanged);
        ui.suspend();
        settle();
        QVERIFY(ui.summaryRecord().suspended);
        QCOMPARE(ui.summaryRecord().mise, 0.0);
        QVERIFY(summary.count() >= 1);
        ui.resume();
        settle();
        QVERIFY(!ui.summaryRecord().suspended);
    }

    void importParsesTheLinesAndReportsTheEnd()
    {
        QCOMPARE(UIWrapper::parsePlayedItems(QStringLiteral("P\r\nB\r\n\r\nX\r\nT"), true),
                 (QList<int>{1, 2, 0}));
        QCOMPARE(UIWrapper::parsePlayedItems(QStringLiteral("P\nB\n\nX\nT\n"), true), (QList<int>{1, 2, 0}));
        QCOMPARE(UIWrapper::parsePlayedItems(QStringLiteral("p\nb\n t\nPB"), true), QList<int>());
        QCOMPARE(UIWrapper::parsePlayedItems(QStringLiteral("0\n36\n37\n-1\nx\n12"), false),
                 (QList<int>{0, 36, 12}));

        EngineRoot root;
        root.loadCatalogue();
        UIWrapper ui(&root);
        QJSEngine js;
        js.globalObject().setProperty(QStringLiteral("calls"), js.newArray());
        const QJSValue callback =
            js.evaluate(QStringLiteral("(function(p, n) { calls.push([p, n]); return true; })"));
        QVERIFY(callback.isCallable());
        ui.addPlayedItemsString(QStringLiteral("P\r\nB\r\n\r\nX\r\nT"), callback);
        QTRY_VERIFY(
            js.evaluate(QStringLiteral("calls.length > 0 && calls[calls.length - 1][0] === 3")).toBool());
        QCOMPARE(root.engine()->playedValues(), (QList<int>{1, 2, 0}));
        QCOMPARE(js.evaluate(QStringLiteral("calls[calls.length - 1][1]")).toInt(), 3);
        settle();
        QCOMPARE(ui.summaryRecord().played, 3);
    }

    void aCallbackReturningFalseCancelsTheImport()
    {
        EngineRoot root(true, true);
        root.loadCatalogue();
        UIWrapper ui(&root);
        QString text;
        for (int i = 0; i < 3000; ++i) {
            text += (i % 3 == 0 ? u'P' : u'B');
            text += u'\n';
        }
        QJSEngine js;
        js.globalObject().setProperty(QStringLiteral("calls"), js.newArray());
        const QJSValue callback =
            js.evaluate(QStringLiteral("(function(p, n) { calls.push([p, n]); return p === n; })"));
        ui.addPlayedItemsString(text, callback);
        QTRY_VERIFY_WITH_TIMEOUT(
            js.evaluate(QStringLiteral("calls.length > 0 && calls[calls.length - 1][0] === 3000")).toBool(),
            20000);
        root.engine()->restart(false, false); // waits for the queue to drain
        QVERIFY(root.engine()->playedValues().size() < 3000);
        QCOMPARE(js.evaluate(QStringLiteral("calls[calls.length - 1][1]")).toInt(), 3000);
    }

    void exportWritesOneLetterPerLine()
    {
        EngineRoot root;
        root.loadCatalogue();
        UIWrapper ui(&root);
        QCOMPARE(ui.getPlayedItemsString(), QString());
        ui.play(Tie);
        ui.play(Banker);
        QCOMPARE(ui.getPlayedItemsString(), QStringLiteral("T\nB\n"));
        ui.play(Player);
        const QString text = ui.getPlayedItemsString();
        QCOMPARE(UIWrapper::parsePlayedItems(text, true), (QList<int>{Tie, Banker, Player}));
    }

    void truncateWithoutArgumentKeepsTheConfiguredCount()
    {
        EngineRoot root;
        root.loadCatalogue();
        UIWrapper ui(&root);
        const auto testers = watchModels(ui);
        ui.setEngineConfigValue(QStringLiteral("truncateCount"), 3);
        ui.setEngineConfigValue(QStringLiteral("unknown"), 7);
        QCOMPARE(root.engine()->config().truncateCount, 3);
        for (int v : {1, 2, 1, 2, 0}) {
            ui.play(v);
        }
        ui.truncatePlayedItems();
        QCOMPARE(root.engine()->playedValues(), (QList<int>{1, 2, 0}));
        ui.truncatePlayedItems(1);
        QCOMPARE(root.engine()->playedValues(), QList<int>{0});
        settle();
        QCOMPARE(ui.playedItems()->rowCount(), 1);
    }

    void methodConfigReportsTheColourGroups()
    {
        EngineRoot root;
        root.loadCatalogue();
        UIWrapper ui(&root);
        QVariantMap config = ui.methodConfig().toMap();
        QVERIFY(config.value(QStringLiteral("allPurple")).toBool()); // no user method
        QVERIFY(config.contains(QStringLiteral("allDarkOrange")));
        QCOMPARE(config.value(QStringLiteral("profile")).toString(), QString());
        QCOMPARE(config.value(QStringLiteral("truncateCount")).toInt(),
                 root.engine()->config().truncateCount);
        const bool allVisible = config.value(QStringLiteral("all")).toBool();
        Q_UNUSED(allVisible)

        QSignalSpy spy(&ui, &UIWrapper::methodConfigChanged);
        ui.setMethodsVisible(QStringLiteral("all"), true);
        QCOMPARE(spy.count(), 1);
        QVERIFY(spy.last().at(0).toMap().value(QStringLiteral("all")).toBool());
        ui.setMethodsVisible(QStringLiteral("all"), false);
        config = spy.last().at(0).toMap();
        QVERIFY(!config.value(QStringLiteral("all")).toBool());
        QVERIFY(config.value(QStringLiteral("allPurple")).toBool()); // still an empty group

        ui.setMethodsConfigValue(QStringLiteral("all"), QStringLiteral("useNotif"), true);
        QVERIFY(ui.methodConfig().toMap().value(QStringLiteral("allEcartNotif")).toBool());
        ui.setMethodsConfigValue(QStringLiteral("allEcartNotif"), QStringLiteral("useNotif"), false);
        QVERIFY(!ui.methodConfig().toMap().value(QStringLiteral("allEcartNotif")).toBool());
        const int banker = methodIdOf(*root.engine(), QStringLiteral("BANKER"));
        ui.setMethodConfigValue(banker, QStringLiteral("ecartNotif"), 9);
        ui.setMethodConfigValue(banker, QStringLiteral("nope"), 1);
        QCOMPARE(root.engine()->methodState(banker)->ecartNotif(), 9);
    }

    void userMethodsAndMontantesRoundTrip()
    {
        EngineRoot root;
        root.loadCatalogue();
        UIWrapper ui(&root);
        QCOMPARE(ui.getMethodId(QStringLiteral("TIE")), methodIdOf(*root.engine(), QStringLiteral("TIE")));
        QCOMPARE(ui.getMethodId(QStringLiteral("no such method")), -1);
        QVERIFY(!ui.getUserMethod(100000).isValid());

        QSignalSpy montantes(&ui, &UIWrapper::montantesChanged);
        QVariantMap model{{QStringLiteral("name"), QStringLiteral("Mine")},
                          {QStringLiteral("steps"), QStringLiteral("1,2,3")}};
        ui.upsertUserMontante(-1, model);
        QCOMPARE(montantes.count(), 1);
        const QList<QVariant> users = ui.getUserMontantes();
        QCOMPARE(users.size(), 1);
        const int id = users.first().toMap().value(QStringLiteral("montanteId")).toInt();
        QCOMPARE(users.first().toMap().value(QStringLiteral("name")).toString(), u"Mine");
        QVERIFY(
            ui.montantes().value(QStringLiteral("plein")).toStringList().contains(QStringLiteral("Mine")));

        const QList<QVariant> parameters = ui.getMontanteParameters(id);
        QVERIFY(!parameters.isEmpty());
        QStringList types;
        for (const QVariant &p : parameters) {
            const QVariantMap map = p.toMap();
            types.append(map.value(QStringLiteral("type")).toString());
            if (map.value(QStringLiteral("type")).toString() == u"int") {
                QVERIFY(map.contains(QStringLiteral("precision")));
            }
        }
        QVERIFY(types.contains(QStringLiteral("string")));
        QVERIFY(types.contains(QStringLiteral("int")));
        QVERIFY(types.contains(QStringLiteral("bool")));
        QCOMPARE(ui.getUserMontante(id).toMap().value(QStringLiteral("montanteId")).toInt(), id);
        QCOMPARE(ui.getUserMontante(id).toMap().value(QStringLiteral("name")).toString(), u"Mine");

        // The way back keeps the values: a round trip changes nothing.
        ui.setMontanteParameters(id, parameters);
        QCOMPARE(ui.getMontanteParameters(id), parameters);

        ui.setCurrentMontante(QStringLiteral("plein"), QStringLiteral("Mine"));
        QCOMPARE(ui.currentMontantes().value(QStringLiteral("plein")).toString(), u"Mine");
        QCOMPARE(ui.currentMontanteDetails().value(QStringLiteral("name")).toString(), u"Mine");
        ui.setCurrentMontante(QStringLiteral("nokind"), QStringLiteral("Mine"));
        ui.setCurrentMontante(QStringLiteral("plein"), QStringLiteral("no such progression"));
        QCOMPARE(ui.currentMontantes().value(QStringLiteral("plein")).toString(), u"Mine");

        ui.removeUserMontante(id);
        QCOMPARE(montantes.count(), 2);
        QVERIFY(ui.getUserMontantes().isEmpty());
    }

    void methodDetailsCarryTheGapFigures()
    {
        EngineRoot root;
        root.loadCatalogue();
        UIWrapper ui(&root);
        const int banker = methodIdOf(*root.engine(), QStringLiteral("BANKER"));
        for (int v : {Player, Player, Banker, Player, Banker}) {
            ui.play(v);
        }
        const QVariantMap details = ui.getMethodDetails(banker);
        QCOMPARE(details.value(QStringLiteral("nbWins")).toInt(), 2);
        QCOMPARE(details.value(QStringLiteral("ecart")).toInt(), root.engine()->methodState(banker)->ecart());
        QCOMPARE(details.value(QStringLiteral("lastEcart")).toInt(), 1);
        QVERIFY(details.contains(QStringLiteral("ecartMoyen")));
        QVERIFY(ui.getMethodDetails(100000).isEmpty());
    }

    void theListSortTypeReachesTheAutomaticMethods()
    {
        EngineRoot root;
        root.loadCatalogue();
        UIWrapper ui(&root);
        const int top = methodIdOf(*root.engine(), QStringLiteral("AUTO Top"));
        auto *autoTop = dynamic_cast<MethodeAuto *>(root.engine()->methodState(top)->method());
        QVERIFY(autoTop);
        QSignalSpy sorted(ui.filteredMethodList(), &UIFilteredMethodListModel::sortTypeChanged);
        ui.filteredMethodList()->setSortType(ScoreTendance);
        QCOMPARE(sorted.count(), 1);
        QCOMPARE(autoTop->sortType(), ScoreTendance);
        ui.filteredMethodList()->setSortType(ScoreTendance);
        QCOMPARE(sorted.count(), 1);
    }

    void viewsFollowTheEngineConfiguration()
    {
        EngineRoot root;
        root.loadCatalogue();
        UIWrapper ui(&root);
        QCOMPARE(ui.quickMethods()->sortType(), int(QuickMode));
        QCOMPARE(ui.filteredMethodList()->signalBlocksFilter(), -1);
        ui.engineConfig()->setSmartQuickMode(true);
        QCOMPARE(ui.quickMethods()->sortType(), int(QuickModeSmart));
        ui.engineConfig()->setSmartQuickModeIsolate(true);
        QVERIFY(ui.quickMethods()->activeIsolateEnabled());
        ui.engineConfig()->setSignalBlocks(true);
        QCOMPARE(ui.filteredMethodList()->signalBlocksFilter(), 0);
        ui.engineConfig()->setSignalTendanceBack(true);
        QCOMPARE(ui.filteredMethodList()->signalTendanceFilter(), 0);

        // A change made elsewhere reaches the views with the next refresh.
        NoxEngineConfig config = root.engine()->config();
        config.signalBlocDominantConfirme = true;
        root.engine()->setConfig(config);
        settle();
        QCOMPARE(ui.filteredMethodList()->signalBlocDominantConfirmeFilter(), 0);
        QCOMPARE(ui.userMethods()->subTypeFilter(), NoxMethodSubType::purpleperso4);
        QCOMPARE(ui.splitMethods()->visibleFilterEnabled(), 4);
        QCOMPARE(ui.methodColors().size(), 14);
        QCOMPARE(ui.methodColors().at(1), QColor(QStringLiteral("#73E875")));
    }

    void languageChangesOnlyWithATranslation()
    {
        EngineRoot root;
        UIWrapper ui(&root);
        QSettings settings;
        settings.remove(QStringLiteral("language"));
        ui.setLanguage(QStringLiteral("xx"));
        QVERIFY(!QSettings().contains(QStringLiteral("language")));
        ui.setLanguage(QStringLiteral("en"));
        QCOMPARE(QSettings().value(QStringLiteral("language")).toString(), u"en");
        QCOMPARE(QCoreApplication::translate("Methods", "Figure 01"), u"Pattern 01");
        ui.setLanguage(QStringLiteral("xx"));
        QCOMPARE(QSettings().value(QStringLiteral("language")).toString(), u"en");
        QCOMPARE(QCoreApplication::translate("Methods", "Figure 01"), u"Pattern 01");
    }

    void languageRetranslatesWhatIsShown()
    {
        EngineRoot root;
        QQmlEngine qml;
        UIWrapper ui(&root);
        QQmlEngine::setContextForObject(&ui, qml.rootContext());
        ui.setLanguage(QStringLiteral("xx"));
        QQmlComponent component(&qml);
        component.setData(
            "import QtQml\nQtObject { property string shown: qsTranslate(\"Methods\", \"Figure 01\") }",
            QUrl());
        const std::unique_ptr<QObject> item(component.create());
        QVERIFY2(item, qPrintable(component.errorString()));
        QCOMPARE(item->property("shown").toString(), u"Figure 01");
        ui.setLanguage(QStringLiteral("en"));
        QCOMPARE(ui.language(), u"en");
        // The binding created before the change shows the new language at once.
        QCOMPARE(item->property("shown").toString(), u"Pattern 01");
    }

    void removedUserMethodsLeaveNoRowBehind()
    {
        EngineRoot root;
        root.loadCatalogue();
        UIWrapper ui(&root);
        const auto testers = watchModels(ui);
        const int rows = ui.methodList()->rowCount();
        ui.upsertUserMethod(-1, QVariantMap{{QStringLiteral("name"), QStringLiteral("Mine")},
                                            {QStringLiteral("nums"), QVariantList{1, 2}}});
        QCOMPARE(ui.methodList()->rowCount(), rows + 1);
        const int id = ui.getMethodId(QStringLiteral("Mine"));
        QVERIFY(id >= 0);
        QCOMPARE(ui.getUserMethod(id).toMap().value(QStringLiteral("name")).toString(), u"Mine");
        QCOMPARE(ui.userMethods()->rowCount(), 1);
        // No event processed in between: the rows already follow the engine.
        ui.removeUserMethod(id);
        QCOMPARE(ui.methodList()->rowCount(), rows);
        for (const NoxMethodState *s : ui.methodList()->states()) {
            QVERIFY(root.engine()->methodStates().contains(s));
        }
        QCOMPARE(ui.userMethods()->rowCount(), 0);
        settle();
        QCOMPARE(ui.methodList()->rowCount(), rows);
    }

    void betPlacesTheProposedStakesOrSaysWhyNot()
    {
        EngineRoot root;
        root.loadCatalogue();
        UIWrapper ui(&root);
        NoxTest::RecordingInput input;
        ui.setBetInput(&input);
        QSignalSpy error(&ui, &UIWrapper::betErrorChanged);

        // Nothing to play: the bet runs and clicks nothing.
        QVERIFY(ui.bet());
        QCOMPARE(ui.betError(), QString());
        QCOMPARE(input.clickCount, 0);

        // A stake on a table that is not calibrated: refused, with the reason, nothing clicked.
        const int banker = methodIdOf(*root.engine(), QStringLiteral("BANKER"));
        ui.setMethodActive(banker, true);
        settle();
        QVERIFY(!ui.bet());
        QVERIFY(!ui.betError().isEmpty());
        QCOMPARE(error.count(), 1);
        // QML reads the reason through the property ("Erreur" shows it).
        QCOMPARE(ui.property("betError").toString(), ui.betError());
        QCOMPARE(input.clickCount, 0);
        QVariantMap preview = ui.previewBet();
        QVERIFY(!preview.value(QStringLiteral("ok")).toBool());
        QCOMPARE(preview.value(QStringLiteral("reason")).toString(), ui.betError());

        // Every chip and place calibrated: the preview lists the clicks and the bet makes them.
        Nox::ICalibration *calibration = root.engine()->calibration();
        Nox::NoxCalibrationItemList items = calibration->calibrationItems();
        int x = 100;
        for (Nox::NoxCalibrationItem &item : items) {
            item.x = x;
            item.y = 200;
            item.active = true;
            x += 40;
        }
        calibration->setCalibrationItems(items);
        preview = ui.previewBet();
        QVERIFY2(preview.value(QStringLiteral("ok")).toBool(),
                 qPrintable(preview.value(QStringLiteral("reason")).toString()));
        const QVariantList clicks = preview.value(QStringLiteral("clicks")).toList();
        QVERIFY(!clicks.isEmpty());
        QCOMPARE(clicks.last().toMap().value(QStringLiteral("itemId")).toInt(), int(NoxBetItemID::B_BANKER));
        QCOMPARE(clicks.last().toMap().value(QStringLiteral("name")).toString(), u"B_BANKER");
        QVERIFY(clicks.first().toMap().value(QStringLiteral("name")).toString().startsWith(u"JETON_"));
        QCOMPARE(preview.value(QStringLiteral("total")).toLongLong(),
                 qint64(keypadEntry(ui, NoxBetItemID::B_BANKER)->value(QStringLiteral("bet")).toInt()));
        QVERIFY(ui.bet());
        QCOMPARE(ui.betError(), QString());
        QCOMPARE(error.count(), 2);
        QCOMPARE(input.clickCount, int(clicks.size()));
        QCOMPARE(root.engine()->playedValues().size(), 0); // betting never plays a result
    }

    void waylandSessionTold()
    {
        const auto environment = [](const QString &sessionType, const QString &waylandDisplay) {
            QProcessEnvironment env;
            if (!sessionType.isNull()) {
                env.insert(QStringLiteral("XDG_SESSION_TYPE"), sessionType);
            }
            if (!waylandDisplay.isNull()) {
                env.insert(QStringLiteral("WAYLAND_DISPLAY"), waylandDisplay);
            }
            return env;
        };
        QVERIFY(!UIDisplaySession::isWayland(environment({}, {})));
        QVERIFY(!UIDisplaySession::isWayland(environment(QStringLiteral("x11"), {})));
        QVERIFY(!UIDisplaySession::isWayland(environment(QStringLiteral("tty"), QStringLiteral(""))));
        QVERIFY(UIDisplaySession::isWayland(environment(QStringLiteral("wayland"), {})));
        QVERIFY(UIDisplaySession::isWayland(environment(QStringLiteral("Wayland"), {})));
        QVERIFY(UIDisplaySession::isWayland(environment({}, QStringLiteral("wayland-0"))));
        QVERIFY(UIDisplaySession::isWayland(environment(QStringLiteral("x11"), QStringLiteral("wayland-0"))));
        QVERIFY(
            UIDisplaySession::isWayland(environment(QStringLiteral("wayland"), QStringLiteral("wayland-1"))));
    }

    void waylandSessionRefusesTheBetUntilConfirmed()
    {
        EngineRoot root;
        root.loadCatalogue();
        NoxTest::RecordingInput input;
        {
            UIWrapper x11(&root);
            QVERIFY(!x11.waylandSession());
            QVERIFY(x11.clicksReachTable());
        }
        for (const auto &[name, value] :
             {std::pair{"XDG_SESSION_TYPE", "wayland"}, {"WAYLAND_DISPLAY", "wayland-0"}}) {
            qputenv(name, value);
            UIWrapper ui(&root);
            ui.setBetInput(&input);
            QVERIFY(ui.waylandSession());
            QVERIFY(!ui.clicksReachTable());
            QVERIFY(!ui.property("clicksReachTable").toBool());
            // Refused before any click, through the bet's error, with what to do.
            QVERIFY(!ui.bet());
            QVERIFY2(ui.betError().contains(u"Wayland"), qPrintable(ui.betError()));
            QVERIFY(ui.betError().contains(u"X11"));
            QVERIFY(ui.betError().contains(u"XWayland"));
            QVERIFY(input.events.isEmpty());
            // The player's word that the table runs under XWayland: the bet runs.
            QSignalSpy confirmed(&ui, &UIWrapper::xwaylandConfirmedChanged);
            ui.setProperty("xwaylandConfirmed", true);
            ui.setXwaylandConfirmed(true);
            QCOMPARE(confirmed.size(), 1);
            QVERIFY(ui.clicksReachTable());
            QVERIFY(ui.bet());
            QCOMPARE(ui.betError(), QString());
            QVERIFY(!input.events.isEmpty());
            input.events.clear();
            qunsetenv(name);
        }
        // Kept for this run only: a new facade (a new start of the program) asks again.
        qputenv("XDG_SESSION_TYPE", "wayland");
        UIWrapper again(&root);
        QVERIFY(!again.xwaylandConfirmed());
        qunsetenv("XDG_SESSION_TYPE");
    }
};

QTEST_MAIN(TestUIWrapper)
#include "tst_uiwrapper.moc"
