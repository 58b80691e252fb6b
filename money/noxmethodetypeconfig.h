#pragma once

namespace Nox {

/// The chip configuration of one bet kind. Chip values are in hundredths of the currency unit.
struct NoxMethodeTypeConfig {
    int jeton = 10;          ///< current base chip
    int jetonOrigine = 10;   ///< base chip the kind returns to (persisted as "jeton")
    int jetonIncrement = 10; ///< shown by the editor only
    bool modeNum = false;    ///< methods of the kind play their covered numbers as pleins
    bool addZero = false;    ///< with modeNum: zero also wins the proposal
    bool diff0 = false;      ///< cs only: opposite simple chances are netted
    bool stopProfit = false; ///< a gaining coup restarts the kind's progression
    bool useMontante = true; ///< persisted and shown only

    friend bool operator==(const NoxMethodeTypeConfig &, const NoxMethodeTypeConfig &) = default;
};

} // namespace Nox
