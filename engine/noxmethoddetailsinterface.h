#pragma once

#include <QVariantMap>

namespace Nox {

/// Implemented by methods that have a details view.
class NoxMethodDetailsInterface
{
public:
    virtual ~NoxMethodDetailsInterface() = default;
    [[nodiscard]] virtual QList<QVariantMap> details() const = 0;
};

} // namespace Nox
