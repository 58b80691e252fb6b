#pragma once

#include "core/noxmethod.h"
#include "core/noxmethoddetailsinterface.h"
#include "core/noxmethodinterface.h"

#include <array>

namespace Nox {

/// Transversale cycles: each transversale has a cycle length; it is played from the moment it has come out
/// that many times in its current cycle until it comes out once more, which closes the cycle.
class MethodeEcartTr : public NoxMethod, public NoxMethodInterface, public NoxMethodDetailsInterface
{
public:
    explicit MethodeEcartTr(const QString &name);

    void process(const NoxMethodContext &context) override;
    void commit(const NoxMethodContext &context) override;
    bool rollback(int value, const NoxMethodContext &context) override;
    void reset(const NoxMethodContext &context) override;
    [[nodiscard]] QList<QVariantMap> details() const override;

    static constexpr std::array<int, 12> kCycleLengths{3, 3, 1, 2, 3, 4, 2, 3, 3, 2, 1, 3};
    [[nodiscard]] const std::array<int, 12> &cycleCounts() const { return m_counts; }
    [[nodiscard]] const std::array<int, 12> &gaps() const { return m_gaps; }

private:
    std::array<int, 12> m_counts{};
    std::array<int, 12> m_gaps{};
};

} // namespace Nox
