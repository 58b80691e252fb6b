#pragma once

#include "core/noxmethod.h"
#include "core/noxmethodinterface.h"

namespace Nox {

/// Transversale follower: plays the transversales that came out since the latest repetition of a transversale
/// (at most eleven), the oldest first, and forgets everything before its latest win.
class MethodeSuiveuseTr : public NoxMethod, public NoxMethodInterface
{
public:
    explicit MethodeSuiveuseTr(const QString &name);

    void process(const NoxMethodContext &context) override;
    void commit(const NoxMethodContext &context) override;
    bool rollback(int value, const NoxMethodContext &context) override;
    void reset(const NoxMethodContext &context) override;

    [[nodiscard]] int startIndex() const { return m_start; }

private:
    int m_start = -1; ///< history index of the latest win, -1 for none
};

} // namespace Nox
