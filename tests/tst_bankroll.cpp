#include "engine/noxbetitem.h"
#include "engine/noxengine.h"
#include "engine/noxmethodstate.h"
#include "engine/noxstatisticsprofile.h"
#include "money/montantecs.h"
#include "money/montanteperso.h"
#include "testsupport.h"

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
        QCOMPARE(engine.financialStats().profitList, (QList<int>{950, -50}));
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
                     "Attention le prochain coup vous menera sous votre limite de perte\nPerte : -110.00"));
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
};

QTEST_GUILESS_MAIN(TestBankroll)
#include "tst_bankroll.moc"
