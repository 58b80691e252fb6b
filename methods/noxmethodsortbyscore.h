#pragma once

#include "methods/noxmethodsortdefault.h"

namespace Nox {

class NoxMethodMetrics;

/// Score Total, and the base of every score ordering: compares scores (automatic methods
/// first with automaticFirst), the default order between equal scores.
class NoxMethodSortByScore : public NoxMethodSortDefault
{
public:
    explicit NoxMethodSortByScore(bool quickFirst = false, bool automaticFirst = true)
        : NoxMethodSortDefault(quickFirst)
        , m_automaticFirst(automaticFirst)
    {}
    [[nodiscard]] int compare(const NoxMethodState *a, const NoxMethodState *b) const override;
    /// The state's score, from its metrics.
    [[nodiscard]] double score(const NoxMethodState *state) const;
    /// The score of a method with these metrics.
    [[nodiscard]] virtual double scoreOf(const NoxMethodMetrics &m) const;
    /// compare() for two states already known to score the same (their scores are not
    /// computed again).
    [[nodiscard]] int compareTied(const NoxMethodState *a, const NoxMethodState *b) const;
    [[nodiscard]] bool automaticFirst() const { return m_automaticFirst; }

private:
    /// Automatic methods first when asked: 1 or -1 when exactly one of a and b is automatic.
    [[nodiscard]] int automaticOrder(const NoxMethodState *a, const NoxMethodState *b) const;

    bool m_automaticFirst;
};

} // namespace Nox
