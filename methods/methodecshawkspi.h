#pragma once

#include "methods/methodecshawksrn.h"

namespace Nox {

/// Hawks on pair/impair.
class MethodeCSHawksPI : public MethodeCSHawksRN
{
public:
    explicit MethodeCSHawksPI(const QString &name);
};

} // namespace Nox
