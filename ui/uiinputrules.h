#pragma once

#include <QObject>
#include <QVariantMap>
#include <QtQml/qqmlregistration.h>

#include <optional>

/// The rules of the numbers a player types into the settings: for each kind of field its range
/// as shown (money in currency units, the click delay in seconds), its decimals and the factor
/// to the stored value (100 for money kept in hundredths, 1000 for seconds kept in ms). A text
/// that is not a number is refused; a number outside the range is clamped to it, so a typo
/// never reaches the engine as a zero chip, a positive loss limit or a sample of a million.
/// The screens only bind: NumberField reads its range from rule() and converts with parse().
/// The C++ setters of the configuration objects clamp with clampStored() as well, so a write
/// that bypasses the field (a script, a restored profile) obeys the same limits.
class UIInputRules : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON

public:
    struct Rule {
        double from = 0;
        double to = 0;
        int decimals = 0;
        int unit = 1;
    };

    explicit UIInputRules(QObject *parent = nullptr);

    /// The rule called `name` ("chip", "capital", "takeProfit", "stopLoss", "truncateCount",
    /// "shortTermCount", "ecartNotif", "customBlock", "nbBlockDom", "clickDelay",
    /// "recupDivider", "recupTours", "recupWins", and for the session guards "guardCount",
    /// "guardMinutes", "guardAmount"); std::nullopt for an unknown name.
    [[nodiscard]] static std::optional<Rule> find(const QString &name);

    /// The stored value of `text` under `rule`: std::nullopt when the text is not a number
    /// (a sign, digits and at most one decimal point or comma), else the number rounded to
    /// the rule's decimals, clamped to its range and multiplied by its unit.
    [[nodiscard]] static std::optional<qint64> parseStored(const QString &text, const Rule &rule);

    /// `stored` clamped to the stored range of the rule called `name` (unchanged for an
    /// unknown name).
    [[nodiscard]] static qint64 clampStored(const QString &name, qint64 stored);

    /// For QML: {"from", "to", "decimals", "unit"} of the rule, empty for an unknown name.
    Q_INVOKABLE QVariantMap rule(const QString &name) const;

    /// For QML: parseStored() with an explicit rule (a method parameter brings its own range);
    /// NaN when the text is refused.
    Q_INVOKABLE double parse(const QString &text, double from, double to, int decimals, int unit) const;
};
