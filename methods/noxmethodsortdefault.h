#pragma once

#include "methods/noxmethodfilter.h"

namespace Nox {

/// The default order. Applied descending (as the list does) it shows automatic methods first,
/// then banker, player, subtype none, subtypes 0 to 11, and the simple chances last; names go
/// A to Z inside a subtype. With quickFirst, quick-mode ranks decide first.
class NoxMethodSortDefault : public NoxMethodFilter
{
public:
    explicit NoxMethodSortDefault(bool quickFirst = false)
        : m_quickFirst(quickFirst)
    {}
    [[nodiscard]] int compare(const NoxMethodState *a, const NoxMethodState *b) const override;
    [[nodiscard]] bool quickFirst() const { return m_quickFirst; }

protected:
    bool m_quickFirst;
};

} // namespace Nox
