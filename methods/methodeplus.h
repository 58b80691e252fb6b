#pragma once

#include "methods/abstractmethode37x5.h"

namespace Nox {

/// "Plus": each result with the numbers beside, above and below it on the layout. An accumulating neighbour
/// method.
class MethodePlus : public AbstractMethode37x5
{
public:
    explicit MethodePlus(const QString &name);

    [[nodiscard]] static const Table &rows();
};

} // namespace Nox
