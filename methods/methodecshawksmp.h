#pragma once

#include "methods/methodecshawksrn.h"

namespace Nox {

/// Hawks on manque/passe.
class MethodeCSHawksMP : public MethodeCSHawksRN
{
public:
    explicit MethodeCSHawksMP(const QString &name);
};

} // namespace Nox
