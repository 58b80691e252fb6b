#pragma once

#include "noxsplitmix.h"

#include <QList>

namespace Nox {

/// Spins a fair single-zero wheel: every number from 0 to 36 with the same chance. The same
/// seed always gives the same spins, on every platform.
class NoxRouletteWheel
{
public:
    static constexpr int kNumbers = 37;

    explicit NoxRouletteWheel(uint64_t seed)
        : m_random(seed)
    {}

    [[nodiscard]] int spin() { return int(m_random.bounded(kNumbers)); }
    /// The next `count` spins.
    [[nodiscard]] QList<int> spins(int count)
    {
        QList<int> numbers;
        numbers.reserve(count);
        for (int i = 0; i < count; ++i) {
            numbers.append(spin());
        }
        return numbers;
    }

private:
    NoxSplitMix m_random;
};

} // namespace Nox
