#pragma once

#include "methods/methodecsmirrn.h"

namespace Nox {

/// Mirror on pair/impair, same chance.
class MethodeCSInvMirPI : public MethodeCSMirRN
{
public:
    explicit MethodeCSInvMirPI(const QString &name);
};

} // namespace Nox
