#pragma once

#include "methods/methodecshawksrn.h"

namespace Nox {

/// Hawks on player/banker.
class MethodeBaccaraHawksPB : public MethodeCSHawksRN
{
public:
    explicit MethodeBaccaraHawksPB(const QString &name);
};

} // namespace Nox
