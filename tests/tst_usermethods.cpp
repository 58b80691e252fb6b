#include "core/noxmethod.h"
#include "core/noxmethodstate.h"
#include "core/noxsnapshotcontext.h"
#include "engine/noxengine.h"
#include "methods/methodeauto.h"
#include "methods/methodefavoris.h"
#include "methods/noxfactory.h"
#include "methods/noxnumberlistparser.h"
#include "testsupport.h"

#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include <stdexcept>

using namespace Nox;
using NoxTest::fixedState;
using NoxTest::readFile;
using NoxTest::writeFile;
using Record = NoxNumberListParser::Record;

namespace {

QStringList userNames(const NoxEngine &engine)
{
    QStringList names;
    for (const NoxMethodState *s : engine.methodStates()) {
        if (s->method()->subtype() == NoxMethodSubType::purpleperso4) {
            names << s->method()->name();
        }
    }
    return names;
}

} // namespace

class TestUserMethods : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        NoxTest::useSandbox(m_dir);
    }

    void lineRules()
    {
        const Record expected{QStringLiteral("Test import"), {1, 2, 3}};
        QCOMPARE(NoxNumberListParser::parseLine(u"Test import:1,2,3"), expected);
        QCOMPARE(NoxNumberListParser::parseLine(u"Test import :1,2,3"), expected);
        QCOMPARE(NoxNumberListParser::parseLine(u"Test import: 1, 2 ,x,3,"), expected);
        QVERIFY(!NoxNumberListParser::parseLine(u"a:1:2"));
        QVERIFY(!NoxNumberListParser::parseLine(u"no colon"));
        QCOMPARE(NoxNumberListParser::parseLine(u":5")->name, QString());
        QCOMPARE(NoxNumberListParser::parse(u"a:1\r\nb:2\n\nbad\nc:1000,0,0\n").size(), 3);
        QCOMPARE(NoxNumberListParser::parse(u"c:1000,0,0").first().ids, (QList<int>{1000, 0, 0}));
    }

    /// A file given by the player: a line is a name and numbers of the game, or it is refused.
    void strictLineRules()
    {
        const auto any = [](int) {
            return true;
        };
        const Record expected{QStringLiteral("Test import"), {1, 2, 3}};
        QCOMPARE(NoxNumberListParser::parseStrictLine(u"Test import:1,2,3", any), expected);
        QCOMPARE(NoxNumberListParser::parseStrictLine(u"  Test import :1, 2 ,3,", any), expected);
        QCOMPARE(NoxNumberListParser::parseStrictLine(u"Test import: 1,,2, ,3", any), expected);
        QCOMPARE(NoxNumberListParser::parseStrictLine(u":5", any), (Record{QString(), {5}}));
        QCOMPARE(NoxNumberListParser::parseStrictLine(u"Méthode été:7", any),
                 (Record{QStringLiteral("Méthode été"), {7}}));
        // Not numbers, or no number at all.
        QVERIFY(!NoxNumberListParser::parseStrictLine(u"Test import: 1, 2 ,x,3,", any));
        QVERIFY(!NoxNumberListParser::parseStrictLine(u"a:", any));
        QVERIFY(!NoxNumberListParser::parseStrictLine(u"a: , ,", any));
        QVERIFY(!NoxNumberListParser::parseStrictLine(u"a:-1", any));
        QVERIFY(!NoxNumberListParser::parseStrictLine(u"a:+1", any));
        QVERIFY(!NoxNumberListParser::parseStrictLine(u"a:1 2", any));
        QVERIFY(!NoxNumberListParser::parseStrictLine(u"a:99999999999", any));
        QVERIFY(!NoxNumberListParser::parseStrictLine(u"a:1:2", any));
        QVERIFY(!NoxNumberListParser::parseStrictLine(u"no colon", any));
        // Names a binary file gives: control characters, bytes that are not UTF-8.
        QVERIFY(!NoxNumberListParser::parseStrictLine(
            QString(QStringLiteral("a") + QChar(0) + QStringLiteral("b:1")), any));
        QVERIFY(!NoxNumberListParser::parseStrictLine(QString(QChar(1) + QStringLiteral("IHDR:1")), any));
        QVERIFY(!NoxNumberListParser::parseStrictLine(QString::fromUtf8("\x89PNG:1"), any));
        QVERIFY(!NoxNumberListParser::parseStrictLine(QString(QStringLiteral("a\tb:1")), any));
        const QString longest(NoxNumberListParser::kMaxNameLength, QLatin1Char('n'));
        QVERIFY(NoxNumberListParser::parseStrictLine(QString(longest + QStringLiteral(":1")), any));
        QVERIFY(!NoxNumberListParser::parseStrictLine(QString(longest + QStringLiteral("n:1")), any));
        // Numbers the game does not play.
        const auto small = [](int n) {
            return n < 10;
        };
        QVERIFY(NoxNumberListParser::parseStrictLine(u"a:1,9", small));
        QVERIFY(!NoxNumberListParser::parseStrictLine(u"a:1,10", small));
    }

    /// The reading of a file counts the refused lines and keeps the first line numbers.
    void readingReport()
    {
        const auto any = [](int) {
            return true;
        };
        const NoxNumberListParser::Reading reading =
            NoxNumberListParser::read(u"a:1\r\n\r\nbad\n  \nb:2\nc:x\n", any);
        QCOMPARE(reading.records, (QList<Record>{{QStringLiteral("a"), {1}}, {QStringLiteral("b"), {2}}}));
        QCOMPARE(reading.refused, 2);
        QCOMPARE(reading.firstRefusedLines, (QList<int>{3, 6}));

        QString many;
        for (int i = 0; i < 9; ++i) {
            many += QStringLiteral("junk\n");
        }
        const NoxNumberListParser::Reading junk = NoxNumberListParser::read(many, any);
        QVERIFY(junk.records.isEmpty());
        QCOMPARE(junk.refused, 9);
        QCOMPARE(junk.firstRefusedLines, (QList<int>{1, 2, 3, 4, 5}));
    }

    /// A binary file gives no method with a garbage name: every line is refused.
    void binaryFileIsRefused()
    {
        QByteArray data("\x89PNG\r\n\x1a\n\0\0\0\rIHDR\0\0\x01:\0\x02\x08\x06\n", 25);
        QRandomGenerator rng(3);
        for (int i = 0; i < 200; ++i) {
            QByteArray garbage(int(rng.bounded(1, 60)), '\0');
            for (char &c : garbage) {
                c = char(rng.bounded(256));
            }
            // A byte that is never UTF-8, as every binary file holds.
            data += '\xff' + garbage.replace('\n', ' ') + ':' + QByteArray::number(i % 3) + '\n';
        }
        const QString path = m_dir.filePath(QStringLiteral("binary.txt"));
        QVERIFY(writeFile(path, data));
        for (bool baccarat : {true, false}) {
            NoxEngine engine(baccarat);
            NoxNumberListReading reading;
            QCOMPARE(engine.loadUserMethods(QUrl::fromLocalFile(path), false, true, &reading), 0);
            QVERIFY(userNames(engine).isEmpty());
            QCOMPARE(reading.refused, 203);
            QCOMPARE(reading.firstRefusedLines, (QList<int>{1, 2, 3, 4, 5}));
        }
    }

    /// Baccarat methods play the three results; roulette numbers are not of this game.
    void baccaratTakesItsResults()
    {
        const QString path = m_dir.filePath(QStringLiteral("baccarat.txt"));
        QVERIFY(writeFile(path, "Banker:4002\nMethode 21:0,1,2,3\nDeux: 4001 , 4000\n"));
        NoxEngine engine(true);
        NoxNumberListReading reading;
        QCOMPARE(engine.loadUserMethods(QUrl::fromLocalFile(path), false, false, &reading), 2);
        QCOMPARE(userNames(engine), (QStringList{QStringLiteral("Banker"), QStringLiteral("Deux")}));
        QCOMPARE(reading.refused, 1);
        QCOMPARE(reading.firstRefusedLines, QList<int>{2});
        // The same file on roulette takes the numbers and refuses the baccarat items.
        NoxEngine roulette(false);
        QCOMPARE(roulette.loadUserMethods(QUrl::fromLocalFile(path), false, false, &reading), 1);
        QCOMPARE(userNames(roulette), QStringList{QStringLiteral("Methode 21")});
        QCOMPARE(reading.firstRefusedLines, (QList<int>{1, 3}));
    }

    void resources()
    {
        for (const char *name : {"method13.txt", "method18.txt", "method24.txt"}) {
            const QList<Record> records =
                NoxNumberListParser::parse(NoxEngine::readResource(QLatin1String(name)));
            QCOMPARE(records.size(), 1000);
            const int size = QByteArray(name).mid(6, 2).toInt();
            QSet<QList<int>> distinct;
            for (int i = 0; i < records.size(); ++i) {
                QCOMPARE(records.at(i).name, QStringLiteral("%1.%2").arg(size).arg(i + 1));
                QCOMPARE(records.at(i).ids.size(), size);
                for (int n : records.at(i).ids) {
                    QVERIFY(n >= 0 && n <= 36);
                }
                distinct.insert(records.at(i).ids);
            }
            QCOMPARE(distinct.size(), 1000);
        }
        const QStringList series = NoxEngine::readResource(QStringLiteral("seriegrp.txt"))
                                       .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(series.size(), 18000);
        QVERIFY(series.first().startsWith(QLatin1Char(' ')) && series.first().endsWith(QLatin1Char(' ')));
        QCOMPARE(series.first().split(QLatin1Char(' '), Qt::SkipEmptyParts).size(), 12);
        QCOMPARE(
            NoxNumberListParser::parse(NoxEngine::readResource(QStringLiteral("methodes_par_defaut.txt")))
                .size(),
            1206);
        try {
            (void)NoxEngine::readResource(QStringLiteral("nothing.txt"));
            QFAIL("no error");
        } catch (const std::runtime_error &e) {
            QCOMPARE(QString::fromStdString(e.what()), QStringLiteral("Error: missing resource nothing.txt"));
        }
    }

    void loadAndSave()
    {
        const QString path = m_dir.filePath(QStringLiteral("users.txt"));
        QVERIFY(writeFile(path, "first:1,2,3\nsecond :4,5\nthird: 6\nbroken:1:2\n"));
        NoxEngine engine(false);
        engine.addMethodState(
            fixedState(QStringLiteral("catalogue"), NoxMethodType::cs, {NoxBetItemID::CS_R}));
        QCOMPARE(engine.loadUserMethods(QUrl::fromLocalFile(path)), 3);
        QCOMPARE(userNames(engine),
                 (QStringList{QStringLiteral("first"), QStringLiteral("second"), QStringLiteral("third")}));
        const NoxMethodState *first = engine.methodState(1);
        QCOMPARE(first->method()->key(), QStringLiteral("/perso/first"));
        QCOMPARE(first->method()->type(), NoxMethodType::plein);
        QCOMPARE(first->nbBlockDom(), 3);
        QCOMPARE(first->ecartNotif(), 6);
        QCOMPARE(first->method()->coveredNumbers(), (QList<int>{1, 2, 3}));

        // Newest first, " :" before the numbers.
        const QString saved = m_dir.filePath(QStringLiteral("saved.txt"));
        QVERIFY(engine.saveUserMethods(QUrl::fromLocalFile(saved)));
        QCOMPARE(readFile(saved), QByteArray("third :6\nsecond :4,5\nfirst :1,2,3\n"));

        // Both flags off: same names are added again.
        QCOMPARE(engine.loadUserMethods(QUrl::fromLocalFile(saved)), 3);
        QCOMPARE(userNames(engine).size(), 6);
        // Replace: each line replaces the methods of its name.
        QVERIFY(writeFile(path, "second:7\n"));
        engine.loadUserMethods(QUrl::fromLocalFile(path), false, true);
        QCOMPARE(userNames(engine).count(QStringLiteral("second")), 1);
        QCOMPARE(userNames(engine).size(), 5);
        // An empty name with replace removes every user method first.
        QVERIFY(writeFile(path, ":8,9\n"));
        engine.loadUserMethods(QUrl::fromLocalFile(path), false, true);
        QCOMPARE(userNames(engine), QStringList{QString()});
        // Clear first.
        QVERIFY(writeFile(path, "x:1\ny:2\n"));
        engine.loadUserMethods(QUrl::fromLocalFile(path), true, false);
        QCOMPARE(userNames(engine), (QStringList{QStringLiteral("x"), QStringLiteral("y")}));
        QCOMPARE(engine.methodState(0)->method()->name(), QStringLiteral("catalogue"));
        QCOMPARE(engine.loadUserMethods(QUrl::fromLocalFile(m_dir.filePath(QStringLiteral("missing.txt")))),
                 -1);
    }

    void badFilesLoadWhatIsValid()
    {
        QByteArray data("good:1,2\n");
        QRandomGenerator rng(9);
        for (int i = 0; i < 2000; ++i) {
            QByteArray garbage(int(rng.bounded(80)), '\0');
            for (char &c : garbage) {
                c = char(rng.bounded(256));
            }
            data += garbage.replace(':', ';') + '\n';
        }
        data += "toolong:" + QByteArray(200000, '1') + "\n";
        data += "range:1,99,3\n";      // 99 is no bet item: skipped with a warning
        data += "chances:1000,1001\n"; // any bet item is accepted
        for (int i = 0; i < 3000; ++i) {
            data += "m" + QByteArray::number(i) + ":" + QByteArray::number(i % 37) + "\n";
        }
        const QString path = m_dir.filePath(QStringLiteral("garbage.txt"));
        QVERIFY(writeFile(path, data));
        NoxEngine engine(false);
        QTest::ignoreMessage(QtWarningMsg, "Failed to load item 99");
        QCOMPARE(engine.loadUserMethods(QUrl::fromLocalFile(path)), 3002);
        QCOMPARE(userNames(engine).first(), QStringLiteral("good"));
        QVERIFY(userNames(engine).contains(QStringLiteral("chances")));
        QVERIFY(!userNames(engine).contains(QStringLiteral("range")));
    }

    void removeAndUpsert()
    {
        NoxEngine engine(false);
        engine.addMethodState(
            fixedState(QStringLiteral("catalogue"), NoxMethodType::cs, {NoxBetItemID::CS_R}));
        const int a = engine.upsertUserMethod(100, QStringLiteral("a"), {1, 2});
        const int b = engine.upsertUserMethod(101, QStringLiteral("b"), {3});
        QCOMPARE(a, 1);
        QCOMPARE(b, 2);
        for (int v : {1, 5, 3}) {
            engine.playValueInternal(v);
        }
        QCOMPARE(engine.methodState(a)->nbWins(), 1);
        // Refilled: renamed, new numbers, statistics replayed over the history.
        QCOMPARE(engine.upsertUserMethod(a, QStringLiteral("a2"), {5}), a);
        QCOMPARE(engine.methodState(a)->method()->name(), QStringLiteral("a2"));
        QCOMPARE(engine.methodState(a)->method()->key(), QStringLiteral("/perso/a"));
        QCOMPARE(engine.methodState(a)->method()->coveredNumbers(), QList<int>{5});
        QCOMPARE(engine.methodState(a)->nbWins(), 1);
        QCOMPARE(engine.methodState(a)->ecart(), 1);
        QCOMPARE(engine.upsertUserMethod(0, QStringLiteral("no"), {1}), -1); // not a user method

        engine.removeUserMethod(0); // ignored: not a user method
        engine.removeUserMethod(a);
        QCOMPARE(engine.methodStates().size(), 2);
        QVERIFY(!engine.methodState(a));
        // Identifiers are not reused after a removal.
        const int c = engine.upsertUserMethod(-1, QStringLiteral("c"), {7});
        QCOMPARE(c, 3);
        QCOMPARE(engine.methodState(b)->method()->name(), QStringLiteral("b"));
        engine.removeAllUserMethods();
        QCOMPARE(engine.methodStates().size(), 1);
    }

    void persistedWithTheSettings()
    {
        const QString org = QStringLiteral("UserTest");
        {
            NoxEngine engine(false);
            engine.setPersistence(true, org);
            engine.upsertUserMethod(-1, QStringLiteral("Mine"), {4, 5});
            engine.setMethodActive(0, true);
            engine.setMethodEcartNotif(0, 9);
        }
        QCOMPARE(readFile(m_dir.path() + QStringLiteral("/UserTest/methodes_par_defaut.txt")),
                 QByteArray("Mine :4,5\n"));
        NoxEngine engine(false);
        engine.setPersistence(true, org);
        QCOMPARE(engine.loadUserMethods(), 1);
        QVERIFY(engine.methodState(0)->isActive());
        QCOMPARE(engine.methodState(0)->ecartNotif(), 9);
        engine.setPersistence(false);
    }

    // What the engine keeps for the evening is what the file gives back at the next start: the
    // bet items themselves are saved, and what the file would refuse is refused at once.
    void savedMethodsComeBackAtTheNextStart()
    {
        const QString org = QStringLiteral("UserRoundTrip");
        {
            NoxEngine engine(true);
            engine.setPersistence(true, org);
            QVERIFY(engine.upsertUserMethod(-1, QStringLiteral("  Banque "), {4002, 4000}) >= 0);
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("User method refused")));
            QCOMPARE(engine.upsertUserMethod(-1, QStringLiteral("Roulette"), {1, 2}), -1);
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("User method refused")));
            QCOMPARE(engine.upsertUserMethod(-1, QStringLiteral("a:b"), {4001}), -1);
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("User method refused")));
            QCOMPARE(engine.upsertUserMethod(-1, QStringLiteral("two\nlines"), {4001}), -1);
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("User method refused")));
            QCOMPARE(engine.upsertUserMethod(-1, QStringLiteral("empty"), {}), -1);
            QCOMPARE(userNames(engine), QStringList{QStringLiteral("Banque")});
            // Refilled with numbers of the other game: refused, the method keeps its items.
            const int id = engine.methodStates().last()->method()->index();
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("User method refused")));
            QCOMPARE(engine.upsertUserMethod(id, QStringLiteral("Banque"), {7}), -1);
            QCOMPARE(engine.methodState(id)->method()->itemsToPlay(),
                     (QList<NoxBetItemID>{NoxBetItemID::B_BANKER, NoxBetItemID::B_TIE}));
        }
        QCOMPARE(readFile(m_dir.path() + QStringLiteral("/UserRoundTrip/methodes_par_defaut.txt")),
                 QByteArray("Banque :4002,4000\n"));
        {
            NoxEngine engine(true);
            engine.setPersistence(true, org);
            QCOMPARE(engine.loadUserMethods(), 1);
            QCOMPARE(engine.methodStates().last()->method()->itemsToPlay(),
                     (QList<NoxBetItemID>{NoxBetItemID::B_BANKER, NoxBetItemID::B_TIE}));
            engine.setPersistence(false);
        }
        // A roulette chance stays one bet item, not the 18 numbers it covers.
        const QString org2 = QStringLiteral("UserRoundTripRoulette");
        {
            NoxEngine engine(false);
            engine.setPersistence(true, org2);
            QVERIFY(engine.upsertUserMethod(-1, QStringLiteral("Rouge"), {int(NoxBetItemID::CS_R), 0}) >= 0);
            QTest::ignoreMessage(QtWarningMsg, QRegularExpression(QStringLiteral("User method refused")));
            QCOMPARE(engine.upsertUserMethod(-1, QStringLiteral("Player"), {4001}), -1);
        }
        NoxEngine engine(false);
        engine.setPersistence(true, org2);
        QCOMPARE(engine.loadUserMethods(), 1);
        QCOMPARE(engine.methodStates().last()->method()->itemsToPlay(),
                 (QList<NoxBetItemID>{NoxBetItemID::CS_R, NoxBetItemID::N0}));
        engine.setPersistence(false);
    }

    void numberSetsAndTheirAutomaticMethod()
    {
        NoxEngine engine(false);
        engine.addMethodState(fixedState(QStringLiteral("other"), NoxMethodType::plein, {NoxBetItemID::N1}));
        NoxFactory factory(&engine, nullptr);
        factory.loadNumberSetMethods(QStringLiteral("method13.txt"), QStringLiteral("AUTO 13"), 10);
        const QList<NoxMethodState *> states = engine.methodStates();
        QCOMPARE(states.size(), 1002);
        QCOMPARE(states.at(1)->method()->name(), QStringLiteral("AZ13.1"));
        QCOMPARE(states.at(1)->method()->subtype(), NoxMethodSubType::none);
        QVERIFY(!(states.at(1)->playModeFlags() & NoxMethodState::NormalList));
        QVERIFY(states.at(1)->zeroOption());
        const auto *automatic = static_cast<const MethodeAuto *>(states.last()->method());
        QCOMPARE(automatic->name(), QStringLiteral("AUTO 13"));
        QVERIFY(automatic->isSticky());
        QCOMPARE(automatic->sortType(), ScoreMasseEgale);
        QCOMPARE(automatic->candidateIndexes().size(), 1000);
        QVERIFY(!automatic->candidateIndexes().contains(0));
        QCOMPARE(automatic->quickModeRank(), 10);
        QCOMPARE(states.last()->ecartNotif(), 8);
        engine.restart(true, true);
        QRandomGenerator rng(4);
        for (int i = 0; i < 30; ++i) {
            engine.playValueInternal(int(rng.bounded(37)));
            const int choice = automatic->currentChoice();
            QVERIFY(choice == -1 || (choice >= 1 && choice <= 1000));
        }
        QVERIFY_THROWS_EXCEPTION(
            std::runtime_error,
            factory.loadNumberSetMethods(QStringLiteral("method99.txt"), QStringLiteral("x"), 1));
    }

    // An automatic method of the engine ranks the methods of the list as it is at each coup,
    // while user methods come and go between coups (one leaves and another comes, the list
    // keeping its length): its choice is that of an automatic method walking the list afresh.
    void automaticMethodFollowsUserMethods()
    {
        NoxEngine engine(false);
        for (int k = 0; k < 4; ++k) {
            engine.addMethodState(fixedState(QStringLiteral("catalogue %1").arg(k), NoxMethodType::plein,
                                             {NoxBetItemID(1 + 7 * k), NoxBetItemID(2 + 7 * k)}));
        }
        auto *automatic = new MethodeAuto(QStringLiteral("auto"), Score, false, 0);
        engine.addMethodState(new NoxMethodState(automatic));
        QList<int> users;
        for (int k = 0; k < 3; ++k) {
            users.append(
                engine.upsertUserMethod(-1, QStringLiteral("user %1").arg(k), {3 * k, 3 * k + 1, 20 + k}));
        }
        QRandomGenerator rng(17);
        int fromUsers = 0;
        for (int coup = 0; coup < 240; ++coup) {
            if (coup % 9 == 8) {
                engine.removeUserMethod(users.takeAt(int(rng.bounded(users.size()))));
                QList<int> numbers;
                for (int n = 1 + int(rng.bounded(4)); n > 0; --n) {
                    numbers.append(int(rng.bounded(37)));
                }
                users.append(engine.upsertUserMethod(-1, QStringLiteral("user c%1").arg(coup), numbers));
            }
            engine.playValueInternal(int(rng.bounded(37)));
            const QList<int> values = engine.playedValues();
            const QList<NoxMethodState *> states = engine.methodStates();
            MethodeAuto fresh(QStringLiteral("fresh"), Score, false, 0);
            fresh.setIndex(automatic->index());
            NoxSnapshotContext plain(values, states, nullptr, int(values.size()));
            fresh.process(plain);
            QCOMPARE(automatic->currentChoice(), fresh.currentChoice());
            fromUsers += users.contains(automatic->currentChoice()) ? 1 : 0;
        }
        // The user methods were chosen now and then.
        QVERIFY(fromUsers > 10);
    }

    void favourites()
    {
        MethodeFavoris favoris;
        QCOMPARE(favoris.parameters().size(), 10);
        QCOMPARE(favoris.parameters().first().name, QStringLiteral("numerosFetiches"));
        QCOMPARE(favoris.compute({3, 17}, {}, 1), (QList<int>{17, 25, 34}));
        QVERIFY(favoris.compute({}, {}, 1).isEmpty());

        favoris.setParameters(
            {NoxMethodParameter::named(QStringLiteral("numerosFetiches"), QStringLiteral("7, 8,x,99")),
             NoxMethodParameter::named(QStringLiteral("nbVoisinsDoublon"), 4),
             NoxMethodParameter::named(QStringLiteral("jouerHistorique"), true),
             NoxMethodParameter::named(QStringLiteral("nbHistorique"), 2)});
        QCOMPARE(favoris.numerosFetiches(), (QList<int>{7, 8}));
        // Favourites, 17 with two neighbours each side, then the two most recent distinct numbers.
        QCOMPARE(favoris.compute({3, 17, 17}, {}, 1), (QList<int>{7, 8, 17, 25, 34, 2, 6, 3}));

        // Methods in number mode: their numbers count only through the holes they close.
        NoxEngine engine(false);
        NoxMethodState *a =
            fixedState(QStringLiteral("a"), NoxMethodType::plein, {NoxBetItemID::N32, NoxBetItemID::N19});
        a->setNumberMode(true);
        engine.addMethodState(a);
        engine.setMethodActive(0, true);
        MethodeFavoris holes;
        holes.setParameters({NoxMethodParameter::named(QStringLiteral("couvrirDoublon"), false),
                             NoxMethodParameter::named(QStringLiteral("useBoucheTrou"), true),
                             NoxMethodParameter::named(QStringLiteral("jouerAvecMethode"), true)});
        QCOMPARE(holes.compute({}, engine.methodStates(), 1), QList<int>{15}); // 32 _15_ 19
        engine.setMethodActive(0, false);
        QVERIFY(holes.compute({}, engine.methodStates(), 1).isEmpty());
    }

private:
    QTemporaryDir m_dir;
};

QTEST_GUILESS_MAIN(TestUserMethods)
#include "tst_usermethods.moc"
