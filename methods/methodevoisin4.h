#pragma once

#include "methods/abstractmethode37x5.h"

namespace Nox {

/// "Voisin 4": each result with its two wheel neighbours on either side. An accumulating neighbour method.
class MethodeVoisin4 : public AbstractMethode37x5
{
public:
    explicit MethodeVoisin4(const QString &name);

    [[nodiscard]] static const Table &rows();
};

} // namespace Nox
