#pragma once

#include "core/noxmethod.h"
#include "core/noxmethodinterface.h"
#include "core/noxmethodparameterinterface.h"

namespace Nox {

/// Perpetuum: plays zero and the last k distinct non-zero results (k = 3, or 2 for "Perpetuum 2") with
/// their wheel neighbours on either side, nearest first, up to NbMaxNumsToPlay numbers in all (3k + 1 by
/// default: each result and its two next neighbours). Stateless.
class MethodePerpetuum : public NoxMethod, public NoxMethodInterface, public NoxMethodParameterInterface
{
public:
    MethodePerpetuum(const QString &name, int count);

    void process(const NoxMethodContext &context) override;
    void commit(const NoxMethodContext &) override {}
    bool rollback(int, const NoxMethodContext &) override { return true; }
    void reset(const NoxMethodContext &) override { clearProposal(); }
    [[nodiscard]] NoxMethodParameterList parameters() const override;
    void setParameters(const NoxMethodParameterList &parameters) override;

private:
    int m_count;
};

} // namespace Nox
