#include "money/recup3pertes.h"

#include <algorithm>
#include <numeric>

namespace Nox {

Recup3Pertes::Recup3Pertes(QString name)
    : NoxMontante(std::move(name))
{}

int Recup3Pertes::computeMise(int nbItems, const NoxMethod *)
{
    m_multiplier = 1;
    if (m_window <= 0) {
        return 1;
    }
    const qsizetype n = std::min<qsizetype>(m_window, m_losses.size());
    const int need = std::accumulate(m_losses.cbegin(), m_losses.cbegin() + n, 0) + 1;
    // Like the other progressions, at most payout - 1 items count: with 36 or more no stake
    // could win anything back.
    m_multiplier = recoveringMultiplier(need, kPayout, std::clamp(nbItems, 0, kPayout - 1));
    return m_multiplier;
}

void Recup3Pertes::applyResult(int, bool won, int nbItems, const NoxMethod *)
{
    if (nbItems <= 0) {
        return;
    }
    if (won) {
        m_losses.remove(0, std::min<qsizetype>(m_window, m_losses.size()));
        m_window = int(std::min<qsizetype>(m_losses.size(), 3));
    } else {
        m_losses.append(nbItems * m_multiplier);
    }
}

void Recup3Pertes::reset()
{
    m_losses.clear();
    m_multiplier = 1;
    m_window = 0;
}

} // namespace Nox
