#include "money/montante7boules.h"

#include <cmath>

namespace Nox {

Montante7Boules::Montante7Boules(QString name)
    : NoxMontante(std::move(name))
{}

int Montante7Boules::computeMise(int, const NoxMethod *)
{
    return m_multiplier;
}

void Montante7Boules::clearCycle()
{
    m_count = 0;
    m_results.fill(0);
    m_total = 0;
}

void Montante7Boules::reset()
{
    clearCycle();
    m_multiplier = 1;
}

void Montante7Boules::applyResult(int, bool won, int nbItems, const NoxMethod *)
{
    const double d = won ? (36 - nbItems) / 18.0 : -nbItems / 18.0;
    m_total += d;
    const double t = m_total;
    if (t < 0 && t > -1) {
        // A small loss restarts the cycle but keeps the total.
        m_count = 0;
        m_results.fill(0);
    } else if (t <= -1) {
        m_results[size_t(m_count)] = d;
        if (++m_count == 7) {
            m_multiplier = int(std::round((1 - t) * m_multiplier));
            clearCycle();
        }
    } else {
        if (m_multiplier > 1 && t < 1) {
            const int old = m_multiplier;
            m_multiplier = int(std::round(m_multiplier * (1 - t)));
            if (m_multiplier < 1) {
                m_multiplier = old > 2 ? 2 : 1;
            }
        } else {
            m_multiplier = 1;
        }
        clearCycle();
    }
}

} // namespace Nox
