#pragma once

#include "core/noxmethoddetailsinterface.h"
#include "methods/methodesignaturebase.h"

namespace Nox {

/// "Signature": the dealer signature, never inverse, with its details view.
class MethodeSignature : public MethodeSignatureBase, public NoxMethodDetailsInterface
{
public:
    explicit MethodeSignature(const QString &name);

    [[nodiscard]] QList<QVariantMap> details() const override;
};

} // namespace Nox
