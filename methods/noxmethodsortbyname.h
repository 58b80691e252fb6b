#pragma once

#include "methods/noxmethodfilter.h"

namespace Nox {

/// Orders by method name, case-sensitive (an absent state has an empty name).
class NoxMethodSortByName : public NoxMethodFilter
{
public:
    [[nodiscard]] int compare(const NoxMethodState *a, const NoxMethodState *b) const override;
};

} // namespace Nox
