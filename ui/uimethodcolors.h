#pragma once

#include <QColor>
#include <QList>

/// The colour of each method subtype (index = NoxMethodSubType value), as the lists show it.
inline QList<QColor> uiMethodColors()
{
    static const QList<QColor> colors = [] {
        QList<QColor> list;
        for (const char *name :
             {"#ffffff", "#73E875", "#90EBF9", "#FFF86D", "#FA8E03", "#DF4F4F", "#7F4CFF", "#FF9B18",
              "#FB4CD5", "#FF7979", "#D4FD62", "#C8102E", "#189ffe", "#ff4522"}) {
            list.append(QColor::fromString(QLatin1StringView(name)));
        }
        return list;
    }();
    return colors;
}
