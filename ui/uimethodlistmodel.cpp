#include "uimethodlistmodel.h"

#include "core/noxmethod.h"
#include "core/noxmethoddetailsinterface.h"
#include "core/noxmethodmetrics.h"
#include "core/noxmethodparameterinterface.h"
#include "core/noxmethodstate.h"
#include "engine/noxengine.h"
#include "iengineprovider.h"
#include "methods/methodpattern.h"
#include "uilogging.h"
#include "uimethodcolors.h"

#include <QCoreApplication>
#include <QEvent>

using Nox::NoxMethodState;

namespace {

/// The gaps (the open one included) that fall within the state's short-term window, oldest
/// first: walking back from the newest, a gap of g takes g + 1 results of the window.
QList<int> shortTermGaps(const NoxMethodState *state)
{
    const QList<int> gaps = state->gapList(true);
    const int window = state->shortTermWindow();
    int used = 0;
    qsizetype first = gaps.size();
    while (first > 0 && used + gaps.at(first - 1) + 1 <= window) {
        used += gaps.at(first - 1) + 1;
        --first;
    }
    return gaps.mid(first);
}

} // namespace

UIMethodListModel::UIMethodListModel(QObject *parent)
    : QAbstractListModel(parent)
    , m_engine(IEngineProvider::engineFor(parent))
    , m_colors(uiMethodColors())
{
    loadStates();
    if (m_engine) {
        connect(m_engine, &Nox::NoxEngine::methodStatesChanged, this,
                &UIMethodListModel::onMethodsChangedAsync, Qt::DirectConnection);
        // The engine raises methodStateChanged() from its setters on the caller's thread and from
        // parameter changes on its task thread: an automatic connection keeps the model's
        // signals on the GUI thread in both cases.
        connect(m_engine, &Nox::NoxEngine::methodStateChanged, this, &UIMethodListModel::methodChanged);
    }
    connect(this, &UIMethodListModel::methodsChangedInternal, this, &UIMethodListModel::methodsChanged,
            Qt::QueuedConnection);
    if (QCoreApplication::instance()) {
        QCoreApplication::instance()->installEventFilter(this);
    }
}

UIMethodListModel::~UIMethodListModel()
{
    if (QCoreApplication::instance()) {
        QCoreApplication::instance()->removeEventFilter(this);
    }
}

QList<NoxMethodState *> UIMethodListModel::engineStates() const
{
    QList<NoxMethodState *> states;
    if (!m_engine) {
        return states;
    }
    const QList<NoxMethodState *> all = m_engine->methodStates();
    states.reserve(all.size());
    for (NoxMethodState *s : all) {
        if (s->method()->subtype() != Nox::NoxMethodSubType::none) {
            states.append(s);
        }
    }
    return states;
}

void UIMethodListModel::loadStates()
{
    m_states = engineStates();
}

int UIMethodListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_states.size());
}

NoxMethodState *UIMethodListModel::stateAt(int row) const
{
    return row >= 0 && row < m_states.size() ? m_states.at(row) : nullptr;
}

int UIMethodListModel::playTypeMask(const NoxMethodState *state)
{
    int mask = state->playModeFlags() & 7;
    // The quick list shows the ranked methods; one that plays in Quick mode without a rank
    // (the tie, switched on from its own section) is not among its tiles.
    if (state->method()->quickModeRank() < 0) {
        mask &= ~int(Nox::NoxMethodState::QuickList);
    }
    if (state->inBlock()) {
        mask |= 8;
        if (state->inDominantBlock()) {
            mask |= 16;
        }
    }
    return mask;
}

int UIMethodListModel::methodFlags(const NoxMethodState *state)
{
    const Nox::NoxMethod *method = state->method();
    int flags = 0;
    if (state->inBlock()) {
        flags |= InBloc;
    }
    if (state->inDominantBlock()) {
        flags |= InBlocDom;
    }
    const bool useNotif = state->useNotif();
    if (useNotif) {
        flags |= UseNotif;
        // The gap has reached the player's notification threshold.
        if (state->ecart() >= state->ecartNotif()) {
            flags |= Highlighted;
        }
    }
    if (dynamic_cast<const Nox::NoxMethodParameterInterface *>(method)) {
        flags |= HasParameters;
    }
    const double tendency = state->tendanceValue();
    if (tendency == tendency && tendency > 0) { // NaN: no tendency yet
        flags |= Positive;
    }
    if (dynamic_cast<const Nox::NoxMethodDetailsInterface *>(method)) {
        flags |= HasDetails;
    }
    if (state->useCustomBlock()) {
        flags |= UseCustomBlock;
    }
    if (state->isActive()) {
        flags |= Focus;
    }
    if (dynamic_cast<const Nox::MethodPattern *>(method)) {
        flags |= HasPattern;
    }
    if (state->playModeFlags() & NoxMethodState::SplitView) {
        flags |= SplitVisible;
    }
    return flags;
}

int UIMethodListModel::detectionFlags(const NoxMethodState *state)
{
    const int enabled = state->signalMask();
    int flags = 0;
    if (enabled & NoxMethodState::SignalEcartMax) {
        const int max = state->ecartMax();
        if (max > 0 && state->ecart() >= max) {
            flags |= SignalEcartMax;
        }
    }
    if (enabled & NoxMethodState::SignalTendanceBack) {
        switch (state->chartTendance().first) {
        case 4:
            flags |= SignalTendanceUp;
            break;
        case 3:
            flags |= SignalTendanceInter;
            break;
        case 2:
            flags |= SignalTendanceLow;
            break;
        default:
            break;
        }
    }
    if ((enabled & NoxMethodState::CompteurME) && state->counterSignal()) {
        flags |= SignalCompteurME;
    }
    if (enabled & NoxMethodState::SignalDouble0) {
        if (state->doubleSignal()) {
            flags |= SignalDouble0;
        }
        if (state->doubleConfirmedSignal()) {
            flags |= SignalDouble0Confirme;
        }
    }
    if (enabled & NoxMethodState::SignalScores) {
        if (state->ratioSignalFlag()) {
            flags |= SignalScoreRatio;
        }
        if (state->tendencySignalFlag()) {
            flags |= SignalScoreTendance;
        }
    }
    if (enabled & NoxMethodState::SignalBlocks) {
        static constexpr int kBlockBits[] = {0, SignalBlocks1, SignalBlocks2, SignalBlocks3};
        const int level = state->blocksSignalLevel();
        if (level >= 1 && level <= 3) {
            flags |= kBlockBits[level];
        }
    }
    if (enabled & NoxMethodState::SignalBlocDominantConfirme) {
        static constexpr int kDomBits[] = {0, SignalBlocDominantConfirme1, SignalBlocDominantConfirme2,
                                           SignalBlocDominantConfirme3};
        const int level = state->dominantConfirmationLevel();
        if (level >= 1 && level <= 3) {
            flags |= kDomBits[level];
        }
    }
    return flags;
}

QVariant UIMethodListModel::data(const QModelIndex &index, int role) const
{
    const NoxMethodState *state =
        index.isValid() && !index.parent().isValid() ? stateAt(index.row()) : nullptr;
    if (!state) {
        return QString();
    }
    const Nox::NoxMethod *method = state->method();
    switch (role) {
    case NameRole:
        return QCoreApplication::translate("Methods", method->name().toUtf8().constData());
    case ContextRole:
        return method->label();
    case ColorRole: {
        const int subtype = int(method->subtype());
        return subtype >= 0 && subtype < m_colors.size() ? m_colors.at(subtype) : QColor();
    }
    case ScoreRole:
        return int(Nox::NoxMethodMetrics(*state).score());
    case EcartRole:
        return state->ecart();
    case EcartMaxRole:
        return state->ecartMax();
    case ActiveRole:
        return state->isActive();
    case TendanceRole:
        return int(state->tendance());
    case MethodIdRole:
        return method->index();
    case MethodVisibleRole:
        return (state->playModeFlags() & NoxMethodState::NormalList) != 0;
    case HasParametersRole:
        return dynamic_cast<const Nox::NoxMethodParameterInterface *>(method) != nullptr;
    case EcartNotifRole:
        return state->ecartNotif();
    case EcartMoyenRole:
        return state->ecartMoyen();
    case WinsRole:
        return state->nbWins();
    case FlagsRole:
        return methodFlags(state);
    case CustomBlockMinRole:
        return state->customBlockMin();
    case CustomBlockMaxRole:
        return state->customBlockMax();
    case NbBlockDomRole:
        return state->nbBlockDom();
    case TendancePercentRole:
        return state->tendancePercent();
    case NbTendanceUpRole: {
        const QList<Nox::NoxTendance> levels = state->gapTendances();
        return int(std::count(levels.cbegin(), levels.cend(), Nox::NoxTendance::up));
    }
    case ShortTermEcartsRole:
        return QVariant::fromValue(shortTermGaps(state));
    case ShortTermTendancesRole: {
        const qsizetype count = shortTermGaps(state).size();
        const QList<Nox::NoxTendance> levels = state->gapTendances();
        QList<int> out;
        for (qsizetype i = std::max<qsizetype>(0, levels.size() - count); i < levels.size(); ++i) {
            out.append(int(levels.at(i)));
        }
        return QVariant::fromValue(out);
    }
    case PatternRole: {
        const auto *pattern = dynamic_cast<const Nox::MethodPattern *>(method);
        return pattern ? pattern->patternText() : QString();
    }
    case BlockMinRole:
        return state->blockMin();
    case BlockMaxRole:
        return state->blockMax();
    case DetectionFlagsRole:
        return detectionFlags(state);
    case ChartTendanceRole:
        return state->chartTendance().first;
    case ChartTendanceCountRole:
        return state->chartTendance().second;
    case CompteurMERole:
        return state->compteurMECount();
    default:
        return QVariant();
    }
}

QHash<int, QByteArray> UIMethodListModel::roleNames() const
{
    return {{NameRole, "name"},
            {ContextRole, "context"},
            {ColorRole, "color"},
            {ScoreRole, "score"},
            {EcartRole, "ecart"},
            {EcartMaxRole, "ecartMax"},
            {ActiveRole, "active"},
            {TendanceRole, "tendance"},
            {MethodIdRole, "methodId"},
            {MethodVisibleRole, "methodVisible"},
            {HasParametersRole, "hasParameters"},
            {EcartNotifRole, "ecartNotif"},
            {EcartMoyenRole, "ecartMoyen"},
            {WinsRole, "wins"},
            {FlagsRole, "flags"},
            {CustomBlockMinRole, "customBlockMin"},
            {CustomBlockMaxRole, "customBlockMax"},
            {NbBlockDomRole, "nbBlockDom"},
            {TendancePercentRole, "tendancePercent"},
            {NbTendanceUpRole, "nbTendanceUp"},
            {ShortTermEcartsRole, "shortTermEcarts"},
            {ShortTermTendancesRole, "shortTermTendances"},
            {PatternRole, "pattern"},
            {BlockMinRole, "blockMin"},
            {BlockMaxRole, "blockMax"},
            {DetectionFlagsRole, "detectionFlags"},
            {ChartTendanceRole, "chartTendance"},
            {ChartTendanceCountRole, "chartTendanceCount"},
            {CompteurMERole, "compteurME"}};
}

void UIMethodListModel::onMethodsChangedAsync()
{
    if (!m_refreshPending.exchange(true)) {
        emit methodsChangedInternal();
    }
}

bool UIMethodListModel::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::LanguageChange && watched == QCoreApplication::instance()) {
        onMethodsChangedAsync();
    }
    return QAbstractListModel::eventFilter(watched, event);
}

void UIMethodListModel::methodsChanged()
{
    qCDebug(lcUiModels) << "CHANGED";
    m_refreshPending.store(false);
    // The rows are compared by state, not by count: a reloaded catalogue of the same size
    // holds new states, and the old pointers must not be read again.
    QList<NoxMethodState *> states = engineStates();
    if (states != m_states) {
        beginResetModel();
        m_states = std::move(states);
        emit beforeDataChanged();
        endResetModel();
        return;
    }
    notifyAllRowsChanged();
}

void UIMethodListModel::notifyAllRowsChanged()
{
    emit beforeDataChanged();
    if (!m_states.isEmpty()) {
        emit dataChanged(index(0), index(int(m_states.size()) - 1), {});
    }
}

void UIMethodListModel::methodChanged(int methodId)
{
    if (m_refreshPending.load()) {
        return;
    }
    qCDebug(lcUiModels).nospace() << "CHANGED " << methodId;
    for (int row = 0; row < m_states.size(); ++row) {
        if (m_states.at(row)->method()->index() == methodId) {
            emit beforeDataChanged();
            emit dataChanged(index(row), index(row), {});
            return;
        }
    }
}
