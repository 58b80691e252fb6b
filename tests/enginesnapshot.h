#pragma once

// Everything an engine shows, as text, so that two engines can be compared and a difference
// names its field: the tests of undo, of restore and of the journal use it.

#include "core/noxmethod.h"
#include "core/noxmethodmetrics.h"
#include "core/noxmethodstate.h"
#include "engine/noxengine.h"
#include "methods/methodeauto.h"
#include "methods/methodpattern.h"
#include "money/noxfinancial.h"
#include "roads/noxroads.h"

#include <QStringList>

#include <cmath>

namespace NoxTest {

using namespace Nox;

// Everything a method shows, as text, so that a difference names the field.
inline QString describeState(const Nox::NoxMethodState *s)
{
    QStringList parts;
    const NoxMethodProposal p = s->proposal();
    QStringList items;
    for (NoxBetItemID id : p.items) {
        items << QString::number(int(id));
    }
    parts << QStringLiteral("proposal=%1 centre=%2").arg(items.join(QLatin1Char(','))).arg(p.centerNumber);
    const auto describeRecords = [](const QList<NoxCoupRecord> &list) {
        QStringList out;
        for (const NoxCoupRecord &r : list) {
            out << QStringLiteral("%1/%2/%3/%4/%5")
                       .arg(r.value)
                       .arg(r.numbers)
                       .arg(r.flags)
                       .arg(r.gap)
                       .arg(std::isnan(r.tendency) ? QStringLiteral("nan")
                                                   : QString::number(r.tendency, 'g', 17));
        }
        return out;
    };
    const QStringList records = describeRecords(s->history());
    parts << QStringLiteral("records=") + records.join(QLatin1Char(' '));
    // The newest records are served from a decoded copy kept along the coups: it must read
    // exactly like the whole history's end.
    const QStringList newest = describeRecords(s->newestRecords(20));
    if (newest != records.mid(std::max(qsizetype(0), records.size() - 20))) {
        parts << QStringLiteral("newest=") + newest.join(QLatin1Char(' '));
    }
    // The metrics view counts its short-term figures from the newest records by itself.
    QStringList levels;
    for (NoxTendance t : s->gapTendances()) {
        levels << QString::number(int(t));
    }
    parts << QStringLiteral("gaps=") + levels.join(QLatin1Char(','));
    const auto m = s->metrics();
    if (m->ecartMoyenCt() != s->ecartMoyenCt() || m->winBlocks() != s->shortTermWins()) {
        parts << QStringLiteral("metrics=%1/%2").arg(m->ecartMoyenCt()).arg(m->winBlocks());
    }
    // The short-term counts are kept as records come and go: they must equal a count of the
    // window's records.
    int windowWins = 0;
    int windowNeutrals = 0;
    for (const NoxCoupRecord &r : s->newestRecords(s->shortTermWindow())) {
        windowWins += r.isWin() ? 1 : 0;
        windowNeutrals += r.has(NoxCoupRecord::NeutralZero) ? 1 : 0;
    }
    if (windowWins != s->shortTermWins()) {
        parts << QStringLiteral("windowWins=%1/%2").arg(s->shortTermWins()).arg(windowWins);
    }
    const int counted = std::min(s->shortTermWindow(), s->historyLength()) - windowNeutrals;
    const double ratio = counted == 0 ? 0.0 : double(windowWins) / counted * 100.0;
    if (ratio != s->shortTermWinRatio()) {
        parts << QStringLiteral("windowRatio=%1/%2").arg(s->shortTermWinRatio()).arg(ratio);
    }
    // The runs back from the newest record (the high run, the trend signal's, the recent hits)
    // are kept as records come and go: they must equal a walk of the window's records.
    {
        const QList<NoxCoupRecord> window = s->newestRecords(s->shortTermWindow());
        const double limit = s->tendencyThreshold();
        int high = 0;
        int highWins = 0;
        int fire = 0;
        int hits = 0;
        bool inHigh = true;
        bool inFire = true;
        bool inHits = true;
        for (qsizetype i = window.size() - 1; i >= 0; --i) {
            const NoxCoupRecord &r = window.at(i);
            inHigh = inHigh && !std::isnan(r.tendency) && r.tendency > limit;
            inFire = inFire && r.has(NoxCoupRecord::TendencySignal);
            inHits = inHits && !(r.tendency < 0);
            high += inHigh ? 1 : 0;
            highWins += inHigh && r.isWin() ? 1 : 0;
            fire += inFire && r.isWin() ? 1 : 0;
            hits += inHits && r.isWin() ? 1 : 0;
        }
        const int pastilles = high > 0 ? highWins - (window.at(window.size() - high).isWin() ? 1 : 0) : 0;
        const bool fall = high > 0 && window.at(window.size() - high).has(NoxCoupRecord::InBlock);
        bool keptFall = false;
        const int keptPastilles = m->pastilles(&keptFall);
        if (keptPastilles != pastilles || keptFall != fall || m->fire() != fire || m->recentHits() != hits) {
            parts << QStringLiteral("runs=%1/%2 %3/%4 %5/%6 %7/%8")
                         .arg(keptPastilles)
                         .arg(pastilles)
                         .arg(keptFall)
                         .arg(fall)
                         .arg(m->fire())
                         .arg(fire)
                         .arg(m->recentHits())
                         .arg(hits);
        }
    }
    parts << QStringLiteral("counter=%1").arg(s->counterSignal());
    parts << QStringLiteral("score=%1/%2").arg(m->score(), 0, 'g', 17).arg(m->scoreCt(), 0, 'g', 17);
    parts << QStringLiteral("ecart=%1 wins=%2 max=%3 moyen=%4 block=%5..%6 in=%7 dom=%8")
                 .arg(s->ecart())
                 .arg(s->nbWins())
                 .arg(s->ecartMax())
                 .arg(s->ecartMoyen())
                 .arg(s->blockMin())
                 .arg(s->blockMax())
                 .arg(s->inBlock())
                 .arg(s->inDominantBlock());
    QStringList doms;
    for (int g : s->doms()) {
        doms << QString::number(g);
    }
    parts << QStringLiteral("doms=") + doms.join(QLatin1Char(','));
    // The list marks of the automatic methods are not part of it: they are left on the last
    // choice when an automatic method has nothing to choose from.
    parts << QStringLiteral("tendance=%1 ratio=%2 st=%3 me=%4 modes=%5/%6")
                 .arg(int(s->tendance()))
                 .arg(s->winRatio())
                 .arg(s->shortTermWinRatio())
                 .arg(s->compteurMECount())
                 .arg(s->numberMode())
                 .arg(s->zeroOption());
    // A sticky method's choice is history; a plain one is chosen afresh at the next coup.
    if (const auto *a = dynamic_cast<const MethodeAuto *>(s->method()); a && a->isSticky()) {
        parts << QStringLiteral("choice=%1").arg(a->currentChoice());
    }
    if (const auto *f = dynamic_cast<const MethodPattern *>(s->method())) {
        parts << QStringLiteral("position=%1").arg(f->position());
    }
    return parts.join(QLatin1Char('\n'));
}

/// The money, the statistics, the notifications, the options and the next bets.
inline QStringList describeEngine(const NoxEngine &engine)
{
    QStringList out;
    const NoxFinancial f = engine.financial();
    out << QStringLiteral("capital=%1 min=%2 max=%3 mise=%4 origine=%5 stop=%6/%7")
               .arg(f.capital)
               .arg(f.capitalMin)
               .arg(f.capitalMax)
               .arg(f.mise)
               .arg(f.capitalOrigine)
               .arg(f.stopLoss)
               .arg(f.takeProfit);
    for (const NoxMethodeTypeConfig *c : {&f.plein, &f.cs, &f.col, &f.douz, &f.sixain, &f.trans, &f.perso}) {
        out << QStringLiteral("chips=%1/%2/%3 %4%5%6%7%8")
                   .arg(c->jeton)
                   .arg(c->jetonOrigine)
                   .arg(c->jetonIncrement)
                   .arg(c->modeNum)
                   .arg(c->addZero)
                   .arg(c->diff0)
                   .arg(c->stopProfit)
                   .arg(c->useMontante);
    }
    const NoxFinancialStats st = engine.financialStats();
    QStringList profits;
    for (qint64 p : st.profitList) {
        profits << QString::number(p);
    }
    QStringList bets;
    for (int b : st.betList) {
        bets << QString::number(b);
    }
    out << QStringLiteral("stats=%1/%2 total=%3 max=%4 profit=%5 [%6..%7]")
               .arg(st.betLossCount)
               .arg(st.betWinCount)
               .arg(st.betTotal)
               .arg(st.betMax)
               .arg(st.profit)
               .arg(st.profitMin)
               .arg(st.profitMax);
    out << QStringLiteral("profits=") + profits.join(QLatin1Char(','));
    out << QStringLiteral("bets=") + bets.join(QLatin1Char(','));
    for (const NoxNotification &n : engine.notifications()) {
        out << QStringLiteral("notification=%1|%2|%3|%4").arg(n.title, n.content).arg(n.type).arg(n.read);
    }
    out << QStringLiteral("suspended=%1").arg(engine.isSuspended());
    QStringList next;
    for (const NoxBet &b : engine.itemsToPlay()) {
        next << QStringLiteral("%1:%2:%3").arg(int(b.id)).arg(b.bet).arg(b.flags);
    }
    out << QStringLiteral("next=") + next.join(QLatin1Char(' '));
    for (NoxMethodType kind : {NoxMethodType::plein, NoxMethodType::cs}) {
        out << QStringLiteral("montante %1=%2").arg(int(kind)).arg(engine.currentMontanteName(kind));
    }
    NoxMethodParameterList details = engine.currentMontanteDetails();
    for (const NoxMethodParameter &p : details) {
        out << QStringLiteral("detail %1=%2").arg(p.name, p.value.toString());
    }
    QStringList played;
    for (int v : engine.playedValues()) {
        played << QString::number(v);
    }
    out << QStringLiteral("played=") + played.join(QString());
    QStringList shoes;
    for (qsizetype start : engine.shoeStarts()) {
        shoes << QString::number(start);
    }
    out << QStringLiteral("shoes=") + shoes.join(QLatin1Char(','));
    const NoxRoads roads = engine.roads();
    QStringList heights;
    for (int h : roads.bigRoadHeights()) {
        heights << QString::number(h);
    }
    QString marks;
    for (auto kind : {NoxDerivedRoad::Kind::BigEyeBoy, NoxDerivedRoad::Kind::SmallRoad,
                      NoxDerivedRoad::Kind::CockroachPig}) {
        for (NoxRoadMark m : roads.derivedRoad(kind).marks()) {
            marks += m == NoxRoadMark::red ? QLatin1Char('R') : QLatin1Char('B');
        }
        marks += QLatin1Char('/');
    }
    out << QStringLiteral("roads=%1 columns=%2 marks=%3")
               .arg(QString::fromLatin1(roads.shoe().toByteArray().toHex()), heights.join(QLatin1Char(',')),
                    marks);
    const NoxEngineConfig c = engine.config();
    out << QStringLiteral("config=%1/%2 mask=%3 signals=%4")
               .arg(c.shortTermCount)
               .arg(c.truncateCount)
               .arg(c.playModeMask())
               .arg(c.signalMask());
    for (const NoxMethodState *s : engine.methodStates()) {
        out << QStringLiteral("%1 active=%2 flags=%3")
                   .arg(s->method()->name())
                   .arg(s->isActive())
                   .arg(s->playModeFlags());
    }
    return out;
}

/// Every line of both, the first difference named.
inline QString firstDifference(const QStringList &actual, const QStringList &expected)
{
    for (qsizetype i = 0; i < std::max(actual.size(), expected.size()); ++i) {
        const QString a = actual.value(i);
        const QString e = expected.value(i);
        if (a != e) {
            return QStringLiteral("line %1:\n%2\n---- expected ----\n%3").arg(i).arg(a, e);
        }
    }
    return {};
}

/// The engine and every method, for comparing two engines whole.
inline QStringList describeAll(const NoxEngine &engine)
{
    QStringList all = describeEngine(engine);
    for (const NoxMethodState *s : engine.methodStates()) {
        all << s->method()->name() + QLatin1Char('\n') + describeState(s);
    }
    return all;
}

} // namespace NoxTest
