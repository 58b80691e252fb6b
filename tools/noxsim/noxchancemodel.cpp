#include "noxchancemodel.h"

#include "engine/noxbetitem.h"

#include <algorithm>
#include <array>

namespace Nox {

namespace {
constexpr int kRouletteNumbers = 37;
} // namespace

NoxChanceModel::NoxChanceModel(bool baccarat)
    : m_baccarat(baccarat)
{
    if (baccarat) {
        m_odds = {kBaccaratOdds[0], kBaccaratOdds[1], kBaccaratOdds[2]};
    } else {
        m_odds = QList<double>(kRouletteNumbers, 1.0 / kRouletteNumbers);
    }
    for (const NoxBetItem &row : betItems()) {
        const NoxBetItemID id = row.id();
        m_single.insert(int(id), predict(std::array<QPair<NoxBetItemID, double>, 1>{{{id, 1.0}}}));
    }
}

const NoxChanceModel &NoxChanceModel::of(bool baccarat)
{
    static const NoxChanceModel baccaratModel(true);
    static const NoxChanceModel rouletteModel(false);
    return baccarat ? baccaratModel : rouletteModel;
}

double NoxChanceModel::payoff(NoxBetItemID id, double stake, int value, bool baccarat)
{
    if (isPushed(id, value, baccarat)) {
        return 0;
    }
    const NoxBetItem &row = betItem(id);
    return row.wins(value) ? stake * row.payout() / 100.0 : -stake;
}

bool NoxChanceModel::isWon(NoxBetItemID id, int value, bool baccarat)
{
    return !isPushed(id, value, baccarat) && betItem(id).wins(value);
}

template<typename Stakes>
NoxChanceModel::Coup NoxChanceModel::predict(const Stakes &stakes) const
{
    Coup c;
    double squares = 0;
    for (int value = 0; value < m_odds.size(); ++value) {
        const double p = m_odds.at(value);
        double result = 0;
        bool won = false;
        for (const auto &[id, stake] : stakes) {
            result += payoff(id, stake, value, m_baccarat);
            won = won || isWon(id, value, m_baccarat);
        }
        c.win += won ? p : 0;
        c.profit += p * result;
        squares += p * result * result;
    }
    c.variance = std::max(0.0, squares - c.profit * c.profit);
    return c;
}

NoxChanceModel::Coup NoxChanceModel::flat(const QList<NoxBetItemID> &items) const
{
    if (items.isEmpty()) {
        return {};
    }
    if (items.size() == 1) {
        const auto it = m_single.constFind(int(items.first()));
        if (it != m_single.cend()) {
            return *it;
        }
    }
    QList<QPair<NoxBetItemID, double>> stakes;
    stakes.reserve(items.size());
    for (NoxBetItemID id : items) {
        stakes.append({id, 1.0});
    }
    return predict(stakes);
}

NoxChanceModel::Coup NoxChanceModel::bets(const NoxBetList &bets) const
{
    QList<QPair<NoxBetItemID, double>> stakes;
    stakes.reserve(bets.size());
    for (const NoxBet &bet : bets) {
        if (bet.bet > 0) {
            stakes.append({bet.id, double(bet.bet)});
        }
    }
    return stakes.isEmpty() ? Coup{} : predict(stakes);
}

} // namespace Nox
