#pragma once

#include "money/noxmontante.h"

#include <vector>

namespace Nox {

/// Doubles each method's own stake after each of its losses (up to 4096 units); a win brings
/// that method back to one unit. Asked once per method. Each method is known by its
/// identifier, so methods whose names give the same settings key keep separate counts.
class MontanteCS : public NoxMontante
{
public:
    explicit MontanteCS(QString name);

    int computeMise(int nbItems, const NoxMethod *method) override;
    void applyResult(int mise, bool won, int nbItems, const NoxMethod *method) override;
    void reset() override { m_lossCounts.clear(); }
    [[nodiscard]] std::unique_ptr<NoxMontante> clone() const override
    {
        return std::make_unique<MontanteCS>(*this);
    }

    [[nodiscard]] int lossCount(const NoxMethod *method) const;

private:
    // By method identifier (index + 1, so that a method without one has its own slot): two
    // methods never share a count. A flat array, as it is read for every method at every coup
    // (and written without the shared list's detach check).
    std::vector<int> m_lossCounts;
};

} // namespace Nox
