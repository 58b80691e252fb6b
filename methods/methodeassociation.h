#pragma once

#include "core/noxmethod.h"
#include "core/noxmethodinterface.h"

namespace Nox {

/// Final digits: plays the numbers whose final digit is the last result's or one next to it, and zero.
/// Stateless.
class MethodeAssociation : public NoxMethod, public NoxMethodInterface
{
public:
    explicit MethodeAssociation(const QString &name);

    void process(const NoxMethodContext &context) override;
    void commit(const NoxMethodContext &) override {}
    bool rollback(int, const NoxMethodContext &) override { return true; }
    void reset(const NoxMethodContext &) override { clearProposal(); }
};

} // namespace Nox
