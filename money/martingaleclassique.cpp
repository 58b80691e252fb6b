#include "money/martingaleclassique.h"

#include <algorithm>
#include <climits>

namespace Nox {

MartingaleClassique::MartingaleClassique(QString name, int payout, int target, bool perMethod)
    : NoxMontante(std::move(name), perMethod)
    , m_payout(payout)
    , m_target(target)
{}

int MartingaleClassique::computeMise(int nbItems, const NoxMethod *)
{
    m_deficit = std::max<qint64>(m_deficit, 0);
    const int items = std::clamp(nbItems, 0, std::max(m_payout - 1, 0));
    // The smallest m >= 1 with m * payout >= deficit + target + m * items, in 64 bits.
    const qint64 need = m_deficit + m_target;
    const qint64 net = std::max(m_payout - items, 1);
    if (need <= net) {
        return 1;
    }
    return int(std::min<qint64>((need + net - 1) / net, INT_MAX));
}

void MartingaleClassique::applyResult(int mise, bool won, int nbItems, const NoxMethod *)
{
    qint64 deficit = m_deficit + qint64(mise) * nbItems;
    if (won) {
        deficit -= qint64(mise) * m_payout;
    }
    m_deficit = std::clamp(deficit, -maxDeficit(), maxDeficit());
}

int MartingaleClassique::deficit() const
{
    return int(std::clamp<qint64>(m_deficit, INT_MIN, INT_MAX));
}

qint64 MartingaleClassique::maxDeficit() const
{
    return qint64(INT_MAX) * std::max(m_payout, 1);
}

} // namespace Nox
