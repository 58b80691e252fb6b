#pragma once

#include "methods/noxmethodfilter.h"

namespace Nox {

/// Orders by catalogue index (an absent state counts as -1).
class NoxMethodSortByIndex : public NoxMethodFilter
{
public:
    [[nodiscard]] int compare(const NoxMethodState *a, const NoxMethodState *b) const override;
};

} // namespace Nox
