#pragma once

#include "noxchancemodel.h"
#include "noxexactsum.h"

#include "money/noxguardstop.h"

#include <QJsonObject>

#include <array>
#include <optional>

namespace Nox {

/// The money of the active methods over a run of sessions. Every shoe is a session that
/// starts with the configured capital, fresh progressions and no limit warning, as a player
/// who sits down at a new shoe with a session budget; the record sums the sessions.
///
/// Its parts combine in any grouping into the same record (sums, extremes and counts only),
/// so the records of workers and shards add up to the record of the whole run.
class NoxSimBankroll
{
public:
    /// One finished session, amounts in hundredths.
    struct Session {
        int coups = 0;
        qint64 result = 0; ///< final capital minus the starting capital
        qint64 lowestCapital = 0;
        qint64 highestCapital = 0;
        int coupsWon = 0; ///< coups that raised the capital
        int coupsLost = 0;
        bool gainLimit = false;                      ///< the take-profit warning came
        bool lossLimit = false;                      ///< the stop-loss warning came
        bool moneyLimit = false;                     ///< betting stopped at the engine's money limit
        std::optional<NoxGuardStop::Rule> guardStop; ///< the session guard that stopped it
    };

    /// How many session guard rules there are (NoxGuardStop::Rule).
    static constexpr int kGuardRules = int(NoxGuardStop::Rule::SessionTime) + 1;
    /// The key of a rule in the JSON results.
    [[nodiscard]] static const char *guardKey(NoxGuardStop::Rule rule);

    /// Session budget and limits (hundredths); equal in every part of a run.
    int capital = 0;
    int stopLoss = 0;
    int takeProfit = 0;

    /// The stake placed on a coup and what chance predicts for those bets.
    void addStake(int stake, const NoxChanceModel::Coup &chance);
    void addSession(const Session &session);
    void append(const NoxSimBankroll &other);
    /// False when append(other) would pass the range of a count or a sum.
    [[nodiscard]] bool canAppend(const NoxSimBankroll &other) const;
    /// True when the figures can come from sessions of at most `maxCoups` coups each whose
    /// stakes stay within `maxStake`: the counts within the sessions and coups, the stakes
    /// and results within those limits, the extremes in order. fromJson() does not check it;
    /// the reader of a result file does, with the engine's limits.
    [[nodiscard]] bool isConsistent(qint64 maxCoups, qint64 maxStake) const;

    [[nodiscard]] qint64 sessions() const { return m_sessions; }
    [[nodiscard]] qint64 coups() const { return m_coups; }
    [[nodiscard]] qint64 result() const { return m_result; }
    [[nodiscard]] qint64 staked() const { return m_staked; }
    /// The largest stake of a coup over the whole run.
    [[nodiscard]] int largestStake() const { return m_largestStake; }
    [[nodiscard]] qint64 coupsWon() const { return m_coupsWon; }
    [[nodiscard]] qint64 coupsLost() const { return m_coupsLost; }
    [[nodiscard]] qint64 bestSession() const { return m_bestSession; }
    [[nodiscard]] qint64 worstSession() const { return m_worstSession; }
    [[nodiscard]] qint64 lowestCapital() const { return m_lowestCapital; }
    [[nodiscard]] qint64 highestCapital() const { return m_highestCapital; }
    [[nodiscard]] qint64 gainLimitSessions() const { return m_gainLimitSessions; }
    [[nodiscard]] qint64 lossLimitSessions() const { return m_lossLimitSessions; }
    /// Sessions that stopped betting because a stake passed the engine's money limit.
    [[nodiscard]] qint64 moneyLimitSessions() const { return m_moneyLimitSessions; }
    /// Sessions whose betting a session guard stopped, by rule.
    [[nodiscard]] qint64 guardSessions(NoxGuardStop::Rule rule) const
    {
        return m_guardSessions[size_t(rule)];
    }
    [[nodiscard]] qint64 guardSessions() const;
    /// The result expected at the house edge for the bets placed, and its standard deviation.
    [[nodiscard]] double expectedResult() const { return m_expected.value(); }
    [[nodiscard]] double resultDeviation() const;
    /// How many standard deviations the result lies from the expected one (0 without a bet).
    [[nodiscard]] double resultScore() const;

    [[nodiscard]] QJsonObject toJson() const;
    static bool fromJson(const QJsonObject &object, NoxSimBankroll *bankroll);

    friend bool operator==(const NoxSimBankroll &, const NoxSimBankroll &) = default;

private:
    qint64 m_sessions = 0;
    qint64 m_coups = 0;
    qint64 m_result = 0;
    qint64 m_staked = 0;
    int m_largestStake = 0;
    qint64 m_coupsWon = 0;
    qint64 m_coupsLost = 0;
    qint64 m_bestSession = 0; // meaningful when there is a session
    qint64 m_worstSession = 0;
    qint64 m_lowestCapital = 0;
    qint64 m_highestCapital = 0;
    qint64 m_gainLimitSessions = 0;
    qint64 m_lossLimitSessions = 0;
    qint64 m_moneyLimitSessions = 0;
    std::array<qint64, kGuardRules> m_guardSessions{};
    NoxExactSum m_expected;
    NoxExactSum m_variance;
};

} // namespace Nox
