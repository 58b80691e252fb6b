#include "money/montantecs.h"

#include "engine/noxmethod.h"

#include <algorithm>
#include <array>

namespace Nox {

namespace {
constexpr std::array<int, 13> kMiseTable{1, 2, 4, 8, 16, 32, 64, 128, 256, 512, 1024, 2048, 4096};

int keyOf(const NoxMethod *method)
{
    return method ? method->index() : -1;
}
} // namespace

MontanteCS::MontanteCS(QString name)
    : NoxMontante(std::move(name), true)
{}

int MontanteCS::lossCount(const NoxMethod *method) const
{
    return m_lossCounts.value(keyOf(method), 0);
}

int MontanteCS::computeMise(int, const NoxMethod *method)
{
    return kMiseTable[size_t(std::min(lossCount(method), 12))];
}

void MontanteCS::applyResult(int, bool won, int, const NoxMethod *method)
{
    int &count = m_lossCounts[keyOf(method)];
    count = won ? 0 : count + 1;
}

} // namespace Nox
