#pragma once

#include "core/noxmethod.h"
#include "core/noxmethodinterface.h"

namespace Nox {

/// Dozen follower: plays the dozen of the last non-zero value, then the dozen of the latest earlier value in
/// another dozen; with `inverse`, the two dozens other than the last one. Stateless.
class MethodeDouzSuiv : public NoxMethod, public NoxMethodInterface
{
public:
    MethodeDouzSuiv(const QString &name, bool inverse);

    void process(const NoxMethodContext &context) override;
    void commit(const NoxMethodContext &) override {}
    bool rollback(int, const NoxMethodContext &) override { return true; }
    void reset(const NoxMethodContext &) override { clearProposal(); }

    [[nodiscard]] bool isInverse() const { return m_inverse; }

private:
    bool m_inverse;
};

} // namespace Nox
