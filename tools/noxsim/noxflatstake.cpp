#include "noxflatstake.h"

#include "engine/noxbetitem.h"

#include <algorithm>

namespace Nox {

void NoxFlatStake::record(const QList<NoxBetItemID> &items, int value, bool baccarat)
{
    if (items.isEmpty()) {
        return;
    }
    constexpr int kUnit = 100;
    bool won = false;
    bool decided = false;
    for (NoxBetItemID id : items) {
        m_staked += kUnit;
        if (isPushed(id, value, baccarat)) {
            continue;
        }
        decided = true;
        const NoxBetItem &row = betItem(id);
        if (row.wins(value)) {
            won = true;
            m_profit += row.gain(kUnit);
        } else {
            m_profit -= kUnit;
        }
    }
    ++m_coups;
    if (!decided) {
        ++m_pushes;
    } else if (won) {
        ++m_wins;
        m_gap = 0;
    } else {
        m_largestGap = std::max(m_largestGap, ++m_gap);
    }
    m_peak = std::max(m_peak, m_profit);
    m_largestDrawdown = std::max(m_largestDrawdown, m_peak - m_profit);
}

double NoxFlatStake::ratio() const
{
    const int decided = m_coups - m_pushes;
    return decided > 0 ? 100.0 * m_wins / decided : 0.0;
}

} // namespace Nox
