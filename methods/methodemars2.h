#pragma once

#include "engine/noxmethod.h"
#include "engine/noxmethodinterface.h"

namespace Nox {

/// Constant sets held ("MARS 2"): the row of "MARS" chosen by a result stays for at most four coups, or until
/// it wins.
class MethodeMars2 : public NoxMethod, public NoxMethodInterface
{
public:
    explicit MethodeMars2(const QString &name);

    void process(const NoxMethodContext &context) override;
    void commit(const NoxMethodContext &context) override;
    bool rollback(int value, const NoxMethodContext &context) override;
    void reset(const NoxMethodContext &context) override;

private:
    int m_hold = 0; ///< coups the current row has been kept
};

} // namespace Nox
