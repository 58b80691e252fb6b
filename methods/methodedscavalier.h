#pragma once

#include "core/noxmethod.h"
#include "core/noxmethodinterface.h"

namespace Nox {

/// Knight sets ("DS cavalier"): plays the constant row of the last non-zero result, and keeps it for at most
/// three coups or until it wins. From the second result on, the hold counter runs on every coup, with or
/// without a bet: 0 after a win, one more after any other coup, back to 0 past kMaxHold; a row (or nothing,
/// after a zero) is chosen from the last result whenever it is 0.
class MethodeDSCavalier : public NoxMethod, public NoxMethodInterface
{
public:
    explicit MethodeDSCavalier(const QString &name);

    void process(const NoxMethodContext &context) override;
    void commit(const NoxMethodContext &context) override;
    bool rollback(int value, const NoxMethodContext &context) override;
    void reset(const NoxMethodContext &context) override;

private:
    static constexpr int kMaxHold = 2; ///< coups a row is kept after the one that chose it
    int m_hold = 0;                    ///< coups since the last win or the last choice of a row
};

} // namespace Nox
