#pragma once

#include <QtGlobal>

#include <cmath>

namespace Nox {

/// One coup in which a method had a proposal.
struct NoxCoupRecord {
    enum Flag : unsigned {
        Win = 1,                ///< the result was covered by the proposal
        TendencySignal = 2,     ///< trend analysis fired and the tendency is above the threshold
        InBlock = 4,            ///< the win closed a gap inside the block
        Active = 8,             ///< the method was active at this coup
        ProfitPositive = 16,    ///< flat-stake profit was above 0 before this coup
        NeutralZero = 32,       ///< a zero that counts neither as win nor as loss
        DominantWin = 64,       ///< the win closed one of the dominant gaps
        DominantConfirmed = 128 ///< the dominant block was confirmed at this coup
    };

    int value = 0;
    int numbers = 0;
    double tendency = std::nan("");
    int gap = 0;
    unsigned flags = 0;

    [[nodiscard]] bool has(Flag f) const { return (flags & f) != 0; }
    [[nodiscard]] bool isWin() const { return has(Win); }
    [[nodiscard]] bool isNeutral() const { return has(NeutralZero); }
};

} // namespace Nox
