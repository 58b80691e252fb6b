#pragma once

#include "methods/noxmethodsortbyscore.h"

namespace Nox {

/// Score Vert: as Score Bleu, minus 2500 after a fall inside the block.
class NoxMethodSortByScorePastillesVertesChute : public NoxMethodSortByScore
{
public:
    using NoxMethodSortByScore::NoxMethodSortByScore;
    [[nodiscard]] double scoreOf(const NoxMethodMetrics &m) const override;
};

} // namespace Nox
