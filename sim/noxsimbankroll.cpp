#include "noxsimbankroll.h"

#include <QJsonValue>

#include <algorithm>
#include <cmath>

namespace Nox {

void NoxSimBankroll::addStake(int stake, const NoxChanceModel::Coup &chance)
{
    m_staked += stake;
    m_largestStake = std::max(m_largestStake, stake);
    m_expected.add(chance.profit);
    m_variance.add(chance.variance);
}

void NoxSimBankroll::addSession(const Session &s)
{
    NoxSimBankroll one;
    one.m_sessions = 1;
    one.m_coups = s.coups;
    one.m_result = s.result;
    one.m_coupsWon = s.coupsWon;
    one.m_coupsLost = s.coupsLost;
    one.m_bestSession = one.m_worstSession = s.result;
    one.m_lowestCapital = s.lowestCapital;
    one.m_highestCapital = s.highestCapital;
    one.m_gainLimitSessions = s.gainLimit ? 1 : 0;
    one.m_lossLimitSessions = s.lossLimit ? 1 : 0;
    one.m_moneyLimitSessions = s.moneyLimit ? 1 : 0;
    if (s.guardStop) {
        one.m_guardSessions[size_t(*s.guardStop)] = 1;
    }
    append(one);
}

void NoxSimBankroll::append(const NoxSimBankroll &other)
{
    if (other.m_sessions > 0) {
        const bool first = m_sessions == 0;
        m_bestSession = first ? other.m_bestSession : std::max(m_bestSession, other.m_bestSession);
        m_worstSession = first ? other.m_worstSession : std::min(m_worstSession, other.m_worstSession);
        m_lowestCapital = first ? other.m_lowestCapital : std::min(m_lowestCapital, other.m_lowestCapital);
        m_highestCapital =
            first ? other.m_highestCapital : std::max(m_highestCapital, other.m_highestCapital);
    }
    m_sessions += other.m_sessions;
    m_coups += other.m_coups;
    m_result += other.m_result;
    m_staked += other.m_staked;
    m_largestStake = std::max(m_largestStake, other.m_largestStake);
    m_coupsWon += other.m_coupsWon;
    m_coupsLost += other.m_coupsLost;
    m_gainLimitSessions += other.m_gainLimitSessions;
    m_lossLimitSessions += other.m_lossLimitSessions;
    m_moneyLimitSessions += other.m_moneyLimitSessions;
    for (size_t i = 0; i < m_guardSessions.size(); ++i) {
        m_guardSessions[i] += other.m_guardSessions[i];
    }
    m_expected += other.m_expected;
    m_variance += other.m_variance;
}

namespace {

template<typename T>
bool sumFits(T a, T b)
{
    T sum{};
    return !__builtin_add_overflow(a, b, &sum);
}

} // namespace

const char *NoxSimBankroll::guardKey(NoxGuardStop::Rule rule)
{
    switch (rule) {
    case NoxGuardStop::Rule::LossLimit:
        return "lossLimit";
    case NoxGuardStop::Rule::GainLimit:
        return "gainLimit";
    case NoxGuardStop::Rule::TrailingStop:
        return "trailingStop";
    case NoxGuardStop::Rule::LosingStreak:
        return "losingStreak";
    case NoxGuardStop::Rule::StakedCoups:
        return "stakedCoups";
    case NoxGuardStop::Rule::SessionTime:
        return "sessionTime";
    }
    return "";
}

qint64 NoxSimBankroll::guardSessions() const
{
    qint64 total = 0;
    for (qint64 n : m_guardSessions) {
        total += n;
    }
    return total;
}

bool NoxSimBankroll::canAppend(const NoxSimBankroll &other) const
{
    for (size_t i = 0; i < m_guardSessions.size(); ++i) {
        if (!sumFits(m_guardSessions[i], other.m_guardSessions[i])) {
            return false;
        }
    }
    return sumFits(m_sessions, other.m_sessions) && sumFits(m_coups, other.m_coups) &&
           sumFits(m_result, other.m_result) && sumFits(m_staked, other.m_staked) &&
           sumFits(m_coupsWon, other.m_coupsWon) && sumFits(m_coupsLost, other.m_coupsLost) &&
           sumFits(m_gainLimitSessions, other.m_gainLimitSessions) &&
           sumFits(m_lossLimitSessions, other.m_lossLimitSessions) &&
           sumFits(m_moneyLimitSessions, other.m_moneyLimitSessions) && m_expected.canAdd(other.m_expected) &&
           m_variance.canAdd(other.m_variance);
}

bool NoxSimBankroll::isConsistent(qint64 maxCoups, qint64 maxStake) const
{
    // A session's capital moves by at most the winnings of its stakes: a coup pays at most 35
    // times its stake plus the stake, and no stake passes maxStake.
    constexpr qint64 kMaxPayout = 35;
    const long double sessionSwing = static_cast<long double>(maxCoups) * maxStake * (kMaxPayout + 1);
    const auto within = [](long double v, long double bound) {
        return v >= -bound && v <= bound;
    };
    const bool counts =
        m_sessions >= 0 && m_coups >= 0 &&
        static_cast<long double>(m_coups) <= static_cast<long double>(m_sessions) * maxCoups &&
        m_coupsWon >= 0 && m_coupsLost >= 0 && m_coupsWon <= m_coups && m_coupsLost <= m_coups - m_coupsWon &&
        m_gainLimitSessions >= 0 && m_gainLimitSessions <= m_sessions && m_lossLimitSessions >= 0 &&
        m_lossLimitSessions <= m_sessions && m_moneyLimitSessions >= 0 &&
        m_moneyLimitSessions <= m_sessions &&
        std::all_of(m_guardSessions.begin(), m_guardSessions.end(), [](qint64 n) { return n >= 0; }) &&
        guardSessions() <= m_sessions;
    const bool stakes = m_largestStake >= 0 && m_largestStake <= maxStake && m_staked >= m_largestStake &&
                        static_cast<long double>(m_staked) <= static_cast<long double>(m_coups) * maxStake;
    const bool results =
        m_sessions == 0
            ? m_result == 0 && m_staked == 0
            : m_worstSession <= m_bestSession && m_lowestCapital <= m_highestCapital &&
                  within(m_bestSession, sessionSwing) && within(m_worstSession, sessionSwing) &&
                  static_cast<long double>(m_result) <=
                      static_cast<long double>(m_bestSession) * m_sessions &&
                  static_cast<long double>(m_result) >= static_cast<long double>(m_worstSession) * m_sessions;
    // Per hundredth staked an expected result within [-1, kMaxPayout] and a variance within
    // (kMaxPayout + 1)² times the largest stake.
    const bool chance = m_expected.fits(m_staked, -1, kMaxPayout) &&
                        m_variance.fits(m_staked, 0, (kMaxPayout + 1) * (kMaxPayout + 1) * maxStake);
    return counts && stakes && results && chance;
}

double NoxSimBankroll::resultDeviation() const
{
    return std::sqrt(m_variance.value());
}

double NoxSimBankroll::resultScore() const
{
    const double sd = resultDeviation();
    return sd > 0 ? (double(m_result) - m_expected.value()) / sd : 0.0;
}

namespace {
double units(qint64 hundredths)
{
    return double(hundredths) / 100.0;
}
} // namespace

QJsonObject NoxSimBankroll::toJson() const
{
    // Amounts in currency units; the chance sums in hundredths.
    QJsonObject json{
        {QStringLiteral("capital"), units(capital)},
        {QStringLiteral("stopLoss"), units(stopLoss)},
        {QStringLiteral("takeProfit"), units(takeProfit)},
        {QStringLiteral("sessions"), m_sessions},
        {QStringLiteral("coups"), m_coups},
        {QStringLiteral("result"), units(m_result)},
        {QStringLiteral("staked"), units(m_staked)},
        {QStringLiteral("largestStake"), units(m_largestStake)},
        {QStringLiteral("coupsWon"), m_coupsWon},
        {QStringLiteral("coupsLost"), m_coupsLost},
        {QStringLiteral("bestSession"), units(m_bestSession)},
        {QStringLiteral("worstSession"), units(m_worstSession)},
        {QStringLiteral("lowestCapital"), units(m_lowestCapital)},
        {QStringLiteral("highestCapital"), units(m_highestCapital)},
        {QStringLiteral("gainLimitSessions"), m_gainLimitSessions},
        {QStringLiteral("lossLimitSessions"), m_lossLimitSessions},
        {QStringLiteral("moneyLimitSessions"), m_moneyLimitSessions},
        {QStringLiteral("expectedResult"), expectedResult() / 100.0},
        {QStringLiteral("resultDeviation"), resultDeviation() / 100.0},
        {QStringLiteral("resultScore"), resultScore()},
        {QStringLiteral("chance"), QJsonObject{{QStringLiteral("result"), m_expected.toString()},
                                               {QStringLiteral("variance"), m_variance.toString()}}},
    };
    // Only when a guard stopped a session: results of runs without guards keep their form.
    if (guardSessions() > 0) {
        QJsonObject guards;
        for (int i = 0; i < kGuardRules; ++i) {
            guards.insert(QLatin1String(guardKey(NoxGuardStop::Rule(i))), m_guardSessions[size_t(i)]);
        }
        json.insert(QStringLiteral("guardSessions"), guards);
    }
    return json;
}

bool NoxSimBankroll::fromJson(const QJsonObject &object, NoxSimBankroll *bankroll)
{
    bool ok = true;
    const auto count = [&](const char *key) {
        const QJsonValue v = object.value(QLatin1String(key));
        ok = ok && v.isDouble() && v.toDouble() >= 0;
        return v.toInteger();
    };
    const auto hundredths = [&](const char *key) {
        const QJsonValue v = object.value(QLatin1String(key));
        ok = ok && v.isDouble() && std::abs(v.toDouble()) < 1e15;
        return qint64(std::llround(v.toDouble() * 100));
    };
    const QJsonObject chance = object.value(QStringLiteral("chance")).toObject();
    const auto sum = [&](const char *key) {
        const auto s = NoxExactSum::fromString(chance.value(QLatin1String(key)).toString());
        ok = ok && s.has_value();
        return s.value_or(NoxExactSum{});
    };
    NoxSimBankroll b;
    b.capital = int(hundredths("capital"));
    b.stopLoss = int(hundredths("stopLoss"));
    b.takeProfit = int(hundredths("takeProfit"));
    b.m_sessions = count("sessions");
    b.m_coups = count("coups");
    b.m_result = hundredths("result");
    b.m_staked = hundredths("staked");
    b.m_largestStake = int(hundredths("largestStake"));
    b.m_coupsWon = count("coupsWon");
    b.m_coupsLost = count("coupsLost");
    b.m_bestSession = hundredths("bestSession");
    b.m_worstSession = hundredths("worstSession");
    b.m_lowestCapital = hundredths("lowestCapital");
    b.m_highestCapital = hundredths("highestCapital");
    b.m_gainLimitSessions = count("gainLimitSessions");
    b.m_lossLimitSessions = count("lossLimitSessions");
    b.m_moneyLimitSessions = count("moneyLimitSessions");
    // Absent from the results of runs in which no guard stopped a session.
    if (const QJsonValue guards = object.value(QStringLiteral("guardSessions")); !guards.isUndefined()) {
        ok = ok && guards.isObject();
        const QJsonObject byRule = guards.toObject();
        for (int i = 0; i < kGuardRules; ++i) {
            const QJsonValue v = byRule.value(QLatin1String(guardKey(NoxGuardStop::Rule(i))));
            ok = ok && v.isDouble() && v.toDouble() >= 0 && v.toDouble() < 9e15;
            b.m_guardSessions[size_t(i)] = v.toInteger();
        }
    }
    b.m_expected = sum("result");
    b.m_variance = sum("variance");
    if (!ok) {
        return false;
    }
    *bankroll = b;
    return true;
}

} // namespace Nox
