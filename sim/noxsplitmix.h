#pragma once

#include <cstdint>

namespace Nox {

/// SplitMix64: a small, fast generator whose sequence is the same on every platform, so a seed
/// deals the same shoes and spins everywhere.
///
/// streamSeed() gives every shoe of a run a seed of its own, so that any shoe can be dealt
/// without dealing the ones before it: workers and shards deal their own shoes only.
class NoxSplitMix
{
public:
    explicit NoxSplitMix(uint64_t seed)
        : m_state(seed)
    {}

    [[nodiscard]] uint64_t next()
    {
        uint64_t z = (m_state += 0x9e3779b97f4a7c15ULL);
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
        return z ^ (z >> 31);
    }

    /// Uniform in [0, bound), without the bias of a plain modulo.
    [[nodiscard]] uint64_t bounded(uint64_t bound)
    {
        const uint64_t limit = UINT64_MAX - UINT64_MAX % bound;
        uint64_t r = next();
        while (r >= limit) {
            r = next();
        }
        return r % bound;
    }

    /// The seed of item `index` of the run seeded with `seed`.
    [[nodiscard]] static uint64_t streamSeed(uint64_t seed, uint64_t index)
    {
        NoxSplitMix mix(seed ^ NoxSplitMix(index).next());
        return mix.next();
    }

private:
    uint64_t m_state;
};

} // namespace Nox
