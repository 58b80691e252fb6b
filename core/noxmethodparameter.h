#pragma once

#include "core/noxvalue.h"

#include <QList>

namespace Nox {

/// One user parameter of a method: its value, name, bounds and number of decimals.
struct NoxMethodParameter {
    NoxValue value;
    QString name;
    NoxValue minimum;
    NoxValue maximum;
    int precision = 0;

    /// A parameter without bounds.
    [[nodiscard]] static NoxMethodParameter named(QString name, NoxValue value)
    {
        NoxMethodParameter p;
        p.name = std::move(name);
        p.value = std::move(value);
        return p;
    }

    friend bool operator==(const NoxMethodParameter &, const NoxMethodParameter &) = default;
};

using NoxMethodParameterList = QList<NoxMethodParameter>;

} // namespace Nox
