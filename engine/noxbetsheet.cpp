#include "engine/noxbetsheet.h"

#include "core/noxbetitem.h"
#include "engine/noxflatmap.h"
#include "money/noxmontante.h"

#include <algorithm>
#include <limits>

namespace Nox {

namespace {

/// What the sheet gathers for one bet kind.
struct BetKind {
    int count = 0;
    bool accounted = false;
    bool won = false;
    bool recovery = false;
    int multiplier = 1;
};

/// The units of every item, by kind, before progressions and chips turn them into money.
struct StakeSheet {
    NoxFlatMap<int, int, 64> units;
    NoxFlatMap<NoxMethodType, BetKind, 8> kinds;
    NoxFlatMap<int, bool, 16> centres;
};

/// Collects the units of every method the play mode allows. A per-method cs progression sizes
/// each method once per coup: the same multiplier goes on every cs item of the method, and
/// the coup is recorded once for the method, with that multiplier, after all its items.
StakeSheet collectStakes(const NoxBetSheet::Input &in, int value)
{
    StakeSheet sheet;
    NoxMontante *csMontante = in.progression(NoxMethodType::cs);
    NoxMontante *perMethod = csMontante && csMontante->perMethod() ? csMontante : nullptr;

    const NoxBetItemID *next = in.items.constData();
    NoxBetItemID lastId = NoxBetItemID::none;
    int *lastUnits = nullptr;
    NoxMethodType lastType = NoxMethodType::none;
    BetKind *lastKind = nullptr;
    for (const NoxBetSheet::Method &m : in.methods) {
        const NoxBetItemID *first = next;
        const NoxBetItemID *last = first + m.itemCount;
        next = last;
        if ((in.playModeMask & ~m.playModes) && !m.favorites) {
            continue;
        }
        const bool neutral = value == 0 && m.neutralZero;
        int methodUnits = 0; // 0: not asked yet
        int csWins = 0;
        int csLosses = 0;
        for (const NoxBetItemID *it = first; it != last; ++it) {
            const NoxBetItemID id = *it;
            const NoxBetItem &row = betItem(id);
            const bool won = value >= 0 && row.wins(value);
            int u = 1;
            if (row.type() == NoxMethodType::cs && perMethod) {
                if (methodUnits == 0) {
                    methodUnits = perMethod->computeMise(1, m.method);
                }
                u = methodUnits;
                (won ? csWins : csLosses) += 1;
            }
            // Most methods stake the item the one before staked: its entry is looked up once.
            if (id != lastId) {
                lastUnits = sheet.units.find(int(id));
                lastId = id;
            }
            if (lastUnits) {
                if (row.type() != NoxMethodType::plein) {
                    *lastUnits += u; // several methods on one number still bet it once
                }
            } else {
                sheet.units(int(id), u);
                lastId = NoxBetItemID::none; // the insert moved the entries
            }
            if (row.type() != lastType || !lastKind) {
                lastKind = sheet.kinds.find(row.type());
                lastType = row.type();
            }
            BetKind *kind = lastKind;
            if (!kind) {
                kind = &sheet.kinds(row.type());
                kind->accounted = neutral;
                lastKind = nullptr; // the insert moved the entries
            }
            ++kind->count;
            if (won) {
                kind->won = true;
            }
        }
        // A coup that neither gains nor loses for the method (as many of its chances won as
        // lost) leaves its progression where it was.
        if (value >= 0 && !neutral && methodUnits > 0 && csWins != csLosses) {
            perMethod->applyResult(methodUnits, csWins > csLosses, 1, m.method);
        }
        if (m.centre >= 0) {
            sheet.centres(m.centre, true);
        }
    }
    return sheet;
}

/// Kind-wide progressions: one multiplier per kind, recorded with the stake just computed.
void applyProgressions(const NoxBetSheet::Input &in, StakeSheet &sheet, int value)
{
    for (auto &[type, kind] : sheet.kinds) {
        NoxMontante *m = in.progression(type);
        if (!m) {
            continue;
        }
        if (in.restartProgressions) {
            m->reset();
        }
        if (!m->perMethod()) {
            kind.multiplier = m->computeMise(kind.count, nullptr);
            if (value >= 0 && !kind.accounted) {
                m->applyResult(kind.multiplier, kind.won, kind.count, nullptr);
            }
        }
        kind.recovery = m->isPerso() && m->inRecovery();
    }
}

/// The cs netting option: of two opposite chances only the difference is staked.
void netOppositeChances(StakeSheet &sheet)
{
    const std::pair<NoxBetItemID, NoxBetItemID> pairs[] = {{NoxBetItemID::CS_N, NoxBetItemID::CS_R},
                                                           {NoxBetItemID::CS_P, NoxBetItemID::CS_I},
                                                           {NoxBetItemID::CS_1_18, NoxBetItemID::CS_19_36}};
    for (const auto &[first, second] : pairs) {
        const int a = sheet.units.value(int(first), 0);
        const int b = sheet.units.value(int(second), 0);
        if (a >= 1 && a >= b) {
            sheet.units(int(first)) = a - b;
            sheet.units(int(second)) = 0;
        } else if (b >= 1 && b >= a) {
            sheet.units(int(second)) = b - a;
            sheet.units(int(first)) = 0;
        }
    }
}

/// units × chip × multiplier in 64 bits, kept in [0, INT_MAX]: a stake that large is far
/// beyond the money guard, which then refuses the coup. A negative chip (a damaged setting)
/// stakes nothing rather than turning a loss into a gain.
int stakeOf(int units, int chip, int multiplier)
{
    const qint64 stake = qint64(units) * std::max(0, chip) * multiplier;
    return int(std::clamp<qint64>(stake, 0, std::numeric_limits<int>::max()));
}

/// The bets in item order; with `capitalChange`, what they win or lose on `value` (a pushed
/// bet neither).
NoxBetList buildBets(const NoxBetSheet::Input &in, const StakeSheet &sheet, int value, qint64 *capitalChange)
{
    NoxBetList bets;
    bets.reserve(sheet.units.size());
    for (const auto &[key, units] : sheet.units) {
        const NoxBetItemID id = NoxBetItemID(key);
        const NoxBetItem &row = betItem(id);
        const BetKind kind = sheet.kinds.value(row.type());
        NoxBet bet;
        bet.id = id;
        bet.bet = stakeOf(units, in.chip(row.type()), kind.multiplier);
        if (sheet.centres.contains(key)) {
            bet.flags |= NoxBet::CenterNumber;
        }
        if (in.favoriteItems.contains(id) || (key <= 36 && in.favoriteNumbers.contains(key))) {
            bet.flags |= NoxBet::Favorite;
        }
        if (bet.bet > 0) {
            bet.flags |= (in.suspended ? NoxBet::Suspended : 0) | (kind.recovery ? NoxBet::Recovery : 0);
        }
        if (capitalChange && !isPushed(id, value, in.baccarat)) {
            *capitalChange += row.wins(value) ? row.gain(bet.bet) : -qint64(bet.bet);
        }
        bets.append(bet);
    }
    return bets;
}

/// The table's limit on an item, 0 for none.
qint64 tableLimit(const NoxBetSheet::Input &in, NoxBetItemID id)
{
    switch (id) {
    case NoxBetItemID::B_BANKER:
        return in.limitBanker;
    case NoxBetItemID::B_PLAYER:
        return in.limitPlayer;
    case NoxBetItemID::B_TIE:
        return in.limitTie;
    default:
        return 0;
    }
}

/// The table limits and the largest stake per coup, on bets drawn without them. Returns the
/// bets keep their order and flags.
void applyLimits(const NoxBetSheet::Input &in, NoxBetList &bets)
{
    qint64 total = 0;
    for (NoxBet &bet : bets) {
        const qint64 limit = tableLimit(in, bet.id);
        if (limit > 0 && bet.bet > limit) {
            bet.bet = 0;
            bet.flags |= NoxBet::OutOfLimits;
        }
        total += bet.bet;
    }
    if (in.maxStake <= 0 || total <= in.maxStake) {
        return;
    }
    for (NoxBet &bet : bets) {
        if (bet.bet == 0) {
            continue;
        }
        if (in.refuseAboveMaxStake) {
            bet.bet = 0;
            bet.flags |= NoxBet::OverMaxStake;
        } else {
            // The same share of the largest stake, in whole chips of the bet's kind.
            const qint64 chip = std::max(1, in.chip(betItem(bet.id).type()));
            const qint64 share = qint64(bet.bet) * in.maxStake / total;
            bet.bet = int(share / chip * chip);
            bet.flags |= NoxBet::Capped;
        }
    }
}

} // namespace

NoxBetList NoxBetSheet::draw(const Input &input, int value, qint64 *capitalChange)
{
    StakeSheet sheet = collectStakes(input, value);
    applyProgressions(input, sheet, value);
    if (input.netOppositeChances) {
        netOppositeChances(sheet);
    }
    const bool limited =
        input.maxStake > 0 || input.limitBanker > 0 || input.limitPlayer > 0 || input.limitTie > 0;
    if (!limited) {
        return buildBets(input, sheet, value, capitalChange);
    }
    // The limits act on the stakes, so the money is counted on what stays on the table.
    NoxBetList bets = buildBets(input, sheet, value, nullptr);
    applyLimits(input, bets);
    if (capitalChange) {
        for (const NoxBet &bet : bets) {
            if (!isPushed(bet.id, value, input.baccarat)) {
                const NoxBetItem &row = betItem(bet.id);
                *capitalChange += row.wins(value) ? row.gain(bet.bet) : -qint64(bet.bet);
            }
        }
    }
    return bets;
}

NoxBetList NoxBetSheet::propose(const Input &input)
{
    return draw(input, -1, nullptr);
}

NoxBetSheet::Settlement NoxBetSheet::settle(const Input &input, int value)
{
    Settlement result;
    // Suspended, the coup is shown but neither recorded nor paid.
    result.bets = input.suspended ? draw(input, -1, nullptr) : draw(input, value, &result.capitalChange);
    return result;
}

} // namespace Nox
