// The risk of a progression: its table of steps, the estimate of a session's outcome played
// through the simulator's engine, the session guards in backtests, and backtests of a few
// methods only.
#include "noxriskestimate.h"
#include "noxsimbankroll.h"
#include "noxsimresult.h"
#include "noxsimulator.h"

#include "core/noxmethod.h"
#include "core/noxmethodstate.h"
#include "engine/noxengine.h"
#include "money/martingaleclassique.h"
#include "money/montantecs.h"
#include "money/noxsteptable.h"

#include <QJsonDocument>
#include <QtTest>

#include <map>

using namespace Nox;

namespace {

// The chances of a coup of a dealt eight-deck shoe (banker, player, tie).
constexpr double kBanker = 0.458597;
constexpr double kPlayer = 0.446247;
constexpr double kTie = 0.095156;

// Exactly, the chance that flat BANKER stakes reach the loss limit before the gain limit within
// `coups` coups: a win pays 95 % of the stake, a loss takes it, a tie pushes. In units of
// `unit` hundredths, a win is +win, a loss -loss; the limits are reached at or past them.
double exactRuin(int win, int loss, int lossLimit, int gainLimit, int coups)
{
    std::map<int, double> alive{{0, 1.0}};
    double ruined = 0;
    for (int c = 0; c < coups && !alive.empty(); ++c) {
        std::map<int, double> next;
        for (const auto &[result, chance] : alive) {
            next[result] += chance * kTie;
            const int up = result + win;
            if (up < gainLimit) {
                next[up] += chance * kBanker;
            }
            const int down = result - loss;
            if (down <= -lossLimit) {
                ruined += chance * kPlayer;
            } else {
                next[down] += chance * kPlayer;
            }
        }
        alive.swap(next);
    }
    return ruined;
}

NoxSimulator::Config flatBanker()
{
    NoxSimulator::Config c;
    c.methods = {QStringLiteral("BANKER")};
    c.montantes.insert(QStringLiteral("cs"), QStringLiteral("Masse égale"));
    c.chips.insert(QStringLiteral("cs"), 1000);
    c.capital = 100000;
    c.stopLoss = 10000;
    c.takeProfit = 10000;
    return c;
}

QList<int> dealt(int count, quint64 seed)
{
    return NoxRiskEstimate::sessionValues(true, seed, 0, count);
}

} // namespace

class TestRiskEstimate : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QLoggingCategory::setFilterRules(QStringLiteral("nox.*.debug=false\nnox.*.info=false"));
    }

    // A martingale of n steps loses 2^n - 1 base chips in a row; the limits are found at the
    // first step that passes them, and the table ends at the step the capital cannot pay.
    void stepTableClosedForms()
    {
        MartingaleClassique doubling(QStringLiteral("m"), 2, 1);
        const NoxStepTable open = NoxStepTable::compute(doubling, 1, 500, {}, 12);
        QCOMPARE(open.steps().size(), 12);
        for (int n = 1; n <= 12; ++n) {
            QCOMPARE(open.steps().at(n - 1).stake, 500LL << (n - 1));
            QCOMPARE(open.steps().at(n - 1).lost, 500 * ((1LL << n) - 1));
        }
        QCOMPARE(open.firstOverCapital(), -1);
        QCOMPARE(open.firstOverTableLimit(), -1);

        // The built-in simple-chance martingale doubles too, up to its table's last line.
        MontanteCS cs(QStringLiteral("cs"));
        const NoxStepTable capped = NoxStepTable::compute(cs, 1, 100, {}, 15);
        QCOMPARE(capped.steps().at(11).lost, 100 * ((1LL << 12) - 1));
        QCOMPARE(capped.steps().at(13).stake, 409600);

        // Limits: 8 chips on the table, 20 a coup, a loss limit of 30 and a capital of 100.
        MartingaleClassique again(QStringLiteral("m"), 2, 1);
        const NoxStepTable limited = NoxStepTable::compute(
            again, 1, 100, {.tableLimit = 800, .maxStake = 2000, .lossLimit = 3000, .capital = 10000});
        QCOMPARE(limited.firstOverTableLimit(), 4); // 16 chips
        QCOMPARE(limited.firstOverMaxStake(), 5);   // 32 chips
        QCOMPARE(limited.firstOverLossLimit(), 4);  // 31 lost after five losses
        QCOMPARE(limited.firstOverCapital(), 6);    // 63 lost, then 64 more than the 37 left
        QCOMPARE(limited.steps().size(), 7);
        // Exactly at a limit is within it.
        MartingaleClassique exact(QStringLiteral("m"), 2, 1);
        const NoxStepTable atLimit =
            NoxStepTable::compute(exact, 1, 100, {.tableLimit = 1600, .capital = 3100});
        QCOMPARE(atLimit.firstOverTableLimit(), 5);
        QCOMPARE(atLimit.firstOverCapital(), 5);
        // Several items: the table's limit is per item, the largest stake per coup.
        MartingaleClassique two(QStringLiteral("m"), 3, 1);
        const NoxStepTable pair = NoxStepTable::compute(two, 2, 100, {.tableLimit = 100, .maxStake = 200});
        QCOMPARE(pair.steps().first().stake, 200);
        QCOMPARE(pair.firstOverTableLimit(), 1);
        QCOMPARE(pair.firstOverMaxStake(), 1);
    }

    // The engine's copy of the current progression starts over and leaves the engine's own.
    void engineHandsACopyOfTheProgression()
    {
        NoxEngine engine(true);
        engine.setAsync(false);
        engine.loadMethods();
        engine.registerBuiltinMontantes();
        QVERIFY(engine.selectMontante(NoxMethodType::cs, QStringLiteral("Martingale classique")));
        for (const NoxMethodState *state : engine.methodStates()) {
            if (state->method()->name() == u"BANKER") {
                engine.setMethodActive(state->method()->index(), true);
            }
        }
        // Three PLAYER coups: three losses, the engine's progression is at its fourth step.
        for (int i = 0; i < 3; ++i) {
            engine.playValueInternal(1);
        }
        QCOMPARE(engine.financial().mise, 8 * engine.financial().cs.jeton);
        const int before = engine.financial().mise;
        std::unique_ptr<NoxMontante> copy = engine.currentMontanteCopy(NoxMethodType::cs);
        QVERIFY(copy);
        const NoxStepTable table = NoxStepTable::compute(*copy, 1, engine.financial().cs.jeton, {}, 5);
        QCOMPARE(table.steps().first().stake, qint64(engine.financial().cs.jeton));
        QCOMPARE(engine.financial().mise, before);
        QVERIFY(!engine.currentMontanteCopy(NoxMethodType::sixain));
    }

    // Flat BANKER stakes between a loss and a gain limit: the estimated chance of the loss
    // limit holds the exact one in its interval, the shares add up, and the results agree.
    void estimateAgainstTheGamblersRuin()
    {
        NoxRiskEstimate::Config config;
        config.simulation = flatBanker();
        config.sessions = 4000;
        config.coupsPerSession = 150;
        config.seed = 11;
        NoxRiskEstimate::Outcome o;
        QString error;
        QVERIFY2(NoxRiskEstimate::run(config, &o, &error), qPrintable(error));
        QCOMPARE(o.sessions, 4000);
        QVERIFY(!o.canceled);
        // Units of 0.50: a win +19, a loss -20, limits at 200.
        const double exact = exactRuin(19, 20, 200, 200, 150);
        qInfo("loss limit first: exact %.4f, estimated %.4f [%.4f, %.4f]", exact, o.lossLimit.value,
              o.lossLimit.low, o.lossLimit.high);
        QVERIFY2(o.lossLimit.low <= exact && exact <= o.lossLimit.high,
                 qPrintable(QStringLiteral("exact %1 outside [%2, %3]")
                                .arg(exact)
                                .arg(o.lossLimit.low)
                                .arg(o.lossLimit.high)));
        QVERIFY(o.lossLimit.high - o.lossLimit.low < 0.04);
        QCOMPARE(o.lossLimit.count + o.gainLimit.count + o.otherStop.count + o.unfinished.count, o.sessions);
        QCOMPARE(o.byRule[size_t(NoxGuardStop::Rule::LossLimit)], o.lossLimit.count);
        QCOMPARE(o.results.size(), o.sessions);
        QVERIFY(std::is_sorted(o.results.begin(), o.results.end()));
        // Every session at the loss limit ended at exactly -100 (ten losses of 10 net of wins
        // of 9.50 can stop between -100 and -109.50), every one at the gain limit at +100 or just past.
        QVERIFY(o.results.first() <= -10000 && o.results.first() > -11000);
        QVERIFY(o.results.last() >= 10000 && o.results.last() < 11000);
        QVERIFY(o.quantile(0) == o.results.first() && o.quantile(1) == o.results.last());
        qint64 inBins = 0;
        for (qint64 n : o.histogram(10)) {
            inBins += n;
        }
        QCOMPARE(inBins, o.sessions);
        QVERIFY(o.meanCoups > 10 && o.meanCoups <= 150);
    }

    // The outcome depends on the seed alone, not on the workers; a cancel ends the run early
    // and says so; a configuration that cannot be played is refused with its reason.
    void workersCancelAndRefusals()
    {
        NoxRiskEstimate::Config config;
        config.simulation = flatBanker();
        config.simulation.montantes.insert(QStringLiteral("cs"), QStringLiteral("Martingale classique"));
        config.sessions = 300;
        config.coupsPerSession = 60;
        config.seed = 5;
        config.jobs = 1;
        NoxRiskEstimate::Outcome one;
        NoxRiskEstimate::Outcome two;
        QString error;
        QVERIFY(NoxRiskEstimate::run(config, &one, &error));
        config.jobs = 2;
        config.background = true;
        qint64 lastDone = -1;
        QVERIFY(NoxRiskEstimate::run(config, &two, &error, nullptr, [&](qint64 done, qint64 total) {
            QVERIFY(done >= lastDone && total == 300);
            lastDone = done;
        }));
        QCOMPARE(lastDone, 300);
        QVERIFY(std::equal(one.results.begin(), one.results.end(), two.results.begin(), two.results.end()));
        QCOMPARE(one.lossLimit.count, two.lossLimit.count);
        QCOMPARE(one.byRule, two.byRule);

        std::atomic<bool> cancel{false};
        NoxRiskEstimate::Outcome part;
        config.sessions = 200000;
        QVERIFY(NoxRiskEstimate::run(config, &part, &error, &cancel, [&](qint64 done, qint64) {
            if (done > 0) {
                cancel = true;
            }
        }));
        QVERIFY(part.canceled);
        QVERIFY(part.sessions > 0 && part.sessions < 200000);
        QCOMPARE(part.results.size(), part.sessions);

        config.sessions = 10;
        config.simulation.guards.trailingTrigger = 1000;
        config.simulation.guards.trailingDrop = 2000;
        NoxRiskEstimate::Outcome refused;
        QVERIFY(!NoxRiskEstimate::run(config, &refused, &error));
        QVERIFY2(error.contains(QStringLiteral("guards")), qPrintable(error));
        config.simulation = flatBanker();
        config.simulation.methods.clear();
        QVERIFY(!NoxRiskEstimate::run(config, &refused, &error));
        config.simulation.methods = {QStringLiteral("No such method")};
        QVERIFY(!NoxRiskEstimate::run(config, &refused, &error));
        QVERIFY(error.contains(QStringLiteral("No such method")));
    }

    // A guard ends a backtest session's betting at the coup it fires on; the sessions each
    // rule ended are counted, survive the JSON form and add up over parts.
    void guardsEndBacktestSessions()
    {
        NoxSimulator::Config c = flatBanker();
        c.montantes.insert(QStringLiteral("cs"), QStringLiteral("Martingale classique"));
        c.guards.losingStreak = 3;
        NoxSimulator simulator(c);
        QString error;
        QVERIFY2(simulator.prepare(&error), qPrintable(error));
        // Banker, then three players: stopped after the third loss, nothing staked after it.
        const QList<int> values{2, 1, 1, 1, 2, 2, 1, 2};
        const NoxSimBankroll::Session s = simulator.playSession(values);
        QCOMPARE(s.coups, 4);
        QCOMPARE(s.guardStop, std::optional(NoxGuardStop::Rule::LosingStreak));
        QCOMPARE(s.result, 950 - 1000 - 2000 - 4000);
        // One coup fewer in a row: no stop.
        QCOMPARE(simulator.playSession({2, 1, 1, 2, 1, 1, 2}).guardStop, std::nullopt);

        NoxSimResult whole = simulator.emptyResult({});
        simulator.playShoe(values, &whole);
        simulator.playShoe(QList<int>{2, 2, 2, 2}, &whole);
        QCOMPARE(whole.bankroll.guardSessions(NoxGuardStop::Rule::LosingStreak), 1);
        QCOMPARE(whole.bankroll.guardSessions(), 1);
        QCOMPARE(whole.bankroll.staked(), 1000 + 1000 + 2000 + 4000 + 4 * 1000);
        NoxSimBankroll back;
        QVERIFY(NoxSimBankroll::fromJson(whole.bankroll.toJson(), &back));
        QCOMPARE(back.guardSessions(NoxGuardStop::Rule::LosingStreak), 1);
        QVERIFY(back.isConsistent(100, 10000000));
        back.append(whole.bankroll);
        QCOMPARE(back.guardSessions(), 2);
        // Results of runs without a guard have no such field and still read.
        QJsonObject old = whole.bankroll.toJson();
        old.remove(QStringLiteral("guardSessions"));
        QVERIFY(NoxSimBankroll::fromJson(old, &back));
        QCOMPARE(back.guardSessions(), 0);
        old.insert(QStringLiteral("guardSessions"), QJsonObject{{QStringLiteral("lossLimit"), -1}});
        QVERIFY(!NoxSimBankroll::fromJson(old, &back));
        QVERIFY(simulator.settings().contains(QStringLiteral("guards")));

        // The session time runs at the simulated pace of a coup.
        NoxSimulator::Config timed = flatBanker();
        timed.guards.sessionMinutes = 2;
        timed.coupSeconds = 30;
        NoxSimulator clocked(timed);
        QVERIFY(clocked.prepare(&error));
        const NoxSimBankroll::Session t = clocked.playSession(dealt(20, 3));
        QCOMPARE(t.coups, 4);
        QCOMPARE(t.guardStop, std::optional(NoxGuardStop::Rule::SessionTime));

        // Guards that do not fit together are refused as the settings refuse them.
        NoxSimulator::Config bad = flatBanker();
        bad.guards.maxStake = 50;
        NoxSimulator refused(bad);
        QVERIFY(!refused.prepare(&error));
        QVERIFY2(error.contains(QStringLiteral("guards")), qPrintable(error));
    }

    // With only a few methods evaluated, each keeps exactly the records it has in the whole
    // catalogue, an automatic one included (its candidates are kept for it).
    void onlyTheNamedMethodsAreEvaluated()
    {
        const QStringList named{QStringLiteral("BANKER"), QStringLiteral("AUTO Tendance")};
        NoxSimulator::Config whole;
        whole.methods = named;
        NoxSimulator::Config few = whole;
        few.only = named;
        NoxSimulator all(whole);
        NoxSimulator some(few);
        QString error;
        QVERIFY(all.prepare(&error));
        QVERIFY2(some.prepare(&error), qPrintable(error));
        QVERIFY(some.methodNames().size() < all.methodNames().size());
        QVERIFY(some.methodNames().contains(named.at(0)) && some.methodNames().contains(named.at(1)));
        NoxSimResult a = all.emptyResult({});
        NoxSimResult b = some.emptyResult({});
        for (quint64 shoe = 0; shoe < 6; ++shoe) {
            const QList<int> values = NoxRiskEstimate::sessionValues(true, 21, qint64(shoe), 75);
            all.playShoe(values, &a);
            some.playShoe(values, &b);
        }
        const auto record = [](const NoxSimResult &r, const QString &name) {
            for (const auto &m : r.methods) {
                if (m.name == name) {
                    return m.flat.toJson();
                }
            }
            return QJsonObject{};
        };
        for (const QString &name : named) {
            QVERIFY(!record(a, name).isEmpty());
            QCOMPARE(record(b, name), record(a, name));
        }
        QCOMPARE(b.bankroll, a.bankroll);

        // Only the methods that are evaluated can be activated; unknown names are refused.
        NoxSimulator::Config outside = few;
        outside.only = {QStringLiteral("PLAYER")};
        NoxSimulator o(outside);
        QVERIFY(!o.prepare(&error));
        QVERIFY2(error.contains(QStringLiteral("--only")), qPrintable(error));
        outside.only = {QStringLiteral("Nothing")};
        NoxSimulator u(outside);
        QVERIFY(!u.prepare(&error));
        QVERIFY(error.contains(QStringLiteral("Nothing")));
    }
};

QTEST_GUILESS_MAIN(TestRiskEstimate)
#include "tst_riskestimate.moc"
