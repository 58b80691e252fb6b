#include "noxsimreport.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace Nox {

namespace {

QString money(qint64 hundredths)
{
    return QString::asprintf("%.2f", double(hundredths) / 100.0);
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

} // namespace

QString NoxSimReport::text(const QList<NoxSimulator::MethodResult> &methods, const NoxSimulator::Bankroll &b,
                           int top)
{
    QString out;
    out += QStringLiteral("%1  %2 %3 %4 %5 %6 %7 %8\n")
               .arg(QStringLiteral("Method"), -22)
               .arg(QStringLiteral("Active"), 6)
               .arg(QStringLiteral("Coups"), 7)
               .arg(QStringLiteral("Wins"), 7)
               .arg(QStringLiteral("Ratio %"), 8)
               .arg(QStringLiteral("Max gap"), 8)
               .arg(QStringLiteral("Profit"), 10)
               .arg(QStringLiteral("Drawdown"), 10);
    int row = 0;
    for (const NoxSimulator::MethodResult &m : methods) {
        if (top > 0 && row++ >= top) {
            break;
        }
        out += QStringLiteral("%1  %2 %3 %4 %5 %6 %7 %8\n")
                   .arg(m.name.left(22), -22)
                   .arg(m.active ? QStringLiteral("yes") : QString(), 6)
                   .arg(m.flat.coups(), 7)
                   .arg(m.flat.wins(), 7)
                   .arg(m.flat.ratio(), 8, 'f', 2)
                   .arg(m.flat.largestGap(), 8)
                   .arg(m.flat.profit(), 10, 'f', 2)
                   .arg(m.flat.largestDrawdown(), 10, 'f', 2);
    }
    const NoxFinancial &f = b.financial;
    out += QStringLiteral("\nFlat stakes of one unit per item; profit and drawdown in units.\n\n");
    out += QStringLiteral("Bankroll of the active methods over %1 coups in %2 shoes\n")
               .arg(b.coups)
               .arg(b.shoes);
    out += QStringLiteral("  starting capital %1, final capital %2 (result %3)\n")
               .arg(money(f.capitalOrigine), money(f.capital), money(qint64(f.capital) - f.capitalOrigine));
    out += QStringLiteral("  lowest %1, highest %2\n").arg(money(f.capitalMin), money(f.capitalMax));
    out += QStringLiteral("  coups won %1, lost %2, total staked %3, largest stake %4\n")
               .arg(b.stats.betWinCount)
               .arg(b.stats.betLossCount)
               .arg(money(b.stats.betTotal), money(b.stats.betMax));
    for (const QString &w : b.warnings) {
        out += QStringLiteral("  warning: %1\n").arg(w);
    }
    return out;
}

QByteArray NoxSimReport::csv(const QList<NoxSimulator::MethodResult> &methods)
{
    QString out =
        QStringLiteral("method,active,coups,wins,pushes,ratio,largest_gap,profit,largest_drawdown\n");
    for (const NoxSimulator::MethodResult &m : methods) {
        out += QStringLiteral("%1,%2,%3,%4,%5,%6,%7,%8,%9\n")
                   .arg(csvField(m.name))
                   .arg(m.active ? 1 : 0)
                   .arg(m.flat.coups())
                   .arg(m.flat.wins())
                   .arg(m.flat.pushes())
                   .arg(m.flat.ratio(), 0, 'f', 4)
                   .arg(m.flat.largestGap())
                   .arg(m.flat.profit(), 0, 'f', 2)
                   .arg(m.flat.largestDrawdown(), 0, 'f', 2);
    }
    return out.toUtf8();
}

QByteArray NoxSimReport::json(const QList<NoxSimulator::MethodResult> &methods,
                              const NoxSimulator::Bankroll &b)
{
    QJsonArray rows;
    for (const NoxSimulator::MethodResult &m : methods) {
        rows.append(QJsonObject{{QStringLiteral("method"), m.name},
                                {QStringLiteral("active"), m.active},
                                {QStringLiteral("coups"), m.flat.coups()},
                                {QStringLiteral("wins"), m.flat.wins()},
                                {QStringLiteral("pushes"), m.flat.pushes()},
                                {QStringLiteral("ratio"), m.flat.ratio()},
                                {QStringLiteral("largestGap"), m.flat.largestGap()},
                                {QStringLiteral("profit"), m.flat.profit()},
                                {QStringLiteral("largestDrawdown"), m.flat.largestDrawdown()}});
    }
    const NoxFinancial &f = b.financial;
    const QJsonObject bankroll{{QStringLiteral("coups"), b.coups},
                               {QStringLiteral("shoes"), b.shoes},
                               {QStringLiteral("capitalOrigine"), f.capitalOrigine / 100.0},
                               {QStringLiteral("capital"), f.capital / 100.0},
                               {QStringLiteral("capitalMin"), f.capitalMin / 100.0},
                               {QStringLiteral("capitalMax"), f.capitalMax / 100.0},
                               {QStringLiteral("betWinCount"), b.stats.betWinCount},
                               {QStringLiteral("betLossCount"), b.stats.betLossCount},
                               {QStringLiteral("betTotal"), b.stats.betTotal / 100.0},
                               {QStringLiteral("betMax"), b.stats.betMax / 100.0},
                               {QStringLiteral("warnings"), QJsonArray::fromStringList(b.warnings)}};
    return QJsonDocument(
               QJsonObject{{QStringLiteral("methods"), rows}, {QStringLiteral("bankroll"), bankroll}})
        .toJson(QJsonDocument::Indented);
}

} // namespace Nox
