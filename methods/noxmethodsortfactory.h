#pragma once

#include "core/noxmethodsorttype.h"

#include <QList>
#include <QPair>
#include <QString>

#include <memory>

namespace Nox {

class NoxMethodFilter;

/// Builds the ordering of a sort type and tells how the list applies it.
class NoxMethodSortFactory
{
public:
    /// The ordering of sortType (-1 and 1: index), or null outside -1..21.
    [[nodiscard]] static std::unique_ptr<NoxMethodFilter> create(int sortType);
    /// Score orderings and the default order are applied greatest first.
    [[nodiscard]] static bool isDescending(int sortType);
    [[nodiscard]] static bool isScoreOrdering(int sortType);
    /// The orderings the list offers, label and sort type, in screen order.
    [[nodiscard]] static QList<QPair<QString, int>> labels();
};

} // namespace Nox
