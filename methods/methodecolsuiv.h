#pragma once

#include "core/noxmethod.h"
#include "core/noxmethodinterface.h"

namespace Nox {

/// Column follower: plays the column of the last non-zero value, then the column of the latest earlier value
/// in another column; with `inverse`, the two columns other than the last one. Stateless.
class MethodeColSuiv : public NoxMethod, public NoxMethodInterface
{
public:
    MethodeColSuiv(const QString &name, bool inverse);

    void process(const NoxMethodContext &context) override;
    void commit(const NoxMethodContext &) override {}
    bool rollback(int, const NoxMethodContext &) override { return true; }
    void reset(const NoxMethodContext &) override { clearProposal(); }

    [[nodiscard]] bool isInverse() const { return m_inverse; }

private:
    bool m_inverse;
};

} // namespace Nox
