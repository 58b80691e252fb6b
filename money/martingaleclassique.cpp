#include "money/martingaleclassique.h"

#include <algorithm>

namespace Nox {

MartingaleClassique::MartingaleClassique(QString name, int payout, int target, bool perMethod)
    : NoxMontante(std::move(name), perMethod)
    , m_payout(payout)
    , m_target(target)
{}

int MartingaleClassique::computeMise(int nbItems, const NoxMethod *)
{
    m_deficit = std::max(m_deficit, 0);
    const int items = std::clamp(nbItems, 0, m_payout - 1);
    return recoveringMultiplier(m_deficit + m_target, m_payout, items);
}

void MartingaleClassique::applyResult(int mise, bool won, int nbItems, const NoxMethod *)
{
    m_deficit += mise * nbItems;
    if (won) {
        m_deficit -= mise * m_payout;
    }
}

} // namespace Nox
