#pragma once

#include <QString>

namespace Nox {

/// A guard that stopped the betting: which rule, and what the player is told (the rule and
/// its figures, for example "Arrêt : 6 pertes de suite (limite 6)").
struct NoxGuardStop {
    enum class Rule { LossLimit, GainLimit, TrailingStop, LosingStreak, StakedCoups, SessionTime };

    Rule rule = Rule::LossLimit;
    QString reason;

    friend bool operator==(const NoxGuardStop &, const NoxGuardStop &) = default;
};

} // namespace Nox
