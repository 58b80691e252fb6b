#pragma once

#include "core/noxmethodmetrics.h"

#include <QList>

#include <memory>
#include <optional>
#include <vector>

namespace Nox {

class NoxMethodState;

/// The metrics of a step's non-automatic states, taken at most once for all the automatic
/// methods of the step: those run one after another on the task thread, after every other
/// state was processed, and each of them scores the same candidates. A state shares its view
/// with the lists that sort it later; in an engine that one thread alone uses (its method
/// locks are off) nothing else reads it, and the view is built here in place instead.
///
/// One object may serve step after step (start()): its storage is kept, and so are the entries
/// while the list of states is the one they were read from.
class NoxStepMetrics
{
public:
    NoxStepMetrics() = default;
    explicit NoxStepMetrics(const QList<NoxMethodState *> &states);
    ~NoxStepMetrics();

    /// Starts a step over `states` (which must outlive it): the views of the step before are
    /// dropped. `sameList`: the list holds the states, in the order, that the entries were read
    /// from, with their methods' indexes unchanged; otherwise they are read anew when asked.
    void start(const QList<NoxMethodState *> &states, bool sameList = false);

    NoxStepMetrics(const NoxStepMetrics &) = delete;
    NoxStepMetrics &operator=(const NoxStepMetrics &) = delete;

    /// What every automatic method's walk reads of a state of the step. A method's index, type
    /// and subtype do not change while its step runs.
    struct Entry {
        NoxMethodState *state = nullptr;
        int methodIndex = -1;
        /// Not automatic and with a subtype: a candidate of the automatic methods that rank the
        /// whole catalogue.
        bool anyCandidate = false;
    };

    /// The states of the step in their order, read once at the first call.
    [[nodiscard]] const std::vector<Entry> &entries()
    {
        if (!m_entriesRead) {
            readEntries();
        }
        return m_entries;
    }

    /// The positions of the entries that are anyCandidate, in list order.
    [[nodiscard]] const std::vector<qsizetype> &anyCandidates()
    {
        if (!m_entriesRead) {
            readEntries();
        }
        return m_anyCandidates;
    }

    /// The metrics of the state at index, or nullptr for an automatic method (it may still
    /// change during the step: ask the state) or an index out of range.
    [[nodiscard]] const NoxMethodMetrics *at(qsizetype index)
    {
        // Every automatic method of the step asks for the same candidates: after the first,
        // the view is there.
        if (std::size_t(index) < m_taken.size()) {
            if (const NoxMethodMetrics *taken = m_taken[std::size_t(index)]) {
                return taken;
            }
        }
        return take(index);
    }

private:
    [[nodiscard]] const NoxMethodMetrics *take(qsizetype index);
    void readEntries();

    const QList<NoxMethodState *> *m_states = nullptr;
    bool m_entriesRead = false;
    std::vector<std::shared_ptr<const NoxMethodMetrics>> m_metrics;
    std::vector<std::optional<NoxMethodMetrics>> m_local;
    std::vector<const NoxMethodMetrics *> m_taken; ///< by index, once taken
    std::vector<Entry> m_entries;
    std::vector<qsizetype> m_anyCandidates;
};

} // namespace Nox
