#pragma once

#include <QtQml/qqmlregistration.h>
#include <QtQuick/QQuickItem>

/// An empty Qt Quick item registered for QML: it draws nothing and is used by the screens as a
/// neutral placeholder.
class TestItem : public QQuickItem
{
    Q_OBJECT
    QML_ELEMENT

public:
    explicit TestItem(QQuickItem *parent = nullptr)
        : QQuickItem(parent)
    {
    }
};
