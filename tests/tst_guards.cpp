// The session guards: each rule at its boundary, undo and truncation taking coups back
// exactly, and the settings that cannot be taken.

#include "money/noxguards.h"
#include "money/noxguardtracker.h"

#include <QtTest>

using namespace Nox;
using Rule = NoxGuardStop::Rule;

Q_DECLARE_METATYPE(Rule)
Q_DECLARE_METATYPE(Nox::NoxGuards)

namespace {

constexpr qint64 kStopLoss = -10000;
constexpr qint64 kTakeProfit = 10000;
constexpr qint64 kStart = 1'700'000'000'000;

// A session of coups: each number the capital change of a staked coup, 0 a push; 'x' in the
// text form is a coup without a stake.
struct Session {
    NoxGuardTracker tracker;
    qint64 result = 0;

    Session() { tracker.startSession(kStart); }
    void stake(qint64 change)
    {
        result += change;
        tracker.settle(true, change, result);
    }
    void watch() { tracker.settle(false, 0, result); }
    [[nodiscard]] std::optional<NoxGuardStop> check(const NoxGuards &g, qint64 nowMs = kStart) const
    {
        return tracker.check(g, result, kStopLoss, kTakeProfit, nowMs);
    }
};

} // namespace

class TestGuards : public QObject
{
    Q_OBJECT

private slots:
    void offByDefault()
    {
        const NoxGuards none;
        QVERIFY(!none.stopsAnything());
        QCOMPARE(none.refusal(100), QString());
        Session s;
        for (int i = 0; i < 50; ++i) {
            s.stake(-1000);
        }
        QCOMPARE(s.check(none, kStart + 24 * 3600 * 1000LL), std::nullopt);
    }

    void countsAtTheirBoundary_data()
    {
        QTest::addColumn<int>("limit");
        QTest::addColumn<int>("coups");
        QTest::addColumn<bool>("fires");
        for (int limit : {1, 6}) {
            QTest::addRow("%d: one less", limit) << limit << limit - 1 << false;
            QTest::addRow("%d: exactly", limit) << limit << limit << true;
            QTest::addRow("%d: one more", limit) << limit << limit + 1 << true;
        }
    }

    // N losing coups in a row, N staked coups: the N-th fires, the one before does not.
    void countsAtTheirBoundary()
    {
        QFETCH(int, limit);
        QFETCH(int, coups);
        QFETCH(bool, fires);
        NoxGuards streak;
        streak.losingStreak = limit;
        NoxGuards staked;
        staked.stakedCoups = limit;
        Session losing;
        Session mixed; // wins and losses: only the staked coups rule can fire
        for (int i = 0; i < coups; ++i) {
            losing.stake(-100);
            mixed.stake(i % 2 ? 100 : -100);
            losing.watch(); // a coup without a stake neither ends nor lengthens the streak
        }
        const std::optional<NoxGuardStop> byStreak = losing.check(streak);
        QCOMPARE(byStreak.has_value(), fires);
        if (fires) {
            QCOMPARE(byStreak->rule, Rule::LosingStreak);
            QCOMPARE(byStreak->reason,
                     QStringLiteral("Arrêt : %1 pertes de suite (limite %2)").arg(coups).arg(limit));
        }
        QCOMPARE(losing.check(staked).has_value(), fires);
        QCOMPARE(mixed.check(staked).has_value(), fires);
        QCOMPARE(mixed.check(streak).has_value(), limit == 1 && coups >= 1 && (coups - 1) % 2 == 0);
    }

    // A win or a push ends the streak; undo takes each coup back exactly.
    void streaksAndUndo()
    {
        NoxGuards g;
        g.losingStreak = 3;
        Session s;
        s.stake(-100);
        s.stake(-100);
        s.stake(0); // a push: the capital did not go down
        s.stake(-100);
        s.stake(-100);
        QCOMPARE(s.tracker.counts().losingStreak, 2);
        QCOMPARE(s.check(g), std::nullopt);
        s.stake(-100);
        QVERIFY(s.check(g));
        QVERIFY(s.tracker.undo()); // the undone coup is un-counted
        QCOMPARE(s.tracker.counts().losingStreak, 2);
        QCOMPARE(s.tracker.counts().stakedCoups, 5);
        QCOMPARE(s.check(g), std::nullopt);
        for (int i = 0; i < 5; ++i) {
            QVERIFY(s.tracker.undo());
        }
        QCOMPARE(s.tracker.counts(), NoxGuardTracker::Counts{});
        QVERIFY(!s.tracker.undo());
    }

    // After a cut, the coups kept can be undone back to the counts before them.
    void truncationKeepsWhatCanBeUndone()
    {
        Session s;
        for (int i = 0; i < 10; ++i) {
            s.stake(i < 6 ? 300 : -100);
        }
        const NoxGuardTracker::Counts afterSix = [&] {
            NoxGuardTracker copy = s.tracker;
            for (int i = 0; i < 4; ++i) {
                copy.undo();
            }
            return copy.counts();
        }();
        s.tracker.keepLast(4);
        QCOMPARE(s.tracker.counts().losingStreak, 4);
        for (int i = 0; i < 4; ++i) {
            QVERIFY(s.tracker.undo());
        }
        QCOMPARE(s.tracker.counts(), afterSix);
        QCOMPARE(afterSix.highestResult, 1800);
        QVERIFY(!s.tracker.undo());
        s.tracker.keepLast(-1); // nothing left to undo, and nothing breaks
        QCOMPARE(s.tracker.counts(), afterSix);
    }

    void moneyLimits_data()
    {
        QTest::addColumn<qint64>("result");
        QTest::addColumn<bool>("lossFires");
        QTest::addColumn<bool>("gainFires");
        QTest::newRow("one hundredth before the loss limit") << kStopLoss + 1 << false << false;
        QTest::newRow("exactly at the loss limit") << kStopLoss << true << false;
        QTest::newRow("one hundredth past the loss limit") << kStopLoss - 1 << true << false;
        QTest::newRow("one hundredth before the gain limit") << kTakeProfit - 1 << false << false;
        QTest::newRow("exactly at the gain limit") << kTakeProfit << false << true;
        QTest::newRow("one hundredth past the gain limit") << kTakeProfit + 1 << false << true;
    }

    // The limits stop only when the player chose it; the message gives the figures.
    void moneyLimits()
    {
        QFETCH(qint64, result);
        QFETCH(bool, lossFires);
        QFETCH(bool, gainFires);
        Session s;
        s.stake(result);
        QCOMPARE(s.check(NoxGuards{}), std::nullopt);
        NoxGuards g;
        g.lossLimitStops = true;
        g.gainLimitStops = true;
        const std::optional<NoxGuardStop> stop = s.check(g);
        QCOMPARE(stop.has_value(), lossFires || gainFires);
        if (lossFires) {
            QCOMPARE(stop->rule, Rule::LossLimit);
            QVERIFY2(stop->reason.startsWith(QStringLiteral("Arrêt : limite de perte atteinte (\u2212100.0")),
                     qPrintable(stop->reason));
            QVERIFY(stop->reason.endsWith(QStringLiteral("limite \u2212100.00)")));
        }
        if (gainFires) {
            QCOMPARE(stop->rule, Rule::GainLimit);
            QVERIFY(stop->reason.endsWith(QStringLiteral("limite +100.00)")));
        }
    }

    // Armed at the trigger, it stops at the drop from the highest point, not from the trigger.
    void trailingStop()
    {
        NoxGuards g;
        g.trailingTrigger = 5000;
        g.trailingDrop = 2000;
        Session s;
        s.stake(4999);
        s.stake(-4999); // a fall of 49.99 before it is armed: nothing
        QCOMPARE(s.check(g), std::nullopt);
        s.stake(5000); // armed at exactly the trigger
        s.stake(3000); // highest 80.00
        s.stake(-1999);
        QCOMPARE(s.check(g), std::nullopt);
        s.stake(-1);
        const std::optional<NoxGuardStop> stop = s.check(g);
        QVERIFY(stop);
        QCOMPARE(stop->rule, Rule::TrailingStop);
        QCOMPARE(stop->reason,
                 QStringLiteral("Arrêt : stop suiveur, \u221220.00 depuis le plus haut de +80.00 "
                                "(recul permis 20.00)"));
        QVERIFY(s.tracker.undo());
        s.result += 1;
        QCOMPARE(s.check(g), std::nullopt);
    }

    // The session's time is read off the clock given, from the start of the session.
    void sessionTime()
    {
        NoxGuards g;
        g.sessionMinutes = 90;
        Session s;
        QCOMPARE(s.check(g, kStart + 90 * 60000LL - 1), std::nullopt);
        const std::optional<NoxGuardStop> stop = s.check(g, kStart + 90 * 60000LL);
        QVERIFY(stop);
        QCOMPARE(stop->reason, QStringLiteral("Arrêt : 90 min de session (limite 90 min)"));
        QCOMPARE(s.check(g, kStart - 60000), std::nullopt); // a clock set back is no session time
        s.tracker.startSession(kStart + 90 * 60000LL);
        QCOMPARE(s.check(g, kStart + 90 * 60000LL), std::nullopt);
        s.tracker.setSessionStartMs(kStart);
        QVERIFY(s.check(g, kStart + 91 * 60000LL));
    }

    // When several rules hold, the first in the documented order is named.
    void orderOfTheRules()
    {
        NoxGuards g;
        g.lossLimitStops = true;
        g.losingStreak = 2;
        g.stakedCoups = 2;
        Session s;
        s.stake(-5000);
        s.stake(-5000);
        QCOMPARE(s.check(g)->rule, Rule::LossLimit);
        g.lossLimitStops = false;
        QCOMPARE(s.check(g)->rule, Rule::LosingStreak);
        g.losingStreak = 0;
        QCOMPARE(s.check(g)->rule, Rule::StakedCoups);
    }

    void refusals_data()
    {
        QTest::addColumn<NoxGuards>("guards");
        QTest::addColumn<QString>("field");
        const auto with = [](auto set) {
            NoxGuards g;
            set(g);
            return g;
        };
        QTest::newRow("negative streak")
            << with([](NoxGuards &g) { g.losingStreak = -1; }) << QStringLiteral("Pertes de suite");
        QTest::newRow("streak past the history")
            << with([](NoxGuards &g) { g.losingStreak = NoxGuards::kMaxCount + 1; })
            << QStringLiteral("Pertes de suite");
        QTest::newRow("staked coups")
            << with([](NoxGuards &g) { g.stakedCoups = -3; }) << QStringLiteral("Coups misés");
        QTest::newRow("a day and a minute")
            << with([](NoxGuards &g) { g.sessionMinutes = NoxGuards::kMaxMinutes + 1; })
            << QStringLiteral("Durée de session");
        QTest::newRow("drop larger than its trigger") << with([](NoxGuards &g) {
            g.trailingTrigger = 1000;
            g.trailingDrop = 1001;
        }) << QStringLiteral("Stop suiveur : le recul (10.01)");
        QTest::newRow("drop without a trigger")
            << with([](NoxGuards &g) { g.trailingDrop = 500; }) << QStringLiteral("Stop suiveur");
        QTest::newRow("trigger without a drop")
            << with([](NoxGuards &g) { g.trailingTrigger = 500; }) << QStringLiteral("Stop suiveur");
        QTest::newRow("largest stake below the chip")
            << with([](NoxGuards &g) { g.maxStake = 99; })
            << QStringLiteral("Mise maximale : au moins le plus petit jeton (1.00)");
        QTest::newRow("table limit") << with([](NoxGuards &g) { g.tableLimitTie = -1; })
                                     << QStringLiteral("Limites de la table");
    }

    void refusals()
    {
        QFETCH(NoxGuards, guards);
        QFETCH(QString, field);
        QVERIFY2(guards.refusal(100).startsWith(field), qPrintable(guards.refusal(100)));
    }

    void acceptedAtTheirBounds()
    {
        NoxGuards g;
        g.losingStreak = NoxGuards::kMaxCount;
        g.stakedCoups = 1;
        g.sessionMinutes = NoxGuards::kMaxMinutes;
        g.trailingTrigger = 1000;
        g.trailingDrop = 1000; // a drop equal to its trigger: back to zero
        g.maxStake = 100;
        g.tableLimitBanker = NoxGuards::kMaxAmount;
        QCOMPARE(g.refusal(100), QString());
        QVERIFY(g.stopsAnything());
    }
};

QTEST_GUILESS_MAIN(TestGuards)
#include "tst_guards.moc"
