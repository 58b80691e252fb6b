#pragma once

#include "methods/methodecsmirrn.h"

namespace Nox {

/// Mirror R/N, same chance.
class MethodeCSInvMirRN : public MethodeCSMirRN
{
public:
    explicit MethodeCSInvMirRN(const QString &name);
};

} // namespace Nox
