#pragma once

#include "methods/noxmethodsortbyscore.h"

namespace Nox {

/// Score EM: 100 minus the mean gap, plus the notification and ecart-max bonuses.
class NoxMethodSortByEcartMoyen : public NoxMethodSortByScore
{
public:
    using NoxMethodSortByScore::NoxMethodSortByScore;
    [[nodiscard]] double scoreOf(const NoxMethodMetrics &m) const override;
};

} // namespace Nox
