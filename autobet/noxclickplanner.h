#pragma once

#include "autobet/noxclickplan.h"
#include "core/noxbet.h"

#include <QMap>

#include <optional>

namespace Nox {

/// Plans the clicks that put a bet on the casino table with the player's chips, inside the
/// program.
///
/// Every stake is made exactly with the available chips (values of JETON_1..JETON_8 above 0)
/// or the bet is refused as a whole: a stake the chips cannot make is never rounded. The
/// plan has the fewest clicks: a chip is selected once, then every place that takes that chip
/// is clicked as often as needed, and a chip is selected again only when it changes. The
/// number of clicks is the chip count of every stake plus one selection per chip used, and
/// the planner chooses the chips that make the sum smallest (over every subset of chips when
/// the stakes are small; for large stakes, the fewest chips per stake with every chip).
///
/// "Spécial Authentic" (toggleJetonMode): at such tables a chip button toggles, a click on the
/// chip already selected deselects it, and placing on the table with no chip selected puts
/// nothing. The plan never clicks the selected chip again in either mode, but in this mode it
/// also clicks its last chip once more at the end, so the table is left with no chip selected
/// and the first chip click of the next bet selects it rather than deselecting it.
///
/// Thread rules: stateless, any thread.
class NoxClickPlanner
{
public:
    /// The stakes above this many units of the chips' common divisor are planned with every
    /// chip, without searching the chip subsets.
    static constexpr int kSubsetSearchLimit = 20000;
    /// The largest amount, in units of the chips' common divisor, made by the exact search;
    /// the rest of a larger stake is made with the largest chip.
    static constexpr int kExactLimit = 1 << 20;

    /// The clicks that place every stake of `bets` above 0 (ascending id order within a chip)
    /// with the chips `jetonValues` reports available.
    [[nodiscard]] static NoxClickPlan plan(const NoxBetList &bets, const QList<int> &jetonValues,
                                           bool toggleJetonMode);

    /// The table after a click sequence, as the model of the casino sees it: the money on each
    /// place. None when the sequence cannot be replayed (a place clicked with no chip
    /// selected, a chip that is not available, or the "double" button), `error` saying why.
    [[nodiscard]] static std::optional<QMap<NoxBetItemID, qint64>> replay(const QList<NoxBetItemID> &sequence,
                                                                          const QList<int> &jetonValues,
                                                                          bool toggleJetonMode,
                                                                          QString *error = nullptr);

    /// The display name of a place or chip in messages ("BANKER", "jeton 3", ...).
    [[nodiscard]] static QString itemName(NoxBetItemID id);
    /// An amount in hundredths as the player reads it ("12.50").
    [[nodiscard]] static QString money(qint64 amount);
};

} // namespace Nox
