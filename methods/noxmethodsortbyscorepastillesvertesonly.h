#pragma once

#include "methods/noxmethodsortbyscore.h"

namespace Nox {

/// Pastilles only (the smart quick list), quick ranks first.
class NoxMethodSortByScorePastillesVertesOnly : public NoxMethodSortByScore
{
public:
    using NoxMethodSortByScore::NoxMethodSortByScore;
    [[nodiscard]] double score(const NoxMethodState *state) const override;
    void setQuickFirst(bool on) { m_quickFirst = on; }
};

} // namespace Nox
