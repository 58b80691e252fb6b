#include "engine/noxengine.h"
#include "testsupport.h"
#include "uiengineconfig.h"
#include "uifinancialconfig.h"
#include "uinotificationmodel.h"
#include "uiplayedlistmodel.h"
#include "uitestsupport.h"

#include <QAbstractItemModelTester>
#include <QtTest>

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

        financial.setCapitalOrigine(200000);
        QCOMPARE(root.engine()->financial().capitalOrigine, 200000);
        QCOMPARE(origin.count(), 0);
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
};

QTEST_MAIN(TestUIConfig)
#include "tst_uiconfig.moc"
