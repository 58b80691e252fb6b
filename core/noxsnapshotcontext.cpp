#include "core/noxsnapshotcontext.h"

#include "core/noxmethodstate.h"

namespace Nox {

bool NoxSnapshotContext::countsZero() const
{
    return m_state && m_state->zeroOption();
}

bool NoxSnapshotContext::numberMode() const
{
    return m_state && m_state->numberMode();
}

} // namespace Nox
