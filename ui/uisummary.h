#pragma once

#include <QObject>
#include <QString>

/// The numbers of the play screen's dashboard, copied into a QVariant for QML.
class UISummary
{
    Q_GADGET
    Q_PROPERTY(int played MEMBER played)
    Q_PROPERTY(int toPlay MEMBER toPlay)
    Q_PROPERTY(int jeton MEMBER jeton)
    Q_PROPERTY(double mise MEMBER mise)
    Q_PROPERTY(int ct MEMBER ct)
    Q_PROPERTY(double profit MEMBER profit)
    Q_PROPERTY(double sansMise MEMBER sansMise)
    Q_PROPERTY(bool suspended MEMBER suspended)
    Q_PROPERTY(QString guardStop MEMBER guardStop)

public:
    int played = 0;
    int toPlay = 0;  ///< roulette: plein numbers marked to play; baccarat: 0
    int jeton = 0;   ///< first positive stake among the marked items
    double mise = 0; ///< the bankroll's stake of the next coup
    int ct = 0;
    double profit = 0;   ///< capital - starting capital - stake
    double sansMise = 0; ///< capital - starting capital
    bool suspended = false;
    /// Why a session guard suspended the betting, until the player resumes ("" when none).
    QString guardStop;

    friend bool operator==(const UISummary &, const UISummary &) = default;
};

Q_DECLARE_METATYPE(UISummary)
