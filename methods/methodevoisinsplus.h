#pragma once

#include "core/noxmethod.h"
#include "core/noxmethodinterface.h"

namespace Nox {

/// "Voisins +": plays the last result with its three wheel neighbours on either side, and zero. Stateless.
class MethodeVoisinsPlus : public NoxMethod, public NoxMethodInterface
{
public:
    explicit MethodeVoisinsPlus(const QString &name);

    void process(const NoxMethodContext &context) override;
    void commit(const NoxMethodContext &) override {}
    bool rollback(int, const NoxMethodContext &) override { return true; }
    void reset(const NoxMethodContext &) override { clearProposal(); }
};

} // namespace Nox
