#pragma once

#include "core/noxmethodstate.h"

namespace Nox {

/// Engine options, copied in and out of the engine under its lock.
struct NoxEngineConfig {
    enum PlayMask {
        PlayNormal = 1,
        PlayQuickList = 2,
        PlaySplitView = 4,
        PlayInBlock = 8,
        PlayInBlockDom = 16
    };

    int shortTermCount = 50;
    int truncateCount = 50;
    bool playInBlock = false;
    bool playInBlockDom = false;
    bool playQuick = false;
    bool playSplit = false;
    bool playPro = false;
    bool smartQuickMode = false;
    bool smartQuickModeIsolate = false;
    bool signalDouble0 = false;
    bool signalBlocks = false;
    bool signalEcartMax = false;
    bool signalTendanceBack = false;
    bool signalBlocDominant = false; ///< stored and shown; not part of the signal mask
    bool signalBlocDominantConfirme = false;
    bool compteurME = false;
    bool signalScores = false;

    /// The lists whose methods are bet: the mode bit (quick, else split, else normal), plus
    /// 8 for in-block only and 16 for dominant-block only.
    [[nodiscard]] int playModeMask() const
    {
        const int mode = playQuick ? PlayQuickList : (playSplit ? PlaySplitView : PlayNormal);
        return mode | (playInBlock ? PlayInBlock : 0) | (playInBlockDom ? PlayInBlockDom : 0);
    }

    /// The signals copied into every method state.
    [[nodiscard]] int signalMask() const
    {
        using S = NoxMethodState;
        return (signalDouble0 ? S::SignalDouble0 : 0) | (signalBlocks ? S::SignalBlocks : 0) |
               (signalEcartMax ? S::SignalEcartMax : 0) | (signalTendanceBack ? S::SignalTendanceBack : 0) |
               (signalBlocDominantConfirme ? S::SignalBlocDominantConfirme : 0) |
               (compteurME ? S::CompteurME : 0) | (signalScores ? S::SignalScores : 0);
    }

    friend bool operator==(const NoxEngineConfig &, const NoxEngineConfig &) = default;
};

} // namespace Nox
