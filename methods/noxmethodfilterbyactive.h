#pragma once

#include "methods/noxmethodfilter.h"

namespace Nox {

/// Accepts the active states only; orders as its base.
class NoxMethodFilterByActive : public NoxMethodFilter
{
public:
    [[nodiscard]] bool accept(const NoxMethodState *state) const override;
};

} // namespace Nox
