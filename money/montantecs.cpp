#include "money/montantecs.h"

#include "core/noxmethod.h"

#include <algorithm>
#include <array>

namespace Nox {

namespace {
constexpr std::array<int, 13> kMiseTable{1, 2, 4, 8, 16, 32, 64, 128, 256, 512, 1024, 2048, 4096};

qsizetype slotOf(const NoxMethod *method)
{
    return method ? qsizetype(method->index()) + 1 : 0;
}
} // namespace

MontanteCS::MontanteCS(QString name)
    : NoxMontante(std::move(name), true)
{}

int MontanteCS::lossCount(const NoxMethod *method) const
{
    const qsizetype slot = slotOf(method);
    return slot >= 0 && std::size_t(slot) < m_lossCounts.size() ? m_lossCounts[std::size_t(slot)] : 0;
}

int MontanteCS::computeMise(int, const NoxMethod *method)
{
    return kMiseTable[size_t(std::min(lossCount(method), 12))];
}

void MontanteCS::applyResult(int, bool won, int, const NoxMethod *method)
{
    const qsizetype slot = slotOf(method);
    if (slot < 0) {
        return;
    }
    if (std::size_t(slot) >= m_lossCounts.size()) {
        m_lossCounts.resize(std::size_t(slot) + 1, 0);
    }
    int &count = m_lossCounts[std::size_t(slot)];
    count = won ? 0 : count + 1;
}

} // namespace Nox
