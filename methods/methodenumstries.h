#pragma once

#include "core/noxmethod.h"
#include "core/noxmethodinterface.h"

namespace Nox {

/// Recency order: ranks the numbers by their latest appearance; plays the 13 most recent (HOT, mode 0), the
/// next 12 (MED, 1) or the 12 oldest (COLD, 2), with zero.
class MethodeNumsTries : public NoxMethod, public NoxMethodInterface
{
public:
    MethodeNumsTries(const QString &name, int mode);

    void process(const NoxMethodContext &context) override;
    void commit(const NoxMethodContext &context) override;
    bool rollback(int value, const NoxMethodContext &context) override;
    void reset(const NoxMethodContext &context) override;

private:
    void moveToFront(int value);
    int m_mode;
    QList<int> m_order; ///< distinct numbers, most recent first
};

} // namespace Nox
