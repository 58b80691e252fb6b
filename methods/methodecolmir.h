#pragma once

#include "core/noxmethod.h"
#include "core/noxmethodinterface.h"

namespace Nox {

/// Ten-coups mirror on the columns: plays the two columns other than the one of the value ten coups back, or
/// with `inverse` that column; a zero there gives no bet. Stateless.
class MethodeColMir : public NoxMethod, public NoxMethodInterface
{
public:
    MethodeColMir(const QString &name, bool inverse);

    void process(const NoxMethodContext &context) override;
    void commit(const NoxMethodContext &) override {}
    bool rollback(int, const NoxMethodContext &) override { return true; }
    void reset(const NoxMethodContext &) override { clearProposal(); }

    [[nodiscard]] bool isInverse() const { return m_inverse; }

private:
    bool m_inverse;
};

} // namespace Nox
