#include "engine/noxjournalcodec.h"

#include <cmath>

namespace Nox {

namespace {

void put(QJsonObject &json, const char *key, qint64 v)
{
    json.insert(QLatin1String(key), double(v)); // exact: every amount is far below 2^53
}

void put(QJsonObject &json, const char *key, int v)
{
    put(json, key, qint64(v));
}

void put(QJsonObject &json, const char *key, bool v)
{
    json.insert(QLatin1String(key), v);
}

template<typename T>
void get(const QJsonObject &json, const char *key, T &out)
{
    const QJsonValue v = json.value(QLatin1String(key));
    if constexpr (std::is_same_v<T, bool>) {
        if (v.isBool()) {
            out = v.toBool();
        }
    } else {
        if (v.isDouble() && std::isfinite(v.toDouble())) {
            out = T(v.toDouble());
        }
    }
}

QJsonObject chipsToJson(const NoxMethodeTypeConfig &c)
{
    QJsonObject json;
    put(json, "jeton", qint64(c.jeton));
    put(json, "jetonOrigine", qint64(c.jetonOrigine));
    put(json, "jetonIncrement", qint64(c.jetonIncrement));
    put(json, "modeNum", c.modeNum);
    put(json, "addZero", c.addZero);
    put(json, "diff0", c.diff0);
    put(json, "stopProfit", c.stopProfit);
    put(json, "useMontante", c.useMontante);
    return json;
}

void readChips(const QJsonObject &json, NoxMethodeTypeConfig &c)
{
    get(json, "jeton", c.jeton);
    get(json, "jetonOrigine", c.jetonOrigine);
    get(json, "jetonIncrement", c.jetonIncrement);
    get(json, "modeNum", c.modeNum);
    get(json, "addZero", c.addZero);
    get(json, "diff0", c.diff0);
    get(json, "stopProfit", c.stopProfit);
    get(json, "useMontante", c.useMontante);
}

struct ChipRecord {
    const char *key;
    NoxMethodeTypeConfig NoxFinancial::*member;
};

constexpr ChipRecord kChipRecords[] = {{"plein", &NoxFinancial::plein},   {"cs", &NoxFinancial::cs},
                                       {"col", &NoxFinancial::col},       {"douz", &NoxFinancial::douz},
                                       {"sixain", &NoxFinancial::sixain}, {"trans", &NoxFinancial::trans},
                                       {"perso", &NoxFinancial::perso}};

// The guards' fields, named as in the settings store.
#define NOX_GUARD_FIELDS(X)                                                                                  \
    X(lossLimitStops)                                                                                        \
    X(gainLimitStops)                                                                                        \
    X(losingStreak) X(stakedCoups) X(sessionMinutes) X(trailingTrigger) X(trailingDrop) X(maxStake)          \
        X(tableLimitPlayer) X(tableLimitBanker) X(tableLimitTie)

} // namespace

QJsonObject NoxJournalCodec::toJson(const NoxGuards &g)
{
    QJsonObject json;
#define NOX_PUT(field) put(json, #field, g.field);
    NOX_GUARD_FIELDS(NOX_PUT)
#undef NOX_PUT
    put(json, "maxStakeRefused", g.maxStakeRule == NoxGuards::StakeRule::Refuse);
    return json;
}

void NoxJournalCodec::read(const QJsonObject &json, NoxGuards &g)
{
#define NOX_GET(field) get(json, #field, g.field);
    NOX_GUARD_FIELDS(NOX_GET)
#undef NOX_GET
    bool refused = g.maxStakeRule == NoxGuards::StakeRule::Refuse;
    get(json, "maxStakeRefused", refused);
    g.maxStakeRule = refused ? NoxGuards::StakeRule::Refuse : NoxGuards::StakeRule::Cap;
}

#undef NOX_GUARD_FIELDS

QJsonObject NoxJournalCodec::toJson(const NoxFinancial &f)
{
    QJsonObject json;
    put(json, "capitalOrigine", qint64(f.capitalOrigine));
    put(json, "capital", f.capital);
    put(json, "stopLoss", qint64(f.stopLoss));
    put(json, "takeProfit", qint64(f.takeProfit));
    put(json, "mise", qint64(f.mise));
    put(json, "capitalMin", f.capitalMin);
    put(json, "capitalMax", f.capitalMax);
    for (const ChipRecord &r : kChipRecords) {
        json.insert(QLatin1String(r.key), chipsToJson(f.*r.member));
    }
    json.insert(QStringLiteral("guards"), toJson(f.guards));
    return json;
}

void NoxJournalCodec::read(const QJsonObject &json, NoxFinancial &f)
{
    get(json, "capitalOrigine", f.capitalOrigine);
    get(json, "capital", f.capital);
    get(json, "stopLoss", f.stopLoss);
    get(json, "takeProfit", f.takeProfit);
    get(json, "mise", f.mise);
    get(json, "capitalMin", f.capitalMin);
    get(json, "capitalMax", f.capitalMax);
    for (const ChipRecord &r : kChipRecords) {
        readChips(json.value(QLatin1String(r.key)).toObject(), f.*r.member);
    }
    read(json.value(QLatin1String("guards")).toObject(), f.guards);
}

// The fields of the engine options, named as in the settings store.
#define NOX_CONFIG_FIELDS(X)                                                                                 \
    X(shortTermCount)                                                                                        \
    X(truncateCount)                                                                                         \
    X(playInBlock)                                                                                           \
    X(playInBlockDom) X(playQuick) X(playSplit) X(playPro) X(smartQuickMode) X(smartQuickModeIsolate)        \
        X(signalDouble0) X(signalBlocks) X(signalEcartMax) X(signalTendanceBack) X(signalBlocDominant)       \
            X(signalBlocDominantConfirme) X(compteurME) X(signalScores)

QJsonObject NoxJournalCodec::toJson(const NoxEngineConfig &c)
{
    QJsonObject json;
#define NOX_PUT(field) json.insert(QStringLiteral(#field), c.field);
    NOX_CONFIG_FIELDS(NOX_PUT)
#undef NOX_PUT
    return json;
}

void NoxJournalCodec::read(const QJsonObject &json, NoxEngineConfig &c)
{
#define NOX_GET(field) get(json, #field, c.field);
    NOX_CONFIG_FIELDS(NOX_GET)
#undef NOX_GET
}

#undef NOX_CONFIG_FIELDS

QJsonValue NoxJournalCodec::toJson(const NoxValue &value)
{
    switch (value.type()) {
    case NoxValue::Type::None:
        return QJsonValue(QJsonValue::Null);
    case NoxValue::Type::Bool:
        return QJsonObject{{QStringLiteral("b"), value.toBool()}};
    case NoxValue::Type::Int:
        return QJsonObject{{QStringLiteral("i"), value.toInt()}};
    case NoxValue::Type::Double: {
        const double d = value.toDouble();
        // JSON has no infinities nor NaN: those travel as text.
        return std::isfinite(d) ? QJsonObject{{QStringLiteral("d"), d}}
                                : QJsonObject{{QStringLiteral("dt"), value.toString()}};
    }
    case NoxValue::Type::String:
        return QJsonObject{{QStringLiteral("s"), value.toString()}};
    }
    return QJsonValue(QJsonValue::Null);
}

NoxValue NoxJournalCodec::valueOf(const QJsonValue &json)
{
    const QJsonObject o = json.toObject();
    if (o.contains(QLatin1String("b"))) {
        return o.value(QLatin1String("b")).toBool();
    }
    if (o.contains(QLatin1String("i"))) {
        return o.value(QLatin1String("i")).toInt();
    }
    if (o.contains(QLatin1String("d"))) {
        return o.value(QLatin1String("d")).toDouble();
    }
    if (o.contains(QLatin1String("dt"))) {
        return NoxValue(o.value(QLatin1String("dt")).toString()).toDouble();
    }
    if (o.contains(QLatin1String("s"))) {
        return o.value(QLatin1String("s")).toString();
    }
    return {};
}

QJsonArray NoxJournalCodec::toJson(const NoxMethodParameterList &parameters)
{
    QJsonArray json;
    for (const NoxMethodParameter &p : parameters) {
        json.append(QJsonObject{{QStringLiteral("name"), p.name},
                                {QStringLiteral("value"), toJson(p.value)},
                                {QStringLiteral("min"), toJson(p.minimum)},
                                {QStringLiteral("max"), toJson(p.maximum)},
                                {QStringLiteral("precision"), p.precision}});
    }
    return json;
}

NoxMethodParameterList NoxJournalCodec::parametersOf(const QJsonArray &json)
{
    NoxMethodParameterList parameters;
    for (const QJsonValue &v : json) {
        const QJsonObject o = v.toObject();
        NoxMethodParameter p;
        p.name = o.value(QLatin1String("name")).toString();
        p.value = valueOf(o.value(QLatin1String("value")));
        p.minimum = valueOf(o.value(QLatin1String("min")));
        p.maximum = valueOf(o.value(QLatin1String("max")));
        p.precision = o.value(QLatin1String("precision")).toInt();
        parameters.append(p);
    }
    return parameters;
}

QJsonObject NoxJournalCodec::toJson(const NoxNotification &n)
{
    return {{QStringLiteral("title"), n.title},
            {QStringLiteral("content"), n.content},
            {QStringLiteral("type"), n.type},
            {QStringLiteral("read"), n.read}};
}

NoxNotification NoxJournalCodec::notificationOf(const QJsonObject &json)
{
    NoxNotification n;
    n.title = json.value(QLatin1String("title")).toString();
    n.content = json.value(QLatin1String("content")).toString();
    n.type = json.value(QLatin1String("type")).toInt();
    n.read = json.value(QLatin1String("read")).toBool();
    return n;
}

} // namespace Nox
