#pragma once

#include "methods/noxmethodsortbyscore.h"

namespace Nox {

/// Score Viseur: short gaps closed during the high run.
class NoxMethodSortByScoreViseur : public NoxMethodSortByScore
{
public:
    using NoxMethodSortByScore::NoxMethodSortByScore;
    [[nodiscard]] double scoreOf(const NoxMethodMetrics &m) const override;
};

} // namespace Nox
