#pragma once

#include "methods/methodecshawksrn.h"

namespace Nox {

/// Hawks on pair/impair, same chance.
class MethodeCSInvHawksPI : public MethodeCSHawksRN
{
public:
    explicit MethodeCSInvHawksPI(const QString &name);
};

} // namespace Nox
