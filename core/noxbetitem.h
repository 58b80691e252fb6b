#pragma once

#include "core/noxenums.h"

#include <QList>
#include <QString>

#include <atomic>
#include <span>

namespace Nox {

/// One row of the bet item table: a place of the table, what it pays and which results win it.
class NoxBetItem
{
    Q_GADGET
    Q_PROPERTY(Nox::NoxBetItemID id READ id CONSTANT)
    Q_PROPERTY(Nox::NoxMethodType type READ type CONSTANT)
    Q_PROPERTY(QString name READ name CONSTANT)

public:
    NoxBetItem() = default;
    NoxBetItem(NoxBetItemID id, NoxMethodType type, int payout, QList<int> nums, QString name)
        : m_id(id)
        , m_type(type)
        , m_payout(payout)
        , m_nums(std::move(nums))
        , m_name(std::move(name))
    {
        for (int n : m_nums) {
            if (n >= 0 && n < 64) {
                m_numberBits |= quint64(1) << n;
            }
        }
    }

    [[nodiscard]] NoxBetItemID id() const { return m_id; }
    [[nodiscard]] NoxMethodType type() const { return m_type; }
    /// Net gain of a win in percent of the stake (3500 = 35 to 1).
    [[nodiscard]] int payout() const { return m_payout; }
    [[nodiscard]] const QList<int> &nums() const { return m_nums; }
    [[nodiscard]] QString name() const { return m_name; }

    [[nodiscard]] bool wins(int value) const
    {
        // The settlement asks this of every staked item at every coup: a bit test, not a search.
        if (value >= 0 && value < 64) {
            return (m_numberBits >> value) & 1u;
        }
        return m_nums.contains(value);
    }
    /// Net gain of a winning stake, truncated toward zero. In 64 bits: stake × payout passes
    /// the int range long before the money guard (30,000.00 on the tie already does).
    [[nodiscard]] qint64 gain(qint64 stake) const { return stake * m_payout / 100; }

private:
    NoxBetItemID m_id = NoxBetItemID::none;
    NoxMethodType m_type = NoxMethodType::none;
    int m_payout = 0;
    QList<int> m_nums;
    quint64 m_numberBits = 0; ///< bit n set when n (below 64) is one of m_nums
    QString m_name;
};

namespace detail {
inline constexpr int kBetItemKeys = int(NoxBetItemID::B_BANKER) + 1;
/// The row of each identifier, published once the table is built (null before, and for an
/// identifier without a row): the bet sheet looks items up hundreds of times a coup.
inline std::atomic<const NoxBetItem *> betItemRows[kBetItemKeys] = {};
[[nodiscard]] const NoxBetItem &betItemSlow(NoxBetItemID id);
} // namespace detail

/// The row of `id`; an identifier without a row yields the first row (N0).
[[nodiscard]] inline const NoxBetItem &betItem(NoxBetItemID id)
{
    if (const auto key = unsigned(id); key < unsigned(detail::kBetItemKeys)) {
        if (const NoxBetItem *row = detail::betItemRows[key].load(std::memory_order_acquire)) {
            return *row;
        }
    }
    return detail::betItemSlow(id);
}
/// Whether `id` has a row of its own in the table.
[[nodiscard]] bool hasBetItem(NoxBetItemID id);

/// At baccarat a tie returns the player and banker stakes: those bets are neither won nor lost.
[[nodiscard]] inline bool isPushed(NoxBetItemID id, int value, bool baccarat)
{
    return baccarat && value == 0 && (id == NoxBetItemID::B_PLAYER || id == NoxBetItemID::B_BANKER);
}
/// The whole table (148 rows) in table order. Built once, never changed.
[[nodiscard]] std::span<const NoxBetItem> betItems();

} // namespace Nox

Q_DECLARE_METATYPE(Nox::NoxBetItem)
