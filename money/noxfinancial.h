#pragma once

#include "core/noxenums.h"
#include "money/noxguards.h"
#include "money/noxmethodetypeconfig.h"

#include <QtGlobal>

namespace Nox {

/// The bankroll: capital, limits, the stake of the next coup and the chip configuration of each
/// bet kind. All amounts are in hundredths of the currency unit.
///
/// The capital and its extremes are 64-bit: a winning stake at the money guard (1,000,000.00
/// on a plein paid 35 to 1) moves the capital far past the int range.
struct NoxFinancial {
    int capitalOrigine = 100000;
    qint64 capital = 100000;
    int stopLoss = -10000; ///< a (negative) result threshold
    int takeProfit = 10000;
    int mise = 0; ///< total stake of the next coup
    qint64 capitalMin = 100000;
    qint64 capitalMax = 100000;
    NoxMethodeTypeConfig plein;
    NoxMethodeTypeConfig cs;
    NoxMethodeTypeConfig col;
    NoxMethodeTypeConfig douz;
    NoxMethodeTypeConfig sixain;
    NoxMethodeTypeConfig trans;
    NoxMethodeTypeConfig perso;
    /// The session guards: stop rules and stake limits, all off by default.
    NoxGuards guards;

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
