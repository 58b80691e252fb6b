#include "core/noxitem.h"

#include "core/noxbetitem.h"

namespace Nox {

NoxItem NoxItem::fromValue(int value)
{
    if (value == 0) {
        return {value, NoxItemColor::green};
    }
    const bool red = betItem(NoxBetItemID::CS_R).wins(value);
    return {value, red ? NoxItemColor::red : NoxItemColor::black};
}

} // namespace Nox
