#include "core/noxstepmetrics.h"

#include "core/noxmethod.h"
#include "core/noxmethodmetrics.h"
#include "core/noxmethodstate.h"

namespace Nox {

NoxStepMetrics::NoxStepMetrics(const QList<NoxMethodState *> &states)
{
    start(states);
}

NoxStepMetrics::~NoxStepMetrics() = default;

void NoxStepMetrics::start(const QList<NoxMethodState *> &states, bool sameList)
{
    const auto size = std::size_t(states.size());
    m_states = &states;
    m_entriesRead = m_entriesRead && sameList && m_entries.size() == size;
    // The vectors keep their storage from step to step.
    m_taken.assign(size, nullptr);
    // A local view is valid only once taken in the step (m_taken): the old ones are left to
    // be overwritten.
    if (!m_local.empty()) {
        m_local.resize(size);
    }
    for (std::shared_ptr<const NoxMethodMetrics> &shared : m_metrics) {
        shared.reset();
    }
    if (!m_metrics.empty()) {
        m_metrics.resize(size);
    }
}

void NoxStepMetrics::readEntries()
{
    const QList<NoxMethodState *> &states = *m_states;
    m_entries.resize(std::size_t(states.size()));
    m_anyCandidates.clear();
    m_entriesRead = true;
    for (qsizetype i = 0; i < states.size(); ++i) {
        NoxMethodState *state = states.at(i);
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
    const QList<NoxMethodState *> &states = *m_states;
    if (index < 0 || index >= states.size()) {
        return nullptr;
    }
    const NoxMethodState *state = states.at(index);
    if (state->method()->type() == NoxMethodType::automatic) {
        return nullptr;
    }
    if (!state->method()->mutex().isLocking()) {
        if (m_local.empty()) {
            m_local.resize(std::size_t(states.size()));
        }
        // Not taken yet in this step (at()): whatever view is there is an old step's.
        std::optional<NoxMethodMetrics> &local = m_local[std::size_t(index)];
        local.emplace(*state, NoxMethodMetrics::Scope::Step);
        return m_taken[std::size_t(index)] = &*local;
    }
    if (m_metrics.empty()) {
        m_metrics.resize(std::size_t(states.size()));
    }
    std::shared_ptr<const NoxMethodMetrics> &slot = m_metrics[std::size_t(index)];
    if (!slot) {
        slot = state->metrics();
    }
    return m_taken[std::size_t(index)] = slot.get();
}

} // namespace Nox
