#pragma once

#include "methods/methodesuiveuse.h"

namespace Nox {

/// Wide sector ("Suiveuse +"): the sector follower with twelve neighbours by default, never
/// inverse.
class MethodeSuiveusePlus : public MethodeSuiveuse
{
public:
    explicit MethodeSuiveusePlus(const QString &name);
};

} // namespace Nox
