#pragma once

#include "methods/methodecshawksrn.h"

namespace Nox {

/// Hawks R/N, same chance as the last coup.
class MethodeCSInvHawksRN : public MethodeCSHawksRN
{
public:
    explicit MethodeCSInvHawksRN(const QString &name);
};

} // namespace Nox
