#pragma once

#include "core/noxmethod.h"
#include "core/noxmethodinterface.h"
#include "core/noxmethodsorttype.h"
#include "core/noxstepmetrics.h"

#include <QSet>
#include <QString>

#include <memory>
#include <vector>

namespace Nox {

class NoxMethodSortByScore;

class NoxMethodFilter;
class NoxMethodState;

/// An automatic method: after every coup it ranks its candidates with a sort ordering and
/// plays what the best one proposes. Sticky, it keeps a choice whose gap is exactly 1 and
/// only takes scores of at least 100.
class MethodeAuto : public NoxMethod, public NoxMethodInterface
{
public:
    /// requiredStateFlags: play-mode bits a candidate's state must all carry (0: none).
    /// Throws std::bad_alloc when sortType has no ordering.
    MethodeAuto(const QString &name, NoxMethodSortType sortType, bool sticky, int requiredStateFlags);
    ~MethodeAuto() override;

    /// Restricts the candidates to these method indexes (empty: every non-automatic method with
    /// a subtype).
    void setCandidateIndexes(const QSet<int> &indexes);
    [[nodiscard]] const QSet<int> &candidateIndexes() const { return m_candidateIndexes; }
    [[nodiscard]] NoxMethodSortType sortType() const { return m_sortType; }
    /// Orders the candidates by another sort type; false (nothing changes) when it has no
    /// ordering. Called under the method's mutex.
    bool setSortType(NoxMethodSortType sortType);
    [[nodiscard]] bool isSticky() const { return m_sticky; }
    [[nodiscard]] int requiredStateFlags() const { return m_requiredStateFlags; }
    [[nodiscard]] int currentChoice() const { return m_currentChoice; }

    void process(const NoxMethodContext &context) override;
    void commit(const NoxMethodContext &context) override;
    bool rollback(int value, const NoxMethodContext &context) override;
    void reset(const NoxMethodContext &context) override;

private:
    /// Finds m_selfPosition and, for a list of candidates, m_positions in entries (those of the
    /// last walk while they hold).
    void findPositions(const std::vector<NoxStepMetrics::Entry> &entries);
    void choose(NoxMethodState *self, NoxMethodState *chosen, const QList<NoxMethodState *> &states);
    /// The scorer's score of an automatic candidate (the step keeps no view of those).
    [[nodiscard]] double scoreOfAutomatic(const NoxMethodState *s) const;
    /// The scorer's order between the states at indexes a and b of states, known to score the
    /// same: compareTied(), read from ranks taken once for the whole list.
    int tieOrder(const QList<NoxMethodState *> &states, qsizetype a, qsizetype b);
    void rankTies(const QList<NoxMethodState *> &states);

    // What the order between equal scores reads of a method, with its rank among the states
    // of the last ranking. A rank holds while its state is at the same place with the same
    // name (shared, not compared), type, subtype and quick rank.
    struct TieRank {
        const NoxMethodState *state = nullptr;
        QString name;
        NoxMethodType type = NoxMethodType::none;
        NoxMethodSubType subtype = NoxMethodSubType::none;
        int quickRank = -1;
        int rank = 0;
        quint64 checkedAt = 0; ///< the walk that last found it holding
        [[nodiscard]] bool holdsFor(const NoxMethodState *s) const;
    };
    std::vector<TieRank> m_tieRanks;
    quint64 m_walk = 0; ///< counts the walks over the candidates
    bool m_tieRanksUsable = false;

    NoxMethodSortType m_sortType;
    std::unique_ptr<NoxMethodFilter> m_sorter;
    /// m_sorter when it orders by a score (most do): scored from the step's metrics.
    const NoxMethodSortByScore *m_scorer = nullptr;
    QSet<int> m_candidateIndexes;
    QList<bool> m_isCandidate;      ///< by method index, for the walk over the states at every coup
    qsizetype m_candidateCount = 0; ///< the valid indexes of m_candidateIndexes
    // Where the last walk found this method and the candidates of its list (with their method
    // indexes), in list order.
    std::vector<qsizetype> m_positions;
    std::vector<int> m_positionIndexes;
    qsizetype m_selfPosition = -1;
    bool m_positionsComplete = false; ///< every candidate and this method were found: kept
    QList<int> m_choiceStack;
    int m_currentChoice = -1;
    bool m_sticky;
    int m_requiredStateFlags;
};

} // namespace Nox
