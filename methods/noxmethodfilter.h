#pragma once

namespace Nox {

class NoxMethodState;

/// Accepts and orders method states for the method list and the automatic methods. The base
/// accepts everything and orders by state identity. Filters hold no mutable state, so one
/// object may be used from several threads at once.
class NoxMethodFilter
{
public:
    virtual ~NoxMethodFilter() = default;
    [[nodiscard]] virtual bool accept(const NoxMethodState *state) const;
    /// Negative when a sorts before b in ascending order, positive when after.
    [[nodiscard]] virtual int compare(const NoxMethodState *a, const NoxMethodState *b) const;
};

} // namespace Nox
