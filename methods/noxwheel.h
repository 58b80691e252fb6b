#pragma once

#include <array>

namespace Nox {

/// The European wheel: the numbers in wheel order from zero, and their positions.
class NoxWheel
{
public:
    static constexpr std::array<int, 37> kOrder{0,  32, 15, 19, 4,  21, 2,  25, 17, 34, 6, 27, 13,
                                                36, 11, 30, 8,  23, 10, 5,  24, 16, 33, 1, 20, 14,
                                                31, 9,  22, 18, 29, 7,  28, 12, 35, 3,  26};

    /// Position of a number 0..36 in kOrder.
    [[nodiscard]] static int position(int number);
    /// The number at a position, taken modulo 37.
    [[nodiscard]] static int at(int position);
    /// The neighbour `offset` places from `number` (negative: counter-clockwise).
    [[nodiscard]] static int neighbour(int number, int offset) { return at(position(number) + offset); }
};

} // namespace Nox
