#pragma once

#include "methods/noxmethodsortbyscoretendanceplus.h"

namespace Nox {

/// Score Jaune: as Score Tend. Plus, plus 1000 for a rising method that just won. Accepts only
/// methods whose tendency is intermediate, or rising on an active method that just won.
class NoxMethodSortByScoreTendanceJaune : public NoxMethodSortByScoreTendancePlus
{
public:
    using NoxMethodSortByScoreTendancePlus::NoxMethodSortByScoreTendancePlus;
    [[nodiscard]] bool accept(const NoxMethodState *state) const override;
    [[nodiscard]] double scoreOf(const NoxMethodMetrics &m) const override;
};

} // namespace Nox
