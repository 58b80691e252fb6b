#pragma once

#include "core/noxmethod.h"
#include "core/noxmethodinterface.h"

namespace Nox {

/// Final digits: plays the numbers ending in the final digit that came out most among the last ten non-zero
/// results (the most recent on a tie), with zero. Stateless.
class MethodeTerminaison : public NoxMethod, public NoxMethodInterface
{
public:
    explicit MethodeTerminaison(const QString &name);

    void process(const NoxMethodContext &context) override;
    void commit(const NoxMethodContext &) override {}
    bool rollback(int, const NoxMethodContext &) override { return true; }
    void reset(const NoxMethodContext &) override { clearProposal(); }
};

} // namespace Nox
