#pragma once

#include <QMetaType>

/// Sort order of the method list and of the automatic methods. Registered as a meta-type
/// without enumerator names; the numbers are persisted by the list screen.
enum NoxMethodSortType {
    Name = 0,
    Index = 1,
    Score = 2,
    ScoreCt = 3,
    EcartMoyen = 4,
    HorsBloc = 5,
    WinBloc = 6,
    EcartMoyenCT = 7,
    MoyenneEcartMoyen = 8,
    ScoreTendance = 9,
    ScoreFire = 10,
    ScorePastillesVertes = 11,
    ScorePastillesVertesChute = 12,
    ScoreTendancePlus = 13,
    ScoreViseur = 14,
    ScoreTendanceOrange = 15,
    ScoreMasseEgale = 16,
    ScoreRatioCt = 17,
    Default = 18,
    QuickMode = 19,
    QuickModeSmart = 20,
    ScoreTendanceJaune = 21
};
Q_DECLARE_METATYPE(NoxMethodSortType)
