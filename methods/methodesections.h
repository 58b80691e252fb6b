#pragma once

#include "core/noxmethod.h"
#include "core/noxmethodinterface.h"

namespace Nox {

/// Wheel sections: the wheel without zero is cut into four sections of nine numbers. The method
/// plays zero and the section of the last result, widens to two sections after one miss,
/// switches to the remaining sections after two misses and alternates every two misses until a
/// win; `inverse` plays zero and the numbers outside that proposal, and counts the misses of the
/// same underlying proposal. It decides in commit(), when the result is known.
class MethodeSections : public NoxMethod, public NoxMethodInterface
{
public:
    MethodeSections(const QString &name, bool inverse);

    void process(const NoxMethodContext &) override {}
    void commit(const NoxMethodContext &context) override;
    bool rollback(int, const NoxMethodContext &) override { return false; }
    void reset(const NoxMethodContext &context) override;

    [[nodiscard]] bool isInverse() const { return m_inverse; }
    [[nodiscard]] int missCount() const { return m_misses; }
    /// The nine numbers of a section, in wheel order.
    [[nodiscard]] static const QList<int> &section(int index);
    /// The section of a number; zero counts as section 0.
    [[nodiscard]] static int sectionOf(int number);

protected:
    /// The proposal for the last value v (empty for an empty history); updates A and B.
    [[nodiscard]] QList<int> proposalFor(int v);

    int m_misses = 0;
    QList<int> m_first;  ///< A: the sections played before the switch
    QList<int> m_second; ///< B: the sections played after it
    bool m_inverse;
};

} // namespace Nox
