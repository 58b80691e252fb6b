#pragma once

#include "core/noxmethod.h"
#include "core/noxmethodinterface.h"
#include "methods/noxsectorrepeattracker.h"

namespace Nox {

/// Repeating sectors ("Logs 15"): plays the 15-number wheel sector that has just come out twice in a row and
/// has the most hits, and keeps it after a loss until its gap reaches four.
class MethodeLogs15 : public NoxMethod, public NoxMethodInterface
{
public:
    explicit MethodeLogs15(const QString &name);

    void process(const NoxMethodContext &context) override;
    void commit(const NoxMethodContext &context) override;
    bool rollback(int value, const NoxMethodContext &context) override;
    void reset(const NoxMethodContext &context) override;

    [[nodiscard]] const NoxSectorRepeatTracker &tracker() const { return m_tracker; }

private:
    NoxSectorRepeatTracker m_tracker;
};

} // namespace Nox
