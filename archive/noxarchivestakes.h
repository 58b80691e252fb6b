#pragma once

#include "core/noxbet.h"

#include <QByteArray>
#include <QString>

namespace Nox {

/// The bets of a coup as the archive keeps them: "item:stake" pairs separated by commas, the
/// item by its number (NoxBetItemID) and the stake in hundredths ("4001:500,4000:100"). Only
/// the item and the stake are kept.
class NoxArchiveStakes
{
public:
    [[nodiscard]] static QByteArray encode(const NoxBetList &bets);
    /// The pairs of `text`; a pair that does not parse is left out.
    [[nodiscard]] static NoxBetList decode(QByteArrayView text);
    /// For people: "B_PLAYER=5.00 B_TIE=1.00" (the items' names of the bet table).
    [[nodiscard]] static QString describe(const NoxBetList &bets);
};

} // namespace Nox
