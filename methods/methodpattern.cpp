#include "methods/methodpattern.h"

#include "core/noxmethodcontext.h"

namespace Nox {

MethodPattern::MethodPattern(const QString &name, const std::array<int, 6> &pattern)
    : NoxMethod(NoxMethodType::baccara, NoxMethodSubType::aqua2, name)
    , m_pattern(pattern)
{
    for (int e : m_pattern) {
        m_patternText += QString::number(e);
    }
}

std::array<int, 6> MethodPattern::figure(int k)
{
    std::array<int, 6> p{};
    const int bits = k - 1;
    for (int i = 0; i < 6; ++i) {
        p[size_t(i)] = (bits >> (5 - i)) & 1 ? 2 : 1;
    }
    return p;
}

void MethodPattern::process(const NoxMethodContext &)
{
    const int e = m_pattern[size_t(m_position % 6)];
    setProposal(e == 1 ? m_player : m_banker);
}

void MethodPattern::commit(const NoxMethodContext &context)
{
    const int n = context.count();
    const int v = n > 0 ? context.valueAt(n - 1) : -1;
    if (v == 0) {
        return;
    }
    // The proposal still holds the bet made for v.
    if (covers(v)) {
        m_position = 0;
    } else {
        ++m_position;
    }
}

bool MethodPattern::rollback(int, const NoxMethodContext &)
{
    return false;
}

void MethodPattern::reset(const NoxMethodContext &)
{
    m_position = 0;
}

} // namespace Nox
