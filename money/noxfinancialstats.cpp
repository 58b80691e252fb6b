#include "money/noxfinancialstats.h"

#include <algorithm>

namespace Nox {

void NoxFinancialStats::record(qint64 result, int stake)
{
    profit = result;
    profitMin = std::min(profitMin, result);
    profitMax = std::max(profitMax, result);
    profitList.append(result);
    betList.append(stake);
    if (historySize > 0 && profitList.size() > historySize) {
        const qint64 oldProfit = profitList.takeFirst();
        if (oldProfit == profitMax) {
            profitMax = *std::max_element(profitList.cbegin(), profitList.cend());
        }
        if (oldProfit == profitMin) {
            profitMin = *std::min_element(profitList.cbegin(), profitList.cend());
        }
        const int oldStake = betList.takeFirst();
        if (oldStake == betMax) {
            betMax = *std::max_element(betList.cbegin(), betList.cend());
        }
    }
}

} // namespace Nox
