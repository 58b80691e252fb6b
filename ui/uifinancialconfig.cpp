#include "uifinancialconfig.h"

#include "uiinputrules.h"

#include "engine/noxengine.h"
#include "iengineprovider.h"

using Nox::NoxFinancial;
using Nox::NoxMethodeTypeConfig;

UIFinancialConfig::UIFinancialConfig(QObject *parent)
    : QObject(parent)
    , m_engine(IEngineProvider::engineFor(parent))
{
    if (m_engine) {
        m_financial = m_engine->financial();
    }
}

void UIFinancialConfig::writeAmount(int NoxFinancial::*field, int value, void (UIFinancialConfig::*notify)())
{
    if (m_financial.*field == value) {
        return;
    }
    m_financial.*field = value;
    if (m_engine) {
        m_engine->setFinancialConfig(m_financial);
    }
    emit(this->*notify)();
}

void UIFinancialConfig::writeKind(NoxMethodeTypeConfig NoxFinancial::*field,
                                  const UIMethodeTypeConfig &written, bool restartsChip,
                                  void (UIFinancialConfig::*notify)())
{
    // A chip written anew is worth at least one hundredth (a zero chip would make every stake
    // zero) and at most the largest chip; a value left as it was stays, even an unset 0.
    NoxMethodeTypeConfig &stored = m_financial.*field;
    UIMethodeTypeConfig value = written;
    if (value.jeton != stored.jeton) {
        value.jeton = int(UIInputRules::clampStored(QStringLiteral("chip"), value.jeton));
    }
    if (value.jetonOrigine != stored.jetonOrigine) {
        value.jetonOrigine = int(UIInputRules::clampStored(QStringLiteral("chip"), value.jetonOrigine));
    }
    if (UIMethodeTypeConfig(stored) == value) {
        return;
    }
    const bool originChanged = stored.jetonOrigine != value.jetonOrigine;
    value.applyTo(stored);
    if (restartsChip && originChanged) {
        stored.jeton = stored.jetonOrigine;
    }
    emit(this->*notify)();
    if (m_engine) {
        m_engine->setFinancialConfig(m_financial);
    }
}

void UIFinancialConfig::setCapitalOrigine(int value)
{
    writeAmount(&NoxFinancial::capitalOrigine,
                int(UIInputRules::clampStored(QStringLiteral("capital"), value)),
                &UIFinancialConfig::capitalOrigineChanged);
}

void UIFinancialConfig::setStopLoss(int value)
{
    writeAmount(&NoxFinancial::stopLoss, int(UIInputRules::clampStored(QStringLiteral("stopLoss"), value)),
                &UIFinancialConfig::stopLossChanged);
}

void UIFinancialConfig::setTakeProfit(int value)
{
    writeAmount(&NoxFinancial::takeProfit,
                int(UIInputRules::clampStored(QStringLiteral("takeProfit"), value)),
                &UIFinancialConfig::takeProfitChanged);
}

void UIFinancialConfig::setPleinConfig(const UIMethodeTypeConfig &value)
{
    writeKind(&NoxFinancial::plein, value, true, &UIFinancialConfig::pleinConfigChanged);
}

void UIFinancialConfig::setCsConfig(const UIMethodeTypeConfig &value)
{
    writeKind(&NoxFinancial::cs, value, true, &UIFinancialConfig::csConfigChanged);
}

void UIFinancialConfig::setColConfig(const UIMethodeTypeConfig &value)
{
    writeKind(&NoxFinancial::col, value, true, &UIFinancialConfig::colConfigChanged);
}

void UIFinancialConfig::setDouzConfig(const UIMethodeTypeConfig &value)
{
    writeKind(&NoxFinancial::douz, value, true, &UIFinancialConfig::douzConfigChanged);
}

void UIFinancialConfig::setSixtConfig(const UIMethodeTypeConfig &value)
{
    writeKind(&NoxFinancial::sixain, value, true, &UIFinancialConfig::sixtConfigChanged);
}

void UIFinancialConfig::setTransConfig(const UIMethodeTypeConfig &value)
{
    writeKind(&NoxFinancial::trans, value, true, &UIFinancialConfig::transConfigChanged);
}

void UIFinancialConfig::setPersoConfig(const UIMethodeTypeConfig &value)
{
    writeKind(&NoxFinancial::perso, value, false, &UIFinancialConfig::persoConfigChanged);
}

void UIFinancialConfig::refresh()
{
    if (!m_engine) {
        return;
    }
    const NoxFinancial financial = m_engine->financial();
    const auto sync = [this, &financial](auto NoxFinancial::*field, void (UIFinancialConfig::*notify)()) {
        if (m_financial.*field != financial.*field) {
            m_financial.*field = financial.*field;
            emit(this->*notify)();
        }
    };
    sync(&NoxFinancial::capitalOrigine, &UIFinancialConfig::capitalOrigineChanged);
    sync(&NoxFinancial::capital, &UIFinancialConfig::capitalChanged);
    sync(&NoxFinancial::mise, &UIFinancialConfig::miseChanged);
    sync(&NoxFinancial::capitalMax, &UIFinancialConfig::capitalMaxChanged);
    sync(&NoxFinancial::capitalMin, &UIFinancialConfig::capitalMinChanged);
    sync(&NoxFinancial::stopLoss, &UIFinancialConfig::stopLossChanged);
    sync(&NoxFinancial::takeProfit, &UIFinancialConfig::takeProfitChanged);
    sync(&NoxFinancial::plein, &UIFinancialConfig::pleinConfigChanged);
    sync(&NoxFinancial::cs, &UIFinancialConfig::csConfigChanged);
    sync(&NoxFinancial::col, &UIFinancialConfig::colConfigChanged);
    sync(&NoxFinancial::sixain, &UIFinancialConfig::sixtConfigChanged);
    sync(&NoxFinancial::douz, &UIFinancialConfig::douzConfigChanged);
    sync(&NoxFinancial::trans, &UIFinancialConfig::transConfigChanged);
    sync(&NoxFinancial::perso, &UIFinancialConfig::persoConfigChanged);
}
