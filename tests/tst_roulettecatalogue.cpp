// The roulette catalogue: order, registration defaults, candidate sets, and undo against replay
// over the whole catalogue.

#include "core/noxmethod.h"
#include "core/noxmethodstate.h"
#include "engine/noxengine.h"
#include "methods/methodeauto.h"
#include "methods/methodefavoris.h"
#include "methods/noxmethodsortbyquickmode.h"

#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QtTest>

#include <cmath>

using namespace Nox;

namespace {

int indexOf(const NoxEngine &engine, const QString &name)
{
    for (const NoxMethodState *s : engine.methodStates()) {
        if (s->method()->name() == name) {
            return s->method()->index();
        }
    }
    return -1;
}

QSet<int> candidates(const NoxEngine &engine, const QString &name)
{
    const auto *a = dynamic_cast<const MethodeAuto *>(engine.methodState(indexOf(engine, name))->method());
    return a ? a->candidateIndexes() : QSet<int>();
}

QSet<QString> names(const NoxEngine &engine, const QSet<int> &indexes)
{
    QSet<QString> result;
    for (int i : indexes) {
        result.insert(engine.methodState(i)->method()->name());
    }
    return result;
}

// Everything a method shows, as text, so that a difference names the field.
QString describe(const NoxMethodState *s)
{
    const NoxMethodProposal p = s->proposal();
    QStringList items;
    for (NoxBetItemID id : p.items) {
        items << QString::number(int(id));
    }
    QStringList records;
    for (const NoxCoupRecord &r : s->history()) {
        records << QStringLiteral("%1/%2/%3/%4/%5")
                       .arg(r.value)
                       .arg(r.numbers)
                       .arg(r.flags)
                       .arg(r.gap)
                       .arg(std::isnan(r.tendency) ? QStringLiteral("nan")
                                                   : QString::number(r.tendency, 'g', 17));
    }
    QString text =
        QStringLiteral("proposal=%1 centre=%2\nrecords=%3\necart=%4 wins=%5 block=%6..%7 modes=%8/%9")
            .arg(items.join(QLatin1Char(',')))
            .arg(p.centerNumber)
            .arg(records.join(QLatin1Char(' ')))
            .arg(s->ecart())
            .arg(s->nbWins())
            .arg(s->blockMin())
            .arg(s->blockMax())
            .arg(s->numberMode())
            .arg(s->zeroOption());
    if (const auto *a = dynamic_cast<const MethodeAuto *>(s->method()); a && a->isSticky()) {
        text += QStringLiteral(" choice=%1").arg(a->currentChoice());
    }
    return text;
}

QStringList snapshot(const NoxEngine &engine)
{
    QStringList all;
    for (const NoxMethodState *s : engine.methodStates()) {
        all << describe(s);
    }
    return all;
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

class TestRouletteCatalogue : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLoggingCategory::setFilterRules(QStringLiteral("nox.*.debug=false")); }

    void orderAndDefaults()
    {
        NoxEngine engine(false);
        engine.loadMethods();
        const QList<NoxMethodState *> states = engine.methodStates();
        const auto name = [&](int i) {
            return states.at(i)->method()->name();
        };
        // Steps 1 to 4: D1..D3, C1..C3, SX1..SX6, TX1..TX12, T1, T2, S1, S2, the six chances.
        QCOMPARE(name(0), QStringLiteral("D1"));
        QCOMPARE(name(3), QStringLiteral("C1"));
        QCOMPARE(name(6), QStringLiteral("SX1"));
        QCOMPARE(name(12), QStringLiteral("TX1"));
        QCOMPARE(name(23), QStringLiteral("TX12"));
        QCOMPARE(name(24), QStringLiteral("T1"));
        QCOMPARE(name(27), QStringLiteral("S2"));
        QCOMPARE(name(28), QStringLiteral("1 - Rouge"));
        QCOMPARE(name(33), QStringLiteral("3 - 19-36"));
        QCOMPARE(name(34), QStringLiteral("1 - Hawks(R/N)"));
        QCOMPARE(name(46), QStringLiteral("M Colonnes"));
        QCOMPARE(name(50), QStringLiteral("Secteur 1"));

        const NoxMethodState *d1 = states.at(0);
        QCOMPARE(d1->method()->itemsToPlay(), QList<NoxBetItemID>{NoxBetItemID::DZ1});
        QCOMPARE(d1->method()->type(), NoxMethodType::douz);
        QCOMPARE(d1->nbBlockDom(), 3);
        QCOMPARE(d1->ecartNotif(), 12);
        QCOMPARE(d1->tendencyOffset(), -60.0);
        const NoxMethodState *t1 = states.at(24);
        QCOMPARE(t1->method()->itemsToPlay().size(), 6);
        QCOMPARE(t1->method()->blockPercentage(), 90);
        QCOMPARE(states.at(12)->ecartNotif(), 24);
        QCOMPARE(states.at(12)->tendencyOffset(), 0.0);
        QCOMPARE(states.at(28)->method()->blockPercentage(), 90);
        QVERIFY(!states.at(28)->zeroOption());

        const NoxMethodState *s2 = engine.methodState(indexOf(engine, QStringLiteral("Secteur 2")));
        QCOMPARE(s2->method()->centerNumber(), 11);
        QCOMPARE(s2->nbBlockDom(), 4);
        QCOMPARE(s2->ecartNotif(), 15);
        QVERIFY(s2->zeroOption());
        QVERIFY(s2->numberMode());

        const NoxMethodState *c2n = engine.methodState(indexOf(engine, QStringLiteral("5-C2/N")));
        QCOMPARE(c2n->method()->coveredNumbers().size(), 22);
        QVERIFY(!c2n->method()->coveredNumbers().contains(0));
        QCOMPARE(c2n->method()->subtype(), NoxMethodSubType::orange5);
        QCOMPARE(c2n->ecartNotif(), 10);

        // Every named method exists exactly once; the number sets follow the automatic methods.
        QSet<QString> seen;
        for (const NoxMethodState *s : states) {
            QVERIFY2(!seen.contains(s->method()->name()), qPrintable(s->method()->name()));
            seen.insert(s->method()->name());
        }
        const int auto24 = indexOf(engine, QStringLiteral("AUTO 24"));
        QCOMPARE(name(auto24 - 1001), QStringLiteral("AUTO 18"));
        QCOMPARE(name(auto24 - 1000), QStringLiteral("AZ24.1"));
        QCOMPARE(name(auto24 + 1), QStringLiteral("Favoris"));
        QCOMPARE(states.size(), auto24 + 2);
        QVERIFY(states.size() > 3100 && states.size() < 3200);
        QVERIFY(dynamic_cast<const MethodeFavoris *>(states.last()->method()));
        // Nine automatic methods, then the thousand sets of the first file.
        QCOMPARE(indexOf(engine, QStringLiteral("AUTO Tendance")) + 1009,
                 indexOf(engine, QStringLiteral("AUTO 13")));
    }

    void quickModeAndCandidates()
    {
        NoxEngine engine(false);
        engine.loadMethods();
        QList<NoxMethodState *> quick;
        for (NoxMethodState *s : engine.methodStates()) {
            if (s->playModeFlags() & NoxMethodState::QuickList) {
                quick << s;
            }
        }
        const NoxMethodSortByQuickMode byRank;
        std::sort(quick.begin(), quick.end(),
                  [&](const NoxMethodState *a, const NoxMethodState *b) { return byRank.compare(a, b) < 0; });
        QStringList order;
        for (const NoxMethodState *s : quick) {
            order << s->method()->name();
        }
        QCOMPARE(order, (QStringList{QStringLiteral("AUTO CS"), QStringLiteral("AUTO Douzaines"),
                                     QStringLiteral("AUTO Colonnes"), QStringLiteral("AUTO Sixains"),
                                     QStringLiteral("AUTO TR"), QStringLiteral("AUTO Suiveuse"),
                                     QStringLiteral("Tiers 1"), QStringLiteral("Tiers 2"),
                                     QStringLiteral("Tiers 3"), QStringLiteral("AUTO 13"),
                                     QStringLiteral("AUTO 18"), QStringLiteral("AUTO 24")}));

        QCOMPARE(names(engine, candidates(engine, QStringLiteral("AUTO Douzaines"))),
                 (QSet<QString>{QStringLiteral("Douz Chaude inverse"), QStringLiteral("M Douzaines"),
                                QStringLiteral("S Douzaines"), QStringLiteral("S Douzaines inverse")}));
        QCOMPARE(names(engine, candidates(engine, QStringLiteral("AUTO TR"))),
                 (QSet<QString>{QStringLiteral("M T1-T2"), QStringLiteral("M T1-T2 inv"),
                                QStringLiteral("Quartiers TR"), QStringLiteral("Quartiers TR inverse"),
                                QStringLiteral("T1"), QStringLiteral("T2")}));
        QCOMPARE(names(engine, candidates(engine, QStringLiteral("AUTO Suiveuse"))),
                 (QSet<QString>{QStringLiteral("Suiveuse"), QStringLiteral("Suiveuse inverse")}));
        // Every method of type cs, the six single chances, the twelve two-chance methods and the
        // colour reversal.
        const QSet<int> cs = candidates(engine, QStringLiteral("AUTO CS"));
        QCOMPARE(cs.size(), 19);
        for (int i : cs) {
            QCOMPARE(engine.methodState(i)->method()->type(), NoxMethodType::cs);
        }
        const QSet<int> set13 = candidates(engine, QStringLiteral("AUTO 13"));
        QCOMPARE(set13.size(), 1000);
        for (int i : set13) {
            QVERIFY(engine.methodState(i)->method()->name().startsWith(u"AZ13."));
        }
        QVERIFY(candidates(engine, QStringLiteral("AUTO Top")).isEmpty());
        const auto *auto13 = static_cast<const MethodeAuto *>(
            engine.methodState(indexOf(engine, QStringLiteral("AUTO 13")))->method());
        QVERIFY(auto13->isSticky());
        QCOMPARE(auto13->sortType(), ScoreMasseEgale);
        QVERIFY(!(engine.methodState(auto13->index())->playModeFlags() & NoxMethodState::NormalList));
    }

    void rouletteProgressions()
    {
        NoxEngine engine(false);
        engine.registerBuiltinMontantes();
        const auto listed = [&](NoxMethodType type) {
            QStringList list;
            for (const auto &entry : engine.montanteList(type)) {
                list << entry.second;
            }
            return list;
        };
        const QString martingale = QStringLiteral("Martingale classique");
        const QString flat = QStringLiteral("Masse égale");
        QCOMPARE(listed(NoxMethodType::plein),
                 (QStringList{martingale, flat, QStringLiteral("Montante en 7 Boules"),
                              QStringLiteral("Montante récupération en 3 pertes")}));
        QCOMPARE(listed(NoxMethodType::cs), (QStringList{martingale, flat}));
        for (NoxMethodType type : {NoxMethodType::col, NoxMethodType::trans, NoxMethodType::sixain,
                                   NoxMethodType::douz, NoxMethodType::carre}) {
            QCOMPARE(listed(type), (QStringList{martingale, flat}));
            QCOMPARE(engine.currentMontanteName(type), martingale);
        }
        // Identifiers follow registration order across the kinds.
        QCOMPARE(engine.montanteList(NoxMethodType::plein).first().first, 0);
        QCOMPARE(engine.montanteList(NoxMethodType::cs).first().first, 4);
        QCOMPARE(engine.montanteList(NoxMethodType::carre).last().first, 15);
    }

    // The engine passes any int on: a value off the wheel must not reach past a table of 37 rows.
    void valuesOffTheWheelAreHarmless()
    {
        NoxEngine engine(false);
        engine.loadMethods();
        engine.playValues({5, 37, 17, 99, 0, 36, 1000, 12}).waitForFinished();
        QCOMPARE(engine.playedValues().size(), 8);
        for (const NoxMethodState *s : engine.methodStates()) {
            for (int n : s->proposal().coveredNumbers) {
                QVERIFY2(n >= 0 && n <= 36, qPrintable(s->method()->name()));
            }
        }
    }

    void baccaratEngineStaysBaccarat()
    {
        NoxEngine engine(true);
        engine.loadMethods();
        QCOMPARE(engine.methodStates().size(), 78);
    }

    // Withdrawing a result leaves every method of the catalogue as it was before that result.
    void cancelRestoresEveryMethod()
    {
        NoxEngine engine(false);
        engine.setAsync(true);
        engine.loadMethods();
        const int count = int(engine.methodStates().size());
        for (int i = 0; i < count; i += 7) {
            engine.setMethodActive(i, true);
        }
        QRandomGenerator rng(20261208);
        for (int round = 0; round < 3; ++round) {
            engine.restart(true, true);
            const int length = 20 + int(rng.bounded(30));
            QList<int> values;
            // One round in three is rich in zeros, the case most families treat apart.
            const int zeroShare = round == 1 ? 25 : 0;
            for (int i = 0; i < length; ++i) {
                values << (int(rng.bounded(100)) < zeroShare ? 0 : int(rng.bounded(37)));
            }
            engine.playValues(values.mid(0, length - 3)).waitForFinished();
            QList<QStringList> before;
            for (int i = length - 3; i < length; ++i) {
                before << snapshot(engine);
                engine.playValueInternal(values.at(i), true).waitForFinished();
            }
            for (int k = 0; k < 3; ++k) {
                engine.cancelPlay().waitForFinished();
                compareSnapshots(snapshot(engine), before.takeLast(), engine);
            }
        }
    }

    // A reloaded catalogue catches up with the history: the same as playing it afresh.
    void reloadEqualsReplay()
    {
        QRandomGenerator rng(7);
        QList<int> values;
        for (int i = 0; i < 60; ++i) {
            values << int(rng.bounded(37));
        }
        NoxEngine reloaded(false);
        reloaded.loadMethods();
        reloaded.playValues(values).waitForFinished();
        reloaded.loadMethods();
        NoxEngine fresh(false);
        fresh.loadMethods();
        fresh.playValues(values).waitForFinished();
        compareSnapshots(snapshot(reloaded), snapshot(fresh), fresh);
    }
};

QTEST_GUILESS_MAIN(TestRouletteCatalogue)
#include "tst_roulettecatalogue.moc"
