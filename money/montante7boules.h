#pragma once

#include "money/noxmontante.h"

#include <array>

namespace Nox {

/// Counts results in stakes of 18 numbers: after seven losing coups below -1 the multiplier
/// grows by the loss; a recovered cycle brings it down again.
class Montante7Boules : public NoxMontante
{
public:
    explicit Montante7Boules(QString name);

    int computeMise(int nbItems, const NoxMethod *method) override;
    void applyResult(int mise, bool won, int nbItems, const NoxMethod *method) override;
    void reset() override;
    [[nodiscard]] std::unique_ptr<NoxMontante> clone() const override
    {
        return std::make_unique<Montante7Boules>(*this);
    }

    [[nodiscard]] double total() const { return m_total; }
    [[nodiscard]] int count() const { return m_count; }
    [[nodiscard]] int multiplier() const { return m_multiplier; }

private:
    void clearCycle();

    std::array<double, 7> m_results{};
    int m_count = 0;
    double m_total = 0;
    int m_multiplier = 1;
};

} // namespace Nox
