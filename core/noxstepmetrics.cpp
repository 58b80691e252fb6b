#include "core/noxstepmetrics.h"

#include "core/noxmethod.h"
#include "core/noxmethodmetrics.h"
#include "core/noxmethodstate.h"

namespace Nox {

NoxStepMetrics::NoxStepMetrics(const QList<NoxMethodState *> &states)
    : m_states(states)
    , m_taken(std::size_t(states.size()), nullptr)
{}

NoxStepMetrics::~NoxStepMetrics() = default;

void NoxStepMetrics::readEntries()
{
    m_entries.resize(std::size_t(m_states.size()));
    m_anyCandidates.clear();
    for (qsizetype i = 0; i < m_states.size(); ++i) {
        NoxMethodState *state = m_states.at(i);
        const NoxMethod *m = state->method();
        Entry &e = m_entries[std::size_t(i)];
        e.state = state;
        e.methodIndex = m->index();
        e.anyCandidate = m->type() != NoxMethodType::automatic && m->subtype() != NoxMethodSubType::none;
        if (e.anyCandidate) {
            m_anyCandidates.push_back(i);
        }
    }
}

const NoxMethodMetrics *NoxStepMetrics::take(qsizetype index)
{
    if (index < 0 || index >= m_states.size()) {
        return nullptr;
    }
    const NoxMethodState *state = m_states.at(index);
    if (state->method()->type() == NoxMethodType::automatic) {
        return nullptr;
    }
    if (!state->method()->mutex().isLocking()) {
        if (m_local.empty()) {
            m_local.resize(std::size_t(m_states.size()));
        }
        std::optional<NoxMethodMetrics> &local = m_local[std::size_t(index)];
        if (!local) {
            local.emplace(*state, NoxMethodMetrics::Scope::Step);
        }
        return m_taken[std::size_t(index)] = &*local;
    }
    if (m_metrics.empty()) {
        m_metrics.resize(std::size_t(m_states.size()));
    }
    std::shared_ptr<const NoxMethodMetrics> &slot = m_metrics[std::size_t(index)];
    if (!slot) {
        slot = state->metrics();
    }
    return m_taken[std::size_t(index)] = slot.get();
}

} // namespace Nox
