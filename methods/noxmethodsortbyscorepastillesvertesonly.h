#pragma once

#include "methods/noxmethodsortbyscore.h"

namespace Nox {

/// Pastilles only (the smart quick list), quick ranks first.
class NoxMethodSortByScorePastillesVertesOnly : public NoxMethodSortByScore
{
public:
    using NoxMethodSortByScore::NoxMethodSortByScore;
    [[nodiscard]] double scoreOf(const NoxMethodMetrics &m) const override;
    void setQuickFirst(bool on) { m_quickFirst = on; }
};

} // namespace Nox
