#pragma once

#include "methods/methodecshawksrn.h"

namespace Nox {

/// Hawks on manque/passe, same chance.
class MethodeCSInvHawksMP : public MethodeCSHawksRN
{
public:
    explicit MethodeCSInvHawksMP(const QString &name);
};

} // namespace Nox
