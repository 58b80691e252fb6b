#pragma once

#include "core/noxenums.h"

#include <QMetaEnum>

namespace Nox {

/// One played value as the played list shows it.
class NoxItem
{
    Q_GADGET
    Q_PROPERTY(int value MEMBER m_value)
    Q_PROPERTY(Nox::NoxItemColor color MEMBER m_color)
    Q_PROPERTY(QString colorName READ colorName)
    Q_PROPERTY(bool selected MEMBER m_selected)

public:
    NoxItem() = default;
    NoxItem(int value, NoxItemColor color, bool selected = false)
        : m_value(value)
        , m_color(color)
        , m_selected(selected)
    {}

    /// The item of a roulette number with its colour (0 green, CS_R numbers red, others black).
    [[nodiscard]] static NoxItem fromValue(int value);

    [[nodiscard]] int value() const { return m_value; }
    void setValue(int value) { m_value = value; }
    [[nodiscard]] NoxItemColor color() const { return m_color; }
    void setColor(NoxItemColor color) { m_color = color; }
    [[nodiscard]] bool selected() const { return m_selected; }
    void setSelected(bool selected) { m_selected = selected; }
    [[nodiscard]] QString colorName() const
    {
        return QString::fromLatin1(QMetaEnum::fromType<NoxItemColor>().valueToKey(int(m_color)));
    }

    friend bool operator==(const NoxItem &, const NoxItem &) = default;

private:
    int m_value = 0;
    NoxItemColor m_color = NoxItemColor::green;
    bool m_selected = false;
};

} // namespace Nox

Q_DECLARE_METATYPE(Nox::NoxItem)
