#include "core/noxmethod.h"
#include "core/noxmethodstate.h"
#include "core/noxsnapshotcontext.h"
#include "core/noxstatisticsprofile.h"
#include "core/noxstepmetrics.h"
#include "engine/noxengine.h"
#include "methods/methodeauto.h"
#include "methods/methodecshawksrn.h"
#include "methods/methodecsinvhawksrn.h"
#include "methods/methodecsinvmirpi.h"
#include "methods/methodecsmirmp.h"
#include "methods/methodecsreversecouleur.h"
#include "methods/methodpattern.h"
#include "methods/noxfactory.h"
#include "methods/noxmethodsortbyecartmoyen.h"
#include "methods/noxmethodsortbyquickmode.h"
#include "testsupport.h"

#include <QRandomGenerator>
#include <QtTest>

#include <algorithm>
#include <memory>
#include <vector>

using namespace Nox;
using NoxTest::fixedState;

namespace {

enum Baccarat { Tie = 0, Player = 1, Banker = 2 };

int indexOf(const NoxEngine &engine, const QString &name)
{
    for (const NoxMethodState *s : engine.methodStates()) {
        if (s->method()->name() == name) {
            return s->method()->index();
        }
    }
    return -1;
}

QList<NoxBetItemID> proposal(const NoxEngine &engine, const QString &name)
{
    return engine.methodState(indexOf(engine, name))->proposal().items;
}

void play(NoxEngine &engine, const QList<int> &values)
{
    for (int v : values) {
        engine.playValueInternal(v, true);
    }
}

// A state of a method under test, added to a roulette engine.
NoxMethodState *addMethod(NoxEngine &engine, NoxMethod *method)
{
    auto *state = new NoxMethodState(method);
    state->setNumberMode(false);
    engine.addMethodState(state);
    return state;
}

} // namespace

class TestBaccaratMethods : public QObject
{
    Q_OBJECT

private slots:
    void catalogueOrderAndDefaults()
    {
        NoxEngine engine(true);
        engine.loadMethods();
        const QList<NoxMethodState *> states = engine.methodStates();
        QCOMPARE(states.size(), 78);
        const QStringList expected{QStringLiteral("BANKER"), QStringLiteral("PLAYER"), QStringLiteral("TIE"),
                                   QStringLiteral("Figure 01")};
        for (int i = 0; i < expected.size(); ++i) {
            QCOMPARE(states.at(i)->method()->name(), expected.at(i));
            QCOMPARE(states.at(i)->method()->index(), i);
        }
        QCOMPARE(states.at(66)->method()->name(), QStringLiteral("Figure 64"));
        const QStringList tail{
            QStringLiteral("AUTO Tendance"), QStringLiteral("AUTO Top"),   QStringLiteral("AUTO Ratio"),
            QStringLiteral("H(P/B)"),        QStringLiteral("Inv H(P/B)"), QStringLiteral("M(P/B)"),
            QStringLiteral("Inv M(P/B)"),    QStringLiteral("AUTO Hawks"), QStringLiteral("AUTO Miroir"),
            QStringLiteral("AUTO Figure"),   QStringLiteral("AUTO Mix")};
        for (int i = 0; i < tail.size(); ++i) {
            QCOMPARE(states.at(67 + i)->method()->name(), tail.at(i));
        }

        for (const NoxMethodState *s : states) {
            const NoxMethod *m = s->method();
            const bool automatic = m->type() == NoxMethodType::automatic;
            QCOMPARE(bool(s->playModeFlags() & NoxMethodState::NormalList), !automatic);
            QVERIFY(!s->numberMode());
            QVERIFY(!s->zeroOption());
            QCOMPARE(s->tendencyOffset(), -40.0);
            QCOMPARE(s->profile(),
                     m->name() == u"TIE" ? &NoxStatisticsProfile::tie() : &NoxStatisticsProfile::baccarat());
            QCOMPARE(s->ecartNotif(), automatic ? 8 : 6);
            const bool side = m->index() < 3;
            QCOMPARE(s->nbBlockDom(), side ? 2 : 3);
            QCOMPARE(m->blockPercentage(), side ? 90 : 85);
        }
        QCOMPARE(engine.methodState(0)->method()->subtype(), NoxMethodSubType::banker13);
        QCOMPARE(engine.methodState(2)->method()->type(), NoxMethodType::plein);
        QCOMPARE(engine.methodState(70)->method()->subtype(), NoxMethodSubType::yellow3);

        // Quick mode, in rank order.
        QList<NoxMethodState *> quick;
        std::copy_if(states.begin(), states.end(), std::back_inserter(quick), [](const NoxMethodState *s) {
            return (s->playModeFlags() & NoxMethodState::QuickList) && s->method()->quickModeRank() >= 0;
        });
        const NoxMethodSortByQuickMode byRank;
        std::sort(quick.begin(), quick.end(),
                  [&](const NoxMethodState *a, const NoxMethodState *b) { return byRank.compare(a, b) < 0; });
        QStringList names;
        for (const NoxMethodState *s : quick) {
            names << s->method()->name();
        }
        QCOMPARE(names, (QStringList{QStringLiteral("PLAYER"), QStringLiteral("BANKER"),
                                     QStringLiteral("AUTO Hawks"), QStringLiteral("AUTO Miroir"),
                                     QStringLiteral("AUTO Figure"), QStringLiteral("AUTO Mix")}));
    }

    /// "Jouer l'égalité" stakes the tie in Quick mode as in Pro mode: it plays in the quick
    /// mode without a rank, so it is not one of the quick list's methods. The split view plays
    /// only the methods put there.
    void tieIsStakedInQuickModeToo()
    {
        NoxEngine engine(true);
        engine.loadMethods();
        engine.registerBuiltinMontantes();
        engine.restart(true, true);
        NoxMethodState *tie = engine.methodState(2);
        QCOMPARE(tie->method()->name(), QStringLiteral("TIE"));
        engine.setMethodActive(2, true);

        const auto tieStake = [&engine](bool quick, bool split) {
            NoxEngineConfig c = engine.config();
            c.playQuick = quick;
            c.playSplit = split;
            engine.setConfig(c);
            for (const NoxBet &bet : engine.computeBets(-1, false)) {
                if (bet.id == NoxBetItemID::B_TIE) {
                    return bet.bet;
                }
            }
            return 0;
        };
        const auto pro = tieStake(false, false);
        QVERIFY(pro > 0);
        QCOMPARE(tieStake(true, false), pro);
        QCOMPARE(tieStake(false, true), 0);
        engine.setMethodActive(2, false);
        QCOMPARE(tieStake(true, false), 0);
        QVERIFY(tie->playModeFlags() & NoxMethodState::QuickList);
        QCOMPARE(tie->method()->quickModeRank(), -1);
    }

    void candidateSetsAreSnapshots()
    {
        NoxEngine engine(true);
        engine.loadMethods();
        const auto candidates = [&](int index) {
            return static_cast<const MethodeAuto *>(engine.methodState(index)->method())->candidateIndexes();
        };
        QCOMPARE(candidates(74), (QSet<int>{70, 71}));
        QCOMPARE(candidates(75), (QSet<int>{72, 73}));
        QCOMPARE(candidates(77), (QSet<int>{67, 68, 69}));
        QSet<int> figures;
        for (int i = 3; i <= 66; ++i) {
            figures.insert(i);
        }
        QCOMPARE(candidates(76), figures);
        QVERIFY(candidates(67).isEmpty());

        // A user method added later joins no set and survives a reload, at the front.
        engine.addMethodState(fixedState(QStringLiteral("Mine"), NoxMethodType::cs, {NoxBetItemID::B_PLAYER},
                                         NoxMethodSubType::purpleperso4));
        engine.setMethodEcartNotif(78, 11);
        QCOMPARE(candidates(74), (QSet<int>{70, 71}));
        engine.loadMethods();
        QCOMPARE(engine.methodStates().size(), 79);
        QCOMPARE(engine.methodState(0)->method()->name(), QStringLiteral("Mine"));
        QCOMPARE(engine.methodState(0)->ecartNotif(), 11);
        QCOMPARE(engine.methodState(1)->method()->name(), QStringLiteral("BANKER"));
        QCOMPARE(candidates(75), (QSet<int>{71, 72}));
    }

    void hawksAndMirror()
    {
        NoxEngine engine(true);
        engine.loadMethods();
        play(engine, {Player});
        QCOMPARE(proposal(engine, QStringLiteral("H(P/B)")), QList<NoxBetItemID>{NoxBetItemID::B_BANKER});
        QCOMPARE(proposal(engine, QStringLiteral("Inv H(P/B)")), QList<NoxBetItemID>{NoxBetItemID::B_PLAYER});
        play(engine, {Tie});
        QVERIFY(proposal(engine, QStringLiteral("H(P/B)")).isEmpty());
        QVERIFY(proposal(engine, QStringLiteral("Inv H(P/B)")).isEmpty());

        engine.restart(true, true);
        play(engine, {Banker, Player, Player, Player, Player, Player, Player, Player, Player});
        QVERIFY(proposal(engine, QStringLiteral("M(P/B)")).isEmpty());
        play(engine, {Player});
        // Ten values: the first one (banker) is the reference.
        QCOMPARE(proposal(engine, QStringLiteral("M(P/B)")), QList<NoxBetItemID>{NoxBetItemID::B_PLAYER});
        QCOMPARE(proposal(engine, QStringLiteral("Inv M(P/B)")), QList<NoxBetItemID>{NoxBetItemID::B_BANKER});
    }

    void rouletteTwoChances()
    {
        NoxEngine engine(false);
        NoxMethodState *hawks = addMethod(engine, new MethodeCSHawksRN(QStringLiteral("h"), 1, false));
        NoxMethodState *inv = addMethod(engine, new MethodeCSInvHawksRN(QStringLiteral("i")));
        NoxMethodState *mp = addMethod(engine, new MethodeCSMirMP(QStringLiteral("m")));
        NoxMethodState *pi = addMethod(engine, new MethodeCSInvMirPI(QStringLiteral("p")));
        engine.restart(true, true);
        play(engine, {0});
        QVERIFY(hawks->proposal().items.isEmpty());
        play(engine, {32});
        QCOMPARE(hawks->proposal().items, QList<NoxBetItemID>{NoxBetItemID::CS_N});
        QCOMPARE(inv->proposal().items, QList<NoxBetItemID>{NoxBetItemID::CS_R});
        QVERIFY(mp->proposal().items.isEmpty());
        // Ten coups back is 0 until the eleventh value.
        play(engine, {1, 2, 3, 4, 5, 6, 7, 8});
        QVERIFY(mp->proposal().items.isEmpty());
        play(engine, {9});
        QCOMPARE(mp->proposal().items, QList<NoxBetItemID>{NoxBetItemID::CS_1_18}); // 32 is passe
        QCOMPARE(pi->proposal().items, QList<NoxBetItemID>{NoxBetItemID::CS_P});    // 32 is pair
    }

    void figures()
    {
        QCOMPARE(MethodPattern::figure(1), (std::array<int, 6>{1, 1, 1, 1, 1, 1}));
        QCOMPARE(MethodPattern::figure(2), (std::array<int, 6>{1, 1, 1, 1, 1, 2}));
        QCOMPARE(MethodPattern::figure(64), (std::array<int, 6>{2, 2, 2, 2, 2, 2}));
        QCOMPARE(MethodPattern(QStringLiteral("x"), MethodPattern::figure(3)).patternText(),
                 QStringLiteral("111121"));

        NoxEngine engine(true);
        engine.loadMethods();
        const QString f2 = QStringLiteral("Figure 02");
        QCOMPARE(proposal(engine, f2), QList<NoxBetItemID>{NoxBetItemID::B_PLAYER});
        play(engine, {Banker, Banker, Banker}); // three losses: element 3
        QCOMPARE(proposal(engine, f2), QList<NoxBetItemID>{NoxBetItemID::B_PLAYER});
        play(engine, {Tie});
        QCOMPARE(static_cast<const MethodPattern *>(engine.methodState(4)->method())->position(), 3);
        play(engine, {Banker, Banker}); // five losses: element 5
        QCOMPARE(proposal(engine, f2), QList<NoxBetItemID>{NoxBetItemID::B_BANKER});
        play(engine, {Banker}); // the banker bet wins: back to the start
        QCOMPARE(proposal(engine, f2), QList<NoxBetItemID>{NoxBetItemID::B_PLAYER});
        QCOMPARE(static_cast<const MethodPattern *>(engine.methodState(4)->method())->position(), 0);
    }

    void colourReversal()
    {
        NoxEngine engine(false);
        NoxMethodState *s = addMethod(engine, new MethodeCSReverseCouleur(QStringLiteral("r")));
        engine.restart(true, true);
        play(engine, {1}); // red, not a trigger
        QVERIFY(s->proposal().items.isEmpty());
        play(engine, {12}); // red trigger, reverse mode: the other colour
        QCOMPARE(s->proposal().items, QList<NoxBetItemID>{NoxBetItemID::CS_N});
        play(engine, {3});
        QCOMPARE(s->proposal().items, QList<NoxBetItemID>{NoxBetItemID::CS_N});
        play(engine, {5}); // two bets at most
        QVERIFY(s->proposal().items.isEmpty());

        // A win ends the cycle's betting.
        engine.restart(true, true);
        play(engine, {12, 2});
        QVERIFY(s->proposal().items.isEmpty());
    }

    void automaticChoices()
    {
        NoxEngine engine(true);
        engine.loadMethods();
        for (int i = 67; i < 78; ++i) {
            if (engine.methodState(i)->method()->type() == NoxMethodType::automatic) {
                QVERIFY(engine.methodState(i)->proposal().items.isEmpty());
            }
        }
        // AUTO Top only looks at shown methods: hide all but Figure 10.
        const int figure10 = indexOf(engine, QStringLiteral("Figure 10"));
        for (int i = 0; i < 67; ++i) {
            engine.setMethodPlayMode(i, NoxMethodState::NormalList, i == figure10);
        }
        for (int i = 70; i < 74; ++i) {
            engine.setMethodPlayMode(i, NoxMethodState::NormalList, false);
        }
        QRandomGenerator rng(7);
        for (int i = 0; i < 40; ++i) {
            play(engine, {int(rng.bounded(3))});
            const auto *top = static_cast<const MethodeAuto *>(engine.methodState(68)->method());
            QVERIFY(top->currentChoice() == figure10 || top->currentChoice() == -1);
            const int figure =
                static_cast<const MethodeAuto *>(engine.methodState(76)->method())->currentChoice();
            QVERIFY2(figure >= 3 && figure <= 66, qPrintable(QString::number(figure)));
            const int hawks =
                static_cast<const MethodeAuto *>(engine.methodState(74)->method())->currentChoice();
            QVERIFY(hawks == 70 || hawks == 71);
            // An automatic method plays what its choice proposes.
            QCOMPARE(engine.methodState(76)->proposal().items, engine.methodState(figure)->proposal().items);
        }
        // The ratio marks follow AUTO Ratio's choice.
        const int ratio = static_cast<const MethodeAuto *>(engine.methodState(69)->method())->currentChoice();
        QVERIFY(ratio >= 0);
        int marked = 0;
        for (const NoxMethodState *s : engine.methodStates()) {
            marked += s->ratioSignalFlag() ? 1 : 0;
        }
        QVERIFY(engine.methodState(ratio)->ratioSignalFlag());
        QCOMPARE(marked, 1);
    }

    // During a coup the automatic methods score the metrics taken once for the whole coup;
    // asking every state afterwards must give the very same choices.
    void sharedMetricsChooseAsTheStates()
    {
        NoxEngine engine(true);
        engine.loadMethods();
        engine.restart(true, true);
        QRandomGenerator rng(23);
        int compared = 0;
        for (int coup = 0; coup < 200; ++coup) {
            play(engine, {int(rng.bounded(3))});
            const QList<int> values = engine.playedValues();
            const QList<NoxMethodState *> states = engine.methodStates();
            for (NoxMethodState *s : states) {
                auto *automatic = dynamic_cast<MethodeAuto *>(s->method());
                if (!automatic) {
                    continue;
                }
                const int duringTheCoup = automatic->currentChoice();
                NoxSnapshotContext context(values, states, s, int(values.size()));
                QCOMPARE(context.stepMetrics(0), nullptr);
                s->refreshState(context);
                QCOMPARE(automatic->currentChoice(), duringTheCoup);
                compared += duringTheCoup >= 0 ? 1 : 0;
            }
        }
        QVERIFY(compared > 200);
    }

    // An automatic method keeps where it found its candidates from one coup to the next; the
    // list of states may change between coups (methods removed, added back elsewhere, moved, a
    // candidate that was missing appearing). Each coup, its choice is that of a new method of
    // the same kind, which finds everything afresh and reads the states without a step's views.
    void automaticChoiceFollowsListChanges_data()
    {
        QTest::addColumn<int>("sortType");
        QTest::addColumn<bool>("locking");
        QTest::addColumn<bool>("first");  // the automatic method stays in front of the others
        QTest::addColumn<bool>("absent"); // one candidate is never in the list
        QTest::newRow("ecart moyen, shared views") << int(EcartMoyen) << true << true << false;
        QTest::newRow("ecart moyen, step views") << int(EcartMoyen) << false << true << false;
        QTest::newRow("ecart moyen, one absent") << int(EcartMoyen) << false << true << true;
        QTest::newRow("score, step views, moving") << int(Score) << false << false << false;
        QTest::newRow("tendance plus, shared views") << int(ScoreTendancePlus) << true << true << true;
    }
    void automaticChoiceFollowsListChanges()
    {
        QFETCH(int, sortType);
        QFETCH(bool, locking);
        QFETCH(bool, first);
        QFETCH(bool, absent);
        std::vector<std::unique_ptr<NoxMethodState>> owned;
        QList<NoxMethodState *> pool;
        for (int k = 0; k < 9; ++k) {
            QList<NoxBetItemID> items;
            for (int n = 0; n <= k % 4; ++n) {
                items.append(NoxBetItemID(1 + (3 * k + 5 * n) % 36));
            }
            NoxMethodState *s = fixedState(QStringLiteral("M%1").arg(k), NoxMethodType::plein, items,
                                           NoxMethodSubType::whiteplein0);
            s->method()->setIndex(k);
            s->method()->mutex().setLocking(locking);
            owned.emplace_back(s);
            pool.append(s);
        }
        const auto type = NoxMethodSortType(sortType);
        QSet<int> candidates{1, 2, 4, 7, 8};
        if (absent) {
            candidates.insert(11);
        }
        auto *automatic = new MethodeAuto(QStringLiteral("auto"), type, false, 0);
        automatic->setIndex(20);
        automatic->setCandidateIndexes(candidates);
        owned.emplace_back(new NoxMethodState(automatic));
        NoxMethodState *autoState = owned.back().get();
        autoState->setNumberMode(false);
        automatic->mutex().setLocking(locking);

        QRandomGenerator rng(41);
        QList<int> values;
        QList<NoxMethodState *> states = pool.mid(0, 6);
        int chosen = 0;
        // One view serves every step, as in the engine: its entries are kept while the list
        // stays as it was.
        NoxStepMetrics metrics;
        QList<NoxMethodState *> step;
        for (int coup = 0; coup < 400; ++coup) {
            const QList<NoxMethodState *> previous = step;
            // Every 7 coups the list changes: a state leaves, one comes back at a random
            // place, or two swap.
            if (coup % 7 == 6) {
                const int change = int(rng.bounded(3));
                if (change == 0 && states.size() > 3) {
                    states.removeAt(rng.bounded(states.size()));
                } else if (change == 1) {
                    for (NoxMethodState *s : pool) {
                        if (!states.contains(s)) {
                            states.insert(rng.bounded(states.size() + 1), s);
                            break;
                        }
                    }
                } else {
                    states.swapItemsAt(rng.bounded(states.size()), rng.bounded(states.size()));
                }
            }
            step = states;
            step.insert(first ? 0 : rng.bounded(step.size() + 1), autoState);
            values.append(int(rng.bounded(37)));
            const int count = int(values.size());
            metrics.start(step, step == previous);
            for (NoxMethodState *s : step) {
                if (s != autoState) {
                    NoxSnapshotContext context(values, step, s, count);
                    s->processValue(values.last(), context);
                }
            }
            NoxSnapshotContext context(values, step, autoState, count);
            context.setStepMetrics(&metrics);
            autoState->processValue(values.last(), context);

            MethodeAuto fresh(QStringLiteral("fresh"), type, false, 0);
            fresh.setIndex(20);
            fresh.setCandidateIndexes(candidates);
            NoxSnapshotContext plain(values, step, autoState, count);
            fresh.process(plain);
            QCOMPARE(automatic->currentChoice(), fresh.currentChoice());
            QCOMPARE(automatic->itemsToPlay(), fresh.itemsToPlay());
            chosen += automatic->currentChoice() >= 0 ? 1 : 0;
            if (automatic->currentChoice() >= 0) {
                QVERIFY(candidates.contains(automatic->currentChoice()));
                QVERIFY(std::any_of(states.cbegin(), states.cend(), [&](const NoxMethodState *s) {
                    return s->method()->index() == automatic->currentChoice();
                }));
            }
        }
        QVERIFY(chosen > 300);
    }

    void stickyChoice()
    {
        NoxEngine engine(false);
        NoxMethodState *a = addMethod(
            engine, new NoxMethod(NoxMethodType::plein, NoxMethodSubType::whiteplein0, QStringLiteral("A")));
        a->method()->setProposal({NoxBetItemID::N1});
        NoxMethodState *b = addMethod(
            engine, new NoxMethod(NoxMethodType::plein, NoxMethodSubType::whiteplein0, QStringLiteral("B")));
        b->method()->setProposal({NoxBetItemID::N2});
        auto *method = new MethodeAuto(QStringLiteral("auto"), EcartMoyen, true, 0);
        method->setCandidateIndexes({0, 1});
        addMethod(engine, method);
        engine.restart(true, true);
        const NoxMethodSortByEcartMoyen scorer;

        // The notification bonus lifts A above 100.
        engine.setMethodUseNotif(0, true);
        engine.setMethodEcartNotif(0, 0);
        play(engine, {1}); // A wins
        QVERIFY(scorer.score(a) >= 100.0);
        QCOMPARE(method->currentChoice(), 0);

        // B now scores far higher, but A's gap is exactly 1: A is kept.
        engine.setMethodUseNotif(0, false);
        engine.setMethodUseNotif(1, true);
        engine.setMethodEcartNotif(1, 1);
        play(engine, {5});
        QVERIFY(scorer.score(b) > scorer.score(a));
        QCOMPARE(a->ecart(), 1);
        QCOMPARE(method->currentChoice(), 0);
        QCOMPARE(method->itemsToPlay(), QList<NoxBetItemID>{NoxBetItemID::N1});

        // Once A's gap is 2, the best under 100 is not taken.
        engine.setMethodUseNotif(1, false);
        play(engine, {5});
        QVERIFY(scorer.score(a) < 100.0 && scorer.score(b) < 100.0);
        QCOMPARE(method->currentChoice(), -1);
        QVERIFY(method->itemsToPlay().isEmpty());

        // Withdrawing results restores the earlier choices.
        engine.cancelPlay();
        QCOMPARE(method->currentChoice(), 0);
    }

    void unknownSortTypeFailsConstruction()
    {
        QVERIFY_THROWS_EXCEPTION(std::bad_alloc,
                                 MethodeAuto(QStringLiteral("x"), NoxMethodSortType(22), false, 0));
    }

    void numberListRejectsUnknownItems()
    {
        NoxEngine engine(false);
        NoxFactory factory(&engine, nullptr);
        QTest::ignoreMessage(QtWarningMsg, "Failed to load item 77");
        QVERIFY(!factory.numberListMethod(QStringLiteral("x"), {1, 77}, NoxMethodSubType::yellow3, -1));
        std::unique_ptr<NoxMethodState> ok(
            factory.numberListMethod(QStringLiteral("y"), {0, 32, 15}, NoxMethodSubType::yellow3, 32));
        QVERIFY(ok);
        QCOMPARE(ok->method()->coveredNumbers(), (QList<int>{0, 15, 32}));
        QCOMPARE(ok->method()->centerNumber(), 32);
        QVERIFY(ok->zeroOption());
    }
};

QTEST_GUILESS_MAIN(TestBaccaratMethods)
#include "tst_baccaratmethods.moc"
