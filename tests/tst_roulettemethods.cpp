// The roulette method families: proposals on short histories worked out by hand, zero handling,
// and the small rules of each family.

#include "core/noxmethod.h"
#include "core/noxmethodstate.h"
#include "engine/noxengine.h"
#include "methods/methodeassociation.h"
#include "methods/methodecolhot.h"
#include "methods/methodecolmir.h"
#include "methods/methodecolsuiv.h"
#include "methods/methodecross.h"
#include "methods/methodedouzhot.h"
#include "methods/methodedouzmir.h"
#include "methods/methodedouzsuiv.h"
#include "methods/methodedscavalier.h"
#include "methods/methodedssecteur.h"
#include "methods/methodeecarttr.h"
#include "methods/methodeespace.h"
#include "methods/methodeetoile.h"
#include "methods/methodegp.h"
#include "methods/methodelogs15.h"
#include "methods/methodelogs19.h"
#include "methods/methodeloidutiers.h"
#include "methods/methodemars.h"
#include "methods/methodemars2.h"
#include "methods/methodeminus.h"
#include "methods/methodemirs1s2.h"
#include "methods/methodemirt1t2.h"
#include "methods/methodenumerologie.h"
#include "methods/methodenumstries.h"
#include "methods/methodeomega.h"
#include "methods/methodeperpetuum.h"
#include "methods/methodeplus.h"
#include "methods/methodequartierstr.h"
#include "methods/methodesections.h"
#include "methods/methodesectionsplus.h"
#include "methods/methodesector.h"
#include "methods/methodesignature.h"
#include "methods/methodespeedwaysix.h"
#include "methods/methodesuiveuse.h"
#include "methods/methodesuiveuseplus.h"
#include "methods/methodesuiveusesix.h"
#include "methods/methodesuiveusetr.h"
#include "methods/methodetendancesecteur.h"
#include "methods/methodeterminaison.h"
#include "methods/methodethorp.h"
#include "methods/methodetop.h"
#include "methods/methodetriplette.h"
#include "methods/methodeultrads.h"
#include "methods/methodevoisin4.h"
#include "methods/methodevoisinsplus.h"
#include "methods/methodevoisinx.h"

#include <QtTest>

#include <memory>

using namespace Nox;
using Id = NoxBetItemID;

namespace {

/// One method under test in a roulette engine of its own.
class Bench
{
public:
    explicit Bench(NoxMethod *method, bool zeroOption = false)
        : m_engine(std::make_unique<NoxEngine>(false))
    {
        m_state = new NoxMethodState(method);
        m_state->setZeroOption(zeroOption);
        m_engine->addMethodState(m_state);
        m_engine->restart(true, true);
    }
    Bench &play(const QList<int> &values)
    {
        for (int v : values) {
            m_engine->playValueInternal(v, true).waitForFinished();
        }
        return *this;
    }
    Bench &restart()
    {
        m_engine->restart(false, true);
        return *this;
    }
    Bench &cancel()
    {
        m_engine->cancelPlay().waitForFinished();
        return *this;
    }
    [[nodiscard]] QList<int> items() const
    {
        QList<int> ids;
        for (Id id : m_state->proposal().items) {
            ids << int(id);
        }
        return ids;
    }
    [[nodiscard]] QList<int> sortedItems() const
    {
        QList<int> ids = items();
        std::sort(ids.begin(), ids.end());
        return ids;
    }
    [[nodiscard]] int centre() const { return m_state->proposal().centerNumber; }
    [[nodiscard]] NoxMethod *method() const { return m_state->method(); }

private:
    std::unique_ptr<NoxEngine> m_engine;
    NoxMethodState *m_state;
};

QList<int> ids(std::initializer_list<Id> items)
{
    QList<int> list;
    for (Id id : items) {
        list << int(id);
    }
    return list;
}

QList<int> range(int from, int to)
{
    QList<int> list;
    for (int n = from; n <= to; ++n) {
        list << n;
    }
    return list;
}

/// The row of 3 of "DS cavalier": its repeated 3 skipped, zero added.
QList<int> knightRow3()
{
    return {3, 4, 5, 8, 10, 11, 15, 19, 23, 26, 30, 32, 35, 36, 0};
}

QList<int> tenValues(int first)
{
    return QList<int>{first} + QList<int>(9, 1);
}

} // namespace

class TestRouletteMethods : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLoggingCategory::setFilterRules(QStringLiteral("nox.*.debug=false")); }

    // --- Group bets ---------------------------------------------------------------------------

    void mirrors()
    {
        // 5 is in the second column and the first dozen.
        QCOMPARE(Bench(new MethodeColMir(QStringLiteral("m"), false)).play(tenValues(5)).sortedItems(),
                 ids({Id::CL1, Id::CL3}));
        QCOMPARE(Bench(new MethodeColMir(QStringLiteral("m"), true)).play(tenValues(5)).items(),
                 ids({Id::CL2}));
        QVERIFY(Bench(new MethodeColMir(QStringLiteral("m"), false)).play(tenValues(0)).items().isEmpty());
        QVERIFY(Bench(new MethodeColMir(QStringLiteral("m"), true)).play(tenValues(0)).items().isEmpty());
        QVERIFY(
            Bench(new MethodeColMir(QStringLiteral("m"), false)).play(QList<int>(9, 5)).items().isEmpty());
        QCOMPARE(Bench(new MethodeDouzMir(QStringLiteral("m"), false)).play(tenValues(25)).items(),
                 ids({Id::DZ1, Id::DZ2}));
        QCOMPARE(Bench(new MethodeDouzMir(QStringLiteral("m"), true)).play(tenValues(25)).items(),
                 ids({Id::DZ3}));
        QCOMPARE(Bench(new MethodeMirS1S2(QStringLiteral("m"), false)).play(tenValues(3)).items(),
                 ids({Id::SX2, Id::SX4, Id::SX6}));
        QCOMPARE(Bench(new MethodeMirS1S2(QStringLiteral("m"), true)).play(tenValues(3)).items(),
                 ids({Id::SX1, Id::SX3, Id::SX5}));
        // 4 is in T2, the even group.
        QCOMPARE(Bench(new MethodeMirT1T2(QStringLiteral("m"), false)).play(tenValues(4)).items(),
                 ids({Id::T1, Id::T3, Id::T5, Id::T7, Id::T9, Id::T11}));
        QCOMPARE(Bench(new MethodeMirT1T2(QStringLiteral("m"), true)).play(tenValues(4)).items(),
                 ids({Id::T2, Id::T4, Id::T6, Id::T8, Id::T10, Id::T12}));
        // The mirror looks ten coups back, whatever came since.
        QCOMPARE(Bench(new MethodeColMir(QStringLiteral("m"), true))
                     .play({5, 7, 0, 0, 0, 0, 0, 0, 0, 0, 36})
                     .items(),
                 ids({Id::CL1}));
    }

    void followers()
    {
        QCOMPARE(Bench(new MethodeColSuiv(QStringLiteral("s"), false)).play({2, 4, 0, 7}).items(),
                 ids({Id::CL1, Id::CL2}));
        QCOMPARE(Bench(new MethodeColSuiv(QStringLiteral("s"), true)).play({2, 4, 0, 7}).items(),
                 ids({Id::CL2, Id::CL3}));
        QVERIFY(Bench(new MethodeColSuiv(QStringLiteral("s"), false)).play({0, 0, 0}).items().isEmpty());
        QVERIFY(Bench(new MethodeColSuiv(QStringLiteral("s"), true)).play({0, 0, 0}).items().isEmpty());
        QVERIFY(Bench(new MethodeColSuiv(QStringLiteral("s"), false)).play({7}).items().isEmpty());
        // All in one column: no second column to follow.
        QVERIFY(Bench(new MethodeColSuiv(QStringLiteral("s"), false)).play({1, 4, 0, 7}).items().isEmpty());
        QCOMPARE(Bench(new MethodeDouzSuiv(QStringLiteral("s"), false)).play({13, 14, 0, 5}).items(),
                 ids({Id::DZ1, Id::DZ2}));
        QCOMPARE(Bench(new MethodeDouzSuiv(QStringLiteral("s"), true)).play({13, 14, 0, 5}).items(),
                 ids({Id::DZ2, Id::DZ3}));
    }

    void quarters()
    {
        // 1 is in T1 (quarter 0), 4 in T2 (quarter 1).
        QCOMPARE(Bench(new MethodeQuartiersTr(QStringLiteral("q"), false)).play({1, 4}).items(),
                 ids({Id::T3, Id::T4, Id::T7, Id::T8, Id::T11, Id::T12}));
        QCOMPARE(Bench(new MethodeQuartiersTr(QStringLiteral("q"), true)).play({1, 4}).items(),
                 ids({Id::T1, Id::T2, Id::T5, Id::T6, Id::T9, Id::T10}));
        QVERIFY(Bench(new MethodeQuartiersTr(QStringLiteral("q"), false)).play({1, 13}).items().isEmpty());
        QVERIFY(Bench(new MethodeQuartiersTr(QStringLiteral("q"), false)).play({1, 0}).items().isEmpty());
        QVERIFY(Bench(new MethodeQuartiersTr(QStringLiteral("q"), false)).play({4}).items().isEmpty());
    }

    void hotColumn()
    {
        auto *hot = new MethodeColHot(QStringLiteral("h"), false);
        Bench bench(hot);
        bench.play({1, 4});
        QVERIFY(bench.items().isEmpty());
        // Columns of 2, 4, 1: 1, 0, 0 — the repeated one is played.
        bench.play({2});
        QCOMPARE(bench.items(), ids({Id::CL1}));
        QCOMPARE(hot->counter(), 3);
        bench.play({3}); // a loss uses one coup
        QCOMPARE(bench.items(), ids({Id::CL1}));
        QCOMPARE(hot->counter(), 2);
        bench.play({0}); // a zero gives the coup back
        QCOMPARE(hot->counter(), 2);
        QCOMPARE(bench.items(), ids({Id::CL1}));
        bench.play({7}); // a win ends the run; 7, 0, 3 holds a zero: no bet
        QCOMPARE(hot->counter(), 0);
        QVERIFY(bench.items().isEmpty());

        QCOMPARE(Bench(new MethodeColHot(QStringLiteral("h"), true)).play({1, 4, 2}).items(),
                 ids({Id::CL2, Id::CL3}));
        // Three in one column: one coup without bet, then a fresh look.
        Bench same(new MethodeColHot(QStringLiteral("h"), false));
        same.play({1, 4, 7});
        QVERIFY(same.items().isEmpty());
        same.play({2});
        QCOMPARE(same.items(), ids({Id::CL1}));
        // Last three 8, 4, 3: columns 1, 0, 2 all differ: the last one.
        QCOMPARE(Bench(new MethodeDouzHot(QStringLiteral("h"), false)).play({30, 14, 2}).items(),
                 ids({Id::DZ1}));
        QCOMPARE(Bench(new MethodeDouzHot(QStringLiteral("h"), false)).play({14, 30, 26}).items(),
                 ids({Id::DZ3}));
    }

    void hotDozenCountsWinsAgainstTheInverseFlag()
    {
        // Inverse: the counter stops when the dozen itself (the one not played) comes out.
        auto *hot = new MethodeDouzHot(QStringLiteral("h"), true);
        Bench bench(hot);
        bench.play({1, 2, 13});
        QCOMPARE(bench.items(), ids({Id::DZ2, Id::DZ3}));
        bench.play({25}); // the bet won: the run goes on
        QCOMPARE(hot->counter(), 2);
        bench.play({3}); // the dozen not played: the run stops, fresh look at 3, 25, 13
        QCOMPARE(bench.items(), ids({Id::DZ2, Id::DZ3}));
        QCOMPARE(hot->counter(), 3);
    }

    void transversaleCycles()
    {
        auto *ecart = new MethodeEcartTr(QStringLiteral("e"));
        Bench bench(ecart);
        bench.play({8});
        QCOMPARE(bench.items(), ids({Id::T3}));
        bench.play({1, 2});
        QCOMPARE(bench.items(), ids({Id::T3}));
        bench.play({3}); // T1 came out three times
        QCOMPARE(bench.items(), ids({Id::T1, Id::T3}));
        bench.play({9}); // T3 closes its cycle
        QCOMPARE(bench.items(), ids({Id::T1}));
        bench.play({0}); // zero: every played transversale waits one more coup
        const QVariantMap details = ecart->details().value(0);
        QCOMPARE(details.value(QStringLiteral("ValidNbTrans")).toString(),
                 QStringLiteral("3,3,1,2,3,4,2,3,3,2,1,3"));
        QCOMPARE(details.value(QStringLiteral("ValidNbCurrentTrans")).toString(),
                 QStringLiteral("3,0,0,0,0,0,0,0,0,0,0,0"));
        QCOMPARE(details.value(QStringLiteral("ValidNbEcartTrans")).toString(),
                 QStringLiteral("2,0,0,0,0,0,0,0,0,0,0,0"));
        QVERIFY(Bench(new MethodeEcartTr(QStringLiteral("e"))).play({0}).items().isEmpty());
    }

    void speedway()
    {
        QCOMPARE(Bench(new MethodeSpeedwaySix(QStringLiteral("s"))).play({1, 2, 0, 8, 14}).items(),
                 ids({Id::SX2, Id::SX3}));
        QVERIFY(Bench(new MethodeSpeedwaySix(QStringLiteral("s"))).play({1, 8, 14}).items().isEmpty());
        QCOMPARE(Bench(new MethodeSpeedwaySix(QStringLiteral("s"))).play({36, 1, 8, 2}).items(),
                 ids({Id::SX2, Id::SX1}));
        QVERIFY(Bench(new MethodeSpeedwaySix(QStringLiteral("s"))).play({1, 0, 0, 0}).items().isEmpty());
    }

    void groupFollowers()
    {
        QCOMPARE(Bench(new MethodeSuiveuseSix(QStringLiteral("s"))).play({1, 7, 13}).items(),
                 ids({Id::SX1, Id::SX2, Id::SX3}));
        // Zeros are skipped.
        QCOMPARE(Bench(new MethodeSuiveuseSix(QStringLiteral("s"))).play({1, 0, 7}).items(),
                 ids({Id::SX1, Id::SX2}));
        // A win forgets what came before it.
        auto *six = new MethodeSuiveuseSix(QStringLiteral("s"));
        Bench bench(six);
        bench.play({1, 7, 13, 8});
        QCOMPARE(six->startIndex(), 3);
        QCOMPARE(bench.items(), ids({Id::SX2}));
        // Before any win, a repeated sixain cuts the list at its newer place.
        QCOMPARE(Bench(new MethodeSuiveuseSix(QStringLiteral("s"))).play({1, 0, 2}).items(), ids({Id::SX1}));
        QCOMPARE(Bench(new MethodeSuiveuseTr(QStringLiteral("s"))).play({1, 4, 7}).items(),
                 ids({Id::T1, Id::T2, Id::T3}));
    }

    // --- Single numbers -----------------------------------------------------------------------

    void accumulatingTables()
    {
        Bench plus(new MethodePlus(QStringLiteral("p")));
        plus.play({5});
        QCOMPARE(plus.items(), (QList<int>{0, 5, 4, 6, 2, 8}));
        plus.play({0}); // a zero is no win: nothing new but row 0
        QCOMPARE(plus.items(), (QList<int>{0, 5, 4, 6, 2, 8}));
        plus.play({1}); // a loss adds the row of 1
        QCOMPARE(plus.items(), (QList<int>{0, 5, 4, 6, 2, 8, 1}));
        plus.play({8}); // a win starts again from 8
        QCOMPARE(plus.items(), (QList<int>{0, 8, 7, 9, 5, 11}));

        QCOMPARE(MethodePlus::rows()[36], (std::array<int, 5>{36, 35, 33, -1, -1}));
        QCOMPARE(MethodeMinus::rows()[4], (std::array<int, 5>{4, 1, 7, -1, -1}));
        QCOMPARE(MethodeCross::rows()[5], (std::array<int, 5>{5, 1, 3, 7, 9}));
        QCOMPARE(MethodeCross::rows()[36], (std::array<int, 5>{36, 32, -1, -1, -1}));
        QCOMPARE(MethodeCross::rows()[0], (std::array<int, 5>{0, 1, 3, -1, -1}));
        QCOMPARE(MethodeVoisin4::rows()[0], (std::array<int, 5>{0, 3, 26, 32, 15}));
        QCOMPARE(Bench(new MethodeVoisin4(QStringLiteral("v"))).play({0}).items(),
                 (QList<int>{0, 3, 26, 32, 15}));
        QCOMPARE(Bench(new MethodeMinus(QStringLiteral("v"))).play({0}).items(), (QList<int>{0, 1}));

        // Never more than 35 numbers.
        Bench cross(new MethodeCross(QStringLiteral("c")));
        cross.play({1, 0, 2, 0, 3, 0, 10, 0, 11, 0, 12, 0, 19, 0, 20, 0, 21, 0, 28, 0, 29, 0, 30, 0, 35});
        QVERIFY(cross.items().size() <= 35);
    }

    void growingSets()
    {
        QCOMPARE(Bench(new MethodeVoisinX(QStringLiteral("x"), 0)).play({17}).items(), (QList<int>{0, 17}));
        QCOMPARE(Bench(new MethodeVoisinX(QStringLiteral("x"), 0)).play({17, 5}).items(),
                 (QList<int>{0, 17, 5}));
        QCOMPARE(Bench(new MethodeVoisinX(QStringLiteral("x"), 0)).play({17, 5, 17}).items(),
                 (QList<int>{0, 17}));
        // Zero is in the set: it wins and starts a new set.
        QCOMPARE(Bench(new MethodeVoisinX(QStringLiteral("x"), 0)).play({17, 5, 0}).items(), (QList<int>{0}));
        QCOMPARE(Bench(new MethodeVoisinX(QStringLiteral("x"), 2)).play({17}).items(),
                 (QList<int>{0, 17, 25, 34}));
    }

    void finalDigits()
    {
        QCOMPARE(Bench(new MethodeAssociation(QStringLiteral("a"))).play({1}).items(),
                 (QList<int>{0, 10, 20, 30, 1, 11, 21, 31, 2, 12, 22, 32}));
        QCOMPARE(Bench(new MethodeAssociation(QStringLiteral("a"))).play({0}).items(),
                 (QList<int>{9, 19, 29, 0, 10, 20, 30, 1, 11, 21, 31}));
        // The digit seen most among the last ten non-zero results: 1 (1 and 11) over 2.
        QCOMPARE(Bench(new MethodeTerminaison(QStringLiteral("t"))).play({1, 11, 0, 2}).items(),
                 (QList<int>{1, 11, 21, 31, 0}));
        // On a tie the most recent digit.
        QCOMPARE(Bench(new MethodeTerminaison(QStringLiteral("t"))).play({1, 2}).items(),
                 (QList<int>{2, 12, 22, 32, 0}));
        QVERIFY(Bench(new MethodeTerminaison(QStringLiteral("t"))).play({0}).items().isEmpty());
    }

    void starAndKnightTables()
    {
        Bench star(new MethodeEtoile(QStringLiteral("e")));
        star.play({0});
        QCOMPARE(star.items(), (QList<int>{1, 2, 25, 9, 10, 13, 14, 27, 28, 0}));
        star.play({3}); // a loss keeps the set
        QCOMPARE(star.items(), (QList<int>{1, 2, 25, 9, 10, 13, 14, 27, 28, 0}));
        star.play({1}); // a win: the row of 1
        QCOMPARE(star.items(), (QList<int>{0, 6, 11, 13, 26, 27, 32, 36}));

        Bench knight(new MethodeDSCavalier(QStringLiteral("k")));
        knight.play({0});
        QVERIFY(knight.items().isEmpty());
        // Coups without a bet count like lost ones: the counter goes round before the first row.
        knight.play({1, 2});
        QVERIFY(knight.items().isEmpty());
        knight.play({32}); // duplicates of the row skipped
        QCOMPARE(knight.items(), (QList<int>{32, 2, 4, 6, 0, 11, 13, 17, 21, 25, 27, 34, 36}));
        knight.play({1, 3}); // two losses: the row stays
        QCOMPARE(knight.items(), (QList<int>{32, 2, 4, 6, 0, 11, 13, 17, 21, 25, 27, 34, 36}));
        knight.play({5}); // the third loss: a new row from 5
        QCOMPARE(knight.items(), (QList<int>{5, 3, 7, 8, 10, 12, 16, 23, 24, 26, 28, 29, 30, 35, 0}));
        knight.play({3}); // a win: the row of 3 at once
        QCOMPARE(knight.items(), knightRow3());
    }

    // "DS cavalier" and "MARS 2" hold a row with one counter: 0 after a win, one more after any
    // other coup, with or without a bet, and 0 again past its limit (2 and 3), when a new row is
    // chosen from the last result.
    void holdCounters()
    {
        Bench knight(new MethodeDSCavalier(QStringLiteral("k")), true);
        knight.play({0}); // zero chooses no row
        QVERIFY(knight.items().isEmpty());
        knight.play({3});
        QVERIFY(knight.items().isEmpty());
        knight.play({3});
        QVERIFY(knight.items().isEmpty());
        knight.play({3}); // the counter goes round: the row of 3
        QCOMPARE(knight.items(), knightRow3());
        knight.play({0}); // zero wins with the zero option, and chooses nothing
        QVERIFY(knight.items().isEmpty());
        knight.play({8});
        QVERIFY(knight.items().isEmpty());
        // Rebuilt by replay after an undo, the counter is the same.
        knight.cancel();
        QVERIFY(knight.items().isEmpty());
        knight.play({8, 8});
        QVERIFY(knight.items().isEmpty());
        knight.play({8});
        QCOMPARE(knight.items(), (QList<int>{8, 1, 3, 13, 15, 19, 20, 26, 27, 32, 33, 35, 36, 29, 31, 0}));
        // Without the zero option an uncovered zero is a loss like another.
        Bench plain(new MethodeDSCavalier(QStringLiteral("k")));
        plain.play({0, 3});
        QVERIFY(plain.items().isEmpty());
        plain.play({0, 3});
        QCOMPARE(plain.items(), knightRow3());

        const QList<int> row4{4, 35, 33, 2, 6, 16, 23, 14, 21, 15, 19, 0};
        Bench mars2(new MethodeMars2(QStringLiteral("m")));
        mars2.play({1});
        QVERIFY(mars2.items().isEmpty());
        mars2.play({2, 3});
        QVERIFY(mars2.items().isEmpty());
        mars2.play({4}); // the fourth value: the first bet
        QCOMPARE(mars2.items(), row4);
        mars2.play({1, 3, 5});
        QCOMPARE(mars2.items(), row4);
        mars2.play({7}); // the fourth loss: a new row
        QCOMPARE(mars2.items(), (QList<int>{7, 30, 32, 5, 9, 11, 20, 17, 26, 28, 29, 12, 18, 0}));
        mars2.play({30}); // a win: the row of 30 at once
        QCOMPARE(mars2.items(), (QList<int>{30, 7, 9, 0, 32, 11, 26, 20, 28, 8, 23, 36, 27}));
        mars2.cancel().cancel();
        QCOMPARE(mars2.items(), row4);
        // With the zero option a first zero wins: the row of 0 is played at once and then held.
        Bench zero(new MethodeMars2(QStringLiteral("m")), true);
        zero.play({0});
        const QList<int> row0{0, 2, 28, 1, 27, 9, 10, 13, 14, 26, 32, 3, 15};
        QCOMPARE(zero.items(), row0);
        zero.play({5});
        QCOMPARE(zero.items(), row0);
        QVERIFY(Bench(new MethodeMars2(QStringLiteral("m"))).play({0}).items().isEmpty());
    }

    void sectorFollowers()
    {
        Bench follower(new MethodeSuiveuse(QStringLiteral("s"), false));
        follower.play({0});
        QCOMPARE(follower.items(),
                 (QList<int>{22, 18, 29, 7, 28, 12, 35, 3, 26, 0, 32, 15, 19, 4, 21, 2, 25, 17, 34}));
        QCOMPARE(follower.centre(), 0);
        Bench inverse(new MethodeSuiveuse(QStringLiteral("s"), true));
        inverse.play({0});
        QCOMPARE(inverse.items(),
                 (QList<int>{34, 6, 27, 13, 36, 11, 30, 8, 23, 10, 5, 24, 16, 33, 1, 20, 14, 31, 9, 0}));
        QCOMPARE(inverse.centre(), 10);
        Bench wide(new MethodeSuiveusePlus(QStringLiteral("s")));
        wide.play({0});
        QCOMPARE(wide.items(), (QList<int>{7, 28, 12, 35, 3, 26, 0, 32, 15, 19, 4, 21, 2}));
        QCOMPARE(Bench(new MethodeVoisinsPlus(QStringLiteral("v"))).play({0}).items(),
                 (QList<int>{35, 3, 26, 0, 32, 15, 19}));
        QCOMPARE(Bench(new MethodeUltraDS(QStringLiteral("u"))).play({0, 32}).items(),
                 (QList<int>{26, 0, 32, 15, 19, 3}));
        QCOMPARE(Bench(new MethodeDSSecteur(QStringLiteral("d"), false)).play({0, 15}).items(),
                 (QList<int>{0, 32, 15}));
        // The shorter way round: from 15 back to 26 through zero.
        QCOMPARE(Bench(new MethodeDSSecteur(QStringLiteral("d"), false)).play({15, 26}).items(),
                 (QList<int>{15, 32, 0, 26}));
        const QList<int> outside =
            Bench(new MethodeDSSecteur(QStringLiteral("d"), true)).play({0, 15}).items();
        QCOMPARE(outside.size(), 35);
        QCOMPARE(outside.first(), 0);
        QVERIFY(!outside.contains(15) && !outside.contains(32));
        QCOMPARE(Bench(new MethodePerpetuum(QStringLiteral("p"), 3)).play({1, 2, 0, 3}).items(),
                 (QList<int>{0, 3, 2, 1, 35, 26, 21, 25, 33, 20}));
        QVERIFY(Bench(new MethodePerpetuum(QStringLiteral("p"), 3)).play({1, 1, 2}).items().isEmpty());
    }

    void hotNumbersAndRecency()
    {
        QVERIFY(Bench(new MethodeTop(QStringLiteral("t"))).play(range(1, 11)).items().isEmpty());
        QCOMPARE(Bench(new MethodeTop(QStringLiteral("t"))).play(range(1, 12)).items(),
                 (QList<int>{12, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1, 0}));
        // Counts first: 3 came out twice. Zero is taken without counting.
        QCOMPARE(Bench(new MethodeTop(QStringLiteral("t"))).play(range(0, 12) + QList<int>{3}).items(),
                 (QList<int>{3, 12, 11, 10, 9, 8, 7, 6, 5, 4, 2, 1, 0}));
        Bench top(new MethodeTop(QStringLiteral("t")));
        top.play(range(1, 12) + QList<int>{5, 5});
        top.cancel();
        QCOMPARE(top.items(),
                 Bench(new MethodeTop(QStringLiteral("t"))).play(range(1, 12) + QList<int>{5}).items());

        QVERIFY(Bench(new MethodeNumsTries(QStringLiteral("n"), 0)).play(range(1, 12)).items().isEmpty());
        QCOMPARE(Bench(new MethodeNumsTries(QStringLiteral("n"), 0)).play(range(1, 13)).items(),
                 (QList<int>{13, 12, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1, 0}));
        // After 25 distinct numbers the list holds all 37: 26..36 and 0 fill its end.
        QCOMPARE(Bench(new MethodeNumsTries(QStringLiteral("n"), 2)).play(range(1, 25)).items(),
                 (QList<int>{0, 26, 27, 28, 29, 30, 31, 32, 33, 34, 35, 36}));
        QCOMPARE(Bench(new MethodeNumsTries(QStringLiteral("n"), 1)).play(range(1, 25)).items(),
                 (QList<int>{12, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1, 0}));
    }

    void lawOfTheThird()
    {
        QVERIFY(Bench(new MethodeLoiDuTiers(QStringLiteral("l"), 2)).play(range(0, 35)).items().isEmpty());
        QCOMPARE(Bench(new MethodeLoiDuTiers(QStringLiteral("l"), 2)).play(range(0, 36)).items(),
                 range(0, 36));
        QVERIFY(Bench(new MethodeLoiDuTiers(QStringLiteral("l"), 1)).play(range(0, 36)).items().isEmpty());
        QCOMPARE(Bench(new MethodeLoiDuTiers(QStringLiteral("l"), 3)).play(QList<int>(37, 7)).items(),
                 (QList<int>{7}));
        // The window stays for five coups: a 38th value changes nothing...
        QCOMPARE(
            Bench(new MethodeLoiDuTiers(QStringLiteral("l"), 3)).play(range(0, 36) + QList<int>{5}).items(),
            QList<int>());
        // ...and moves by five at the 42nd.
        QCOMPARE(Bench(new MethodeLoiDuTiers(QStringLiteral("l"), 3))
                     .play(range(0, 36) + QList<int>{36, 36, 36, 36, 36})
                     .items(),
                 (QList<int>{36}));
    }

    void seriesAbsence()
    {
        QString text;
        for (int s = 0; s < 3; ++s) {
            text += QLatin1Char(' ');
            for (int k = 1; k <= 12; ++k) {
                text += QString::number(12 * s + k) + QLatin1Char(' ');
            }
            text += QLatin1Char('\n');
        }
        auto *gp = new MethodeGP(QStringLiteral("g"), text, false);
        QCOMPARE(gp->seriesCount(), 3);
        Bench bench(gp);
        bench.play(QList<int>(13, 30));
        QVERIFY(bench.items().isEmpty());
        // Fourteen coups without 1..12 and 13..24: the first of them is chosen.
        bench.play({30});
        QCOMPARE(gp->selectedSeries(), 0);
        QCOMPARE(bench.items(), QList<int>{0} + range(13, 36));
        QCOMPARE(Bench(new MethodeGP(QStringLiteral("g"), text, true)).play(QList<int>(14, 30)).items(),
                 QList<int>{0} + range(1, 12));
        // Zeros belong to no series: they lengthen every absence.
        QCOMPARE(Bench(new MethodeGP(QStringLiteral("g"), text, true)).play(QList<int>(14, 0)).items(),
                 QList<int>{0} + range(1, 12));
        bench.cancel();
        QVERIFY(bench.items().isEmpty());
        // A restart leaves no series selected and nothing in play.
        bench.play({30});
        QVERIFY(!bench.items().isEmpty());
        bench.restart();
        QVERIFY(bench.items().isEmpty());
        QCOMPARE(gp->selectedSeries(), -1);
    }

    void repeatedNumbers()
    {
        QVERIFY(
            Bench(new MethodeTriplette(QStringLiteral("t"), 3, -1, 13)).play({5, 9, 5, 1}).items().isEmpty());
        QCOMPARE(Bench(new MethodeTriplette(QStringLiteral("t"), 3, -1, 13)).play({5, 9, 5, 1, 5}).items(),
                 QList<int>{5});
        QCOMPARE(Bench(new MethodeTriplette(QStringLiteral("d"), 2, 2, 5)).play({5, 9, 5}).items(),
                 (QList<int>{5, 10, 24}));
        // Most recent first; neighbours stop at five numbers.
        QCOMPARE(Bench(new MethodeTriplette(QStringLiteral("d"), 2, 2, 5)).play({5, 9, 5, 9}).items(),
                 (QList<int>{9, 5, 31, 22, 10}));
        auto *doublette = new MethodeTriplette(QStringLiteral("d"), 2, 2, 5);
        QCOMPARE(doublette->parameters().size(), 2);
        QCOMPARE(MethodeTriplette(QStringLiteral("t"), 3, -1, 13).parameters().size(), 1);
        delete doublette;
    }

    void constantTables()
    {
        QCOMPARE(Bench(new MethodeNumerologie(QStringLiteral("n"))).play({10}).items(),
                 (QList<int>{24, 16, 33, 1, 20, 14, 31, 0}));
        QCOMPARE(Bench(new MethodeNumerologie(QStringLiteral("n"))).play({29}).items(),
                 (QList<int>{19, 4, 21, 2, 25, 17, 34, 20, 14, 31, 9, 22, 18, 29, 0}));
        QCOMPARE(Bench(new MethodeNumerologie(QStringLiteral("n"))).play({0}).items().size(), 13);
        QCOMPARE(Bench(new MethodeMars(QStringLiteral("m"))).play({4}).items(),
                 (QList<int>{4, 35, 33, 2, 6, 16, 23, 14, 21, 15, 19, 0}));
        // "MARS 2" plays the row of "MARS" once its counter went round (holdCounters).
        QCOMPARE(Bench(new MethodeMars2(QStringLiteral("m"))).play({9, 9, 9, 4}).items(),
                 Bench(new MethodeMars(QStringLiteral("m"))).play({4}).items());
    }

    void sections()
    {
        Bench s(new MethodeSections(QStringLiteral("s"), false));
        s.play({19});
        QCOMPARE(s.items(), (QList<int>{0, 32, 15, 19, 4, 21, 2, 25, 17, 34}));
        s.play({6}); // one miss: the sections of 19 and 6
        QCOMPARE(s.items().size(), 19);
        QVERIFY(s.items().contains(6) && s.items().contains(19));
        s.play({5}); // two misses: the two other sections
        QCOMPARE(s.items().size(), 19);
        QVERIFY(s.items().contains(5) && s.items().contains(22) && !s.items().contains(19));
        s.play({0}); // zero: back to the section of the result (zero counts as section 0)
        QCOMPARE(s.items(), (QList<int>{0, 32, 15, 19, 4, 21, 2, 25, 17, 34}));

        Bench inverse(new MethodeSections(QStringLiteral("s"), true));
        inverse.play({19});
        QCOMPARE(inverse.items().size(), 28);
        QCOMPARE(inverse.items().first(), 0);
        QVERIFY(!inverse.items().contains(19));

        Bench plus(new MethodeSectionsPlus(QStringLiteral("s")));
        plus.play({19, 6});
        QVERIFY(plus.items().isEmpty());
        plus.play({5});
        QVERIFY(plus.items().contains(22) && !plus.items().contains(19));
    }

    void signature()
    {
        QVERIFY(
            Bench(new MethodeSignature(QStringLiteral("s"))).play({1, 2, 3, 4, 5, 6, 7}).items().isEmpty());
        // The same span every coup (one step clockwise): the next number is expected one step on.
        QList<int> walk;
        for (int p = 0; p < 9; ++p) {
            walk << int(std::array<int, 9>{0, 32, 15, 19, 4, 21, 2, 25, 17}[size_t(p)]);
        }
        auto *sig = new MethodeSignature(QStringLiteral("s"));
        Bench bench(sig);
        bench.play(walk);
        QCOMPARE(bench.items().size(), 19);
        QCOMPARE(bench.items().first(), 34); // 17 plus one step
        QCOMPARE(bench.centre(), 34);
        // The details: the named values in their order, then one row per observed value.
        const QList<QVariantMap> details = sig->details();
        QCOMPARE(details.size(), 9 + 8);
        QStringList names;
        for (int i = 0; i < 9; ++i) {
            names << details.value(i).value(QStringLiteral("name")).toString();
        }
        QCOMPARE(names, (QStringList{QStringLiteral("Count"), QStringLiteral("MoyennePorteeCW"),
                                     QStringLiteral("ETPorteeCW"), QStringLiteral("MoyennePorteeCCW"),
                                     QStringLiteral("ETPorteeCCW"), QStringLiteral("StartStdDev"),
                                     QStringLiteral("NbMaxNumsToPlay"), QStringLiteral("PosOfCenter"),
                                     QStringLiteral("NextNumIsCW")}));
        QCOMPARE(details.value(0).value(QStringLiteral("value")).toInt(), 8);
        QCOMPARE(details.value(1).value(QStringLiteral("value")).toInt(), 1);
        QCOMPARE(details.value(7).value(QStringLiteral("value")).toInt(), 9); // 34 is the tenth on the wheel
        QList<int> observed;
        for (int i = 9; i < details.size(); ++i) {
            QCOMPARE(details.value(i).value(QStringLiteral("columns")).toStringList(),
                     (QStringList{QStringLiteral("Num"), QStringLiteral("Col"), QStringLiteral("IsCW"),
                                  QStringLiteral("Val")}));
            observed << details.value(i).value(QStringLiteral("Num")).toInt();
        }
        QCOMPARE(observed, (QList<int>{2, 4, 15, 17, 19, 21, 25, 32}));
        QCOMPARE(details.value(9).value(QStringLiteral("Col")).toString(), QStringLiteral("black"));
        QCOMPARE(details.value(9).value(QStringLiteral("Val")).toInt(), 6); // 2 is the seventh on the wheel
        Bench inverse(new MethodeSignatureBase(QStringLiteral("s"), true));
        inverse.play(walk);
        QCOMPARE(inverse.items().size(), 18);
        QVERIFY(!inverse.items().contains(34));
    }

    void sectorsAndRings()
    {
        QCOMPARE(MethodeSector::sectors()[0], (std::array<int, 5>{32, 15, 19, 4, 21}));
        QCOMPARE(MethodeSector::sectors()[32], (std::array<int, 5>{12, 35, 3, 26, 0}));
        QCOMPARE(MethodeSector::sectors()[36], (std::array<int, 5>{0, 32, 15, 19, 4}));
        QVERIFY(Bench(new MethodeSector(QStringLiteral("s"))).play({0, 32}).items().isEmpty());
        // Results far apart hit most sectors; the ones left are then played.
        // Wheel positions 0, 5, ..., 25 leave the sectors 25 to 31 unhit: seven, fewer than eight.
        Bench sector(new MethodeSector(QStringLiteral("s")));
        sector.play({0, 21, 6, 30, 24});
        QVERIFY(sector.items().isEmpty());
        sector.play({14});
        QCOMPARE(sector.items(), (QList<int>{31, 9, 22, 18, 29, 7, 28, 12, 35, 3, 26}));
        sector.play({29}); // a win: one coup of pause, then a fresh record
        QVERIFY(sector.items().isEmpty());
        QCOMPARE(static_cast<MethodeSector *>(sector.method())
                     ->details()
                     .value(0)
                     .value(QStringLiteral("data"))
                     .toString()
                     .split(QLatin1Char(','))
                     .size(),
                 185);

        // A fresh Thorp plays the rings at offsets 13 to 18 and 25 to 30, and zero.
        QCOMPARE(Bench(new MethodeThorp(QStringLiteral("t"))).play({0}).items(),
                 (QList<int>{36, 11, 30, 8, 23, 10, 14, 31, 9, 22, 18, 29, 0}));
        // Its details: one row of a table per ring, in ring order.
        const QList<QVariantMap> rings = MethodeThorp(QStringLiteral("t")).details();
        QCOMPARE(rings.size(), 6);
        for (int k = 0; k < 6; ++k) {
            QCOMPARE(
                rings.at(k).value(QStringLiteral("columns")).toStringList(),
                (QStringList{QStringLiteral("Ring"), QStringLiteral("Run"), QStringLiteral("Counters")}));
            QCOMPARE(rings.at(k).value(QStringLiteral("Ring")).toInt(), k);
        }
        QCOMPARE(MethodeThorp::decisionTable(0)[0][5], quint8(1));
        QCOMPARE(MethodeThorp::decisionTable(1)[0][0], quint8(0));

        // "Logs 15": the first result selects the earliest sector holding it.
        Bench logs(new MethodeLogs15(QStringLiteral("l")));
        logs.play({16});
        QCOMPARE(logs.items().size(), 15);
        QCOMPARE(logs.items().first(), 16);
        QCOMPARE(logs.centre(), 16);
        Bench logs19(new MethodeLogs19(QStringLiteral("l"), true));
        logs19.play({16});
        QCOMPARE(logs19.items().size(), 18);
        QVERIFY(!logs19.items().contains(16));
    }

    void absencesAndTrend()
    {
        QVERIFY(Bench(new MethodeEspace(QStringLiteral("e"))).play(range(1, 35)).items().isEmpty());
        QCOMPARE(
            Bench(new MethodeEspace(QStringLiteral("e"))).play(range(1, 18) + QList<int>(19, 19)).items(),
            range(20, 36) + QList<int>{0});
        QCOMPARE(
            Bench(new MethodeTendanceSecteur(QStringLiteral("t"), false)).play(QList<int>(12, 32)).items(),
            (QList<int>{32, 15, 19, 4, 21, 2, 25, 17, 34, 0}));
        QCOMPARE(
            Bench(new MethodeTendanceSecteur(QStringLiteral("t"), true)).play(QList<int>(12, 32)).items(),
            (QList<int>{6, 27, 13, 36, 11, 30, 8, 23, 10, 0}));
        QVERIFY(Bench(new MethodeTendanceSecteur(QStringLiteral("t"), false))
                    .play(QList<int>(11, 32))
                    .items()
                    .isEmpty());
    }

    void omega()
    {
        auto *omega = new MethodeOmega(QStringLiteral("o"), false, false);
        Bench bench(omega);
        bench.play({1, 2}); // SX1 twice: watched, not played
        QVERIFY(bench.items().isEmpty());
        bench.play({13}); // first fictive loss
        QVERIFY(bench.items().isEmpty());
        bench.play({14}); // second: real bets start on the watched choice
        QCOMPARE(bench.items(), ids({Id::SX1}));
        QVERIFY(omega->isPlaying());
        bench.play({3}); // a win: back to watching
        QVERIFY(!omega->isPlaying());
        QVERIFY(bench.items().isEmpty());
        const QVariantMap details = omega->details().value(0);
        QCOMPARE(details.value(QStringLiteral("NbSorties")).toString(), QStringLiteral("3,0,2,0,0,0"));
        QCOMPARE(details.value(QStringLiteral("NumTour")).toInt(), 5);

        Bench numbers(new MethodeOmega(QStringLiteral("o"), true, false));
        numbers.play({1, 2, 13, 14});
        QCOMPARE(numbers.items(), range(1, 6));
    }
};

QTEST_GUILESS_MAIN(TestRouletteMethods)
#include "tst_roulettemethods.moc"
