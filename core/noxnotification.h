#pragma once

#include <QList>
#include <QMetaType>
#include <QString>

/// One warning of the engine meant for the player (gain limit reached, loss limit near).
/// The presentation layer shows the first unread one.
struct NoxNotification {
    /// PlayLimit: a result refused at the limits of the engine; Restore: what a restore of an
    /// interrupted session could not give back; GuardStop: a session guard stopped the betting;
    /// Archive: the archive of the sessions was damaged or cannot be written.
    enum NoxNotificationType {
        GainLimit = 1,
        LossLimit = 2,
        PlayLimit = 3,
        Restore = 4,
        GuardStop = 5,
        Archive = 6
    };

    QString title;
    QString content;
    int type = 0;
    bool read = false;

    friend bool operator==(const NoxNotification &, const NoxNotification &) = default;
};
Q_DECLARE_METATYPE(NoxNotification)
Q_DECLARE_METATYPE(NoxNotification::NoxNotificationType)
Q_DECLARE_METATYPE(QList<NoxNotification>)
