#pragma once

#include "methods/noxmethodsortbyscore.h"

namespace Nox {

/// Score EM (mean of the short-term and overall mean gaps).
class NoxMethodSortByMoyenneEcartMoyen : public NoxMethodSortByScore
{
public:
    using NoxMethodSortByScore::NoxMethodSortByScore;
    [[nodiscard]] double scoreOf(const NoxMethodMetrics &m) const override;
};

} // namespace Nox
