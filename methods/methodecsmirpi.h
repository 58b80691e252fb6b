#pragma once

#include "methods/methodecsmirrn.h"

namespace Nox {

/// Mirror on pair/impair.
class MethodeCSMirPI : public MethodeCSMirRN
{
public:
    explicit MethodeCSMirPI(const QString &name);
};

} // namespace Nox
