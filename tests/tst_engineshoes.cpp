// The shoes of the engine's history: the boundaries follow every play, undo, cut, restart and
// restore, the scoreboard the engine keeps is always the one computed again from its history,
// and the methods never see a boundary.

#include "enginesnapshot.h"
#include "testsupport.h"

#include "engine/noxengine.h"
#include "engine/noxsessionjournal.h"
#include "engine/noxtaskrunner.h"
#include "roads/noxroads.h"

#include <QSignalSpy>
#include <QtTest>

#include <random>

using namespace Nox;

namespace {

using Kind = NoxDerivedRoad::Kind;

// Everything the roads show, as text, so that a difference names its road.
QStringList describeRoads(const NoxRoads &roads)
{
    QStringList out;
    out << QStringLiteral("shoe=") + QString::fromLatin1(roads.shoe().toByteArray().toHex());
    QString entries;
    for (const NoxBigRoadEntry &e : roads.bigRoadEntries()) {
        entries += QStringLiteral("%1:%2 ").arg(e.winner).arg(e.ties);
    }
    out << QStringLiteral("big=") + entries + QStringLiteral("leading=%1").arg(roads.leadingTies());
    const auto cells = [](const NoxRoadGrid &grid) {
        QString text;
        for (const NoxRoadCell &c : grid.cells()) {
            text += QStringLiteral("%1,%2 ").arg(c.column).arg(c.row);
        }
        return text;
    };
    out << QStringLiteral("bigGrid=") + cells(roads.bigRoadGrid());
    for (Kind kind : {Kind::BigEyeBoy, Kind::SmallRoad, Kind::CockroachPig}) {
        QString marks;
        for (NoxRoadMark m : roads.derivedRoad(kind).marks()) {
            marks += m == NoxRoadMark::red ? QLatin1Char('R') : QLatin1Char('B');
        }
        QString ask;
        for (int winner : {NoxRoads::kBanker, NoxRoads::kPlayer}) {
            const std::optional<NoxRoadMark> m = roads.ask(winner, kind);
            ask += !m ? QLatin1Char('-') : *m == NoxRoadMark::red ? QLatin1Char('R') : QLatin1Char('B');
        }
        out << QStringLiteral("road%1=%2 grid=%3 ask=%4")
                   .arg(int(kind))
                   .arg(marks, cells(roads.derivedRoad(kind).grid()), ask);
    }
    return out;
}

// Waits for an engine task and takes its end as seen by the task (Qt's futures synchronise
// inside libQt6Core, where ThreadSanitizer does not see it): what the task's signals wrote into
// the spies is then read in order.
void finish(const QFuture<void> &future)
{
    waitQuietly(future);
}

// QList's == hands a null pointer to memcmp when both lists are empty (Qt 6.4), which the
// undefined-behaviour checker rightly reports.
template<typename T>
bool same(const QList<T> &a, const QList<T> &b)
{
    return std::equal(a.cbegin(), a.cend(), b.cbegin(), b.cend());
}

// The history as the player sees it, kept beside the engine by the rules of its operations.
struct History {
    QList<int> values;
    QList<qsizetype> starts;

    [[nodiscard]] qsizetype shoeStart() const { return starts.isEmpty() ? 0 : starts.last(); }
};

} // namespace

class TestEngineShoes : public QObject
{
    Q_OBJECT

private slots:
    void init() { QLoggingCategory::setFilterRules(QStringLiteral("nox.*.debug=false")); }

    void shoesFollowEveryChangeOfTheHistory_data()
    {
        QTest::addColumn<bool>("async");
        QTest::addColumn<quint64>("seed");
        QTest::newRow("inline") << false << quint64(1);
        QTest::newRow("tasks") << true << quint64(2);
    }

    // Random plays, undos, new shoes, cuts and restarts: after each one the engine's history,
    // shoes and scoreboard are those of the history kept beside it, and the scoreboard equals the
    // one computed from scratch.
    void shoesFollowEveryChangeOfTheHistory()
    {
        QFETCH(bool, async);
        QFETCH(quint64, seed);
        NoxEngine engine(true);
        engine.setAsync(async);
        QSignalSpy changed(&engine, &NoxEngine::roadsChanged);
        std::mt19937_64 random(seed);
        std::uniform_int_distribution<int> percent(0, 99);
        History model;
        int undosIntoThePreviousShoe = 0;
        int cutsThroughAShoe = 0;
        for (int step = 0; step < 1500; ++step) {
            const int r = percent(random);
            QString op;
            bool changes = true;
            if (r < 10) {
                op = QStringLiteral("undo");
                changes = !model.values.isEmpty();
                if (changes) {
                    undosIntoThePreviousShoe += model.shoeStart() == model.values.size() ? 1 : 0;
                    model.values.removeLast();
                    while (!model.starts.isEmpty() && model.starts.last() > model.values.size()) {
                        model.starts.removeLast();
                    }
                }
                finish(engine.cancelPlay());
            } else if (r < 18) {
                op = QStringLiteral("new shoe");
                changes = model.shoeStart() < model.values.size();
                if (changes) {
                    model.starts.append(model.values.size());
                }
                finish(engine.startNewShoe());
            } else if (r < 21) {
                const int keep = percent(random);
                op = QStringLiteral("keep %1").arg(keep);
                changes = model.values.size() > keep;
                if (changes) {
                    const qsizetype cut = model.values.size() - keep;
                    model.values.remove(0, cut);
                    QList<qsizetype> kept;
                    for (qsizetype s : std::as_const(model.starts)) {
                        if (s > cut) {
                            kept.append(s - cut);
                        }
                    }
                    cutsThroughAShoe += kept.size() != model.starts.size() ? 1 : 0;
                    model.starts = kept;
                }
                finish(engine.truncatePlayedItems(keep));
            } else if (r < 22) {
                op = QStringLiteral("restart, history kept");
                changes = false;
                engine.restart(true, false);
            } else if (r < 23) {
                op = QStringLiteral("clear");
                model = {};
                engine.restart(true, true);
            } else {
                const int value = percent(random) < 10 ? 0 : 1 + percent(random) % 2;
                op = QStringLiteral("play %1").arg(value);
                model.values.append(value);
                finish(engine.playValueInternal(value));
            }
            const QString where = QStringLiteral("step %1 (%2)").arg(step).arg(op);
            QVERIFY2(same(engine.playedValues(), model.values), qPrintable(where));
            QVERIFY2(same(engine.shoeStarts(), model.starts), qPrintable(where));
            const NoxRoads roads = engine.roads();
            NoxRoads fromScratch;
            fromScratch.rebuild(model.values, model.starts);
            QCOMPARE(describeRoads(roads), describeRoads(fromScratch));
            QCOMPARE(roads.shoeStarts(), model.starts);
            // Every change is told, and a new shoe that changes nothing is not.
            if (changes) {
                QVERIFY2(!changed.isEmpty(), qPrintable(where));
            } else if (op == u"new shoe") {
                QVERIFY2(changed.isEmpty(), qPrintable(where));
            }
            changed.clear();
        }
        QVERIFY(undosIntoThePreviousShoe >= 3);
        QVERIFY(cutsThroughAShoe >= 3);
    }

    // A batch (an imported history) is one change of the scoreboard, told once.
    void aBatchIsToldOnce()
    {
        NoxEngine engine(true);
        engine.setAsync(true);
        finish(engine.playValueInternal(2));
        finish(engine.startNewShoe());
        QSignalSpy changed(&engine, &NoxEngine::roadsChanged);
        finish(engine.playValues({1, 1, 0, 2, 2, 2}));
        QTRY_COMPARE(changed.size(), 1);
        const NoxRoads roads = engine.roads();
        QCOMPARE(roads.shoe().toByteArray(), QByteArray("\x01\x01\x00\x02\x02\x02", 6));
        QCOMPARE(roads.bigRoadHeights(), (std::vector<int>{2, 3}));
        QCOMPARE(engine.shoeStarts(), (QList<qsizetype>{1}));
    }

    // The shoes are the player's reading of the table: the methods run over the whole history
    // and give exactly the same figures with or without boundaries.
    void methodsDoNotSeeTheShoes()
    {
        NoxEngine plain(true);
        NoxEngine shoes(true);
        for (NoxEngine *engine : {&plain, &shoes}) {
            engine->setAsync(false);
            engine->loadMethods();
            engine->registerBuiltinMontantes();
            engine->restart(true, true);
            const QList<NoxMethodState *> states = engine->methodStates();
            for (int i = 0; i < 6; ++i) {
                engine->setMethodActive(states.at(i * 11 % states.size())->method()->index(), true);
            }
        }
        std::mt19937_64 random(5);
        for (int i = 0; i < 160; ++i) {
            const int value = int(random() % 10) < 1 ? 0 : 1 + int(random() % 2);
            finish(plain.playValueInternal(value));
            finish(shoes.playValueInternal(value));
            if (i % 37 == 36) {
                finish(shoes.startNewShoe());
            }
            if (i % 53 == 52) {
                finish(plain.cancelPlay());
                finish(shoes.cancelPlay());
            }
        }
        QCOMPARE(shoes.shoeStarts().size(), 4);
        const auto withoutShoes = [](QStringList all) {
            all.removeIf([](const QString &line) {
                return line.startsWith(QLatin1String("shoes=")) || line.startsWith(QLatin1String("roads="));
            });
            return all;
        };
        QCOMPARE(NoxTest::firstDifference(withoutShoes(NoxTest::describeAll(shoes)),
                                          withoutShoes(NoxTest::describeAll(plain))),
                 QString());
        QVERIFY(NoxTest::describeAll(shoes) != NoxTest::describeAll(plain));
    }

    // The roulette edition has no shoes: nothing is kept and nothing is told.
    void rouletteHasNoShoes()
    {
        NoxEngine engine(false);
        engine.setAsync(false);
        finish(engine.playValueInternal(17));
        finish(engine.playValueInternal(0));
        QSignalSpy changed(&engine, &NoxEngine::roadsChanged);
        finish(engine.startNewShoe());
        QVERIFY(changed.isEmpty());
        QVERIFY(engine.shoeStarts().isEmpty());
        QVERIFY(engine.roads().results().isEmpty());
        // Back in the baccarat edition with roulette numbers in the history: still no roads.
        engine.setBaccaratMode(true);
        QVERIFY(engine.roads().results().isEmpty());
        engine.restart(true, true);
        finish(engine.playValueInternal(1));
        QCOMPARE(engine.roads().bigRoadHeights(), (std::vector<int>{1}));
    }

    // The journal records the shoes and reads them back through undos and cuts.
    void theJournalKeepsTheShoes()
    {
        NoxInterruptedSession s = NoxSessionJournal::parse("S 1\n"
                                                           "N 2\n" // nothing played yet: no shoe
                                                           "P 2 3\nP 1 4\n"
                                                           "N 5\nN 6\n" // twice: one boundary
                                                           "P 2 7\nP 1 8\n"
                                                           "N 9\n"
                                                           "U 10\n"  // the empty new shoe goes with the coup
                                                           "N x\n"); // damaged: ignored
        QCOMPARE(s.values, (QList<int>{2, 1, 2}));
        QCOMPARE(s.shoeStarts, (QList<qsizetype>{2}));
        const auto tags = [](const NoxInterruptedSession &session) {
            QByteArray out;
            for (const NoxJournalEntry &e : session.entries) {
                out += e.tag;
            }
            return out;
        };
        // The restore plays the new shoes in their place.
        QCOMPARE(tags(s), QByteArray("NPPNNPPNU"));

        s = NoxSessionJournal::parse("S 1\nP 1 2\nN 3\nU 4\n");
        QCOMPARE(s.values, (QList<int>{}));
        QCOMPARE(s.shoeStarts, (QList<qsizetype>{}));
        s = NoxSessionJournal::parse("S 1\nP 1 2\nP 1 2\nN 3\nP 2 4\nU 5\n");
        QCOMPARE(s.shoeStarts, (QList<qsizetype>{2})); // undoing a shoe's first coup leaves it empty
        s = NoxSessionJournal::parse("S 1\nP 1 2\nP 1 3\nN 4\nP 2 5\nP 2 6\nN 7\nP 1 8\nT 2 9\n");
        QCOMPARE(s.values, (QList<int>{2, 1}));
        QCOMPARE(s.shoeStarts, (QList<qsizetype>{1}));
        s = NoxSessionJournal::parse("S 1\nP 1 2\nP 1 3\nN 4\nP 2 5\nP 2 6\nN 7\nP 1 8\nT 3 9\n");
        QCOMPARE(s.values, (QList<int>{2, 2, 1}));
        QCOMPARE(s.shoeStarts, (QList<qsizetype>{2})); // the cut at a boundary leaves no empty shoe

        // A journal started on a history writes its shoes, an empty last one included.
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("session.journal"));
        for (const QList<qsizetype> &starts :
             {QList<qsizetype>{}, QList<qsizetype>{1, 3}, QList<qsizetype>{2, 5}, QList<qsizetype>{4}}) {
            {
                NoxSessionJournal journal(path);
                QVERIFY(journal.start({1, 2, 2, 0, 1}, QStringLiteral("baccarat"), "{}", starts));
            }
            const NoxInterruptedSession read = NoxSessionJournal::parse(NoxTest::readFile(path));
            QCOMPARE(read.values, (QList<int>{1, 2, 2, 0, 1}));
            QCOMPARE(read.shoeStarts, starts);
        }
    }

    // The journal of a live engine gives back its shoes, and a restore brings them back.
    void aRestoreBringsTheShoesBack()
    {
        QTemporaryDir dir;
        NoxTest::useSandbox(dir);
        const QString org = QStringLiteral("NoxShoesTest");
        QString path;
        QByteArray crashed;
        QList<qsizetype> expected;
        QStringList roadsBefore;
        {
            NoxEngine engine(true);
            engine.setAsync(true);
            engine.setPersistence(true, org);
            engine.restart(true, true);
            for (int v : {2, 1, 1, 0, 1, 2}) {
                engine.playValueInternal(v);
            }
            engine.startNewShoe();
            for (int v : {2, 2, 2, 1}) {
                engine.playValueInternal(v);
            }
            engine.cancelPlay();
            engine.startNewShoe();
            engine.playValueInternal(1);
            engine.cancelPlay();
            finish(engine.startNewShoe());
            expected = engine.shoeStarts();
            roadsBefore = describeRoads(engine.roads());
            path = engine.journalPath();
            crashed = NoxTest::readFile(path);
        }
        QCOMPARE(expected, (QList<qsizetype>{6, 9}));
        QVERIFY(NoxTest::writeFile(path, crashed)); // as a crash leaves it
        NoxEngine engine(true);
        engine.setAsync(true);
        engine.setPersistence(true, org);
        QVERIFY(engine.interruptedSession());
        QCOMPARE(engine.interruptedSession()->shoeStarts, expected);
        QSignalSpy changed(&engine, &NoxEngine::roadsChanged);
        finish(engine.restoreInterruptedSession());
        QTRY_VERIFY(!changed.isEmpty());
        QCOMPARE(engine.shoeStarts(), expected);
        QCOMPARE(describeRoads(engine.roads()), roadsBefore);
        // The restored evening's journal holds them too, for the next crash.
        QCOMPARE(NoxSessionJournal::parse(NoxTest::readFile(path)).shoeStarts, expected);
    }
};

QTEST_GUILESS_MAIN(TestEngineShoes)
#include "tst_engineshoes.moc"
