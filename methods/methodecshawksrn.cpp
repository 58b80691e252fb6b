#include "methods/methodecshawksrn.h"

#include "core/noxbetitem.h"
#include "core/noxmethodcontext.h"

namespace Nox {

MethodeCSHawksRN::MethodeCSHawksRN(const QString &name, int distance, bool inverse)
    : NoxMethod(NoxMethodType::cs, NoxMethodSubType::bluecs6, name)
    , m_distance(distance)
    , m_inverse(inverse)
{}

void MethodeCSHawksRN::setPair(NoxBetItemID first, NoxBetItemID second)
{
    m_firstItem = first;
    m_secondItem = second;
}

void MethodeCSHawksRN::process(const NoxMethodContext &context)
{
    const int n = context.count();
    const int v = n < m_distance ? -1 : context.valueAt(n - m_distance);
    if (v <= 0) {
        clearProposal();
        return;
    }
    const bool first = betItem(m_firstItem).nums().contains(v);
    const bool playFirst = m_inverse ? first : !first;
    setProposal({playFirst ? m_firstItem : m_secondItem});
}

void MethodeCSHawksRN::commit(const NoxMethodContext &) {}

bool MethodeCSHawksRN::rollback(int, const NoxMethodContext &)
{
    return true;
}

void MethodeCSHawksRN::reset(const NoxMethodContext &) {}

} // namespace Nox
