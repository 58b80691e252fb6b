#include "core/noxclock.h"

#include <QDateTime>

namespace Nox {

namespace {
class SystemClock final : public NoxClock
{
public:
    [[nodiscard]] qint64 nowMs() const override { return QDateTime::currentMSecsSinceEpoch(); }
};
} // namespace

const NoxClock &NoxClock::system()
{
    static const SystemClock clock;
    return clock;
}

} // namespace Nox
