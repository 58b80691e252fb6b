#pragma once

#include "noxsimresult.h"

#include <QByteArray>
#include <QString>

namespace Nox {

/// The simulator's results as a text table and CSV (NoxSimResult writes the JSON).
class NoxSimReport
{
public:
    /// top: rows of the method table (all when <= 0).
    [[nodiscard]] static QString text(const NoxSimResult &result, int top);
    [[nodiscard]] static QByteArray csv(const NoxSimResult &result);
};

} // namespace Nox
