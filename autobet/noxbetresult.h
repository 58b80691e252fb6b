#pragma once

#include <QString>

namespace Nox {

/// The outcome of an automatic bet.
struct NoxBetResult {
    /// True when the sequence ran (possibly empty, or stopped with Control); false when
    /// nothing or not everything could be clicked, `reason` saying why.
    bool ok = false;
    QString reason;
    /// Clicks planned and clicks made.
    int planned = 0;
    int clicked = 0;
    /// The player held Control: the sequence stopped after the click in progress.
    bool interrupted = false;
};

} // namespace Nox
