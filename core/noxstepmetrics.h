#pragma once

#include <QList>

#include <memory>
#include <vector>

namespace Nox {

class NoxMethodMetrics;
class NoxMethodState;

/// The metrics of a step's non-automatic states, taken at most once for all the automatic
/// methods of the step: those run one after another on the task thread, after every other
/// state was processed, and each of them scores the same candidates.
class NoxStepMetrics
{
public:
    explicit NoxStepMetrics(const QList<NoxMethodState *> &states);
    ~NoxStepMetrics();

    NoxStepMetrics(const NoxStepMetrics &) = delete;
    NoxStepMetrics &operator=(const NoxStepMetrics &) = delete;

    /// The metrics of the state at index, or nullptr for an automatic method (it may still
    /// change during the step: ask the state) or an index out of range.
    [[nodiscard]] const NoxMethodMetrics *at(qsizetype index);

private:
    const QList<NoxMethodState *> &m_states;
    std::vector<std::shared_ptr<const NoxMethodMetrics>> m_metrics;
};

} // namespace Nox
