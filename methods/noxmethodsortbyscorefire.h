#pragma once

#include "methods/noxmethodsortbyscore.h"

namespace Nox {

/// Score Tend. Forte: wins of the newest run with the tendency signal.
class NoxMethodSortByScoreFire : public NoxMethodSortByScore
{
public:
    using NoxMethodSortByScore::NoxMethodSortByScore;
    [[nodiscard]] double scoreOf(const NoxMethodMetrics &m) const override;
};

} // namespace Nox
