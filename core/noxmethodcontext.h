#pragma once

#include <QList>

namespace Nox {

class NoxMethodMetrics;
class NoxMethodState;
class NoxStepMetrics;

/// What a method sees of the engine while it proposes: the visible part of the history, the
/// options of its own state and the other states (automatic methods read their results).
class NoxMethodContext
{
public:
    virtual ~NoxMethodContext() = default;
    /// Zero also wins the proposal.
    [[nodiscard]] virtual bool countsZero() const = 0;
    /// The proposal is played as pleins on its covered numbers.
    [[nodiscard]] virtual bool numberMode() const = 0;
    /// Number of history values visible to the method.
    [[nodiscard]] virtual int count() const = 0;
    /// The history value at index, -1 outside [0, count()).
    [[nodiscard]] virtual int valueAt(int index) const = 0;
    [[nodiscard]] virtual QList<NoxMethodState *> methodStates() const = 0;
    /// The metrics of the non-automatic state at index of methodStates(), taken once for all
    /// the automatic methods of a coup; nullptr when the context keeps none (ask the state).
    [[nodiscard]] virtual const NoxMethodMetrics *stepMetrics(qsizetype index) const
    {
        Q_UNUSED(index)
        return nullptr;
    }
    /// What the automatic methods of a coup read of every state of methodStates(), shared by
    /// all of them; nullptr when the context keeps none.
    [[nodiscard]] virtual NoxStepMetrics *step() const { return nullptr; }
};

} // namespace Nox
