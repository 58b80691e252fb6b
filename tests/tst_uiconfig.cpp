#include "engine/noxengine.h"
#include "testsupport.h"
#include "uiengineconfig.h"
#include "uifinancialconfig.h"
#include "uinotificationmodel.h"
#include "uiplayedlistmodel.h"
#include "uitestsupport.h"

#include <QAbstractItemModelTester>
#include <QSettings>
#include <QtTest>

#include <functional>
#include <memory>
#include <vector>

using namespace Nox;
using NoxTest::EngineRoot;

namespace {

void settle()
{
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::processEvents();
    }
}

NoxNotification notification(int type, const QString &title)
{
    NoxNotification n;
    n.type = type;
    n.title = title;
    n.content = title + QStringLiteral(" content");
    return n;
}

} // namespace

class TestUIConfig : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        NoxTest::useSandbox(m_dir);
    }

    void playedListShowsTheNewestFirst()
    {
        EngineRoot root(true, true);
        UIPlayedListModel model(&root);
        QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
        QCOMPARE(model.roleNames().value(257), QByteArray("value"));
        QCOMPARE(model.roleNames().value(258), QByteArray("colorName"));
        QSignalSpy reset(&model, &QAbstractItemModel::modelReset);
        for (int v : {0, 1, 2}) {
            root.engine()->playValueInternal(v, true);
        }
        // The rows follow in resets on the GUI thread only.
        QTRY_COMPARE(model.rowCount(), 3);
        QCOMPARE(model.index(0).data(257).toInt(), 2);
        QCOMPARE(model.index(1).data(257).toInt(), 1);
        QCOMPARE(model.index(2).data(257).toInt(), 0);
        QCOMPARE(model.index(2).data(258).toString(), u"green");
        QCOMPARE(model.index(1).data(258).toString(), u"red");
        QVERIFY(!model.index(0).data(999).isValid());
        QVERIFY(reset.count() >= 1);

        root.engine()->cancelPlay();
        QTRY_COMPARE(model.rowCount(), 2);
        QCOMPARE(model.index(0).data(257).toInt(), 1);
    }

    void rouletteValuesAboveTheTableReadAsZero()
    {
        EngineRoot root(false);
        root.engine()->playValueInternal(17, true);
        UIPlayedListModel model(&root);
        QCOMPARE(model.index(0).data(257).toInt(), 17);
        QCOMPARE(model.index(0).data(258).toString(), u"black");
    }

    void lastNotificationIsTheFirstUnread()
    {
        EngineRoot root;
        UINotificationModel model(&root);
        QCOMPARE(model.lastNotification().title, QString());
        QCOMPARE(model.lastNotification().type, 0);
        QSignalSpy spy(&model, &UINotificationModel::lastNotificationChanged);
        root.engine()->addNotification(notification(NoxNotification::GainLimit, QStringLiteral("Gain")),
                                       false);
        root.engine()->addNotification(notification(NoxNotification::LossLimit, QStringLiteral("Loss")),
                                       false);
        settle();
        QCOMPARE(spy.count(), 1); // the second one leaves the current one in place
        QCOMPARE(model.lastNotification().title, u"Gain");
        QCOMPARE(model.lastNotification().type, int(NoxNotification::GainLimit));
        QVERIFY(!model.lastNotification().read);

        model.markLastNotificationRead();
        settle();
        QCOMPARE(model.lastNotification().title, u"Loss");
        QCOMPARE(model.lastNotification().content, u"Loss content");
        model.markLastNotificationRead();
        settle();
        QCOMPARE(model.lastNotification().title, QString());
        QCOMPARE(spy.count(), 3);
        model.markLastNotificationRead(); // nothing unread: nothing happens
        settle();
        QCOMPARE(spy.count(), 3);
    }

    void engineConfigSwitches()
    {
        EngineRoot root;
        UIEngineConfig config(&root);
        QSignalSpy playQuick(&config, &UIEngineConfig::playQuickChanged);
        QSignalSpy smart(&config, &UIEngineConfig::smartQuickModeChanged);
        QSignalSpy shortTerm(&config, &UIEngineConfig::shortTermCountChanged);
        config.setPlayQuick(true);
        QVERIFY(root.engine()->config().playQuick);
        QCOMPARE(playQuick.count(), 0);
        config.setSmartQuickMode(true);
        QVERIFY(root.engine()->config().smartQuickMode);
        QCOMPARE(smart.count(), 1);
        config.setSmartQuickMode(true);
        QCOMPARE(smart.count(), 1);
        config.setShortTermCount(30);
        QCOMPARE(root.engine()->config().shortTermCount, 30);
        QCOMPARE(shortTerm.count(), 0);

        // A change made in the engine reaches the mirror in its refresh, each property once.
        NoxEngineConfig c = root.engine()->config();
        c.playQuick = false;
        c.signalScores = true;
        root.engine()->setConfig(c);
        QSignalSpy scores(&config, &UIEngineConfig::signalScoresChanged);
        config.refresh();
        QCOMPARE(playQuick.count(), 1);
        QCOMPARE(scores.count(), 1);
        QCOMPARE(smart.count(), 1);
        QVERIFY(!config.playQuick());
        config.refresh();
        QCOMPARE(playQuick.count(), 1);
        QCOMPARE(scores.count(), 1);
    }

    void financialConfigKinds()
    {
        EngineRoot root;
        root.engine()->registerBuiltinMontantes();
        UIFinancialConfig financial(&root);
        QSignalSpy cs(&financial, &UIFinancialConfig::csConfigChanged);
        QSignalSpy perso(&financial, &UIFinancialConfig::persoConfigChanged);
        QSignalSpy origin(&financial, &UIFinancialConfig::capitalOrigineChanged);

        UIMethodeTypeConfig c = financial.csConfig();
        financial.setCsConfig(c);
        QCOMPARE(cs.count(), 0);
        c.jetonOrigine = 50;
        financial.setCsConfig(c);
        QCOMPARE(cs.count(), 1);
        QCOMPARE(root.engine()->financial().cs.jetonOrigine, 50);
        QCOMPARE(root.engine()->financial().cs.jeton, 50); // the kind restarts from its new chip
        QCOMPARE(financial.csConfig().jeton, 50);

        // Writing the current chip alone leaves the starting chip.
        c = financial.csConfig();
        c.jeton = 70;
        financial.setCsConfig(c);
        QCOMPARE(root.engine()->financial().cs.jeton, 70);
        QCOMPARE(root.engine()->financial().cs.jetonOrigine, 50);

        const int persoJeton = root.engine()->financial().perso.jeton;
        UIMethodeTypeConfig p = financial.persoConfig();
        p.jetonOrigine = 40;
        financial.setPersoConfig(p);
        QCOMPARE(perso.count(), 1);
        QCOMPARE(root.engine()->financial().perso.jetonOrigine, 40);
        QCOMPARE(root.engine()->financial().perso.jeton, persoJeton);

        // An amount written notifies once, as a chip does, so that what is bound to it follows;
        // the same amount again notifies nothing.
        financial.setCapitalOrigine(200000);
        QCOMPARE(root.engine()->financial().capitalOrigine, 200000);
        QCOMPARE(origin.count(), 1);
        financial.setCapitalOrigine(200000);
        QCOMPARE(origin.count(), 1);
        financial.setStopLoss(-5000);
        financial.setTakeProfit(7000);
        QCOMPARE(root.engine()->financial().stopLoss, -5000);
        QCOMPARE(root.engine()->financial().takeProfit, 7000);

        QSignalSpy capital(&financial, &UIFinancialConfig::capitalChanged);
        root.engine()->restart(true, false);
        financial.refresh();
        QCOMPARE(financial.capital(), 200000);
        QCOMPARE(capital.count(), 1);
        financial.refresh();
        QCOMPARE(capital.count(), 1);
    }

    // Valid guard writes reach the engine whole, each changed field notified once, and are on
    // disk soon after: an engine started afresh on the same settings has them.
    void guardWritesReachTheEngineAndPersist()
    {
        const QString org = QStringLiteral("NoxUiConfigGuards");
        NoxGuards expected;
        expected.lossLimitStops = true;
        expected.losingStreak = 6;
        expected.stakedCoups = 40;
        expected.sessionMinutes = 90;
        expected.trailingTrigger = 5000;
        expected.trailingDrop = 1500;
        expected.maxStake = 2500;
        expected.maxStakeRule = NoxGuards::StakeRule::Refuse;
        expected.tableLimitTie = 10000;
        QString file;
        {
            EngineRoot root;
            QVERIFY(root.engine()->setPersistence(true, org));
            file = root.engine()->settingsFileName();
            UIFinancialConfig financial(&root);
            QVERIFY(financial.hasTableLimits());
            QSignalSpy streak(&financial, &UIFinancialConfig::losingStreakChanged);
            QSignalSpy trigger(&financial, &UIFinancialConfig::trailingTriggerChanged);
            QSignalSpy drop(&financial, &UIFinancialConfig::trailingDropChanged);
            QSignalSpy rule(&financial, &UIFinancialConfig::maxStakeRuleChanged);
            QSignalSpy lossStops(&financial, &UIFinancialConfig::lossLimitStopsChanged);
            QSignalSpy gainStops(&financial, &UIFinancialConfig::gainLimitStopsChanged);
            QSignalSpy error(&financial, &UIFinancialConfig::guardsErrorChanged);

            financial.setLossLimitStops(true);
            financial.setLosingStreak(6);
            financial.setStakedCoups(40);
            financial.setSessionMinutes(90);
            QVERIFY(financial.setTrailingStop(5000, 1500));
            financial.setMaxStake(2500);
            financial.setMaxStakeRule(UIFinancialConfig::RefuseStake);
            financial.setTableLimitTie(10000);
            QCOMPARE(root.engine()->financial().guards, expected);
            QCOMPARE(streak.count(), 1);
            QCOMPARE(trigger.count(), 1);
            QCOMPARE(drop.count(), 1);
            QCOMPARE(rule.count(), 1);
            QCOMPARE(lossStops.count(), 1);
            QCOMPARE(gainStops.count(), 0);
            QCOMPARE(error.count(), 0);
            QCOMPARE(financial.guardsError(), QString());
            QCOMPARE(financial.guardsErrorField(), UIFinancialConfig::NoGuardField);
            QCOMPARE(financial.losingStreak(), 6);
            QCOMPARE(financial.maxStakeRule(), UIFinancialConfig::RefuseStake);

            // The same value again changes nothing and says nothing.
            financial.setLosingStreak(6);
            QVERIFY(financial.setTrailingStop(5000, 1500));
            QCOMPARE(streak.count(), 1);
            QCOMPARE(trigger.count(), 1);

            // A drop moved on its own within its trigger is one field.
            financial.setTrailingDrop(1000);
            QCOMPARE(drop.count(), 2);
            QCOMPARE(trigger.count(), 1);
            QCOMPARE(root.engine()->financial().guards.trailingDrop, 1000);
            expected.trailingDrop = 1000;

            // The writer puts the settings on disk within its interval, not only at exit.
            QTRY_COMPARE(
                QSettings(file, QSettings::IniFormat).value(QStringLiteral("guards/trailingDrop")).toInt(),
                1000);
            const QSettings onDisk(file, QSettings::IniFormat);
            QCOMPARE(onDisk.value(QStringLiteral("guards/losingStreak")).toInt(), 6);
            QCOMPARE(onDisk.value(QStringLiteral("guards/maxStakeRefused")).toBool(), true);
            root.engine()->setPersistence(false);
        }
        EngineRoot again;
        QVERIFY(again.engine()->setPersistence(true, org));
        QCOMPARE(again.engine()->financial().guards, expected);
        UIFinancialConfig reread(&again);
        QCOMPARE(reread.losingStreak(), 6);
        QCOMPARE(reread.trailingDrop(), 1000);
        QCOMPARE(reread.maxStakeRule(), UIFinancialConfig::RefuseStake);
        QCOMPARE(reread.tableLimitTie(), 10000);
        again.engine()->setPersistence(false);
    }

    // A write that makes the set wrong stores nothing: the engine keeps the set it had, no
    // field is notified, and the refusal names the field to change; a valid write clears it.
    void refusedGuardWritesStoreNothing()
    {
        struct Case {
            const char *name;
            std::function<void(UIFinancialConfig &)> write;
            UIFinancialConfig::GuardField field;
            QString message;
        };
        const QList<Case> cases = {
            {"drop larger than its trigger", [](UIFinancialConfig &f) { f.setTrailingStop(1000, 1500); },
             UIFinancialConfig::TrailingDropField,
             QStringLiteral("Stop suiveur : le recul (15.00) ne peut dépasser le gain qui l'arme (10.00).")},
            {"drop raised past the trigger", [](UIFinancialConfig &f) { f.setTrailingDrop(2001); },
             UIFinancialConfig::TrailingDropField, QStringLiteral("Stop suiveur : le recul (20.01)")},
            {"trigger switched off alone", [](UIFinancialConfig &f) { f.setTrailingTrigger(0); },
             UIFinancialConfig::TrailingTriggerField,
             QStringLiteral("Stop suiveur : choisissez le gain qui l'arme.")},
            {"largest stake below the chip", [](UIFinancialConfig &f) { f.setMaxStake(150); },
             UIFinancialConfig::MaxStakeField,
             QStringLiteral("Mise maximale : au moins le plus petit jeton (2.00).")},
            {"negative largest stake", [](UIFinancialConfig &f) { f.setMaxStake(-1); },
             UIFinancialConfig::MaxStakeField, QStringLiteral("Mise maximale : entre 0 (désactivé)")},
            {"streak past the history",
             [](UIFinancialConfig &f) { f.setLosingStreak(NoxGuards::kMaxCount + 1); },
             UIFinancialConfig::LosingStreakField,
             QStringLiteral("Pertes de suite : entre 0 (désactivé) et 10000.")},
            {"negative staked coups", [](UIFinancialConfig &f) { f.setStakedCoups(-1); },
             UIFinancialConfig::StakedCoupsField, QStringLiteral("Coups misés")},
            {"a day and a minute",
             [](UIFinancialConfig &f) { f.setSessionMinutes(NoxGuards::kMaxMinutes + 1); },
             UIFinancialConfig::SessionMinutesField, QStringLiteral("Durée de session")},
            {"banker limit past the largest amount",
             [](UIFinancialConfig &f) { f.setTableLimitBanker(int(NoxGuards::kMaxAmount) + 1); },
             UIFinancialConfig::TableLimitBankerField, QStringLiteral("Limites de la table")},
            {"a rule that is neither",
             [](UIFinancialConfig &f) { f.setMaxStakeRule(UIFinancialConfig::StakeRule(7)); },
             UIFinancialConfig::MaxStakeRuleField, QStringLiteral("Mise maximale : plafonner ou refuser")},
        };
        for (const Case &c : cases) {
            EngineRoot root;
            UIFinancialConfig financial(&root);
            UIMethodeTypeConfig chips = financial.csConfig();
            chips.jetonOrigine = 200;
            financial.setCsConfig(chips);
            chips = financial.pleinConfig();
            chips.jetonOrigine = 500;
            financial.setPleinConfig(chips);
            financial.setLosingStreak(3);
            QVERIFY(financial.setTrailingStop(2000, 500));
            financial.setMaxStake(4000);
            const NoxGuards kept = root.engine()->financial().guards;
            QCOMPARE(kept.losingStreak, 3);
            QCOMPARE(kept.maxStake, 4000);

            std::vector<std::unique_ptr<QSignalSpy>> fieldSpies;
            for (auto signal :
                 {&UIFinancialConfig::losingStreakChanged, &UIFinancialConfig::stakedCoupsChanged,
                  &UIFinancialConfig::sessionMinutesChanged, &UIFinancialConfig::trailingTriggerChanged,
                  &UIFinancialConfig::trailingDropChanged, &UIFinancialConfig::maxStakeChanged,
                  &UIFinancialConfig::maxStakeRuleChanged, &UIFinancialConfig::tableLimitBankerChanged}) {
                fieldSpies.push_back(std::make_unique<QSignalSpy>(&financial, signal));
            }
            QSignalSpy error(&financial, &UIFinancialConfig::guardsErrorChanged);
            c.write(financial);
            QVERIFY2(financial.guardsError().startsWith(c.message), c.name);
            QVERIFY2(financial.guardsErrorField() == c.field, c.name);
            QCOMPARE(error.count(), 1);
            QVERIFY2(root.engine()->financial().guards == kept, c.name);
            QCOMPARE(financial.losingStreak(), 3);
            QCOMPARE(financial.trailingTrigger(), 2000);
            QCOMPARE(financial.trailingDrop(), 500);
            QCOMPARE(financial.maxStake(), 4000);
            for (const auto &spy : fieldSpies) {
                QVERIFY2(spy->isEmpty(), c.name);
            }

            // A valid write clears the refusal and is taken.
            financial.setLosingStreak(4);
            QCOMPARE(financial.guardsError(), QString());
            QCOMPARE(financial.guardsErrorField(), UIFinancialConfig::NoGuardField);
            QCOMPARE(error.count(), 2);
            QCOMPARE(root.engine()->financial().guards.losingStreak, 4);
        }
    }

    // The largest stake is checked against the smallest chip a bet of the edition is staked with:
    // at baccarat the cs and the plein (TIE) chips, at roulette every kind's.
    void largestStakeAgainstTheEditionsChips()
    {
        EngineRoot baccarat;
        UIFinancialConfig b(&baccarat);
        UIMethodeTypeConfig chips = b.pleinConfig();
        chips.jetonOrigine = 50;
        b.setPleinConfig(chips);
        chips = b.csConfig();
        chips.jetonOrigine = 300;
        b.setCsConfig(chips);
        QCOMPARE(b.smallestChip(), 50);
        b.setMaxStake(49);
        QCOMPARE(b.guardsErrorField(), UIFinancialConfig::MaxStakeField);
        QCOMPARE(baccarat.engine()->financial().guards.maxStake, 0);
        b.setMaxStake(50);
        QCOMPARE(b.guardsError(), QString());
        QCOMPARE(baccarat.engine()->financial().guards.maxStake, 50);

        EngineRoot roulette(false);
        UIFinancialConfig r(&roulette);
        QVERIFY(!r.hasTableLimits());
        chips = r.douzConfig();
        chips.jetonOrigine = 25;
        r.setDouzConfig(chips);
        QCOMPARE(r.smallestChip(), std::min<qint64>(25, roulette.engine()->financial().plein.jeton));
        r.setMaxStake(int(r.smallestChip()) - 1);
        QVERIFY(r.guardsError().startsWith(QStringLiteral("Mise maximale : au moins le plus petit jeton")));
        QCOMPARE(roulette.engine()->financial().guards.maxStake, 0);
    }

    // refresh() brings the guards set elsewhere (a profile, a restored session) into the mirror,
    // each changed field once, and forgets a refusal that was about the set it replaced.
    void refreshSyncsTheGuards()
    {
        EngineRoot root;
        UIFinancialConfig financial(&root);
        financial.setLosingStreak(-2);
        QCOMPARE(financial.guardsErrorField(), UIFinancialConfig::LosingStreakField);
        QSignalSpy streak(&financial, &UIFinancialConfig::losingStreakChanged);
        QSignalSpy tie(&financial, &UIFinancialConfig::tableLimitTieChanged);
        QSignalSpy gain(&financial, &UIFinancialConfig::gainLimitStopsChanged);
        QSignalSpy error(&financial, &UIFinancialConfig::guardsErrorChanged);
        NoxFinancial f = root.engine()->financial();
        f.guards.losingStreak = 7;
        f.guards.tableLimitTie = 3000;
        root.engine()->setFinancialConfig(f);
        financial.refresh();
        QCOMPARE(financial.losingStreak(), 7);
        QCOMPARE(financial.tableLimitTie(), 3000);
        QCOMPARE(streak.count(), 1);
        QCOMPARE(tie.count(), 1);
        QCOMPARE(gain.count(), 0);
        QCOMPARE(error.count(), 1);
        QCOMPARE(financial.guardsError(), QString());
        financial.refresh();
        QCOMPARE(streak.count(), 1);
        QCOMPARE(error.count(), 1);

        // The next write starts from the refreshed set: the table limit stays.
        financial.setStakedCoups(12);
        QCOMPARE(root.engine()->financial().guards.tableLimitTie, 3000);
        QCOMPARE(root.engine()->financial().guards.losingStreak, 7);

        // A refusal outlives a refresh that changed nothing, and clearGuardsError() forgets it.
        financial.setSessionMinutes(-1);
        financial.refresh();
        QCOMPARE(financial.guardsErrorField(), UIFinancialConfig::SessionMinutesField);
        financial.clearGuardsError();
        QCOMPARE(financial.guardsError(), QString());
        QCOMPARE(financial.guardsErrorField(), UIFinancialConfig::NoGuardField);
    }
};

QTEST_MAIN(TestUIConfig)
#include "tst_uiconfig.moc"
