#pragma once

#include "money/noxmontante.h"

namespace Nox {

/// Stakes enough to win back the deficit plus a target in one winning coup.
///
/// The deficit is counted in 64 bits and saturates instead of wrapping: a long run of losses
/// (at a chip of 0 nothing stops it) doubles the stake past any int. It is held at most at
/// INT_MAX × payout chips, where the rule already asks for a multiplier of INT_MAX or more, so
/// the bound never lowers a stake; the multiplier itself stops at INT_MAX, far beyond the
/// engine's money limit, which then refuses the coup.
class MartingaleClassique : public NoxMontante
{
public:
    /// payout: gross return of one unit on one winning item (36 plein, 2 simple chance, ...).
    MartingaleClassique(QString name, int payout, int target, bool perMethod = false);

    int computeMise(int nbItems, const NoxMethod *method) override;
    void applyResult(int mise, bool won, int nbItems, const NoxMethod *method) override;
    void reset() override { m_deficit = 0; }
    [[nodiscard]] std::unique_ptr<NoxMontante> clone() const override
    {
        return std::make_unique<MartingaleClassique>(*this);
    }

    [[nodiscard]] int payout() const { return m_payout; }
    [[nodiscard]] int target() const { return m_target; }
    /// The deficit in base chips, brought into the int range.
    [[nodiscard]] int deficit() const;

private:
    /// The largest deficit kept (see the class comment).
    [[nodiscard]] qint64 maxDeficit() const;

    int m_payout;
    qint64 m_deficit = 0;
    int m_target;
};

} // namespace Nox
