// The bet sheet on plain data: no engine, no method state. Every expected stake and capital
// change below is worked out by hand from the table's payouts (a simple chance pays 1 to 1,
// a column or a dozen 2 to 1, a plein 35 to 1, the baccarat tie 8 to 1, the banker 0.95 to 1).

#include "core/noxmethod.h"
#include "engine/noxbetsheet.h"
#include "engine/noxengineconfig.h"
#include "money/noxmontante.h"

#include <QtTest>

#include <limits>
#include <map>
#include <optional>

using namespace Nox;
using Sheet = NoxBetSheet;

namespace {

/// A progression with a fixed multiplier (per method when it is a per-method one) that
/// records every call the sheet makes.
class RecordingMontante final : public NoxMontante
{
public:
    struct Result {
        int mise;
        bool won;
        int nbItems;
        const NoxMethod *method;
        friend bool operator==(const Result &, const Result &) = default;
    };

    RecordingMontante(bool perMethod, int multiplier)
        : NoxMontante(QStringLiteral("recording"), perMethod)
        , m_multiplier(multiplier)
    {}

    int computeMise(int nbItems, const NoxMethod *method) override
    {
        asked.append({nbItems, method});
        const auto it = multiplierOf.find(method);
        return it != multiplierOf.end() ? it->second : m_multiplier;
    }
    void applyResult(int mise, bool won, int nbItems, const NoxMethod *method) override
    {
        results.append({mise, won, nbItems, method});
    }
    void reset() override { ++resets; }
    [[nodiscard]] bool isPerso() const override { return perso; }
    [[nodiscard]] bool inRecovery() const override { return recovering; }

    std::map<const NoxMethod *, int> multiplierOf;
    QList<QPair<int, const NoxMethod *>> asked;
    QList<Result> results;
    int resets = 0;
    bool perso = false;
    bool recovering = false;

private:
    int m_multiplier;
};

/// A method of the normal list staking `items`.
Sheet::Method &addMethod(Sheet::Input &in, std::initializer_list<NoxBetItemID> items,
                         const NoxMethod *method = nullptr)
{
    Sheet::Method &m = in.addMethod();
    m.playModes = NoxEngineConfig::PlayNormal;
    m.method = method;
    for (NoxBetItemID id : items) {
        in.addItem(id);
    }
    return m;
}

Sheet::Input rouletteInput()
{
    Sheet::Input in;
    in.playModeMask = NoxEngineConfig::PlayNormal;
    for (NoxMethodType type :
         {NoxMethodType::plein, NoxMethodType::cs, NoxMethodType::col, NoxMethodType::douz,
          NoxMethodType::sixain, NoxMethodType::trans, NoxMethodType::cheval, NoxMethodType::carre}) {
        in.setChip(type, 10);
    }
    return in;
}

Sheet::Input baccaratInput()
{
    Sheet::Input in = rouletteInput();
    in.baccarat = true;
    in.setChip(NoxMethodType::cs, 100);   // player and banker
    in.setChip(NoxMethodType::plein, 50); // the tie
    return in;
}

/// The bet on `id`, or none.
std::optional<NoxBet> betOn(const NoxBetList &bets, NoxBetItemID id)
{
    for (const NoxBet &b : bets) {
        if (b.id == id) {
            return b;
        }
    }
    return std::nullopt;
}

int stakeOn(const NoxBetList &bets, NoxBetItemID id)
{
    const std::optional<NoxBet> b = betOn(bets, id);
    return b ? b->bet : -1;
}

} // namespace

class TestBetSheet : public QObject
{
    Q_OBJECT

private slots:
    void emptySheetStakesNothing()
    {
        const Sheet::Input in = rouletteInput();
        QVERIFY(Sheet::propose(in).isEmpty());
        const Sheet::Settlement s = Sheet::settle(in, 17);
        QVERIFY(s.bets.isEmpty());
        QCOMPARE(s.capitalChange, 0);
    }

    void tiePushesPlayerAndBanker()
    {
        Sheet::Input in = baccaratInput();
        addMethod(in, {NoxBetItemID::B_PLAYER});
        addMethod(in, {NoxBetItemID::B_BANKER});
        addMethod(in, {NoxBetItemID::B_TIE});

        // Tie: player and banker come back, the tie's 50 wins 8 × 50.
        Sheet::Settlement tie = Sheet::settle(in, 0);
        QCOMPARE(stakeOn(tie.bets, NoxBetItemID::B_PLAYER), 100);
        QCOMPARE(stakeOn(tie.bets, NoxBetItemID::B_BANKER), 100);
        QCOMPARE(stakeOn(tie.bets, NoxBetItemID::B_TIE), 50);
        QCOMPARE(tie.capitalChange, 400);

        // Banker: +95 on the banker, −100 on the player, −50 on the tie.
        QCOMPARE(Sheet::settle(in, 2).capitalChange, 95 - 100 - 50);
        // Player: +100 − 100 − 50.
        QCOMPARE(Sheet::settle(in, 1).capitalChange, -50);

        // Without the tie bet a tie changes nothing.
        Sheet::Input sides = baccaratInput();
        addMethod(sides, {NoxBetItemID::B_PLAYER});
        addMethod(sides, {NoxBetItemID::B_BANKER});
        QCOMPARE(Sheet::settle(sides, 0).capitalChange, 0);
        // Outside baccarat nothing is pushed: both stakes are lost on a 0.
        sides.baccarat = false;
        QCOMPARE(Sheet::settle(sides, 0).capitalChange, -200);
    }

    // A bet above the table's limit on its item is shown as out of limits and not placed;
    // the other bets stay, and only what stays is paid.
    void tableLimitsPerItem()
    {
        Sheet::Input in = baccaratInput();
        addMethod(in, {NoxBetItemID::B_BANKER, NoxBetItemID::B_TIE});
        addMethod(in, {NoxBetItemID::B_BANKER});
        in.limitBanker = 200; // exactly the stake: placed
        in.limitTie = 49;     // one hundredth below the tie's 50: not placed
        Sheet::Settlement tie = Sheet::settle(in, 0);
        QCOMPARE(*betOn(tie.bets, NoxBetItemID::B_BANKER), (NoxBet{NoxBetItemID::B_BANKER, 200, 0}));
        QCOMPARE(*betOn(tie.bets, NoxBetItemID::B_TIE),
                 (NoxBet{NoxBetItemID::B_TIE, 0, NoxBet::OutOfLimits}));
        QCOMPARE(tie.capitalChange, 0); // the banker pushed, the tie was not on the table
        QCOMPARE(Sheet::settle(in, 1).capitalChange, -200);
        in.limitBanker = 199;
        QCOMPARE(stakeOn(Sheet::propose(in), NoxBetItemID::B_BANKER), 0);
        QCOMPARE(Sheet::settle(in, 2).capitalChange, 0);
    }

    // Above the largest stake per coup the whole coup is lowered, in whole chips, or refused.
    void largestStakePerCoup()
    {
        Sheet::Input in = rouletteInput(); // chips of 10
        addMethod(in, {NoxBetItemID::N17, NoxBetItemID::DZ1});
        addMethod(in, {NoxBetItemID::DZ1, NoxBetItemID::CS_R});
        // 10 on 17, 20 on the first dozen, 10 on red: 40 in all.
        in.maxStake = 40;
        QCOMPARE(Sheet::propose(in), Sheet::propose([&] {
                     Sheet::Input free = in;
                     free.maxStake = 0;
                     return free;
                 }()));
        in.maxStake = 30;
        NoxBetList capped = Sheet::propose(in);
        // 30/40 of each stake, down to a whole chip: 7.5 -> 0, 15 -> 10, 7.5 -> 0.
        QCOMPARE(stakeOn(capped, NoxBetItemID::N17), 0);
        QCOMPARE(stakeOn(capped, NoxBetItemID::DZ1), 10);
        QCOMPARE(stakeOn(capped, NoxBetItemID::CS_R), 0);
        for (const NoxBet &b : capped) {
            QVERIFY(b.flags & NoxBet::Capped);
        }
        QCOMPARE(Sheet::settle(in, 5).capitalChange, 20); // the dozen's 10 won twice over
        in.refuseAboveMaxStake = true;
        for (const NoxBet &b : Sheet::propose(in)) {
            QCOMPARE(b.bet, 0);
            QVERIFY(b.flags & NoxBet::OverMaxStake);
        }
        QCOMPARE(Sheet::settle(in, 17).capitalChange, 0);
    }

    void tieCountsAsALossForTheProgressions()
    {
        Sheet::Input in = baccaratInput();
        RecordingMontante perMethod(true, 2);
        in.setProgression(NoxMethodType::cs, &perMethod);
        const NoxMethod method(NoxMethodType::cs, NoxMethodSubType::none, QStringLiteral("a"));
        addMethod(in, {NoxBetItemID::B_BANKER}, &method);

        const Sheet::Settlement tie = Sheet::settle(in, 0);
        QCOMPARE(tie.capitalChange, 0); // pushed: 2 × 100 comes back
        QCOMPARE(stakeOn(tie.bets, NoxBetItemID::B_BANKER), 200);
        QCOMPARE(perMethod.results, (QList<RecordingMontante::Result>{{2, false, 1, &method}}));
    }

    void oppositeChancesAreNetted()
    {
        Sheet::Input in = rouletteInput();
        addMethod(in, {NoxBetItemID::CS_N, NoxBetItemID::CS_P});
        addMethod(in, {NoxBetItemID::CS_N, NoxBetItemID::CS_I, NoxBetItemID::CS_1_18});
        addMethod(in, {NoxBetItemID::CS_R, NoxBetItemID::CS_I, NoxBetItemID::CS_19_36});
        addMethod(in, {NoxBetItemID::CS_I});
        // Units: N 2, R 1; P 1, I 3; 1-18 1, 19-36 1.

        const NoxBetList plain = Sheet::propose(in);
        QCOMPARE(stakeOn(plain, NoxBetItemID::CS_N), 20);
        QCOMPARE(stakeOn(plain, NoxBetItemID::CS_R), 10);
        QCOMPARE(stakeOn(plain, NoxBetItemID::CS_P), 10);
        QCOMPARE(stakeOn(plain, NoxBetItemID::CS_I), 30);
        QCOMPARE(stakeOn(plain, NoxBetItemID::CS_1_18), 10);
        QCOMPARE(stakeOn(plain, NoxBetItemID::CS_19_36), 10);

        in.netOppositeChances = true;
        const NoxBetList netted = Sheet::propose(in);
        QCOMPARE(stakeOn(netted, NoxBetItemID::CS_N), 10);
        QCOMPARE(stakeOn(netted, NoxBetItemID::CS_R), 0);
        QCOMPARE(stakeOn(netted, NoxBetItemID::CS_P), 0);
        QCOMPARE(stakeOn(netted, NoxBetItemID::CS_I), 20);
        QCOMPARE(stakeOn(netted, NoxBetItemID::CS_1_18), 0);
        QCOMPARE(stakeOn(netted, NoxBetItemID::CS_19_36), 0);
        // 7 is red, odd and low: N loses 10, I wins 20.
        QCOMPARE(Sheet::settle(in, 7).capitalChange, 10);

        // A chance alone keeps its units; its opposite is listed with no stake.
        Sheet::Input alone = rouletteInput();
        alone.netOppositeChances = true;
        addMethod(alone, {NoxBetItemID::CS_R});
        addMethod(alone, {NoxBetItemID::CS_R});
        const NoxBetList bets = Sheet::propose(alone);
        QCOMPARE(stakeOn(bets, NoxBetItemID::CS_R), 20);
        QCOMPARE(stakeOn(bets, NoxBetItemID::CS_N), 0);
        QCOMPARE(betOn(bets, NoxBetItemID::CS_N)->flags, 0);
        // Other kinds are never netted.
        Sheet::Input dozens = rouletteInput();
        dozens.netOppositeChances = true;
        addMethod(dozens, {NoxBetItemID::DZ1});
        addMethod(dozens, {NoxBetItemID::DZ1, NoxBetItemID::DZ3});
        QCOMPARE(stakeOn(Sheet::propose(dozens), NoxBetItemID::DZ1), 20);
        QCOMPARE(stakeOn(Sheet::propose(dozens), NoxBetItemID::DZ3), 10);
    }

    void perMethodProgressionSizesEachMethodOnce()
    {
        Sheet::Input in = rouletteInput();
        RecordingMontante perMethod(true, 1);
        const NoxMethod a(NoxMethodType::cs, NoxMethodSubType::none, QStringLiteral("a"));
        const NoxMethod b(NoxMethodType::cs, NoxMethodSubType::none, QStringLiteral("b"));
        const NoxMethod c(NoxMethodType::douz, NoxMethodSubType::none, QStringLiteral("c"));
        perMethod.multiplierOf = {{&a, 2}, {&b, 4}, {&c, 8}};
        in.setProgression(NoxMethodType::cs, &perMethod);
        addMethod(in, {NoxBetItemID::CS_R, NoxBetItemID::CS_P}, &a); // one win, one loss on 1
        addMethod(in, {NoxBetItemID::CS_R}, &b);
        addMethod(in, {NoxBetItemID::DZ1}, &c); // no simple chance: never asked

        const NoxBetList proposed = Sheet::propose(in);
        QCOMPARE(perMethod.asked, (QList<QPair<int, const NoxMethod *>>{{1, &a}, {1, &b}}));
        QVERIFY(perMethod.results.isEmpty());
        // R: 2 units of a and 4 of b; P: a's 2; the dozen is not multiplied.
        QCOMPARE(stakeOn(proposed, NoxBetItemID::CS_R), 60);
        QCOMPARE(stakeOn(proposed, NoxBetItemID::CS_P), 20);
        QCOMPARE(stakeOn(proposed, NoxBetItemID::DZ1), 10);

        // 1 (red, odd): a wins R and loses P, which leaves its progression; b wins.
        perMethod.asked.clear();
        const Sheet::Settlement one = Sheet::settle(in, 1);
        QCOMPARE(perMethod.asked.size(), 2);
        QCOMPARE(perMethod.results, (QList<RecordingMontante::Result>{{4, true, 1, &b}}));
        QCOMPARE(one.capitalChange, 60 - 20 + 20); // R won, P lost, the dozen won 2 × 10

        // 2 (black, even): a loses R and wins P, again even; b loses.
        perMethod.results.clear();
        (void)Sheet::settle(in, 2);
        QCOMPARE(perMethod.results, (QList<RecordingMontante::Result>{{4, false, 1, &b}}));

        // 3 (red, odd) with a on red and odd: two wins, one result for the method.
        Sheet::Input both = rouletteInput();
        both.setProgression(NoxMethodType::cs, &perMethod);
        addMethod(both, {NoxBetItemID::CS_R, NoxBetItemID::CS_I}, &a);
        perMethod.results.clear();
        const Sheet::Settlement three = Sheet::settle(both, 3);
        QCOMPARE(perMethod.results, (QList<RecordingMontante::Result>{{2, true, 1, &a}}));
        QCOMPARE(three.capitalChange, 40);
        // 0: both lost.
        perMethod.results.clear();
        QCOMPARE(Sheet::settle(both, 0).capitalChange, -40);
        QCOMPARE(perMethod.results, (QList<RecordingMontante::Result>{{2, false, 1, &a}}));
    }

    void kindProgressionSizesTheWholeKind()
    {
        Sheet::Input in = rouletteInput();
        RecordingMontante columns(false, 3);
        in.setProgression(NoxMethodType::col, &columns);
        addMethod(in, {NoxBetItemID::CL1});
        addMethod(in, {NoxBetItemID::CL1, NoxBetItemID::CL2});

        const NoxBetList proposed = Sheet::propose(in);
        QCOMPARE(stakeOn(proposed, NoxBetItemID::CL1), 2 * 10 * 3);
        QCOMPARE(stakeOn(proposed, NoxBetItemID::CL2), 1 * 10 * 3);
        QCOMPARE(columns.asked, (QList<QPair<int, const NoxMethod *>>{{3, nullptr}}));
        QVERIFY(columns.results.isEmpty());

        // 1 is in the first column: 60 wins 120, 30 is lost.
        const Sheet::Settlement s = Sheet::settle(in, 1);
        QCOMPARE(s.capitalChange, 120 - 30);
        QCOMPARE(columns.results, (QList<RecordingMontante::Result>{{3, true, 3, nullptr}}));
        // 3 is in the third column: the kind lost.
        columns.results.clear();
        QCOMPARE(Sheet::settle(in, 3).capitalChange, -90);
        QCOMPARE(columns.results, (QList<RecordingMontante::Result>{{3, false, 3, nullptr}}));
    }

    void aNumberIsBetOnceWhoeverPlaysIt()
    {
        Sheet::Input in = rouletteInput();
        addMethod(in, {NoxBetItemID::N5, NoxBetItemID::CS_R});
        addMethod(in, {NoxBetItemID::N5, NoxBetItemID::CS_R});
        const NoxBetList bets = Sheet::propose(in);
        QCOMPARE(stakeOn(bets, NoxBetItemID::N5), 10);
        QCOMPARE(stakeOn(bets, NoxBetItemID::CS_R), 20);
        // 5 (red): 35 × 10 and 20.
        QCOMPARE(Sheet::settle(in, 5).capitalChange, 350 + 20);
    }

    void suspendedSettlesNothing()
    {
        Sheet::Input in = rouletteInput();
        RecordingMontante perMethod(true, 2);
        RecordingMontante dozens(false, 3);
        in.setProgression(NoxMethodType::cs, &perMethod);
        in.setProgression(NoxMethodType::douz, &dozens);
        const NoxMethod a(NoxMethodType::cs, NoxMethodSubType::none, QStringLiteral("a"));
        addMethod(in, {NoxBetItemID::CS_R, NoxBetItemID::DZ1}, &a);
        in.suspended = true;

        const Sheet::Settlement s = Sheet::settle(in, 1);
        QCOMPARE(s.capitalChange, 0);
        QVERIFY(perMethod.results.isEmpty());
        QVERIFY(dozens.results.isEmpty());
        // The stakes are still shown, flagged.
        QCOMPARE(stakeOn(s.bets, NoxBetItemID::CS_R), 20);
        QCOMPARE(stakeOn(s.bets, NoxBetItemID::DZ1), 30);
        for (const NoxBet &bet : s.bets) {
            QCOMPARE(bet.flags, int(NoxBet::Suspended));
        }
        in.suspended = false;
        for (const NoxBet &bet : Sheet::propose(in)) {
            QCOMPARE(bet.flags, 0);
        }
    }

    void negativeChipStakesNothing()
    {
        Sheet::Input in = rouletteInput();
        in.setChip(NoxMethodType::plein, -10);
        addMethod(in, {NoxBetItemID::N7, NoxBetItemID::CL1});
        const Sheet::Settlement lost = Sheet::settle(in, 8); // both lost
        QCOMPARE(stakeOn(lost.bets, NoxBetItemID::N7), 0);
        QCOMPARE(stakeOn(lost.bets, NoxBetItemID::CL1), 10);
        QCOMPARE(lost.capitalChange, -10);
        QCOMPARE(Sheet::settle(in, 7).capitalChange, 20); // the column wins, 7 stakes nothing
        // Nothing staked: no flag, even suspended.
        in.suspended = true;
        QCOMPARE(betOn(Sheet::propose(in), NoxBetItemID::N7)->flags, 0);
        QCOMPARE(betOn(Sheet::propose(in), NoxBetItemID::CL1)->flags, int(NoxBet::Suspended));
    }

    void playModeChoosesTheMethods()
    {
        Sheet::Input in = rouletteInput();
        in.playModeMask = NoxEngineConfig::PlayNormal | NoxEngineConfig::PlayInBlock;
        addMethod(in, {NoxBetItemID::DZ1}).playModes |= NoxEngineConfig::PlayInBlock;
        addMethod(in, {NoxBetItemID::DZ2}); // out of its block
        // In its block, but not in the normal list.
        addMethod(in, {NoxBetItemID::DZ3}).playModes =
            NoxEngineConfig::PlayQuickList | NoxEngineConfig::PlayInBlock;
        const NoxBetList bets = Sheet::propose(in);
        QCOMPARE(bets.size(), 1);
        QCOMPARE(stakeOn(bets, NoxBetItemID::DZ1), 10);

        in.playModeMask = NoxEngineConfig::PlayNormal | NoxEngineConfig::PlayInBlockDom;
        QVERIFY(Sheet::propose(in).isEmpty());
        in.methods[0].playModes |= NoxEngineConfig::PlayInBlockDom;
        QCOMPARE(stakeOn(Sheet::propose(in), NoxBetItemID::DZ1), 10);
    }

    void favoritesAndCentreFlags()
    {
        Sheet::Input in = rouletteInput();
        // The favourites method is staked even outside the list in play.
        Sheet::Method &favorites = addMethod(in, {NoxBetItemID::N5});
        favorites.favorites = true;
        favorites.playModes = 0;
        in.favoriteItems = {NoxBetItemID::DZ1};
        in.favoriteNumbers = {5, 9};
        addMethod(in, {NoxBetItemID::DZ1, NoxBetItemID::N7, NoxBetItemID::N9}).centre = 7;
        Sheet::Method &hidden = addMethod(in, {NoxBetItemID::N8});
        hidden.playModes = 0;
        hidden.centre = 9; // not in play: its centre flags nothing

        const NoxBetList bets = Sheet::propose(in);
        QCOMPARE(bets.size(), 4);
        QCOMPARE(betOn(bets, NoxBetItemID::N5)->flags, int(NoxBet::Favorite));
        QCOMPARE(betOn(bets, NoxBetItemID::DZ1)->flags, int(NoxBet::Favorite));
        QCOMPARE(betOn(bets, NoxBetItemID::N7)->flags, int(NoxBet::CenterNumber));
        QCOMPARE(betOn(bets, NoxBetItemID::N9)->flags, int(NoxBet::Favorite));
        QVERIFY(!betOn(bets, NoxBetItemID::N8));
    }

    void recoveryFlagFollowsTheKindsProgression()
    {
        Sheet::Input in = rouletteInput();
        RecordingMontante dozens(false, 1);
        dozens.perso = true;
        dozens.recovering = true;
        in.setProgression(NoxMethodType::douz, &dozens);
        addMethod(in, {NoxBetItemID::DZ1, NoxBetItemID::CL1});
        const NoxBetList bets = Sheet::propose(in);
        QCOMPARE(betOn(bets, NoxBetItemID::DZ1)->flags, int(NoxBet::Recovery));
        QCOMPARE(betOn(bets, NoxBetItemID::CL1)->flags, 0);
        dozens.perso = false; // only a user progression is ever in recovery
        QCOMPARE(betOn(Sheet::propose(in), NoxBetItemID::DZ1)->flags, 0);
    }

    void neutralZeroMovesNoProgression()
    {
        Sheet::Input in = rouletteInput();
        RecordingMontante perMethod(true, 1);
        RecordingMontante dozens(false, 1);
        in.setProgression(NoxMethodType::cs, &perMethod);
        in.setProgression(NoxMethodType::douz, &dozens);
        const NoxMethod a(NoxMethodType::cs, NoxMethodSubType::none, QStringLiteral("a"));
        addMethod(in, {NoxBetItemID::CS_R, NoxBetItemID::DZ1}, &a).neutralZero = true;

        const Sheet::Settlement zero = Sheet::settle(in, 0);
        QVERIFY(perMethod.results.isEmpty());
        QVERIFY(dozens.results.isEmpty());
        QCOMPARE(zero.capitalChange, -20); // the money is lost all the same
        // Any other number counts.
        (void)Sheet::settle(in, 13);
        QCOMPARE(perMethod.results.size(), 1);
        QCOMPARE(dozens.results.size(), 1);
        // Without the neutral profile a zero is a loss.
        in.methods[0].neutralZero = false;
        perMethod.results.clear();
        dozens.results.clear();
        (void)Sheet::settle(in, 0);
        QCOMPARE(perMethod.results, (QList<RecordingMontante::Result>{{1, false, 1, &a}}));
        QCOMPARE(dozens.results, (QList<RecordingMontante::Result>{{1, false, 1, nullptr}}));
    }

    void restartProgressionsOfTheKindsInPlay()
    {
        Sheet::Input in = rouletteInput();
        RecordingMontante dozens(false, 1);
        RecordingMontante columns(false, 1);
        RecordingMontante perMethod(true, 1);
        in.setProgression(NoxMethodType::douz, &dozens);
        in.setProgression(NoxMethodType::col, &columns);
        in.setProgression(NoxMethodType::cs, &perMethod);
        addMethod(in, {NoxBetItemID::DZ2, NoxBetItemID::CS_R});
        (void)Sheet::propose(in);
        QCOMPARE(dozens.resets, 0);
        QCOMPARE(perMethod.resets, 0);
        in.restartProgressions = true;
        (void)Sheet::propose(in);
        QCOMPARE(dozens.resets, 1);
        QCOMPARE(perMethod.resets, 1);
        QCOMPARE(columns.resets, 0); // no column in play
    }

    void stakeIsKeptInTheIntRange()
    {
        Sheet::Input in = rouletteInput();
        RecordingMontante dozens(false, 1 << 20);
        in.setProgression(NoxMethodType::douz, &dozens);
        in.setChip(NoxMethodType::douz, 1 << 20);
        addMethod(in, {NoxBetItemID::DZ1});
        QCOMPARE(stakeOn(Sheet::propose(in), NoxBetItemID::DZ1), std::numeric_limits<int>::max());
    }
};

QTEST_GUILESS_MAIN(TestBetSheet)
#include "tst_betsheet.moc"
