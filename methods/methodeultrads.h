#pragma once

#include "core/noxmethod.h"
#include "core/noxmethodinterface.h"

namespace Nox {

/// "Ultra DS": plays the wheel sectors of five numbers (two neighbours on either side) centred on each of the
/// last two results, and zero. Stateless.
class MethodeUltraDS : public NoxMethod, public NoxMethodInterface
{
public:
    explicit MethodeUltraDS(const QString &name);

    void process(const NoxMethodContext &context) override;
    void commit(const NoxMethodContext &) override {}
    bool rollback(int, const NoxMethodContext &) override { return true; }
    void reset(const NoxMethodContext &) override { clearProposal(); }
};

} // namespace Nox
