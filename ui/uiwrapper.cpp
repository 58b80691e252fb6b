#include "uiwrapper.h"

#include "autobet/noxbetplacement.h"
#include "calibration/icalibration.h"
#include "core/noxhistoryreader.h"
#include "core/noxitem.h"
#include "core/noxmethod.h"
#include "core/noxmethoddetailsinterface.h"
#include "core/noxmethodparameterinterface.h"
#include "core/noxmethodstate.h"
#include "engine/noxengine.h"
#include "iengineprovider.h"
#include "input/noxinput.h"
#include "methods/noxnumberlistparser.h"
#include "uiappsettings.h"
#include "uibet.h"
#include "uicalibrationmodel.h"
#include "uidisplaysession.h"
#include "uiengineconfig.h"
#include "uifilteredmethodlistmodel.h"
#include "uifinancialconfig.h"
#include "uihistoryimport.h"
#include "uilogging.h"
#include "uimethodchartmodel.h"
#include "uimethodcolors.h"
#include "uimethodlistmodel.h"
#include "uinotificationmodel.h"
#include "uiplayedlistmodel.h"
#include "uiriskestimate.h"
#include "uiroads.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFileInfo>
#include <QFutureWatcher>
#include <QMetaEnum>
#include <QQmlApplicationEngine>
#include <QQmlEngine>
#include <QQmlPropertyMap>
#include <QQuickWindow>
#include <QRegularExpression>
#include <QSettings>
#include <QTranslator>
#include <QUrl>

using Nox::NoxBetItemID;
using Nox::NoxEngine;
using Nox::NoxMethodState;
using Nox::NoxMethodSubType;
using Nox::NoxMethodType;

namespace {

const QString kValue = QStringLiteral("value");
const QString kFlags = QStringLiteral("flags");
const QString kBet = QStringLiteral("bet");
const QString kName = QStringLiteral("name");
const QString kRows = QStringLiteral("rows");

/// One cell of a row of the details dialog.
QVariantMap detailCell(const QString &name, const QVariant &value)
{
    return {{kName, name}, {kValue, value}};
}

/// Play-type bits of the method lists.
constexpr int kNormalList = NoxMethodState::NormalList;
constexpr int kQuickList = NoxMethodState::QuickList;
constexpr int kSplitView = NoxMethodState::SplitView;

/// Colour groups with one subtype, as the settings screens name them.
const QList<QPair<QString, NoxMethodSubType>> &colourGroups()
{
    static const QList<QPair<QString, NoxMethodSubType>> groups = {
        {QStringLiteral("white"), NoxMethodSubType::whiteplein0},
        {QStringLiteral("green"), NoxMethodSubType::green1},
        {QStringLiteral("aqua"), NoxMethodSubType::aqua2},
        {QStringLiteral("darkOrange"), NoxMethodSubType::orangecol7},
        {QStringLiteral("yellow"), NoxMethodSubType::yellow3},
        {QStringLiteral("purple"), NoxMethodSubType::purpleperso4},
        {QStringLiteral("orange"), NoxMethodSubType::orange5},
        {QStringLiteral("pink"), NoxMethodSubType::pinksixt9},
        {QStringLiteral("hotPink"), NoxMethodSubType::pinkdouz8},
        {QStringLiteral("lightGreen"), NoxMethodSubType::greentrans10},
        {QStringLiteral("blue"), NoxMethodSubType::bluecs6},
        {QStringLiteral("red"), NoxMethodSubType::red11}};
    return groups;
}

/// The six bet kinds of the progression maps, with their keys.
const QList<QPair<QString, NoxMethodType>> &montanteKinds()
{
    static const QList<QPair<QString, NoxMethodType>> kinds = {
        {QStringLiteral("plein"), NoxMethodType::plein}, {QStringLiteral("cs"), NoxMethodType::cs},
        {QStringLiteral("col"), NoxMethodType::col},     {QStringLiteral("sixain"), NoxMethodType::sixain},
        {QStringLiteral("douz"), NoxMethodType::douz},   {QStringLiteral("trans"), NoxMethodType::trans}};
    return kinds;
}

QVariantMap parameterToMap(const Nox::NoxMethodParameter &p)
{
    using T = Nox::NoxValue::Type;
    QVariantMap map;
    map.insert(kName, p.name);
    switch (p.value.type()) {
    case T::Int:
        map.insert(QStringLiteral("type"), QStringLiteral("int"));
        break;
    case T::Double:
        map.insert(QStringLiteral("type"), QStringLiteral("double"));
        break;
    case T::Bool:
        map.insert(QStringLiteral("type"), QStringLiteral("bool"));
        break;
    case T::String:
        map.insert(QStringLiteral("type"), QStringLiteral("string"));
        break;
    case T::None:
        return {};
    }
    map.insert(kValue, p.value.toVariant());
    if (p.value.type() == T::Int || p.value.type() == T::Double) {
        if (p.minimum.type() == p.value.type()) {
            map.insert(QStringLiteral("minimum"), p.minimum.toVariant());
        }
        if (p.maximum.type() == p.value.type()) {
            map.insert(QStringLiteral("maximum"), p.maximum.toVariant());
        }
        map.insert(QStringLiteral("precision"), p.precision);
    }
    return map;
}

QList<QVariant> parametersToList(const Nox::NoxMethodParameterList &parameters)
{
    QList<QVariant> list;
    for (const Nox::NoxMethodParameter &p : parameters) {
        const QVariantMap map = parameterToMap(p);
        if (!map.isEmpty()) {
            list.append(map);
        }
    }
    return list;
}

/// A QML value as a parameter value: bool, the integer types as int, double, string; anything
/// else as no value.
Nox::NoxValue valueFromVariant(const QVariant &v)
{
    switch (v.typeId()) {
    case QMetaType::Bool:
        return Nox::NoxValue(v.toBool());
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
        return Nox::NoxValue(v.toInt());
    case QMetaType::Double:
        return Nox::NoxValue(v.toDouble());
    case QMetaType::QString:
        return Nox::NoxValue(v.toString());
    default:
        return {};
    }
}

Nox::NoxMethodParameterList parametersFromList(const QList<QVariant> &list)
{
    Nox::NoxMethodParameterList parameters;
    for (const QVariant &entry : list) {
        const QVariantMap map = entry.toMap();
        parameters.append(
            Nox::NoxMethodParameter::named(map.value(kName).toString(), valueFromVariant(map.value(kValue))));
    }
    return parameters;
}

/// A path from QML: a URL ("file:///...", "qrc:/...") or a local path.
QUrl urlFromPath(const QString &path)
{
    const QUrl url(path);
    return url.scheme().size() > 1 ? url : QUrl::fromLocalFile(path);
}

} // namespace

UIWrapper::UIWrapper(QObject *parent)
    : QObject(parent)
    , m_engine(IEngineProvider::engineFor(parent))
    , m_waylandSession(UIDisplaySession::isWayland(QProcessEnvironment::systemEnvironment()))
{
    // Children find the engine through their parent chain, which ends at this object's root.
    m_calibration = new UICalibrationModel(m_engine ? m_engine->calibration() : nullptr, this);
    m_engineConfig = new UIEngineConfig(this);
    m_financial = new UIFinancialConfig(this);
    m_notifications = new UINotificationModel(this);
    m_methodList = new UIMethodListModel(this);

    m_filteredMethodList = new UIFilteredMethodListModel(m_methodList, this);
    m_filteredMethodList->setObjectName(QStringLiteral("filteredMethodList"));
    m_filteredMethodList->setVisibleFilterEnabled(kNormalList);

    m_userMethods = new UIFilteredMethodListModel(m_methodList, this);
    m_userMethods->setObjectName(QStringLiteral("userMethods"));
    m_userMethods->setSubTypeFilter(NoxMethodSubType::purpleperso4);

    m_sortedMethodList = new UIFilteredMethodListModel(m_methodList, this);
    m_sortedMethodList->setObjectName(QStringLiteral("sortedMethodList"));
    m_sortedMethodList->setSortType(Default);

    m_quickMethods = new UIFilteredMethodListModel(m_methodList, this);
    m_quickMethods->setObjectName(QStringLiteral("quickMethods"));
    m_quickMethods->setVisibleFilterEnabled(kQuickList);

    m_splitMethods = new UIFilteredMethodListModel(m_methodList, this);
    m_splitMethods->setObjectName(QStringLiteral("splitMethods"));
    m_splitMethods->setVisibleFilterEnabled(kSplitView);
    m_splitMethods->setSortType(Default);

    buildKeypad();
    m_playedItems = new UIPlayedListModel(this);
    m_roads = new UIRoads(m_engine, this);
    m_risk = new UIRiskEstimate(m_engine, this);
    // The steps follow the settings they depend on (not the capital of every coup: the table
    // takes it when the settings page asks again).
    for (auto changed :
         {&UIFinancialConfig::capitalOrigineChanged, &UIFinancialConfig::stopLossChanged,
          &UIFinancialConfig::pleinConfigChanged, &UIFinancialConfig::csConfigChanged,
          &UIFinancialConfig::colConfigChanged, &UIFinancialConfig::douzConfigChanged,
          &UIFinancialConfig::sixtConfigChanged, &UIFinancialConfig::transConfigChanged,
          &UIFinancialConfig::maxStakeChanged, &UIFinancialConfig::tableLimitPlayerChanged,
          &UIFinancialConfig::tableLimitBankerChanged, &UIFinancialConfig::tableLimitTieChanged}) {
        connect(m_financial, changed, m_risk, &UIRiskEstimate::refreshSteps);
    }
    connect(this, &UIWrapper::currentMontantesChanged, m_risk, &UIRiskEstimate::refreshSteps);
    m_historyImport = new UIHistoryImport(m_engine, this);
    connect(m_historyImport, &UIHistoryImport::messageChanged, this, &UIWrapper::importMessageChanged);

    m_engineConfig->refresh();
    m_financial->refresh();

    if (m_engine) {
        connect(m_engine, &NoxEngine::playedValuesChanged, this, &UIWrapper::onPlayedItemsChanged);
        connect(m_engine, &NoxEngine::itemsToPlayChanged, this, &UIWrapper::onItemsToPlayChangedAsync,
                Qt::DirectConnection);
        connect(m_engine, &NoxEngine::methodStatesChanged, this, &UIWrapper::onMethodStatesChangedAsync,
                Qt::DirectConnection);
        connect(m_engine, &NoxEngine::methodStateChanged, this, &UIWrapper::onMethodStatesChangedAsync,
                Qt::DirectConnection);
        // A result refused at the limits only adds a notification: the keypad says why.
        connect(m_engine, &NoxEngine::notificationsChanged, this, &UIWrapper::refreshPlayRefusal,
                Qt::QueuedConnection);
    }
    connect(this, &UIWrapper::itemsToPlayChangedInternal, this, &UIWrapper::onItemsToPlayChanged,
            Qt::QueuedConnection);
    connect(this, &UIWrapper::methodStatesChangedInternal, this, &UIWrapper::onMethodStatesChanged,
            Qt::QueuedConnection);

    applyQuickListConfig();
    applySignalFilters();
    connect(m_engineConfig, &UIEngineConfig::smartQuickModeChanged, this, &UIWrapper::applyQuickListConfig);
    connect(m_engineConfig, &UIEngineConfig::smartQuickModeIsolateChanged, this,
            &UIWrapper::applyQuickListConfig);
    connect(m_engineConfig, &UIEngineConfig::signalBlocksChanged, this, &UIWrapper::applySignalFilters);
    connect(m_engineConfig, &UIEngineConfig::signalBlocDominantConfirmeChanged, this,
            &UIWrapper::applySignalFilters);
    connect(m_engineConfig, &UIEngineConfig::signalTendanceBackChanged, this, &UIWrapper::applySignalFilters);
    connect(m_filteredMethodList, &UIFilteredMethodListModel::sortTypeChanged, this,
            [this](NoxMethodSortType type) {
                if (m_engine) {
                    m_engine->setAutoSortType(int(type));
                }
            });
}

UIWrapper::~UIWrapper()
{
    delete m_placement;
    m_placement = nullptr;
    if (m_translator) {
        QCoreApplication::removeTranslator(m_translator);
        delete m_translator;
    }
}

void UIWrapper::applyQuickListConfig()
{
    m_quickMethods->setSortType(m_engineConfig->smartQuickMode() ? QuickModeSmart : QuickMode);
    m_quickMethods->setActiveIsolateEnabled(m_engineConfig->smartQuickModeIsolate());
}

void UIWrapper::applySignalFilters()
{
    // -1: the signal is off and its filter button disabled; 0: on, nothing filtered yet.
    m_filteredMethodList->setSignalBlocksFilter(m_engineConfig->signalBlocks() ? 0 : -1);
    m_filteredMethodList->setSignalBlocDominantConfirmeFilter(
        m_engineConfig->signalBlocDominantConfirme() ? 0 : -1);
    m_filteredMethodList->setSignalTendanceFilter(m_engineConfig->signalTendanceBack() ? 0 : -1);
}

void UIWrapper::buildKeypad()
{
    const auto add = [this](int id, bool withColor) {
        auto *entry = new QQmlPropertyMap(this);
        entry->insert(kValue, id);
        entry->insert(kFlags, 0);
        entry->insert(kBet, 0);
        if (withColor) {
            const Nox::NoxItem item = Nox::NoxItem::fromValue(id);
            entry->insert(QStringLiteral("color"), int(item.color()));
            entry->insert(QStringLiteral("colorName"), item.colorName());
        }
        entry->freeze();
        m_keypad.insert(QString::number(id), QVariant::fromValue<QObject *>(entry));
    };
    if (!m_engine || m_engine->isBaccaratMode()) {
        for (NoxBetItemID id : {NoxBetItemID::B_TIE, NoxBetItemID::B_PLAYER, NoxBetItemID::B_BANKER}) {
            add(int(id), false);
        }
        return;
    }
    for (int n = 0; n <= 36; ++n) {
        add(n, true);
    }
    const QList<QPair<int, int>> ranges = {{1000, 1005}, {700, 702}, {600, 610}, {200, 211}, {800, 802}};
    for (const auto &[first, last] : ranges) {
        for (int id = first; id <= last; ++id) {
            add(id, false);
        }
    }
}

void UIWrapper::setKeypad(const QVariantMap &keypad)
{
    if (m_keypad != keypad) {
        m_keypad = keypad;
        emit keypadChanged(m_keypad);
    }
}

void UIWrapper::syncMethodRows()
{
    // The engine has already deleted the states it removed: take the rows again now, before
    // anything on the GUI thread can read a row of a deleted state.
    m_methodList->methodsChanged();
}

void UIWrapper::setCalibration(UICalibrationModel *calibration)
{
    if (m_calibration != calibration) {
        m_calibration = calibration;
        emit calibrationChanged();
    }
}

void UIWrapper::setPlayedItems(UIPlayedListModel *model)
{
    if (m_playedItems != model) {
        m_playedItems = model;
        emit playedItemsChanged(m_playedItems);
    }
}

// --- Notifications ------------------------------------------------------------------------------

void UIWrapper::onItemsToPlayChangedAsync()
{
    if (!m_itemsToPlayPending.exchange(true)) {
        emit itemsToPlayChangedInternal();
    }
}

void UIWrapper::onMethodStatesChangedAsync()
{
    if (!m_methodStatesPending.exchange(true)) {
        emit methodStatesChangedInternal();
    }
}

void UIWrapper::onItemsToPlayChanged()
{
    qCDebug(lcUi) << "UIWrapper::onItemsToPlayChanged()";
    m_itemsToPlayPending.store(false);
    m_engineConfig->refresh();

    const Nox::NoxBetList bets = m_engine ? m_engine->itemsToPlay() : Nox::NoxBetList();
    QList<int> listed;
    listed.reserve(bets.size());
    QHash<int, const Nox::NoxBet *> byId;
    for (const Nox::NoxBet &bet : bets) {
        const int id = int(bet.id);
        if (!byId.contains(id)) {
            listed.append(id);
            byId.insert(id, &bet);
        }
    }
    bool keypadChangedNow = false;
    const auto update = [&](int id) {
        const QString key = QString::number(id);
        auto *entry = qobject_cast<QQmlPropertyMap *>(m_keypad.value(key).value<QObject *>());
        if (!entry) {
            return;
        }
        const Nox::NoxBet *bet = byId.value(id);
        const int flags = bet ? (bet->flags | UIBet::Marked) : 0;
        const int stake = bet ? bet->bet : 0;
        bool changed = false;
        if (entry->value(kFlags).toInt() != flags) {
            entry->insert(kFlags, flags);
            changed = true;
        }
        if (entry->value(kBet).toInt() != stake) {
            entry->insert(kBet, stake);
            changed = true;
        }
        keypadChangedNow = keypadChangedNow || changed;
    };
    for (int id : std::as_const(listed)) {
        update(id);
    }
    for (int id : std::as_const(m_marked)) {
        if (!byId.contains(id)) {
            update(id);
        }
    }
    m_marked = listed;
    ++m_test;
    refreshPlayRefusal();
    if (keypadChangedNow) {
        emit keypadChanged(m_keypad);
    }
    onPlayedItemsChanged();
}

void UIWrapper::refreshPlayRefusal()
{
    const QString refusal = m_engine ? m_engine->playRefusal() : QString();
    if (refusal != m_playRefusal) {
        m_playRefusal = refusal;
        emit playRefusalChanged();
    }
}

void UIWrapper::onPlayedItemsChanged()
{
    qCDebug(lcUi) << "UIWrapper::onPlayedItemsChanged()";
    if (!m_engine) {
        return;
    }
    const bool baccarat = m_engine->isBaccaratMode();
    m_summary.played = int(m_engine->playedValues().size());
    m_summary.jeton = 0;
    m_summary.toPlay = 0;
    for (int id : std::as_const(m_marked)) {
        if (!baccarat && id > 36) {
            continue;
        }
        if (!baccarat) {
            ++m_summary.toPlay;
        }
        if (m_summary.jeton == 0) {
            auto *entry =
                qobject_cast<QQmlPropertyMap *>(m_keypad.value(QString::number(id)).value<QObject *>());
            const int stake = entry ? entry->value(kBet).toInt() : 0;
            if (stake > 0) {
                m_summary.jeton = stake;
            }
        }
    }
    m_financial->refresh();
    const Nox::NoxFinancial financial = m_engine->financial();
    m_summary.mise = financial.mise;
    m_summary.sansMise = financial.capital - financial.capitalOrigine;
    m_summary.profit = financial.capital - financial.capitalOrigine - financial.mise;
    m_summary.suspended = m_engine->isSuspended();
    m_summary.guardStop = m_engine->guardStop();

    const Nox::NoxFinancialStats stats = m_engine->financialStats();
    emit summaryChanged(summary());
    emit financialStatsChanged(financialStats());
    emit financialBetListChanged(stats.betList);
    emit financialProfitListChanged(financialProfitList());
    emit currentMontanteDetailsChanged();
}

void UIWrapper::onMethodStatesChanged()
{
    qCDebug(lcUi) << "UIWrapper::onMethodStatesChanged()";
    m_methodStatesPending.store(false);
    emit methodConfigChanged(methodConfig());
}

// --- Properties ---------------------------------------------------------------------------------

QList<NoxMethodState *> UIWrapper::findMethods(const QString &color) const
{
    QList<NoxMethodState *> found;
    if (!m_engine) {
        return found;
    }
    const QList<NoxMethodState *> states = m_engine->methodStates();
    const auto select = [&](auto pred) {
        for (NoxMethodState *s : states) {
            if (s->method()->subtype() != NoxMethodSubType::none && pred(s)) {
                found.append(s);
            }
        }
    };
    if (color == u"allEcartNotif") {
        select([](const NoxMethodState *s) { return s->useNotif(); });
        return found;
    }
    if (color == u"allUseCustomBlock") {
        select([](const NoxMethodState *s) { return s->useCustomBlock(); });
        return found;
    }
    for (const auto &[name, subtype] : colourGroups()) {
        if (color == name) {
            select(
                [subtype = subtype](const NoxMethodState *s) { return s->method()->subtype() == subtype; });
            return found;
        }
    }
    // "all" and any other name: every method with a subtype.
    select([](const NoxMethodState *) { return true; });
    return found;
}

QVariant UIWrapper::methodConfig() const
{
    QVariantMap config;
    const QList<NoxMethodState *> all = findMethods(QStringLiteral("all"));
    const auto visible = [](const NoxMethodState *s) {
        return (s->playModeFlags() & kNormalList) != 0;
    };
    for (const auto &[name, subtype] : colourGroups()) {
        bool allVisible = true;
        for (const NoxMethodState *s : all) {
            if (s->method()->subtype() == subtype && !visible(s)) {
                allVisible = false;
                break;
            }
        }
        config.insert(QStringLiteral("all") + name.at(0).toUpper() + name.mid(1), allVisible);
    }
    config.insert(QStringLiteral("all"), std::all_of(all.cbegin(), all.cend(), visible));
    config.insert(
        QStringLiteral("allEcartNotif"),
        std::all_of(all.cbegin(), all.cend(), [](const NoxMethodState *s) { return s->useNotif(); }));
    config.insert(
        QStringLiteral("allUseCustomBlock"),
        std::all_of(all.cbegin(), all.cend(), [](const NoxMethodState *s) { return s->useCustomBlock(); }));
    const QString profile = m_engine ? m_engine->profileName() : QString();
    config.insert(QStringLiteral("profile"),
                  profile.isEmpty() ? QString() : QFileInfo(profile).fileName().section(u'.', 0, 0));
    const Nox::NoxEngineConfig engineConfig = m_engine ? m_engine->config() : Nox::NoxEngineConfig();
    config.insert(QStringLiteral("shortTermCount"), engineConfig.shortTermCount);
    config.insert(QStringLiteral("truncateCount"), engineConfig.truncateCount);
    return config;
}

QQuickWindow *UIWrapper::mainWindow() const
{
    auto *engine = qobject_cast<QQmlApplicationEngine *>(qmlEngine(this));
    if (!engine || engine->rootObjects().isEmpty()) {
        return nullptr;
    }
    return qobject_cast<QQuickWindow *>(engine->rootObjects().constFirst());
}

QVariant UIWrapper::financialStats() const
{
    const Nox::NoxFinancialStats stats = m_engine ? m_engine->financialStats() : Nox::NoxFinancialStats();
    return QVariantMap{{QStringLiteral("betLossCount"), stats.betLossCount},
                       {QStringLiteral("betWinCount"), stats.betWinCount},
                       {QStringLiteral("betTotal"), stats.betTotal},
                       {QStringLiteral("betMax"), stats.betMax},
                       {QStringLiteral("profitMax"), stats.profitMax},
                       {QStringLiteral("profitMin"), stats.profitMin},
                       {QStringLiteral("profit"), stats.profit}};
}

QList<int> UIWrapper::financialProfitList() const
{
    // The engine keeps profits in 64 bits; every profit lies within the money guard, which
    // fits an int of hundredths.
    QList<int> profits;
    if (m_engine) {
        const QList<qint64> values = m_engine->financialStats().profitList;
        profits.reserve(values.size());
        for (const qint64 v : values) {
            profits.append(int(v));
        }
    }
    return profits;
}

QList<int> UIWrapper::financialBetList() const
{
    return m_engine ? m_engine->financialStats().betList : QList<int>();
}

QString UIWrapper::montanteDisplayName(int montanteId, const QString &name) const
{
    if (m_engine && m_engine->userMontanteIds().contains(montanteId)) {
        return name;
    }
    return QCoreApplication::translate("Montantes", name.toUtf8().constData());
}

QVariantMap UIWrapper::currentMontantes() const
{
    QVariantMap map;
    for (const auto &[key, type] : montanteKinds()) {
        QString display;
        if (m_engine) {
            const QString current = m_engine->currentMontanteName(type);
            for (const auto &[id, name] : m_engine->montanteList(type)) {
                if (!current.isEmpty() && name == current) {
                    display = montanteDisplayName(id, name);
                    break;
                }
            }
        }
        map.insert(key, display);
    }
    return map;
}

QVariantMap UIWrapper::montantes() const
{
    QVariantMap map;
    for (const auto &[key, type] : montanteKinds()) {
        QStringList names;
        if (m_engine) {
            for (const auto &[id, name] : m_engine->montanteList(type)) {
                names.append(montanteDisplayName(id, name));
            }
        }
        map.insert(key, names);
    }
    return map;
}

QList<QColor> UIWrapper::methodColors() const
{
    return uiMethodColors();
}

QString UIWrapper::language() const
{
    // Without a translation the screens show the French they are written in, whatever the
    // QML engine's uiLanguage says (it follows the system locale, "en" for a C locale).
    return m_language.isEmpty() ? QStringLiteral("fr") : m_language;
}

QVariantMap UIWrapper::currentMontanteDetails() const
{
    QVariantMap map;
    if (!m_engine) {
        return map;
    }
    const QString current = m_engine->currentMontanteName(NoxMethodType::plein);
    if (current.isEmpty()) {
        return map;
    }
    for (const auto &[id, name] : m_engine->montanteList(NoxMethodType::plein)) {
        if (name == current) {
            map.insert(kName, montanteDisplayName(id, name));
            break;
        }
    }
    for (const Nox::NoxMethodParameter &p : m_engine->currentMontanteDetails()) {
        if (!p.value.isNone()) {
            map.insert(p.name, p.value.toVariant());
        }
    }
    return map;
}

// --- Operations ---------------------------------------------------------------------------------

void UIWrapper::play(int value)
{
    if (m_engine && value >= 0 && value <= 36) {
        m_engine->playValueInternal(value, true);
    }
}

void UIWrapper::unplay()
{
    if (m_engine) {
        m_engine->cancelPlay();
    }
}

void UIWrapper::restart()
{
    if (m_engine) {
        m_engine->restart(true, true);
    }
}

void UIWrapper::suspend()
{
    if (m_engine) {
        m_engine->setSuspended(true);
    }
}

void UIWrapper::resume()
{
    if (m_engine) {
        m_engine->setSuspended(false);
    }
}

void UIWrapper::resetFinancial()
{
    if (m_engine) {
        m_engine->restart(true, false);
    }
}

void UIWrapper::resetFinancialStats()
{
    if (m_engine) {
        m_engine->resetFinancialStats();
    }
}

void UIWrapper::resetMontante()
{
    if (m_engine) {
        m_engine->resetMontante();
    }
}

void UIWrapper::truncatePlayedItems(int toKeep)
{
    if (!m_engine) {
        return;
    }
    m_engine->truncatePlayedItems(toKeep < 0 ? m_engine->config().truncateCount : toKeep);
}

void UIWrapper::newShoe()
{
    m_roads->newShoe();
}

void UIWrapper::setMethodActive(int id, bool active)
{
    if (m_engine) {
        m_engine->setMethodActive(id, active);
    }
}

void UIWrapper::setMethodVisible(int id, bool visible)
{
    if (m_engine) {
        m_engine->setMethodPlayMode(id, kNormalList, visible);
    }
}

void UIWrapper::setMethodSplitVisible(int id, bool visible)
{
    if (m_engine) {
        m_engine->setMethodPlayMode(id, kSplitView, visible);
    }
}

void UIWrapper::setMethodsVisible(const QString &color, bool visible)
{
    for (NoxMethodState *s : findMethods(color)) {
        m_engine->setMethodPlayMode(s->method()->index(), kNormalList, visible);
    }
    qCDebug(lcUi) << "UIWrapper::onMethodStatesChanged()";
    m_methodStatesPending.store(false);
    emit methodConfigChanged(methodConfig());
}

void UIWrapper::setMethodConfigValue(int id, const QString &key, const QVariant &value)
{
    if (!m_engine) {
        return;
    }
    if (key == u"useNotif") {
        m_engine->setMethodUseNotif(id, value.toBool());
    } else if (key == u"ecartNotif") {
        m_engine->setMethodEcartNotif(id, value.toInt());
    } else if (key == u"customBlockMin") {
        m_engine->setMethodCustomBlockMin(id, value.toInt());
    } else if (key == u"customBlockMax") {
        m_engine->setMethodCustomBlockMax(id, value.toInt());
    } else if (key == u"useCustomBlock") {
        m_engine->setMethodUseCustomBlock(id, value.toBool());
    } else if (key == u"nbBlockDom") {
        m_engine->setMethodNbBlockDom(id, value.toInt());
    }
}

void UIWrapper::setMethodsConfigValue(const QString &color, const QString &key, const QVariant &value)
{
    for (NoxMethodState *s : findMethods(color)) {
        setMethodConfigValue(s->method()->index(), key, value);
    }
}

void UIWrapper::setCurrentMontante(const QString &type, const QString &name)
{
    bool ok = false;
    const int kind = QMetaEnum::fromType<NoxMethodType>().keyToValue(type.toLatin1().constData(), &ok);
    if (!ok || !m_engine) {
        return;
    }
    bool selected = false;
    for (const auto &[id, stored] : m_engine->montanteList(NoxMethodType(kind))) {
        if (montanteDisplayName(id, stored) == name) {
            selected = m_engine->selectMontanteById(NoxMethodType(kind), id) || selected;
        }
    }
    if (selected) {
        // The selectors and the dashboard bind to these: tell them the selection moved.
        emit currentMontantesChanged();
        emit currentMontanteDetailsChanged();
    }
}

bool UIWrapper::loadProfile(const QString &path)
{
    if (!m_engine) {
        return false;
    }
    QString why;
    const bool ok = m_engine->loadProfile(urlFromPath(path), &why);
    setFileMessage(ok ? QString() : tr("Le profil n'a pas pu être chargé : %1.").arg(why));
    return ok;
}

bool UIWrapper::saveProfile(const QString &path)
{
    if (!m_engine) {
        return false;
    }
    QString why;
    const bool ok = m_engine->saveProfile(urlFromPath(path), &why);
    setFileMessage(ok ? QString() : tr("Le profil n'a pas pu être enregistré : %1.").arg(why));
    return ok;
}

void UIWrapper::setLanguage(const QString &code)
{
    auto *translator = new QTranslator;
    if (!translator->load(QStringLiteral(":/qt/qml/NoxRouletteUi/i18n/qml_") + code +
                          QStringLiteral(".qm"))) {
        delete translator;
        return;
    }
    QTranslator *previous = m_translator;
    if (previous) {
        QCoreApplication::removeTranslator(previous);
    }
    QCoreApplication::installTranslator(translator);
    m_translator = translator;
    const bool changed = m_language != code;
    m_language = code;
    if (QQmlEngine *engine = qmlEngine(this)) {
        engine->setUiLanguage(code);
        // The open pages keep their texts until their translated bindings are evaluated again;
        // an application engine does this only for translations of its own folder.
        engine->retranslate();
    }
    // Written by the application's settings within a second, without a disk write here; a
    // facade without them (the tests) writes at once.
    if (UIAppSettings *app = UIAppSettings::instance()) {
        app->setValue(QStringLiteral("language"), code);
        qCDebug(lcUi).nospace() << "UI SETTINGS " << app->fileName();
    } else {
        QSettings settings;
        settings.setValue(QStringLiteral("language"), code);
        qCDebug(lcUi).nospace() << "UI SETTINGS " << settings.fileName();
    }
    delete previous;
    if (changed) {
        emit languageChanged();
    }
}

void UIWrapper::removeUserMethod(int id)
{
    if (m_engine) {
        m_engine->removeUserMethod(id);
        syncMethodRows();
    }
}

void UIWrapper::removeAllUserMethods()
{
    if (m_engine) {
        m_engine->removeAllUserMethods();
        syncMethodRows();
    }
}

void UIWrapper::upsertUserMethod(int id, const QVariant &model)
{
    if (!m_engine) {
        return;
    }
    const QVariantMap map = model.toMap();
    QList<int> numbers;
    for (const QVariant &n : map.value(QStringLiteral("nums")).toList()) {
        numbers.append(n.toInt());
    }
    m_engine->upsertUserMethod(id, map.value(kName).toString(), numbers);
    syncMethodRows();
}

bool UIWrapper::importUserMethods(const QString &path)
{
    if (!m_engine) {
        return false;
    }
    Nox::NoxNumberListReading reading;
    const int added = m_engine->loadUserMethods(urlFromPath(path), false, true, &reading);
    syncMethodRows();
    if (added < 0) {
        setFileMessage(tr("Le fichier de méthodes n'a pas pu être lu."));
        return false;
    }
    QString message;
    if (reading.refused == 0) {
        message = tr("Méthodes importées : %1. Lignes refusées : 0.").arg(added);
    } else {
        QStringList numbers;
        for (int line : std::as_const(reading.firstRefusedLines)) {
            numbers.append(QString::number(line));
        }
        QString lines = numbers.size() == 1 ? tr("ligne %1").arg(numbers.first())
                                            : tr("lignes %1").arg(numbers.join(QStringLiteral(", ")));
        if (reading.refused > reading.firstRefusedLines.size()) {
            lines = tr("%1 et suivantes").arg(lines);
        }
        message = tr("Méthodes importées : %1. Lignes refusées : %2 (%3).")
                      .arg(added)
                      .arg(reading.refused)
                      .arg(lines);
    }
    setFileMessage(message);
    return added > 0;
}

void UIWrapper::setEngineConfigValue(const QString &name, const QVariant &value)
{
    if (!m_engine) {
        return;
    }
    Nox::NoxEngineConfig config = m_engine->config();
    if (name == u"shortTermCount") {
        config.shortTermCount = value.toInt();
    } else if (name == u"truncateCount") {
        config.truncateCount = value.toInt();
    }
    m_engine->setConfig(config);
}

bool UIWrapper::saveMontanteLibrary()
{
    // Without a store the library lives in memory only (tests, tools).
    if (!m_engine->hasPersistence()) {
        setFileMessage({});
        return true;
    }
    QString why;
    const bool ok = m_engine->saveMontanteLibrary({}, &why);
    setFileMessage(ok ? QString() : tr("Les montantes n'ont pas pu être enregistrées : %1.").arg(why));
    return ok;
}

bool UIWrapper::importMontanteLibrary(const QString &path)
{
    if (!m_engine) {
        return false;
    }
    const qsizetype before = m_engine->userMontanteIds().size();
    QString why;
    if (!m_engine->loadMontanteLibrary(urlFromPath(path), false, &why)) {
        setFileMessage(tr("Les montantes n'ont pas pu être importées : %1.").arg(why));
        return false;
    }
    emit montantesChanged();
    emit currentMontantesChanged();
    if (!saveMontanteLibrary()) {
        return false;
    }
    setFileMessage(tr("Montantes importées : %1.").arg(m_engine->userMontanteIds().size() - before));
    return true;
}

bool UIWrapper::removeUserMontante(int id)
{
    bool saved = true;
    if (m_engine && m_engine->removeUserMontante(id)) {
        saved = saveMontanteLibrary();
    }
    emit montantesChanged();
    return saved;
}

bool UIWrapper::upsertUserMontante(int id, const QVariant &model)
{
    if (!m_engine) {
        return false;
    }
    const QVariantMap map = model.toMap();
    Nox::NoxMethodParameterList parameters;
    for (auto it = map.cbegin(); it != map.cend(); ++it) {
        parameters.append(Nox::NoxMethodParameter::named(it.key(), valueFromVariant(it.value())));
    }
    m_engine->upsertUserMontante(id, parameters);
    const bool saved = saveMontanteLibrary();
    emit montantesChanged();
    return saved;
}

void UIWrapper::loadTestMethods()
{
    if (m_engine) {
        m_engine->loadUserMethods({}, true, false);
        syncMethodRows();
    }
}

QList<QVariant> UIWrapper::getUserMontantes() const
{
    QList<QVariant> list;
    if (!m_engine) {
        return list;
    }
    const QList<int> ids = m_engine->userMontanteIds();
    for (const auto &[id, name] : m_engine->montanteList(NoxMethodType::plein)) {
        if (ids.contains(id)) {
            list.append(QVariantMap{{kName, name}, {QStringLiteral("montanteId"), id}});
        }
    }
    return list;
}

QVariant UIWrapper::getUserMethod(int id) const
{
    const NoxMethodState *state = m_engine ? m_engine->methodState(id) : nullptr;
    if (!state) {
        return {};
    }
    std::lock_guard lock(state->method()->mutex());
    // The bet items, as upsertUserMethod() takes them back.
    QVariantList itemIds;
    for (Nox::NoxBetItemID item : state->method()->itemsToPlay()) {
        itemIds.append(int(item));
    }
    return QVariantMap{{kName, state->method()->name()}, {QStringLiteral("nums"), itemIds}};
}

QVariant UIWrapper::getUserMontante(int id) const
{
    QVariantMap map;
    if (m_engine) {
        for (const Nox::NoxMethodParameter &p : m_engine->montanteParameters(id)) {
            if (!p.value.isNone()) {
                map.insert(p.name, p.value.toVariant());
            }
        }
    }
    map.insert(QStringLiteral("montanteId"), id);
    return map;
}

int UIWrapper::getMethodId(const QString &name) const
{
    if (!m_engine) {
        return -1;
    }
    for (const NoxMethodState *s : m_engine->methodStates()) {
        if (s->method()->name() == name) {
            return s->method()->index();
        }
    }
    return -1;
}

QList<QVariant> UIWrapper::getMethodParameters(int id) const
{
    const NoxMethodState *state = m_engine ? m_engine->methodState(id) : nullptr;
    const auto *iface =
        state ? dynamic_cast<const Nox::NoxMethodParameterInterface *>(state->method()) : nullptr;
    if (!iface) {
        return {};
    }
    std::lock_guard lock(state->method()->mutex());
    return parametersToList(iface->parameters());
}

void UIWrapper::setMethodParameters(int id, const QList<QVariant> &parameters)
{
    if (m_engine) {
        m_engine->setMethodParameters(id, parametersFromList(parameters));
    }
}

UIMethodChartModel *UIWrapper::getMethodChart(int id, bool splitView)
{
    auto *chart = new UIMethodChartModel(id, splitView, nullptr, m_engine);
    QQmlEngine::setObjectOwnership(chart, QQmlEngine::JavaScriptOwnership);
    return chart;
}

QString UIWrapper::getPlayedItemsString() const
{
    if (!m_engine) {
        return {};
    }
    const bool baccarat = m_engine->isBaccaratMode();
    QString text;
    for (int v : m_engine->playedValues()) {
        if (baccarat) {
            text += v == 0   ? QStringLiteral("T")
                    : v == 1 ? QStringLiteral("P")
                    : v == 2 ? QStringLiteral("B")
                             : QString();
        } else {
            text += QString::number(v);
        }
        text += u'\n';
    }
    return text;
}

QList<int> UIWrapper::parsePlayedItems(const QString &text, bool baccarat)
{
    QByteArray bytes = text.toUtf8();
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    Nox::NoxHistoryReader::Options options;
    options.baccarat = baccarat;
    options.tooLong = Nox::NoxHistoryReader::TooLongLines::Skip;
    Nox::NoxHistoryReader reader(&buffer, options);
    QList<int> values;
    reader.readAll([&values](int v) { values.append(v); }, [] {});
    return values;
}

void UIWrapper::addPlayedItemsString(const QString &text, const QJSValue &callback)
{
    if (m_historyImport) {
        m_historyImport->importText(text, callback);
    }
}

void UIWrapper::addPlayedItemsFile(const QString &pathOrUrl, const QJSValue &callback)
{
    if (m_historyImport) {
        m_historyImport->importFile(pathOrUrl, callback);
    }
}

QString UIWrapper::importMessage() const
{
    return m_historyImport ? m_historyImport->message() : QString();
}

QVariantMap UIWrapper::getMethodDetails(int id) const
{
    using Details = Nox::NoxMethodDetailsInterface;
    QVariantMap map;
    const NoxMethodState *state = m_engine ? m_engine->methodState(id) : nullptr;
    if (!state) {
        return map;
    }
    QVariantList rows;
    const auto addValue = [&map, &rows](const QString &name, const QVariant &value) {
        map.insert(name, value);
        rows.append(QVariant(QVariantList{detailCell(name, value)}));
    };
    if (const auto *details = dynamic_cast<const Details *>(state->method())) {
        std::lock_guard lock(state->method()->mutex());
        for (const QVariantMap &entry : details->details()) {
            if (entry.contains(Details::kColumns)) {
                // A table row: its columns repeat from row to row, so it is kept whole, in order.
                QVariantList cells;
                for (const QString &column : entry.value(Details::kColumns).toStringList()) {
                    cells.append(detailCell(column, entry.value(column)));
                }
                rows.append(QVariant(cells));
            } else if (entry.contains(Details::kName) && entry.contains(Details::kValue)) {
                addValue(entry.value(Details::kName).toString(), entry.value(Details::kValue));
            } else {
                for (auto it = entry.cbegin(); it != entry.cend(); ++it) {
                    addValue(it.key(), it.value());
                }
            }
        }
    }
    const QList<int> gaps = state->gapList(false);
    addValue(QStringLiteral("active"), state->isActive());
    addValue(QStringLiteral("ecart"), state->ecart());
    addValue(QStringLiteral("ecartMax"), state->ecartMax());
    addValue(QStringLiteral("ecartMoyen"), state->ecartMoyen());
    addValue(QStringLiteral("lastEcart"), gaps.isEmpty() ? 0 : gaps.constLast());
    addValue(QStringLiteral("nbWins"), state->nbWins());
    map.insert(kRows, rows);
    return map;
}

QList<QVariant> UIWrapper::getMontanteParameters(int id) const
{
    return m_engine ? parametersToList(m_engine->montanteParameters(id)) : QList<QVariant>();
}

void UIWrapper::setMontanteParameters(int id, const QList<QVariant> &parameters)
{
    if (m_engine) {
        m_engine->upsertUserMontante(id, parametersFromList(parameters));
    }
}

void UIWrapper::setBetInput(Nox::NoxInput *input)
{
    if (input == m_betInput) {
        return;
    }
    m_betInput = input;
    // The placement clicks through the input it was made with: the next bet makes a new one.
    delete m_placement;
    m_placement = nullptr;
}

Nox::NoxBetPlacement *UIWrapper::placement()
{
    if (!m_placement && m_engine) {
        m_placement = new Nox::NoxBetPlacement(m_engine->calibration(), m_betInput, this);
    }
    return m_placement;
}

void UIWrapper::setFileMessage(const QString &message)
{
    if (message != m_fileMessage) {
        m_fileMessage = message;
        emit fileMessageChanged();
    }
}

void UIWrapper::setBetError(const QString &error)
{
    if (error != m_betError) {
        m_betError = error;
        emit betErrorChanged();
    }
}

bool UIWrapper::bet()
{
    if (!m_engine) {
        return false;
    }
    if (!clicksReachTable()) {
        setBetError(tr("Session Wayland : les clics de la mise automatique n'atteignent que les programmes "
                       "lancés sous XWayland, pas un navigateur lancé en Wayland. Ouvrez une session X11, "
                       "ou lancez le navigateur sous XWayland (Firefox : MOZ_ENABLE_WAYLAND=0, Chrome : "
                       "--ozone-platform=x11), puis confirmez-le dans Paramètres, Calibration."));
        return false;
    }
    if (!m_betInput) {
        setBetError(tr("La mise automatique n'est pas disponible : la souris ne peut pas être commandée."));
        return false;
    }
    // A session guard stopped the betting: nothing is placed until the player resumes.
    if (const QString stop = m_engine->guardStop(); !stop.isEmpty()) {
        setBetError(stop);
        return false;
    }
    const Nox::NoxBetResult result = placement()->place(m_engine->computeBets(-1, false));
    // A bet stopped by Control ran, but the table may hold only part of it: its reason says
    // what is there, and the player must see it.
    const bool ranToTheEnd = result.ok && !result.interrupted;
    setBetError(ranToTheEnd ? QString() : result.reason);
    return result.ok;
}

void UIWrapper::setXwaylandConfirmed(bool confirmed)
{
    if (m_xwaylandConfirmed == confirmed) {
        return;
    }
    m_xwaylandConfirmed = confirmed;
    emit xwaylandConfirmedChanged();
}

QVariantMap UIWrapper::previewBet()
{
    if (!m_engine) {
        return {};
    }
    // Planning clicks nothing: it needs no input.
    const Nox::NoxBetPlan plan = placement()->preview(m_engine->computeBets(-1, false));
    QVariantList clicks;
    const QMetaEnum items = QMetaEnum::fromType<NoxBetItemID>();
    for (const Nox::NoxPlannedClick &click : plan.clicks) {
        clicks.append(
            QVariantMap{{QStringLiteral("itemId"), int(click.itemId)},
                        {QStringLiteral("name"), QString::fromLatin1(items.valueToKey(int(click.itemId)))},
                        {QStringLiteral("chip"), int(click.chip)},
                        {QStringLiteral("chipValue"), click.chipValue},
                        {QStringLiteral("x"), click.point.x()},
                        {QStringLiteral("y"), click.point.y()},
                        {QStringLiteral("pause"), click.pause}});
    }
    return {{QStringLiteral("ok"), plan.ok},
            {QStringLiteral("reason"), plan.reason},
            {QStringLiteral("suspended"), plan.suspended},
            {QStringLiteral("total"), plan.total},
            {QStringLiteral("clicks"), clicks}};
}
