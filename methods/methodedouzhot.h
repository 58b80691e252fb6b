#pragma once

#include "core/noxmethod.h"
#include "core/noxmethodinterface.h"

namespace Nox {

/// Hot dozen: after three non-zero values in not all the same dozen, plays for three coups the dozen
/// that repeats among the last three (the last one otherwise), or with `inverse` the two other dozens.
/// The run ends early on a win, or with `inverse` on a loss (a zero included); otherwise a zero does
/// not use up a coup.
class MethodeDouzHot : public NoxMethod, public NoxMethodInterface
{
public:
    MethodeDouzHot(const QString &name, bool inverse);

    void process(const NoxMethodContext &context) override;
    void commit(const NoxMethodContext &context) override;
    bool rollback(int value, const NoxMethodContext &context) override;
    void reset(const NoxMethodContext &context) override;

    [[nodiscard]] bool isInverse() const { return m_inverse; }
    [[nodiscard]] int counter() const { return m_counter; }

private:
    bool m_inverse;
    int m_counter = 0; ///< coups left on the current choice
};

} // namespace Nox
