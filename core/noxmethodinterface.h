#pragma once

namespace Nox {

class NoxMethodContext;

/// Implemented by every method that proposes items from the history.
class NoxMethodInterface
{
public:
    virtual ~NoxMethodInterface() = default;
    /// Computes the proposal (items to play, covered numbers, centre number) from the context.
    virtual void process(const NoxMethodContext &context) = 0;
    /// Called once per new value, before process(): stateful methods move forward here.
    virtual void commit(const NoxMethodContext &context) = 0;
    /// The last value was removed. True when the method undid its own state; false asks the
    /// engine to rebuild it by replaying the history.
    virtual bool rollback(int value, const NoxMethodContext &context) = 0;
    /// Called on reset, before process().
    virtual void reset(const NoxMethodContext &context) = 0;
};

} // namespace Nox
