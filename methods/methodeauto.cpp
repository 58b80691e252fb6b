#include "methods/methodeauto.h"

#include "core/noxmethodcontext.h"
#include "core/noxmethodmetrics.h"
#include "core/noxmethodstate.h"
#include "methods/noxmethodsortbyscore.h"
#include "methods/noxmethodsortfactory.h"

#include <QVarLengthArray>

#include <algorithm>
#include <limits>
#include <new>

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
    for (int index : indexes) {
        if (index >= 0) {
            if (index >= m_isCandidate.size()) {
                m_isCandidate.resize(index + 1, false);
            }
            m_isCandidate[index] = true;
        }
    }
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
    const NoxMethodSortByScore *scorer = m_scorer;
    NoxMethodState *self = nullptr;
    NoxMethodState *best = nullptr;
    qsizetype bestIndex = -1;
    NoxMethodState *previous = nullptr;
    int previousGap = -1;
    double bestScore = std::numeric_limits<double>::lowest();
    // Read once for the walk: the members may not change while it runs.
    ++m_walk;
    const int selfIndex = index();
    const int required = m_requiredStateFlags;
    const bool everyMethod = m_candidateIndexes.isEmpty();
    const bool *isCandidate = m_isCandidate.constData();
    const qsizetype candidateKeys = m_isCandidate.size();
    for (qsizetype i = 0; i < states.size(); ++i) {
        NoxMethodState *s = states.at(i);
        const NoxMethod *m = s->method();
        if (m->index() == selfIndex) {
            self = s;
        }
        if (required && (s->playModeFlags() & required) != required) {
            continue;
        }
        if (everyMethod) {
            if (m->type() == NoxMethodType::automatic || m->subtype() == NoxMethodSubType::none) {
                continue;
            }
        } else if (const int k = m->index(); k < 0 || k >= candidateKeys || !isCandidate[k]) {
            continue;
        }
        if (m_sticky && m->index() == last) {
            previous = s;
            previousGap = s->ecart();
        }
        if (scorer) {
            const NoxMethodMetrics *metrics = context.stepMetrics(i);
            const double score = metrics ? scorer->scoreOf(*metrics) : scorer->score(s);
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
