#pragma once

#include <QStringList>
#include <QVariantMap>

#include <initializer_list>
#include <utility>

namespace Nox {

/// Implemented by methods that have a details view.
///
/// details() lists the records in the order the view shows them. A record is one of:
/// - a named value: the keys "name" and "value" (detailValue());
/// - a table row: its cells under their column names, and under "columns" the column names in
///   the order they are shown (detailRow()); the rows of one table repeat the same columns, so
///   they are never merged into one map;
/// - anything else: several named values at once, one per key, shown in key order.
class NoxMethodDetailsInterface
{
public:
    virtual ~NoxMethodDetailsInterface() = default;
    [[nodiscard]] virtual QList<QVariantMap> details() const = 0;

    static inline const QString kName = QStringLiteral("name");
    static inline const QString kValue = QStringLiteral("value");
    static inline const QString kColumns = QStringLiteral("columns");

    [[nodiscard]] static QVariantMap detailValue(const QString &name, const QVariant &value)
    {
        return {{kName, name}, {kValue, value}};
    }
    [[nodiscard]] static QVariantMap detailRow(std::initializer_list<std::pair<QString, QVariant>> cells)
    {
        QVariantMap row;
        QStringList columns;
        for (const auto &[column, value] : cells) {
            columns << column;
            row.insert(column, value);
        }
        row.insert(kColumns, columns);
        return row;
    }
};

} // namespace Nox
