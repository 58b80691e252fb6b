#include "uifinancialconfig.h"

#include "uiinputrules.h"

#include "engine/noxengine.h"
#include "iengineprovider.h"

#include <algorithm>

using Nox::NoxFinancial;
using Nox::NoxGuards;
using Nox::NoxMethodeTypeConfig;
using Nox::NoxMethodType;

UIFinancialConfig::UIFinancialConfig(QObject *parent)
    : QObject(parent)
    , m_engine(IEngineProvider::engineFor(parent))
{
    if (m_engine) {
        m_financial = m_engine->financial();
        m_hasTableLimits = m_engine->isBaccaratMode();
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

// --- Session guards -----------------------------------------------------------------------------

qint64 UIFinancialConfig::smallestChip() const
{
    // At baccarat BANKER and PLAYER are staked with the cs chip and TIE with the plein chip; the
    // roulette's cheval and carré use the plein chip too.
    const QList<NoxMethodType> kinds =
        m_hasTableLimits
            ? QList<NoxMethodType>{NoxMethodType::cs, NoxMethodType::plein}
            : QList<NoxMethodType>{NoxMethodType::plein, NoxMethodType::cs,     NoxMethodType::col,
                                   NoxMethodType::douz,  NoxMethodType::sixain, NoxMethodType::trans};
    qint64 smallest = m_financial.config(kinds.first()).jeton;
    for (NoxMethodType kind : kinds) {
        smallest = std::min<qint64>(smallest, m_financial.config(kind).jeton);
    }
    return smallest;
}

void UIFinancialConfig::setGuardsError(const NoxGuards::Refusal &refusal)
{
    if (m_guardsError.message == refusal.message && m_guardsError.field == refusal.field) {
        return;
    }
    m_guardsError = refusal;
    emit guardsErrorChanged();
}

void UIFinancialConfig::clearGuardsError()
{
    setGuardsError({});
}

void UIFinancialConfig::notifyGuards(const NoxGuards &before, const NoxGuards &after)
{
    const auto notify = [&](auto NoxGuards::*field, void (UIFinancialConfig::*signal)()) {
        if (before.*field != after.*field) {
            emit(this->*signal)();
        }
    };
    notify(&NoxGuards::lossLimitStops, &UIFinancialConfig::lossLimitStopsChanged);
    notify(&NoxGuards::gainLimitStops, &UIFinancialConfig::gainLimitStopsChanged);
    notify(&NoxGuards::losingStreak, &UIFinancialConfig::losingStreakChanged);
    notify(&NoxGuards::stakedCoups, &UIFinancialConfig::stakedCoupsChanged);
    notify(&NoxGuards::sessionMinutes, &UIFinancialConfig::sessionMinutesChanged);
    notify(&NoxGuards::trailingTrigger, &UIFinancialConfig::trailingTriggerChanged);
    notify(&NoxGuards::trailingDrop, &UIFinancialConfig::trailingDropChanged);
    notify(&NoxGuards::maxStake, &UIFinancialConfig::maxStakeChanged);
    notify(&NoxGuards::maxStakeRule, &UIFinancialConfig::maxStakeRuleChanged);
    notify(&NoxGuards::tableLimitPlayer, &UIFinancialConfig::tableLimitPlayerChanged);
    notify(&NoxGuards::tableLimitBanker, &UIFinancialConfig::tableLimitBankerChanged);
    notify(&NoxGuards::tableLimitTie, &UIFinancialConfig::tableLimitTieChanged);
}

bool UIFinancialConfig::writeGuards(const NoxGuards &guards)
{
    const NoxGuards::Refusal why = guards.check(smallestChip());
    setGuardsError(why);
    if (!why.message.isEmpty()) {
        return false;
    }
    if (guards == m_financial.guards) {
        return true;
    }
    const NoxGuards before = m_financial.guards;
    m_financial.guards = guards;
    if (m_engine) {
        m_engine->setFinancialConfig(m_financial);
    }
    notifyGuards(before, guards);
    return true;
}

template<typename T>
bool UIFinancialConfig::writeGuard(T NoxGuards::*field, T value)
{
    NoxGuards guards = m_financial.guards;
    guards.*field = value;
    return writeGuards(guards);
}

void UIFinancialConfig::setLossLimitStops(bool value)
{
    writeGuard(&NoxGuards::lossLimitStops, value);
}

void UIFinancialConfig::setGainLimitStops(bool value)
{
    writeGuard(&NoxGuards::gainLimitStops, value);
}

void UIFinancialConfig::setLosingStreak(int value)
{
    writeGuard(&NoxGuards::losingStreak, value);
}

void UIFinancialConfig::setStakedCoups(int value)
{
    writeGuard(&NoxGuards::stakedCoups, value);
}

void UIFinancialConfig::setSessionMinutes(int value)
{
    writeGuard(&NoxGuards::sessionMinutes, value);
}

void UIFinancialConfig::setTrailingTrigger(int value)
{
    writeGuard(&NoxGuards::trailingTrigger, qint64(value));
}

void UIFinancialConfig::setTrailingDrop(int value)
{
    writeGuard(&NoxGuards::trailingDrop, qint64(value));
}

bool UIFinancialConfig::setTrailingStop(int trigger, int drop)
{
    NoxGuards guards = m_financial.guards;
    guards.trailingTrigger = trigger;
    guards.trailingDrop = drop;
    return writeGuards(guards);
}

void UIFinancialConfig::setMaxStake(int value)
{
    writeGuard(&NoxGuards::maxStake, qint64(value));
}

void UIFinancialConfig::setMaxStakeRule(StakeRule value)
{
    writeGuard(&NoxGuards::maxStakeRule, NoxGuards::StakeRule(value));
}

void UIFinancialConfig::setTableLimitPlayer(int value)
{
    writeGuard(&NoxGuards::tableLimitPlayer, qint64(value));
}

void UIFinancialConfig::setTableLimitBanker(int value)
{
    writeGuard(&NoxGuards::tableLimitBanker, qint64(value));
}

void UIFinancialConfig::setTableLimitTie(int value)
{
    writeGuard(&NoxGuards::tableLimitTie, qint64(value));
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
    if (!(m_financial.guards == financial.guards)) {
        // Set elsewhere (a profile, a restored session): a refusal of an earlier write no
        // longer says anything about what is shown.
        const NoxGuards before = m_financial.guards;
        m_financial.guards = financial.guards;
        setGuardsError({});
        notifyGuards(before, financial.guards);
    }
}
