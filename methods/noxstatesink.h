#pragma once

#include <QList>

namespace Nox {

class NoxMethodState;

/// Where the factory hands the states it makes: the engine, or any caller that keeps them.
class NoxStateSink
{
public:
    virtual ~NoxStateSink() = default;

    /// Takes the state over and gives it the next catalogue index (its method's index() is
    /// set when this returns).
    virtual void addMethodState(NoxMethodState *state) = 0;
    /// Every state taken so far, in catalogue order.
    [[nodiscard]] virtual QList<NoxMethodState *> methodStates() const = 0;

protected:
    NoxStateSink() = default;
    NoxStateSink(const NoxStateSink &) = default;
    NoxStateSink &operator=(const NoxStateSink &) = default;
};

} // namespace Nox
