#pragma once

#include "methods/noxmethodsortbyscore.h"

namespace Nox {

/// Score B+: wins of the short-term window.
class NoxMethodSortByWinBloc : public NoxMethodSortByScore
{
public:
    using NoxMethodSortByScore::NoxMethodSortByScore;
    [[nodiscard]] double scoreOf(const NoxMethodMetrics &m) const override;
};

} // namespace Nox
