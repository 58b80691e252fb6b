#include "money/noxguardtracker.h"

#include <QCoreApplication>

#include <algorithm>

namespace Nox {

namespace {
QString translated(const char *text)
{
    return QCoreApplication::translate("NoxGuards", text);
}

/// An amount with its sign and two decimals: "+12.50", "−3.00".
QString signedAmount(qint64 cents)
{
    const QString digits = QString::asprintf("%.2f", double(cents < 0 ? -cents : cents) / 100.0);
    return (cents < 0 ? QStringLiteral("\u2212") : QStringLiteral("+")) + digits;
}

QString amount(qint64 cents)
{
    return QString::asprintf("%.2f", double(cents) / 100.0);
}
} // namespace

void NoxGuardTracker::startSession(qint64 nowMs)
{
    m_base = {};
    m_coups.clear();
    m_sessionStartMs = nowMs;
}

void NoxGuardTracker::settle(bool staked, qint64 capitalChange, qint64 result)
{
    Counts next = counts();
    if (staked) {
        ++next.stakedCoups;
        next.losingStreak = capitalChange < 0 ? next.losingStreak + 1 : 0;
    }
    next.highestResult = std::max(next.highestResult, result);
    m_coups.push_back(next);
}

bool NoxGuardTracker::undo()
{
    if (m_coups.empty()) {
        return false;
    }
    m_coups.pop_back();
    return true;
}

void NoxGuardTracker::keepLast(qsizetype coups)
{
    const auto keep = std::size_t(std::max<qsizetype>(coups, 0));
    if (m_coups.size() <= keep) {
        return;
    }
    const std::size_t dropped = m_coups.size() - keep;
    m_base = m_coups[dropped - 1];
    m_coups.erase(m_coups.begin(), m_coups.begin() + std::ptrdiff_t(dropped));
}

std::optional<NoxGuardStop> NoxGuardTracker::check(const NoxGuards &guards, qint64 result, qint64 stopLoss,
                                                   qint64 takeProfit, qint64 nowMs) const
{
    using Rule = NoxGuardStop::Rule;
    const Counts &c = counts();
    if (guards.lossLimitStops && result <= stopLoss) {
        return NoxGuardStop{
            Rule::LossLimit,
            translated(QT_TRANSLATE_NOOP("NoxGuards", "Arrêt : limite de perte atteinte (%1, limite %2)"))
                .arg(signedAmount(result), signedAmount(stopLoss))};
    }
    if (guards.gainLimitStops && result >= takeProfit) {
        return NoxGuardStop{
            Rule::GainLimit,
            translated(QT_TRANSLATE_NOOP("NoxGuards", "Arrêt : limite de gain atteinte (%1, limite %2)"))
                .arg(signedAmount(result), signedAmount(takeProfit))};
    }
    if (guards.trailingTrigger > 0 && c.highestResult >= guards.trailingTrigger &&
        c.highestResult - result >= guards.trailingDrop) {
        return NoxGuardStop{
            Rule::TrailingStop,
            translated(
                QT_TRANSLATE_NOOP("NoxGuards",
                                  "Arrêt : stop suiveur, %1 depuis le plus haut de %2 (recul permis %3)"))
                .arg(signedAmount(result - c.highestResult), signedAmount(c.highestResult),
                     amount(guards.trailingDrop))};
    }
    // French and English agree on the singular for one coup.
    if (guards.losingStreak > 0 && c.losingStreak >= guards.losingStreak) {
        const char *text = c.losingStreak == 1
                               ? QT_TRANSLATE_NOOP("NoxGuards", "Arrêt : %1 perte de suite (limite %2)")
                               : QT_TRANSLATE_NOOP("NoxGuards", "Arrêt : %1 pertes de suite (limite %2)");
        return NoxGuardStop{Rule::LosingStreak,
                            translated(text).arg(c.losingStreak).arg(guards.losingStreak)};
    }
    if (guards.stakedCoups > 0 && c.stakedCoups >= guards.stakedCoups) {
        const char *text = c.stakedCoups == 1
                               ? QT_TRANSLATE_NOOP("NoxGuards", "Arrêt : %1 coup misé (limite %2)")
                               : QT_TRANSLATE_NOOP("NoxGuards", "Arrêt : %1 coups misés (limite %2)");
        return NoxGuardStop{Rule::StakedCoups, translated(text).arg(c.stakedCoups).arg(guards.stakedCoups)};
    }
    if (guards.sessionMinutes > 0) {
        const qint64 minutes = std::max<qint64>(nowMs - m_sessionStartMs, 0) / 60000;
        if (minutes >= guards.sessionMinutes) {
            return NoxGuardStop{
                Rule::SessionTime,
                translated(QT_TRANSLATE_NOOP("NoxGuards", "Arrêt : %1 min de session (limite %2 min)"))
                    .arg(minutes)
                    .arg(guards.sessionMinutes)};
        }
    }
    return std::nullopt;
}

} // namespace Nox
