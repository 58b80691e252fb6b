#pragma once

#include "core/noxmethod.h"
#include "core/noxmethodinterface.h"
#include "core/noxmethodparameterinterface.h"

namespace Nox {

/// Law of the third: over a window of 37 results that moves every NbPlays coups, plays the numbers that did
/// not come out (COLD, mode 1), came out once (MED, 2) or at least twice (HOT, 3). Stateless.
class MethodeLoiDuTiers : public NoxMethod, public NoxMethodInterface, public NoxMethodParameterInterface
{
public:
    MethodeLoiDuTiers(const QString &name, int mode);

    void process(const NoxMethodContext &context) override;
    void commit(const NoxMethodContext &) override {}
    bool rollback(int, const NoxMethodContext &) override { return true; }
    void reset(const NoxMethodContext &) override { clearProposal(); }
    [[nodiscard]] NoxMethodParameterList parameters() const override;
    void setParameters(const NoxMethodParameterList &parameters) override;

private:
    int m_mode;
    int m_nbPlays = 5;
};

} // namespace Nox
