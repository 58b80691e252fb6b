#pragma once

#include "core/noxmethod.h"
#include "core/noxmethodinterface.h"

namespace Nox {

/// Star sets: the row of the star table chosen by a result stays in play, with zero, until it wins; the next
/// result then chooses a new row.
class MethodeEtoile : public NoxMethod, public NoxMethodInterface
{
public:
    explicit MethodeEtoile(const QString &name);

    void process(const NoxMethodContext &context) override;
    void commit(const NoxMethodContext &context) override;
    bool rollback(int value, const NoxMethodContext &context) override;
    void reset(const NoxMethodContext &context) override;

private:
    QList<int> m_numbers; ///< the numbers gathered so far
};

} // namespace Nox
