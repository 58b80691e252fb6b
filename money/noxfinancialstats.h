#pragma once

#include <QList>

namespace Nox {

/// Statistics of the settled coups since the last reset: counters, stake total and maximum,
/// and a window of the results and stakes of the coups that changed the capital.
struct NoxFinancialStats {
    int betLossCount = 0;
    int betWinCount = 0;
    QList<qint64> profitList; ///< results (capital − starting capital), 64-bit as the capital

    QList<int> betList;
    qint64 betTotal = 0; // 64 bits: a long session of large stakes passes 2^31 hundredths
    int betMax = 0;
    qint64 profitMax = 0;
    qint64 profitMin = 0;
    qint64 profit = 0;
    int historySize = 100;

    /// Records the result and the stake of a coup that changed the capital, keeping at most
    /// historySize entries; the extremes follow the window.
    void record(qint64 result, int stake);

    friend bool operator==(const NoxFinancialStats &, const NoxFinancialStats &) = default;
};

} // namespace Nox
