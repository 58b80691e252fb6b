#include "money/noxguards.h"

#include <QCoreApplication>

#include <utility>

namespace Nox {

namespace {
QString translated(const char *text)
{
    return QCoreApplication::translate("NoxGuards", text);
}

QString amount(qint64 cents)
{
    return QString::asprintf("%.2f", double(cents) / 100.0);
}
} // namespace

NoxGuards::Refusal NoxGuards::check(qint64 smallestChip) const
{
    const auto count = [](int value) {
        return value >= 0 && value <= kMaxCount;
    };
    const auto money = [](qint64 value) {
        return value >= 0 && value <= kMaxAmount;
    };
    if (!count(losingStreak)) {
        return {Field::LosingStreak,
                translated(QT_TRANSLATE_NOOP("NoxGuards", "Pertes de suite : entre 0 (désactivé) et %1."))
                    .arg(kMaxCount)};
    }
    if (!count(stakedCoups)) {
        return {Field::StakedCoups,
                translated(QT_TRANSLATE_NOOP("NoxGuards", "Coups misés : entre 0 (désactivé) et %1."))
                    .arg(kMaxCount)};
    }
    if (sessionMinutes < 0 || sessionMinutes > kMaxMinutes) {
        return {Field::SessionMinutes,
                translated(
                    QT_TRANSLATE_NOOP("NoxGuards", "Durée de session : entre 0 (désactivé) et %1 minutes."))
                    .arg(kMaxMinutes)};
    }
    if (!money(trailingTrigger) || !money(trailingDrop)) {
        return {money(trailingTrigger) ? Field::TrailingDrop : Field::TrailingTrigger,
                translated(QT_TRANSLATE_NOOP("NoxGuards", "Stop suiveur : des montants entre 0 et %1."))
                    .arg(amount(kMaxAmount))};
    }
    if (trailingDrop > 0 && trailingTrigger == 0) {
        return {Field::TrailingTrigger,
                translated(QT_TRANSLATE_NOOP("NoxGuards", "Stop suiveur : choisissez le gain qui l'arme."))};
    }
    if (trailingTrigger > 0 && trailingDrop == 0) {
        return {Field::TrailingDrop,
                translated(QT_TRANSLATE_NOOP("NoxGuards", "Stop suiveur : choisissez le recul qui arrête."))};
    }
    if (trailingDrop > trailingTrigger) {
        return {Field::TrailingDrop,
                translated(QT_TRANSLATE_NOOP(
                               "NoxGuards",
                               "Stop suiveur : le recul (%1) ne peut dépasser le gain qui l'arme (%2)."))
                    .arg(amount(trailingDrop), amount(trailingTrigger))};
    }
    if (!money(maxStake)) {
        return {Field::MaxStake,
                translated(QT_TRANSLATE_NOOP("NoxGuards", "Mise maximale : entre 0 (désactivé) et %1."))
                    .arg(amount(kMaxAmount))};
    }
    if (maxStake > 0 && maxStake < smallestChip) {
        return {
            Field::MaxStake,
            translated(QT_TRANSLATE_NOOP("NoxGuards", "Mise maximale : au moins le plus petit jeton (%1)."))
                .arg(amount(smallestChip))};
    }
    if (maxStakeRule != StakeRule::Cap && maxStakeRule != StakeRule::Refuse) {
        return {Field::MaxStakeRule,
                translated(
                    QT_TRANSLATE_NOOP("NoxGuards", "Mise maximale : plafonner ou refuser, rien d'autre."))};
    }
    for (const auto &[limit, field] : {std::pair{tableLimitPlayer, Field::TableLimitPlayer},
                                       std::pair{tableLimitBanker, Field::TableLimitBanker},
                                       std::pair{tableLimitTie, Field::TableLimitTie}}) {
        if (!money(limit)) {
            return {field, translated(QT_TRANSLATE_NOOP("NoxGuards",
                                                        "Limites de la table : entre 0 (aucune) et %1."))
                               .arg(amount(kMaxAmount))};
        }
    }
    return {};
}

bool NoxGuards::stopsAnything() const
{
    return lossLimitStops || gainLimitStops || losingStreak > 0 || stakedCoups > 0 || sessionMinutes > 0 ||
           trailingTrigger > 0;
}

} // namespace Nox
