// The session guards: each rule at its boundary, undo and truncation taking coups back
// exactly, and the settings that cannot be taken.

#include "testsupport.h"

#include "core/noxclock.h"
#include "core/noxnotification.h"
#include "engine/noxengine.h"
#include "money/noxguards.h"
#include "money/noxguardtracker.h"

#include <QtTest>

using namespace Nox;
using Rule = NoxGuardStop::Rule;
using Field = NoxGuards::Field;

Q_DECLARE_METATYPE(Rule)
Q_DECLARE_METATYPE(Nox::NoxGuards)
Q_DECLARE_METATYPE(Nox::NoxGuards::Field)

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

// A clock the test sets by hand.
class HandClock final : public NoxClock
{
public:
    qint64 now = kStart;
    [[nodiscard]] qint64 nowMs() const override { return now; }
};

// An engine that stakes one chip on BANKER every coup; PLAYER loses it.
void stakeOnBanker(NoxEngine &engine, const NoxGuards &guards)
{
    engine.addMethodState(
        NoxTest::fixedState(QStringLiteral("BANKER"), NoxMethodType::cs, {NoxBetItemID::B_BANKER}));
    engine.restart(true, true);
    engine.setMethodActive(0, true);
    NoxFinancial f = engine.financial();
    f.guards = guards;
    engine.setFinancialConfig(f);
}

int guardNotifications(const NoxEngine &engine)
{
    const QList<NoxNotification> all = engine.notifications();
    return int(std::count_if(all.cbegin(), all.cend(),
                             [](const NoxNotification &n) { return n.type == NoxNotification::GuardStop; }));
}

constexpr int kPlayer = 1;
constexpr int kBanker = 2;

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
                     QStringLiteral("Arrêt : %1 %2 de suite (limite %3)")
                         .arg(coups)
                         .arg(coups == 1 ? QStringLiteral("perte") : QStringLiteral("pertes"))
                         .arg(limit));
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

    // Each refusal names its field in words and says which field it is, so that the settings
    // screen shows it under the field to change.
    void refusals_data()
    {
        QTest::addColumn<NoxGuards>("guards");
        QTest::addColumn<QString>("field");
        QTest::addColumn<Field>("concerned");
        const auto with = [](auto set) {
            NoxGuards g;
            set(g);
            return g;
        };
        QTest::newRow("negative streak") << with([](NoxGuards &g) { g.losingStreak = -1; })
                                         << QStringLiteral("Pertes de suite") << Field::LosingStreak;
        QTest::newRow("streak past the history")
            << with([](NoxGuards &g) { g.losingStreak = NoxGuards::kMaxCount + 1; })
            << QStringLiteral("Pertes de suite") << Field::LosingStreak;
        QTest::newRow("staked coups") << with([](NoxGuards &g) { g.stakedCoups = -3; })
                                      << QStringLiteral("Coups misés") << Field::StakedCoups;
        QTest::newRow("a day and a minute")
            << with([](NoxGuards &g) { g.sessionMinutes = NoxGuards::kMaxMinutes + 1; })
            << QStringLiteral("Durée de session") << Field::SessionMinutes;
        QTest::newRow("trigger out of range") << with([](NoxGuards &g) {
            g.trailingTrigger = NoxGuards::kMaxAmount + 1;
            g.trailingDrop = 100;
        }) << QStringLiteral("Stop suiveur : des montants")
                                              << Field::TrailingTrigger;
        QTest::newRow("drop out of range") << with([](NoxGuards &g) {
            g.trailingTrigger = 100;
            g.trailingDrop = -1;
        }) << QStringLiteral("Stop suiveur : des montants")
                                           << Field::TrailingDrop;
        QTest::newRow("drop larger than its trigger") << with([](NoxGuards &g) {
            g.trailingTrigger = 1000;
            g.trailingDrop = 1001;
        }) << QStringLiteral("Stop suiveur : le recul (10.01)")
                                                      << Field::TrailingDrop;
        QTest::newRow("drop without a trigger")
            << with([](NoxGuards &g) { g.trailingDrop = 500; })
            << QStringLiteral("Stop suiveur : choisissez le gain") << Field::TrailingTrigger;
        QTest::newRow("trigger without a drop")
            << with([](NoxGuards &g) { g.trailingTrigger = 500; })
            << QStringLiteral("Stop suiveur : choisissez le recul") << Field::TrailingDrop;
        QTest::newRow("largest stake below the chip")
            << with([](NoxGuards &g) { g.maxStake = 99; })
            << QStringLiteral("Mise maximale : au moins le plus petit jeton (1.00)") << Field::MaxStake;
        QTest::newRow("largest stake out of range")
            << with([](NoxGuards &g) { g.maxStake = NoxGuards::kMaxAmount + 1; })
            << QStringLiteral("Mise maximale : entre 0") << Field::MaxStake;
        QTest::newRow("player limit") << with([](NoxGuards &g) { g.tableLimitPlayer = -1; })
                                      << QStringLiteral("Limites de la table") << Field::TableLimitPlayer;
        QTest::newRow("banker limit")
            << with([](NoxGuards &g) { g.tableLimitBanker = NoxGuards::kMaxAmount + 1; })
            << QStringLiteral("Limites de la table") << Field::TableLimitBanker;
        QTest::newRow("tie limit") << with([](NoxGuards &g) { g.tableLimitTie = -1; })
                                   << QStringLiteral("Limites de la table") << Field::TableLimitTie;
    }

    void refusals()
    {
        QFETCH(NoxGuards, guards);
        QFETCH(QString, field);
        QFETCH(Field, concerned);
        const NoxGuards::Refusal why = guards.check(100);
        QVERIFY2(why.message.startsWith(field), qPrintable(why.message));
        QCOMPARE(why.field, concerned);
        QCOMPARE(guards.refusal(100), why.message);
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

    // The engine stops at the guard, says why, stays stopped until the player resumes, and a
    // rule that still holds stops again at the next settled coup.
    void theEngineStopsAndSaysWhy()
    {
        NoxEngine engine(true);
        engine.setAsync(false);
        NoxGuards g;
        g.losingStreak = 3;
        stakeOnBanker(engine, g);
        engine.playValueInternal(kPlayer);
        engine.playValueInternal(kPlayer);
        QVERIFY(!engine.isSuspended());
        QCOMPARE(engine.guardStop(), QString());
        engine.playValueInternal(kPlayer);
        QVERIFY(engine.isSuspended());
        QCOMPARE(engine.guardStop(), QStringLiteral("Arrêt : 3 pertes de suite (limite 3)"));
        QCOMPARE(guardNotifications(engine), 1);
        QCOMPARE(engine.financial().mise, 0); // nothing is proposed while stopped
        engine.playValueInternal(kPlayer);    // a coup without a stake: no second stop
        QCOMPARE(guardNotifications(engine), 1);

        engine.setSuspended(false);
        QCOMPARE(engine.guardStop(), QString());
        QVERIFY(engine.financial().mise > 0);
        engine.playValueInternal(kPlayer); // still losing: the rule holds again
        QVERIFY(engine.isSuspended());
        QCOMPARE(engine.guardStop(), QStringLiteral("Arrêt : 4 pertes de suite (limite 3)"));
        QCOMPARE(guardNotifications(engine), 2);

        // Undone, the coup is un-counted: after resuming, one more loss is needed.
        engine.cancelPlay();
        engine.cancelPlay(); // the coup without a stake
        engine.cancelPlay();
        engine.setSuspended(false);
        engine.playValueInternal(kBanker);
        engine.playValueInternal(kPlayer);
        engine.playValueInternal(kPlayer);
        QVERIFY(!engine.isSuspended());
        engine.playValueInternal(kPlayer);
        QVERIFY(engine.isSuspended());
        // A new bankroll is a new session: the stop ends with it.
        engine.restart(true, false);
        QVERIFY(!engine.isSuspended());
        QCOMPARE(engine.guardStop(), QString());
    }

    // The session time is read off the engine's clock, from the start of the bankroll.
    void sessionTimeOnTheEnginesClock()
    {
        HandClock clock;
        NoxEngine engine(true);
        engine.setAsync(false);
        engine.setClock(&clock);
        NoxGuards g;
        g.sessionMinutes = 1;
        stakeOnBanker(engine, g);
        clock.now += 59999;
        engine.playValueInternal(kBanker);
        QVERIFY(!engine.isSuspended());
        clock.now += 1;
        engine.playValueInternal(kBanker);
        QCOMPARE(engine.guardStop(), QStringLiteral("Arrêt : 1 min de session (limite 1 min)"));
        engine.restart(true, true);
        engine.playValueInternal(kBanker);
        QVERIFY(!engine.isSuspended());
    }

    // The stake limits act on what the engine proposes and on what it settles.
    void stakeLimitsInTheEngine()
    {
        NoxEngine engine(true);
        engine.setAsync(false);
        stakeOnBanker(engine, {});
        const int stake = engine.financial().mise;
        QVERIFY(stake > 0);
        NoxFinancial f = engine.financial();
        f.guards.tableLimitBanker = stake - 1;
        engine.setFinancialConfig(f);
        QCOMPARE(engine.financial().mise, 0);
        QCOMPARE(engine.itemsToPlay().value(0).flags & NoxBet::OutOfLimits, int(NoxBet::OutOfLimits));
        const qint64 capital = engine.financial().capital;
        engine.playValueInternal(kPlayer);
        QCOMPARE(engine.financial().capital, capital); // nothing was on the table
        f.guards.tableLimitBanker = 0;
        f.guards.maxStake = stake - 1;
        f.guards.maxStakeRule = NoxGuards::StakeRule::Refuse;
        engine.setFinancialConfig(f);
        QCOMPARE(engine.financial().mise, 0);
        f.guards.maxStake = stake;
        engine.setFinancialConfig(f);
        QCOMPARE(engine.financial().mise, stake);
    }

    // Guards out of range are refused whole; the ones in force stay.
    void refusedGuardsAreNotTaken()
    {
        NoxEngine engine(true);
        engine.setAsync(false);
        NoxGuards g;
        g.losingStreak = 4;
        stakeOnBanker(engine, g);
        NoxFinancial f = engine.financial();
        f.guards.losingStreak = 2;
        f.guards.trailingTrigger = 100;
        f.guards.trailingDrop = 200;
        f.stopLoss = -5000;
        engine.setFinancialConfig(f);
        QCOMPARE(engine.financial().guards, g);
        QCOMPARE(engine.financial().stopLoss, -5000);
    }

    // The guards are on disk with the settings, and a stop comes back with the evening after a
    // crash, reason included.
    void guardsSurviveARestart()
    {
        QTemporaryDir dir;
        NoxTest::useSandbox(dir);
        const QString org = QStringLiteral("NoxGuardsTest");
        NoxGuards g;
        g.losingStreak = 2;
        g.gainLimitStops = true;
        g.trailingTrigger = 5000;
        g.trailingDrop = 1000;
        g.maxStake = 2500;
        g.maxStakeRule = NoxGuards::StakeRule::Refuse;
        g.tableLimitTie = 10000;
        QString path;
        QByteArray crashed;
        {
            NoxEngine engine(true);
            engine.setAsync(true);
            engine.setPersistence(true, org);
            stakeOnBanker(engine, g);
            engine.playValueInternal(kPlayer);
            engine.playValueInternal(kPlayer).waitForFinished();
            QCOMPARE(engine.guardStop(), QStringLiteral("Arrêt : 2 pertes de suite (limite 2)"));
            path = engine.journalPath();
            crashed = NoxTest::readFile(path);
        }
        QVERIFY(NoxTest::writeFile(path, crashed)); // as a crash leaves it
        NoxEngine engine(true);
        engine.setAsync(true);
        engine.addMethodState(
            NoxTest::fixedState(QStringLiteral("BANKER"), NoxMethodType::cs, {NoxBetItemID::B_BANKER}));
        engine.setPersistence(true, org);
        QCOMPARE(engine.financial().guards, g);
        QVERIFY(engine.interruptedSession());
        engine.restoreInterruptedSession().waitForFinished();
        QVERIFY(engine.isSuspended());
        QCOMPARE(engine.guardStop(), QStringLiteral("Arrêt : 2 pertes de suite (limite 2)"));
    }
};

QTEST_GUILESS_MAIN(TestGuards)
#include "tst_guards.moc"
