#include "core/noxbetitem.h"
#include "core/noxmethodstate.h"
#include "core/noxstatisticsprofile.h"
#include "engine/noxengine.h"
#include "money/montantecs.h"
#include "money/montanteperso.h"
#include "testsupport.h"

#include <QRandomGenerator>
#include <QSignalSpy>
#include <QtTest>

using namespace Nox;
using NoxTest::fixedState;

namespace {

enum Baccarat { Tie = 0, Player = 1, Banker = 2 };

// BANKER (0), PLAYER (1) and TIE (2) as the catalogue scores them, none active.
void addSides(NoxEngine &engine)
{
    const QPair<const char *, NoxBetItemID> sides[] = {
        {"BANKER", NoxBetItemID::B_BANKER}, {"PLAYER", NoxBetItemID::B_PLAYER}, {"TIE", NoxBetItemID::B_TIE}};
    for (const auto &[name, item] : sides) {
        NoxMethodState *s = fixedState(QString::fromLatin1(name), betItem(item).type(), {item});
        s->setProfile(item == NoxBetItemID::B_TIE ? &NoxStatisticsProfile::tie()
                                                  : &NoxStatisticsProfile::baccarat());
        engine.addMethodState(s);
    }
    engine.restart(true, true);
}

void setChips(NoxEngine &engine, int cs, int plein)
{
    NoxFinancial f = engine.financial();
    f.cs.jeton = f.cs.jetonOrigine = cs;
    f.plein.jeton = f.plein.jetonOrigine = plein;
    engine.setFinancialConfig(f);
}

int stakeOf(const NoxEngine &engine, NoxBetItemID id)
{
    for (const NoxBet &bet : engine.itemsToPlay()) {
        if (bet.id == id) {
            return bet.bet;
        }
    }
    return 0;
}

} // namespace

class TestBankroll : public QObject
{
    Q_OBJECT

private slots:
    void bankerPaysNinetyFivePercent()
    {
        NoxEngine engine(true);
        addSides(engine);
        setChips(engine, 1000, 10);
        engine.setMethodActive(0, true);
        QCOMPARE(engine.financial().mise, 1000);
        engine.playValueInternal(Banker);
        QCOMPARE(engine.financial().capital, 100950);
        QCOMPARE(engine.financialStats().betWinCount, 1);
        engine.playValueInternal(Player);
        QCOMPARE(engine.financial().capital, 99950);
        QCOMPARE(engine.financialStats().betLossCount, 1);
        QCOMPARE(engine.financialStats().betTotal, 2000);
        QCOMPARE(engine.financialStats().profitList, (QList<qint64>{950, -50}));
        QCOMPARE(engine.financial().capitalMax, 100950);
        QCOMPARE(engine.financial().capitalMin, 99950);
    }

    void aTieReturnsPlayerAndBankerStakes()
    {
        NoxEngine engine(true);
        addSides(engine);
        setChips(engine, 1000, 100);
        engine.setMethodActive(0, true);
        engine.setMethodActive(1, true);
        NoxFinancial f = engine.financial();
        f.cs.jeton = 5000; // raised above its origin: a push must not bring it back
        engine.setFinancialConfig(f);
        engine.playValueInternal(Tie);
        QCOMPARE(engine.financial().capital, 100000);
        QCOMPARE(engine.financialStats().betWinCount + engine.financialStats().betLossCount, 0);
        QVERIFY(engine.financialStats().profitList.isEmpty());
        QCOMPARE(engine.financial().cs.jeton, 5000);
        QCOMPARE(engine.financialStats().betTotal, 10000); // the stakes were on the table

        // The tie bet itself is decided: 8 to 1.
        engine.setMethodActive(2, true);
        engine.playValueInternal(Tie);
        QCOMPARE(engine.financial().capital, 100800);
        // That win brought every chip back to its origin: banker 1000 * 0.95 - player 1000 - tie 100.
        QCOMPARE(engine.financial().cs.jeton, 1000);
        engine.playValueInternal(Banker);
        QCOMPARE(engine.financial().capital, 100800 + 950 - 1000 - 100);

        // Roulette: zero still loses the simple chances.
        NoxEngine roulette(false);
        roulette.addMethodState(fixedState(QStringLiteral("R"), NoxMethodType::cs, {NoxBetItemID::CS_R}));
        roulette.setMethodActive(0, true);
        roulette.playValueInternal(0);
        QCOMPARE(roulette.financial().capital, 100000 - 10);
    }

    void tiesLeaveProgressionsAlone()
    {
        NoxEngine engine(true);
        addSides(engine);
        engine.addMontante(NoxMethodType::cs, new MontanteCS(QStringLiteral("cs")));
        engine.setMethodActive(0, true);
        engine.playValueInternal(Player); // banker loses: 2 units next
        QCOMPARE(stakeOf(engine, NoxBetItemID::B_BANKER), 20);
        engine.playValueInternal(Tie);
        QCOMPARE(stakeOf(engine, NoxBetItemID::B_BANKER), 20);
        engine.playValueInternal(Banker);
        QCOMPARE(stakeOf(engine, NoxBetItemID::B_BANKER), 10);
    }

    void stopProfitRestartsTheKindsProgression()
    {
        for (bool stopProfit : {false, true}) {
            NoxEngine engine(true);
            addSides(engine);
            engine.addMontante(NoxMethodType::cs, new MontanteCS(QStringLiteral("cs")));
            NoxFinancial f = engine.financial();
            f.cs.stopProfit = stopProfit;
            engine.setFinancialConfig(f);
            engine.setMethodActive(0, true);
            engine.setMethodActive(2, true);
            engine.playValueInternal(Player); // banker and tie lose
            QCOMPARE(stakeOf(engine, NoxBetItemID::B_BANKER), 20);
            engine.playValueInternal(Tie); // the tie bet wins: the capital rises
            QCOMPARE(stakeOf(engine, NoxBetItemID::B_BANKER), stopProfit ? 10 : 20);
        }
    }

    void aWinBringsEveryChipBack()
    {
        NoxEngine engine(true);
        addSides(engine);
        engine.setMethodActive(0, true);
        NoxFinancial f = engine.financial();
        f.cs.jeton = 50;
        f.douz.jeton = 30;
        engine.setFinancialConfig(f);
        engine.playValueInternal(Player);
        QCOMPARE(engine.financial().cs.jeton, 50); // a loss keeps them
        engine.playValueInternal(Banker);
        QCOMPARE(engine.financial().cs.jeton, 10);
        QCOMPARE(engine.financial().douz.jeton, 10);
    }

    void limitWarningsOnce()
    {
        NoxEngine engine(true);
        addSides(engine);
        setChips(engine, 1000, 10);
        NoxFinancial f = engine.financial();
        f.capital = 109050;
        engine.setFinancialConfig(f);
        engine.setMethodActive(0, true);
        QSignalSpy notified(&engine, &NoxEngine::notificationsChanged);
        engine.playValueInternal(Banker); // 110000: the gain limit
        QCOMPARE(engine.notifications().size(), 1);
        QCOMPARE(engine.notifications().first().type, int(NoxNotification::GainLimit));
        QCOMPARE(engine.notifications().first().title,
                 QStringLiteral("Félicitation vous avez atteind votre limite de gain\nProfit : 100.00"));
        QCOMPARE(engine.notifications().first().content,
                 QStringLiteral("Il est recommandé de terminer votre session"));
        QCOMPARE(notified.size(), 1);
        engine.playValueInternal(Banker);
        QCOMPARE(engine.notifications().size(), 1);

        // 93000 and a 2000 stake lost: 91000, and 2000 more would leave -11000.
        f = engine.financial();
        f.capital = 93000;
        f.cs.jeton = f.cs.jetonOrigine = 2000;
        engine.setFinancialConfig(f);
        engine.playValueInternal(Player);
        QCOMPARE(engine.financial().capital, 91000);
        QCOMPARE(engine.notifications().size(), 2);
        QCOMPARE(engine.notifications().last().title,
                 QStringLiteral(
                     "Attention le prochain coup vous mènera sous votre limite de perte\nPerte : -110.00"));
        engine.playValueInternal(Player);
        QCOMPARE(engine.notifications().size(), 2);

        engine.restart(true, false);
        QVERIFY(engine.notifications().isEmpty());
        QCOMPARE(engine.financial().capital, engine.financial().capitalOrigine);
    }

    void statisticsWindow()
    {
        NoxFinancialStats stats;
        const auto settle = [&stats](int result, int stake) {
            stats.record(result, stake);
            stats.betMax = std::max(stats.betMax, stake); // as the settlement does
        };
        settle(500, 70);
        for (int i = 1; i <= 100; ++i) {
            settle(i, 10);
        }
        QCOMPARE(stats.profitList.size(), 100);
        QCOMPARE(stats.profitList.first(), 1);
        QCOMPARE(stats.profitMax, 100); // the dropped 500 no longer counts
        QCOMPARE(stats.betMax, 10);
        QCOMPARE(stats.profit, 100);
        QCOMPARE(stats.profitMin, 0);
    }

    void suspendedPlayChangesNoMoney()
    {
        NoxEngine engine(true);
        addSides(engine);
        engine.setMethodActive(0, true);
        QSignalSpy items(&engine, &NoxEngine::itemsToPlayChanged);
        engine.setSuspended(true);
        QCOMPARE(items.size(), 1);
        QCOMPARE(engine.financial().mise, 0);
        const NoxBetList bets = engine.itemsToPlay();
        QCOMPARE(bets.size(), 1);
        QVERIFY(bets.first().flags & NoxBet::Suspended);
        engine.playValueInternal(Player);
        QCOMPARE(engine.financial().capital, 100000);
        QCOMPARE(engine.financialStats().betTotal, 0);
        engine.setSuspended(false);
        QCOMPARE(engine.financial().mise, 10);
    }

    void recoveryIsFlagged()
    {
        NoxEngine engine(true);
        addSides(engine);
        auto *perso = new MontantePerso(QStringLiteral("p"));
        perso->setSteps({1});
        perso->setRecupEnabled(true);
        perso->reset();
        engine.addMontante(NoxMethodType::plein, perso);
        QVERIFY(engine.selectMontante(NoxMethodType::cs, QStringLiteral("p")));
        engine.setMethodActive(0, true);
        QVERIFY(!(engine.itemsToPlay().first().flags & NoxBet::Recovery));
        engine.playValueInternal(Player); // lost on the only step: recovery
        QVERIFY(engine.itemsToPlay().first().flags & NoxBet::Recovery);

        engine.resetMontante();
        QVERIFY(!(engine.itemsToPlay().first().flags & NoxBet::Recovery));
        engine.resetFinancialStats();
        QCOMPARE(engine.financialStats().betTotal, 0);
    }

    void largeStakesAtTheMoneyGuard_data()
    {
        QTest::addColumn<bool>("baccarat");
        QTest::addColumn<int>("item");
        QTest::addColumn<int>("winning");
        QTest::addColumn<int>("losing");
        const auto row = [](const char *name, bool baccarat, NoxBetItemID item, int winning, int losing) {
            QTest::newRow(name) << baccarat << int(item) << winning << losing;
        };
        row("tie", true, NoxBetItemID::B_TIE, Tie, Player);
        row("banker", true, NoxBetItemID::B_BANKER, Banker, Player);
        row("player", true, NoxBetItemID::B_PLAYER, Player, Banker);
        row("plein", false, NoxBetItemID::N17, 17, 18);
        row("cheval", false, NoxBetItemID(int(NoxBetItemID::CH_FIRST)),
            betItem(NoxBetItemID::CH_FIRST).nums().first(), 36);
        row("transversale", false, NoxBetItemID::T1, 2, 36);
        row("carre", false, NoxBetItemID::CA1, 5, 36);
        row("sixain", false, NoxBetItemID::SX1, 6, 36);
        row("column", false, NoxBetItemID::CL1, 34, 36);
        row("dozen", false, NoxBetItemID::DZ3, 36, 1);
        row("red", false, NoxBetItemID::CS_R, 36, 35);
    }

    // The largest stake the guard lets through, won and lost, on every payout of both games:
    // the gain is computed and the capital kept in 64 bits.
    void largeStakesAtTheMoneyGuard()
    {
        QFETCH(bool, baccarat);
        QFETCH(int, item);
        QFETCH(int, winning);
        QFETCH(int, losing);
        const NoxBetItem &row = betItem(NoxBetItemID(item));
        constexpr int kCapital = 1000000; // 10,000.00
        constexpr int kStake = int(NoxEngine::kMaxMoney) - kCapital;
        for (bool win : {true, false}) {
            NoxEngine engine(baccarat);
            engine.addMethodState(fixedState(QStringLiteral("m"), row.type(), {row.id()}));
            engine.restart(true, true);
            NoxFinancial f = engine.financial();
            for (NoxMethodType kind : {NoxMethodType::plein, NoxMethodType::cs, NoxMethodType::col,
                                       NoxMethodType::douz, NoxMethodType::sixain, NoxMethodType::trans}) {
                f.config(kind).jeton = f.config(kind).jetonOrigine = kStake;
            }
            f.capitalOrigine = kCapital;
            f.capital = f.capitalMin = f.capitalMax = kCapital;
            f.takeProfit = std::numeric_limits<int>::max();
            engine.setFinancialConfig(f);
            engine.setMethodActive(0, true);
            QCOMPARE(engine.financial().mise, kStake);
            engine.playValueInternal(win ? winning : losing).waitForFinished();
            const qint64 expected =
                win ? qint64(kCapital) + qint64(kStake) * row.payout() / 100 : qint64(kCapital) - kStake;
            QCOMPARE(engine.financial().capital, expected);
            QCOMPARE(engine.financialStats().profit, expected - kCapital);
            QCOMPARE(engine.playedValues().size(), 1);
        }
    }

    void stakesBeyondTheGuardAreRefused()
    {
        NoxEngine engine(true);
        addSides(engine);
        setChips(engine, int(NoxEngine::kMaxMoney) - 99999, 10);
        engine.setMethodActive(0, true);
        QTest::ignoreMessage(QtWarningMsg, "Reach max play limits");
        engine.playValueInternal(Banker);
        QVERIFY(engine.playedValues().isEmpty());
        QCOMPARE(engine.financial().capital, 100000);
    }

    void chipsThatWouldOverflowAStakeSaturate()
    {
        NoxEngine engine(true);
        engine.registerBuiltinMontantes();
        addSides(engine);
        setChips(engine, std::numeric_limits<int>::max(), -50);
        engine.setMethodActive(0, true);
        engine.setMethodActive(2, true);
        QVERIFY(engine.selectMontante(NoxMethodType::cs, QStringLiteral("Martingale classique (commune)")));
        // Two units of the largest chip stay the largest stake; a negative chip stakes nothing.
        QCOMPARE(stakeOf(engine, NoxBetItemID::B_BANKER), std::numeric_limits<int>::max());
        QCOMPARE(stakeOf(engine, NoxBetItemID::B_TIE), 0);
        QCOMPARE(engine.financial().mise, std::numeric_limits<int>::max());
    }

    // A per-method cs progression stakes one multiplier per method and coup and settles
    // exactly what was shown: over a random session, every change of the capital is the
    // result of the bets listed before the coup.
    void perMethodProgressionSettlesWhatWasStaked()
    {
        NoxEngine engine(false);
        engine.registerBuiltinMontantes();
        QCOMPARE(engine.currentMontanteName(NoxMethodType::cs), QStringLiteral("Martingale classique"));
        engine.addMethodState(fixedState(QStringLiteral("red even"), NoxMethodType::cs,
                                         {NoxBetItemID::CS_R, NoxBetItemID::CS_P}));
        engine.addMethodState(
            fixedState(QStringLiteral("black low high"), NoxMethodType::cs,
                       {NoxBetItemID::CS_N, NoxBetItemID::CS_1_18, NoxBetItemID::CS_19_36}));
        engine.addMethodState(fixedState(QStringLiteral("odd"), NoxMethodType::cs, {NoxBetItemID::CS_I}));
        engine.restart(true, true);
        for (int i = 0; i < 3; ++i) {
            engine.setMethodActive(i, true);
        }
        QRandomGenerator rng(42);
        for (int coup = 0; coup < 300; ++coup) {
            const NoxBetList bets = engine.itemsToPlay();
            const int value = int(rng.bounded(37));
            qint64 expected = 0;
            for (const NoxBet &bet : bets) {
                const NoxBetItem &row = betItem(bet.id);
                expected += row.wins(value) ? row.gain(bet.bet) : -qint64(bet.bet);
            }
            const qint64 before = engine.financial().capital;
            engine.playValueInternal(value).waitForFinished();
            QCOMPARE(engine.financial().capital - before, expected);
        }

        // Red wins and even loses: the method neither gained nor lost, its stake stays.
        engine.restart(true, true);
        for (int i = 0; i < 3; ++i) {
            engine.setMethodActive(i, true);
        }
        engine.setMethodActive(1, false);
        engine.setMethodActive(2, false);
        engine.playValueInternal(0); // both lost
        QCOMPARE(stakeOf(engine, NoxBetItemID::CS_R), 20);
        QCOMPARE(stakeOf(engine, NoxBetItemID::CS_P), 20);
        engine.playValueInternal(1); // red, odd
        QCOMPARE(stakeOf(engine, NoxBetItemID::CS_R), 20);
        QCOMPARE(stakeOf(engine, NoxBetItemID::CS_P), 20);
        engine.playValueInternal(12); // red, even: won
        QCOMPARE(stakeOf(engine, NoxBetItemID::CS_R), 10);
        QCOMPARE(stakeOf(engine, NoxBetItemID::CS_P), 10);
    }
};

QTEST_GUILESS_MAIN(TestBankroll)
#include "tst_bankroll.moc"
