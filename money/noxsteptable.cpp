#include "money/noxsteptable.h"

#include "money/noxmontante.h"

#include <algorithm>

namespace Nox {

namespace {
// Far above any bankroll the engine takes: past it a table would only overflow.
constexpr qint64 kMaxAmount = qint64(1) << 52;
} // namespace

NoxStepTable NoxStepTable::compute(NoxMontante &montante, int items, qint64 chip, const Limits &limits,
                                   int maxSteps)
{
    NoxStepTable table;
    items = std::max(items, 1);
    chip = std::max<qint64>(chip, 1);
    qint64 lost = 0;
    for (int i = 0; i < maxSteps; ++i) {
        const int multiplier = std::max(montante.computeMise(items, nullptr), 1);
        const qint64 perItem = qint64(multiplier) * chip;
        if (perItem > kMaxAmount / items) {
            break;
        }
        const qint64 stake = perItem * items;
        if (limits.tableLimit > 0 && perItem > limits.tableLimit && table.m_firstOverTable < 0) {
            table.m_firstOverTable = i;
        }
        if (limits.maxStake > 0 && stake > limits.maxStake && table.m_firstOverMaxStake < 0) {
            table.m_firstOverMaxStake = i;
        }
        const bool unpaid = limits.capital > 0 && lost + stake > limits.capital;
        lost += stake;
        if (limits.lossLimit > 0 && lost > limits.lossLimit && table.m_firstOverLossLimit < 0) {
            table.m_firstOverLossLimit = i;
        }
        table.m_steps.append({stake, lost});
        if (unpaid) {
            table.m_firstOverCapital = i;
            break;
        }
        montante.applyResult(multiplier, false, items, nullptr);
    }
    return table;
}

} // namespace Nox
