#include "core/noxmethod.h"
#include "core/noxmethodmetrics.h"
#include "core/noxmethodstate.h"
#include "engine/noxengine.h"
#include "methods/methodeauto.h"
#include "methods/noxmethodfilterbyactive.h"
#include "methods/noxmethodsortbyecartmoyen.h"
#include "methods/noxmethodsortbyindex.h"
#include "methods/noxmethodsortbyname.h"
#include "methods/noxmethodsortbyquickmode.h"
#include "methods/noxmethodsortbyscore.h"
#include "methods/noxmethodsortbyscorepastillesvertes.h"
#include "methods/noxmethodsortbyscoreratioct.h"
#include "methods/noxmethodsortdefault.h"
#include "methods/noxmethodsortfactory.h"
#include "testsupport.h"

#include <QRandomGenerator>
#include <QtTest>

#include <algorithm>

using namespace Nox;
using NoxTest::fixedState;

namespace {

NoxMethodState *plein(NoxEngine &engine, const QString &name, NoxMethodSubType subtype, NoxBetItemID item)
{
    NoxMethodState *s = fixedState(name, NoxMethodType::plein, {item}, subtype);
    engine.addMethodState(s);
    return s;
}

QStringList namesSorted(QList<NoxMethodState *> states, const NoxMethodFilter &filter, bool descending)
{
    std::stable_sort(states.begin(), states.end(), [&](const NoxMethodState *a, const NoxMethodState *b) {
        const int c = filter.compare(a, b);
        return descending ? c > 0 : c < 0;
    });
    QStringList names;
    for (const NoxMethodState *s : states) {
        names << s->method()->name();
    }
    return names;
}

} // namespace

class TestSorting : public QObject
{
    Q_OBJECT

private slots:
    void factoryCoversTheSortTypes()
    {
        for (int type = -3; type <= 23; ++type) {
            const auto filter = NoxMethodSortFactory::create(type);
            QCOMPARE(filter != nullptr, type >= -1 && type <= 21);
        }
        QVERIFY(dynamic_cast<NoxMethodSortByIndex *>(NoxMethodSortFactory::create(-1).get()));
        QVERIFY(dynamic_cast<NoxMethodSortByIndex *>(NoxMethodSortFactory::create(1).get()));
        QVERIFY(dynamic_cast<NoxMethodSortByName *>(NoxMethodSortFactory::create(0).get()));
        const auto smart = NoxMethodSortFactory::create(QuickModeSmart);
        auto *pastilles = dynamic_cast<NoxMethodSortByScore *>(smart.get());
        QVERIFY(pastilles && pastilles->quickFirst() && !pastilles->automaticFirst());
        for (int type = Score; type <= ScoreRatioCt; ++type) {
            auto filter = NoxMethodSortFactory::create(type);
            auto *score = dynamic_cast<NoxMethodSortByScore *>(filter.get());
            QVERIFY(score && !score->quickFirst() && score->automaticFirst());
            QVERIFY(NoxMethodSortFactory::isDescending(type));
        }
        QVERIFY(NoxMethodSortFactory::isDescending(Default));
        QVERIFY(!NoxMethodSortFactory::isDescending(QuickMode));
        QVERIFY(!NoxMethodSortFactory::isDescending(Name));

        const auto labels = NoxMethodSortFactory::labels();
        QCOMPARE(labels.size(), 19);
        QCOMPARE(labels.first(), qMakePair(QStringLiteral("Nom"), 0));
        QCOMPARE(labels.at(17), qMakePair(QStringLiteral("Score Jaune"), 21));
        QCOMPARE(labels.last(), qMakePair(QStringLiteral("Score Ratio"), 17));
        QCOMPARE(
            std::count_if(labels.begin(), labels.end(), [](const auto &l) { return l.first == u"Score EM"; }),
            2);
    }

    void defaultAndQuickOrders()
    {
        NoxEngine engine(false);
        plein(engine, QStringLiteral("chance"), NoxMethodSubType::bluecs6, NoxBetItemID::CS_R);
        plein(engine, QStringLiteral("zeta"), NoxMethodSubType::yellow3, NoxBetItemID::N1);
        plein(engine, QStringLiteral("Alpha"), NoxMethodSubType::yellow3, NoxBetItemID::N2);
        plein(engine, QStringLiteral("white"), NoxMethodSubType::whiteplein0, NoxBetItemID::N3);
        plein(engine, QStringLiteral("tie"), NoxMethodSubType::none, NoxBetItemID::N4);
        plein(engine, QStringLiteral("player"), NoxMethodSubType::player12, NoxBetItemID::N5);
        plein(engine, QStringLiteral("banker"), NoxMethodSubType::banker13, NoxBetItemID::N6);
        engine.addMethodState(new NoxMethodState(new MethodeAuto(QStringLiteral("auto"), Score, false, 0)));
        const QList<NoxMethodState *> states = engine.methodStates();

        QCOMPARE(namesSorted(states, NoxMethodSortDefault(), true),
                 (QStringList{QStringLiteral("auto"), QStringLiteral("banker"), QStringLiteral("player"),
                              QStringLiteral("tie"), QStringLiteral("white"), QStringLiteral("Alpha"),
                              QStringLiteral("zeta"), QStringLiteral("chance")}));

        states.at(2)->method()->setQuickModeRank(1);
        states.at(6)->method()->setQuickModeRank(0);
        const QStringList quick = namesSorted(states, NoxMethodSortByQuickMode(), false);
        QCOMPARE(quick.mid(0, 2), (QStringList{QStringLiteral("banker"), QStringLiteral("Alpha")}));
        QCOMPARE(quick.size(), 8);

        QCOMPARE(namesSorted(states, NoxMethodSortByName(), false).first(), QStringLiteral("Alpha"));
        QCOMPARE(namesSorted(states, NoxMethodSortByIndex(), false).last(), QStringLiteral("auto"));
        QVERIFY(NoxMethodSortByIndex().compare(nullptr, states.first()) < 0);

        engine.setMethodActive(3, true);
        NoxMethodFilterByActive active;
        QVERIFY(active.accept(states.at(3)));
        QVERIFY(!active.accept(states.at(4)));
        QVERIFY(!active.accept(nullptr));
    }

    // Two methods of one subtype are ordered by name, case-insensitively, as QString compares
    // them (ASCII names take a shortcut, any other character does not).
    void sameSubtypeOrdersByName()
    {
        const QStringList names{
            QStringLiteral("Figure 1"), QStringLiteral("figure 1"), QStringLiteral("Figure 10"),
            QStringLiteral("Figure 2"), QStringLiteral("FIGURE"),   QStringLiteral(""),
            QStringLiteral("Z"),        QStringLiteral("a"),        QStringLiteral("_x"),
            QStringLiteral("[x"),       QStringLiteral("Écart"),    QStringLiteral("écart 2"),
            QStringLiteral("Ecart"),    QStringLiteral("ecart é"),  QStringLiteral("Straße"),
            QStringLiteral("STRASSE")};
        QList<std::shared_ptr<NoxMethodState>> states;
        for (const QString &name : names) {
            states.append(std::shared_ptr<NoxMethodState>(
                fixedState(name, NoxMethodType::plein, {NoxBetItemID::N1}, NoxMethodSubType::whiteplein0)));
        }
        const NoxMethodSortDefault order;
        for (const auto &a : states) {
            for (const auto &b : states) {
                const int expected = a->method()->name().compare(b->method()->name(), Qt::CaseInsensitive);
                const int sign = (expected > 0) - (expected < 0);
                QCOMPARE(order.compare(a.get(), b.get()), -sign);
            }
        }
    }

    void scoreOrderings()
    {
        NoxEngine engine(false);
        NoxMethodState *alpha =
            plein(engine, QStringLiteral("Alpha"), NoxMethodSubType::yellow3, NoxBetItemID::N1);
        NoxMethodState *beta =
            plein(engine, QStringLiteral("beta"), NoxMethodSubType::yellow3, NoxBetItemID::N1);
        NoxMethodState *automatic =
            new NoxMethodState(new MethodeAuto(QStringLiteral("auto"), Score, false, 0));
        engine.addMethodState(automatic);
        engine.restart(true, true);
        for (int v : {5, 1, 5}) {
            engine.playValueInternal(v, true);
        }
        // Equal scores keep the default order: A to Z when applied descending.
        const NoxMethodSortByEcartMoyen em;
        QCOMPARE(em.score(alpha), em.score(beta));
        QVERIFY(em.compare(alpha, beta) > 0);
        // Automatic methods first, whatever the scores.
        const NoxMethodSortByScore total;
        QVERIFY(total.compare(automatic, alpha) > 0);
        QVERIFY(total.compare(beta, automatic) < 0);

        // Ecart equals ecart max (1): the 2000 bonus only with the signal on.
        QCOMPARE(alpha->ecart(), 1);
        QCOMPARE(alpha->ecartMax(), 1);
        const NoxMethodSortByScoreRatioCt ratio;
        const double off = ratio.score(alpha);
        QCOMPARE(off, NoxMethodMetrics(*alpha).ratioScore());
        NoxEngineConfig config = engine.config();
        config.signalEcartMax = true;
        engine.setConfig(config);
        QCOMPARE(ratio.score(alpha) - off, 2000.0);
        QCOMPARE(em.score(alpha), 100.0 - alpha->ecartMoyen() + 2000.0);

        // The notification bonus once the gap reaches the threshold.
        engine.setMethodUseNotif(1, true);
        engine.setMethodEcartNotif(1, 1);
        QCOMPARE(NoxMethodMetrics(*beta).notificationBonus(), 10000.0);
        engine.setMethodEcartNotif(1, 2);
        QCOMPARE(NoxMethodMetrics(*beta).notificationBonus(), 0.0);
    }

    // Candidates that score the same are told apart by the default order, at every coup and
    // after methods are renamed under the automatic one.
    void equalScoresFollowTheDefaultOrder()
    {
        NoxEngine engine(false);
        engine.setSingleThreaded(true);
        NoxMethodState *beta =
            plein(engine, QStringLiteral("beta"), NoxMethodSubType::yellow3, NoxBetItemID::N1);
        NoxMethodState *alpha =
            plein(engine, QStringLiteral("Alpha"), NoxMethodSubType::yellow3, NoxBetItemID::N1);
        NoxMethodState *gamma =
            plein(engine, QStringLiteral("gamma"), NoxMethodSubType::yellow3, NoxBetItemID::N1);
        auto *method = new MethodeAuto(QStringLiteral("auto"), Score, false, 0);
        engine.addMethodState(new NoxMethodState(method));
        engine.restart(true, true);
        const auto chosen = [&] {
            const int index = method->currentChoice();
            return index < 0 ? QString() : engine.methodStates().at(index)->method()->name();
        };
        const auto play = [&](int value) {
            engine.playValueInternal(value, true);
            const NoxMethodSortByScore total;
            QCOMPARE(total.score(alpha), total.score(beta));
            QCOMPARE(total.score(beta), total.score(gamma));
        };
        for (int v : {5, 1, 7}) {
            play(v);
            QCOMPARE(chosen(), QStringLiteral("Alpha"));
        }
        // Each rename, then a coup: who the equal scores choose. From the fourth on, a quick
        // rank no ordering gives (below -1) has equal scores compared one by one.
        const struct {
            NoxMethodState *renamed;
            const char *name;
            const char *expected;
        } renames[] = {{alpha, "zeta", "beta"},
                       {beta, "zz", "gamma"},
                       {gamma, "ZZZ", "zeta"},
                       {alpha, "Alpha", "Alpha"},
                       {beta, "A", "A"}};
        int value = 2;
        for (const auto &step : renames) {
            if (step.renamed == alpha && value > 4) {
                method->setQuickModeRank(-5);
            }
            step.renamed->method()->setName(QString::fromLatin1(step.name));
            play(value++);
            QCOMPARE(chosen(), QString::fromLatin1(step.expected));
        }
    }

    void scoreFormulasOnPlayedHistories()
    {
        // On real histories, the orderings built on other metrics add exactly their bonuses.
        NoxEngine engine(true);
        engine.loadMethods();
        QRandomGenerator rng(42);
        const NoxMethodSortByScorePastillesVertes bleu;
        bool sawOnePastille = false;
        bool sawViseur = false;
        for (int coup = 0; coup < 300; ++coup) {
            const int r = int(rng.bounded(100));
            engine.playValueInternal(r < 10 ? 0 : (r < 55 ? 1 : 2), true);
            for (int i = 0; i < 67; ++i) {
                const NoxMethodState *s = engine.methodState(i);
                const NoxMethodMetrics m(*s);
                const int p = m.pastilles();
                sawOnePastille = sawOnePastille || p == 1;
                QCOMPARE(bleu.score(s), m.scoreCt() + m.ecartMaxBonus() + (p > 0 ? 1000.0 : 0.0));
                QVERIFY(p <= m.winBlocks());
                QVERIFY(m.fire() <= m.winBlocks());
                // A step's view walks the viseur's records when asked, to the same figure.
                const double viseur = NoxMethodMetrics(*s, NoxMethodMetrics::Scope::Step).viseur();
                QCOMPARE(viseur, m.viseur());
                sawViseur = sawViseur || viseur >= 100.0;
            }
        }
        QVERIFY(sawOnePastille);
        QVERIFY(sawViseur);
    }
};

QTEST_GUILESS_MAIN(TestSorting)
#include "tst_sorting.moc"
