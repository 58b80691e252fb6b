#pragma once

namespace Nox {

/// A cell of a road drawn on six rows: its grid column (from 0, left to right) and its row
/// (from 0, top to bottom).
struct NoxRoadCell {
    int column = 0;
    int row = 0;

    friend bool operator==(const NoxRoadCell &, const NoxRoadCell &) = default;
};

} // namespace Nox
