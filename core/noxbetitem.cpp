#include "core/noxbetitem.h"

#include <QMetaEnum>

#include <vector>

namespace Nox {
namespace {

QString keyOf(NoxBetItemID id)
{
    return QString::fromLatin1(QMetaEnum::fromType<NoxBetItemID>().valueToKey(int(id)));
}

QList<int> range(int first, int last, int step = 1)
{
    QList<int> nums;
    for (int n = first; n <= last; n += step) {
        nums.append(n);
    }
    return nums;
}

// The two numbers of a cheval are spelled in its name ("CH4_5").
QList<int> chevalNumbers(const QString &name)
{
    const QStringList parts = name.mid(2).split(QLatin1Char('_'));
    return {parts.value(0).toInt(), parts.value(1).toInt()};
}

std::vector<NoxBetItem> buildTable()
{
    std::vector<NoxBetItem> rows;
    rows.reserve(148);
    for (int n = 0; n <= 36; ++n) {
        rows.emplace_back(NoxBetItemID(n), NoxMethodType::plein, 3500, QList<int>{n},
                          QStringLiteral("N%1").arg(n));
    }
    for (int id = int(NoxBetItemID::CH_FIRST); id <= int(NoxBetItemID::CH_LAST); ++id) {
        const QString name = keyOf(NoxBetItemID(id));
        rows.emplace_back(NoxBetItemID(id), NoxMethodType::cheval, 1700, chevalNumbers(name), name);
    }
    for (int k = 1; k <= 12; ++k) {
        rows.emplace_back(NoxBetItemID(int(NoxBetItemID::T1) + k - 1), NoxMethodType::trans, 1100,
                          range(3 * k - 2, 3 * k), QStringLiteral("TX%1").arg(k));
    }
    // A carré is anchored on its top-left number; the anchors skip the third column.
    int k = 1;
    for (int top = 1; top <= 32; ++top) {
        if (top % 3 == 0) {
            continue;
        }
        rows.emplace_back(NoxBetItemID(int(NoxBetItemID::CA1) + k - 1), NoxMethodType::carre, 800,
                          QList<int>{top, top + 1, top + 3, top + 4}, QStringLiteral("CA%1").arg(k));
        ++k;
    }
    for (int s = 1; s <= 6; ++s) {
        rows.emplace_back(NoxBetItemID(int(NoxBetItemID::SX1) + s - 1), NoxMethodType::sixain, 500,
                          range(6 * s - 5, 6 * s), QStringLiteral("SX%1").arg(s));
    }
    for (int c = 1; c <= 3; ++c) {
        rows.emplace_back(NoxBetItemID(int(NoxBetItemID::CL1) + c - 1), NoxMethodType::col, 200,
                          range(c, c + 33, 3), QStringLiteral("C%1").arg(c));
    }
    for (int d = 1; d <= 3; ++d) {
        rows.emplace_back(NoxBetItemID(int(NoxBetItemID::DZ1) + d - 1), NoxMethodType::douz, 200,
                          range(12 * d - 11, 12 * d), QStringLiteral("D%1").arg(d));
    }
    const QList<int> red{1, 3, 5, 7, 9, 12, 14, 16, 18, 19, 21, 23, 25, 27, 30, 32, 34, 36};
    QList<int> black;
    for (int n = 1; n <= 36; ++n) {
        if (!red.contains(n)) {
            black.append(n);
        }
    }
    const auto cs = [&rows](NoxBetItemID id, QList<int> nums) {
        rows.emplace_back(id, NoxMethodType::cs, 100, std::move(nums), keyOf(id));
    };
    cs(NoxBetItemID::CS_R, red);
    cs(NoxBetItemID::CS_N, black);
    cs(NoxBetItemID::CS_1_18, range(1, 18));
    cs(NoxBetItemID::CS_19_36, range(19, 36));
    cs(NoxBetItemID::CS_P, range(2, 36, 2));
    cs(NoxBetItemID::CS_I, range(1, 35, 2));
    rows.emplace_back(NoxBetItemID::B_TIE, NoxMethodType::plein, 800, QList<int>{0}, QStringLiteral("B_TIE"));
    rows.emplace_back(NoxBetItemID::B_BANKER, NoxMethodType::cs, 95, QList<int>{2},
                      QStringLiteral("B_BANKER"));
    rows.emplace_back(NoxBetItemID::B_PLAYER, NoxMethodType::cs, 100, QList<int>{1},
                      QStringLiteral("B_PLAYER"));
    return rows;
}

// The rows, built once; building them publishes each row in detail::betItemRows, the direct
// index from identifier to row that the settlement and the aggregation read at every coup.
struct Table {
    std::vector<NoxBetItem> rows = buildTable();
    Table()
    {
        for (const NoxBetItem &row : rows) {
            detail::betItemRows[std::size_t(row.id())].store(&row, std::memory_order_release);
        }
    }
    /// The row of `id`, or nullptr when it has none.
    [[nodiscard]] static const NoxBetItem *row(NoxBetItemID id)
    {
        const auto key = unsigned(id);
        return key < unsigned(detail::kBetItemKeys) ? detail::betItemRows[key].load(std::memory_order_acquire)
                                                    : nullptr;
    }
};

const Table &table()
{
    static const Table t;
    return t;
}

} // namespace

const NoxBetItem &detail::betItemSlow(NoxBetItemID id)
{
    const Table &t = table();
    const NoxBetItem *row = Table::row(id);
    return row ? *row : t.rows.front();
}

bool hasBetItem(NoxBetItemID id)
{
    table();
    return Table::row(id) != nullptr;
}

std::span<const NoxBetItem> betItems()
{
    return table().rows;
}

} // namespace Nox
