#pragma once

#include "engine/noxmethod.h"
#include "engine/noxmethodinterface.h"

namespace Nox {

/// Knight sets ("DS cavalier"): plays the constant row of the last non-zero result, and keeps it for at most
/// three coups or until it wins.
class MethodeDSCavalier : public NoxMethod, public NoxMethodInterface
{
public:
    explicit MethodeDSCavalier(const QString &name);

    void process(const NoxMethodContext &context) override;
    void commit(const NoxMethodContext &context) override;
    bool rollback(int value, const NoxMethodContext &context) override;
    void reset(const NoxMethodContext &context) override;

private:
    int m_hold = 0; ///< coups the current row has been kept
};

} // namespace Nox
