#include "uiplayedlistmodel.h"

#include "core/noxitem.h"
#include "engine/noxengine.h"
#include "iengineprovider.h"

UIPlayedListModel::UIPlayedListModel(QObject *parent)
    : QAbstractListModel(parent)
    , m_engine(IEngineProvider::engineFor(parent))
{
    if (m_engine) {
        m_values = m_engine->playedValues();
        connect(m_engine, &Nox::NoxEngine::playedValuesChanged, this, &UIPlayedListModel::dataChanged);
    }
}

int UIPlayedListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_values.size());
}

QVariant UIPlayedListModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid)) {
        return {};
    }
    int value = m_values.at(m_values.size() - 1 - index.row());
    if (value < 0 || value > 36) {
        value = 0;
    }
    const Nox::NoxItem item = Nox::NoxItem::fromValue(value);
    switch (role) {
    case ValueRole:
        return item.value();
    case ColorNameRole:
        return item.colorName();
    default:
        return {};
    }
}

QHash<int, QByteArray> UIPlayedListModel::roleNames() const
{
    return {{ValueRole, "value"}, {ColorNameRole, "colorName"}};
}

void UIPlayedListModel::dataChanged()
{
    beginResetModel();
    m_values = m_engine ? m_engine->playedValues() : QList<int>();
    endResetModel();
}
