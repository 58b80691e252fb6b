#pragma once

#include "core/noxmethod.h"
#include "core/noxmethodinterface.h"

#include <QSet>

namespace Nox {

/// Colour reversal (roulette): a trigger number arms at most two bets on the other colour
/// (or, after four misses in reverse mode, on the trigger's colour); a win ends the cycle.
class MethodeCSReverseCouleur : public NoxMethod, public NoxMethodInterface
{
public:
    explicit MethodeCSReverseCouleur(const QString &name);

    /// The 22 numbers that start a cycle.
    [[nodiscard]] static const QSet<int> &reverseTriggerNumbers();

    void process(const NoxMethodContext &context) override;
    void commit(const NoxMethodContext &context) override;
    bool rollback(int value, const NoxMethodContext &context) override;
    void reset(const NoxMethodContext &context) override;

    [[nodiscard]] int phase() const { return m_phase; }
    [[nodiscard]] bool isReverseMode() const { return m_reverseMode; }

private:
    int m_phase = 0;
    bool m_playing = false;
    bool m_reverseMode = true;
    bool m_wonInCycle = false;
    int m_missCount = 0;
    NoxBetItemID m_itemToPlay = NoxBetItemID::none;
};

} // namespace Nox
