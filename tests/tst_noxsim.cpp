#include "noxbaccaratshoe.h"
#include "noxflatstake.h"
#include "noxsimulator.h"

#include "engine/noxengine.h"
#include "engine/noxmethod.h"
#include "engine/noxmethodstate.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>

using namespace Nox;

namespace {

// Dealt coups of `shoes` shoes.
std::vector<int> dealt(int shoes, uint64_t seed)
{
    NoxBaccaratShoe dealer(seed);
    std::vector<int> all;
    for (int i = 0; i < shoes; ++i) {
        const std::vector<int> coups = dealer.dealShoe();
        all.insert(all.end(), coups.begin(), coups.end());
    }
    return all;
}

// The house edge of one flat bet and its standard error, over the coups.
struct Edge {
    double edge;
    double error;
};

Edge flatEdge(const std::vector<int> &coups, NoxBetItemID item)
{
    NoxFlatStake flat;
    double sum = 0;
    double sumSquares = 0;
    for (int v : coups) {
        const double before = flat.profit();
        flat.record({item}, v, true);
        const double x = flat.profit() - before;
        sum += x;
        sumSquares += x * x;
    }
    const double n = double(coups.size());
    const double mean = sum / n;
    const double sd = std::sqrt(sumSquares / n - mean * mean);
    return {-flat.profit() / flat.staked(), sd / std::sqrt(n)};
}

int cards(std::initializer_list<int> values, int *result)
{
    const std::vector<int> v(values);
    return NoxBaccaratShoe::playCoup(v.data(), int(v.size()), result);
}

QString noxsim()
{
    return QStringLiteral(NOXSIM_PATH);
}

} // namespace

class TestNoxSim : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLoggingCategory::setFilterRules(QStringLiteral("nox.*.debug=false")); }

    void drawingRules()
    {
        int r = -1;
        // Cards in dealing order: player, banker, player, banker, then third cards.
        QCOMPARE(cards({9, 7, 0, 0, 5, 5}, &r), 4); // natural 9 against 7
        QCOMPARE(r, int(NoxBaccaratShoe::Player));
        QCOMPARE(cards({3, 1, 3, 2, 8, 0}, &r), 5); // player 6 stands, banker 3 draws 8 -> 1
        QCOMPARE(r, int(NoxBaccaratShoe::Player));
        QCOMPARE(cards({0, 1, 5, 2, 8, 9}, &r), 5); // player draws 8 -> 3, banker 3 stands on an 8
        QCOMPARE(r, int(NoxBaccaratShoe::Tie));
        QCOMPARE(cards({2, 2, 2, 2, 1, 0}, &r), 5); // player draws an ace (5), banker 4 stands on it
        QCOMPARE(r, int(NoxBaccaratShoe::Player));
        QCOMPARE(cards({2, 2, 2, 2, 2, 5}, &r), 6); // banker 4 draws on a 2: 4 + 5 = 9
        QCOMPARE(r, int(NoxBaccaratShoe::Banker));
        QCOMPARE(cards({1, 3, 1, 3, 6, 1}, &r), 6); // banker 6 draws on a 6: 7 against 8
        QCOMPARE(r, int(NoxBaccaratShoe::Player));
        QCOMPARE(cards({1, 3, 1, 3}, &r), 0); // not enough cards

        const std::vector<int> a = dealt(3, 42);
        QCOMPARE(a, dealt(3, 42)); // reproducible
        QVERIFY(a != dealt(3, 43));
        QVERIFY(a.size() > 200 && a.size() < 260); // about 80 coups a shoe
    }

    void dealtOddsAndHouseEdges()
    {
        const std::vector<int> coups = dealt(30000, 2026);
        const double n = double(coups.size());
        QVERIFY(n > 2.3e6);
        const double expected[] = {0.095156, 0.446247, 0.458597}; // tie, player, banker
        for (int outcome = 0; outcome < 3; ++outcome) {
            const double p = double(std::count(coups.begin(), coups.end(), outcome)) / n;
            const double error = std::sqrt(expected[outcome] * (1 - expected[outcome]) / n);
            QVERIFY2(std::abs(p - expected[outcome]) < 5 * error,
                     qPrintable(QStringLiteral("outcome %1: %2").arg(outcome).arg(p)));
        }
        const QPair<NoxBetItemID, double> edges[] = {{NoxBetItemID::B_BANKER, 0.0106},
                                                     {NoxBetItemID::B_PLAYER, 0.0124},
                                                     {NoxBetItemID::B_TIE, 0.1436}};
        for (const auto &[item, house] : edges) {
            const Edge e = flatEdge(coups, item);
            QVERIFY2(
                std::abs(e.edge - house) < 5 * e.error,
                qPrintable(QStringLiteral("item %1: edge %2 +- %3").arg(int(item)).arg(e.edge).arg(e.error)));
        }
    }

    void flatStakeRecord()
    {
        NoxFlatStake flat;
        flat.record({NoxBetItemID::B_BANKER}, 1, true); // lost
        flat.record({NoxBetItemID::B_BANKER}, 0, true); // push
        flat.record({NoxBetItemID::B_BANKER}, 1, true); // lost
        flat.record({}, 2, true);                       // no bet
        flat.record({NoxBetItemID::B_BANKER}, 2, true); // won
        QCOMPARE(flat.coups(), 4);
        QCOMPARE(flat.pushes(), 1);
        QCOMPARE(flat.wins(), 1);
        QCOMPARE(flat.largestGap(), 2);
        QCOMPARE(flat.profit(), -1.05);
        QCOMPARE(flat.largestDrawdown(), 2.0);
        QCOMPARE(flat.ratio(), 100.0 / 3);
        NoxFlatStake roulette;
        roulette.record({NoxBetItemID::CS_R}, 0, false); // zero loses at roulette
        QCOMPARE(roulette.profit(), -1.0);
    }

    void historyFiles()
    {
        QList<QList<int>> shoes;
        QStringList errors;
        QVERIFY(NoxSimulator::parseHistory(QStringLiteral("# shoe 1\nP\nb\n\n\nT\n P \n"), true, &shoes,
                                           &errors));
        QCOMPARE(shoes, (QList<QList<int>>{{1, 2}, {0, 1}}));
        QVERIFY(!NoxSimulator::parseHistory(QStringLiteral("P\nX\nB\n12\n"), true, &shoes, &errors));
        QCOMPARE(errors.size(), 2);
        QVERIFY(errors.first().startsWith(QStringLiteral("line 2:")));
        QVERIFY(errors.last().startsWith(QStringLiteral("line 4:")));
        errors.clear();
        QVERIFY(!NoxSimulator::parseHistory(QStringLiteral("17\n37\n-1\n0\n"), false, &shoes, &errors));
        QCOMPARE(errors.size(), 2);
        errors.clear();
        QVERIFY(NoxSimulator::parseHistory(QStringLiteral("17\n0\n36\n"), false, &shoes, &errors));
        QCOMPARE(shoes, (QList<QList<int>>{{17, 0, 36}}));
    }

    void replayMatchesTheEngine()
    {
        const std::vector<int> coups = dealt(1, 5);
        const QList<int> values(coups.begin(), coups.end());
        const QStringList active{QStringLiteral("BANKER"), QStringLiteral("Figure 05"),
                                 QStringLiteral("AUTO Hawks"), QStringLiteral("TIE")};

        NoxSimulator::Config config;
        config.methods = active;
        config.montantes.insert(QStringLiteral("cs"), QStringLiteral("Martingale classique (commune)"));
        config.chips.insert(QStringLiteral("cs"), 500);
        config.capital = 50000;
        NoxSimulator simulator(config);
        QString error;
        QVERIFY2(simulator.prepare(&error), qPrintable(error));
        simulator.playShoe(values);

        NoxEngine engine(true);
        engine.setAsync(true);
        engine.loadMethods();
        engine.registerBuiltinMontantes();
        engine.loadMontanteLibrary(QUrl::fromLocalFile(QStringLiteral(":/data/montantes.dat")));
        NoxFinancial f = engine.financial();
        f.cs.jeton = f.cs.jetonOrigine = 500;
        f.capitalOrigine = f.capital = f.capitalMin = f.capitalMax = 50000;
        engine.setFinancialConfig(f);
        QVERIFY(engine.selectMontante(NoxMethodType::cs, QStringLiteral("Martingale classique (commune)")));
        engine.restart(true, true);
        for (const NoxMethodState *s : engine.methodStates()) {
            if (active.contains(s->method()->name())) {
                engine.setMethodActive(s->method()->index(), true);
            }
        }
        engine.playValues(values).waitForFinished();

        const NoxSimulator::Bankroll b = simulator.bankroll();
        QCOMPARE(b.financial, engine.financial());
        QCOMPARE(b.stats, engine.financialStats());
        QVERIFY(b.stats.betWinCount + b.stats.betLossCount > 20);
        QCOMPARE(b.coups, int(values.size()));

        const auto results = simulator.methodResults();
        const auto banker =
            std::find_if(results.begin(), results.end(), [](const auto &r) { return r.name == u"BANKER"; });
        QCOMPARE(banker->flat.coups(), int(values.size()));
        QVERIFY(banker->active);
    }

    void commandLine()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const auto run = [](const QStringList &args, QString *out, QString *err) {
            QProcess p;
            p.start(noxsim(), args);
            p.waitForFinished(120000);
            *out = QString::fromUtf8(p.readAllStandardOutput());
            *err = QString::fromUtf8(p.readAllStandardError());
            return p.exitCode();
        };
        QString out;
        QString err;
        QCOMPARE(run({QStringLiteral("--method"), QStringLiteral("Nope")}, &out, &err), 2);
        QVERIFY(err.contains(QStringLiteral("unknown method \"Nope\"")));
        QCOMPARE(run({QStringLiteral("--montante"), QStringLiteral("cs=Nothing")}, &out, &err), 2);
        QVERIFY(err.contains(QStringLiteral("unknown progression \"Nothing\" for cs")));
        QCOMPARE(run({dir.filePath(QStringLiteral("missing.txt"))}, &out, &err), 2);
        QVERIFY(err.contains(QStringLiteral("cannot read")));

        const QString history = dir.filePath(QStringLiteral("h.txt"));
        QFile file(history);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("P\nB\nB\nT\nP\nZ\n");
        file.close();
        QCOMPARE(run({history}, &out, &err), 2);
        QVERIFY(err.contains(QStringLiteral("line 6: \"Z\"")));

        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("P\nB\nB\nT\nP\nB\n");
        file.close();
        const QString json = dir.filePath(QStringLiteral("r.json"));
        const QString csv = dir.filePath(QStringLiteral("r.csv"));
        QCOMPARE(run({history, QStringLiteral("--method"), QStringLiteral("BANKER"), QStringLiteral("--json"),
                      json, QStringLiteral("--csv"), csv},
                     &out, &err),
                 0);
        QVERIFY(out.contains(QStringLiteral("over 6 coups in 1 shoes")));
        QFile jsonFile(json);
        QVERIFY(jsonFile.open(QIODevice::ReadOnly));
        const QJsonObject root = QJsonDocument::fromJson(jsonFile.readAll()).object();
        QCOMPARE(root.value(QStringLiteral("bankroll")).toObject().value(QStringLiteral("coups")).toInt(), 6);
        QCOMPARE(root.value(QStringLiteral("methods")).toArray().size(), 78);
        QFile csvFile(csv);
        QVERIFY(csvFile.open(QIODevice::ReadOnly));
        QCOMPARE(csvFile.readAll().count('\n'), 79);
    }
};

QTEST_GUILESS_MAIN(TestNoxSim)
#include "tst_noxsim.moc"
