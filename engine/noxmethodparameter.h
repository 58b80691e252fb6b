#pragma once

#include "engine/noxvalue.h"

#include <QList>

namespace Nox {

/// One user parameter of a method: its value, name, bounds and number of decimals.
struct NoxMethodParameter {
    NoxValue value;
    QString name;
    NoxValue minimum;
    NoxValue maximum;
    int precision = 0;

    friend bool operator==(const NoxMethodParameter &, const NoxMethodParameter &) = default;
};

using NoxMethodParameterList = QList<NoxMethodParameter>;

} // namespace Nox
