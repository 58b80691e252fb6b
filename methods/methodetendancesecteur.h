#pragma once

#include "core/noxmethod.h"
#include "core/noxmethodinterface.h"

namespace Nox {

/// Sector trend: once twelve results are known, plays the wheel section (of the four of "Les Sections")
/// that came out most among the last twelve (the most recently out on a tie), with zero; `inverse` plays
/// the one that came out least. Zeros count for no section. Stateless.
class MethodeTendanceSecteur : public NoxMethod, public NoxMethodInterface
{
public:
    MethodeTendanceSecteur(const QString &name, bool inverse);

    void process(const NoxMethodContext &context) override;
    void commit(const NoxMethodContext &) override {}
    bool rollback(int, const NoxMethodContext &) override { return true; }
    void reset(const NoxMethodContext &) override { clearProposal(); }

    [[nodiscard]] bool isInverse() const { return m_inverse; }

private:
    bool m_inverse;
};

} // namespace Nox
