#pragma once

#include "methods/methodecshawksrn.h"

namespace Nox {

/// The mirror: looks ten coups back.
class MethodeCSMirRN : public MethodeCSHawksRN
{
public:
    MethodeCSMirRN(const QString &name, bool inverse);
};

} // namespace Nox
