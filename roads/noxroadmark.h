#pragma once

#include <QtGlobal>

namespace Nox {

/// The colour of a mark of a derived road (big eye boy, small road, cockroach pig): red when
/// the big road repeats the pattern the road looks back at, blue when it breaks it.
enum class NoxRoadMark : quint8 { red = 0, blue = 1 };

} // namespace Nox
