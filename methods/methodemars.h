#pragma once

#include "core/noxmethod.h"
#include "core/noxmethodinterface.h"

namespace Nox {

/// Constant sets ("MARS"): plays the constant row of the last result and zero. Stateless.
class MethodeMars : public NoxMethod, public NoxMethodInterface
{
public:
    explicit MethodeMars(const QString &name);

    void process(const NoxMethodContext &context) override;
    void commit(const NoxMethodContext &) override {}
    bool rollback(int, const NoxMethodContext &) override { return true; }
    void reset(const NoxMethodContext &) override { clearProposal(); }

    /// The row of a number, its own number first (duplicates possible).
    [[nodiscard]] static QList<int> row(int number);
};

} // namespace Nox
