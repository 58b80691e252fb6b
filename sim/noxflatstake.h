#pragma once

#include "noxchancemodel.h"
#include "noxexactsum.h"

#include "core/noxenums.h"

#include <QJsonObject>
#include <QList>

namespace Nox {

/// One method's record with flat stakes: one unit on each proposed item at every coup it
/// proposes something. At baccarat a tie returns the player and banker units (a push that
/// neither wins nor lengthens the gap).
///
/// Beside the record it sums what chance alone predicts for the same bets (NoxChanceModel),
/// so the record can say how far from luck it lies.
///
/// Records of consecutive stretches of coups combine with append() into exactly the record of
/// the whole stretch: the gaps that run across the seam, the peak before it and the low after
/// it are kept for that.
class NoxFlatStake
{
public:
    /// What chance predicts for one coup of some items, as the record sums it (each term
    /// rounded once): a method that stakes the same items coup after coup computes it once.
    struct ChanceTerms {
        NoxExactSum::Int128 wins = 0;
        NoxExactSum::Int128 winsVariance = 0;
        NoxExactSum::Int128 profit = 0;
        NoxExactSum::Int128 profitVariance = 0;
    };
    [[nodiscard]] static ChanceTerms chanceTerms(const QList<NoxBetItemID> &items,
                                                 const NoxChanceModel &chance);

    /// Settles one coup of `items` against `value`.
    void record(const QList<NoxBetItemID> &items, int value, const NoxChanceModel &chance)
    {
        if (!items.isEmpty()) {
            record(items, value, chance.isBaccarat(), chanceTerms(items, chance));
        }
    }
    /// The same with the chance terms of these items already computed.
    void record(const QList<NoxBetItemID> &items, int value, bool baccarat, const ChanceTerms &terms);
    void record(const QList<NoxBetItemID> &items, int value, bool baccarat)
    {
        record(items, value, NoxChanceModel::of(baccarat));
    }
    /// Continues this record with the record of the coups that came next.
    void append(const NoxFlatStake &later);
    /// False when append(later) would pass the range of a count or a sum.
    [[nodiscard]] bool canAppend(const NoxFlatStake &later) const;
    /// True when the figures can come from record(): counts and gaps within the coups, the
    /// stakes of one unit per item, the profit, its extremes and the chance sums within what
    /// those stakes allow. fromJson() checks it, so a damaged or made-up file is refused.
    [[nodiscard]] bool isConsistent() const;

    [[nodiscard]] int coups() const { return m_coups; }
    [[nodiscard]] int wins() const { return m_wins; }
    [[nodiscard]] int pushes() const { return m_pushes; }
    /// Wins per decided coup, in percent.
    [[nodiscard]] double ratio() const;
    [[nodiscard]] int largestGap() const { return m_largestGap; }
    /// In units (hundredths of a unit are kept exactly).
    [[nodiscard]] double profit() const { return m_profit / 100.0; }
    [[nodiscard]] double staked() const { return m_staked / 100.0; }
    [[nodiscard]] double largestDrawdown() const { return m_largestDrawdown / 100.0; }

    // What chance predicts for the same bets.
    [[nodiscard]] double expectedWins() const { return m_expectedWins.value(); }
    [[nodiscard]] double expectedProfit() const { return m_expectedProfit.value(); }
    /// Standard deviation of the profit under chance alone.
    [[nodiscard]] double profitDeviation() const;
    /// How many standard deviations the profit lies above (below: negative) the expected profit;
    /// 0 without any bet.
    [[nodiscard]] double profitScore() const;
    /// The same for the wins.
    [[nodiscard]] double winsScore() const;

    /// Every field, with the exact sums as decimal strings.
    [[nodiscard]] QJsonObject toJson() const;
    /// False when a field is missing or malformed.
    static bool fromJson(const QJsonObject &object, NoxFlatStake *record);

    friend bool operator==(const NoxFlatStake &, const NoxFlatStake &) = default;

private:
    int m_coups = 0;
    int m_wins = 0;
    int m_pushes = 0;
    int m_leadingGap = 0; // losses before the first win
    int m_gap = 0;        // losses since the last win
    int m_largestGap = 0;
    qint64 m_profit = 0; // hundredths of a unit
    qint64 m_staked = 0;
    qint64 m_peak = 0;   // highest profit, the start (0) included
    qint64 m_lowest = 0; // lowest profit, the start included
    qint64 m_largestDrawdown = 0;
    NoxExactSum m_expectedWins;
    NoxExactSum m_winsVariance;
    NoxExactSum m_expectedProfit;
    NoxExactSum m_profitVariance;
};

} // namespace Nox
