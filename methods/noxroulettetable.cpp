#include "methods/noxroulettetable.h"

#include "core/noxbetitem.h"
#include "core/noxmethod.h"
#include "core/noxmethodcontext.h"

namespace Nox {

bool NoxRouletteTable::isRed(int v)
{
    return betItem(NoxBetItemID::CS_R).wins(v);
}

int NoxRouletteTable::lastValue(const NoxMethodContext &context)
{
    const int n = context.count();
    return n > 0 ? context.valueAt(n - 1) : -1;
}

bool NoxRouletteTable::lastWins(const NoxMethod &method, const NoxMethodContext &context, bool zeroCounts)
{
    const int v = lastValue(context);
    if (v < 0) {
        return false;
    }
    if (v == 0) {
        return zeroCounts && (method.covers(0) || context.countsZero());
    }
    return method.covers(v);
}

QList<NoxBetItemID> NoxRouletteTable::numberItems(const QList<int> &numbers)
{
    QList<NoxBetItemID> items;
    items.reserve(numbers.size());
    for (int n : numbers) {
        items.append(NoxBetItemID(n));
    }
    return items;
}

void NoxRouletteTable::addUnique(QList<int> &numbers, int n)
{
    if (!numbers.contains(n)) {
        numbers.append(n);
    }
}

} // namespace Nox
