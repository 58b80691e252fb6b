#pragma once

#include "core/noxmethod.h"
#include "core/noxmethodinterface.h"

namespace Nox {

/// The two-chance method: plays the chance opposite to the coup `distance` coups back (or the
/// same one with `inverse`); a zero or a tie there gives no bet. Stateless.
class MethodeCSHawksRN : public NoxMethod, public NoxMethodInterface
{
public:
    MethodeCSHawksRN(const QString &name, int distance, bool inverse);

    void process(const NoxMethodContext &context) override;
    void commit(const NoxMethodContext &context) override;
    bool rollback(int value, const NoxMethodContext &context) override;
    void reset(const NoxMethodContext &context) override;

    [[nodiscard]] NoxBetItemID firstItem() const { return m_firstItem; }
    [[nodiscard]] NoxBetItemID secondItem() const { return m_secondItem; }
    [[nodiscard]] int distance() const { return m_distance; }
    [[nodiscard]] bool isInverse() const { return m_inverse; }

protected:
    void setPair(NoxBetItemID first, NoxBetItemID second);

private:
    NoxBetItemID m_firstItem = NoxBetItemID::CS_R;
    NoxBetItemID m_secondItem = NoxBetItemID::CS_N;
    int m_distance;
    bool m_inverse;
};

} // namespace Nox
