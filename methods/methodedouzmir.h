#pragma once

#include "core/noxmethod.h"
#include "core/noxmethodinterface.h"

namespace Nox {

/// Ten-coups mirror on the dozens: plays the two dozens other than the one of the value ten coups back, or
/// with `inverse` that dozen; a zero there gives no bet. Stateless.
class MethodeDouzMir : public NoxMethod, public NoxMethodInterface
{
public:
    MethodeDouzMir(const QString &name, bool inverse);

    void process(const NoxMethodContext &context) override;
    void commit(const NoxMethodContext &) override {}
    bool rollback(int, const NoxMethodContext &) override { return true; }
    void reset(const NoxMethodContext &) override { clearProposal(); }

    [[nodiscard]] bool isInverse() const { return m_inverse; }

private:
    bool m_inverse;
};

} // namespace Nox
