#include "engine/noxengine.h"
#include "money/noxguards.h"
#include "testsupport.h"
#include "uiengineconfig.h"
#include "uifinancialconfig.h"
#include "uiinputrules.h"
#include "uimethodetypeconfig.h"
#include "uitestsupport.h"

#include <QtTest>

#include <cmath>
#include <functional>
#include <limits>

using NoxTest::EngineRoot;

namespace {
constexpr qint64 kRefused = std::numeric_limits<qint64>::min();
}

/// The numbers typed into the settings: refused when not numbers, clamped to their range,
/// converted to the stored unit; and the configuration setters clamp what bypasses the fields.
class TestUIInputRules : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { NoxTest::useSandbox(m_dir); }

    void parsesAndClamps_data()
    {
        QTest::addColumn<QString>("rule");
        QTest::addColumn<QString>("text");
        QTest::addColumn<qint64>("stored");
        // Money in hundredths.
        QTest::newRow("chip") << "chip"
                              << "0.25" << qint64(25);
        QTest::newRow("chip comma") << "chip"
                                    << "1,5" << qint64(150);
        QTest::newRow("chip spaces") << "chip"
                                     << "  2 " << qint64(200);
        QTest::newRow("chip zero") << "chip"
                                   << "0" << qint64(1);
        QTest::newRow("chip negative") << "chip"
                                       << "-5" << qint64(1);
        QTest::newRow("chip huge") << "chip"
                                   << "99999999" << qint64(1000000);
        QTest::newRow("chip rounded") << "chip"
                                      << "0.126" << qint64(13);
        QTest::newRow("chip below a cent") << "chip"
                                           << "0.004" << qint64(1);
        QTest::newRow("capital") << "capital"
                                 << "2500" << qint64(250000);
        QTest::newRow("capital zero") << "capital"
                                      << "0" << qint64(1);
        QTest::newRow("stop loss positive") << "stopLoss"
                                            << "50" << qint64(0);
        QTest::newRow("stop loss") << "stopLoss"
                                   << "-120" << qint64(-12000);
        QTest::newRow("take profit negative") << "takeProfit"
                                              << "-3" << qint64(0);
        // Counts.
        QTest::newRow("sample zero") << "shortTermCount"
                                     << "0" << qint64(1);
        QTest::newRow("sample huge") << "shortTermCount"
                                     << "123456" << qint64(1000);
        QTest::newRow("truncate") << "truncateCount"
                                  << "250" << qint64(250);
        QTest::newRow("truncate decimals") << "truncateCount"
                                           << "2.6" << qint64(3);
        QTest::newRow("truncate over history") << "truncateCount"
                                               << "20000" << qint64(10000);
        QTest::newRow("notif") << "ecartNotif"
                               << "5000" << qint64(999);
        QTest::newRow("dominant zero") << "nbBlockDom"
                                       << "0" << qint64(1);
        QTest::newRow("block") << "customBlock"
                               << "100" << qint64(99);
        // Seconds shown, milliseconds kept.
        QTest::newRow("delay") << "clickDelay"
                               << "0.05" << qint64(50);
        QTest::newRow("delay too short") << "clickDelay"
                                         << "0" << qint64(10);
        QTest::newRow("delay too long") << "clickDelay"
                                        << "9" << qint64(2000);
        // The session guards, 0 meaning off.
        QTest::newRow("guard count") << "guardCount"
                                     << "12" << qint64(12);
        QTest::newRow("guard count off") << "guardCount"
                                         << "-3" << qint64(0);
        QTest::newRow("guard count over history") << "guardCount"
                                                  << "20000" << qint64(10000);
        QTest::newRow("guard minutes over a day") << "guardMinutes"
                                                  << "1500" << qint64(1440);
        QTest::newRow("guard amount") << "guardAmount"
                                      << "25,5" << qint64(2550);
        QTest::newRow("guard amount huge") << "guardAmount"
                                           << "5000000" << qint64(100000000);
        QTest::newRow("guard amount negative") << "guardAmount"
                                               << "-1" << qint64(0);
        // Not numbers.
        QTest::newRow("empty") << "chip"
                               << "" << kRefused;
        QTest::newRow("sign only") << "chip"
                                   << "-" << kRefused;
        QTest::newRow("letters") << "shortTermCount"
                                 << "abc" << kRefused;
        QTest::newRow("two points") << "chip"
                                    << "1.2.3" << kRefused;
        QTest::newRow("exponent") << "capital"
                                  << "1e9" << kRefused;
        QTest::newRow("infinity") << "capital"
                                  << "inf" << kRefused;
        QTest::newRow("hex") << "capital"
                             << "0x10" << kRefused;
        QTest::newRow("too many digits") << "capital"
                                         << "1234567890123" << kRefused;
    }

    void parsesAndClamps()
    {
        QFETCH(QString, rule);
        QFETCH(QString, text);
        QFETCH(qint64, stored);
        const std::optional<UIInputRules::Rule> r = UIInputRules::find(rule);
        QVERIFY(r);
        const std::optional<qint64> parsed = UIInputRules::parseStored(text, *r);
        if (stored == kRefused) {
            QVERIFY2(!parsed, qPrintable(QString::number(parsed.value_or(0))));
        } else {
            QVERIFY(parsed);
            QCOMPARE(*parsed, stored);
        }
        // The QML entry point gives the same, NaN for a refusal.
        UIInputRules rules;
        const double viaQml = rules.parse(text, r->from, r->to, r->decimals, r->unit);
        if (parsed) {
            QCOMPARE(qint64(viaQml), *parsed);
        } else {
            QVERIFY(std::isnan(viaQml));
        }
    }

    void rulesForQml()
    {
        UIInputRules rules;
        const QVariantMap chip = rules.rule(QStringLiteral("chip"));
        QCOMPARE(chip.value(QStringLiteral("from")).toDouble(), 0.01);
        QCOMPARE(chip.value(QStringLiteral("to")).toDouble(), 10000.0);
        QCOMPARE(chip.value(QStringLiteral("decimals")).toInt(), 2);
        QCOMPARE(chip.value(QStringLiteral("unit")).toInt(), 100);
        QVERIFY(rules.rule(QStringLiteral("nothing")).isEmpty());
        QCOMPARE(UIInputRules::clampStored(QStringLiteral("nothing"), -7), -7);
        // A rule upside down or without a unit refuses everything rather than guessing.
        QVERIFY(!UIInputRules::parseStored(QStringLiteral("5"), {10, 1, 0, 1}));
        QVERIFY(!UIInputRules::parseStored(QStringLiteral("5"), {0, 10, 0, 0}));
    }

    // Whatever a guard field lets the player type, the guards take: each field at the top and
    // at the bottom of its rule's range (a trailing drop equal to its trigger is allowed).
    void guardRulesStayWithinTheGuards()
    {
        using Bound = std::function<qint64(const char *)>;
        const Bound top = [](const char *rule) {
            return UIInputRules::clampStored(QString::fromLatin1(rule), std::numeric_limits<qint64>::max());
        };
        const Bound bottom = [](const char *rule) {
            return UIInputRules::clampStored(QString::fromLatin1(rule), std::numeric_limits<qint64>::min());
        };
        for (const Bound &bound : {top, bottom}) {
            Nox::NoxGuards g;
            g.losingStreak = int(bound("guardCount"));
            g.stakedCoups = int(bound("guardCount"));
            g.sessionMinutes = int(bound("guardMinutes"));
            g.trailingTrigger = bound("guardAmount");
            g.trailingDrop = bound("guardAmount");
            g.maxStake = bound("guardAmount");
            g.tableLimitPlayer = bound("guardAmount");
            g.tableLimitBanker = bound("guardAmount");
            g.tableLimitTie = bound("guardAmount");
            QCOMPARE(g.refusal(0), QString());
        }
        QCOMPARE(top("guardCount"), Nox::NoxGuards::kMaxCount);
        QCOMPARE(top("guardMinutes"), Nox::NoxGuards::kMaxMinutes);
        QCOMPARE(top("guardAmount"), Nox::NoxGuards::kMaxAmount);
        QCOMPARE(bottom("guardAmount"), 0);
    }

    void engineConfigClampsTheCounts()
    {
        EngineRoot root;
        UIEngineConfig config(&root);
        config.setShortTermCount(0);
        QCOMPARE(root.engine()->config().shortTermCount, 1);
        config.setShortTermCount(5000000);
        QCOMPARE(root.engine()->config().shortTermCount, 1000);
        config.setTruncateCount(-4);
        QCOMPARE(root.engine()->config().truncateCount, 1);
        config.setTruncateCount(123);
        QCOMPARE(config.truncateCount(), 123);
        QCOMPARE(root.engine()->config().truncateCount, 123);
    }

    void financialConfigClampsMoney()
    {
        EngineRoot root;
        UIFinancialConfig financial(&root);
        financial.setStopLoss(5000);
        QCOMPARE(root.engine()->financial().stopLoss, 0);
        financial.setStopLoss(-2500);
        QCOMPARE(root.engine()->financial().stopLoss, -2500);
        financial.setTakeProfit(-1);
        QCOMPARE(root.engine()->financial().takeProfit, 0);
        financial.setCapitalOrigine(0);
        QCOMPARE(root.engine()->financial().capitalOrigine, 1);

        UIMethodeTypeConfig cs = financial.csConfig();
        cs.jetonOrigine = 0;
        financial.setCsConfig(cs);
        QCOMPARE(financial.csConfig().jetonOrigine, 1);
        QCOMPARE(root.engine()->financial().cs.jetonOrigine, 1);
        cs = financial.csConfig();
        cs.jeton = 500000000;
        financial.setCsConfig(cs);
        QCOMPARE(root.engine()->financial().cs.jeton, 1000000);
    }

private:
    QTemporaryDir m_dir;
};

QTEST_MAIN(TestUIInputRules)
#include "tst_uiinputrules.moc"
