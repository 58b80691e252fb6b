#include "uinotificationmodel.h"

#include "engine/noxengine.h"
#include "iengineprovider.h"
#include "uilogging.h"

UINotificationModel::UINotificationModel(QObject *parent)
    : QObject(parent)
    , m_engine(IEngineProvider::engineFor(parent))
{
    onNotificationsChanged();
    if (m_engine) {
        connect(m_engine, &Nox::NoxEngine::notificationsChanged, this,
                &UINotificationModel::onNotificationsChanged);
    }
}

void UINotificationModel::onNotificationsChanged()
{
    const QList<NoxNotification> list = m_engine ? m_engine->notifications() : QList<NoxNotification>();
    qCDebug(lcUi).nospace() << "NOTIF CHANGED " << list.size();
    UINotification next;
    m_lastIndex = -1;
    for (qsizetype i = 0; i < list.size(); ++i) {
        if (!list.at(i).read) {
            next = UINotification(list.at(i));
            m_lastIndex = int(i);
            break;
        }
    }
    if (next != m_lastNotification) {
        m_lastNotification = next;
        emit lastNotificationChanged();
    }
}

void UINotificationModel::markLastNotificationRead()
{
    if (m_engine && m_lastIndex >= 0) {
        m_engine->setNotificationRead(m_lastIndex, true);
    }
}
