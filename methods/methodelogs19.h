#pragma once

#include "core/noxmethod.h"
#include "core/noxmethodinterface.h"
#include "methods/noxsectorrepeattracker.h"

namespace Nox {

/// Repeating wide sectors ("Logs 19"): as "Logs 15" with sectors of 19 numbers and a release after three
/// coups; `inverse` plays the 18 numbers outside the sector.
class MethodeLogs19 : public NoxMethod, public NoxMethodInterface
{
public:
    MethodeLogs19(const QString &name, bool inverse);

    void process(const NoxMethodContext &context) override;
    void commit(const NoxMethodContext &context) override;
    bool rollback(int value, const NoxMethodContext &context) override;
    void reset(const NoxMethodContext &context) override;

    [[nodiscard]] bool isInverse() const { return m_inverse; }
    [[nodiscard]] const NoxSectorRepeatTracker &tracker() const { return m_tracker; }

private:
    NoxSectorRepeatTracker m_tracker;
    bool m_inverse;
};

} // namespace Nox
