#include "methods/methodeauto.h"

#include "core/noxmethodcontext.h"
#include "core/noxmethodmetrics.h"
#include "core/noxmethodstate.h"
#include "core/noxstepmetrics.h"
#include "methods/noxmethodsortbyscore.h"
#include "methods/noxmethodsortfactory.h"

#include <QVarLengthArray>

#include <algorithm>
#include <limits>
#include <new>
#include <optional>

namespace Nox {

MethodeAuto::MethodeAuto(const QString &name, NoxMethodSortType sortType, bool sticky, int requiredStateFlags)
    : NoxMethod(NoxMethodType::automatic, NoxMethodSubType::red11, name)
    , m_sortType(sortType)
    , m_sorter(NoxMethodSortFactory::create(sortType))
    , m_sticky(sticky)
    , m_requiredStateFlags(requiredStateFlags)
{
    if (!m_sorter) {
        throw std::bad_alloc();
    }
    m_scorer = dynamic_cast<const NoxMethodSortByScore *>(m_sorter.get());
    setBlockPercentage(80);
}

MethodeAuto::~MethodeAuto() = default;

bool MethodeAuto::setSortType(NoxMethodSortType sortType)
{
    std::unique_ptr<NoxMethodFilter> sorter = NoxMethodSortFactory::create(sortType);
    if (!sorter) {
        return false;
    }
    m_sortType = sortType;
    m_sorter = std::move(sorter);
    m_scorer = dynamic_cast<const NoxMethodSortByScore *>(m_sorter.get());
    m_tieRanks.clear();
    return true;
}

bool MethodeAuto::TieRank::holdsFor(const NoxMethodState *s) const
{
    const NoxMethod *m = s->method();
    // The name is held here, so a renamed method cannot come back with the same characters at
    // the same address.
    return state == s && name.constData() == m->name().constData() && name.size() == m->name().size() &&
           type == m->type() && subtype == m->subtype() && quickRank == m->quickModeRank();
}

void MethodeAuto::rankTies(const QList<NoxMethodState *> &states)
{
    m_tieRanks.assign(std::size_t(states.size()), TieRank{});
    for (qsizetype i = 0; i < states.size(); ++i) {
        const NoxMethod *m = states.at(i)->method();
        m_tieRanks[std::size_t(i)] = {states.at(i), m->name(),          m->type(),
                                      m->subtype(), m->quickModeRank(), 0};
    }
    // Quick ranks below -1 compare both ways alike: they are not an order to rank by, and the
    // ties are compared one by one.
    m_tieRanksUsable = std::all_of(m_tieRanks.cbegin(), m_tieRanks.cend(),
                                   [](const TieRank &r) { return r.quickRank >= -1; });
    if (!m_tieRanksUsable) {
        return;
    }
    QVarLengthArray<qsizetype, 128> order;
    for (qsizetype i = 0; i < states.size(); ++i) {
        order.append(i);
    }
    std::stable_sort(order.begin(), order.end(), [&](qsizetype a, qsizetype b) {
        return m_scorer->compareTied(states.at(a), states.at(b)) < 0;
    });
    int rank = 0;
    for (qsizetype k = 1; k < order.size(); ++k) {
        if (m_scorer->compareTied(states.at(order.at(k - 1)), states.at(order.at(k))) < 0) {
            ++rank;
        }
        m_tieRanks[std::size_t(order.at(k))].rank = rank;
    }
}

int MethodeAuto::tieOrder(const QList<NoxMethodState *> &states, qsizetype a, qsizetype b)
{
    // A rank is checked once per walk: the methods do not change while it runs.
    const auto holds = [&](qsizetype i) {
        if (std::size_t(i) >= m_tieRanks.size()) {
            return false;
        }
        TieRank &r = m_tieRanks[std::size_t(i)];
        if (r.checkedAt != m_walk) {
            if (!r.holdsFor(states.at(i))) {
                return false;
            }
            r.checkedAt = m_walk;
        }
        return true;
    };
    if (!holds(a) || !holds(b)) {
        rankTies(states);
    }
    if (!m_tieRanksUsable) {
        return m_scorer->compareTied(states.at(a), states.at(b));
    }
    const int ra = m_tieRanks[std::size_t(a)].rank;
    const int rb = m_tieRanks[std::size_t(b)].rank;
    return (ra > rb) - (ra < rb);
}

void MethodeAuto::setCandidateIndexes(const QSet<int> &indexes)
{
    m_candidateIndexes = indexes;
    m_isCandidate.clear();
    m_candidateCount = 0;
    for (int index : indexes) {
        if (index >= 0) {
            if (index >= m_isCandidate.size()) {
                m_isCandidate.resize(index + 1, false);
            }
            m_isCandidate[index] = true;
            ++m_candidateCount;
        }
    }
    m_positionsComplete = false;
}

void MethodeAuto::findPositions(const std::vector<NoxStepMetrics::Entry> &entries)
{
    // Kept while every position still holds the method found there: a method's index is
    // unique in the list, so when every candidate was found no other can be elsewhere.
    const auto holds = [&](qsizetype at, int methodIndex) {
        return std::size_t(at) < entries.size() && entries[std::size_t(at)].methodIndex == methodIndex;
    };
    const int selfIndex = index();
    bool kept = m_positionsComplete && holds(m_selfPosition, selfIndex);
    for (std::size_t i = 0; kept && i < m_positions.size(); ++i) {
        kept = holds(m_positions[i], m_positionIndexes[i]);
    }
    if (kept) {
        return;
    }
    m_positions.clear();
    m_positionIndexes.clear();
    m_selfPosition = -1;
    const bool everyMethod = m_candidateIndexes.isEmpty();
    const bool *isCandidate = m_isCandidate.constData();
    const qsizetype candidateKeys = m_isCandidate.size();
    for (qsizetype i = 0; i < qsizetype(entries.size()); ++i) {
        const int k = entries[std::size_t(i)].methodIndex;
        if (k == selfIndex && m_selfPosition < 0) {
            m_selfPosition = i;
        }
        if (!everyMethod && k >= 0 && k < candidateKeys && isCandidate[k]) {
            m_positions.push_back(i);
            m_positionIndexes.push_back(k);
        }
    }
    // This method is kept at its place whatever it ranks; the candidates of the whole
    // catalogue are found at every walk (a method added since is one of them).
    m_positionsComplete =
        m_selfPosition >= 0 && (everyMethod || qsizetype(m_positions.size()) == m_candidateCount);
}

void MethodeAuto::process(const NoxMethodContext &context)
{
    const int last = m_choiceStack.isEmpty() ? -1 : m_choiceStack.last();
    if (context.count() == 0) {
        setProposal({});
        setCenterNumber(-1);
        return;
    }
    const QList<NoxMethodState *> states = context.methodStates();
    // Outside a step (a context that keeps no metrics) the walk reads the states itself.
    std::optional<NoxStepMetrics> own;
    NoxStepMetrics *step = context.step();
    if (!step) {
        step = &own.emplace(states);
    }
    const std::vector<NoxStepMetrics::Entry> &entries = step->entries();
    findPositions(entries);
    NoxMethodState *self = m_selfPosition >= 0 ? entries[std::size_t(m_selfPosition)].state : nullptr;
    const NoxMethodSortByScore *scorer = m_scorer;
    NoxMethodState *best = nullptr;
    qsizetype bestIndex = -1;
    NoxMethodState *previous = nullptr;
    int previousGap = -1;
    double bestScore = std::numeric_limits<double>::lowest();
    // Read once for the walk: the members may not change while it runs.
    ++m_walk;
    const int required = m_requiredStateFlags;
    const std::vector<qsizetype> &positions =
        m_candidateIndexes.isEmpty() ? step->anyCandidates() : m_positions;
    for (const qsizetype i : positions) {
        const NoxStepMetrics::Entry &e = entries[std::size_t(i)];
        NoxMethodState *s = e.state;
        if (required && (s->playModeFlags() & required) != required) {
            continue;
        }
        if (m_sticky && e.methodIndex == last) {
            previous = s;
            previousGap = s->ecart();
        }
        if (scorer) {
            const NoxMethodMetrics *metrics = step->at(i);
            const double score = metrics ? scorer->scoreOf(*metrics) : scoreOfAutomatic(s);
            if (score > bestScore) {
                best = s;
                bestIndex = i;
                bestScore = score;
            } else if (score == bestScore && best && tieOrder(states, i, bestIndex) > 0) {
                best = s;
                bestIndex = i;
            }
        } else if (!best || m_sorter->compare(s, best) > 0) {
            best = s;
        }
    }
    NoxMethodState *chosen = best;
    if (m_sticky) {
        if (bestScore < 100.0) {
            chosen = nullptr;
        }
        if (previous && previousGap == 1) {
            chosen = previous;
        }
    }
    if (!chosen || !self) {
        m_currentChoice = -1;
        setProposal({});
        setCenterNumber(-1);
        return;
    }
    choose(self, chosen, states);
}

double MethodeAuto::scoreOfAutomatic(const NoxMethodState *s) const
{
    // An automatic candidate may change during the step, so the step keeps no view of it. In
    // an engine that one thread alone uses, a view of it as it is now is taken on the stack
    // rather than the shared one the state keeps for other threads.
    if (!s->method()->mutex().isLocking()) {
        return m_scorer->scoreOf(NoxMethodMetrics(*s, NoxMethodMetrics::Scope::Step));
    }
    return m_scorer->score(s);
}

void MethodeAuto::choose(NoxMethodState *self, NoxMethodState *chosen, const QList<NoxMethodState *> &states)
{
    m_currentChoice = chosen->method()->index();
    const bool numberMode = chosen->numberMode();
    const bool zero = chosen->zeroOption();
    // The chosen proposal is read in place and gathered on the stack: the method's list is
    // only replaced (and allocated) when the choice stakes other items than at the last coup.
    QVarLengthArray<NoxBetItemID, 40> items;
    int centre = -1;
    const auto add = [&items](NoxBetItemID id) {
        if (!items.contains(id)) {
            items.append(id);
        }
    };
    chosen->withProposal([&](const NoxMethodProposal &p) {
        centre = p.centerNumber;
        if (numberMode) {
            for (int n : p.coveredNumbers) {
                add(NoxBetItemID(n));
            }
        } else {
            for (NoxBetItemID id : p.items) {
                add(id);
            }
        }
    });
    if (zero) {
        add(NoxBetItemID::N0);
    }
    const QList<NoxBetItemID> &current = itemsToPlay();
    if (current.size() != items.size() || !std::equal(items.cbegin(), items.cend(), current.cbegin())) {
        setProposal(QList<NoxBetItemID>(items.cbegin(), items.cend()));
    } else {
        setProposal(current);
    }
    setCenterNumber(centre);
    self->setNumberMode(numberMode);
    self->setZeroOption(zero);

    // Marks of the list: the choice of the ratio and tendency automatic methods.
    if (m_sortType == ScoreRatioCt && !chosen->ratioSignalFlag()) {
        for (NoxMethodState *s : states) {
            s->setScoreSignalFlags(s == chosen, s->tendencySignalFlag());
        }
    } else if (m_sortType == ScoreTendance && !chosen->tendencySignalFlag()) {
        for (NoxMethodState *s : states) {
            s->setScoreSignalFlags(s->ratioSignalFlag(), s == chosen);
        }
    }
}

void MethodeAuto::commit(const NoxMethodContext &)
{
    if (m_sticky) {
        m_choiceStack.append(m_currentChoice);
    }
}

bool MethodeAuto::rollback(int, const NoxMethodContext &)
{
    setProposal({});
    if (m_sticky && !m_choiceStack.isEmpty()) {
        m_currentChoice = m_choiceStack.takeLast();
    }
    return true;
}

void MethodeAuto::reset(const NoxMethodContext &)
{
    setProposal({});
    m_currentChoice = -1;
    m_choiceStack.clear();
}

} // namespace Nox
