#include "autobet/noxclickplanner.h"

#include <QCoreApplication>
#include <QMetaEnum>

#include <cstdint>
#include <limits>
#include <numeric>
#include <vector>

namespace Nox {

namespace {

constexpr int kChipCount = 8;
constexpr std::uint32_t kUnreachable = std::numeric_limits<std::uint32_t>::max();

QString tr(const char *text)
{
    return QCoreApplication::translate("NoxClickPlanner", text);
}

/// The fewest chips that make every amount up to a limit, with the last chip of one such way
/// (unbounded change making by dynamic programming).
struct ChangeTable {
    std::vector<std::uint32_t> count;
    std::vector<std::uint8_t> last;

    ChangeTable(const std::vector<qint64> &units, qint64 limit)
        : count(size_t(limit) + 1, kUnreachable)
        , last(size_t(limit) + 1, 0)
    {
        count[0] = 0;
        for (qint64 a = 1; a <= limit; ++a) {
            std::uint32_t best = kUnreachable;
            for (size_t j = 0; j < units.size(); ++j) {
                if (units[j] <= a && count[size_t(a - units[j])] != kUnreachable &&
                    count[size_t(a - units[j])] + 1 < best) {
                    best = count[size_t(a - units[j])] + 1;
                    last[size_t(a)] = std::uint8_t(j);
                }
            }
            count[size_t(a)] = best;
        }
    }

    /// Adds to `counts` the chips that make `amount`; false when none do.
    bool decompose(qint64 amount, const std::vector<qint64> &units, std::vector<qint64> &counts) const
    {
        if (count[size_t(amount)] == kUnreachable) {
            return false;
        }
        while (amount > 0) {
            const size_t j = last[size_t(amount)];
            ++counts[j];
            amount -= units[j];
        }
        return true;
    }
};

struct Stake {
    NoxBetItemID id;
    qint64 units;
};

/// Chips per stake (rows) and chip (columns), or none when a stake cannot be made.
using Decomposition = std::vector<std::vector<qint64>>;

/// Every subset of the chips: the one whose plan has the fewest clicks, chip selections
/// included. Stakes are small here, so each subset's table is cheap.
std::optional<Decomposition> searchSubsets(const std::vector<Stake> &stakes, const std::vector<qint64> &units,
                                           qint64 largest, int *failedStake)
{
    const size_t n = units.size();
    qint64 bestCost = std::numeric_limits<qint64>::max();
    unsigned bestMask = 0;
    for (unsigned mask = 1; mask < (1u << n); ++mask) {
        std::vector<qint64> subset;
        for (size_t j = 0; j < n; ++j) {
            if (mask & (1u << j)) {
                subset.push_back(units[j]);
            }
        }
        const ChangeTable table(subset, largest);
        qint64 cost = qint64(subset.size());
        bool makeable = true;
        for (const Stake &s : stakes) {
            if (table.count[size_t(s.units)] == kUnreachable) {
                makeable = false;
                break;
            }
            cost += table.count[size_t(s.units)];
        }
        if (makeable && cost < bestCost) {
            bestCost = cost;
            bestMask = mask;
        }
    }
    if (bestMask == 0) {
        // Not even every chip makes it: name the first stake that cannot be made.
        const ChangeTable all(units, largest);
        for (size_t i = 0; i < stakes.size(); ++i) {
            if (all.count[size_t(stakes[i].units)] == kUnreachable) {
                *failedStake = int(i);
                break;
            }
        }
        return std::nullopt;
    }
    std::vector<qint64> subset;
    std::vector<size_t> columns;
    for (size_t j = 0; j < n; ++j) {
        if (bestMask & (1u << j)) {
            subset.push_back(units[j]);
            columns.push_back(j);
        }
    }
    const ChangeTable table(subset, largest);
    Decomposition result;
    for (const Stake &s : stakes) {
        std::vector<qint64> local(subset.size(), 0);
        table.decompose(s.units, subset, local);
        std::vector<qint64> row(n, 0);
        for (size_t j = 0; j < subset.size(); ++j) {
            row[columns[j]] = local[j];
        }
        result.push_back(row);
    }
    return result;
}

/// Large stakes: the fewest chips for each stake with every chip; beyond the exact limit the
/// largest chip makes the excess.
std::optional<Decomposition> fewestPerStake(const std::vector<Stake> &stakes,
                                            const std::vector<qint64> &units, int *failedStake)
{
    const size_t top = size_t(std::max_element(units.begin(), units.end()) - units.begin());
    const qint64 biggest = units[top];
    std::vector<qint64> rest(stakes.size());
    std::vector<qint64> extra(stakes.size(), 0);
    qint64 limit = 0;
    for (size_t i = 0; i < stakes.size(); ++i) {
        qint64 amount = stakes[i].units;
        if (amount > NoxClickPlanner::kExactLimit) {
            extra[i] = (amount - NoxClickPlanner::kExactLimit + biggest - 1) / biggest;
            amount -= extra[i] * biggest;
        }
        rest[i] = amount;
        limit = std::max(limit, amount);
    }
    const ChangeTable table(units, limit);
    Decomposition result;
    for (size_t i = 0; i < stakes.size(); ++i) {
        std::vector<qint64> row(units.size(), 0);
        if (!table.decompose(rest[i], units, row)) {
            *failedStake = int(i);
            return std::nullopt;
        }
        row[top] += extra[i];
        result.push_back(row);
    }
    return result;
}

} // namespace

QString NoxClickPlanner::itemName(NoxBetItemID id)
{
    switch (id) {
    case NoxBetItemID::B_TIE:
        return QStringLiteral("TIE");
    case NoxBetItemID::B_PLAYER:
        return QStringLiteral("PLAYER");
    case NoxBetItemID::B_BANKER:
        return QStringLiteral("BANKER");
    case NoxBetItemID::X_DBL:
        return tr("doubler");
    default:
        break;
    }
    if (id >= NoxBetItemID::JETON_1 && id <= NoxBetItemID::JETON_8) {
        return tr("jeton %1").arg(int(id) - int(NoxBetItemID::JETON_1) + 1);
    }
    const char *key = QMetaEnum::fromType<NoxBetItemID>().valueToKey(int(id));
    return key ? QString::fromLatin1(key) : QString::number(int(id));
}

QString NoxClickPlanner::money(qint64 amount)
{
    return QString::asprintf("%.2f", double(amount) / 100.0);
}

NoxClickPlan NoxClickPlanner::plan(const NoxBetList &bets, const QList<int> &jetonValues,
                                   bool toggleJetonMode)
{
    std::vector<Stake> stakes;
    for (const NoxBet &bet : bets) {
        if (bet.bet > 0 && bet.id != NoxBetItemID::none) {
            stakes.push_back({bet.id, bet.bet});
        }
    }
    std::sort(stakes.begin(), stakes.end(), [](const Stake &a, const Stake &b) { return a.id < b.id; });
    if (stakes.empty()) {
        return {true, {}, {}};
    }

    std::vector<int> chipIndex;
    std::vector<qint64> units;
    qint64 divisor = 0;
    for (int k = 0; k < std::min<int>(kChipCount, int(jetonValues.size())); ++k) {
        if (jetonValues[k] > 0) {
            chipIndex.push_back(k);
            units.push_back(jetonValues[k]);
            divisor = std::gcd(divisor, qint64(jetonValues[k]));
        }
    }
    if (units.empty()) {
        return NoxClickPlan::failure(tr("Aucun jeton disponible : activez vos jetons dans la calibration."));
    }
    const auto cannotMake = [&](const Stake &s, qint64 amount) {
        return NoxClickPlan::failure(
            tr("La mise de %1 sur %2 ne peut pas être faite avec les jetons disponibles.")
                .arg(money(amount), itemName(s.id)));
    };
    for (Stake &s : stakes) {
        if (s.units % divisor != 0) {
            return cannotMake(s, s.units);
        }
        s.units /= divisor;
    }
    for (qint64 &u : units) {
        u /= divisor;
    }

    qint64 largest = 0;
    for (const Stake &s : stakes) {
        largest = std::max(largest, s.units);
    }
    int failed = -1;
    const std::optional<Decomposition> made = largest <= kSubsetSearchLimit
                                                  ? searchSubsets(stakes, units, largest, &failed)
                                                  : fewestPerStake(stakes, units, &failed);
    if (!made) {
        const Stake &s = stakes[size_t(std::max(failed, 0))];
        return cannotMake(s, s.units * divisor);
    }

    // Larger chips first, each selected once, then every place that takes it.
    std::vector<size_t> order(units.size());
    std::iota(order.begin(), order.end(), size_t(0));
    std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) { return units[a] > units[b]; });
    NoxClickPlan result{true, {}, {}};
    NoxBetItemID lastChip = NoxBetItemID::none;
    for (size_t j : order) {
        bool selected = false;
        for (size_t i = 0; i < stakes.size(); ++i) {
            const qint64 count = (*made)[i][j];
            if (count <= 0) {
                continue;
            }
            if (!selected) {
                lastChip = NoxBetItemID(int(NoxBetItemID::JETON_1) + chipIndex[j]);
                result.sequence.append(lastChip);
                selected = true;
            }
            for (qint64 c = 0; c < count; ++c) {
                result.sequence.append(stakes[i].id);
            }
        }
    }
    if (toggleJetonMode && lastChip != NoxBetItemID::none) {
        result.sequence.append(lastChip);
    }
    return result;
}

std::optional<QMap<NoxBetItemID, qint64>> NoxClickPlanner::replay(const QList<NoxBetItemID> &sequence,
                                                                  const QList<int> &jetonValues,
                                                                  bool toggleJetonMode, QString *error)
{
    const auto fail = [error](const QString &why) {
        if (error) {
            *error = why;
        }
        return std::nullopt;
    };
    QMap<NoxBetItemID, qint64> table;
    int selected = -1;
    for (NoxBetItemID id : sequence) {
        if (id >= NoxBetItemID::JETON_1 && id <= NoxBetItemID::JETON_8) {
            const int k = int(id) - int(NoxBetItemID::JETON_1);
            if (k >= jetonValues.size() || jetonValues[k] <= 0) {
                return fail(tr("%1 n'est pas disponible.").arg(itemName(id)));
            }
            selected = (toggleJetonMode && selected == k) ? -1 : k;
        } else if (id == NoxBetItemID::X_DBL) {
            return fail(tr("Le bouton doubler ne peut pas être simulé."));
        } else if (selected < 0) {
            return fail(tr("%1 est cliqué sans jeton sélectionné.").arg(itemName(id)));
        } else {
            table[id] += jetonValues[selected];
        }
    }
    return table;
}

} // namespace Nox
