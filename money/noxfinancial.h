#pragma once

#include "engine/noxenums.h"
#include "money/noxmethodetypeconfig.h"

namespace Nox {

/// The bankroll: capital, limits, the stake of the next coup and the chip configuration of each
/// bet kind. All amounts are in hundredths of the currency unit.
struct NoxFinancial {
    int capitalOrigine = 100000;
    int capital = 100000;
    int stopLoss = -10000; ///< a (negative) result threshold
    int takeProfit = 10000;
    int mise = 0; ///< total stake of the next coup
    int capitalMin = 100000;
    int capitalMax = 100000;
    NoxMethodeTypeConfig plein;
    NoxMethodeTypeConfig cs;
    NoxMethodeTypeConfig col;
    NoxMethodeTypeConfig douz;
    NoxMethodeTypeConfig sixain;
    NoxMethodeTypeConfig trans;
    NoxMethodeTypeConfig perso;

    /// The record that serves a bet kind: cs, col, douz, sixain and trans have their own,
    /// every other kind uses plein.
    [[nodiscard]] const NoxMethodeTypeConfig &config(NoxMethodType type) const;
    [[nodiscard]] NoxMethodeTypeConfig &config(NoxMethodType type);

    friend bool operator==(const NoxFinancial &, const NoxFinancial &) = default;
};

inline const NoxMethodeTypeConfig &NoxFinancial::config(NoxMethodType type) const
{
    switch (type) {
    case NoxMethodType::cs:
        return cs;
    case NoxMethodType::col:
        return col;
    case NoxMethodType::douz:
        return douz;
    case NoxMethodType::sixain:
        return sixain;
    case NoxMethodType::trans:
        return trans;
    default:
        return plein;
    }
}

inline NoxMethodeTypeConfig &NoxFinancial::config(NoxMethodType type)
{
    return const_cast<NoxMethodeTypeConfig &>(std::as_const(*this).config(type));
}

} // namespace Nox
