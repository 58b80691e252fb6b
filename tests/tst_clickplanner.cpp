#include "autobet/noxclickplanner.h"

#include <QRandomGenerator>
#include <QTest>

#include <functional>
#include <numeric>

using namespace Nox;
using Id = NoxBetItemID;

namespace {

Id chip(int k)
{
    return Id(int(Id::JETON_1) + k - 1);
}

NoxBet bet(Id id, int amount, int flags = 0)
{
    NoxBet b;
    b.id = id;
    b.bet = amount;
    b.flags = flags;
    return b;
}

QMap<Id, qint64> stakesOf(const NoxBetList &bets)
{
    QMap<Id, qint64> stakes;
    for (const NoxBet &b : bets) {
        if (b.bet > 0) {
            stakes[b.id] += b.bet;
        }
    }
    return stakes;
}

/// The fewest chips making `amount` with `values`, by plain recursion (tiny amounts only);
/// -1 when no combination does.
int fewestChips(int amount, const QList<int> &values)
{
    if (amount == 0) {
        return 0;
    }
    int best = -1;
    for (int v : values) {
        if (v > 0 && v <= amount) {
            const int rest = fewestChips(amount - v, values);
            if (rest >= 0 && (best < 0 || rest + 1 < best)) {
                best = rest + 1;
            }
        }
    }
    return best;
}

/// The fewest clicks of any plan, found independently of the planner: every subset of chips,
/// each stake made with the fewest chips of the subset, plus one selection per chip.
int fewestClicks(const QList<int> &stakes, const QList<int> &values, bool toggle)
{
    int best = -1;
    const int n = int(values.size());
    for (int mask = 1; mask < (1 << n); ++mask) {
        QList<int> subset;
        for (int j = 0; j < n; ++j) {
            if ((mask & (1 << j)) && values[j] > 0) {
                subset.append(values[j]);
            }
        }
        if (subset.isEmpty() || subset.size() != qPopulationCount(uint(mask))) {
            continue;
        }
        int total = int(subset.size()) + (toggle ? 1 : 0);
        bool ok = true;
        for (int s : stakes) {
            const int c = fewestChips(s, subset);
            if (c < 0) {
                ok = false;
                break;
            }
            total += c;
        }
        if (ok && (best < 0 || total < best)) {
            best = total;
        }
    }
    return best;
}

} // namespace

class TestClickPlanner : public QObject
{
    Q_OBJECT

private slots:
    void oneChipOneStake();
    void selectsAChipOnlyWhenItChanges();
    void fewestChipsBeatsGreedy();
    void sharesChipsAcrossPlaces();
    void nothingToPlace();
    void noChips();
    void stakeTheChipsCannotMake();
    void stakeNotAMultipleOfTheChips();
    void toggleModeDeselectsAtTheEnd();
    void largeStakesAreExact();
    void replayRejectsNonsense();
    void plannedClicksReplayToTheStakes();
    void plannedClicksAreTheFewest();
};

void TestClickPlanner::oneChipOneStake()
{
    const NoxClickPlan plan =
        NoxClickPlanner::plan({bet(Id::B_BANKER, 20)}, {10, 0, 0, 0, 0, 0, 0, 0}, false);
    QVERIFY(plan.ok);
    QCOMPARE(plan.sequence, QList<Id>({Id::JETON_1, Id::B_BANKER, Id::B_BANKER}));
}

void TestClickPlanner::selectsAChipOnlyWhenItChanges()
{
    const QList<int> chips = {10, 100, 1000, 0, 0, 0, 0, 0};
    const NoxClickPlan plan = NoxClickPlanner::plan({bet(Id::B_PLAYER, 2220)}, chips, false);
    QVERIFY(plan.ok);
    // 2 × 10.00, 2 × 1.00, 2 × 0.10: larger chips first, each selected once.
    QCOMPARE(plan.sequence, QList<Id>({chip(3), Id::B_PLAYER, Id::B_PLAYER, chip(2), Id::B_PLAYER,
                                       Id::B_PLAYER, chip(1), Id::B_PLAYER, Id::B_PLAYER}));
}

void TestClickPlanner::fewestChipsBeatsGreedy()
{
    // Greedy would give 50 + 10 + 10 + 10 (four chips, three selections).
    const NoxClickPlan plan = NoxClickPlanner::plan({bet(Id::B_TIE, 80)}, {10, 40, 50, 0, 0, 0, 0, 0}, false);
    QVERIFY(plan.ok);
    QCOMPARE(plan.sequence, QList<Id>({chip(2), Id::B_TIE, Id::B_TIE}));
}

void TestClickPlanner::sharesChipsAcrossPlaces()
{
    const NoxClickPlan plan = NoxClickPlanner::plan(
        {bet(Id::B_TIE, 0), bet(Id::B_PLAYER, 60), bet(Id::B_BANKER, 60)}, {10, 50, 0, 0, 0, 0, 0, 0}, false);
    QVERIFY(plan.ok);
    QCOMPARE(plan.sequence,
             QList<Id>({chip(2), Id::B_PLAYER, Id::B_BANKER, chip(1), Id::B_PLAYER, Id::B_BANKER}));
}

void TestClickPlanner::nothingToPlace()
{
    const NoxClickPlan plan =
        NoxClickPlanner::plan({bet(Id::B_TIE, 0), bet(Id::B_BANKER, 0)}, QList<int>(8, 0), true);
    QVERIFY(plan.ok);
    QVERIFY(plan.sequence.isEmpty());
}

void TestClickPlanner::noChips()
{
    const NoxClickPlan plan = NoxClickPlanner::plan({bet(Id::B_BANKER, 100)}, QList<int>(8, 0), false);
    QVERIFY(!plan.ok);
    QVERIFY(plan.sequence.isEmpty());
    QVERIFY(plan.reason.contains(QStringLiteral("jeton")));
}

void TestClickPlanner::stakeTheChipsCannotMake()
{
    const NoxClickPlan plan = NoxClickPlanner::plan({bet(Id::B_PLAYER, 100), bet(Id::B_BANKER, 30)},
                                                    {20, 50, 0, 0, 0, 0, 0, 0}, false);
    QVERIFY(!plan.ok);
    QVERIFY(plan.sequence.isEmpty());
    QVERIFY2(plan.reason.contains(QStringLiteral("0.30")) && plan.reason.contains(QStringLiteral("BANKER")),
             qPrintable(plan.reason));
}

void TestClickPlanner::stakeNotAMultipleOfTheChips()
{
    const NoxClickPlan plan =
        NoxClickPlanner::plan({bet(Id::B_TIE, 1005)}, {10, 50, 100, 0, 0, 0, 0, 0}, false);
    QVERIFY(!plan.ok);
    QVERIFY2(plan.reason.contains(QStringLiteral("10.05")), qPrintable(plan.reason));
}

void TestClickPlanner::toggleModeDeselectsAtTheEnd()
{
    const QList<int> chips = {10, 50, 0, 0, 0, 0, 0, 0};
    const NoxClickPlan plan = NoxClickPlanner::plan({bet(Id::B_BANKER, 70)}, chips, true);
    QVERIFY(plan.ok);
    QCOMPARE(plan.sequence, QList<Id>({chip(2), Id::B_BANKER, chip(1), Id::B_BANKER, Id::B_BANKER, chip(1)}));
    // Replayed with toggling chips: exactly the stake, and no chip left selected, so a second
    // bet replayed after it places its own stake again.
    const auto table = NoxClickPlanner::replay(plan.sequence + plan.sequence, chips, true);
    QVERIFY(table);
    QCOMPARE(table->value(Id::B_BANKER), 140);
}

void TestClickPlanner::largeStakesAreExact()
{
    const QList<int> chips = {10, 50, 100, 500, 2500, 10000, 50000, 100000};
    const NoxBetList bets = {bet(Id::B_PLAYER, 98765430), bet(Id::B_BANKER, 1230)};
    const NoxClickPlan plan = NoxClickPlanner::plan(bets, chips, false);
    QVERIFY(plan.ok);
    const auto table = NoxClickPlanner::replay(plan.sequence, chips, false);
    QVERIFY(table);
    QCOMPARE(*table, stakesOf(bets));
    // 987 × 1000.00, 1 × 500.00, 1 × 100.00, 2 × 25.00, 4 × 1.00 and 3 × 0.10.
    QCOMPARE(plan.sequence.count(Id::B_PLAYER), 987 + 1 + 1 + 2 + 4 + 3);
}

void TestClickPlanner::replayRejectsNonsense()
{
    const QList<int> chips = {10, 0, 0, 0, 0, 0, 0, 0};
    QString error;
    QVERIFY(!NoxClickPlanner::replay({Id::B_BANKER}, chips, false, &error));
    QVERIFY(!error.isEmpty());
    QVERIFY(!NoxClickPlanner::replay({chip(2), Id::B_BANKER}, chips, false));
    QVERIFY(!NoxClickPlanner::replay({chip(1), Id::X_DBL}, chips, false));
    // Toggling: a second click on the selected chip deselects it.
    QVERIFY(!NoxClickPlanner::replay({chip(1), chip(1), Id::B_BANKER}, chips, true));
    const auto normal = NoxClickPlanner::replay({chip(1), chip(1), Id::B_BANKER}, chips, false);
    QVERIFY(normal);
    QCOMPARE(normal->value(Id::B_BANKER), 10);
}

void TestClickPlanner::plannedClicksReplayToTheStakes()
{
    // Property: for random chip sets and random makeable stakes, the planned clicks replayed on
    // a model table put exactly the stakes down, in both chip modes.
    QRandomGenerator rng(20261208);
    const Id places[] = {Id::B_TIE, Id::B_PLAYER, Id::B_BANKER};
    for (int round = 0; round < 400; ++round) {
        QList<int> chips(8, 0);
        const int available = 1 + int(rng.bounded(8));
        for (int k = 0; k < available; ++k) {
            chips[k] = 10 * (1 + int(rng.bounded(round % 2 ? 30 : 500)));
        }
        NoxBetList bets;
        for (Id place : places) {
            int amount = 0;
            const int count = int(rng.bounded(6));
            for (int c = 0; c < count; ++c) {
                amount += chips[int(rng.bounded(available))];
            }
            if (rng.bounded(4) == 0) {
                amount *= 1 + int(rng.bounded(2000));
            }
            bets.append(bet(place, amount));
        }
        const bool toggle = rng.bounded(2) == 1;
        const NoxClickPlan plan = NoxClickPlanner::plan(bets, chips, toggle);
        QVERIFY2(plan.ok, qPrintable(plan.reason));
        QString error;
        const auto table = NoxClickPlanner::replay(plan.sequence, chips, toggle, &error);
        QVERIFY2(table, qPrintable(error));
        QCOMPARE(*table, stakesOf(bets));
        // Never the selected chip again, except the deselection that ends a toggling plan.
        for (int i = 1; i < plan.sequence.size() - (toggle ? 1 : 0); ++i) {
            if (plan.sequence[i] >= Id::JETON_1) {
                QVERIFY(plan.sequence[i - 1] < Id::JETON_1);
            }
        }
    }
}

void TestClickPlanner::plannedClicksAreTheFewest()
{
    QRandomGenerator rng(7);
    for (int round = 0; round < 150; ++round) {
        QList<int> chips(8, 0);
        const int available = 1 + int(rng.bounded(4));
        for (int k = 0; k < available; ++k) {
            chips[k] = 1 + int(rng.bounded(12));
        }
        QList<int> stakes;
        NoxBetList bets;
        for (Id place : {Id::B_PLAYER, Id::B_BANKER}) {
            const int amount = 1 + int(rng.bounded(30));
            stakes.append(amount);
            bets.append(bet(place, amount));
        }
        const bool toggle = rng.bounded(2) == 1;
        const int expected = fewestClicks(stakes, chips.mid(0, available), toggle);
        const NoxClickPlan plan = NoxClickPlanner::plan(bets, chips, toggle);
        if (expected < 0) {
            QVERIFY(!plan.ok);
            continue;
        }
        QVERIFY2(plan.ok, qPrintable(plan.reason));
        QCOMPARE(int(plan.sequence.size()), expected);
    }
}

QTEST_GUILESS_MAIN(TestClickPlanner)
#include "tst_clickplanner.moc"
