#pragma once

#include <QtGlobal>

namespace Nox {

/// An entry of the big road: a PLAYER (1) or BANKER (2) result and the ties counted on it (the
/// ties that followed it, and on the first entry of a shoe also the ties that came before it).
struct NoxBigRoadEntry {
    quint8 winner = 0;
    int ties = 0;

    friend bool operator==(const NoxBigRoadEntry &, const NoxBigRoadEntry &) = default;
};

} // namespace Nox
