#pragma once

#include "core/noxmethod.h"
#include "core/noxmethodinterface.h"

namespace Nox {

/// Space left by the wheel: once 37 results are known, plays the numbers absent from the last 37 results,
/// with zero, when there are at most 18 of them. Stateless.
class MethodeEspace : public NoxMethod, public NoxMethodInterface
{
public:
    explicit MethodeEspace(const QString &name);

    void process(const NoxMethodContext &context) override;
    void commit(const NoxMethodContext &) override {}
    bool rollback(int, const NoxMethodContext &) override { return true; }
    void reset(const NoxMethodContext &) override { clearProposal(); }
};

} // namespace Nox
