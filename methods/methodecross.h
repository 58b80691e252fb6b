#pragma once

#include "methods/abstractmethode37x5.h"

namespace Nox {

/// "Cross": each result with the numbers diagonally next to it on the layout. An accumulating neighbour
/// method.
class MethodeCross : public AbstractMethode37x5
{
public:
    explicit MethodeCross(const QString &name);

    [[nodiscard]] static const Table &rows();
};

} // namespace Nox
