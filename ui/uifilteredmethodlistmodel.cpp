#include "uifilteredmethodlistmodel.h"

#include "core/noxmethod.h"
#include "core/noxmethodstate.h"
#include "methods/noxmethodfilterbyactive.h"
#include "methods/noxmethodsortbyscore.h"
#include "methods/noxmethodsortfactory.h"
#include "uilogging.h"
#include "uimethodlistmodel.h"

#include <algorithm>

using Nox::NoxMethodState;

namespace {

constexpr int kRoleName = UIMethodListModel::NameRole;
constexpr int kRoleScore = UIMethodListModel::ScoreRole;
constexpr int kRoleMethodId = UIMethodListModel::MethodIdRole;

/// The sort types the list's combo box offers, in its order.
constexpr int kOfferedSortTypes[] = {ScoreCt,      ScoreTendancePlus, ScoreFire,       ScoreTendanceOrange,
                                     EcartMoyenCT, HorsBloc,          ScoreMasseEgale, Name};

QString sortTypeLabel(int type)
{
    for (const auto &[label, value] : Nox::NoxMethodSortFactory::labels()) {
        if (value == type) {
            return label;
        }
    }
    return {};
}

/// Highest level (1 to 3) among three bits of a flags word, 0 for none.
int levelOf(int flags, int bit1, int bit2, int bit3)
{
    return (flags & bit3) ? 3 : (flags & bit2) ? 2 : (flags & bit1) ? 1 : 0;
}

} // namespace

UIFilteredMethodListModel::UIFilteredMethodListModel(UIMethodListModel *source, QObject *parent)
    : QSortFilterProxyModel(parent)
    , m_activeFilter(std::make_unique<Nox::NoxMethodFilterByActive>())
{
    for (int type = Name; type <= ScoreTendanceJaune; ++type) {
        if (auto sorter = Nox::NoxMethodSortFactory::create(type)) {
            m_sorters.emplace(type, std::move(sorter));
        }
    }
    for (int type : kOfferedSortTypes) {
        m_sortRoles.append(
            QVariantMap{{QStringLiteral("value"), type}, {QStringLiteral("text"), sortTypeLabel(type)}});
    }
    m_sorter = m_sorters.at(Score).get();
    m_sortType = Score;
    QSortFilterProxyModel::setSortRole(kRoleScore);
    setDynamicSortFilter(true);
    if (source) {
        setSourceModel(source);
    }
    sort(0, Qt::DescendingOrder);

    connect(this, &QAbstractItemModel::dataChanged, this, &UIFilteredMethodListModel::scheduleListStats);
    connect(this, &QAbstractItemModel::rowsInserted, this, &UIFilteredMethodListModel::scheduleListStats);
    connect(this, &QAbstractItemModel::rowsRemoved, this, &UIFilteredMethodListModel::scheduleListStats);
    connect(this, &QAbstractItemModel::modelReset, this, &UIFilteredMethodListModel::scheduleListStats);
    connect(this, &UIFilteredMethodListModel::activeFilterEnabledChanged, this,
            &UIFilteredMethodListModel::scheduleListStats);
}

UIFilteredMethodListModel::~UIFilteredMethodListModel() = default;

UIMethodListModel *UIFilteredMethodListModel::methodSource() const
{
    return qobject_cast<UIMethodListModel *>(sourceModel());
}

void UIFilteredMethodListModel::setSourceModel(QAbstractItemModel *model)
{
    disconnect(m_beforeDataConnection);
    QSortFilterProxyModel::setSourceModel(model);
    if (auto *source = methodSource()) {
        m_beforeDataConnection = connect(source, &UIMethodListModel::beforeDataChanged, this,
                                         &UIFilteredMethodListModel::updateSortCache, Qt::DirectConnection);
    }
}

NoxMethodState *UIFilteredMethodListModel::stateAtRow(int row) const
{
    UIMethodListModel *source = methodSource();
    if (!source || row < 0 || row >= rowCount()) {
        return nullptr;
    }
    return source->stateAt(mapToSource(index(row, 0)).row());
}

QVariant UIFilteredMethodListModel::data(const QModelIndex &idx, int role) const
{
    if (role == kRoleScore) {
        if (const auto *scorer = dynamic_cast<const Nox::NoxMethodSortByScore *>(m_sorter)) {
            UIMethodListModel *source = methodSource();
            const NoxMethodState *state =
                source && idx.isValid() ? source->stateAt(mapToSource(idx).row()) : nullptr;
            if (state) {
                return int(scorer->score(state));
            }
        }
    }
    return QSortFilterProxyModel::data(idx, role);
}

void UIFilteredMethodListModel::refilter()
{
    invalidateFilter();
}

void UIFilteredMethodListModel::setSubTypeFilter(Nox::NoxMethodSubType subType)
{
    if (m_subTypeFilter != subType) {
        m_subTypeFilter = subType;
        emit subTypeFilterChanged();
        refilter();
    }
}

void UIFilteredMethodListModel::setTypeFilter(Nox::NoxMethodType type)
{
    if (m_typeFilter != type) {
        m_typeFilter = type;
        emit typeFilterChanged();
        refilter();
    }
}

void UIFilteredMethodListModel::setActiveFilterEnabled(bool enabled)
{
    if (m_activeFilterEnabled != enabled) {
        m_activeFilterEnabled = enabled;
        emit activeFilterEnabledChanged();
        refilter();
    }
}

void UIFilteredMethodListModel::setVisibleFilterEnabled(int playTypes)
{
    if (m_visibleFilterEnabled != playTypes) {
        m_visibleFilterEnabled = playTypes;
        emit visibleFilterEnabledChanged();
        refilter();
    }
}

void UIFilteredMethodListModel::setNameFilter(const QString &filter)
{
    if (m_nameFilter == filter) {
        return;
    }
    m_nameFilter = filter;
    m_nameExpression = filter.startsWith(u'^') ? QRegularExpression(filter) : QRegularExpression();
    emit nameFilterChanged();
    refilter();
}

void UIFilteredMethodListModel::setSignalBlocksFilter(int level)
{
    if (m_signalBlocksFilter != level) {
        m_signalBlocksFilter = level;
        emit signalBlocksFilterChanged();
        refilter();
    }
}

void UIFilteredMethodListModel::setSignalBlocDominantConfirmeFilter(int level)
{
    if (m_signalBlocDominantConfirmeFilter != level) {
        m_signalBlocDominantConfirmeFilter = level;
        emit signalBlocDominantConfirmeFilterChanged();
        refilter();
    }
}

void UIFilteredMethodListModel::setSignalTendanceFilter(int mode)
{
    if (m_signalTendanceFilter != mode) {
        m_signalTendanceFilter = mode;
        emit signalTendanceFilterChanged();
        refilter();
    }
}

void UIFilteredMethodListModel::setMaxSignalBlocks(int level)
{
    if (m_maxSignalBlocks != level) {
        m_maxSignalBlocks = level;
        emit maxSignalBlocksChanged();
    }
}

void UIFilteredMethodListModel::setMaxSignalBlocDominantConfirme(int level)
{
    if (m_maxSignalBlocDominantConfirme != level) {
        m_maxSignalBlocDominantConfirme = level;
        emit maxSignalBlocDominantConfirmeChanged();
    }
}

void UIFilteredMethodListModel::setActiveIsolateEnabled(bool enabled)
{
    if (m_activeIsolateEnabled == enabled) {
        return;
    }
    m_activeIsolateEnabled = enabled;
    emit activeIsolateEnabledChanged();
    // Switched on, the isolated order starts from the current sorted order; switched off, the
    // sorter orders again. Either way the rows are sorted again at once.
    m_sortCache.clear();
    updateSortCache();
    invalidate();
}

void UIFilteredMethodListModel::setMethodIdFilter(const QSet<int> &ids)
{
    if (m_methodIds != ids) {
        m_methodIds = ids;
        refilter();
    }
}

void UIFilteredMethodListModel::setSortType(int type)
{
    const auto it = m_sorters.find(type);
    if (it == m_sorters.end() || it->second.get() == m_sorter) {
        return;
    }
    m_sorter = it->second.get();
    m_sortType = type;
    if (Nox::NoxMethodSortFactory::isScoreOrdering(type)) {
        if (UIMethodListModel *source = methodSource()) {
            source->notifyAllRowsChanged();
        }
        QSortFilterProxyModel::setSortRole(kRoleScore);
        sort(0, Qt::DescendingOrder);
    } else if (type == Default) {
        QSortFilterProxyModel::setSortRole(kRoleName);
        sort(0, Qt::DescendingOrder);
    } else {
        QSortFilterProxyModel::setSortRole(type == Index ? kRoleMethodId : kRoleName);
        sort(0, Qt::AscendingOrder);
    }
    // The sorter's acceptance test is part of the filter, and its comparison of the order.
    invalidate();
    emit sortTypeChanged(NoxMethodSortType(type));
}

bool UIFilteredMethodListModel::acceptsState(const NoxMethodState *state) const
{
    if (!state) {
        return false;
    }
    const Nox::NoxMethod *method = state->method();
    if (method->subtype() == Nox::NoxMethodSubType::none) {
        return false;
    }
    if (m_visibleFilterEnabled != 0 &&
        (UIMethodListModel::playTypeMask(state) & m_visibleFilterEnabled) == 0) {
        return false;
    }
    if (m_typeFilter != Nox::NoxMethodType::none && method->type() != m_typeFilter) {
        return false;
    }
    if (m_subTypeFilter != Nox::NoxMethodSubType::none && method->subtype() != m_subTypeFilter) {
        return false;
    }
    if (!m_nameFilter.isEmpty()) {
        if (m_nameExpression.pattern().isEmpty() ? !method->name().startsWith(m_nameFilter)
                                                 : !m_nameExpression.match(method->name()).hasMatch()) {
            return false;
        }
    }
    if (!m_methodIds.isEmpty() && !m_methodIds.contains(method->index())) {
        return false;
    }
    if (m_activeFilterEnabled && !m_activeFilter->accept(state)) {
        return false;
    }
    return !m_sorter || m_sorter->accept(state);
}

bool UIFilteredMethodListModel::filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const
{
    UIMethodListModel *source = methodSource();
    if (sourceParent.isValid() || !source) {
        return false;
    }
    const NoxMethodState *state = source->stateAt(sourceRow);
    if (!acceptsState(state)) {
        return false;
    }
    const bool blocks = m_signalBlocksFilter >= 1 && m_signalBlocksFilter <= 3;
    const bool doms = m_signalBlocDominantConfirmeFilter >= 1 && m_signalBlocDominantConfirmeFilter <= 3;
    const bool tendency = m_signalTendanceFilter == 1;
    if (!blocks && !doms && !tendency) {
        return true;
    }
    using M = UIMethodListModel;
    const int flags = M::detectionFlags(state);
    if (doms && levelOf(flags, M::SignalBlocDominantConfirme1, M::SignalBlocDominantConfirme2,
                        M::SignalBlocDominantConfirme3) < m_signalBlocDominantConfirmeFilter) {
        return false;
    }
    if (blocks &&
        levelOf(flags, M::SignalBlocks1, M::SignalBlocks2, M::SignalBlocks3) < m_signalBlocksFilter) {
        return false;
    }
    if (tendency && !(flags & (M::SignalTendanceUp | M::SignalTendanceInter | M::SignalTendanceLow |
                               M::SignalTendanceFire))) {
        return false;
    }
    return true;
}

bool UIFilteredMethodListModel::displayedBefore(int leftRow, int rightRow) const
{
    const qsizetype left = m_sortCache.indexOf(leftRow);
    const qsizetype right = m_sortCache.indexOf(rightRow);
    if (right < 0) {
        return false;
    }
    return left < right;
}

bool UIFilteredMethodListModel::lessThan(const QModelIndex &left, const QModelIndex &right) const
{
    if (m_activeIsolateEnabled) {
        // The cache holds the display order; a descending sort shows the greater rows first.
        return sortOrder() == Qt::AscendingOrder ? displayedBefore(left.row(), right.row())
                                                 : displayedBefore(right.row(), left.row());
    }
    UIMethodListModel *source = methodSource();
    if (!m_sorter || !source) {
        return left.row() < right.row();
    }
    return m_sorter->compare(source->stateAt(left.row()), source->stateAt(right.row())) < 0;
}

void UIFilteredMethodListModel::updateSortCache()
{
    qCDebug(lcUiModels).nospace() << "updateSortCache " << objectName();
    UIMethodListModel *source = methodSource();
    if (!m_activeIsolateEnabled || !source) {
        return;
    }
    m_activeIsolateEnabled = false;
    QList<int> rows;
    for (int row = 0; row < source->rowCount(); ++row) {
        if (acceptsState(source->stateAt(row))) {
            rows.append(row);
        }
    }
    if (m_sorter) {
        const bool descending = sortOrder() == Qt::DescendingOrder;
        std::stable_sort(rows.begin(), rows.end(), [&](int a, int b) {
            const int c = m_sorter->compare(source->stateAt(a), source->stateAt(b));
            return descending ? c > 0 : c < 0;
        });
    }
    // Active methods that moved go back to where they were; the others fill the places left.
    QList<QPair<int, int>> pinned; // previous position, row
    for (qsizetype pos = 0; pos < m_sortCache.size(); ++pos) {
        const int row = m_sortCache.at(pos);
        const NoxMethodState *state = source->stateAt(row);
        if (state && state->isActive() && rows.indexOf(row) != pos && rows.contains(row)) {
            pinned.append({int(pos), row});
        }
    }
    for (const auto &[pos, row] : std::as_const(pinned)) {
        rows.removeOne(row);
    }
    for (const auto &[pos, row] : std::as_const(pinned)) {
        rows.insert(std::min<qsizetype>(pos, rows.size()), row);
    }
    m_sortCache = rows;
    m_activeIsolateEnabled = true;
}

void UIFilteredMethodListModel::scheduleListStats()
{
    if (m_listStatsPending) {
        return;
    }
    m_listStatsPending = true;
    QMetaObject::invokeMethod(this, &UIFilteredMethodListModel::updateListStats, Qt::QueuedConnection);
}

void UIFilteredMethodListModel::updateListStats()
{
    m_listStatsPending = false;
    UIMethodListModel *source = methodSource();
    if ((m_signalBlocksFilter < 0 && m_signalBlocDominantConfirmeFilter < 0) || !source) {
        return;
    }
    using M = UIMethodListModel;
    int maxBlocks = 0;
    int maxDoms = 0;
    for (int row = 0; row < source->rowCount(); ++row) {
        const NoxMethodState *state = source->stateAt(row);
        if (!acceptsState(state)) {
            continue;
        }
        const int flags = M::detectionFlags(state);
        maxBlocks = std::max(maxBlocks, levelOf(flags, M::SignalBlocks1, M::SignalBlocks2, M::SignalBlocks3));
        maxDoms = std::max(maxDoms, levelOf(flags, M::SignalBlocDominantConfirme1,
                                            M::SignalBlocDominantConfirme2, M::SignalBlocDominantConfirme3));
    }
    setMaxSignalBlocks(maxBlocks);
    setMaxSignalBlocDominantConfirme(maxDoms);
}
