#pragma once

#include "core/noxmethod.h"
#include "core/noxmethodinterface.h"

namespace Nox {

/// Sector between the last two results ("DS": the two last): plays the numbers of the shorter wheel arc from
/// the second-last result to the last one, both included, with zero; `inverse` plays the numbers outside that
/// arc and zero. Stateless.
class MethodeDSSecteur : public NoxMethod, public NoxMethodInterface
{
public:
    MethodeDSSecteur(const QString &name, bool inverse);

    void process(const NoxMethodContext &context) override;
    void commit(const NoxMethodContext &) override {}
    bool rollback(int, const NoxMethodContext &) override { return true; }
    void reset(const NoxMethodContext &) override { clearProposal(); }

    [[nodiscard]] bool isInverse() const { return m_inverse; }

private:
    bool m_inverse;
};

} // namespace Nox
