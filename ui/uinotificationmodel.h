#pragma once

#include "uinotification.h"

#include <QObject>
#include <QtQml/qqmlregistration.h>

namespace Nox {
class NoxEngine;
}

/// The first unread engine notification (gain limit, loss limit), or an empty one.
class UINotificationModel : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("UINotificationModel is owned by the facade: read UIWrapper.notifications")
    Q_PROPERTY(UINotification lastNotification READ lastNotification NOTIFY lastNotificationChanged)

public:
    explicit UINotificationModel(QObject *parent = nullptr);

    [[nodiscard]] UINotification lastNotification() const { return m_lastNotification; }

    /// Marks the notification shown as `lastNotification` read in the engine, so that the next
    /// unread one (if any) becomes current.
    Q_INVOKABLE void markLastNotificationRead();

signals:
    void lastNotificationChanged();

public slots:
    void onNotificationsChanged();

private:
    Nox::NoxEngine *m_engine = nullptr;
    UINotification m_lastNotification;
    int m_lastIndex = -1; ///< index of m_lastNotification in the engine's list, -1 for none
};
