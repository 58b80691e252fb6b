#pragma once

#include "core/noxmethod.h"
#include "core/noxmethodinterface.h"

namespace Nox {

/// Transversale quarters (T1, T5, T9 / T2, T6, T10 / T3, T7, T11 / T4, T8, T12): when the last two values
/// fall in two different quarters, plays the six transversales of the two other quarters, or with `inverse`
/// those of these two. Stateless.
class MethodeQuartiersTr : public NoxMethod, public NoxMethodInterface
{
public:
    MethodeQuartiersTr(const QString &name, bool inverse);

    void process(const NoxMethodContext &context) override;
    void commit(const NoxMethodContext &) override {}
    bool rollback(int, const NoxMethodContext &) override { return true; }
    void reset(const NoxMethodContext &) override { clearProposal(); }

    [[nodiscard]] bool isInverse() const { return m_inverse; }

private:
    bool m_inverse;
};

} // namespace Nox
