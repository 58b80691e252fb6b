#pragma once

#include "core/noxmethod.h"
#include "core/noxmethodinterface.h"
#include "core/noxmethodparameterinterface.h"

namespace Nox {

/// Repeated numbers: plays the numbers that came out at least R times, the most recently seen first, then
/// their wheel neighbours up to the number limit.
class MethodeTriplette : public NoxMethod, public NoxMethodInterface, public NoxMethodParameterInterface
{
public:
    MethodeTriplette(const QString &name, int repeat, int neighbours, int maxNumbers);

    void process(const NoxMethodContext &context) override;
    void commit(const NoxMethodContext &) override {}
    bool rollback(int, const NoxMethodContext &) override { return true; }
    void reset(const NoxMethodContext &) override { clearProposal(); }
    [[nodiscard]] NoxMethodParameterList parameters() const override;
    void setParameters(const NoxMethodParameterList &parameters) override;

private:
    int m_repeat;
    int m_neighbours;
    int m_maxNumbers;
};

} // namespace Nox
