#include "methods/noxwheel.h"

namespace Nox {

namespace {
constexpr std::array<int, 37> positions()
{
    std::array<int, 37> p{};
    for (int i = 0; i < 37; ++i) {
        p[size_t(NoxWheel::kOrder[size_t(i)])] = i;
    }
    return p;
}
constexpr std::array<int, 37> kPositions = positions();
} // namespace

int NoxWheel::position(int number)
{
    return number >= 0 && number <= 36 ? kPositions[size_t(number)] : 0;
}

int NoxWheel::at(int position)
{
    return kOrder[size_t(((position % 37) + 37) % 37)];
}

} // namespace Nox
