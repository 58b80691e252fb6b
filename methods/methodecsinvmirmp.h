#pragma once

#include "methods/methodecsmirrn.h"

namespace Nox {

/// Mirror on manque/passe, same chance.
class MethodeCSInvMirMP : public MethodeCSMirRN
{
public:
    explicit MethodeCSInvMirMP(const QString &name);
};

} // namespace Nox
