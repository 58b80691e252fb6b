#pragma once

namespace Nox {

/// Read-only statistics parameters shared by many method states. The two defaults hold the
/// roulette values; a game's catalogue may hand its own profiles to its states.
struct NoxStatisticsProfile {
    int shortTermWindow = 50;
    int tendencyMinPoints = 10;
    int tendencyWindow = 25;
    int tendencyFactor = 29;
    double tendencyThreshold = 60.0;
    int resultCount = 37;
    int pleinPayout = 35;
    bool neutralZero = false;
    int trendProfitThreshold = 50;
    int trendWindow = 25;
    bool cutBlockAtDominant = true;

    [[nodiscard]] static const NoxStatisticsProfile &profileA();
    [[nodiscard]] static const NoxStatisticsProfile &profileB();
    /// Player/banker methods: two results, even payout, ties neutral.
    [[nodiscard]] static const NoxStatisticsProfile &baccarat();
    /// The tie bet, scored like a plein of 36 results.
    [[nodiscard]] static const NoxStatisticsProfile &tie();
};

inline const NoxStatisticsProfile &NoxStatisticsProfile::profileA()
{
    static const NoxStatisticsProfile p{50, 10, 25, 29, 60.0, 37, 35, false, 50, 25, true};
    return p;
}

inline const NoxStatisticsProfile &NoxStatisticsProfile::profileB()
{
    static const NoxStatisticsProfile p{50, 25, 25, 29, 60.0, 37, 35, false, 50, 30, false};
    return p;
}

inline const NoxStatisticsProfile &NoxStatisticsProfile::baccarat()
{
    static const NoxStatisticsProfile p{50, 10, 25, 270, 60.0, 2, 1, true, 3, 20, true};
    return p;
}

inline const NoxStatisticsProfile &NoxStatisticsProfile::tie()
{
    static const NoxStatisticsProfile p{50, 25, 25, 15, 60.0, 36, 35, true, 50, 30, false};
    return p;
}

} // namespace Nox
