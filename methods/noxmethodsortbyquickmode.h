#pragma once

#include "methods/noxmethodsortdefault.h"

namespace Nox {

/// Quick-mode ranks 0, 1, 2, ... first (ascending), methods outside the quick mode last, the
/// default order between equal ranks.
class NoxMethodSortByQuickMode : public NoxMethodSortDefault
{
public:
    using NoxMethodSortDefault::NoxMethodSortDefault;
    [[nodiscard]] int compare(const NoxMethodState *a, const NoxMethodState *b) const override;
};

} // namespace Nox
