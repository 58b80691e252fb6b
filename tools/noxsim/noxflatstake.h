#pragma once

#include "engine/noxenums.h"

#include <QList>

namespace Nox {

/// One method's record with flat stakes: one unit on each proposed item at every coup it
/// proposes something. At baccarat a tie returns the player and banker units (a push that
/// neither wins nor lengthens the gap).
class NoxFlatStake
{
public:
    /// Settles one coup of `items` against `value`.
    void record(const QList<NoxBetItemID> &items, int value, bool baccarat);

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

private:
    int m_coups = 0;
    int m_wins = 0;
    int m_pushes = 0;
    int m_gap = 0;
    int m_largestGap = 0;
    qint64 m_profit = 0; // hundredths of a unit
    qint64 m_staked = 0;
    qint64 m_peak = 0;
    qint64 m_largestDrawdown = 0;
};

} // namespace Nox
