#pragma once

#include "core/noxnotification.h"

#include <QObject>
#include <QtQml/qqmlregistration.h>

/// One engine notification as QML reads it. `type` holds a NoxNotification::NoxNotificationType
/// value (0 for the empty notification).
class UINotification
{
    Q_GADGET
    QML_VALUE_TYPE(notification)
    Q_PROPERTY(int type MEMBER type)
    Q_PROPERTY(QString title MEMBER title)
    Q_PROPERTY(QString content MEMBER content)
    Q_PROPERTY(bool read MEMBER read)

public:
    UINotification() = default;
    explicit UINotification(const NoxNotification &n)
        : type(n.type)
        , title(n.title)
        , content(n.content)
        , read(n.read)
    {}

    int type = 0;
    QString title;
    QString content;
    bool read = false;

    friend bool operator==(const UINotification &, const UINotification &) = default;
};
