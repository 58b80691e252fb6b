#pragma once

#include "methods/noxmethodsortbyscore.h"

namespace Nox {

/// Score Retour Tend.: the tendency-back counter.
class NoxMethodSortByScoreTendanceOrange : public NoxMethodSortByScore
{
public:
    using NoxMethodSortByScore::NoxMethodSortByScore;
    [[nodiscard]] double scoreOf(const NoxMethodMetrics &m) const override;
};

} // namespace Nox
