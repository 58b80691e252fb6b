#include "autobet/noxclickplanner.h"
#include "calibration/icalibration.h"
#include "calibration/noxcalibrationitem.h"
#include "core/noxmethod.h"
#include "core/noxmethodstate.h"
#include "engine/noxengine.h"
#include "methods/methodeauto.h"
#include "recordinginput.h"
#include "testsupport.h"
#include "uibet.h"
#include "uidisplaysession.h"
#include "uiengineconfig.h"
#include "uifilteredmethodlistmodel.h"
#include "uifinancialconfig.h"
#include "uihistoryimport.h"
#include "uimethodlistmodel.h"
#include "uiplayedlistmodel.h"
#include "uiriskestimate.h"
#include "uitestsupport.h"
#include "uiwrapper.h"

#include <QAbstractItemModelTester>
#include <QJSEngine>
#include <QQmlComponent>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQmlPropertyMap>
#include <QSettings>
#include <QTemporaryDir>
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

    // A bet the stake limits lower or leave off stays in its keypad entry, marked for the next
    // coup, with the flag that says why: above the table's limit, lowered to the largest stake,
    // or refused above it. Without limits the flags go again.
    void keypadKeepsTheBetsTheLimitsChange()
    {
        EngineRoot root;
        for (const char *name : {"BANKER 1", "BANKER 2"}) {
            root.engine()->addMethodState(
                NoxTest::fixedState(QString::fromLatin1(name), NoxMethodType::cs, {NoxBetItemID::B_BANKER}));
        }
        root.engine()->addMethodState(
            NoxTest::fixedState(QStringLiteral("TIE"), NoxMethodType::plein, {NoxBetItemID::B_TIE}));
        root.engine()->restart(true, true);
        UIWrapper ui(&root);
        UIFinancialConfig *financial = ui.financial();
        UIMethodeTypeConfig chips = financial->csConfig();
        chips.jetonOrigine = 100;
        financial->setCsConfig(chips);
        chips = financial->pleinConfig();
        chips.jetonOrigine = 100;
        financial->setPleinConfig(chips);
        const QList<int> ids = {methodIdOf(*root.engine(), QStringLiteral("BANKER 1")),
                                methodIdOf(*root.engine(), QStringLiteral("BANKER 2")),
                                methodIdOf(*root.engine(), QStringLiteral("TIE"))};
        for (int id : ids) {
            ui.setMethodActive(id, true);
        }
        settle();
        QQmlPropertyMap *banker = keypadEntry(ui, NoxBetItemID::B_BANKER);
        QQmlPropertyMap *tie = keypadEntry(ui, NoxBetItemID::B_TIE);
        const auto flags = [](const QQmlPropertyMap *entry) {
            return entry->value(QStringLiteral("flags")).toInt();
        };
        const auto stake = [](const QQmlPropertyMap *entry) {
            return entry->value(QStringLiteral("bet")).toInt();
        };
        constexpr int kLimits = UIBet::OutOfLimits | UIBet::Capped | UIBet::OverMaxStake;
        QCOMPARE(stake(banker), 200);
        QCOMPARE(stake(tie), 100);
        QCOMPARE(flags(banker) & kLimits, 0);

        // TIE above its table limit: listed, not staked.
        financial->setTableLimitTie(50);
        settle();
        QCOMPARE(flags(tie) & (UIBet::Marked | kLimits), UIBet::Marked | UIBet::OutOfLimits);
        QCOMPARE(stake(tie), 0);
        QCOMPARE(flags(banker) & kLimits, 0);
        QCOMPARE(stake(banker), 200);

        // The coup above the largest stake: BANKER lowered in whole chips.
        financial->setMaxStake(150);
        settle();
        QCOMPARE(flags(banker) & (UIBet::Marked | kLimits), UIBet::Marked | UIBet::Capped);
        QCOMPARE(stake(banker), 100);
        QCOMPARE(ui.summaryRecord().jeton, 100);

        // Refused above it: BANKER stays listed with no stake.
        financial->setMaxStakeRule(UIFinancialConfig::RefuseStake);
        settle();
        QCOMPARE(flags(banker) & (UIBet::Marked | kLimits), UIBet::Marked | UIBet::OverMaxStake);
        QCOMPARE(stake(banker), 0);
        QCOMPARE(flags(tie) & kLimits, int(UIBet::OutOfLimits));

        financial->setMaxStake(0);
        financial->setTableLimitTie(0);
        settle();
        QCOMPARE(flags(banker) & (UIBet::Marked | kLimits), int(UIBet::Marked));
        QCOMPARE(flags(tie) & (UIBet::Marked | kLimits), int(UIBet::Marked));
        QCOMPARE(stake(banker), 200);
        QCOMPARE(stake(tie), 100);
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
        // What the player obviously meant is taken; the rest is skipped.
        QCOMPARE(UIWrapper::parsePlayedItems(QStringLiteral("p\nb\n t\nPB"), true), (QList<int>{1, 2, 0}));
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

    void importSaysWhatItCorrectedAndSkipped()
    {
        EngineRoot root;
        UIWrapper ui(&root);
        QSignalSpy message(&ui, &UIWrapper::importMessageChanged);
        QJSEngine js;
        js.globalObject().setProperty(QStringLiteral("calls"), js.newArray());
        const QJSValue callback =
            js.evaluate(QStringLiteral("(function(p, n) { calls.push([p, n]); return true; })"));
        ui.addPlayedItemsString(QStringLiteral("P\nb\n B \nX\n\nT\nPB\n# a comment\n"), callback);
        QTRY_VERIFY(
            js.evaluate(QStringLiteral("calls.length > 0 && calls[calls.length - 1][0] === 4")).toBool());
        QCOMPARE(root.engine()->playedValues(), (QList<int>{1, 2, 2, 0}));
        QTRY_COMPARE(message.count(), 1);
        const QString text = ui.importMessage();
        QVERIFY2(text.contains(QStringLiteral("4 résultats ajoutés.")), qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("2 lignes corrigées")), qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("2 lignes illisibles ignorées (n° 4, 7)")), qPrintable(text));
        QVERIFY(!text.contains(QStringLiteral("non ajoutés")));

        // Only the first line numbers are named.
        QString bad;
        for (int i = 0; i < 8; ++i) {
            bad += QStringLiteral("Z\n");
        }
        ui.addPlayedItemsString(bad, QJSValue());
        QTRY_VERIFY(
            ui.importMessage().contains(QStringLiteral("8 lignes illisibles ignorées (n° 1, 2, 3, 4, 5…)")));
        QVERIFY(ui.importMessage().contains(QStringLiteral("0 résultats ajoutés.")));
    }

    void importBeyondTheEngineLimitSaysWhatWasNotTaken()
    {
        // Without a catalogue a coup costs little: fill the history up to five short of the limit.
        EngineRoot root;
        UIWrapper ui(&root);
        root.engine()->playValues(QList<int>(NoxEngine::kMaxPlayed - 5, 1)).waitForFinished();
        QCOMPARE(root.engine()->playedValues().size(), NoxEngine::kMaxPlayed - 5);
        QJSEngine js;
        js.globalObject().setProperty(QStringLiteral("calls"), js.newArray());
        const QJSValue callback =
            js.evaluate(QStringLiteral("(function(p, n) { calls.push([p, n]); return true; })"));
        ui.addPlayedItemsString(QStringLiteral("B\nB\nB\nT\nT\nP\nP\nP\n"), callback);
        QTRY_VERIFY(
            js.evaluate(QStringLiteral("calls.length > 0 && calls[calls.length - 1][0] === 5")).toBool());
        QCOMPARE(js.evaluate(QStringLiteral("calls[calls.length - 1][1]")).toInt(),
                 5); // only what fits is sent
        QCOMPARE(root.engine()->playedValues().size(), NoxEngine::kMaxPlayed);
        QCOMPARE(root.engine()->playedValues().mid(NoxEngine::kMaxPlayed - 5), (QList<int>{2, 2, 2, 0, 0}));
        QTRY_VERIFY(!ui.importMessage().isEmpty());
        const QString text = ui.importMessage();
        QVERIFY2(text.contains(QStringLiteral("5 résultats ajoutés.")), qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("3 résultats non ajoutés")), qPrintable(text));
        QVERIFY(text.contains(QStringLiteral("« Couper la permanence »")));
        QVERIFY(text.contains(QStringLiteral("nouvelle session")));

        // Full: nothing is taken, all is counted.
        ui.addPlayedItemsString(QStringLiteral("P\nB\n"), QJSValue());
        QTRY_VERIFY(ui.importMessage().contains(QStringLiteral("2 résultats non ajoutés")));
        QVERIFY(ui.importMessage().contains(QStringLiteral("0 résultats ajoutés.")));
    }

    void aPasteIsCutToTheTextLimit()
    {
        EngineRoot root;
        UIWrapper ui(&root);
        UIHistoryImport *import = ui.historyImport();
        QVERIFY(import);
        const QVariantMap small = import->fitPaste(QStringLiteral("P\nB\n"), 10);
        QCOMPARE(small.value(QStringLiteral("text")).toString(), QStringLiteral("P\nB\n"));
        QCOMPARE(small.value(QStringLiteral("refused")).toInt(), 0);
        QVERIFY(small.value(QStringLiteral("message")).toString().isEmpty());

        const QString big = QStringLiteral("P\r\n").repeated(20000); // 60 000 characters
        const QVariantMap cut = import->fitPaste(big, 0);
        const QString kept = cut.value(QStringLiteral("text")).toString();
        QVERIFY(kept.size() <= UIHistoryImport::kTextLimit);
        QVERIFY(kept.size() > UIHistoryImport::kTextLimit - 3);
        QVERIFY(kept.endsWith(u'\n')); // no result cut in two
        QCOMPARE(cut.value(QStringLiteral("refused")).toInt(), big.size() - kept.size());
        QVERIFY(cut.value(QStringLiteral("message"))
                    .toString()
                    .contains(QStringLiteral("« Importer un fichier »")));
        // What the area already holds counts.
        const QVariantMap full = import->fitPaste(big, UIHistoryImport::kTextLimit);
        QCOMPARE(full.value(QStringLiteral("text")).toString(), QString());
        QCOMPARE(full.value(QStringLiteral("refused")).toInt(), big.size());
    }

    void aFileIsReadOffTheGuiThreadWithItsLineNumbers()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString path = dir.filePath(QStringLiteral("evening.txt"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("# evening\nP\nB\n\nt\nZ\n");
        file.write(QByteArray(5000, 'P') + "\nB\n");
        file.close();

        EngineRoot root;
        UIWrapper ui(&root);
        UIHistoryImport *import = ui.historyImport();
        QSignalSpy reading(import, &UIHistoryImport::readingChanged);
        QJSEngine js;
        js.globalObject().setProperty(QStringLiteral("calls"), js.newArray());
        const QJSValue callback =
            js.evaluate(QStringLiteral("(function(p, n) { calls.push([p, n]); return true; })"));
        ui.addPlayedItemsFile(QUrl::fromLocalFile(path).toString(), callback);
        QVERIFY(import->isReading());
        QTRY_VERIFY(
            js.evaluate(QStringLiteral("calls.length > 0 && calls[calls.length - 1][0] === 4")).toBool());
        QVERIFY(!import->isReading());
        QCOMPARE(reading.count(), 2);
        QCOMPARE(root.engine()->playedValues(), (QList<int>{1, 2, 0, 2}));
        QTRY_VERIFY(!ui.importMessage().isEmpty());
        const QString text = ui.importMessage();
        QVERIFY2(text.contains(QStringLiteral("4 résultats ajoutés.")), qPrintable(text));
        QVERIFY2(text.contains(QStringLiteral("1 lignes corrigées")), qPrintable(text));
        // The too long line is skipped with its number.
        QVERIFY2(text.contains(QStringLiteral("2 lignes illisibles ignorées (n° 6, 7)")), qPrintable(text));

        ui.addPlayedItemsFile(dir.filePath(QStringLiteral("missing.txt")), callback);
        QTRY_VERIFY(ui.importMessage().startsWith(QStringLiteral("Impossible de lire le fichier")));
    }

    /// A file that opens but cannot be read says so, with the lines read before the error.
    void aFileThatCannotBeReadSaysWhy()
    {
        // Reading a process's memory from address 0 fails with an I/O error on Linux.
        const QString unreadable = QStringLiteral("/proc/self/mem");
        QFile probe(unreadable);
        if (!probe.open(QIODevice::ReadOnly)) {
            QSKIP("no /proc/self/mem to read");
        }
        char byte = 0;
        if (probe.read(&byte, 1) >= 0) {
            QSKIP("/proc/self/mem reads at address 0 here");
        }
        const QString why = probe.errorString();
        probe.close();
        EngineRoot root;
        UIWrapper ui(&root);
        QSignalSpy message(&ui, &UIWrapper::importMessageChanged);
        ui.addPlayedItemsFile(unreadable, QJSValue());
        QTRY_VERIFY(!ui.historyImport()->isReading());
        QTRY_VERIFY(!ui.importMessage().isEmpty());
        const QString text = ui.importMessage();
        QVERIFY2(text.contains(QStringLiteral("Lecture du fichier interrompue après 0 lignes : ")),
                 qPrintable(text));
        QVERIFY2(text.contains(why), qPrintable(text + u" / " + why));
        QVERIFY(text.startsWith(QStringLiteral("0 résultats ajoutés.")));
        QVERIFY(root.engine()->playedValues().isEmpty());
    }

    void aFileBeingReadCanBeCancelledAndTheEventLoopRuns()
    {
        EngineRoot root;
        UIWrapper ui(&root);
        UIHistoryImport *import = ui.historyImport();
        QJSEngine js;
        js.globalObject().setProperty(QStringLiteral("calls"), js.newArray());
        const QJSValue callback =
            js.evaluate(QStringLiteral("(function(p, n) { calls.push([p, n]); return true; })"));
        // One endless line, skipped as it comes: only the cancel ends it.
        ui.addPlayedItemsFile(QStringLiteral("/dev/zero"), callback);
        QVERIFY(import->isReading());
        QCOMPARE(import->readProgress(), -1.0); // no size to measure it by
        int ticks = 0;
        QTimer timer;
        connect(&timer, &QTimer::timeout, this, [&ticks] { ++ticks; });
        timer.start(10);
        QTest::qWait(300);
        QVERIFY(import->isReading());
        QVERIFY2(ticks >= 10, qPrintable(QString::number(ticks))); // the GUI thread was free
        import->cancel();
        QTRY_VERIFY(!import->isReading());
        QTRY_VERIFY(
            js.evaluate(QStringLiteral("calls.length === 1 && calls[0][0] === 0 && calls[0][1] === 0"))
                .toBool());
        QVERIFY(root.engine()->playedValues().isEmpty());
        QVERIFY2(ui.importMessage().startsWith(QStringLiteral("Import arrêté")),
                 qPrintable(ui.importMessage()));

        // A reading still running when the facade goes is cancelled and waited for.
        auto other = std::make_unique<UIWrapper>(&root);
        other->addPlayedItemsFile(QStringLiteral("/dev/zero"), QJSValue());
        QVERIFY(other->historyImport()->isReading());
        other.reset();
    }

    void releasedCallbacksAreNotCalledAndTheImportGoesOn()
    {
        // The settings page closes while an import runs: calling its function then crashed.
        EngineRoot root(true, true);
        UIWrapper ui(&root);
        QJSEngine js;
        js.globalObject().setProperty(QStringLiteral("calls"), js.newArray());
        const QJSValue callback =
            js.evaluate(QStringLiteral("(function(p, n) { calls.push([p, n]); return true; })"));
        ui.addPlayedItemsString(QStringLiteral("P\nB\n").repeated(150), callback);
        ui.historyImport()->releaseCallbacks();
        QTRY_COMPARE_WITH_TIMEOUT(root.engine()->playedValues().size(), 300, 20000);
        QTRY_VERIFY(ui.importMessage().contains(QStringLiteral("300 résultats ajoutés.")));

        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("h.txt"));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray("T\n").repeated(20));
        file.close();
        ui.addPlayedItemsFile(path, callback);
        ui.historyImport()->releaseCallbacks();
        QTRY_VERIFY(!ui.historyImport()->isReading());
        QTRY_COMPARE_WITH_TIMEOUT(root.engine()->playedValues().size(), 320, 20000);
        QTRY_VERIFY(ui.importMessage().contains(QStringLiteral("20 résultats ajoutés.")));
        QCOMPARE(js.evaluate(QStringLiteral("calls.length")).toInt(), 0);
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

    /// A profile that cannot be used says why, in French, and changes nothing; one that can
    /// leaves no message.
    void profileFailuresReachTheScreen()
    {
        EngineRoot root;
        root.loadCatalogue();
        UIWrapper ui(&root);
        QSignalSpy message(&ui, &UIWrapper::fileMessageChanged);
        const QString binary = m_dir.filePath(QStringLiteral("picture.pfl"));
        QVERIFY(NoxTest::writeFile(binary, QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR\x01\x02\x03", 19)));
        const QVariant before = ui.methodConfig();
        QVERIFY(!ui.loadProfile(QUrl::fromLocalFile(binary).toString()));
        QCOMPARE(message.count(), 1);
        QVERIFY2(ui.fileMessage().startsWith(u"Le profil n'a pas pu être chargé : "),
                 qPrintable(ui.fileMessage()));
        QVERIFY(ui.fileMessage().size() > QStringLiteral("Le profil n'a pas pu être chargé : ").size());
        QCOMPARE(ui.property("fileMessage").toString(), ui.fileMessage());
        QCOMPARE(ui.methodConfig(), before);

        const QString missingDir = m_dir.filePath(QStringLiteral("no/such/dir/p.pfl"));
        QVERIFY(!ui.saveProfile(QUrl::fromLocalFile(missingDir).toString()));
        QVERIFY2(ui.fileMessage().startsWith(u"Le profil n'a pas pu être enregistré : "),
                 qPrintable(ui.fileMessage()));

        const QString good = m_dir.filePath(QStringLiteral("good.pfl"));
        QVERIFY(ui.saveProfile(QUrl::fromLocalFile(good).toString()));
        QCOMPARE(ui.fileMessage(), QString());
        QVERIFY(ui.loadProfile(QUrl::fromLocalFile(good).toString()));
        QCOMPARE(ui.fileMessage(), QString());
    }

    /// An import says how many lines it took and refused, with the first refused lines.
    void importOfMethodsSaysWhatItTookAndRefused()
    {
        EngineRoot root;
        root.loadCatalogue();
        UIWrapper ui(&root);
        const int rowsBefore = ui.methodList()->rowCount();
        const QString binary = m_dir.filePath(QStringLiteral("binary.txt"));
        QByteArray data;
        for (int i = 0; i < 8; ++i) {
            data += "\xff\xfe\x01garbage" + QByteArray::number(i) + ":\x02\x03\n";
        }
        QVERIFY(NoxTest::writeFile(binary, data));
        QVERIFY(!ui.importUserMethods(QUrl::fromLocalFile(binary).toString()));
        QCOMPARE(ui.fileMessage(),
                 QStringLiteral(
                     "Méthodes importées : 0. Lignes refusées : 8 (lignes 1, 2, 3, 4, 5 et suivantes)."));
        QCOMPARE(ui.methodList()->rowCount(), rowsBefore);

        const QString mixed = m_dir.filePath(QStringLiteral("mixed.txt"));
        QVERIFY(NoxTest::writeFile(mixed, "Banker:4002\nRoulette:0,1,2\n\nPlayer:4001\n"));
        QVERIFY(ui.importUserMethods(QUrl::fromLocalFile(mixed).toString()));
        QCOMPARE(ui.fileMessage(), QStringLiteral("Méthodes importées : 2. Lignes refusées : 1 (ligne 2)."));
        QCOMPARE(ui.methodList()->rowCount(), rowsBefore + 2);

        QVERIFY(!ui.importUserMethods(
            QUrl::fromLocalFile(m_dir.filePath(QStringLiteral("none.txt"))).toString()));
        QCOMPARE(ui.fileMessage(), QStringLiteral("Le fichier de méthodes n'a pas pu être lu."));
    }

    /// With a settings store, a progression saved or removed is written at once; a library
    /// that cannot be written says why.
    void progressionLibraryIsWrittenOrSaysWhy()
    {
        EngineRoot root;
        root.loadCatalogue();
        QVERIFY(root.engine()->setPersistence(true, QStringLiteral("LibraryTest")));
        UIWrapper ui(&root);
        const QString library = root.engine()->montanteLibraryPath();
        QFile::remove(library);
        QVariantMap model{{QStringLiteral("name"), QStringLiteral("Ecrite")},
                          {QStringLiteral("steps"), QStringLiteral("1,2")}};
        QVERIFY(ui.upsertUserMontante(-1, model));
        QCOMPARE(ui.fileMessage(), QString());
        QVERIFY(QFile::exists(library));
        Nox::NoxEngine reader;
        QVERIFY(reader.loadMontanteLibrary(QUrl::fromLocalFile(library)));
        QVERIFY(reader.montanteList(NoxMethodType::plein).size() > 0);

        // A directory where the file should be: the write fails and the screen is told. The
        // engine's own writer first finishes what it was asked (it writes the library too).
        root.engine()->saveSettings();
        QVERIFY(QFile::remove(library));
        QVERIFY(QDir().mkpath(library));
        QVERIFY(!ui.upsertUserMontante(-1, model));
        QVERIFY2(ui.fileMessage().startsWith(u"Les montantes n'ont pas pu être enregistrées : "),
                 qPrintable(ui.fileMessage()));
        const QList<QVariant> users = ui.getUserMontantes();
        QCOMPARE(users.size(), 2);
        QVERIFY(!ui.removeUserMontante(users.at(0).toMap().value(QStringLiteral("montanteId")).toInt()));
        QVERIFY(ui.fileMessage().startsWith(u"Les montantes n'ont pas pu être enregistrées : "));
        QVERIFY(QDir(library).removeRecursively());
        QVERIFY(ui.removeUserMontante(users.at(1).toMap().value(QStringLiteral("montanteId")).toInt()));
        QCOMPARE(ui.fileMessage(), QString());
        QVERIFY(QFile::exists(library));
        root.engine()->setPersistence(false);
    }

    /// A library file adds its progressions; one that is no library says why and adds nothing.
    void progressionLibraryImport()
    {
        const QString library = m_dir.filePath(QStringLiteral("two.dat"));
        {
            EngineRoot source;
            UIWrapper writer(&source);
            for (const char *name : {"Une", "Deux"}) {
                writer.upsertUserMontante(-1, QVariantMap{{QStringLiteral("name"), QString::fromLatin1(name)},
                                                          {QStringLiteral("steps"), QStringLiteral("1,3")}});
            }
            QVERIFY(source.engine()->saveMontanteLibrary(QUrl::fromLocalFile(library)));
        }
        EngineRoot root;
        root.loadCatalogue();
        UIWrapper ui(&root);
        QSignalSpy montantes(&ui, &UIWrapper::montantesChanged);
        const QString binary = m_dir.filePath(QStringLiteral("picture.dat"));
        QVERIFY(NoxTest::writeFile(binary, QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR\x01\x02\x03", 19)));
        QVERIFY(!ui.importMontanteLibrary(QUrl::fromLocalFile(binary).toString()));
        QVERIFY2(ui.fileMessage().startsWith(u"Les montantes n'ont pas pu être importées : "),
                 qPrintable(ui.fileMessage()));
        QVERIFY(ui.getUserMontantes().isEmpty());
        QCOMPARE(montantes.count(), 0);

        QVERIFY(ui.importMontanteLibrary(QUrl::fromLocalFile(library).toString()));
        QCOMPARE(ui.fileMessage(), QStringLiteral("Montantes importées : 2."));
        QCOMPARE(ui.getUserMontantes().size(), 2);
        QCOMPARE(montantes.count(), 1);
        QVERIFY(ui.montantes().value(QStringLiteral("cs")).toStringList().contains(QStringLiteral("Deux")));
    }

    /// The tie plays in Quick mode but is switched on from its own section: the quick list
    /// keeps its six ranked methods.
    void quickListLeavesTheTieToItsSection()
    {
        EngineRoot root;
        root.loadCatalogue();
        UIWrapper ui(&root);
        const auto testers = watchModels(ui);
        UIFilteredMethodListModel *quick = ui.quickMethods();
        QCOMPARE(quick->rowCount(), 6);
        for (int row = 0; row < quick->rowCount(); ++row) {
            QVERIFY(quick->index(row, 0).data(quick->roleNames().key("name")).toString() != u"TIE");
        }
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

    // "Signature" after nine results one wheel step apart: its named values in their order, one
    // row per observed value with its four columns, then the state's figures; every row reaches
    // "rows", and the value rows are not folded into the map, where they would overwrite each
    // other.
    void methodDetailsKeepEveryRowInOrder()
    {
        EngineRoot root(false);
        root.loadCatalogue();
        UIWrapper ui(&root);
        const int signature = methodIdOf(*root.engine(), QStringLiteral("Signature"));
        QVERIFY(signature >= 0);
        const QList<int> walk{0, 32, 15, 19, 4, 21, 2, 25, 17};
        for (int v : walk) {
            ui.play(v);
        }
        settle();
        const QVariantMap details = ui.getMethodDetails(signature);
        QCOMPARE(details.value(QStringLiteral("Count")).toInt(), 8);
        QCOMPARE(details.value(QStringLiteral("MoyennePorteeCW")).toInt(), 1);
        QVERIFY(!details.contains(QStringLiteral("Num")));

        const QVariantList rows = details.value(QStringLiteral("rows")).toList();
        const auto cellsOf = [&rows](int i) {
            return rows.value(i).toList();
        };
        const auto cell = [&cellsOf](int row, int column, const QString &key) {
            return cellsOf(row).value(column).toMap().value(key);
        };
        const QStringList named{QStringLiteral("Count"),           QStringLiteral("MoyennePorteeCW"),
                                QStringLiteral("ETPorteeCW"),      QStringLiteral("MoyennePorteeCCW"),
                                QStringLiteral("ETPorteeCCW"),     QStringLiteral("StartStdDev"),
                                QStringLiteral("NbMaxNumsToPlay"), QStringLiteral("PosOfCenter"),
                                QStringLiteral("NextNumIsCW")};
        const QStringList figures{QStringLiteral("active"),    QStringLiteral("ecart"),
                                  QStringLiteral("ecartMax"),  QStringLiteral("ecartMoyen"),
                                  QStringLiteral("lastEcart"), QStringLiteral("nbWins")};
        QCOMPARE(rows.size(), named.size() + 8 + figures.size());
        for (int i = 0; i < named.size(); ++i) {
            QCOMPARE(cellsOf(i).size(), 1);
            QCOMPARE(cell(i, 0, QStringLiteral("name")).toString(), named.at(i));
            QCOMPARE(cell(i, 0, QStringLiteral("value")), details.value(named.at(i)));
        }
        QCOMPARE(cell(0, 0, QStringLiteral("value")).toInt(), 8);
        // The observed values are the last eight, in increasing order.
        QList<int> observed = walk.mid(1);
        std::sort(observed.begin(), observed.end());
        for (int k = 0; k < 8; ++k) {
            const int i = named.size() + k;
            QCOMPARE(cellsOf(i).size(), 4);
            QStringList columns;
            for (const QVariant &c : cellsOf(i)) {
                columns << c.toMap().value(QStringLiteral("name")).toString();
            }
            QCOMPARE(columns, (QStringList{QStringLiteral("Num"), QStringLiteral("Col"),
                                           QStringLiteral("IsCW"), QStringLiteral("Val")}));
            QCOMPARE(cell(i, 0, QStringLiteral("value")).toInt(), observed.at(k));
        }
        QCOMPARE(cell(named.size(), 1, QStringLiteral("value")).toString(), QStringLiteral("black")); // 2
        for (int k = 0; k < figures.size(); ++k) {
            const int i = named.size() + 8 + k;
            QCOMPARE(cell(i, 0, QStringLiteral("name")).toString(), figures.at(k));
            QCOMPARE(cell(i, 0, QStringLiteral("value")), details.value(figures.at(k)));
        }

        // A method without details of its own shows the state's figures alone.
        EngineRoot baccarat;
        baccarat.loadCatalogue();
        UIWrapper bui(&baccarat);
        const QVariantList bankerRows =
            bui.getMethodDetails(methodIdOf(*baccarat.engine(), QStringLiteral("BANKER")))
                .value(QStringLiteral("rows"))
                .toList();
        QCOMPARE(bankerRows.size(), figures.size());
        QCOMPARE(bankerRows.value(0).toList().value(0).toMap().value(QStringLiteral("name")).toString(),
                 QStringLiteral("active"));
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
                                            {QStringLiteral("nums"), QVariantList{4001, 4002}}});
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

    // A session guard that stopped the betting: the dashboard shows its reason and "Miser"
    // refuses with it, clicking nothing, until the player resumes.
    void aGuardStopRefusesTheBetWithItsReason()
    {
        EngineRoot root;
        root.loadCatalogue();
        UIWrapper ui(&root);
        NoxTest::RecordingInput input;
        ui.setBetInput(&input);
        Nox::ICalibration *calibration = root.engine()->calibration();
        Nox::NoxCalibrationItemList items = calibration->calibrationItems();
        for (qsizetype i = 0; i < items.size(); ++i) {
            items[i].x = 100 + int(i) * 40;
            items[i].y = 200;
            items[i].active = true;
        }
        calibration->setCalibrationItems(items);
        ui.setMethodActive(methodIdOf(*root.engine(), QStringLiteral("BANKER")), true);
        Nox::NoxFinancial f = root.engine()->financial();
        f.guards.losingStreak = 1;
        root.engine()->setFinancialConfig(f);
        root.engine()->playValueInternal(1).waitForFinished(); // PLAYER: the banker stake is lost
        settle();
        const QString reason = QStringLiteral("Arrêt : 1 perte de suite (limite 1)");
        QCOMPARE(ui.summary().value<UISummary>().guardStop, reason);
        QVERIFY(ui.summary().value<UISummary>().suspended);
        QVERIFY(!ui.bet());
        QCOMPARE(ui.betError(), reason);
        QCOMPARE(input.clickCount, 0);
        ui.resume();
        settle();
        QCOMPARE(ui.summary().value<UISummary>().guardStop, QString());
        QVERIFY(ui.bet());
        QVERIFY(input.clickCount > 0);
    }

    // The risk estimate plays what the engine is set to: its active catalogue methods (a user
    // method is left out), the current progressions and chips, the capital, the limits and the
    // guards; the steps follow a change of progression.
    void theRiskEstimateTakesTheEngineSettings()
    {
        EngineRoot root;
        root.loadCatalogue();
        UIWrapper ui(&root);
        UIRiskEstimate *risk = ui.risk();
        QVERIFY(risk);
        QString error;
        QVERIFY(risk->configuration(&error).simulation.methods.isEmpty());
        QVERIFY(error.startsWith(QStringLiteral("Aucune méthode active")));
        ui.setMethodActive(methodIdOf(*root.engine(), QStringLiteral("BANKER")), true);
        ui.setMethodActive(methodIdOf(*root.engine(), QStringLiteral("AUTO Top")), true);
        Nox::NoxFinancial f = root.engine()->financial();
        f.cs.jeton = 250;
        f.capital = 54321;
        f.stopLoss = -2000;
        f.takeProfit = 3000;
        f.guards.losingStreak = 5;
        f.guards.tableLimitBanker = 4000;
        root.engine()->setFinancialConfig(f);
        QSignalSpy steps(risk, &UIRiskEstimate::stepsChanged);
        ui.setCurrentMontante(QStringLiteral("cs"), QStringLiteral("Martingale classique"));
        QVERIFY(steps.count() >= 1);
        const Nox::NoxRiskEstimate::Config config = risk->configuration(&error);
        QVERIFY2(error.isEmpty(), qPrintable(error));
        QCOMPARE(config.simulation.methods,
                 (QStringList{QStringLiteral("BANKER"), QStringLiteral("AUTO Top")}));
        QCOMPARE(config.simulation.montantes.value(QStringLiteral("cs")),
                 QStringLiteral("Martingale classique"));
        QCOMPARE(config.simulation.chips.value(QStringLiteral("cs")), 250);
        QCOMPARE(config.simulation.capital, std::optional(54321));
        QCOMPARE(config.simulation.stopLoss, std::optional(-2000));
        QCOMPARE(config.simulation.takeProfit, std::optional(3000));
        QCOMPARE(config.simulation.guards, f.guards);
        QVERIFY(config.background);
        // Doubling from the current chip of 2.50: the fifth step, 40.00, is at the banker limit
        // of 40.00 and within it; the sixth, 80.00, passes it.
        const QVariantList rows = risk->steps();
        QVERIFY(rows.size() > 6);
        QCOMPARE(rows.at(0).toMap().value(QStringLiteral("stake")).toDouble(), 250.0);
        QVERIFY(!rows.at(4).toMap().value(QStringLiteral("overTable")).toBool());
        QVERIFY(rows.at(5).toMap().value(QStringLiteral("overTable")).toBool());
        QVERIFY(risk->stepWarnings().first().startsWith(QStringLiteral("Palier 6 : mise de 80.00")));
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

        // Control held from the second click: the bet ran, and betError says how far.
        input.controlFromClick = 2;
        input.clickCount = 0;
        QVERIFY(ui.bet());
        QCOMPARE(input.clickCount, 2);
        QCOMPARE(error.count(), 3);
        const QString stake = Nox::NoxClickPlanner::money(
            keypadEntry(ui, NoxBetItemID::B_BANKER)->value(QStringLiteral("bet")).toInt());
        // A chip, then BANKER with it: the table holds that chip's value.
        QCOMPARE(clicks[1].toMap().value(QStringLiteral("itemId")).toInt(), int(NoxBetItemID::B_BANKER));
        const QString placed =
            Nox::NoxClickPlanner::money(clicks[1].toMap().value(QStringLiteral("chipValue")).toInt());
        QVERIFY2(ui.betError().startsWith(
                     QStringLiteral("Mise interrompue par CTRL : 2 clics sur %1 faits.").arg(clicks.size())),
                 qPrintable(ui.betError()));
        QVERIFY2(ui.betError().contains(QStringLiteral("BANKER %1 sur %2").arg(placed, stake)),
                 qPrintable(ui.betError()));
        // The next bet that runs to its end clears it.
        input.controlFromClick = -1;
        QVERIFY(ui.bet());
        QCOMPARE(ui.betError(), QString());
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
