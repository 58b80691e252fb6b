#pragma once

#include "methods/noxmethodsortbyscore.h"

namespace Nox {

/// Score Tend.: the newest tendency.
class NoxMethodSortByScoreTendance : public NoxMethodSortByScore
{
public:
    using NoxMethodSortByScore::NoxMethodSortByScore;
    [[nodiscard]] double scoreOf(const NoxMethodMetrics &m) const override;
};

} // namespace Nox
