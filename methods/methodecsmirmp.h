#pragma once

#include "methods/methodecsmirrn.h"

namespace Nox {

/// Mirror on manque/passe.
class MethodeCSMirMP : public MethodeCSMirRN
{
public:
    explicit MethodeCSMirMP(const QString &name);
};

} // namespace Nox
