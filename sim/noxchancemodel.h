#pragma once

#include "core/noxbet.h"
#include "core/noxenums.h"

#include <QHash>
#include <QList>

namespace Nox {

/// What chance alone predicts for a bet: the table's real odds, with no memory between coups.
///
/// At baccarat the results of an eight-deck shoe come with their long-run probabilities (tie,
/// player, banker); at roulette each number of the single-zero wheel comes once in 37. A bet
/// is settled exactly as the table settles it (payouts of the bet item table, a tie returning
/// the player and banker stakes), so a method that merely follows chance shows, over many
/// coups, the expected wins and profit this model gives, within a few of its standard
/// deviations.
class NoxChanceModel
{
public:
    /// Eight decks: the probabilities of a tie, a player win and a banker win.
    static constexpr double kBaccaratOdds[3] = {0.095155968, 0.446246609, 0.458597423};

    /// The prediction for one coup.
    struct Coup {
        double win = 0;      ///< probability that some bet wins
        double profit = 0;   ///< expected net result
        double variance = 0; ///< variance of the net result
    };

    explicit NoxChanceModel(bool baccarat);
    /// The shared model of the game.
    [[nodiscard]] static const NoxChanceModel &of(bool baccarat);

    [[nodiscard]] bool isBaccarat() const { return m_baccarat; }
    /// The probability of each result (index = played value).
    [[nodiscard]] const QList<double> &odds() const { return m_odds; }

    /// One unit on each item, settled as the flat-stake record settles it (result in units).
    [[nodiscard]] Coup flat(const QList<NoxBetItemID> &items) const;
    /// The bets of a coup (stakes in hundredths; result in hundredths).
    [[nodiscard]] Coup bets(const NoxBetList &bets) const;

    /// The net result of `stake` on `id` when `value` comes, at the table's odds.
    [[nodiscard]] static double payoff(NoxBetItemID id, double stake, int value, bool baccarat);
    /// Whether `id` is won when `value` comes (a pushed bet is neither won nor lost).
    [[nodiscard]] static bool isWon(NoxBetItemID id, int value, bool baccarat);

private:
    /// One unit on an item: its result for each played value, and the values that win it.
    struct Row {
        QList<double> payoff;
        QList<bool> won;
        Coup single;
    };
    [[nodiscard]] const Row &row(NoxBetItemID id) const;
    /// The prediction for `stakes` (item, stake) pairs.
    template<typename Stakes>
    [[nodiscard]] Coup predict(const Stakes &stakes) const;

    bool m_baccarat;
    QList<double> m_odds;
    QHash<int, Row> m_rows; // every item of the table
    Row m_missing;          // an item without a row: settled as the table's first row
};

} // namespace Nox
