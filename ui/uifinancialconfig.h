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

public:
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

private:
    void writeAmount(int Nox::NoxFinancial::*field, int value, void (UIFinancialConfig::*notify)());
    void writeKind(Nox::NoxMethodeTypeConfig Nox::NoxFinancial::*field, const UIMethodeTypeConfig &value,
                   bool restartsChip, void (UIFinancialConfig::*notify)());

    Nox::NoxEngine *m_engine = nullptr;
    Nox::NoxFinancial m_financial;
};
