#pragma once

#include "money/noxmontante.h"

#include <QList>

namespace Nox {

/// Pleins: after a win, the next winning coup must win back the three oldest losses at once.
class Recup3Pertes : public NoxMontante
{
public:
    static constexpr int kPayout = 36;

    explicit Recup3Pertes(QString name);

    int computeMise(int nbItems, const NoxMethod *method) override;
    void applyResult(int mise, bool won, int nbItems, const NoxMethod *method) override;
    void reset() override;
    [[nodiscard]] std::unique_ptr<NoxMontante> clone() const override
    {
        return std::make_unique<Recup3Pertes>(*this);
    }

    [[nodiscard]] const QList<int> &losses() const { return m_losses; }
    [[nodiscard]] int window() const { return m_window; }

private:
    QList<int> m_losses;
    int m_multiplier = 1;
    int m_window = 0;
};

} // namespace Nox
