#pragma once

#include "autobet/noxplannedclick.h"

#include <QList>
#include <QString>

namespace Nox {

/// What an automatic bet would click, or why it would click nothing.
struct NoxBetPlan {
    /// False when the clicks could not be obtained or were refused; `reason` says why.
    bool ok = false;
    QString reason;
    /// Betting is suspended: nothing is clicked (ok stays true).
    bool suspended = false;
    /// The money the stakes ask for, in hundredths.
    qint64 total = 0;
    QList<NoxPlannedClick> clicks;
};

} // namespace Nox
