#include "noxsimreport.h"

#include <cmath>

namespace Nox {

namespace {

QString money(double hundredths)
{
    return QString::asprintf("%.2f", hundredths / 100.0);
}

QString signedMoney(double hundredths)
{
    return QString::asprintf("%+.2f", hundredths / 100.0);
}

QString csvField(const QString &text)
{
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')) &&
        !text.contains(QLatin1Char('\n'))) {
        return text;
    }
    return QLatin1Char('"') + QString(text).replace(QLatin1Char('"'), QStringLiteral("\"\"")) +
           QLatin1Char('"');
}

// Two-sided chance of lying two standard deviations or more from the mean of a normal law.
constexpr double kBeyondTwo = 0.0455;

QString shoesLine(const NoxSimResult &r, bool baccarat)
{
    const QString unit = baccarat ? QStringLiteral("shoes") : QStringLiteral("sessions");
    if (r.shoeCount == r.totalShoes) {
        return QStringLiteral("%1 %2").arg(r.totalShoes).arg(unit);
    }
    return QStringLiteral("%1 %2 to %3 of %4")
        .arg(unit)
        .arg(r.firstShoe + 1)
        .arg(r.firstShoe + r.shoeCount)
        .arg(r.totalShoes);
}

QString methodTable(const NoxSimResult &result, int top)
{
    QString out = QStringLiteral("%1  %2 %3 %4 %5 %6 %7 %8 %9 %10 %11\n")
                      .arg(QStringLiteral("Method"), -22)
                      .arg(QStringLiteral("Active"), 6)
                      .arg(QStringLiteral("Coups"), 8)
                      .arg(QStringLiteral("Wins"), 8)
                      .arg(QStringLiteral("Exp wins"), 10)
                      .arg(QStringLiteral("Ratio %"), 8)
                      .arg(QStringLiteral("Max gap"), 8)
                      .arg(QStringLiteral("Profit"), 10)
                      .arg(QStringLiteral("Exp profit"), 10)
                      .arg(QStringLiteral("SDs"), 6)
                      .arg(QStringLiteral("Drawdown"), 10);
    int row = 0;
    for (const NoxSimResult::Method &m : result.ranked()) {
        if (top > 0 && row++ >= top) {
            break;
        }
        const NoxFlatStake &f = m.flat;
        out += QStringLiteral("%1  %2 %3 %4 %5 %6 %7 %8 %9 %10 %11\n")
                   .arg(m.name.left(22), -22)
                   .arg(m.active ? QStringLiteral("yes") : QString(), 6)
                   .arg(f.coups(), 8)
                   .arg(f.wins(), 8)
                   .arg(f.expectedWins(), 10, 'f', 1)
                   .arg(f.ratio(), 8, 'f', 2)
                   .arg(f.largestGap(), 8)
                   .arg(f.profit(), 10, 'f', 2)
                   .arg(f.expectedProfit(), 10, 'f', 2)
                   .arg(f.coups() > 0 ? QString::asprintf("%+.2f", f.profitScore()) : QStringLiteral("-"), 6)
                   .arg(f.largestDrawdown(), 10, 'f', 2);
    }
    return out;
}

QString chanceNote(const NoxSimResult &result)
{
    qsizetype betting = 0;
    qsizetype beyond = 0;
    for (const NoxSimResult::Method &m : result.methods) {
        if (m.flat.coups() > 0) {
            ++betting;
            beyond += std::abs(m.flat.profitScore()) >= 2 ? 1 : 0;
        }
    }
    return QStringLiteral(
               "\nFlat stakes of one unit per item; profit, expected profit and drawdown in units.\n"
               "Exp wins and Exp profit are what chance alone gives for the same bets at the table's odds;\n"
               "SDs is how many standard deviations the profit lies from it. Chance alone puts about 1\n"
               "method in 22 beyond 2 either way: of these %1 methods about %2 would be, %3 are.\n")
        .arg(betting)
        .arg(std::llround(kBeyondTwo * double(betting)))
        .arg(beyond);
}

QString guardName(NoxGuardStop::Rule rule)
{
    switch (rule) {
    case NoxGuardStop::Rule::LossLimit:
        return QStringLiteral("loss limit");
    case NoxGuardStop::Rule::GainLimit:
        return QStringLiteral("gain limit");
    case NoxGuardStop::Rule::TrailingStop:
        return QStringLiteral("trailing stop");
    case NoxGuardStop::Rule::LosingStreak:
        return QStringLiteral("losing streak");
    case NoxGuardStop::Rule::StakedCoups:
        return QStringLiteral("staked coups");
    case NoxGuardStop::Rule::SessionTime:
        return QStringLiteral("session time");
    }
    return {};
}

QString bankrollSection(const NoxSimResult &result, bool baccarat)
{
    const NoxSimBankroll &b = result.bankroll;
    QString out =
        QStringLiteral("\nBankroll of the active methods over %1 coups in %2%3\n")
            .arg(b.coups())
            .arg(shoesLine(result, baccarat), baccarat ? QStringLiteral(", each a session") : QString());
    out += QStringLiteral("  every session starts with %1; stop-loss %2, take-profit %3\n")
               .arg(money(b.capital), money(b.stopLoss), money(b.takeProfit));
    if (b.staked() == 0) {
        out += QStringLiteral("  no bet was placed (activate methods with --method NAME or --all)\n");
        return out;
    }
    const double sessions = double(std::max<qint64>(b.sessions(), 1));
    out += QStringLiteral("  result %1 (%2 a session); best session %3, worst %4\n")
               .arg(signedMoney(double(b.result())), signedMoney(double(b.result()) / sessions),
                    signedMoney(double(b.bestSession())), signedMoney(double(b.worstSession())));
    out += QStringLiteral("  lowest capital %1, highest %2\n")
               .arg(money(b.lowestCapital()), money(b.highestCapital()));
    out += QStringLiteral("  sessions reaching the take-profit %1, warned of the stop-loss %2\n")
               .arg(b.gainLimitSessions())
               .arg(b.lossLimitSessions());
    if (b.moneyLimitSessions() > 0) {
        out += QStringLiteral(
                   "  sessions that stopped betting when a stake passed the engine's money limit %1\n")
                   .arg(b.moneyLimitSessions());
    }
    if (result.run.value(QStringLiteral("settings")).toObject().contains(QStringLiteral("guards"))) {
        QStringList rules;
        for (int i = 0; i < NoxSimBankroll::kGuardRules; ++i) {
            const auto rule = NoxGuardStop::Rule(i);
            rules << QStringLiteral("%1 %2").arg(guardName(rule)).arg(b.guardSessions(rule));
        }
        out += QStringLiteral("  sessions a guard stopped %1: %2\n")
                   .arg(b.guardSessions())
                   .arg(rules.join(u", "));
    }
    out += QStringLiteral("  coups won %1, lost %2; total staked %3; largest stake of the run %4\n")
               .arg(b.coupsWon())
               .arg(b.coupsLost())
               .arg(money(double(b.staked())), money(b.largestStake()));
    out +=
        QStringLiteral("  at the house edge these stakes were expected to give %1 (standard deviation %2):\n"
                       "  the result lies %3 standard deviations from it\n")
            .arg(signedMoney(b.expectedResult()), money(b.resultDeviation()),
                 QString::asprintf("%+.2f", b.resultScore()));
    return out;
}

} // namespace

QString NoxSimReport::text(const NoxSimResult &result, int top)
{
    const bool baccarat =
        result.run.value(QStringLiteral("settings")).toObject().value(QStringLiteral("game")).toString() !=
        u"roulette";
    return methodTable(result, top) + chanceNote(result) + bankrollSection(result, baccarat);
}

QByteArray NoxSimReport::csv(const NoxSimResult &result)
{
    QString out = QStringLiteral("method,active,coups,wins,pushes,ratio,largest_gap,profit,largest_drawdown,"
                                 "expected_wins,expected_profit,profit_sd,profit_score,wins_score\n");
    for (const NoxSimResult::Method &m : result.ranked()) {
        const NoxFlatStake &f = m.flat;
        out += QStringLiteral("%1,%2,%3,%4,%5,%6,%7,%8,%9,%10,%11,%12,%13,%14\n")
                   .arg(csvField(m.name))
                   .arg(m.active ? 1 : 0)
                   .arg(f.coups())
                   .arg(f.wins())
                   .arg(f.pushes())
                   .arg(f.ratio(), 0, 'f', 4)
                   .arg(f.largestGap())
                   .arg(f.profit(), 0, 'f', 2)
                   .arg(f.largestDrawdown(), 0, 'f', 2)
                   .arg(f.expectedWins(), 0, 'f', 4)
                   .arg(f.expectedProfit(), 0, 'f', 4)
                   .arg(f.profitDeviation(), 0, 'f', 4)
                   .arg(f.profitScore(), 0, 'f', 4)
                   .arg(f.winsScore(), 0, 'f', 4);
    }
    return out.toUtf8();
}

} // namespace Nox
