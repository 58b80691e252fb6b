#pragma once

#include "methods/noxmethodsortbyscore.h"

namespace Nox {

/// Score Ratio: the short-term ratio score plus the ecart-max bonus.
class NoxMethodSortByScoreRatioCt : public NoxMethodSortByScore
{
public:
    using NoxMethodSortByScore::NoxMethodSortByScore;
    [[nodiscard]] double scoreOf(const NoxMethodMetrics &m) const override;
};

} // namespace Nox
