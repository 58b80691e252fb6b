#pragma once

#include "core/noxenums.h"
#include "core/noxmethodsorttype.h"

#include <QRegularExpression>
#include <QSet>
#include <QSortFilterProxyModel>
#include <QtQml/qqmlregistration.h>

#include <map>
#include <memory>

namespace Nox {
class NoxMethodFilter;
class NoxMethodState;
} // namespace Nox

class UIMethodListModel;

/// One view of the method list: filters by visibility list, type, subtype, name, identifier,
/// active state and detection signals; sorts by one of the sort types; and, with
/// activeIsolateEnabled, keeps every active method at its place while the others move around
/// it (the quick list, where the player's finger is on an active method).
///
/// Writing `sortRole` selects a sort type (NoxMethodSortType); reading it gives the Qt sort
/// role the proxy sorts by (257 name, 259 score, 264 identifier).
///
/// Thread rules: GUI thread only, like its source model.
class UIFilteredMethodListModel : public QSortFilterProxyModel
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE(
        "UIFilteredMethodListModel views are owned by the facade: read UIWrapper.filteredMethodList, "
        "quickMethods, splitMethods, sortedMethodList or userMethods")
    Q_PROPERTY(Nox::NoxMethodSubType subTypeFilter READ subTypeFilter WRITE setSubTypeFilter NOTIFY
                   subTypeFilterChanged)
    Q_PROPERTY(Nox::NoxMethodType typeFilter READ typeFilter WRITE setTypeFilter NOTIFY typeFilterChanged)
    Q_PROPERTY(int typeFilterInt READ typeFilterInt WRITE setTypeFilterInt NOTIFY typeFilterChanged)
    Q_PROPERTY(QVariantList sortRoles READ sortRoles CONSTANT)
    Q_PROPERTY(bool activeFilterEnabled READ activeFilterEnabled WRITE setActiveFilterEnabled NOTIFY
                   activeFilterEnabledChanged)
    Q_PROPERTY(int visibleFilterEnabled READ visibleFilterEnabled WRITE setVisibleFilterEnabled NOTIFY
                   visibleFilterEnabledChanged)
    Q_PROPERTY(int sortRole READ sortRole WRITE setSortType NOTIFY sortTypeChanged)
    Q_PROPERTY(int sortType READ sortType NOTIFY sortTypeChanged)
    Q_PROPERTY(QString nameFilter READ nameFilter WRITE setNameFilter NOTIFY nameFilterChanged)
    Q_PROPERTY(int signalBlocksFilter READ signalBlocksFilter WRITE setSignalBlocksFilter NOTIFY
                   signalBlocksFilterChanged)
    Q_PROPERTY(int signalBlocDominantConfirmeFilter READ signalBlocDominantConfirmeFilter WRITE
                   setSignalBlocDominantConfirmeFilter NOTIFY signalBlocDominantConfirmeFilterChanged)
    Q_PROPERTY(int signalTendanceFilter READ signalTendanceFilter WRITE setSignalTendanceFilter NOTIFY
                   signalTendanceFilterChanged)
    Q_PROPERTY(
        int maxSignalBlocks READ maxSignalBlocks WRITE setMaxSignalBlocks NOTIFY maxSignalBlocksChanged)
    Q_PROPERTY(int maxSignalBlocDominantConfirme READ maxSignalBlocDominantConfirme WRITE
                   setMaxSignalBlocDominantConfirme NOTIFY maxSignalBlocDominantConfirmeChanged)
    Q_PROPERTY(bool activeIsolateEnabled READ activeIsolateEnabled WRITE setActiveIsolateEnabled NOTIFY
                   activeIsolateEnabledChanged)

public:
    explicit UIFilteredMethodListModel(UIMethodListModel *source = nullptr, QObject *parent = nullptr);
    ~UIFilteredMethodListModel() override;

    void setSourceModel(QAbstractItemModel *sourceModel) override;
    [[nodiscard]] QVariant data(const QModelIndex &index, int role) const override;

    [[nodiscard]] Nox::NoxMethodSubType subTypeFilter() const { return m_subTypeFilter; }
    void setSubTypeFilter(Nox::NoxMethodSubType subType);
    [[nodiscard]] Nox::NoxMethodType typeFilter() const { return m_typeFilter; }
    void setTypeFilter(Nox::NoxMethodType type);
    [[nodiscard]] int typeFilterInt() const { return int(m_typeFilter); }
    void setTypeFilterInt(int type) { setTypeFilter(Nox::NoxMethodType(type)); }
    [[nodiscard]] QVariantList sortRoles() const { return m_sortRoles; }
    [[nodiscard]] bool activeFilterEnabled() const { return m_activeFilterEnabled; }
    void setActiveFilterEnabled(bool enabled);
    [[nodiscard]] int visibleFilterEnabled() const { return m_visibleFilterEnabled; }
    void setVisibleFilterEnabled(int playTypes);
    /// Selects the sort type; the one already current changes nothing.
    void setSortType(int sortType);
    [[nodiscard]] int sortType() const { return m_sortType; }
    [[nodiscard]] QString nameFilter() const { return m_nameFilter; }
    void setNameFilter(const QString &filter);
    [[nodiscard]] int signalBlocksFilter() const { return m_signalBlocksFilter; }
    void setSignalBlocksFilter(int level);
    [[nodiscard]] int signalBlocDominantConfirmeFilter() const { return m_signalBlocDominantConfirmeFilter; }
    void setSignalBlocDominantConfirmeFilter(int level);
    [[nodiscard]] int signalTendanceFilter() const { return m_signalTendanceFilter; }
    void setSignalTendanceFilter(int mode);
    [[nodiscard]] int maxSignalBlocks() const { return m_maxSignalBlocks; }
    void setMaxSignalBlocks(int level);
    [[nodiscard]] int maxSignalBlocDominantConfirme() const { return m_maxSignalBlocDominantConfirme; }
    void setMaxSignalBlocDominantConfirme(int level);
    [[nodiscard]] bool activeIsolateEnabled() const { return m_activeIsolateEnabled; }
    void setActiveIsolateEnabled(bool enabled);

    /// Only these method identifiers pass (empty: no test).
    void setMethodIdFilter(const QSet<int> &ids);
    /// Basic filter: visibility, type, subtype, name, identifiers, active, sorter acceptance.
    [[nodiscard]] bool acceptsState(const Nox::NoxMethodState *state) const;
    /// The state shown at a proxy row (null outside).
    [[nodiscard]] Nox::NoxMethodState *stateAtRow(int row) const;

signals:
    void subTypeFilterChanged();
    void typeFilterChanged();
    void activeFilterEnabledChanged();
    void visibleFilterEnabledChanged();
    void nameFilterChanged();
    void signalBlocksFilterChanged();
    void signalBlocDominantConfirmeFilterChanged();
    void signalTendanceFilterChanged();
    void maxSignalBlocksChanged();
    void maxSignalBlocDominantConfirmeChanged();
    void activeIsolateEnabledChanged();
    void activeFilterMethodsChanged(QList<bool> methods);
    void sortTypeChanged(NoxMethodSortType sortType);

public slots:
    void updateListStats();
    void updateSortCache();

protected:
    [[nodiscard]] bool filterAcceptsRow(int sourceRow, const QModelIndex &sourceParent) const override;
    [[nodiscard]] bool lessThan(const QModelIndex &left, const QModelIndex &right) const override;

private:
    [[nodiscard]] UIMethodListModel *methodSource() const;
    [[nodiscard]] bool displayedBefore(int leftRow, int rightRow) const;
    void scheduleListStats();
    void refilter();

    std::map<int, std::unique_ptr<Nox::NoxMethodFilter>> m_sorters;
    Nox::NoxMethodFilter *m_sorter = nullptr;
    int m_sortType = -1;
    std::unique_ptr<Nox::NoxMethodFilter> m_activeFilter;
    QVariantList m_sortRoles;
    bool m_activeFilterEnabled = false;
    bool m_activeIsolateEnabled = false;
    int m_visibleFilterEnabled = 0;
    Nox::NoxMethodSubType m_subTypeFilter = Nox::NoxMethodSubType::none;
    Nox::NoxMethodType m_typeFilter = Nox::NoxMethodType::none;
    QString m_nameFilter;
    QRegularExpression m_nameExpression;
    QSet<int> m_methodIds;
    int m_signalBlocksFilter = -1;
    int m_signalBlocDominantConfirmeFilter = -1;
    int m_signalTendanceFilter = -1;
    int m_maxSignalBlocks = -1;
    int m_maxSignalBlocDominantConfirme = -1;
    QList<int> m_sortCache; ///< source rows in the isolated display order
    bool m_listStatsPending = false;
    QMetaObject::Connection m_beforeDataConnection;
};
