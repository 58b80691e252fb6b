#pragma once

#include <stdexcept>

namespace Nox {

/// The failure an engine future carries when a result is refused at the engine's limits (the
/// number of results kept, or the money guard); what() gives the reason for the player.
class NoxPlayRefused : public std::runtime_error
{
public:
    using std::runtime_error::runtime_error;
};

} // namespace Nox
