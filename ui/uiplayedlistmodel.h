#pragma once

#include <QAbstractListModel>
#include <QtQml/qqmlregistration.h>

namespace Nox {
class NoxEngine;
}

/// The coup history for the screens, newest first.
///
/// Thread rules: lives on the GUI thread. The rows are a copy of the engine's history taken in
/// the reset that follows every playedValuesChanged(), so the row count never changes outside
/// a reset even while the engine's task thread appends values.
class UIPlayedListModel : public QAbstractListModel
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("UIPlayedListModel is owned by the facade: read UIWrapper.playedItems")

public:
    enum Roles { ValueRole = Qt::UserRole + 1, ColorNameRole };
    Q_ENUM(Roles)

    explicit UIPlayedListModel(QObject *parent = nullptr);

    [[nodiscard]] int rowCount(const QModelIndex &parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex &index, int role) const override;
    [[nodiscard]] QHash<int, QByteArray> roleNames() const override;

public slots:
    /// Reloads the history from the engine as one model reset.
    void dataChanged();

private:
    Nox::NoxEngine *m_engine = nullptr;
    QList<int> m_values;
};
