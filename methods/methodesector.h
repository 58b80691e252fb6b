#pragma once

#include "core/noxmethod.h"
#include "core/noxmethoddetailsinterface.h"
#include "core/noxmethodinterface.h"

#include <array>

namespace Nox {

/// Unhit sectors ("SectOR"): records which of the 37 five-number wheel sectors the results hit, and once
/// fewer sectors than the method's parameter are left unhit, plays their numbers; after a win, or once every
/// sector was hit, it pauses one coup and starts again.
class MethodeSector : public NoxMethod, public NoxMethodInterface, public NoxMethodDetailsInterface
{
public:
    explicit MethodeSector(const QString &name);

    void process(const NoxMethodContext &context) override;
    void commit(const NoxMethodContext &context) override;
    bool rollback(int value, const NoxMethodContext &context) override;
    void reset(const NoxMethodContext &context) override;
    [[nodiscard]] QList<QVariantMap> details() const override;

    /// Sector r: the numbers at wheel positions r + 1 to r + 5.
    [[nodiscard]] static const std::array<std::array<int, 5>, 37> &sectors();

private:
    std::array<bool, 37> m_hit{};
    int m_pause = 0;
};

} // namespace Nox
