#pragma once

#include "core/noxenums.h"

namespace Nox {

/// A bet item and an amount.
class NoxBetItemValue
{
    Q_GADGET
    Q_PROPERTY(Nox::NoxBetItemID id MEMBER m_id)
    Q_PROPERTY(int bet MEMBER m_bet)

public:
    NoxBetItemValue() = default;
    NoxBetItemValue(NoxBetItemID id, int bet)
        : m_id(id)
        , m_bet(bet)
    {}

    [[nodiscard]] NoxBetItemID id() const { return m_id; }
    [[nodiscard]] int bet() const { return m_bet; }
    void setBet(int bet) { m_bet = bet; }

    friend bool operator==(const NoxBetItemValue &, const NoxBetItemValue &) = default;

private:
    NoxBetItemID m_id = NoxBetItemID::none;
    int m_bet = 0;
};

} // namespace Nox

Q_DECLARE_METATYPE(Nox::NoxBetItemValue)
Q_DECLARE_METATYPE(QList<Nox::NoxBetItemValue>)
