#pragma once

#include "core/noxmethod.h"
#include "core/noxmethoddetailsinterface.h"
#include "core/noxmethodinterface.h"
#include "core/noxmethodparameterinterface.h"

#include <array>

namespace Nox {

/// Omega: watches the six sixains and picks those that came out at least MinRepet times among the last six
/// non-zero results (the last three for the speed variant; with OnlyRepet only those among them that came out
/// at the last result too). The choice is first followed without betting: the method bets only after
/// LimiteFictif fictive losses in a row, and goes back to watching after a win. In number mode the sixains
/// are played as their numbers.
class MethodeOmega : public NoxMethod,
                     public NoxMethodInterface,
                     public NoxMethodParameterInterface,
                     public NoxMethodDetailsInterface
{
public:
    MethodeOmega(const QString &name, bool numberMode, bool speed);

    void process(const NoxMethodContext &context) override;
    void commit(const NoxMethodContext &context) override;
    bool rollback(int value, const NoxMethodContext &context) override;
    void reset(const NoxMethodContext &context) override;
    [[nodiscard]] NoxMethodParameterList parameters() const override;
    void setParameters(const NoxMethodParameterList &parameters) override;
    [[nodiscard]] QList<QVariantMap> details() const override;

    [[nodiscard]] bool isPlaying() const { return m_playing; }
    [[nodiscard]] int fictiveLosses() const { return m_fictif; }

private:
    /// The sixains (0..5) the rule picks from the history.
    [[nodiscard]] QList<int> selection(const NoxMethodContext &context) const;
    bool m_numberMode;
    bool m_speed;
    int m_minRepet = 2;
    bool m_onlyRepet = false;
    int m_limiteFictif = 2;
    bool m_playing = false; ///< real bets
    int m_fictif = 0;       ///< fictive losses in a row
    int m_nbMises = 0;      ///< bets, fictive and real, since the method last won
    int m_nbMisesReelles = 0;
    int m_tour = 0;                 ///< results seen
    QList<int> m_current;           ///< sixains of the current choice, fictive or real
    std::array<int, 6> m_sorties{}; ///< outs of each sixain
};

} // namespace Nox
