// Withdrawing a result must leave every method exactly as it was before that result.

#include "engine/noxengine.h"
#include "engine/noxmethod.h"
#include "engine/noxmethodstate.h"
#include "methods/methodeauto.h"
#include "methods/methodpattern.h"
#include "methods/noxmethodmetrics.h"

#include <QRandomGenerator>
#include <QtTest>

#include <cmath>

using namespace Nox;

namespace {

// Everything a method shows, as text, so that a difference names the field.
QString describe(const NoxMethodState *s)
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

QStringList snapshot(const NoxEngine &engine)
{
    QStringList all;
    for (const NoxMethodState *s : engine.methodStates()) {
        all << describe(s);
    }
    return all;
}

int randomCoup(QRandomGenerator &rng)
{
    const int r = int(rng.bounded(100));
    return r < 10 ? 0 : (r < 55 ? 1 : 2);
}

void compareSnapshots(const QStringList &actual, const QStringList &expected, const NoxEngine &engine)
{
    QCOMPARE(actual.size(), expected.size());
    for (int i = 0; i < actual.size(); ++i) {
        if (actual.at(i) != expected.at(i)) {
            QFAIL(
                qPrintable(QStringLiteral("%1 differs:\n%2\n---- expected ----\n%3")
                               .arg(engine.methodState(i)->method()->name(), actual.at(i), expected.at(i))));
        }
    }
}

} // namespace

class TestMethodRollback : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLoggingCategory::setFilterRules(QStringLiteral("nox.engine.debug=false")); }

    void cancelRestoresEveryMethod_data()
    {
        QTest::addColumn<bool>("async");
        QTest::newRow("inline") << false;
        QTest::newRow("async") << true;
    }

    void cancelRestoresEveryMethod()
    {
        QFETCH(bool, async);
        NoxEngine engine(true);
        engine.setAsync(async);
        engine.loadMethods();
        for (int i = 0; i < 78; i += 5) {
            engine.setMethodActive(i, true);
        }
        QRandomGenerator rng(async ? 11 : 12);
        for (int round = 0; round < 12; ++round) {
            engine.restart(true, true);
            const int length = 1 + int(rng.bounded(70));
            QList<QStringList> before;
            for (int i = 0; i < length; ++i) {
                before << snapshot(engine);
                engine.playValueInternal(randomCoup(rng), true).waitForFinished();
            }
            // Withdraw the last few results one by one.
            const int withdraw = std::min(length, 1 + int(rng.bounded(4)));
            for (int k = 0; k < withdraw; ++k) {
                engine.cancelPlay().waitForFinished();
                compareSnapshots(snapshot(engine), before.takeLast(), engine);
            }
        }
    }

    // Long histories keep only the newest points of each closed profit curve and the open
    // part's number sums: withdrawing many results (wins among them) recomputes the older ones.
    void longHistoryWithdrawsToTheSameCurves()
    {
        const auto curves = [](const NoxEngine &engine) {
            QStringList all;
            for (const NoxMethodState *s : engine.methodStates()) {
                QStringList points;
                for (bool repeated : {false, true}) {
                    for (int p : s->profitCurve(repeated)) {
                        points << QString::number(p);
                    }
                    points << QStringLiteral("|");
                }
                all << describe(s) + QLatin1Char('\n') + points.join(QLatin1Char(' ')) +
                           QStringLiteral("\nsum=%1 neutral=%2 gaps=%3")
                               .arg(s->numbersSum())
                               .arg(s->neutralZeros())
                               .arg(s->gapList(true).size());
            }
            return all;
        };
        NoxEngine engine(true);
        engine.loadMethods();
        QRandomGenerator rng(21);
        QList<int> values;
        for (int i = 0; i < 400; ++i) {
            values << randomCoup(rng);
        }
        engine.playValues(values).waitForFinished();
        QList<QStringList> before;
        for (int i = 0; i < 60; ++i) {
            before << curves(engine);
            engine.playValueInternal(randomCoup(rng), true).waitForFinished();
        }
        while (!before.isEmpty()) {
            engine.cancelPlay().waitForFinished();
            compareSnapshots(curves(engine), before.takeLast(), engine);
        }

        // The same history played afresh gives the same curves.
        NoxEngine fresh(true);
        fresh.loadMethods();
        fresh.playValues(values).waitForFinished();
        compareSnapshots(curves(fresh), curves(engine), engine);
    }

    // Undoing results and playing others, with every view read along the way (the views keep
    // what they computed), ends exactly like the final history played afresh.
    void undoAndReplayEqualsAFreshReplay()
    {
        QRandomGenerator rng(21);
        NoxEngine engine(true);
        engine.loadMethods();
        for (int step = 0; step < 160; ++step) {
            if (engine.playedValues().size() > 0 && rng.bounded(4) == 0) {
                engine.cancelPlay().waitForFinished();
            } else {
                engine.playValueInternal(randomCoup(rng), true).waitForFinished();
            }
            if (step % 3 == 0) {
                (void)snapshot(engine);
            }
        }
        NoxEngine fresh(true);
        fresh.loadMethods();
        fresh.playValues(engine.playedValues()).waitForFinished();
        compareSnapshots(snapshot(fresh), snapshot(engine), engine);
    }

    void truncateEqualsPlayingTheTail()
    {
        QRandomGenerator rng(3);
        QList<int> values;
        for (int i = 0; i < 120; ++i) {
            values << randomCoup(rng);
        }
        NoxEngine full(true);
        full.loadMethods();
        full.playValues(values).waitForFinished();
        full.truncatePlayedItems(40).waitForFinished();

        NoxEngine tail(true);
        tail.loadMethods();
        tail.playValues(values.mid(80)).waitForFinished();
        QCOMPARE(full.playedValues(), tail.playedValues());
        compareSnapshots(snapshot(full), snapshot(tail), tail);
    }

    // The same session, inline and async with every step fanned out to the method pool (and
    // with the adaptive choice), gives the same methods, bets and money.
    void asyncAndInlineAgree()
    {
        QRandomGenerator rng(9);
        QList<int> values;
        for (int i = 0; i < 150; ++i) {
            values << randomCoup(rng);
        }
        const auto run = [&values](bool async, qint64 threshold) {
            auto engine = std::make_unique<NoxEngine>(true);
            engine->setAsync(async);
            engine->setParallelStepThreshold(threshold);
            engine->loadMethods();
            engine->restart(true, true);
            for (int i = 0; i < 78; i += 3) {
                engine->setMethodActive(i, true);
            }
            engine->playValues(values.mid(0, 100)).waitForFinished();
            for (int v : values.mid(100)) {
                engine->playValueInternal(v);
            }
            engine->cancelPlay();
            engine->truncatePlayedItems(60).waitForFinished();
            return engine;
        };
        const auto inlined = run(false, 0);
        for (qint64 threshold : {qint64(0), qint64(-1)}) {
            const auto async = run(true, threshold);
            QCOMPARE(async->playedValues(), inlined->playedValues());
            compareSnapshots(snapshot(*async), snapshot(*inlined), *inlined);
            QCOMPARE(async->itemsToPlay(), inlined->itemsToPlay());
            QCOMPARE(async->financial().capital, inlined->financial().capital);
        }
    }

    void reloadCatchesUpWithTheHistory()
    {
        QRandomGenerator rng(5);
        QList<int> values;
        for (int i = 0; i < 50; ++i) {
            values << randomCoup(rng);
        }
        NoxEngine reloaded(true);
        reloaded.loadMethods();
        reloaded.playValues(values).waitForFinished();
        reloaded.loadMethods();

        NoxEngine fresh(true);
        fresh.loadMethods();
        fresh.playValues(values).waitForFinished();
        compareSnapshots(snapshot(reloaded), snapshot(fresh), fresh);
    }
};

QTEST_GUILESS_MAIN(TestMethodRollback)
#include "tst_methodrollback.moc"
