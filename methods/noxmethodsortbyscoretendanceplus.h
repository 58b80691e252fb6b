#pragma once

#include "methods/noxmethodsortbyscore.h"

namespace Nox {

/// Score Tend. Plus: the newest tendency plus the recent hits.
class NoxMethodSortByScoreTendancePlus : public NoxMethodSortByScore
{
public:
    using NoxMethodSortByScore::NoxMethodSortByScore;
    [[nodiscard]] double scoreOf(const NoxMethodMetrics &m) const override;
};

} // namespace Nox
