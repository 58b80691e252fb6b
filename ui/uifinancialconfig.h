#pragma once

#include "money/noxfinancial.h"
#include "uimethodetypeconfig.h"

#include <QObject>
#include <QtQml/qqmlregistration.h>

namespace Nox {
class NoxEngine;
}

/// The bankroll settings as QML edits them, with the bankroll's live amounts read-only. Holds
/// a copy: setters write it and hand it whole to the engine; refresh() brings it up to the
/// engine's bankroll and notifies each value that differed. Changing a kind's starting chip
/// (jetonOrigine) also restarts its current chip (jeton) from it, as a win would.
///
/// The session guards are taken whole or not at all. A write of one guard builds the whole set
/// with the new value and checks it (NoxGuards::check, against the smallest chip the edition
/// stakes with): a set that cannot be taken stores nothing, and guardsError says why with
/// guardsErrorField naming the field to change; a set that can clears them and goes to the
/// engine. Unlike the other amounts, a guard out of its range is refused rather than clamped:
/// a stop rule must never quietly become another one than the player asked for. The trailing
/// stop is one rule of two amounts, both zero (off) or both set: setTrailingStop() writes them
/// together, since neither can be switched on or off alone.
class UIFinancialConfig : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("UIFinancialConfig is owned by the facade: read UIWrapper.financial")
    Q_PROPERTY(int capitalOrigine READ capitalOrigine WRITE setCapitalOrigine NOTIFY capitalOrigineChanged)
    Q_PROPERTY(int capital READ capital NOTIFY capitalChanged)
    Q_PROPERTY(int stopLoss READ stopLoss WRITE setStopLoss NOTIFY stopLossChanged)
    Q_PROPERTY(int takeProfit READ takeProfit WRITE setTakeProfit NOTIFY takeProfitChanged)
    Q_PROPERTY(int mise READ mise NOTIFY miseChanged)
    Q_PROPERTY(int capitalMax READ capitalMax NOTIFY capitalMaxChanged)
    Q_PROPERTY(int capitalMin READ capitalMin NOTIFY capitalMinChanged)
    Q_PROPERTY(
        UIMethodeTypeConfig pleinConfig READ pleinConfig WRITE setPleinConfig NOTIFY pleinConfigChanged)
    Q_PROPERTY(UIMethodeTypeConfig csConfig READ csConfig WRITE setCsConfig NOTIFY csConfigChanged)
    Q_PROPERTY(UIMethodeTypeConfig colConfig READ colConfig WRITE setColConfig NOTIFY colConfigChanged)
    Q_PROPERTY(UIMethodeTypeConfig douzConfig READ douzConfig WRITE setDouzConfig NOTIFY douzConfigChanged)
    Q_PROPERTY(UIMethodeTypeConfig sixtConfig READ sixtConfig WRITE setSixtConfig NOTIFY sixtConfigChanged)
    Q_PROPERTY(
        UIMethodeTypeConfig transConfig READ transConfig WRITE setTransConfig NOTIFY transConfigChanged)
    Q_PROPERTY(
        UIMethodeTypeConfig persoConfig READ persoConfig WRITE setPersoConfig NOTIFY persoConfigChanged)
    // The session guards (NoxGuards), amounts in hundredths, 0 meaning off.
    Q_PROPERTY(bool lossLimitStops READ lossLimitStops WRITE setLossLimitStops NOTIFY lossLimitStopsChanged)
    Q_PROPERTY(bool gainLimitStops READ gainLimitStops WRITE setGainLimitStops NOTIFY gainLimitStopsChanged)
    Q_PROPERTY(int losingStreak READ losingStreak WRITE setLosingStreak NOTIFY losingStreakChanged)
    Q_PROPERTY(int stakedCoups READ stakedCoups WRITE setStakedCoups NOTIFY stakedCoupsChanged)
    Q_PROPERTY(int sessionMinutes READ sessionMinutes WRITE setSessionMinutes NOTIFY sessionMinutesChanged)
    Q_PROPERTY(
        int trailingTrigger READ trailingTrigger WRITE setTrailingTrigger NOTIFY trailingTriggerChanged)
    Q_PROPERTY(int trailingDrop READ trailingDrop WRITE setTrailingDrop NOTIFY trailingDropChanged)
    Q_PROPERTY(int maxStake READ maxStake WRITE setMaxStake NOTIFY maxStakeChanged)
    Q_PROPERTY(StakeRule maxStakeRule READ maxStakeRule WRITE setMaxStakeRule NOTIFY maxStakeRuleChanged)
    Q_PROPERTY(
        int tableLimitPlayer READ tableLimitPlayer WRITE setTableLimitPlayer NOTIFY tableLimitPlayerChanged)
    Q_PROPERTY(
        int tableLimitBanker READ tableLimitBanker WRITE setTableLimitBanker NOTIFY tableLimitBankerChanged)
    Q_PROPERTY(int tableLimitTie READ tableLimitTie WRITE setTableLimitTie NOTIFY tableLimitTieChanged)
    /// Whether the edition's table has a limit per result (PLAYER, BANKER, TIE): the baccarat
    /// edition. The roulette's places have none of their own here.
    Q_PROPERTY(bool hasTableLimits READ hasTableLimits CONSTANT)
    /// Why the last write of a guard was refused, "" after one that was taken.
    Q_PROPERTY(QString guardsError READ guardsError NOTIFY guardsErrorChanged)
    /// The field guardsError concerns (NoGuardField when there is none).
    Q_PROPERTY(GuardField guardsErrorField READ guardsErrorField NOTIFY guardsErrorChanged)

public:
    /// What happens to a coup above the largest stake (NoxGuards::StakeRule).
    enum StakeRule {
        CapStake = int(Nox::NoxGuards::StakeRule::Cap),      ///< lowered to the largest stake
        RefuseStake = int(Nox::NoxGuards::StakeRule::Refuse) ///< not placed
    };
    Q_ENUM(StakeRule)

    /// A guard field, for guardsErrorField (NoxGuards::Field).
    enum GuardField {
        NoGuardField = int(Nox::NoxGuards::Field::None),
        LossLimitStopsField = int(Nox::NoxGuards::Field::LossLimitStops),
        GainLimitStopsField = int(Nox::NoxGuards::Field::GainLimitStops),
        LosingStreakField = int(Nox::NoxGuards::Field::LosingStreak),
        StakedCoupsField = int(Nox::NoxGuards::Field::StakedCoups),
        SessionMinutesField = int(Nox::NoxGuards::Field::SessionMinutes),
        TrailingTriggerField = int(Nox::NoxGuards::Field::TrailingTrigger),
        TrailingDropField = int(Nox::NoxGuards::Field::TrailingDrop),
        MaxStakeField = int(Nox::NoxGuards::Field::MaxStake),
        MaxStakeRuleField = int(Nox::NoxGuards::Field::MaxStakeRule),
        TableLimitPlayerField = int(Nox::NoxGuards::Field::TableLimitPlayer),
        TableLimitBankerField = int(Nox::NoxGuards::Field::TableLimitBanker),
        TableLimitTieField = int(Nox::NoxGuards::Field::TableLimitTie),
    };
    Q_ENUM(GuardField)

    explicit UIFinancialConfig(QObject *parent = nullptr);

    /// Reads the engine's bankroll and notifies every value that changed.
    void refresh();

    [[nodiscard]] int capitalOrigine() const { return m_financial.capitalOrigine; }
    void setCapitalOrigine(int value);
    [[nodiscard]] int capital() const { return m_financial.capital; }
    [[nodiscard]] int stopLoss() const { return m_financial.stopLoss; }
    void setStopLoss(int value);
    [[nodiscard]] int takeProfit() const { return m_financial.takeProfit; }
    void setTakeProfit(int value);
    [[nodiscard]] int mise() const { return m_financial.mise; }
    [[nodiscard]] int capitalMax() const { return m_financial.capitalMax; }
    [[nodiscard]] int capitalMin() const { return m_financial.capitalMin; }
    [[nodiscard]] UIMethodeTypeConfig pleinConfig() const { return UIMethodeTypeConfig(m_financial.plein); }
    void setPleinConfig(const UIMethodeTypeConfig &value);
    [[nodiscard]] UIMethodeTypeConfig csConfig() const { return UIMethodeTypeConfig(m_financial.cs); }
    void setCsConfig(const UIMethodeTypeConfig &value);
    [[nodiscard]] UIMethodeTypeConfig colConfig() const { return UIMethodeTypeConfig(m_financial.col); }
    void setColConfig(const UIMethodeTypeConfig &value);
    [[nodiscard]] UIMethodeTypeConfig douzConfig() const { return UIMethodeTypeConfig(m_financial.douz); }
    void setDouzConfig(const UIMethodeTypeConfig &value);
    [[nodiscard]] UIMethodeTypeConfig sixtConfig() const { return UIMethodeTypeConfig(m_financial.sixain); }
    void setSixtConfig(const UIMethodeTypeConfig &value);
    [[nodiscard]] UIMethodeTypeConfig transConfig() const { return UIMethodeTypeConfig(m_financial.trans); }
    void setTransConfig(const UIMethodeTypeConfig &value);
    [[nodiscard]] UIMethodeTypeConfig persoConfig() const { return UIMethodeTypeConfig(m_financial.perso); }
    void setPersoConfig(const UIMethodeTypeConfig &value);

    [[nodiscard]] bool lossLimitStops() const { return m_financial.guards.lossLimitStops; }
    void setLossLimitStops(bool value);
    [[nodiscard]] bool gainLimitStops() const { return m_financial.guards.gainLimitStops; }
    void setGainLimitStops(bool value);
    [[nodiscard]] int losingStreak() const { return m_financial.guards.losingStreak; }
    void setLosingStreak(int value);
    [[nodiscard]] int stakedCoups() const { return m_financial.guards.stakedCoups; }
    void setStakedCoups(int value);
    [[nodiscard]] int sessionMinutes() const { return m_financial.guards.sessionMinutes; }
    void setSessionMinutes(int value);
    // The stored amounts are within NoxGuards::kMaxAmount, which an int holds.
    [[nodiscard]] int trailingTrigger() const { return int(m_financial.guards.trailingTrigger); }
    void setTrailingTrigger(int value);
    [[nodiscard]] int trailingDrop() const { return int(m_financial.guards.trailingDrop); }
    void setTrailingDrop(int value);
    [[nodiscard]] int maxStake() const { return int(m_financial.guards.maxStake); }
    void setMaxStake(int value);
    [[nodiscard]] StakeRule maxStakeRule() const { return StakeRule(m_financial.guards.maxStakeRule); }
    void setMaxStakeRule(StakeRule value);
    [[nodiscard]] int tableLimitPlayer() const { return int(m_financial.guards.tableLimitPlayer); }
    void setTableLimitPlayer(int value);
    [[nodiscard]] int tableLimitBanker() const { return int(m_financial.guards.tableLimitBanker); }
    void setTableLimitBanker(int value);
    [[nodiscard]] int tableLimitTie() const { return int(m_financial.guards.tableLimitTie); }
    void setTableLimitTie(int value);
    [[nodiscard]] bool hasTableLimits() const { return m_hasTableLimits; }
    [[nodiscard]] QString guardsError() const { return m_guardsError.message; }
    [[nodiscard]] GuardField guardsErrorField() const { return GuardField(m_guardsError.field); }

    /// Writes both amounts of the trailing stop as one change (both 0 switches it off); false
    /// when refused, guardsError saying why.
    Q_INVOKABLE bool setTrailingStop(int trigger, int drop);
    /// Forgets the refusal of the last write (a screen opened afresh shows the stored values).
    Q_INVOKABLE void clearGuardsError();
    /// The smallest chip a bet of the edition is staked with (hundredths): the largest stake
    /// per coup may not be below it.
    [[nodiscard]] qint64 smallestChip() const;

signals:
    void capitalOrigineChanged();
    void capitalChanged();
    void stopLossChanged();
    void takeProfitChanged();
    void miseChanged();
    void capitalMaxChanged();
    void capitalMinChanged();
    void pleinConfigChanged();
    void csConfigChanged();
    void colConfigChanged();
    void douzConfigChanged();
    void sixtConfigChanged();
    void transConfigChanged();
    void persoConfigChanged();
    void lossLimitStopsChanged();
    void gainLimitStopsChanged();
    void losingStreakChanged();
    void stakedCoupsChanged();
    void sessionMinutesChanged();
    void trailingTriggerChanged();
    void trailingDropChanged();
    void maxStakeChanged();
    void maxStakeRuleChanged();
    void tableLimitPlayerChanged();
    void tableLimitBankerChanged();
    void tableLimitTieChanged();
    void guardsErrorChanged();

private:
    /// One guard of the stored set changed to `value`, then writeGuards().
    template<typename T>
    bool writeGuard(T Nox::NoxGuards::*field, T value);
    /// Takes `guards` when they can be taken (to the engine, each changed field notified) or
    /// stores the refusal; returns whether they were taken.
    bool writeGuards(const Nox::NoxGuards &guards);
    void setGuardsError(const Nox::NoxGuards::Refusal &refusal);
    /// Emits the change signal of every guard that differs between `before` and `after`.
    void notifyGuards(const Nox::NoxGuards &before, const Nox::NoxGuards &after);
    void writeAmount(int Nox::NoxFinancial::*field, int value, void (UIFinancialConfig::*notify)());
    void writeKind(Nox::NoxMethodeTypeConfig Nox::NoxFinancial::*field, const UIMethodeTypeConfig &value,
                   bool restartsChip, void (UIFinancialConfig::*notify)());

    Nox::NoxEngine *m_engine = nullptr;
    Nox::NoxFinancial m_financial;
    bool m_hasTableLimits = true;
    Nox::NoxGuards::Refusal m_guardsError;
};
