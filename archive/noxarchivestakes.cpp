#include "archive/noxarchivestakes.h"

#include "core/noxbetitem.h"

namespace Nox {

QByteArray NoxArchiveStakes::encode(const NoxBetList &bets)
{
    QByteArray text;
    for (const NoxBet &bet : bets) {
        if (!text.isEmpty()) {
            text += ',';
        }
        text += QByteArray::number(int(bet.id)) + ':' + QByteArray::number(bet.bet);
    }
    return text;
}

NoxBetList NoxArchiveStakes::decode(QByteArrayView text)
{
    NoxBetList bets;
    for (const QByteArrayView pair : QByteArray::fromRawData(text.data(), text.size()).split(',')) {
        const qsizetype colon = pair.indexOf(':');
        if (colon <= 0) {
            continue;
        }
        bool idOk = false;
        bool stakeOk = false;
        const int id = pair.first(colon).toInt(&idOk);
        const int stake = pair.sliced(colon + 1).toInt(&stakeOk);
        if (idOk && stakeOk) {
            bets.append(NoxBet{NoxBetItemID(id), stake, 0});
        }
    }
    return bets;
}

QString NoxArchiveStakes::describe(const NoxBetList &bets)
{
    QStringList parts;
    for (const NoxBet &bet : bets) {
        const QString name = hasBetItem(bet.id) ? betItem(bet.id).name() : QString::number(int(bet.id));
        parts.append(name + QLatin1Char('=') + QString::asprintf("%.2f", double(bet.bet) / 100.0));
    }
    return parts.join(QLatin1Char(' '));
}

} // namespace Nox
