#pragma once

#include "core/noxmethodcontext.h"
#include "core/noxstepmetrics.h"

namespace Nox {

/// The engine's method context: a snapshot of the history and of the state list taken at the
/// start of a step, seen through one state. While a history is replayed value by value the
/// visible count is set below the snapshot length.
class NoxSnapshotContext final : public NoxMethodContext
{
public:
    NoxSnapshotContext(const QList<int> &values, const QList<NoxMethodState *> &states,
                       const NoxMethodState *state, int count)
        : m_values(values)
        , m_states(states)
        , m_state(state)
        , m_count(count)
    {}

    [[nodiscard]] bool countsZero() const override;
    [[nodiscard]] bool numberMode() const override;
    [[nodiscard]] int count() const override { return m_count; }
    [[nodiscard]] int valueAt(int index) const override
    {
        return index < 0 || index >= m_count || index >= m_values.size() ? -1 : m_values.at(index);
    }
    [[nodiscard]] QList<NoxMethodState *> methodStates() const override { return m_states; }
    [[nodiscard]] const NoxMethodMetrics *stepMetrics(qsizetype index) const override
    {
        return m_stepMetrics ? m_stepMetrics->at(index) : nullptr;
    }
    [[nodiscard]] NoxStepMetrics *step() const override { return m_stepMetrics; }
    void setStepMetrics(NoxStepMetrics *metrics) { m_stepMetrics = metrics; }

    void setCount(int count) { m_count = count; }
    [[nodiscard]] const QList<int> &values() const { return m_values; }

private:
    const QList<int> &m_values;
    const QList<NoxMethodState *> &m_states;
    const NoxMethodState *m_state;
    int m_count;
    NoxStepMetrics *m_stepMetrics = nullptr;
};

} // namespace Nox
