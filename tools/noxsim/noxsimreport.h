#pragma once

#include "noxsimulator.h"

#include <QByteArray>
#include <QString>

namespace Nox {

/// The simulator's results as a text table, CSV and JSON.
class NoxSimReport
{
public:
    /// top: rows of the method table (all when <= 0).
    [[nodiscard]] static QString text(const QList<NoxSimulator::MethodResult> &methods,
                                      const NoxSimulator::Bankroll &bankroll, int top);
    [[nodiscard]] static QByteArray csv(const QList<NoxSimulator::MethodResult> &methods);
    [[nodiscard]] static QByteArray json(const QList<NoxSimulator::MethodResult> &methods,
                                         const NoxSimulator::Bankroll &bankroll);
};

} // namespace Nox
