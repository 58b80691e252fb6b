#pragma once

#include "core/noxenums.h"

#include <QList>
#include <QString>

namespace Nox {

/// A click sequence, or why there is none: the ids of chips and places in click order.
struct NoxClickPlan {
    bool ok = false;
    QString reason;
    QList<NoxBetItemID> sequence;

    [[nodiscard]] static NoxClickPlan failure(const QString &reason) { return {false, reason, {}}; }
};

} // namespace Nox
