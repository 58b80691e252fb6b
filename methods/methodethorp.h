#pragma once

#include "core/noxmethod.h"
#include "core/noxmethoddetailsinterface.h"
#include "core/noxmethodinterface.h"

#include <array>

namespace Nox {

/// Ring trackers: six rings of six numbers follow the last result on the wheel; each ring keeps its current
/// miss run and a counter per run length, and a decision table per ring says, for the run and its counter,
/// whether the ring is played (with zero).
class MethodeThorp : public NoxMethod, public NoxMethodInterface, public NoxMethodDetailsInterface
{
public:
    explicit MethodeThorp(const QString &name);

    void process(const NoxMethodContext &context) override;
    void commit(const NoxMethodContext &context) override;
    bool rollback(int value, const NoxMethodContext &context) override;
    void reset(const NoxMethodContext &context) override;
    [[nodiscard]] QList<QVariantMap> details() const override;

    using Table = std::array<std::array<quint8, 30>, 30>;
    /// The decision table of ring k: [miss run][counter].
    [[nodiscard]] static const Table &decisionTable(int k);

private:
    struct Tracker {
        int run = 0;
        std::array<int, 30> counters{};
    };
    std::array<Tracker, 6> m_trackers;
};

} // namespace Nox
