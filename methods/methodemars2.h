#pragma once

#include "core/noxmethod.h"
#include "core/noxmethodinterface.h"

namespace Nox {

/// Constant sets held ("MARS 2"): the row of "MARS" chosen by a result stays for at most four coups, or until
/// it wins. The hold counter runs on every coup, with or without a bet: 0 after a win, one more after any
/// other coup, back to 0 past kMaxHold; a row is chosen from the last result whenever it is 0. A fresh
/// method therefore first bets after its fourth result (at once after a zero with the zero option, which
/// wins).
class MethodeMars2 : public NoxMethod, public NoxMethodInterface
{
public:
    explicit MethodeMars2(const QString &name);

    void process(const NoxMethodContext &context) override;
    void commit(const NoxMethodContext &context) override;
    bool rollback(int value, const NoxMethodContext &context) override;
    void reset(const NoxMethodContext &context) override;

private:
    static constexpr int kMaxHold = 3; ///< coups a row is kept after the one that chose it
    int m_hold = 0;                    ///< coups since the last win or the last choice of a row
};

} // namespace Nox
