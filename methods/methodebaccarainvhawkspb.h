#pragma once

#include "methods/methodecshawksrn.h"

namespace Nox {

/// Hawks on player/banker, same side.
class MethodeBaccaraInvHawksPB : public MethodeCSHawksRN
{
public:
    explicit MethodeBaccaraInvHawksPB(const QString &name);
};

} // namespace Nox
