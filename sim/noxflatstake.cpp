#include "noxflatstake.h"

#include "core/noxbetitem.h"

#include <QJsonValue>

#include <algorithm>
#include <cmath>

namespace Nox {

namespace {

double score(double actual, const NoxExactSum &expected, const NoxExactSum &variance)
{
    const double v = variance.value();
    return v > 0 ? (actual - expected.value()) / std::sqrt(v) : 0.0;
}

} // namespace

NoxFlatStake::ChanceTerms NoxFlatStake::chanceTerms(const QList<NoxBetItemID> &items,
                                                    const NoxChanceModel &chance)
{
    const NoxChanceModel::Coup c = chance.flat(items);
    return {NoxExactSum::rounded(c.win), NoxExactSum::rounded(c.win * (1 - c.win)),
            NoxExactSum::rounded(c.profit), NoxExactSum::rounded(c.variance)};
}

void NoxFlatStake::record(const QList<NoxBetItemID> &items, int value, bool baccarat,
                          const ChanceTerms &terms)
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
        if (m_wins == 0) {
            ++m_leadingGap;
        }
        m_largestGap = std::max(m_largestGap, ++m_gap);
    }
    m_peak = std::max(m_peak, m_profit);
    m_lowest = std::min(m_lowest, m_profit);
    m_largestDrawdown = std::max(m_largestDrawdown, m_peak - m_profit);

    m_expectedWins.addRounded(terms.wins);
    m_winsVariance.addRounded(terms.winsVariance);
    m_expectedProfit.addRounded(terms.profit);
    m_profitVariance.addRounded(terms.profitVariance);
}

void NoxFlatStake::append(const NoxFlatStake &later)
{
    // A gap that runs across the seam: the losses since our last win, then its leading ones.
    m_largestGap = std::max({m_largestGap, later.m_largestGap, m_gap + later.m_leadingGap});
    if (m_wins == 0) {
        m_leadingGap += later.m_leadingGap;
    }
    m_gap = later.m_wins > 0 ? later.m_gap : m_gap + later.m_gap;
    // A drawdown from our peak to its low, which it reaches from our final profit.
    m_largestDrawdown =
        std::max({m_largestDrawdown, later.m_largestDrawdown, m_peak - (m_profit + later.m_lowest)});
    m_peak = std::max(m_peak, m_profit + later.m_peak);
    m_lowest = std::min(m_lowest, m_profit + later.m_lowest);
    m_profit += later.m_profit;
    m_staked += later.m_staked;
    m_coups += later.m_coups;
    m_wins += later.m_wins;
    m_pushes += later.m_pushes;
    m_expectedWins += later.m_expectedWins;
    m_winsVariance += later.m_winsVariance;
    m_expectedProfit += later.m_expectedProfit;
    m_profitVariance += later.m_profitVariance;
}

namespace {

template<typename T>
bool sumFits(T a, T b)
{
    T sum{};
    return !__builtin_add_overflow(a, b, &sum);
}

// The most a unit wins (a straight-up number at roulette), and the most items one coup bets on.
constexpr qint64 kMaxPayout = 35;
constexpr qint64 kMaxItemsPerCoup = 1000;

} // namespace

bool NoxFlatStake::canAppend(const NoxFlatStake &later) const
{
    return sumFits(m_coups, later.m_coups) && sumFits(m_wins, later.m_wins) &&
           sumFits(m_pushes, later.m_pushes) && sumFits(m_leadingGap, later.m_leadingGap) &&
           sumFits(m_gap, later.m_gap) && sumFits(m_profit, later.m_profit) &&
           sumFits(m_staked, later.m_staked) && sumFits(m_profit, later.m_peak) &&
           sumFits(m_profit, later.m_lowest) && sumFits(m_peak, -later.m_lowest) &&
           sumFits(m_peak - m_profit, -later.m_lowest) && m_expectedWins.canAdd(later.m_expectedWins) &&
           m_winsVariance.canAdd(later.m_winsVariance) && m_expectedProfit.canAdd(later.m_expectedProfit) &&
           m_profitVariance.canAdd(later.m_profitVariance);
}

bool NoxFlatStake::isConsistent() const
{
    constexpr qint64 kUnit = 100;
    const qint64 losses = qint64(m_coups) - m_wins - m_pushes;
    const qint64 units = m_staked / kUnit; // one per item and coup
    const bool counts = m_coups >= 0 && m_wins >= 0 && m_pushes >= 0 && losses >= 0 && m_largestGap >= 0 &&
                        m_leadingGap >= 0 && m_gap >= 0 && m_largestGap <= losses &&
                        m_leadingGap <= m_largestGap && m_gap <= m_largestGap;
    const bool stakes = m_staked % kUnit == 0 && units >= m_coups && units <= m_coups * kMaxItemsPerCoup;
    const bool money = stakes && m_profit >= -m_staked && m_profit <= m_staked * kMaxPayout &&
                       m_peak >= std::max<qint64>(0, m_profit) && m_peak <= m_staked * kMaxPayout &&
                       m_lowest <= std::min<qint64>(0, m_profit) && m_lowest >= -m_staked &&
                       m_largestDrawdown >= m_peak - m_profit && m_largestDrawdown <= m_peak - m_lowest;
    // Per coup a win probability and its variance within [0, 1]; per unit staked an expected
    // result within [-1, kMaxPayout] and a variance within (kMaxPayout + 1)² times the units.
    const qint64 spread = (kMaxPayout + 1) * (kMaxPayout + 1) * kMaxItemsPerCoup;
    const bool chance = m_expectedWins.fits(m_coups, 0, 1) && m_winsVariance.fits(m_coups, 0, 1) &&
                        m_expectedProfit.fits(units, -1, kMaxPayout) &&
                        m_profitVariance.fits(units, 0, spread);
    return counts && money && chance;
}

double NoxFlatStake::ratio() const
{
    const int decided = m_coups - m_pushes;
    return decided > 0 ? 100.0 * m_wins / decided : 0.0;
}

double NoxFlatStake::profitDeviation() const
{
    return std::sqrt(m_profitVariance.value());
}

double NoxFlatStake::profitScore() const
{
    return score(profit(), m_expectedProfit, m_profitVariance);
}

double NoxFlatStake::winsScore() const
{
    return score(m_wins, m_expectedWins, m_winsVariance);
}

QJsonObject NoxFlatStake::toJson() const
{
    return QJsonObject{
        {QStringLiteral("coups"), m_coups},
        {QStringLiteral("wins"), m_wins},
        {QStringLiteral("pushes"), m_pushes},
        {QStringLiteral("ratio"), ratio()},
        {QStringLiteral("largestGap"), m_largestGap},
        {QStringLiteral("leadingGap"), m_leadingGap},
        {QStringLiteral("trailingGap"), m_gap},
        {QStringLiteral("profit"), profit()},
        {QStringLiteral("staked"), staked()},
        {QStringLiteral("peakProfit"), m_peak / 100.0},
        {QStringLiteral("lowestProfit"), m_lowest / 100.0},
        {QStringLiteral("largestDrawdown"), largestDrawdown()},
        {QStringLiteral("expectedWins"), expectedWins()},
        {QStringLiteral("expectedProfit"), expectedProfit()},
        {QStringLiteral("profitDeviation"), profitDeviation()},
        {QStringLiteral("profitScore"), profitScore()},
        {QStringLiteral("winsScore"), winsScore()},
        {QStringLiteral("chance"),
         QJsonObject{{QStringLiteral("wins"), m_expectedWins.toString()},
                     {QStringLiteral("winsVariance"), m_winsVariance.toString()},
                     {QStringLiteral("profit"), m_expectedProfit.toString()},
                     {QStringLiteral("profitVariance"), m_profitVariance.toString()}}},
    };
}

bool NoxFlatStake::fromJson(const QJsonObject &object, NoxFlatStake *record)
{
    bool ok = true;
    const auto count = [&](const char *key) {
        const QJsonValue v = object.value(QLatin1String(key));
        ok = ok && v.isDouble() && v.toDouble() >= 0 && v.toDouble() <= 2e9;
        return v.toInt();
    };
    // Amounts in units with exact hundredths.
    const auto hundredths = [&](const char *key) {
        const QJsonValue v = object.value(QLatin1String(key));
        ok = ok && v.isDouble() && std::abs(v.toDouble()) < 1e15;
        return qint64(std::llround(v.toDouble() * 100));
    };
    const QJsonObject chance = object.value(QStringLiteral("chance")).toObject();
    const auto sum = [&](const char *key) {
        const auto s = NoxExactSum::fromString(chance.value(QLatin1String(key)).toString());
        ok = ok && s.has_value();
        return s.value_or(NoxExactSum{});
    };
    NoxFlatStake r;
    r.m_coups = count("coups");
    r.m_wins = count("wins");
    r.m_pushes = count("pushes");
    r.m_largestGap = count("largestGap");
    r.m_leadingGap = count("leadingGap");
    r.m_gap = count("trailingGap");
    r.m_profit = hundredths("profit");
    r.m_staked = hundredths("staked");
    r.m_peak = hundredths("peakProfit");
    r.m_lowest = hundredths("lowestProfit");
    r.m_largestDrawdown = hundredths("largestDrawdown");
    r.m_expectedWins = sum("wins");
    r.m_winsVariance = sum("winsVariance");
    r.m_expectedProfit = sum("profit");
    r.m_profitVariance = sum("profitVariance");
    if (!ok || !r.isConsistent()) {
        return false;
    }
    *record = r;
    return true;
}

} // namespace Nox
