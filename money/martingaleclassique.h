#pragma once

#include "money/noxmontante.h"

namespace Nox {

/// Stakes enough to win back the deficit plus a target in one winning coup.
class MartingaleClassique : public NoxMontante
{
public:
    /// payout: gross return of one unit on one winning item (36 plein, 2 simple chance, ...).
    MartingaleClassique(QString name, int payout, int target, bool perMethod = false);

    int computeMise(int nbItems, const NoxMethod *method) override;
    void applyResult(int mise, bool won, int nbItems, const NoxMethod *method) override;
    void reset() override { m_deficit = 0; }

    [[nodiscard]] int payout() const { return m_payout; }
    [[nodiscard]] int target() const { return m_target; }
    [[nodiscard]] int deficit() const { return m_deficit; }

private:
    int m_payout;
    int m_deficit = 0;
    int m_target;
};

} // namespace Nox
