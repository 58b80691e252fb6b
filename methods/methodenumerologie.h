#pragma once

#include "core/noxmethod.h"
#include "core/noxmethodinterface.h"

namespace Nox {

/// Numerology: plays the wheel sectors that the repeated digit sum of the last result names, and zero.
/// Stateless.
class MethodeNumerologie : public NoxMethod, public NoxMethodInterface
{
public:
    explicit MethodeNumerologie(const QString &name);

    void process(const NoxMethodContext &context) override;
    void commit(const NoxMethodContext &) override {}
    bool rollback(int, const NoxMethodContext &) override { return true; }
    void reset(const NoxMethodContext &) override { clearProposal(); }
};

} // namespace Nox
