#include "core/noxmethod.h"
#include "core/noxmethodstate.h"
#include "core/noxstatisticsprofile.h"
#include "engine/noxengine.h"
#include "money/martingaleclassique.h"
#include "money/montante7boules.h"
#include "money/montantecs.h"
#include "money/montanteperso.h"
#include "money/recup3pertes.h"
#include "testsupport.h"

#include <QtTest>

#include <climits>

using namespace Nox;

namespace {

// Plays one coup of `items` items: the stake, then its outcome. Returns the stake.
int coup(NoxMontante &m, bool won, int items = 1, const NoxMethod *method = nullptr)
{
    const int mise = m.computeMise(items, method);
    m.applyResult(mise, won, items, method);
    return mise;
}

QVariant detail(const MontantePerso &m, const QString &name)
{
    NoxMethodParameterList details;
    m.getDetails(details);
    for (const NoxMethodParameter &p : details) {
        if (p.name == name) {
            return p.value.toVariant();
        }
    }
    return {};
}

MontantePerso steps124(bool recup)
{
    MontantePerso m(QStringLiteral("p"));
    m.setSteps({1, 2, 4});
    m.setRecupEnabled(recup);
    m.reset();
    return m;
}

} // namespace

class TestMontantes : public QObject
{
    Q_OBJECT

private slots:
    void martingale()
    {
        MartingaleClassique m(QStringLiteral("m"), 36, 2);
        QCOMPARE(m.computeMise(1, nullptr), 1);
        m.applyResult(1, false, 10, nullptr);
        QCOMPARE(m.deficit(), 10);
        QCOMPARE(m.computeMise(10, nullptr), 1);  // 36 >= 10 + 2 + 10
        QCOMPARE(m.computeMise(40, nullptr), 12); // capped at 35 items: 12 * 1 >= 12
        // A win more than recovers: the negative deficit counts as none.
        m.applyResult(1, true, 1, nullptr);
        QCOMPARE(m.computeMise(1, nullptr), 1);
        QCOMPARE(m.deficit(), 0);

        MartingaleClassique commune(QStringLiteral("c"), 2, 2);
        QCOMPARE(commune.computeMise(1, nullptr), 2);
        // Losses of 2 and 4 on one chance: the next stake wins back 6 + 2 at even money.
        commune.applyResult(2, false, 1, nullptr);
        QCOMPARE(commune.computeMise(1, nullptr), 4);
        commune.applyResult(4, false, 1, nullptr);
        QCOMPARE(commune.computeMise(1, nullptr), 8);
        commune.applyResult(8, true, 1, nullptr);
        QCOMPARE(commune.computeMise(1, nullptr), 2);
    }

    // The doubling of forty lost coups asks for some 2^41 chips: far more than an int holds.
    // The deficit and the stake stay at the top of the range instead of wrapping round to a
    // small stake, whatever the payout.
    void martingaleSaturatesItsDeficit()
    {
        MartingaleClassique commune(QStringLiteral("c"), 2, 2);
        int previous = 0;
        for (int i = 0; i < 40; ++i) {
            const int mise = coup(commune, false);
            QVERIFY2(mise >= previous,
                     qPrintable(QStringLiteral("coup %1: %2 after %3").arg(i).arg(mise).arg(previous)));
            previous = mise;
        }
        QCOMPARE(commune.computeMise(1, nullptr), INT_MAX);
        QCOMPARE(commune.deficit(), INT_MAX);
        // Further losses and a won coup staking the largest multiplier leave it there.
        coup(commune, false);
        QCOMPARE(commune.computeMise(1, nullptr), INT_MAX);
        coup(commune, true);
        QCOMPARE(commune.computeMise(1, nullptr), INT_MAX);

        // On a plein one chip of the stake returns 36: a deficit above INT_MAX chips still asks
        // for more than the engine's money limit in chips of 0.01.
        MartingaleClassique plein(QStringLiteral("p"), 36, 2);
        for (int i = 0; i < 40; ++i) {
            coup(plein, false, 35);
        }
        QVERIFY(plein.computeMise(1, nullptr) > NoxEngine::kMaxMoney);
        QCOMPARE(plein.computeMise(35, nullptr), INT_MAX);

        // Small deficits are counted exactly as before.
        MartingaleClassique fresh(QStringLiteral("f"), 2, 2);
        QCOMPARE(coup(fresh, false), 2);
        QCOMPARE(coup(fresh, false), 4);
        QCOMPARE(fresh.deficit(), 6);
    }

    // Through the engine: BANKER with the common martingale, forty lost coups at a chip of 0,
    // then a chip of 0.10. The stake the rule asks for is beyond the money limit.
    void martingaleWithAFreeChipStakesBeyondTheMoneyLimit()
    {
        NoxEngine engine(true);
        engine.registerBuiltinMontantes();
        NoxMethodState *banker =
            NoxTest::fixedState(QStringLiteral("BANKER"), NoxMethodType::cs, {NoxBetItemID::B_BANKER});
        banker->setProfile(&NoxStatisticsProfile::baccarat());
        engine.addMethodState(banker);
        engine.restart(true, true);
        QVERIFY(engine.selectMontante(NoxMethodType::cs, QStringLiteral("Martingale classique (commune)")));
        const auto setChip = [&engine](int chip) {
            NoxFinancial f = engine.financial();
            f.cs.jeton = f.cs.jetonOrigine = chip;
            engine.setFinancialConfig(f);
        };
        setChip(0);
        engine.setMethodActive(0, true);
        for (int i = 0; i < 40; ++i) {
            engine.playValueInternal(1).waitForFinished(); // PLAYER: BANKER loses
        }
        QCOMPARE(engine.financial().capital, 100000);
        setChip(10);
        const NoxBetList bets = engine.itemsToPlay();
        QCOMPARE(bets.size(), 1);
        QVERIFY2(bets.first().bet > NoxEngine::kMaxMoney, qPrintable(QString::number(bets.first().bet)));
    }

    void montanteCsCountsPerMethod()
    {
        MontanteCS m(QStringLiteral("cs"));
        NoxMethod a(NoxMethodType::cs, NoxMethodSubType::bluecs6, QStringLiteral("A"));
        NoxMethod b(NoxMethodType::cs, NoxMethodSubType::bluecs6, QStringLiteral("B"));
        a.setIndex(0);
        b.setIndex(1);
        QList<int> stakes;
        for (int i = 0; i < 20; ++i) {
            stakes << coup(m, false, 1, &a);
            if (i == 12) {
                QCOMPARE(m.computeMise(1, &a), 4096);
            }
        }
        QCOMPARE(stakes.mid(0, 5), (QList<int>{1, 2, 4, 8, 16}));
        QCOMPARE(m.computeMise(1, &a), 4096);
        QCOMPARE(m.computeMise(1, &b), 1);
        coup(m, true, 1, &a);
        QCOMPARE(m.computeMise(1, &a), 1);
        m.applyResult(1, false, 1, &b);
        m.reset();
        QCOMPARE(m.lossCount(&b), 0);
    }

    void montanteCsKnowsMethodsByIdentifier()
    {
        // "A B" and "A/B" share the settings key "a-b" but are two methods.
        MontanteCS m(QStringLiteral("cs"));
        NoxMethod a(NoxMethodType::cs, NoxMethodSubType::bluecs6, QStringLiteral("A B"));
        NoxMethod b(NoxMethodType::cs, NoxMethodSubType::bluecs6, QStringLiteral("A/B"));
        QCOMPARE(a.key(), b.key());
        a.setIndex(4);
        b.setIndex(9);
        for (int i = 0; i < 3; ++i) {
            coup(m, false, 1, &a);
        }
        QCOMPARE(m.computeMise(1, &a), 8);
        QCOMPARE(m.computeMise(1, &b), 1);
        QCOMPARE(m.lossCount(&b), 0);
    }

    void sevenBalls()
    {
        Montante7Boules m(QStringLiteral("7"));
        coup(m, false, 18);
        QCOMPARE(m.total(), -1.0);
        QCOMPARE(m.count(), 1);
        for (int i = 0; i < 6; ++i) {
            coup(m, false, 18);
        }
        QCOMPARE(m.multiplier(), 8); // round((1 + 7) * 1)
        QCOMPARE(m.count(), 0);
        QCOMPARE(m.total(), 0.0);
        QCOMPARE(m.computeMise(18, nullptr), 8);

        // A win that brings the total to 0.5: the multiplier shrinks by half.
        m.applyResult(8, true, 27, nullptr); // (36 - 27) / 18 = 0.5
        QCOMPARE(m.multiplier(), 4);

        Montante7Boules small(QStringLiteral("s"));
        small.applyResult(1, false, 9, nullptr);
        QCOMPARE(small.total(), -0.5);
        QCOMPARE(small.count(), 0);
        small.applyResult(1, false, 9, nullptr); // -1: now a recorded result
        QCOMPARE(small.count(), 1);
        small.reset();
        QCOMPARE(small.multiplier(), 1);
        QCOMPARE(small.total(), 0.0);
    }

    void recoverThreeLosses()
    {
        Recup3Pertes m(QStringLiteral("r"));
        QCOMPARE(coup(m, false, 1), 1);
        QCOMPARE(coup(m, false, 2), 1);
        QCOMPARE(coup(m, false, 1), 1);
        QCOMPARE(coup(m, false, 3), 1);
        QCOMPARE(m.losses(), (QList<int>{1, 2, 1, 3}));
        // The first win only arms the window.
        QCOMPARE(coup(m, true, 1), 1);
        QCOMPARE(m.window(), 3);
        // Next: 36 m >= (1 + 2 + 1) + 1 + m on one number: m = 1 (35 >= 5).
        QCOMPARE(m.computeMise(1, nullptr), 1);
        // On 30 numbers: 6 m >= 5, m = 1; with 34 numbers: 2 m >= 5, m = 3.
        QCOMPARE(m.computeMise(34, nullptr), 3);
        m.applyResult(3, true, 34, nullptr);
        QCOMPARE(m.losses(), (QList<int>{3}));
        QCOMPARE(m.window(), 1);
        // 36 items or more are capped at 35.
        QCOMPARE(m.computeMise(40, nullptr), 4);
    }

    void persoSteps()
    {
        MontantePerso m = steps124(false);
        QCOMPARE(coup(m, false), 1);
        QCOMPARE(coup(m, false), 2);
        QCOMPARE(coup(m, false), 4);
        QCOMPARE(coup(m, false), 4); // stays on the last step
        QCOMPARE(coup(m, true), 4);
        QCOMPARE(m.computeMise(1, nullptr), 1); // a win goes back to the first step

        // Win advances, loss restarts.
        MontantePerso inverted = steps124(false);
        inverted.setNbPaliersBack(1);
        inverted.setNbPaliersBackPerte(MontantePerso::kBackToStart);
        QCOMPARE(coup(inverted, true), 1);
        QCOMPARE(coup(inverted, true), 2);
        QCOMPARE(coup(inverted, false), 4);
        QCOMPARE(inverted.computeMise(1, nullptr), 1);

        // Back two steps after a loss, clamped at the first.
        MontantePerso back = steps124(false);
        back.setNbPaliersBack(1);
        back.setNbPaliersBackPerte(-2);
        coup(back, true);
        coup(back, true);
        QCOMPARE(back.currentPalier(), 2);
        coup(back, false);
        QCOMPARE(back.currentPalier(), 0);

        MontantePerso empty(QStringLiteral("e"));
        QCOMPARE(empty.computeMise(3, nullptr), 1);
    }

    void persoRecovery()
    {
        MontantePerso m = steps124(true);
        coup(m, false);
        coup(m, false);
        QVERIFY(!m.inRecovery());
        coup(m, false); // 1 + 2 + 4 = 7 lost on the last step
        QVERIFY(m.inRecovery());
        QCOMPARE(m.deficitRecups(), (QList<int>{3, 3, 3}));
        QCOMPARE(m.currentNbLossRecup(), 1);
        QCOMPARE(m.deficit(), 0);
        // Each part is won back in one win of the smallest stake: 36 m >= 3 + m.
        QCOMPARE(m.computeMise(1, nullptr), 1);
        coup(m, true);
        QCOMPARE(m.currentDeficitRecupIdx(), 1);
        coup(m, true);
        QVERIFY(m.inRecovery());
        coup(m, true);
        QVERIFY(!m.inRecovery());
        QCOMPARE(m.currentPalier(), 0);
    }

    void persoRecoveryMergesAfterLosses()
    {
        // Even money, parts of 3: two losses in a part spread what is left over the parts again.
        MontantePerso m(QStringLiteral("cs"));
        m.setPayout(2);
        m.setSteps({1, 2});
        m.setRecupEnabled(true);
        m.setNbToursMontante(2);
        m.reset();
        coup(m, false);
        coup(m, false); // 3 lost on the last step: parts 2, 2, 2
        QVERIFY(m.inRecovery());
        QCOMPARE(m.deficitRecups(), (QList<int>{2, 2, 2}));
        QCOMPARE(m.computeMise(1, nullptr), 2); // 2 m >= 2 + m
        coup(m, true);                          // first part won back
        QCOMPARE(m.currentDeficitRecupIdx(), 1);
        QCOMPARE(coup(m, false), 2); // lost 2 inside the second part
        QCOMPARE(m.currentDeficitRecup(), 2);
        QCOMPARE(m.computeMise(1, nullptr), 4); // 2 m >= 2 + 2 + m
        coup(m, false);                         // second loss in a row: merge
        // 2 + 4 lost plus the parts 2 and 2 still due = 10, spread as 10 / 3 + 1.
        QCOMPARE(m.deficitRecups(), (QList<int>{4, 4, 4}));
        QCOMPARE(m.currentDeficitRecupIdx(), 0);
        QCOMPARE(m.currentNbLossRecup(), 2);
        QCOMPARE(detail(m, QStringLiteral("deficitRecups")).toString(), QStringLiteral("4,4,4"));
        QCOMPARE(detail(m, QStringLiteral("modeRecup")).toBool(), true);
    }

    void persoRecomputeAfterWins()
    {
        MontantePerso m(QStringLiteral("r"));
        m.setPayout(2);
        m.setSteps({9});
        m.setRecupEnabled(true);
        m.setRecupRecompute(true);
        m.setNbWinRecalcul(2);
        m.reset();
        coup(m, false); // 9 lost on the only step: parts 9 / 3 + 1
        QVERIFY(m.inRecovery());
        QCOMPARE(m.deficitRecups(), (QList<int>{4, 4, 4}));
        coup(m, true);
        QCOMPARE(m.currentDeficitRecupIdx(), 1);
        coup(m, true); // two parts won: the one left (4) is spread over three parts again
        QCOMPARE(m.currentDeficitRecupIdx(), 0);
        QCOMPARE(m.deficitRecups(), (QList<int>{2, 2, 2}));
        QVERIFY(m.inRecovery());
    }

    void persoParameters()
    {
        MontantePerso m(QStringLiteral("x"));
        m.setParameters({NoxMethodParameter::named(QStringLiteral("name"), QStringLiteral("Été")),
                         NoxMethodParameter::named(QStringLiteral("steps"), QStringLiteral("1, 2,x,5")),
                         NoxMethodParameter::named(QStringLiteral("nbPaliersBack"), -2),
                         NoxMethodParameter::named(QStringLiteral("recupEnabled"), true),
                         NoxMethodParameter::named(QStringLiteral("recupLossDivider"), 0),
                         NoxMethodParameter::named(QStringLiteral("nbToursMontante"), QStringLiteral("9")),
                         NoxMethodParameter::named(QStringLiteral("unknown"), 3)});
        QCOMPARE(m.name(), QStringLiteral("Été"));
        QCOMPARE(m.steps(), (QList<int>{1, 2, 5}));
        QCOMPARE(m.nbPaliersBack(), -2);
        QVERIFY(m.recupEnabled());
        QCOMPARE(m.recupLossDivider(), 1);
        QCOMPARE(m.deficitRecups().size(), 1);
        QCOMPARE(m.nbToursMontante(), 4); // a string is not an int
        m.setParameters({NoxMethodParameter::named(QStringLiteral("recupLossDivider"), 250)});
        QCOMPARE(m.recupLossDivider(), 100);

        NoxMethodParameterList parameters;
        m.getParameters(parameters);
        QCOMPARE(parameters.size(), 9);
        QCOMPARE(parameters.at(1).value.toString(), QStringLiteral("1,2,5"));
        MontantePerso copy;
        copy.setParameters(parameters);
        NoxMethodParameterList again;
        copy.getParameters(again);
        QCOMPARE(again, parameters);
        NoxMethodParameterList details;
        m.getDetails(details);
        QCOMPARE(details.size(), 22);
        QCOMPARE(details.at(20).name, QStringLiteral("mise"));

        // Names are what the library can store: Latin-1, 127 characters at most.
        m.setParameters({NoxMethodParameter::named(QStringLiteral("name"), QString(200, QLatin1Char('n')))});
        QCOMPARE(m.name().size(), 127);
    }
};

QTEST_GUILESS_MAIN(TestMontantes)
#include "tst_montantes.moc"
