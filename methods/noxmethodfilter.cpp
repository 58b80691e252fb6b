// The plain orderings: identity, active filter, name, index, default and quick mode.

#include "methods/noxmethodfilter.h"

#include "core/noxmethod.h"
#include "core/noxmethodstate.h"
#include "methods/noxmethodfilterbyactive.h"
#include "methods/noxmethodsortbyindex.h"
#include "methods/noxmethodsortbyname.h"
#include "methods/noxmethodsortbyquickmode.h"
#include "methods/noxmethodsortdefault.h"

#include <algorithm>
#include <functional>

namespace Nox {

namespace {

int sign(int v)
{
    return (v > 0) - (v < 0);
}

/// The sign of QString::compare(a, b, Qt::CaseInsensitive), without its per-character table
/// lookups while both names are ASCII (the whole catalogue): there an ASCII letter folds to
/// its lower case and every other character to itself. A non-ASCII character hands over.
int compareNames(const QString &a, const QString &b)
{
    const qsizetype n = std::min(a.size(), b.size());
    const QChar *pa = a.constData();
    const QChar *pb = b.constData();
    const auto fold = [](char16_t c) {
        return c >= u'A' && c <= u'Z' ? char16_t(c + (u'a' - u'A')) : c;
    };
    for (qsizetype i = 0; i < n; ++i) {
        if (pa[i].unicode() >= 0x80 || pb[i].unicode() >= 0x80) {
            return sign(a.compare(b, Qt::CaseInsensitive));
        }
        const char16_t ca = fold(pa[i].unicode());
        const char16_t cb = fold(pb[i].unicode());
        if (ca != cb) {
            return ca < cb ? -1 : 1;
        }
    }
    // Equal up to the shorter one: the shorter comes first.
    return (a.size() > b.size()) - (a.size() < b.size());
}

int quickRank(const NoxMethodState *s)
{
    return s ? s->method()->quickModeRank() : -1;
}

bool isAutomatic(const NoxMethodState *s)
{
    return s && s->method()->type() == NoxMethodType::automatic;
}

// Subtype rank of the default order: simple chances sort lowest, banker and player highest.
int subtypeRank(const NoxMethodState *s)
{
    if (!s) {
        return -1;
    }
    switch (s->method()->subtype()) {
    case NoxMethodSubType::bluecs6:
        return 15;
    case NoxMethodSubType::player12:
        return -14;
    case NoxMethodSubType::banker13:
        return -15;
    default:
        return int(s->method()->subtype());
    }
}

// Quick ranks first: a negative rank sorts after every real one.
int compareQuickRanks(int ra, int rb)
{
    if (ra < 0) {
        return 1;
    }
    if (rb < 0) {
        return -1;
    }
    return ra < rb ? -1 : 1;
}

} // namespace

bool NoxMethodFilter::accept(const NoxMethodState *) const
{
    return true;
}

int NoxMethodFilter::compare(const NoxMethodState *a, const NoxMethodState *b) const
{
    if (a == b) {
        return 0;
    }
    return std::less<const NoxMethodState *>()(a, b) ? -1 : 1;
}

bool NoxMethodFilterByActive::accept(const NoxMethodState *state) const
{
    return state && state->isActive();
}

int NoxMethodSortByName::compare(const NoxMethodState *a, const NoxMethodState *b) const
{
    const QString na = a ? a->method()->name() : QString();
    const QString nb = b ? b->method()->name() : QString();
    return sign(na.compare(nb, Qt::CaseSensitive));
}

int NoxMethodSortByIndex::compare(const NoxMethodState *a, const NoxMethodState *b) const
{
    const int ia = a ? a->method()->index() : -1;
    const int ib = b ? b->method()->index() : -1;
    return ia < ib ? -1 : (ia > ib ? 1 : 0);
}

int NoxMethodSortDefault::compare(const NoxMethodState *a, const NoxMethodState *b) const
{
    if (m_quickFirst) {
        const int ra = quickRank(a);
        const int rb = quickRank(b);
        if (ra != rb) {
            return compareQuickRanks(ra, rb);
        }
    }
    const bool autoA = isAutomatic(a);
    const bool autoB = isAutomatic(b);
    if (autoA != autoB) {
        return autoA ? 1 : -1;
    }
    const int sa = subtypeRank(a);
    const int sb = subtypeRank(b);
    if (a && b && a->method()->subtype() == b->method()->subtype()) {
        return -compareNames(a->method()->name(), b->method()->name());
    }
    if (sa == sb) {
        return 0;
    }
    return sa < sb ? 1 : -1;
}

int NoxMethodSortByQuickMode::compare(const NoxMethodState *a, const NoxMethodState *b) const
{
    const int ra = quickRank(a);
    const int rb = quickRank(b);
    if (ra == rb) {
        return NoxMethodSortDefault::compare(a, b);
    }
    return compareQuickRanks(ra, rb);
}

} // namespace Nox
