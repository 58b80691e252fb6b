#include "noxbaccaratshoe.h"
#include "noxchancemodel.h"
#include "noxexactsum.h"
#include "noxflatstake.h"
#include "noxroulettewheel.h"
#include "noxsimbankroll.h"
#include "noxsimhistory.h"
#include "noxsimresult.h"
#include "noxsimrun.h"
#include "noxsimulator.h"
#include "noxsplitmix.h"

#include "core/noxmethod.h"
#include "core/noxmethodstate.h"
#include "engine/noxengine.h"

#include <QBuffer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>
#include <random>

#ifndef Q_OS_WIN
#include <sys/resource.h>
#endif

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

// The process's exit code, with its output.
int runNoxsim(const QStringList &args, QString *out, QString *err)
{
    QProcess p;
    p.start(noxsim(), args);
    p.waitForFinished(-1); // the test's own time limit stops a run that hangs
    *out = QString::fromUtf8(p.readAllStandardOutput());
    *err = QString::fromUtf8(p.readAllStandardError());
    return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
}

// A sanitizer build maps its shadow memory as data: a limit on the data would stop noxsim
// before main(). Such a build only checks the messages, as does Windows, which has no such limit.
#if defined(Q_OS_WIN)
using rlim_t = quint64;
constexpr bool kLimitData = false;
#elif defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
constexpr bool kLimitData = false;
#else
constexpr bool kLimitData = true;
#endif

// The same with the process's data (heap and anonymous memory) limited to `bytes`: a reader
// that holds the whole file, or a list of every bad line, runs out of it and aborts.
int runNoxsimWithin(rlim_t bytes, const QStringList &args, QString *out, QString *err)
{
    QProcess p;
#ifdef Q_OS_WIN
    Q_UNUSED(bytes)
#else
    if (kLimitData) {
        p.setChildProcessModifier([bytes] {
            const rlimit limit{bytes, bytes};
            setrlimit(RLIMIT_DATA, &limit);
        });
    }
#endif
    p.start(noxsim(), args);
    p.waitForFinished(-1); // the test's own time limit stops a run that hangs
    *out = QString::fromUtf8(p.readAllStandardOutput());
    *err = QString::fromUtf8(p.readAllStandardError());
    return p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
}

constexpr rlim_t kDataLimit = 100 * 1024 * 1024;

bool writeFile(const QString &path, const QByteArray &data)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(data) == data.size();
}

QJsonObject readJson(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QJsonDocument::fromJson(file.readAll()).object() : QJsonObject();
}

bool writeJson(const QString &path, const QJsonObject &object)
{
    return writeFile(path, QJsonDocument(object).toJson());
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Dealt shoe `index` of a run seeded with `seed`, as noxsim deals it.
QList<int> dealtShoe(uint64_t seed, qint64 index)
{
    NoxBaccaratShoe dealer(NoxSplitMix::streamSeed(seed, uint64_t(index)));
    const std::vector<int> coups = dealer.dealShoe();
    return QList<int>(coups.begin(), coups.end());
}

NoxSimulator::Config smallConfig()
{
    NoxSimulator::Config config;
    config.methods = {QStringLiteral("BANKER"), QStringLiteral("Figure 05"), QStringLiteral("AUTO Hawks"),
                      QStringLiteral("TIE")};
    config.montantes.insert(QStringLiteral("cs"), QStringLiteral("Martingale classique (commune)"));
    config.chips.insert(QStringLiteral("cs"), 500);
    config.capital = 50000;
    config.stopLoss = 20000;
    config.takeProfit = 5000;
    return config;
}

NoxSimResult playRun(const NoxSimulator::Config &config, qint64 first, qint64 count, qint64 total, int jobs)
{
    NoxSimResult result;
    QString error;
    const QJsonObject run{{QStringLiteral("seed"), QStringLiteral("7")}};
    const bool ok = NoxSimRun::play(
        config, run, [](qint64 i) { return dealtShoe(7, i); }, first, count, total, jobs, &result, &error);
    if (!ok) {
        qWarning() << error;
    }
    return result;
}

// A random coup of a flat-stake record: a bet set (often none) and a baccarat result.
struct RandomCoup {
    QList<NoxBetItemID> items;
    int value;
};

QList<RandomCoup> randomCoups(int count, unsigned seed)
{
    const QList<QList<NoxBetItemID>> sets{{},
                                          {NoxBetItemID::B_BANKER},
                                          {NoxBetItemID::B_PLAYER},
                                          {NoxBetItemID::B_TIE},
                                          {NoxBetItemID::B_BANKER, NoxBetItemID::B_PLAYER},
                                          {NoxBetItemID::B_PLAYER, NoxBetItemID::B_TIE}};
    std::mt19937 rng(seed);
    QList<RandomCoup> coups;
    for (int i = 0; i < count; ++i) {
        coups.append({sets.at(int(rng() % sets.size())), int(rng() % 3)});
    }
    return coups;
}

NoxFlatStake flatOf(const QList<RandomCoup> &coups, qsizetype from, qsizetype to)
{
    NoxFlatStake flat;
    for (qsizetype i = from; i < to; ++i) {
        flat.record(coups.at(i).items, coups.at(i).value, true);
    }
    return flat;
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

    // The one reader of history texts: how it cuts shoes, what it keeps after a refused line
    // and the digest the shards of a run compare.
    void historyShoesAndSessions()
    {
        const auto read = [](const QByteArray &text, bool keepAfterRefusal, NoxSimHistory *history) {
            QByteArray bytes = text;
            QBuffer buffer(&bytes);
            buffer.open(QIODevice::ReadOnly);
            NoxHistoryReader::Options options;
            options.keptProblems = 3;
            return NoxSimHistory::read(&buffer, options, keepAfterRefusal, history);
        };
        const auto shoes = [](const NoxSimHistory &history) {
            QList<QList<int>> all;
            for (qint64 i = 0; i < history.shoeCount(); ++i) {
                all.append(history.shoe(i));
            }
            return all;
        };

        // Blank lines in a row or at either end make no empty shoe; the last shoe needs none.
        NoxSimHistory blanks;
        QVERIFY(read("\n\nP\nB\n\n\n\n# comment\nT\n\n\nB", true, &blanks).ok());
        QCOMPARE(shoes(blanks), (QList<QList<int>>{{1, 2}, {0}, {2}}));

        // A shoe longer than a session holds is cut at exactly the engine's limit.
        QByteArray longShoe;
        for (int i = 0; i < NoxEngine::kMaxPlayed + 5; ++i) {
            longShoe += i % 2 ? "P\n" : "B\n";
        }
        NoxSimHistory cut;
        QVERIFY(read(longShoe + "\nT\n", true, &cut).ok());
        QCOMPARE(cut.shoeCount(), 3);
        QCOMPARE(cut.shoeBytes(0).size(), NoxEngine::kMaxPlayed);
        QCOMPARE(cut.shoe(1), (QList<int>{2, 1, 2, 1, 2}));
        QCOMPARE(cut.shoe(2), (QList<int>{0}));
        NoxSimHistory exact;
        QVERIFY(read(longShoe.left(2 * NoxEngine::kMaxPlayed), true, &exact).ok());
        QCOMPARE(exact.shoeCount(), 1);

        // After a refused line the command line keeps no result (its run will not start) but
        // still counts every bad line; the text reader keeps them all.
        const QByteArray bad = "P\nB\nX\nT\n\nY\nP\nZ\nW\nB\n";
        NoxSimHistory dropped;
        const NoxHistoryReader::Summary summary = read(bad, false, &dropped);
        QCOMPARE(summary.refused, 4);
        QCOMPARE(summary.lines, 10);
        QCOMPARE(shoes(dropped), (QList<QList<int>>{{1, 2}}));
        NoxSimHistory kept;
        QCOMPARE(read(bad, true, &kept).refused, 4);
        QCOMPARE(shoes(kept), (QList<QList<int>>{{1, 2, 0}, {1, 2}}));
        const QStringList messages = NoxSimHistory::problemMessages(summary, true, 4096);
        QCOMPARE(messages, (QStringList{QStringLiteral("line 3: \"X\" is not a baccarat result (T, P or B)"),
                                        QStringLiteral("line 6: \"Y\" is not a baccarat result (T, P or B)"),
                                        QStringLiteral("line 8: \"Z\" is not a baccarat result (T, P or B)"),
                                        QStringLiteral("1 more lines do not parse")}));

        // The digest follows the results and the shoes, not how the text writes them.
        NoxSimHistory plain;
        NoxSimHistory written;
        NoxSimHistory joined;
        QVERIFY(read("P\nB\n\nT\n", true, &plain).ok());
        QVERIFY(read("# evening\r\n player \r\nbanker\r\n\r\n\r\ntie\r\n", true, &written).ok());
        QVERIFY(read("P\nB\nT\n", true, &joined).ok());
        QCOMPARE(written.digest(), plain.digest());
        QVERIFY(joined.digest() != plain.digest());
        QCOMPARE(plain.digest().size(), 16);
    }

    void flatStakeRecordsAppend()
    {
        // A record of a stretch followed by the record of the next one equals the record of the
        // whole: gaps, drawdown and the chance sums across the seam included.
        for (unsigned seed = 1; seed <= 20; ++seed) {
            const QList<RandomCoup> coups = randomCoups(60, seed);
            const NoxFlatStake whole = flatOf(coups, 0, coups.size());
            for (qsizetype cut = 0; cut <= coups.size(); ++cut) {
                NoxFlatStake joined = flatOf(coups, 0, cut);
                joined.append(flatOf(coups, cut, coups.size()));
                QVERIFY2(joined == whole, qPrintable(QStringLiteral("seed %1, cut %2").arg(seed).arg(cut)));
            }
            // Three parts grouped the other way.
            NoxFlatStake tail = flatOf(coups, 20, 40);
            tail.append(flatOf(coups, 40, 60));
            NoxFlatStake head = flatOf(coups, 0, 20);
            head.append(tail);
            QVERIFY(head == whole);
        }
        // A gap that spans two parts without a win in the second.
        NoxFlatStake a;
        a.record({NoxBetItemID::B_BANKER}, 2, true);
        a.record({NoxBetItemID::B_BANKER}, 1, true);
        NoxFlatStake b;
        b.record({NoxBetItemID::B_BANKER}, 1, true);
        b.record({NoxBetItemID::B_BANKER}, 0, true); // push
        b.record({NoxBetItemID::B_BANKER}, 1, true);
        a.append(b);
        QCOMPARE(a.largestGap(), 3);
        QCOMPARE(a.largestDrawdown(), 3.0); // from +0.95 down to -2.05
        // Round trip through JSON.
        NoxFlatStake back;
        QVERIFY(NoxFlatStake::fromJson(a.toJson(), &back));
        QVERIFY(back == a);
        QJsonObject broken = a.toJson();
        broken.remove(QStringLiteral("chance"));
        QVERIFY(!NoxFlatStake::fromJson(broken, &back));
    }

    void exactSums()
    {
        NoxExactSum a;
        a.add(0.1);
        a.add(-0.3);
        QCOMPARE(a.toString(), QStringLiteral("-200000000"));
        QCOMPARE(a.value(), -0.2);
        NoxExactSum big;
        big.add(3.5e12); // beyond 64 bits of billionths once summed a few times
        for (int i = 0; i < 4; ++i) {
            big += big;
        }
        QCOMPARE(big.toString(), QStringLiteral("56000000000000000000000"));
        QCOMPARE(NoxExactSum::fromString(big.toString()), std::optional<NoxExactSum>(big));
        QCOMPARE(NoxExactSum::fromString(a.toString()), std::optional<NoxExactSum>(a));
        QVERIFY(!NoxExactSum::fromString(QStringLiteral("12x")));
        QVERIFY(!NoxExactSum::fromString(QString()));
        // Any grouping gives the same sum, which plain doubles do not promise.
        std::mt19937 rng(3);
        std::uniform_real_distribution<double> term(-1.0, 1.0);
        QList<double> terms;
        for (int i = 0; i < 1000; ++i) {
            terms.append(term(rng));
        }
        NoxExactSum forward;
        NoxExactSum halves[2];
        for (int i = 0; i < terms.size(); ++i) {
            forward.add(terms.at(i));
            halves[i % 2].add(terms.at(i));
        }
        halves[1] += halves[0];
        QVERIFY(halves[1] == forward);
    }

    void chanceModelByHand()
    {
        // Eight decks: tie, player, banker.
        const double t = 0.095155968;
        const double p = 0.446246609;
        const double b = 0.458597423;
        const NoxChanceModel &baccarat = NoxChanceModel::of(true);
        struct Case {
            QList<NoxBetItemID> items;
            double win;
            double mean;
            double meanSquare;
        };
        const Case cases[] = {
            // Banker pays 0.95 and pushes on a tie: -0.01057905715 a unit.
            {{NoxBetItemID::B_BANKER}, b, 0.95 * b - p, 0.9025 * b + p},
            // Player pays even money: -0.012350814.
            {{NoxBetItemID::B_PLAYER}, p, p - b, p + b},
            // Tie pays 8 to 1: 9t - 1 = -0.143596288.
            {{NoxBetItemID::B_TIE}, t, 8 * t - (1 - t), 64 * t + (1 - t)},
            // Both sides: a banker coup wins 0.95 and loses 1, a player coup is even, a tie pushes.
            {{NoxBetItemID::B_BANKER, NoxBetItemID::B_PLAYER}, b + p, -0.05 * b, 0.0025 * b},
            // Player and tie: a tie wins 8 (the player unit pushes), a banker coup loses 2.
            {{NoxBetItemID::B_PLAYER, NoxBetItemID::B_TIE}, p + t, 8 * t + 0 * p - 2 * b, 64 * t + 4 * b},
        };
        for (const Case &c : cases) {
            const NoxChanceModel::Coup coup = baccarat.flat(c.items);
            QVERIFY(qAbs(coup.win - c.win) < 1e-12);
            QVERIFY(qAbs(coup.profit - c.mean) < 1e-12);
            QVERIFY(qAbs(coup.variance - (c.meanSquare - c.mean * c.mean)) < 1e-12);
        }
        QVERIFY(qAbs(baccarat.flat({NoxBetItemID::B_BANKER}).profit - -0.01057905715) < 1e-12);
        QVERIFY(qAbs(baccarat.flat({NoxBetItemID::B_TIE}).profit - -0.143596288) < 1e-12);
        QCOMPARE(baccarat.flat({}).profit, 0.0);

        // Single zero: every one of these bets loses 1/37 of the stake.
        const NoxChanceModel &roulette = NoxChanceModel::of(false);
        const Case numbers[] = {
            {{NoxBetItemID::N17}, 1.0 / 37, -1.0 / 37, (35.0 * 35 + 36) / 37},
            {{NoxBetItemID::DZ1}, 12.0 / 37, -1.0 / 37, (4.0 * 12 + 25) / 37},
            {{NoxBetItemID::CS_R}, 18.0 / 37, -1.0 / 37, 1.0},
            // Red and 17 (black): 17 gives 35 - 1, red 1 - 1, the rest -2.
            {{NoxBetItemID::CS_R, NoxBetItemID::N17}, 19.0 / 37, -2.0 / 37, (34.0 * 34 + 18 * 4) / 37},
        };
        for (const Case &c : numbers) {
            const NoxChanceModel::Coup coup = roulette.flat(c.items);
            QVERIFY(qAbs(coup.win - c.win) < 1e-12);
            QVERIFY(qAbs(coup.profit - c.mean) < 1e-12);
            QVERIFY(qAbs(coup.variance - (c.meanSquare - c.mean * c.mean)) < 1e-12);
        }
        // Stakes in hundredths: 10.00 on banker and 2.00 on the tie.
        const NoxChanceModel::Coup bets =
            baccarat.bets({{NoxBetItemID::B_BANKER, 1000, 0}, {NoxBetItemID::B_TIE, 200, 0}});
        QVERIFY(qAbs(bets.profit - (1000 * (0.95 * b - p) + 200 * (9 * t - 1))) < 1e-9);

        // A record sums the predictions: 3 coups on banker and 1 on the tie.
        NoxFlatStake flat;
        flat.record({NoxBetItemID::B_BANKER}, 2, true); // +0.95
        flat.record({NoxBetItemID::B_BANKER}, 2, true); // +0.95
        flat.record({NoxBetItemID::B_BANKER}, 0, true); // push
        flat.record({NoxBetItemID::B_TIE}, 1, true);    // -1
        QCOMPARE(flat.profit(), 0.9);
        const double mean = 3 * (0.95 * b - p) + (9 * t - 1);
        const double variance = 3 * (0.9025 * b + p - (0.95 * b - p) * (0.95 * b - p)) +
                                (64 * t + 1 - t - (9 * t - 1) * (9 * t - 1));
        QVERIFY(qAbs(flat.expectedProfit() - mean) < 1e-8);
        QVERIFY(qAbs(flat.expectedWins() - (3 * b + t)) < 1e-8);
        QVERIFY(qAbs(flat.profitDeviation() - std::sqrt(variance)) < 1e-8);
        QVERIFY(qAbs(flat.profitScore() - (0.9 - mean) / std::sqrt(variance)) < 1e-7);
        const double winsVariance = 3 * b * (1 - b) + t * (1 - t);
        QVERIFY(qAbs(flat.winsScore() - (2 - (3 * b + t)) / std::sqrt(winsVariance)) < 1e-7);
    }

    void rouletteHouseEdge()
    {
        // Flat stakes on a plein, a dozen and red over dealt spins of the fair wheel lose 1/37 of
        // the money staked. Tolerance: 4 standard errors of the mean result per unit, with the
        // standard deviation of one spin known exactly (plein sqrt(1261/37 - 1/37^2) = 5.84,
        // dozen 1.40, red 1.00). For a fair wheel each check fails by chance once in 16,000
        // seeds, while 4,000,000 spins keep 4 standard errors (1.2 %, 0.28 % and 0.20 %) well
        // inside the difference a wrong payout makes (one unit more or less on a plein moves
        // the edge by 2.7 %).
        constexpr int kSpins = 4000000;
        NoxRouletteWheel wheel(20261208);
        NoxFlatStake plein;
        NoxFlatStake dozen;
        NoxFlatStake red;
        QList<qint64> seen(NoxRouletteWheel::kNumbers, 0);
        for (int i = 0; i < kSpins; ++i) {
            const int n = wheel.spin();
            ++seen[n];
            plein.record({NoxBetItemID::N17}, n, false);
            dozen.record({NoxBetItemID::DZ1}, n, false);
            red.record({NoxBetItemID::CS_R}, n, false);
        }
        const QPair<const NoxFlatStake *, double> bets[] = {
            {&plein, std::sqrt(1261.0 / 37 - 1.0 / 1369)},
            {&dozen, std::sqrt(73.0 / 37 - 1.0 / 1369)},
            {&red, std::sqrt(1.0 - 1.0 / 1369)},
        };
        for (const auto &[flat, deviation] : bets) {
            QCOMPARE(flat->staked(), double(kSpins));
            const double edge = -flat->profit() / flat->staked();
            const double standardError = deviation / std::sqrt(double(kSpins));
            QVERIFY2(qAbs(edge - 1.0 / 37) < 4 * standardError,
                     qPrintable(QStringLiteral("edge %1 +- %2").arg(edge).arg(standardError)));
            // The chance model predicts the same loss.
            QVERIFY(qAbs(flat->expectedProfit() / flat->staked() + 1.0 / 37) < 1e-9);
        }
        // Every number as often: chi-square with 36 degrees of freedom below its 0.1 % point.
        double chi = 0;
        const double expected = double(kSpins) / NoxRouletteWheel::kNumbers;
        for (qint64 count : seen) {
            chi += (count - expected) * (count - expected) / expected;
        }
        QVERIFY2(chi < 67.99, qPrintable(QString::number(chi)));
        NoxRouletteWheel again(20261208);
        NoxRouletteWheel other(20261209);
        const QList<int> first = again.spins(50);
        QCOMPARE(first, NoxRouletteWheel(20261208).spins(50));
        QVERIFY(first != other.spins(50));
    }

    void bankrollSessions()
    {
        NoxSimBankroll b;
        b.capital = 100000;
        NoxSimBankroll::Session s1{80, 2500, 98000, 103000, 40, 35, true, false, false, {}};
        NoxSimBankroll::Session s2{75, -9000, 91000, 100500, 30, 44, false, true, false, {}};
        b.addSession(s1);
        b.addStake(500, {0.4, -5.3, 240000});
        b.addStake(1500, {0.4, -15.9, 2160000});
        b.addSession(s2);
        QCOMPARE(b.sessions(), 2);
        QCOMPARE(b.coups(), 155);
        QCOMPARE(b.result(), -6500);
        QCOMPARE(b.bestSession(), 2500);
        QCOMPARE(b.worstSession(), -9000);
        QCOMPARE(b.lowestCapital(), 91000);
        QCOMPARE(b.highestCapital(), 103000);
        QCOMPARE(b.gainLimitSessions(), 1);
        QCOMPARE(b.lossLimitSessions(), 1);
        QCOMPARE(b.staked(), 2000);
        QCOMPARE(b.largestStake(), 1500);
        QVERIFY(qAbs(b.expectedResult() - -21.2) < 1e-9);
        QVERIFY(qAbs(b.resultDeviation() - std::sqrt(2400000.0)) < 1e-6);
        QVERIFY(qAbs(b.resultScore() - (-6500 + 21.2) / std::sqrt(2400000.0)) < 1e-9);
        // Sessions in another grouping and order give the same record.
        NoxSimBankroll c;
        c.capital = 100000;
        NoxSimBankroll d = c;
        d.addSession(s2);
        d.addStake(1500, {0.4, -15.9, 2160000});
        c.addStake(500, {0.4, -5.3, 240000});
        c.addSession(s1);
        c.append(d);
        QVERIFY(c == b);
        NoxSimBankroll back;
        QVERIFY(NoxSimBankroll::fromJson(b.toJson(), &back));
        QVERIFY(back == b);

        // A plein won near the money limit lifts the capital past the int range: the extremes
        // keep it, in memory and in the JSON of a shard.
        NoxSimBankroll big;
        big.capital = 100000;
        const qint64 high = qint64(100'000'000) * 36;
        big.addSession({1, high - 100000, 100000, high, 1, 0, true, false, false, {}});
        QCOMPARE(big.highestCapital(), high);
        QVERIFY(NoxSimBankroll::fromJson(big.toJson(), &back));
        QCOMPARE(back.highestCapital(), high);
    }

    void sessionMatchesTheEngine()
    {
        const QList<int> values = dealtShoe(5, 0);
        const NoxSimulator::Config config = smallConfig();
        NoxSimulator simulator(config);
        QString error;
        QVERIFY2(simulator.prepare(&error), qPrintable(error));
        NoxSimResult result = simulator.emptyResult({});
        simulator.playShoe(values, &result);

        // The same session in an engine driven as the application drives it.
        NoxEngine engine(true);
        engine.setAsync(true);
        engine.loadMethods();
        engine.registerBuiltinMontantes();
        engine.loadMontanteLibrary(QUrl::fromLocalFile(QStringLiteral(":/data/montantes.dat")));
        NoxFinancial f = engine.financial();
        f.cs.jeton = f.cs.jetonOrigine = 500;
        f.capitalOrigine = f.capital = f.capitalMin = f.capitalMax = 50000;
        f.stopLoss = -20000;
        f.takeProfit = 5000;
        engine.setFinancialConfig(f);
        QVERIFY(engine.selectMontante(NoxMethodType::cs, QStringLiteral("Martingale classique (commune)")));
        engine.restart(true, true);
        for (const NoxMethodState *s : engine.methodStates()) {
            if (config.methods.contains(s->method()->name())) {
                engine.setMethodActive(s->method()->index(), true);
            }
        }
        engine.playValues(values).waitForFinished();

        const NoxSimBankroll &b = result.bankroll;
        const NoxFinancial after = engine.financial();
        const NoxFinancialStats stats = engine.financialStats();
        QCOMPARE(b.sessions(), 1);
        QCOMPARE(b.coups(), values.size());
        QCOMPARE(b.result(), qint64(after.capital) - after.capitalOrigine);
        QCOMPARE(b.lowestCapital(), after.capitalMin);
        QCOMPARE(b.highestCapital(), after.capitalMax);
        QCOMPARE(b.coupsWon(), stats.betWinCount);
        QCOMPARE(b.coupsLost(), stats.betLossCount);
        QCOMPARE(b.staked(), stats.betTotal);
        QCOMPARE(b.largestStake(), stats.betMax); // one shoe stays inside the statistics' window
        QVERIFY(stats.betWinCount + stats.betLossCount > 20);
        QCOMPARE(b.capital, 50000);
        QCOMPARE(b.stopLoss, -20000);

        const auto banker = std::find_if(result.methods.begin(), result.methods.end(),
                                         [](const auto &m) { return m.name == u"BANKER"; });
        QCOMPARE(banker->flat.coups(), int(values.size()));
        QVERIFY(banker->active);

        // A second session starts from the configured money again: the same shoe gives the
        // same session.
        NoxSimResult twice = simulator.emptyResult({});
        simulator.playShoe(values, &twice);
        simulator.playShoe(values, &twice);
        QCOMPARE(twice.bankroll.result(), 2 * b.result());
        QCOMPARE(twice.bankroll.worstSession(), b.worstSession());
        QCOMPARE(twice.shoeCount, 2);
    }

    void jobsAndShards()
    {
        // The same result for any number of workers, and the shards of a run merged give the run.
        const NoxSimulator::Config config = smallConfig();
        constexpr qint64 kShoes = 21;
        const NoxSimResult one = playRun(config, 0, kShoes, kShoes, 1);
        QCOMPARE(one.shoeCount, kShoes);
        QCOMPARE(one.bankroll.sessions(), kShoes);
        qint64 coups = 0;
        for (qint64 i = 0; i < kShoes; ++i) {
            coups += dealtShoe(7, i).size();
        }
        QCOMPARE(one.bankroll.coups(), coups);
        QVERIFY(one.bankroll.staked() > 0);
        for (int jobs : {2, 3, 5}) {
            const NoxSimResult many = playRun(config, 0, kShoes, kShoes, jobs);
            QVERIFY2(many == one, qPrintable(QStringLiteral("jobs %1").arg(jobs)));
            QCOMPARE(many.toJson(), one.toJson());
        }
        for (int n : {2, 4}) {
            QList<NoxSimResult> parts;
            for (int k = n; k >= 1; --k) { // any order
                const qint64 first = (k - 1) * kShoes / n;
                const qint64 end = k * kShoes / n;
                parts.append(playRun(config, first, end - first, kShoes, 2));
            }
            NoxSimResult merged;
            QString error;
            QVERIFY2(NoxSimResult::merge(parts, &merged, &error), qPrintable(error));
            QVERIFY2(merged == one, qPrintable(QStringLiteral("%1 shards").arg(n)));
            QCOMPARE(merged.toJson(), one.toJson());
            // Through their files.
            QList<NoxSimResult> read;
            for (const NoxSimResult &part : std::as_const(parts)) {
                NoxSimResult back;
                QVERIFY2(NoxSimResult::fromJson(part.toJson(), &back, &error), qPrintable(error));
                QVERIFY(back == part);
                read.append(back);
            }
            QVERIFY(NoxSimResult::merge(read, &merged, &error));
            QCOMPARE(merged.toJson(), one.toJson());
        }

        // Parts that do not make one run are refused.
        const NoxSimResult a = playRun(config, 0, 5, kShoes, 1);
        const NoxSimResult b = playRun(config, 3, 4, kShoes, 1);
        const NoxSimResult c = playRun(config, 9, 4, kShoes, 1);
        NoxSimResult merged;
        QString error;
        QVERIFY(!NoxSimResult::merge({a, b}, &merged, &error));
        QVERIFY(error.contains(QStringLiteral("shoe 4 is in two results")));
        QVERIFY(!NoxSimResult::merge({a, c}, &merged, &error));
        QVERIFY(error.contains(QStringLiteral("shoes 6 to 9 are missing")));
        NoxSimulator::Config other = config;
        other.capital = 60000;
        QVERIFY(!NoxSimResult::merge({a, playRun(other, 5, 4, kShoes, 1)}, &merged, &error));
        NoxSimResult foreign = playRun(config, 5, 4, kShoes, 1);
        foreign.run.insert(QStringLiteral("seed"), QStringLiteral("8"));
        QVERIFY(!NoxSimResult::merge({a, foreign}, &merged, &error));
        QVERIFY(error.contains(QStringLiteral("different runs")));
    }

    void commandLine()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QString out;
        QString err;
        QCOMPARE(runNoxsim({QStringLiteral("--method"), QStringLiteral("Nope")}, &out, &err), 2);
        QVERIFY(err.contains(QStringLiteral("unknown method \"Nope\"")));
        QCOMPARE(runNoxsim({QStringLiteral("--montante"), QStringLiteral("cs=Nothing")}, &out, &err), 2);
        QVERIFY(err.contains(QStringLiteral("unknown progression \"Nothing\" for cs")));
        QCOMPARE(runNoxsim({dir.filePath(QStringLiteral("missing.txt"))}, &out, &err), 2);
        QVERIFY(err.contains(QStringLiteral("cannot read")));
        for (const QString &bad :
             {QStringLiteral("0/3"), QStringLiteral("4/3"), QStringLiteral("x"), QStringLiteral("1/0")}) {
            QCOMPARE(runNoxsim({QStringLiteral("--shard"), bad}, &out, &err), 2);
            QVERIFY(err.contains(QStringLiteral("bad --shard")));
        }
        QCOMPARE(runNoxsim({QStringLiteral("--jobs"), QStringLiteral("0")}, &out, &err), 2);
        QVERIFY(err.contains(QStringLiteral("bad --jobs")));

        const QString history = dir.filePath(QStringLiteral("h.txt"));
        QFile file(history);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("P\nB\nB\nT\nP\nZ\n");
        file.close();
        QCOMPARE(runNoxsim({history}, &out, &err), 2);
        QVERIFY(err.contains(QStringLiteral("line 6: \"Z\"")));

        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("P\nB\nB\nT\nP\nB\n");
        file.close();
        const QString json = dir.filePath(QStringLiteral("r.json"));
        const QString csv = dir.filePath(QStringLiteral("r.csv"));
        QCOMPARE(runNoxsim({history, QStringLiteral("--method"), QStringLiteral("BANKER"),
                            QStringLiteral("--json"), json, QStringLiteral("--csv"), csv},
                           &out, &err),
                 0);
        QVERIFY(out.contains(QStringLiteral("over 6 coups in 1 shoes")));
        QVERIFY(out.contains(QStringLiteral("Exp profit")));
        const QJsonObject root = QJsonDocument::fromJson(readAll(json)).object();
        QCOMPARE(root.value(QStringLiteral("bankroll")).toObject().value(QStringLiteral("coups")).toInt(), 6);
        QCOMPARE(root.value(QStringLiteral("methods")).toArray().size(), 78);
        QCOMPARE(readAll(csv).count('\n'), 79);

        // Jobs, shards and merge through the command line: byte for byte the same.
        const QStringList common{
            QStringLiteral("--shoes"),  QStringLiteral("9"),          QStringLiteral("--seed"),
            QStringLiteral("11"),       QStringLiteral("--method"),   QStringLiteral("BANKER"),
            QStringLiteral("--method"), QStringLiteral("AUTO Hawks"), QStringLiteral("--quiet")};
        const QString whole = dir.filePath(QStringLiteral("whole.json"));
        QCOMPARE(runNoxsim(common + QStringList{QStringLiteral("--jobs"), QStringLiteral("1"),
                                                QStringLiteral("--json"), whole},
                           &out, &err),
                 0);
        const QString wholeText = out;
        QVERIFY(wholeText.contains(QStringLiteral("in 9 shoes")));
        const QString twoJobs = dir.filePath(QStringLiteral("two.json"));
        QCOMPARE(runNoxsim(common + QStringList{QStringLiteral("--jobs"), QStringLiteral("2"),
                                                QStringLiteral("--json"), twoJobs},
                           &out, &err),
                 0);
        QCOMPARE(out, wholeText);
        QCOMPARE(readAll(twoJobs), readAll(whole));
        QStringList shards;
        for (int k = 1; k <= 3; ++k) {
            shards << dir.filePath(QStringLiteral("shard%1.json").arg(k));
            QCOMPARE(runNoxsim(common + QStringList{QStringLiteral("--shard"), QStringLiteral("%1/3").arg(k),
                                                    QStringLiteral("--json"), shards.last()},
                               &out, &err),
                     0);
            QVERIFY(out.contains(QStringLiteral("shoes %1 to %2 of 9").arg(3 * k - 2).arg(3 * k)));
        }
        const QString merged = dir.filePath(QStringLiteral("merged.json"));
        QCOMPARE(runNoxsim(QStringList{QStringLiteral("merge"), shards.at(2), shards.at(0), shards.at(1),
                                       QStringLiteral("--json"), merged},
                           &out, &err),
                 0);
        QCOMPARE(out, wholeText);
        QCOMPARE(readAll(merged), readAll(whole));
        QCOMPARE(runNoxsim({QStringLiteral("merge"), shards.at(0), shards.at(2)}, &out, &err), 2);
        QVERIFY(err.contains(QStringLiteral("shoes 4 to 6 are missing")));
        QCOMPARE(runNoxsim({QStringLiteral("merge"), shards.at(0), history}, &out, &err), 2);
        QCOMPARE(runNoxsim({QStringLiteral("merge"), shards.at(0), shards.at(1)}, &out, &err), 0);
        QVERIFY(err.contains(QStringLiteral("not the whole run")));
    }

    // The guards and --only on the command line: the counts in the report and the JSON, the
    // shards of a guarded run merge, and guards that do not fit are refused with the reason.
    void guardsAndOnlyOnTheCommandLine()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QString out;
        QString err;
        const QStringList guarded{QStringLiteral("--shoes"),
                                  QStringLiteral("12"),
                                  QStringLiteral("--seed"),
                                  QStringLiteral("3"),
                                  QStringLiteral("--only"),
                                  QStringLiteral("BANKER"),
                                  QStringLiteral("--method"),
                                  QStringLiteral("BANKER"),
                                  QStringLiteral("--montante"),
                                  QStringLiteral("cs=Martingale classique"),
                                  QStringLiteral("--losing-streak"),
                                  QStringLiteral("4"),
                                  QStringLiteral("--session-minutes"),
                                  QStringLiteral("30"),
                                  QStringLiteral("--table-limit"),
                                  QStringLiteral("banker=50"),
                                  QStringLiteral("--quiet")};
        const QString whole = dir.filePath(QStringLiteral("g.json"));
        QCOMPARE(runNoxsim(guarded + QStringList{QStringLiteral("--json"), whole}, &out, &err), 0);
        QVERIFY2(err.isEmpty(), qPrintable(err));
        QVERIFY2(out.contains(QStringLiteral("sessions a guard stopped 12: ")), qPrintable(out));
        const QJsonObject root = QJsonDocument::fromJson(readAll(whole)).object();
        QCOMPARE(root.value(QStringLiteral("methods")).toArray().size(), 1);
        const QJsonObject counts = root.value(QStringLiteral("bankroll"))
                                       .toObject()
                                       .value(QStringLiteral("guardSessions"))
                                       .toObject();
        QCOMPARE(counts.value(QStringLiteral("losingStreak")).toInt() +
                     counts.value(QStringLiteral("sessionTime")).toInt(),
                 12);
        const QJsonObject settings =
            root.value(QStringLiteral("run")).toObject().value(QStringLiteral("settings")).toObject();
        QCOMPARE(settings.value(QStringLiteral("guards"))
                     .toObject()
                     .value(QStringLiteral("tableLimitBanker"))
                     .toInt(),
                 5000);
        QCOMPARE(settings.value(QStringLiteral("only")).toArray(), QJsonArray{QStringLiteral("BANKER")});
        QStringList shards;
        for (int k = 1; k <= 2; ++k) {
            shards << dir.filePath(QStringLiteral("s%1.json").arg(k));
            QCOMPARE(runNoxsim(guarded + QStringList{QStringLiteral("--shard"), QStringLiteral("%1/2").arg(k),
                                                     QStringLiteral("--json"), shards.last()},
                               &out, &err),
                     0);
        }
        const QString merged = dir.filePath(QStringLiteral("m.json"));
        QCOMPARE(
            runNoxsim({QStringLiteral("merge"), shards.at(1), shards.at(0), QStringLiteral("--json"), merged},
                      &out, &err),
            0);
        QCOMPARE(readAll(merged), readAll(whole));

        const QList<QPair<QStringList, QString>> refused{
            {{QStringLiteral("--trailing-trigger"), QStringLiteral("5"), QStringLiteral("--trailing-drop"),
              QStringLiteral("8")},
             QStringLiteral("the guards cannot be used")},
            {{QStringLiteral("--max-stake"), QStringLiteral("0.05"), QStringLiteral("--method"),
              QStringLiteral("BANKER")},
             QStringLiteral("the guards cannot be used")},
            {{QStringLiteral("--refuse-above-max-stake")}, QStringLiteral("needs --max-stake")},
            {{QStringLiteral("--table-limit"), QStringLiteral("zero=5")},
             QStringLiteral("unknown item \"zero\"")},
            {{QStringLiteral("--losing-streak"), QStringLiteral("-2")}, QStringLiteral("bad count")},
            {{QStringLiteral("--only"), QStringLiteral("PLAYER"), QStringLiteral("--method"),
              QStringLiteral("BANKER")},
             QStringLiteral("name it with --only")},
        };
        for (const auto &[args, message] : refused) {
            QCOMPARE(
                runNoxsim(args + QStringList{QStringLiteral("--shoes"), QStringLiteral("1")}, &out, &err), 2);
            QVERIFY2(err.contains(message), qPrintable(args.join(u' ') + QStringLiteral(": ") + err));
        }
    }

    void badHistoriesEndWithAMessage()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QString out;
        QString err;
#ifndef Q_OS_WIN
        // A device without line ends: refused at its first line, without reading it all.
        QCOMPARE(runNoxsimWithin(kDataLimit, {QStringLiteral("/dev/zero")}, &out, &err), 2);
        QVERIFY2(err.contains(QStringLiteral("/dev/zero: line 1 is too long (more than 4096 bytes)")),
                 qPrintable(err));
#endif

        const QString longLine = dir.filePath(QStringLiteral("long.txt"));
        QVERIFY(writeFile(longLine, "P\nB\n" + QByteArray(5000, 'P') + "\nT\n"));
        QCOMPARE(runNoxsim({longLine}, &out, &err), 2);
        QVERIFY2(err.contains(QStringLiteral("line 3 is too long (more than 4096 bytes)")), qPrintable(err));
        QVERIFY(err.contains(QStringLiteral("reading stopped at line 3")));

        // A few megabytes, a quarter of the lines bad: all are counted, the first ones shown,
        // and neither the text nor the list of errors is held.
        QByteArray bad;
        qint64 badLines = 0;
        for (int line = 1; bad.size() < 4 * 1024 * 1024; ++line) {
            if (line % 81 == 0) {
                bad += '\n';
            } else if (line % 4 == 0) {
                bad += "X\n";
                ++badLines;
            } else {
                bad += (line % 3 == 0 ? "P\n" : "B\n");
            }
        }
        const QString badFile = dir.filePath(QStringLiteral("bad.txt"));
        QVERIFY(writeFile(badFile, bad));
        QCOMPARE(runNoxsimWithin(kDataLimit, {badFile, QStringLiteral("--quiet")}, &out, &err), 2);
        QVERIFY2(err.contains(QStringLiteral("line 4: \"X\" is not a baccarat result (T, P or B)")),
                 qPrintable(err.left(500)));
        QVERIFY(err.contains(QStringLiteral("%1 more lines do not parse").arg(badLines - 20)));
        QCOMPARE(err.count(u'\n'), 21);

        // The same size valid: the results are kept, one byte each, the text is not.
        for (char &c : bad) {
            if (c == 'X') {
                c = 'T';
            }
        }
        QVERIFY(writeFile(badFile, bad));
        QCOMPARE(runNoxsimWithin(kDataLimit, {badFile, QStringLiteral("--list-methods")}, &out, &err), 0);
        QVERIFY(out.contains(QStringLiteral("BANKER")));
    }

    void badFilesAndOptionsEndWithAMessage()
    {
        QString out;
        QString err;
#ifndef Q_OS_WIN // no /dev/zero
        QCOMPARE(runNoxsimWithin(kDataLimit,
                                 {QStringLiteral("--library"), QStringLiteral("/dev/zero"),
                                  QStringLiteral("--shoes"), QStringLiteral("1"), QStringLiteral("--quiet")},
                                 &out, &err),
                 2);
        QVERIFY2(err.contains(QStringLiteral("cannot use the progression library /dev/zero")),
                 qPrintable(err));
        QCOMPARE(
            runNoxsimWithin(kDataLimit, {QStringLiteral("merge"), QStringLiteral("/dev/zero")}, &out, &err),
            2);
        QVERIFY2(err.contains(QStringLiteral("/dev/zero: line 1 is too long")), qPrintable(err));
#endif

        QCOMPARE(runNoxsim({QStringLiteral("--bogus")}, &out, &err), 2);
        QVERIFY2(err.contains(QStringLiteral("Unknown option 'bogus'")), qPrintable(err));
        QCOMPARE(runNoxsim({QStringLiteral("--shoes")}, &out, &err), 2);
        QVERIFY2(err.contains(QStringLiteral("Missing value after '--shoes'")), qPrintable(err));
        QCOMPARE(runNoxsim({QStringLiteral("merge"), QStringLiteral("--bogus"), QStringLiteral("a.json")},
                           &out, &err),
                 2);
        QVERIFY(err.contains(QStringLiteral("Unknown option 'bogus'")));
        QCOMPARE(runNoxsim({QStringLiteral("merge"), QStringLiteral("--json")}, &out, &err), 2);
        QVERIFY(err.contains(QStringLiteral("Missing value after '--json'")));
        QCOMPARE(runNoxsim({QStringLiteral("--help")}, &out, &err), 0);
        QVERIFY(out.contains(QStringLiteral("--shoes")));
        QCOMPARE(runNoxsim({QStringLiteral("merge"), QStringLiteral("--help")}, &out, &err), 0);
        QVERIFY(out.contains(QStringLiteral("results")));
    }

    void impossibleShardsAreRefused()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        QString out;
        QString err;
        const QStringList run{QStringLiteral("--shoes"), QStringLiteral("6"),        QStringLiteral("--seed"),
                              QStringLiteral("3"),       QStringLiteral("--method"), QStringLiteral("BANKER"),
                              QStringLiteral("--quiet")};
        QStringList shards;
        for (int k = 1; k <= 2; ++k) {
            shards << dir.filePath(QStringLiteral("s%1.json").arg(k));
            QCOMPARE(runNoxsim(run + QStringList{QStringLiteral("--shard"), QStringLiteral("%1/2").arg(k),
                                                 QStringLiteral("--json"), shards.last()},
                               &out, &err),
                     0);
        }
        QCOMPARE(runNoxsim({QStringLiteral("merge"), shards.at(0), shards.at(1)}, &out, &err), 0);
        const QJsonObject first = readJson(shards.at(0));
        const QJsonObject second = readJson(shards.at(1));
        const QString bad = dir.filePath(QStringLiteral("bad.json"));
        const auto refused = [&](const QJsonObject &shard, const QString &why) {
            if (!writeJson(bad, shard)) {
                return false;
            }
            const int code = runNoxsim({QStringLiteral("merge"), shards.at(0), bad}, &out, &err);
            if (code != 2 || !err.contains(why)) {
                qWarning().noquote() << code << err;
                return false;
            }
            return true;
        };
        const auto with = [](QJsonObject object, const QString &section, const QString &key,
                             const QJsonValue &value) {
            QJsonObject inner = object.value(section).toObject();
            inner.insert(key, value);
            object.insert(section, inner);
            return object;
        };

        // A range past the run, one whose end wraps around, negative counts.
        QJsonObject wrap = with(second, QStringLiteral("shoes"), QStringLiteral("first"),
                                QJsonValue(qint64(4611686018427387905LL)));
        wrap = with(wrap, QStringLiteral("shoes"), QStringLiteral("count"),
                    QJsonValue(-qint64(4611686018427387905LL)));
        QVERIFY(refused(wrap, QStringLiteral("bad shoe range")));
        QVERIFY(refused(with(second, QStringLiteral("shoes"), QStringLiteral("count"), 4),
                        QStringLiteral("bad shoe range")));
        QVERIFY(refused(
            with(second, QStringLiteral("shoes"), QStringLiteral("total"), QJsonValue(qint64(1) << 40)),
            QStringLiteral("bad shoe range")));
        QVERIFY(refused(with(second, QStringLiteral("bankroll"), QStringLiteral("coups"), -5),
                        QStringLiteral("bad bankroll record")));
        // Counts that do not add up: sessions other than the shoes, coups beyond them, more
        // coups won than played.
        QVERIFY(refused(with(second, QStringLiteral("bankroll"), QStringLiteral("sessions"), 4),
                        QStringLiteral("does not match shoes 4 to 6")));
        QVERIFY(refused(with(second, QStringLiteral("bankroll"), QStringLiteral("coups"), 3 * 10000 + 1),
                        QStringLiteral("does not match")));
        QVERIFY(refused(with(second, QStringLiteral("bankroll"), QStringLiteral("coupsWon"), 1e9),
                        QStringLiteral("does not match")));
        QJsonObject moreCoups = second;
        QJsonArray rows = moreCoups.value(QStringLiteral("methods")).toArray();
        QJsonObject row = rows.at(0).toObject();
        row.insert(QStringLiteral("coups"), 1000000);
        rows.replace(0, row);
        moreCoups.insert(QStringLiteral("methods"), rows);
        QVERIFY(refused(moreCoups, QStringLiteral("bad method record")));

        // Two shards of a huge run whose every figure is possible alone, but whose coups pass
        // the range of the records together.
        const auto huge = [&](QJsonObject shard, qint64 firstShoe) {
            constexpr qint64 kShoes = 300000;
            constexpr qint64 kCoups = 1500000000;
            shard = with(shard, QStringLiteral("shoes"), QStringLiteral("first"), firstShoe);
            shard = with(shard, QStringLiteral("shoes"), QStringLiteral("count"), kShoes);
            shard = with(shard, QStringLiteral("shoes"), QStringLiteral("total"), 2 * kShoes);
            QJsonObject bankroll = shard.value(QStringLiteral("bankroll")).toObject();
            bankroll.insert(QStringLiteral("sessions"), kShoes);
            bankroll.insert(QStringLiteral("coups"), 2 * kCoups);
            for (const char *key : {"result", "bestSession", "worstSession"}) {
                bankroll.insert(QLatin1String(key), 0);
            }
            shard.insert(QStringLiteral("bankroll"), bankroll);
            QJsonArray methods = shard.value(QStringLiteral("methods")).toArray();
            for (qsizetype i = 0; i < methods.size(); ++i) {
                QJsonObject m = methods.at(i).toObject();
                for (const char *key : {"wins", "largestGap", "leadingGap", "trailingGap", "profit",
                                        "peakProfit", "lowestProfit", "largestDrawdown"}) {
                    m.insert(QLatin1String(key), 0);
                }
                m.insert(QStringLiteral("coups"), kCoups);
                m.insert(QStringLiteral("pushes"), kCoups);
                m.insert(QStringLiteral("staked"), kCoups);
                m.insert(QStringLiteral("chance"),
                         QJsonObject{{QStringLiteral("wins"), QStringLiteral("0")},
                                     {QStringLiteral("winsVariance"), QStringLiteral("0")},
                                     {QStringLiteral("profit"), QStringLiteral("0")},
                                     {QStringLiteral("profitVariance"), QStringLiteral("0")}});
                methods.replace(i, m);
            }
            shard.insert(QStringLiteral("methods"), methods);
            return shard;
        };
        const QString hugeFirst = dir.filePath(QStringLiteral("h1.json"));
        const QString hugeSecond = dir.filePath(QStringLiteral("h2.json"));
        QVERIFY(writeJson(hugeFirst, huge(first, 0)));
        QVERIFY(writeJson(hugeSecond, huge(second, 300000)));
        QVERIFY2(runNoxsim({QStringLiteral("merge"), hugeFirst}, &out, &err) == 0,
                 qPrintable(err)); // possible alone
        QCOMPARE(runNoxsim({QStringLiteral("merge"), hugeFirst, hugeSecond}, &out, &err), 2);
        QVERIFY2(err.contains(QStringLiteral("do not add up")), qPrintable(err));
    }

    void roulette()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString history = dir.filePath(QStringLiteral("spins.txt"));
        QFile file(history);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("17\n0\n36\n5\n\n12\n");
        file.close();
        NoxEngine probe(false);
        probe.loadMethods();
        const bool catalogue = !probe.methodStates().isEmpty();
        QString out;
        QString err;
        const QStringList dealt{QStringLiteral("--game"),  QStringLiteral("roulette"),
                                QStringLiteral("--shoes"), QStringLiteral("3"),
                                QStringLiteral("--spins"), QStringLiteral("40"),
                                QStringLiteral("--all"),   QStringLiteral("--quiet")};
        if (!catalogue) {
            // Without the roulette catalogue in this build the tool says so.
            QCOMPARE(runNoxsim(dealt, &out, &err), 2);
            QVERIFY(err.contains(QStringLiteral("no method catalogue for roulette")));
            return;
        }
        // Every method active stakes past the engine's money limit: the session stops betting
        // there and the methods play the whole session on.
        NoxSimulator::Config config;
        config.baccarat = false;
        config.activateAll = true;
        NoxSimulator simulator(config);
        QString error;
        QVERIFY2(simulator.prepare(&error), qPrintable(error));
        NoxSimResult result = simulator.emptyResult({});
        const QList<int> spins = NoxRouletteWheel(3).spins(30);
        simulator.playShoe(spins, &result);
        QCOMPARE(simulator.engine().playedValues(), spins);
        QCOMPARE(result.bankroll.moneyLimitSessions(), 1);
        QVERIFY(result.bankroll.largestStake() > 0);
        QVERIFY(qAbs(result.bankroll.largestStake()) + 1000 <= NoxEngine::kMaxMoney);
        const qsizetype betting =
            std::count_if(result.methods.cbegin(), result.methods.cend(),
                          [](const NoxSimResult::Method &m) { return m.flat.coups() > 0; });
        QVERIFY(betting > result.methods.size() / 2);

        QCOMPARE(runNoxsim(dealt, &out, &err), 0);
        QVERIFY2(out.contains(QStringLiteral("over 120 coups in 3 sessions")), qPrintable(out + err));
        QCOMPARE(runNoxsim({QStringLiteral("--game"), QStringLiteral("roulette"), history,
                            QStringLiteral("--quiet")},
                           &out, &err),
                 0);
        QVERIFY(out.contains(QStringLiteral("over 5 coups in 2 sessions")));
    }
};

QTEST_GUILESS_MAIN(TestNoxSim)
#include "tst_noxsim.moc"
