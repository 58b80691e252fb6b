#pragma once

#include "core/noxmethod.h"
#include "core/noxmethodinterface.h"

namespace Nox {

/// Ten-coups mirror on the transversale groups T1 (odd transversales) and T2 (even ones): plays the group
/// that does not hold the value ten coups back, or with `inverse` the one that does. Stateless.
class MethodeMirT1T2 : public NoxMethod, public NoxMethodInterface
{
public:
    MethodeMirT1T2(const QString &name, bool inverse);

    void process(const NoxMethodContext &context) override;
    void commit(const NoxMethodContext &) override {}
    bool rollback(int, const NoxMethodContext &) override { return true; }
    void reset(const NoxMethodContext &) override { clearProposal(); }

    [[nodiscard]] bool isInverse() const { return m_inverse; }

private:
    bool m_inverse;
};

} // namespace Nox
