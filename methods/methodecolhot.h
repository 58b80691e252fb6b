#pragma once

#include "core/noxmethod.h"
#include "core/noxmethodinterface.h"

namespace Nox {

/// Hot column: after three non-zero values in not all the same column, plays for three coups the column that
/// repeats among the last three (the last one otherwise), or with `inverse` the two other columns; a win ends
/// the run early and a zero does not use up a coup.
class MethodeColHot : public NoxMethod, public NoxMethodInterface
{
public:
    MethodeColHot(const QString &name, bool inverse);

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
