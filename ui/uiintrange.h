#pragma once

#include "money/montanteperso.h"

#include <QMetaType>
#include <QtQml/qqmlregistration.h>

/// The range of a whole-number field as QML sees it ("intRange"): `minimum`, `maximum` and
/// `initial`, the value a new record starts with. The screens bind a field's limits and its
/// shown range to it instead of writing the numbers again.
class UIIntRange
{
    Q_GADGET
    QML_VALUE_TYPE(intRange)
    Q_PROPERTY(int minimum READ minimum CONSTANT)
    Q_PROPERTY(int maximum READ maximum CONSTANT)
    Q_PROPERTY(int initial READ initial CONSTANT)

public:
    UIIntRange() = default;
    constexpr explicit UIIntRange(const Nox::MontantePerso::Bounds &bounds)
        : m_minimum(bounds.minimum)
        , m_maximum(bounds.maximum)
        , m_initial(bounds.initial)
    {}

    [[nodiscard]] int minimum() const { return m_minimum; }
    [[nodiscard]] int maximum() const { return m_maximum; }
    [[nodiscard]] int initial() const { return m_initial; }

    friend bool operator==(const UIIntRange &, const UIIntRange &) = default;

private:
    int m_minimum = 0;
    int m_maximum = 0;
    int m_initial = 0;
};

Q_DECLARE_METATYPE(UIIntRange)
