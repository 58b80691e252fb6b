#pragma once

#include "core/noxmethod.h"
#include "core/noxmethodinterface.h"
#include "core/noxmethodparameterinterface.h"

namespace Nox {

/// Sector follower: plays the wheel sector of NbVoisins / 2 neighbours on either side of the last
/// result, and zero; `inverse` centres the sector on the number facing the last result. Stateless.
class MethodeSuiveuse : public NoxMethod, public NoxMethodInterface, public NoxMethodParameterInterface
{
public:
    MethodeSuiveuse(const QString &name, bool inverse);

    void process(const NoxMethodContext &context) override;
    void commit(const NoxMethodContext &) override {}
    bool rollback(int, const NoxMethodContext &) override { return true; }
    void reset(const NoxMethodContext &) override { clearProposal(); }
    [[nodiscard]] NoxMethodParameterList parameters() const override;
    void setParameters(const NoxMethodParameterList &parameters) override;

    [[nodiscard]] bool isInverse() const { return m_inverse; }
    [[nodiscard]] int neighbours() const { return m_neighbours; }

protected:
    int m_neighbours = 18;
    bool m_inverse;
};

} // namespace Nox
