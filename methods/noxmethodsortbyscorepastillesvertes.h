#pragma once

#include "methods/noxmethodsortbyscore.h"

namespace Nox {

/// Score Bleu: the short-term score, plus 1000 with pastilles.
class NoxMethodSortByScorePastillesVertes : public NoxMethodSortByScore
{
public:
    using NoxMethodSortByScore::NoxMethodSortByScore;
    [[nodiscard]] double scoreOf(const NoxMethodMetrics &m) const override;
};

} // namespace Nox
