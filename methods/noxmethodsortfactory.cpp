#include "methods/noxmethodsortfactory.h"

#include "methods/noxmethodsortbyecartmoyen.h"
#include "methods/noxmethodsortbyecartmoyenct.h"
#include "methods/noxmethodsortbyhorsbloc.h"
#include "methods/noxmethodsortbyindex.h"
#include "methods/noxmethodsortbymoyenneecartmoyen.h"
#include "methods/noxmethodsortbyname.h"
#include "methods/noxmethodsortbyquickmode.h"
#include "methods/noxmethodsortbyscorect.h"
#include "methods/noxmethodsortbyscorefire.h"
#include "methods/noxmethodsortbyscoremasseegale.h"
#include "methods/noxmethodsortbyscorepastillesvertes.h"
#include "methods/noxmethodsortbyscorepastillesverteschute.h"
#include "methods/noxmethodsortbyscorepastillesvertesonly.h"
#include "methods/noxmethodsortbyscoreratioct.h"
#include "methods/noxmethodsortbyscoretendance.h"
#include "methods/noxmethodsortbyscoretendancejaune.h"
#include "methods/noxmethodsortbyscoretendanceorange.h"
#include "methods/noxmethodsortbyscoretendanceplus.h"
#include "methods/noxmethodsortbyscoreviseur.h"
#include "methods/noxmethodsortbywinbloc.h"
#include "methods/noxmethodsortdefault.h"

namespace Nox {

std::unique_ptr<NoxMethodFilter> NoxMethodSortFactory::create(int sortType)
{
    switch (sortType) {
    case -1:
    case Index:
        return std::make_unique<NoxMethodSortByIndex>();
    case Name:
        return std::make_unique<NoxMethodSortByName>();
    case Score:
        return std::make_unique<NoxMethodSortByScore>();
    case ScoreCt:
        return std::make_unique<NoxMethodSortByScoreCt>();
    case EcartMoyen:
        return std::make_unique<NoxMethodSortByEcartMoyen>();
    case HorsBloc:
        return std::make_unique<NoxMethodSortByHorsBloc>();
    case WinBloc:
        return std::make_unique<NoxMethodSortByWinBloc>();
    case EcartMoyenCT:
        return std::make_unique<NoxMethodSortByEcartMoyenCT>();
    case MoyenneEcartMoyen:
        return std::make_unique<NoxMethodSortByMoyenneEcartMoyen>();
    case ScoreTendance:
        return std::make_unique<NoxMethodSortByScoreTendance>();
    case ScoreFire:
        return std::make_unique<NoxMethodSortByScoreFire>();
    case ScorePastillesVertes:
        return std::make_unique<NoxMethodSortByScorePastillesVertes>();
    case ScorePastillesVertesChute:
        return std::make_unique<NoxMethodSortByScorePastillesVertesChute>();
    case ScoreTendancePlus:
        return std::make_unique<NoxMethodSortByScoreTendancePlus>();
    case ScoreViseur:
        return std::make_unique<NoxMethodSortByScoreViseur>();
    case ScoreTendanceOrange:
        return std::make_unique<NoxMethodSortByScoreTendanceOrange>();
    case ScoreMasseEgale:
        return std::make_unique<NoxMethodSortByScoreMasseEgale>();
    case ScoreRatioCt:
        return std::make_unique<NoxMethodSortByScoreRatioCt>();
    case Default:
        return std::make_unique<NoxMethodSortDefault>(false);
    case QuickMode:
        return std::make_unique<NoxMethodSortByQuickMode>(false);
    case QuickModeSmart:
        return std::make_unique<NoxMethodSortByScorePastillesVertesOnly>(true, false);
    case ScoreTendanceJaune:
        return std::make_unique<NoxMethodSortByScoreTendanceJaune>();
    default:
        return nullptr;
    }
}

bool NoxMethodSortFactory::isScoreOrdering(int sortType)
{
    return (sortType >= Score && sortType <= ScoreRatioCt) || sortType == QuickModeSmart ||
           sortType == ScoreTendanceJaune;
}

bool NoxMethodSortFactory::isDescending(int sortType)
{
    return isScoreOrdering(sortType) || sortType == Default;
}

QList<QPair<QString, int>> NoxMethodSortFactory::labels()
{
    return {{QStringLiteral("Nom"), Name},
            {QStringLiteral("Index"), Index},
            {QStringLiteral("Score Total"), Score},
            {QStringLiteral("Score Ratio CT"), ScoreCt},
            {QStringLiteral("Score EM"), EcartMoyen},
            {QStringLiteral("Score Hors Blocs"), HorsBloc},
            {QStringLiteral("Score B+"), WinBloc},
            {QStringLiteral("Score Ecart Moyen"), EcartMoyenCT},
            {QStringLiteral("Score EM"), MoyenneEcartMoyen},
            {QStringLiteral("Score Tend."), ScoreTendance},
            {QStringLiteral("Score Tend. Forte"), ScoreFire},
            {QStringLiteral("Score Bleu"), ScorePastillesVertes},
            {QStringLiteral("Score Vert"), ScorePastillesVertesChute},
            {QStringLiteral("Score Tend. Plus"), ScoreTendancePlus},
            {QStringLiteral("Score Viseur"), ScoreViseur},
            {QStringLiteral("Score Retour Tend."), ScoreTendanceOrange},
            {QStringLiteral("Score Masse Egale"), ScoreMasseEgale},
            {QStringLiteral("Score Jaune"), ScoreTendanceJaune},
            {QStringLiteral("Score Ratio"), ScoreRatioCt}};
}

} // namespace Nox
