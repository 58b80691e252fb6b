#pragma once

#include "core/noxmethodparameter.h"

namespace Nox {

/// Implemented by methods with user parameters.
class NoxMethodParameterInterface
{
public:
    virtual ~NoxMethodParameterInterface() = default;
    [[nodiscard]] virtual NoxMethodParameterList parameters() const = 0;
    virtual void setParameters(const NoxMethodParameterList &parameters) = 0;
};

} // namespace Nox
