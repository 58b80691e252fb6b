#pragma once

#include <QString>
#include <QtGlobal>

namespace Nox {

/// The session guards the player sets beside the loss and gain warnings: rules that stop the
/// betting, and the limits a stake must stay within. Every guard is off by default (a zero
/// count, a zero amount, a false switch). Amounts are in hundredths of the currency unit.
struct NoxGuards {
    /// What happens to a proposal above the largest stake per coup.
    enum class StakeRule : quint8 {
        Cap,   ///< it is lowered to the largest stake
        Refuse ///< it is not placed at all
    };

    static constexpr int kMaxCount = 10000;  ///< a coup count: at most the history's length
    static constexpr int kMaxMinutes = 1440; ///< a session of a whole day
    static constexpr qint64 kMaxAmount = 100000000;

    /// The loss limit and the gain limit of the bankroll stop the betting when they are
    /// reached, instead of only warning.
    bool lossLimitStops = false;
    bool gainLimitStops = false;
    /// Stop after this many losing coups in a row (coups that lowered the capital).
    int losingStreak = 0;
    /// Stop after this many coups played with a stake since the session started.
    int stakedCoups = 0;
    /// Stop once the session has lasted this many minutes.
    int sessionMinutes = 0;
    /// The trailing stop: armed once the session's result has reached `trailingTrigger`, it
    /// stops when the result falls `trailingDrop` below its highest point.
    qint64 trailingTrigger = 0;
    qint64 trailingDrop = 0;
    /// The largest stake per coup (the whole coup), and what happens to a proposal above it.
    qint64 maxStake = 0;
    StakeRule maxStakeRule = StakeRule::Cap;
    /// The table's maximum on each item: a step of a progression above it is never placed.
    qint64 tableLimitPlayer = 0;
    qint64 tableLimitBanker = 0;
    qint64 tableLimitTie = 0;

    /// A field of the guards, to say which one a refusal concerns (the settings screen shows
    /// the message under that field).
    enum class Field : quint8 {
        None,
        LossLimitStops,
        GainLimitStops,
        LosingStreak,
        StakedCoups,
        SessionMinutes,
        TrailingTrigger,
        TrailingDrop,
        MaxStake,
        MaxStakeRule,
        TableLimitPlayer,
        TableLimitBanker,
        TableLimitTie
    };

    /// Why a set of guards cannot be taken: the message names the field in words, `field`
    /// says which one it is. An empty message (and Field::None) when the set can be taken.
    struct Refusal {
        Field field = Field::None;
        QString message;
    };

    /// The first reason these settings cannot be taken: a count or an amount out of range, a
    /// trailing drop without a trigger (the trigger is what is missing), a trigger without a
    /// drop or a drop larger than its trigger (the drop is what to change), a largest stake below
    /// `smallestChip`.
    [[nodiscard]] Refusal check(qint64 smallestChip) const;
    /// check()'s message alone ("" when the settings can be taken).
    [[nodiscard]] QString refusal(qint64 smallestChip) const { return check(smallestChip).message; }
    /// Whether any rule can stop the betting.
    [[nodiscard]] bool stopsAnything() const;

    friend bool operator==(const NoxGuards &, const NoxGuards &) = default;
};

} // namespace Nox
