#pragma once

#include "core/noxmethod.h"
#include "core/noxmethodinterface.h"

namespace Nox {

/// Recent sixains ("Speedway"): from the fourth value on, plays the sixains of the last three non-zero
/// values, the oldest first. Stateless.
class MethodeSpeedwaySix : public NoxMethod, public NoxMethodInterface
{
public:
    explicit MethodeSpeedwaySix(const QString &name);

    void process(const NoxMethodContext &context) override;
    void commit(const NoxMethodContext &) override {}
    bool rollback(int, const NoxMethodContext &) override { return true; }
    void reset(const NoxMethodContext &) override { clearProposal(); }
};

} // namespace Nox
