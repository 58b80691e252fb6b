#include "methods/methodecsreversecouleur.h"

#include "core/noxbetitem.h"
#include "core/noxmethodcontext.h"

namespace Nox {

MethodeCSReverseCouleur::MethodeCSReverseCouleur(const QString &name)
    : NoxMethod(NoxMethodType::cs, NoxMethodSubType::bluecs6, name)
{
    setBlockPercentage(85);
}

const QSet<int> &MethodeCSReverseCouleur::reverseTriggerNumbers()
{
    static const QSet<int> numbers{2,  4,  6,  8,  9,  10, 12, 13, 14, 15, 16,
                                   19, 21, 23, 26, 27, 28, 29, 31, 32, 35, 36};
    return numbers;
}

void MethodeCSReverseCouleur::process(const NoxMethodContext &)
{
    if (m_itemToPlay != NoxBetItemID::none && m_phase >= 1 && m_phase <= 3 && m_playing) {
        setProposal({m_itemToPlay});
    } else {
        clearProposal();
    }
}

void MethodeCSReverseCouleur::commit(const NoxMethodContext &context)
{
    const int n = context.count();
    const int v = n > 0 ? context.valueAt(n - 1) : -1;
    if (v > 0 && covers(v)) {
        m_wonInCycle = true;
        if (m_reverseMode) {
            m_missCount = 0;
        }
        m_playing = false;
    } else {
        if (m_reverseMode) {
            if (++m_missCount >= 4) {
                m_reverseMode = false;
            }
        } else {
            m_missCount = 0;
            m_playing = false;
            m_reverseMode = true;
        }
        if (m_phase == 3) {
            m_playing = false;
        }
    }
    if (n > 0 && m_phase == 0 && reverseTriggerNumbers().contains(v)) {
        const bool red = betItem(NoxBetItemID::CS_R).nums().contains(v);
        const NoxBetItemID own = red ? NoxBetItemID::CS_R : NoxBetItemID::CS_N;
        const NoxBetItemID other = red ? NoxBetItemID::CS_N : NoxBetItemID::CS_R;
        m_itemToPlay = m_reverseMode ? other : own;
        m_playing = true;
        m_phase = 1;
    }
    if (m_phase >= 1 && ++m_phase >= 4) {
        m_phase = 0;
        m_wonInCycle = false;
        m_playing = false;
    }
}

bool MethodeCSReverseCouleur::rollback(int, const NoxMethodContext &)
{
    return false;
}

void MethodeCSReverseCouleur::reset(const NoxMethodContext &)
{
    m_phase = 0;
    m_playing = false;
    m_reverseMode = true;
    m_wonInCycle = false;
    m_missCount = 0;
    m_itemToPlay = NoxBetItemID::none;
    clearProposal();
}

} // namespace Nox
