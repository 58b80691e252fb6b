#include "autobet/noxbetplacement.h"

#include "autobet/noxautobetlogging.h"
#include "autobet/noxclickplanner.h"
#include "autobet/noxclickservice.h"
#include "calibration/icalibration.h"
#include "input/noxinput.h"

#include <QCoreApplication>
#include <QMetaEnum>
#include <QScopeGuard>

#include <algorithm>

namespace Nox {

namespace {

NoxBetPlan refused(const NoxBetPlan &plan, const QString &reason)
{
    NoxBetPlan result = plan;
    result.ok = false;
    result.reason = reason;
    result.clicks.clear();
    return result;
}

bool isChip(NoxBetItemID id)
{
    return id >= NoxBetItemID::JETON_1 && id <= NoxBetItemID::JETON_8;
}

QString enumName(NoxBetItemID id)
{
    const char *key = QMetaEnum::fromType<NoxBetItemID>().valueToKey(int(id));
    return key ? QString::fromLatin1(key) : QString::number(int(id));
}

} // namespace

NoxBetPlacement::NoxBetPlacement(ICalibration *calibration, NoxInput *input, QObject *parent)
    : QObject(parent)
    , m_calibration(calibration)
    , m_input(input)
    , m_service(new NoxClickService(this))
{
    qRegisterMetaType<NoxPlannedClick>();
}

NoxBetPlacement::~NoxBetPlacement() = default;

NoxBetPlan NoxBetPlacement::preview(const NoxBetList &bets)
{
    if (m_busy) {
        return refused({}, tr("Une mise automatique est déjà en cours."));
    }
    m_busy = true;
    // The service's wait runs the event loop: this object may be gone when it returns.
    const QPointer<NoxBetPlacement> self(this);
    const auto idle = qScopeGuard([self] {
        if (self) {
            self->m_busy = false;
        }
    });
    return makePlan(bets);
}

NoxBetPlan NoxBetPlacement::makePlan(const NoxBetList &bets)
{
    NoxBetPlan plan;
    if (!m_calibration) {
        return refused(plan, tr("La table n'est pas calibrée."));
    }
    for (const NoxBet &bet : bets) {
        plan.total += std::max(bet.bet, 0);
        plan.suspended = plan.suspended || (bet.flags & NoxBet::Suspended);
    }
    if (plan.suspended) {
        plan.ok = true;
        plan.reason = tr("Les mises sont suspendues : rien n'est posé.");
        return plan;
    }
    const int limit = m_calibration->maxBet();
    if (limit > 0 && plan.total > limit) {
        return refused(plan, tr("La mise de %1 dépasse votre limite de %2 par mise automatique.")
                                 .arg(NoxClickPlanner::money(plan.total), NoxClickPlanner::money(limit)));
    }

    const bool toggle = m_calibration->toggleJetonMode();
    const QList<int> values = m_calibration->jetonValues();
    const QString url = m_calibration->serviceUrl();
    const bool fromService = !url.isEmpty();
    QPointer<NoxBetPlacement> self(this);
    const NoxClickPlan sequence = fromService ? m_service->requestClicks(url, bets, toggle, values)
                                              : NoxClickPlanner::plan(bets, values, toggle);
    if (!self || !m_calibration) {
        return refused(plan, tr("La mise automatique a été abandonnée."));
    }
    if (!sequence.ok) {
        return refused(plan, sequence.reason);
    }
    // Ids the store does not know are dropped; places it knows but that were never calibrated
    // refuse the bet.
    QList<NoxBetItemID> kept;
    QList<NoxCalibrationItem> items;
    for (NoxBetItemID id : sequence.sequence) {
        const std::optional<NoxCalibrationItem> item = m_calibration->calibrationItem(id);
        if (!item) {
            qCWarning(lcNoxAutobet).noquote() << QStringLiteral("No calibration for ") + enumName(id);
            continue;
        }
        if (!item->active) {
            // An uncalibrated place sits at (0, 0): clicking it would click the screen corner.
            return refused(
                plan,
                tr("%1 n'est pas calibré : calibrez-le avant de miser.").arg(NoxClickPlanner::itemName(id)));
        }
        kept.append(id);
        items.append(*item);
    }
    if (fromService && !kept.contains(NoxBetItemID::X_DBL)) {
        // The service's answer is checked on a model of the table before anything is clicked:
        // it must not put more money down than the stakes ask for.
        QString error;
        const auto table = NoxClickPlanner::replay(kept, values, toggle, &error);
        if (!table) {
            return refused(plan, tr("Le service de placement propose des clics incohérents : %1").arg(error));
        }
        qint64 placed = 0;
        for (qint64 amount : *table) {
            placed += amount;
        }
        if (placed > plan.total) {
            return refused(plan,
                           tr("Le service de placement poserait %1, plus que la mise de %2.")
                               .arg(NoxClickPlanner::money(placed), NoxClickPlanner::money(plan.total)));
        }
    }

    NoxBetItemID hand = NoxBetItemID::none;
    for (const NoxCalibrationItem &item : std::as_const(items)) {
        const NoxBetItemID id = item.itemId;
        if (isChip(id)) {
            hand = (toggle && hand == id) ? NoxBetItemID::none : id;
        }
        NoxPlannedClick click;
        click.itemId = id;
        click.chip = isChip(id) ? id : hand;
        const int chipIndex = int(click.chip) - int(NoxBetItemID::JETON_1);
        click.chipValue = isChip(click.chip) && chipIndex < values.size() ? values[chipIndex] : 0;
        click.point = QPoint(int(item.x), int(item.y));
        click.pause = item.clickPause;
        plan.clicks.append(click);
    }
    plan.ok = true;
    return plan;
}

NoxBetResult NoxBetPlacement::place(const NoxBetList &bets)
{
    NoxBetResult result;
    if (m_busy) {
        result.reason = tr("Une mise automatique est déjà en cours.");
        return result;
    }
    m_busy = true;
    const QPointer<NoxBetPlacement> self(this);
    const auto idle = qScopeGuard([self] {
        if (self) {
            self->m_busy = false;
        }
    });
    const NoxBetPlan plan = makePlan(bets);
    result.stakes = askedStakes(bets, plan);
    if (!self) {
        result.reason = plan.reason;
        return result;
    }
    if (!plan.ok) {
        qCWarning(lcNoxAutobet).noquote() << QStringLiteral("Bet refused: ") + plan.reason;
        result.reason = plan.reason;
        return result;
    }
    click(plan, result);
    if (result.ok && plan.suspended) {
        result.reason = plan.reason;
    }
    return result;
}

bool NoxBetPlacement::placeBets(const NoxBetList &bets, QString *reason)
{
    const NoxBetResult result = place(bets);
    if (reason) {
        *reason = result.reason;
    }
    return result.ok;
}

QList<NoxPlacedStake> NoxBetPlacement::askedStakes(const NoxBetList &bets, const NoxBetPlan &plan)
{
    QList<NoxPlacedStake> stakes;
    if (plan.suspended) {
        return stakes; // nothing is asked of the table
    }
    for (const NoxBet &bet : bets) {
        if (bet.bet > 0 && bet.id != NoxBetItemID::none) {
            stakes.append({bet.id, bet.bet, 0});
        }
    }
    std::sort(stakes.begin(), stakes.end(),
              [](const NoxPlacedStake &a, const NoxPlacedStake &b) { return a.id < b.id; });
    return stakes;
}

void NoxBetPlacement::countPlaced(const NoxPlannedClick &click, NoxBetResult &result)
{
    if (click.itemId == NoxBetItemID::X_DBL) {
        result.doubled = true;
        return;
    }
    if (click.isChip() || !isChip(click.chip)) {
        return; // a chip chosen, or a place clicked with no chip in hand: nothing put down
    }
    const auto at = std::find_if(result.stakes.begin(), result.stakes.end(),
                                 [&click](const NoxPlacedStake &s) { return s.id == click.itemId; });
    if (at != result.stakes.end()) {
        at->placed += click.chipValue;
        return;
    }
    const NoxPlacedStake extra{click.itemId, 0, click.chipValue};
    const auto before = std::find_if(result.stakes.begin(), result.stakes.end(),
                                     [&click](const NoxPlacedStake &s) { return s.id > click.itemId; });
    result.stakes.insert(before, extra);
}

QString NoxBetPlacement::tableReport(const NoxBetResult &result)
{
    QString text;
    if (result.doubled) {
        text = tr("Le bouton doubler a été cliqué : vérifiez les montants sur la table du casino.");
    } else if (!result.stakes.isEmpty()) {
        text = tr("Sur la table :");
        for (const NoxPlacedStake &stake : result.stakes) {
            text += QLatin1Char('\n') + tr("%1 %2 sur %3")
                                            .arg(NoxClickPlanner::itemName(stake.id),
                                                 NoxClickPlanner::money(stake.placed),
                                                 NoxClickPlanner::money(stake.asked));
        }
    }
    if (result.stoppedPartWay() && result.clicked > 0) {
        if (!text.isEmpty()) {
            text += QLatin1Char('\n');
        }
        text += tr("Complétez ou retirez la mise sur la table du casino.");
    }
    return text;
}

void NoxBetPlacement::click(const NoxBetPlan &plan, NoxBetResult &result)
{
    result.ok = true;
    result.planned = int(plan.clicks.size());
    const int d = m_calibration ? m_calibration->mouseClickDelay() : 0;
    qCDebug(lcNoxAutobet).noquote() << QStringLiteral("BET ") + QString::number(plan.clicks.size()) +
                                           QStringLiteral(" clicks at ") + QString::number(d) +
                                           QStringLiteral(" ms ");
    const QPoint start = m_input->cursorPosition().value_or(QPoint(0, 0));
    QPoint previous = start;
    for (const NoxPlannedClick &click : plan.clicks) {
        const QPoint p = click.point;
        if (p == previous) {
            // Two clicks in a row on one spot: move away in between so the table sees two.
            m_input->moveCursor(start);
            m_input->sleep(d);
        }
        if (!m_input->leftClick(p, d)) {
            result.ok = false;
            result.reason = tr("Le clic sur %1 n'a pas pu être envoyé : %2 clics sur %3 faits.")
                                .arg(NoxClickPlanner::itemName(click.itemId))
                                .arg(result.clicked)
                                .arg(result.planned);
            break;
        }
        ++result.clicked;
        countPlaced(click, result);
        qCDebug(lcNoxAutobet).noquote() << QStringLiteral("SEND ") + QString::number(int(click.itemId)) +
                                               QLatin1Char(' ') + QString::number(p.x()) + QLatin1Char(' ') +
                                               QString::number(p.y());
        if (click.pause > 0) {
            m_input->sleep(click.pause);
        }
        if (m_input->isControlHeld()) {
            qCDebug(lcNoxAutobet).noquote() << QStringLiteral("INTERRUPTED by CTRL");
            result.interrupted = true;
            result.reason = tr("Mise interrompue par CTRL : %1 clics sur %2 faits.")
                                .arg(result.clicked)
                                .arg(result.planned);
            break;
        }
        previous = p;
    }
    m_input->moveCursor(start);
    // A stopped sequence leaves part of the bet on the table: say what is there.
    if (result.interrupted || !result.ok) {
        const QString report = tableReport(result);
        if (!report.isEmpty()) {
            result.reason += QLatin1Char('\n') + report;
        }
    }
}

} // namespace Nox
