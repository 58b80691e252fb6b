#include "core/noxstepmetrics.h"

#include "core/noxmethod.h"
#include "core/noxmethodmetrics.h"
#include "core/noxmethodstate.h"

namespace Nox {

NoxStepMetrics::NoxStepMetrics(const QList<NoxMethodState *> &states)
    : m_states(states)
    , m_metrics(std::size_t(states.size()))
{}

NoxStepMetrics::~NoxStepMetrics() = default;

const NoxMethodMetrics *NoxStepMetrics::at(qsizetype index)
{
    if (index < 0 || index >= m_states.size()) {
        return nullptr;
    }
    const NoxMethodState *state = m_states.at(index);
    if (state->method()->type() == NoxMethodType::automatic) {
        return nullptr;
    }
    std::shared_ptr<const NoxMethodMetrics> &slot = m_metrics[std::size_t(index)];
    if (!slot) {
        slot = state->metrics();
    }
    return slot.get();
}

} // namespace Nox
