#pragma once

#include "methods/abstractmethode37x5.h"

namespace Nox {

/// "Minus": each result with the numbers above and below it on the layout. An accumulating neighbour method.
class MethodeMinus : public AbstractMethode37x5
{
public:
    explicit MethodeMinus(const QString &name);

    [[nodiscard]] static const Table &rows();
};

} // namespace Nox
