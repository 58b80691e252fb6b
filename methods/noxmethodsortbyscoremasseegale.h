#pragma once

#include "methods/noxmethodsortbyscore.h"

namespace Nox {

/// Score Masse Egale: the flat-stake counter while its signal holds.
class NoxMethodSortByScoreMasseEgale : public NoxMethodSortByScore
{
public:
    using NoxMethodSortByScore::NoxMethodSortByScore;
    [[nodiscard]] double scoreOf(const NoxMethodMetrics &m) const override;
};

} // namespace Nox
