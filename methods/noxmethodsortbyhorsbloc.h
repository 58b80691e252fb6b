#pragma once

#include "methods/noxmethodsortbyscore.h"

namespace Nox {

/// Score Hors Blocs: the same formula as the mean-gap score.
class NoxMethodSortByHorsBloc : public NoxMethodSortByScore
{
public:
    using NoxMethodSortByScore::NoxMethodSortByScore;
    [[nodiscard]] double scoreOf(const NoxMethodMetrics &m) const override;
};

} // namespace Nox
