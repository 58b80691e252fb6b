#pragma once

#include "methods/noxmethodsortbyscore.h"

namespace Nox {

/// Score Ecart Moyen: the short-term mean gap.
class NoxMethodSortByEcartMoyenCT : public NoxMethodSortByScore
{
public:
    using NoxMethodSortByScore::NoxMethodSortByScore;
    [[nodiscard]] double scoreOf(const NoxMethodMetrics &m) const override;
};

} // namespace Nox
