#include "noxsimresult.h"

#include "engine/noxengine.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>

#include <algorithm>
#include <numeric>

namespace Nox {

NoxSimResult NoxSimResult::emptyFrom(qint64 first) const
{
    NoxSimResult r;
    r.run = run;
    r.firstShoe = first;
    r.totalShoes = totalShoes;
    for (const Method &m : methods) {
        r.methods.append({m.name, m.active, {}});
    }
    r.bankroll.capital = bankroll.capital;
    r.bankroll.stopLoss = bankroll.stopLoss;
    r.bankroll.takeProfit = bankroll.takeProfit;
    return r;
}

bool NoxSimResult::append(const NoxSimResult &later, QString *error)
{
    if (later.run != run || later.totalShoes != totalShoes) {
        *error = QStringLiteral("the results come from different runs (game, shoes, seed, history or "
                                "settings differ)");
        return false;
    }
    const bool sameMethods =
        later.methods.size() == methods.size() &&
        std::equal(methods.cbegin(), methods.cend(), later.methods.cbegin(),
                   [](const Method &a, const Method &b) { return a.name == b.name && a.active == b.active; });
    if (!sameMethods || later.bankroll.capital != bankroll.capital ||
        later.bankroll.stopLoss != bankroll.stopLoss || later.bankroll.takeProfit != bankroll.takeProfit) {
        *error = QStringLiteral("the results come from different method catalogues or bankroll settings");
        return false;
    }
    if (later.firstShoe != firstShoe + shoeCount) {
        *error = later.firstShoe > firstShoe + shoeCount
                     ? QStringLiteral("shoes %1 to %2 are missing")
                           .arg(firstShoe + shoeCount + 1)
                           .arg(later.firstShoe)
                     : QStringLiteral("shoe %1 is in two results").arg(later.firstShoe + 1);
        return false;
    }
    bool fits = bankroll.canAppend(later.bankroll) && shoeCount <= totalShoes - later.shoeCount;
    for (qsizetype i = 0; fits && i < methods.size(); ++i) {
        fits = methods.at(i).flat.canAppend(later.methods.at(i).flat);
    }
    if (!fits) {
        *error = QStringLiteral("the counts of shoes %1 to %2 do not add up to those of the run")
                     .arg(later.firstShoe + 1)
                     .arg(later.firstShoe + later.shoeCount);
        return false;
    }
    for (qsizetype i = 0; i < methods.size(); ++i) {
        methods[i].flat.append(later.methods.at(i).flat);
    }
    bankroll.append(later.bankroll);
    shoeCount += later.shoeCount;
    return true;
}

bool NoxSimResult::merge(QList<NoxSimResult> parts, NoxSimResult *merged, QString *error)
{
    if (parts.isEmpty()) {
        *error = QStringLiteral("nothing to merge");
        return false;
    }
    std::stable_sort(parts.begin(), parts.end(),
                     [](const NoxSimResult &a, const NoxSimResult &b) { return a.firstShoe < b.firstShoe; });
    NoxSimResult all = parts.first();
    for (qsizetype i = 1; i < parts.size(); ++i) {
        if (!all.append(parts.at(i), error)) {
            return false;
        }
    }
    *merged = all;
    return true;
}

QList<qsizetype> NoxSimResult::rankedIndexes() const
{
    QList<qsizetype> order(methods.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [this](qsizetype a, qsizetype b) {
        return methods.at(a).flat.profit() > methods.at(b).flat.profit();
    });
    return order;
}

QList<NoxSimResult::Method> NoxSimResult::ranked() const
{
    QList<Method> sorted;
    for (const qsizetype i : rankedIndexes()) {
        sorted.append(methods.at(i));
    }
    return sorted;
}

QByteArray NoxSimResult::toJson() const
{
    QJsonArray rows;
    for (const qsizetype i : rankedIndexes()) {
        const Method &m = methods.at(i);
        QJsonObject row = m.flat.toJson();
        row.insert(QStringLiteral("method"), m.name);
        row.insert(QStringLiteral("active"), m.active);
        row.insert(QStringLiteral("index"), i);
        rows.append(row);
    }
    const QJsonObject shoes{{QStringLiteral("first"), firstShoe},
                            {QStringLiteral("count"), shoeCount},
                            {QStringLiteral("total"), totalShoes}};
    return QJsonDocument(QJsonObject{{QStringLiteral("format"), kFormat},
                                     {QStringLiteral("run"), run},
                                     {QStringLiteral("shoes"), shoes},
                                     {QStringLiteral("methods"), rows},
                                     {QStringLiteral("bankroll"), bankroll.toJson()}})
        .toJson(QJsonDocument::Indented);
}

bool NoxSimResult::fromJson(const QByteArray &data, NoxSimResult *result, QString *error)
{
    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(data, &parseError);
    if (!document.isObject()) {
        *error = QStringLiteral("not a JSON object (%1)").arg(parseError.errorString());
        return false;
    }
    const QJsonObject root = document.object();
    if (root.value(QStringLiteral("format")).toInt() != kFormat) {
        *error = QStringLiteral("not a noxsim result of format %1").arg(kFormat);
        return false;
    }
    NoxSimResult r;
    r.run = root.value(QStringLiteral("run")).toObject();
    const QJsonObject shoes = root.value(QStringLiteral("shoes")).toObject();
    r.firstShoe = shoes.value(QStringLiteral("first")).toInteger(-1);
    r.shoeCount = shoes.value(QStringLiteral("count")).toInteger(-1);
    r.totalShoes = shoes.value(QStringLiteral("total")).toInteger(-1);
    // Compared without a sum that could overflow.
    if (r.totalShoes < 0 || r.totalShoes > kMaxShoes || r.firstShoe < 0 || r.firstShoe > r.totalShoes ||
        r.shoeCount < 0 || r.shoeCount > r.totalShoes - r.firstShoe) {
        *error = QStringLiteral("bad shoe range (first %1, count %2, of %3 shoes)")
                     .arg(shoes.value(QStringLiteral("first")).toVariant().toString(),
                          shoes.value(QStringLiteral("count")).toVariant().toString(),
                          shoes.value(QStringLiteral("total")).toVariant().toString());
        return false;
    }
    // The rows are ranked; their index gives them back their catalogue order.
    const QJsonArray rows = root.value(QStringLiteral("methods")).toArray();
    r.methods.resize(rows.size());
    QList<bool> seen(rows.size(), false);
    for (const QJsonValue &v : rows) {
        const QJsonObject row = v.toObject();
        const qint64 index = row.value(QStringLiteral("index")).toInteger(-1);
        Method m;
        m.name = row.value(QStringLiteral("method")).toString();
        m.active = row.value(QStringLiteral("active")).toBool();
        if (index < 0 || index >= rows.size() || seen.at(index) || m.name.isEmpty() ||
            !NoxFlatStake::fromJson(row, &m.flat)) {
            *error = QStringLiteral("bad method record \"%1\"").arg(m.name);
            return false;
        }
        seen[index] = true;
        r.methods[index] = m;
    }
    if (!NoxSimBankroll::fromJson(root.value(QStringLiteral("bankroll")).toObject(), &r.bankroll)) {
        *error = QStringLiteral("bad bankroll record");
        return false;
    }
    // Every shoe is a session of at most the engine's number of coups, with stakes within its
    // money limit; every method records at most every coup of them.
    if (r.bankroll.sessions() != r.shoeCount ||
        !r.bankroll.isConsistent(NoxEngine::kMaxPlayed, NoxEngine::kMaxMoney)) {
        *error = QStringLiteral("the bankroll record does not match shoes %1 to %2")
                     .arg(r.firstShoe + 1)
                     .arg(r.firstShoe + r.shoeCount);
        return false;
    }
    for (const Method &m : std::as_const(r.methods)) {
        if (m.flat.coups() > r.bankroll.coups()) {
            *error = QStringLiteral("the record of \"%1\" has more coups than the shoes").arg(m.name);
            return false;
        }
    }
    *result = r;
    return true;
}

bool NoxSimResult::readFile(const QString &path, NoxSimResult *result, QString *error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = QStringLiteral("cannot read: %1").arg(file.errorString());
        return false;
    }
    QByteArray data;
    QByteArray line(kMaxFileLine + 1, Qt::Uninitialized);
    for (qint64 number = 1;; ++number) {
        const qint64 n = file.readLine(line.data(), line.size());
        if (n < 0) {
            if (!file.atEnd() && file.error() != QFileDevice::NoError) {
                *error = QStringLiteral("cannot read: %1").arg(file.errorString());
                return false;
            }
            break;
        }
        if (n == 0) {
            break;
        }
        if (n == kMaxFileLine && line.at(n - 1) != '\n') {
            *error = QStringLiteral("line %1 is too long (more than %2 bytes): not a noxsim result")
                         .arg(number)
                         .arg(kMaxFileLine);
            return false;
        }
        if (data.size() + n > kMaxFileSize) {
            *error = QStringLiteral("too large (more than %1 MiB): not a noxsim result")
                         .arg(kMaxFileSize / (1024 * 1024));
            return false;
        }
        data.append(line.constData(), n);
    }
    return fromJson(data, result, error);
}

} // namespace Nox
