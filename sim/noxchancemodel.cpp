#include "noxchancemodel.h"

#include "core/noxbetitem.h"

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
    const auto rowOf = [this](NoxBetItemID id) {
        Row r;
        for (int value = 0; value < m_odds.size(); ++value) {
            r.payoff.append(payoff(id, 1.0, value, m_baccarat));
            r.won.append(isWon(id, value, m_baccarat));
        }
        return r;
    };
    for (const NoxBetItem &item : betItems()) {
        m_rows.insert(int(item.id()), rowOf(item.id()));
    }
    m_missing = rowOf(NoxBetItemID::none);
    for (auto it = m_rows.begin(); it != m_rows.end(); ++it) {
        it->single = predict(std::array<QPair<NoxBetItemID, double>, 1>{{{NoxBetItemID(it.key()), 1.0}}});
    }
    m_missing.single = predict(std::array<QPair<NoxBetItemID, double>, 1>{{{NoxBetItemID::none, 1.0}}});
}

const NoxChanceModel::Row &NoxChanceModel::row(NoxBetItemID id) const
{
    const auto it = m_rows.constFind(int(id));
    return it != m_rows.cend() ? *it : m_missing;
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
    constexpr int kMaxValues = 37;
    const int values = int(m_odds.size());
    std::array<double, kMaxValues> result{};
    std::array<bool, kMaxValues> won{};
    for (const auto &[id, stake] : stakes) {
        const Row &r = row(id);
        for (int value = 0; value < values; ++value) {
            result[value] += stake * r.payoff.at(value);
            won[value] = won[value] || r.won.at(value);
        }
    }
    Coup c;
    double squares = 0;
    for (int value = 0; value < values; ++value) {
        const double p = m_odds.at(value);
        c.win += won[value] ? p : 0;
        c.profit += p * result[value];
        squares += p * result[value] * result[value];
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
        return row(items.first()).single;
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
