#pragma once

#include "core/noxbet.h"
#include "core/noxenums.h"

#include <QList>
#include <QVarLengthArray>

#include <array>

namespace Nox {

class NoxMethod;
class NoxMontante;

/// Turns what the active methods stake into the bets of a coup: per-item units from the
/// methods the play mode allows, the progression multipliers, the chip of each kind, the
/// netting of opposite simple chances and the flags of every bet. It reads plain data (the
/// Input the engine fills from its method states) and, when it settles a result, moves the
/// progressions the input points to.
///
/// The rules, kind by kind:
/// - an item staked by several methods adds up their units, except a plein (a number is bet
///   once whoever plays it);
/// - a per-method simple-chance progression (NoxMontante::perMethod()) is asked once per
///   method and coup: its multiplier goes on every cs item of that method, and the method's
///   coup is recorded once, as won when more of its cs items won than lost; as many wins as
///   losses leaves its progression where it was;
/// - every other progression sizes its whole kind: one multiplier for all the kind's items,
///   recorded once per coup with the count of items;
/// - a zero that a method does not cover, under a profile where it is neutral, moves neither
///   that method's progression nor that of a kind the method is the first to stake;
/// - with netOppositeChances, of two opposite simple chances only the difference is staked
///   (the other stays listed, with no stake);
/// - a stake is units × chip × multiplier, kept in [0, INT_MAX]: a negative chip stakes nothing;
/// - a suspended sheet settles nothing: it moves no progression and changes no capital;
/// - at baccarat a tie returns the player and banker stakes (they move the progressions as
///   losses, but not the capital);
/// - a bet above the table's limit on its item is listed as OutOfLimits with no stake; then,
///   when the coup's total is above the largest stake, every bet is either lowered in the same
///   proportion to a whole number of its chip (Capped) or, when the player chose to refuse, left
///   with no stake (OverMaxStake). What is settled is what would be placed.
///
/// Thread rules: no state of its own; the engine calls it with its lock held, which guards
/// the progressions the input points to. The input is filled without the methods' mutexes
/// (from their published proposals).
class NoxBetSheet
{
public:
    /// What the sheet reads of one active method.
    struct Method {
        const NoxMethod *method = nullptr; ///< whose stake a per-method progression sizes
        /// Its staked items: the next itemCount entries of Input::items (in number mode the
        /// covered numbers, as pleins).
        int itemCount = 0;
        /// Where it plays, in the bits of the play-mode mask (NoxEngineConfig::PlayMask): the
        /// lists that show it, PlayInBlock when its current gap is inside its block,
        /// PlayInBlockDom inside a dominant block. It is staked when it has every bit of the mask.
        int playModes = 0;
        int centre = -1;          ///< its centre number, -1 for none
        bool neutralZero = false; ///< a zero it does not cover is neither won nor lost for it
        bool favorites = false;   ///< the favourites method: staked whatever the play mode
    };

    /// The kinds are indexed by their NoxMethodType value (plein 0 … cs 10).
    static constexpr int kKindSlots = 11;

    struct Input {
        /// The active methods in the engine's order, and their items one method after another.
        /// Room for a whole catalogue on the stack: the sheet is drawn twice per coup.
        QVarLengthArray<Method, 128> methods;
        QVarLengthArray<NoxBetItemID, 256> items;
        /// The items and numbers of the favourites method when it is active (the bets they
        /// cover are flagged), empty otherwise.
        QList<NoxBetItemID> favoriteItems;
        QList<int> favoriteNumbers;
        int playModeMask = 1; ///< NoxEngineConfig::playModeMask()
        bool netOppositeChances = false;
        bool suspended = false;
        bool baccarat = false;
        /// The current progression of every kind in play starts over while the sheet is drawn
        /// (after the per-method stakes were asked, before the kind-wide ones).
        bool restartProgressions = false;
        /// The table's limit on BANKER, PLAYER and TIE (hundredths, 0: none), and the largest
        /// stake of a coup (0: none) with whether a coup above it is refused or lowered.
        qint64 limitBanker = 0;
        qint64 limitPlayer = 0;
        qint64 limitTie = 0;
        qint64 maxStake = 0;
        bool refuseAboveMaxStake = false;
        /// Base chip (hundredths) and current progression (none: a multiplier of 1) per kind.
        std::array<int, kKindSlots> chips{};
        std::array<NoxMontante *, kKindSlots> progressions{};

        /// Appends an active method, to be filled in; its items follow with addItems().
        Method &addMethod() { return methods.emplace_back(); }
        /// Appends items to the last method added.
        void addItems(const NoxBetItemID *first, qsizetype count)
        {
            if (count == 1) {
                items.append(*first); // most methods stake one item: no copy call for it
            } else {
                items.append(first, count);
            }
            methods.back().itemCount += int(count);
        }
        /// Appends one item to the last method added.
        void addItem(NoxBetItemID id)
        {
            items.append(id);
            ++methods.back().itemCount;
        }
        void setChip(NoxMethodType type, int chip)
        {
            if (const int s = slot(type); s >= 0) {
                chips[size_t(s)] = chip;
            }
        }
        [[nodiscard]] int chip(NoxMethodType type) const
        {
            const int s = slot(type);
            return s >= 0 ? chips[size_t(s)] : 0;
        }
        void setProgression(NoxMethodType type, NoxMontante *progression)
        {
            if (const int s = slot(type); s >= 0) {
                progressions[size_t(s)] = progression;
            }
        }
        [[nodiscard]] NoxMontante *progression(NoxMethodType type) const
        {
            const int s = slot(type);
            return s >= 0 ? progressions[size_t(s)] : nullptr;
        }
    };

    /// A settled coup: its bets and what they did to the capital (hundredths).
    struct Settlement {
        NoxBetList bets;
        qint64 capitalChange = 0;
    };

    /// The bets of the next coup. Moves no progression (unless restartProgressions).
    [[nodiscard]] static NoxBetList propose(const Input &input);
    /// The bets that were on the table when `value` came out, with their result; records the
    /// coup in the progressions.
    [[nodiscard]] static Settlement settle(const Input &input, int value);

    [[nodiscard]] static constexpr int slot(NoxMethodType type)
    {
        const int s = int(type);
        return s >= 0 && s < kKindSlots ? s : -1;
    }

private:
    /// value -1: propose; otherwise settle `value` in the progressions, and with
    /// `capitalChange` in the money.
    [[nodiscard]] static NoxBetList draw(const Input &input, int value, qint64 *capitalChange);
};

} // namespace Nox
