#pragma once

#include "methods/methodecsmirrn.h"

namespace Nox {

/// Mirror on player/banker.
class MethodeBaccaraMirPB : public MethodeCSMirRN
{
public:
    MethodeBaccaraMirPB(const QString &name, bool inverse);
};

} // namespace Nox
