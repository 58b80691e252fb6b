#include "uiinputrules.h"

#include "money/montanteperso.h"
#include "money/noxguards.h"

#include <QHash>
#include <QRegularExpression>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

/// A whole count typed as it is stored, within `bounds`.
UIInputRules::Rule counted(const Nox::MontantePerso::Bounds &bounds)
{
    return {double(bounds.minimum), double(bounds.maximum), 0, 1};
}

const QHash<QString, UIInputRules::Rule> &rules()
{
    // Money is shown in currency units and kept in hundredths; the largest chip the
    // calibration knows is 10000.00, the largest capital the bankroll accepts 1000000.00.
    static const QHash<QString, UIInputRules::Rule> table{
        {QStringLiteral("chip"), {0.01, 10000, 2, 100}},
        {QStringLiteral("capital"), {0.01, 1000000, 2, 100}},
        {QStringLiteral("takeProfit"), {0, 1000000, 2, 100}},
        // A loss limit is a loss: zero or below.
        {QStringLiteral("stopLoss"), {-1000000, 0, 2, 100}},
        // The history holds at most 10000 results.
        {QStringLiteral("truncateCount"), {1, 10000, 0, 1}},
        {QStringLiteral("shortTermCount"), {1, 1000, 0, 1}},
        {QStringLiteral("ecartNotif"), {1, 999, 0, 1}},
        {QStringLiteral("customBlock"), {0, 99, 0, 1}},
        {QStringLiteral("nbBlockDom"), {1, 20, 0, 1}},
        // Shown in seconds, kept in milliseconds: 10 ms to 2 s between the clicks of a bet.
        {QStringLiteral("clickDelay"), {0.01, 2, 3, 1000}},
        // The recovery counts of a user progression, in its own ranges.
        {QStringLiteral("recupDivider"), counted(Nox::MontantePerso::kRecupLossDividerBounds)},
        {QStringLiteral("recupTours"), counted(Nox::MontantePerso::kNbToursMontanteBounds)},
        {QStringLiteral("recupWins"), counted(Nox::MontantePerso::kNbWinRecalculBounds)},
        // The session guards, 0 meaning off: coup counts, minutes, amounts in hundredths.
        {QStringLiteral("guardCount"), {0, double(Nox::NoxGuards::kMaxCount), 0, 1}},
        {QStringLiteral("guardMinutes"), {0, double(Nox::NoxGuards::kMaxMinutes), 0, 1}},
        {QStringLiteral("guardAmount"), {0, double(Nox::NoxGuards::kMaxAmount) / 100, 2, 100}},
    };
    return table;
}

} // namespace

UIInputRules::UIInputRules(QObject *parent)
    : QObject(parent)
{}

std::optional<UIInputRules::Rule> UIInputRules::find(const QString &name)
{
    const auto it = rules().constFind(name);
    if (it == rules().cend()) {
        return std::nullopt;
    }
    return *it;
}

std::optional<qint64> UIInputRules::parseStored(const QString &text, const Rule &rule)
{
    static const QRegularExpression number(QStringLiteral("^[-+]?\\d{1,12}([.,]\\d*)?$"));
    QString t = text.trimmed();
    if (!number.match(t).hasMatch() || !std::isfinite(rule.from) || !std::isfinite(rule.to) ||
        rule.from > rule.to || rule.unit <= 0) {
        return std::nullopt;
    }
    t.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    double shown = t.toDouble(&ok);
    if (!ok || !std::isfinite(shown)) {
        return std::nullopt;
    }
    const double scale = std::pow(10.0, std::clamp(rule.decimals, 0, 6));
    shown = std::round(shown * scale) / scale;
    shown = std::clamp(shown, rule.from, rule.to);
    return qint64(std::llround(shown * rule.unit));
}

qint64 UIInputRules::clampStored(const QString &name, qint64 stored)
{
    const std::optional<Rule> rule = find(name);
    if (!rule) {
        return stored;
    }
    const auto low = qint64(std::llround(rule->from * rule->unit));
    const auto high = qint64(std::llround(rule->to * rule->unit));
    return std::clamp(stored, low, high);
}

QVariantMap UIInputRules::rule(const QString &name) const
{
    const std::optional<Rule> r = find(name);
    if (!r) {
        return {};
    }
    return {{QStringLiteral("from"), r->from},
            {QStringLiteral("to"), r->to},
            {QStringLiteral("decimals"), r->decimals},
            {QStringLiteral("unit"), r->unit}};
}

double UIInputRules::parse(const QString &text, double from, double to, int decimals, int unit) const
{
    const std::optional<qint64> stored = parseStored(text, Rule{from, to, decimals, unit});
    return stored ? double(*stored) : std::numeric_limits<double>::quiet_NaN();
}
