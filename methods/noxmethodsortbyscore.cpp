// The score orderings.

#include "methods/noxmethodsortbyscore.h"

#include "core/noxmethod.h"
#include "core/noxmethodmetrics.h"
#include "core/noxmethodstate.h"
#include "methods/noxmethodsortbyecartmoyen.h"
#include "methods/noxmethodsortbyecartmoyenct.h"
#include "methods/noxmethodsortbyhorsbloc.h"
#include "methods/noxmethodsortbymoyenneecartmoyen.h"
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

namespace Nox {

namespace {

// N + E, the two bonuses most formulas add.
double bonuses(const NoxMethodMetrics &m)
{
    return m.notificationBonus() + m.ecartMaxBonus();
}

double tendancePlus(const NoxMethodMetrics &m)
{
    const double t = m.tendanceValue();
    return t + (t >= 0 ? 100.0 * m.recentHits() : 0.0) + bonuses(m);
}

double pastillesVertes(const NoxMethodMetrics &m, bool *fall, int *count)
{
    *count = m.pastilles(fall);
    return m.scoreCt() + m.ecartMaxBonus() + (*count > 0 ? 1000.0 : 0.0);
}

} // namespace

int NoxMethodSortByScore::automaticOrder(const NoxMethodState *a, const NoxMethodState *b) const
{
    if (!m_automaticFirst) {
        return 0;
    }
    const bool autoA = a && a->method()->type() == NoxMethodType::automatic;
    const bool autoB = b && b->method()->type() == NoxMethodType::automatic;
    return autoA == autoB ? 0 : (autoA ? 1 : -1);
}

int NoxMethodSortByScore::compare(const NoxMethodState *a, const NoxMethodState *b) const
{
    if (const int order = automaticOrder(a, b)) {
        return order;
    }
    const double sa = a ? score(a) : 0.0;
    const double sb = b ? score(b) : 0.0;
    if (sa < sb) {
        return -1;
    }
    if (sa > sb) {
        return 1;
    }
    return NoxMethodSortDefault::compare(a, b);
}

double NoxMethodSortByScore::score(const NoxMethodState *state) const
{
    const auto metrics = state->metrics();
    return scoreOf(*metrics);
}

int NoxMethodSortByScore::compareTied(const NoxMethodState *a, const NoxMethodState *b) const
{
    const int order = automaticOrder(a, b);
    return order != 0 ? order : NoxMethodSortDefault::compare(a, b);
}

double NoxMethodSortByScore::scoreOf(const NoxMethodMetrics &m) const
{
    return m.score() + m.ecartMaxBonus();
}

double NoxMethodSortByScoreCt::scoreOf(const NoxMethodMetrics &m) const
{
    return m.scoreCt() + m.ecartMaxBonus();
}

double NoxMethodSortByEcartMoyen::scoreOf(const NoxMethodMetrics &m) const
{
    return 100.0 - m.ecartMoyen() + bonuses(m);
}

double NoxMethodSortByHorsBloc::scoreOf(const NoxMethodMetrics &m) const
{
    return 100.0 - m.ecartMoyen() + bonuses(m);
}

double NoxMethodSortByWinBloc::scoreOf(const NoxMethodMetrics &m) const
{
    return 100.0 * m.winBlocks() + bonuses(m) + m.ratioScore() / 10.0;
}

double NoxMethodSortByEcartMoyenCT::scoreOf(const NoxMethodMetrics &m) const
{
    return (5.0 - m.ecartMoyenCt()) * 200.0 + bonuses(m) + m.ratioScore() / 30.0;
}

double NoxMethodSortByMoyenneEcartMoyen::scoreOf(const NoxMethodMetrics &m) const
{
    return (5.0 - (m.ecartMoyenCt() + m.ecartMoyen()) / 2.0) * 200.0 + bonuses(m) + m.ratioScore() / 30.0;
}

double NoxMethodSortByScoreTendance::scoreOf(const NoxMethodMetrics &m) const
{
    return m.tendanceValue() + bonuses(m);
}

double NoxMethodSortByScoreFire::scoreOf(const NoxMethodMetrics &m) const
{
    return 100.0 * m.fire() + bonuses(m) + m.ratioScore() / 10.0;
}

double NoxMethodSortByScorePastillesVertes::scoreOf(const NoxMethodMetrics &m) const
{
    bool fall = false;
    int count = 0;
    return pastillesVertes(m, &fall, &count);
}

double NoxMethodSortByScorePastillesVertesChute::scoreOf(const NoxMethodMetrics &m) const
{
    bool fall = false;
    int count = 0;
    const double s = pastillesVertes(m, &fall, &count);
    return count > 1 && fall ? s - 2500.0 : s;
}

double NoxMethodSortByScoreTendancePlus::scoreOf(const NoxMethodMetrics &m) const
{
    return tendancePlus(m);
}

double NoxMethodSortByScoreViseur::scoreOf(const NoxMethodMetrics &m) const
{
    return m.viseur();
}

double NoxMethodSortByScoreTendanceOrange::scoreOf(const NoxMethodMetrics &m) const
{
    double s = bonuses(m) + m.ratioScore() / 10.0;
    if (m.chartTendance() == 2 || m.chartTendance() == 3) {
        s += 100.0 * m.chartTendanceCount();
    }
    return s;
}

double NoxMethodSortByScoreMasseEgale::scoreOf(const NoxMethodMetrics &m) const
{
    return (m.counterSignal() ? 100.0 * m.compteurMECount() : 0.0) + bonuses(m) + m.ratioScore() / 10.0;
}

double NoxMethodSortByScoreRatioCt::scoreOf(const NoxMethodMetrics &m) const
{
    return m.ratioScore() + m.ecartMaxBonus();
}

double NoxMethodSortByScorePastillesVertesOnly::scoreOf(const NoxMethodMetrics &m) const
{
    return 1000.0 * m.pastilles();
}

bool NoxMethodSortByScoreTendanceJaune::accept(const NoxMethodState *state) const
{
    if (!state) {
        return false;
    }
    const auto metrics = state->metrics();
    const NoxMethodMetrics &m = *metrics;
    return m.tendance() == NoxTendance::inter ||
           (m.tendance() == NoxTendance::up && m.isActive() && m.newestIsWin());
}

double NoxMethodSortByScoreTendanceJaune::scoreOf(const NoxMethodMetrics &m) const
{
    return tendancePlus(m) + (m.tendance() == NoxTendance::up && m.newestIsWin() ? 1000.0 : 0.0);
}

} // namespace Nox
