// The scoreboard roads: hand-worked shoes (ties, dragon tails, derived roads, ask marks), the
// history operations, and random sequences of operations held against the roads computed from
// scratch.

#include "roadsreference.h"

#include "roads/noxroads.h"

#include <QtTest>

#include <algorithm>
#include <random>
#include <stdexcept>

using namespace Nox;
using Kind = NoxDerivedRoad::Kind;

namespace {

constexpr Kind kKinds[] = {Kind::BigEyeBoy, Kind::SmallRoad, Kind::CockroachPig};

char winnerLetter(int winner)
{
    return winner == NoxRoads::kPlayer ? 'P' : 'B';
}

char markLetter(NoxRoadMark mark)
{
    return mark == NoxRoadMark::red ? 'R' : 'B';
}

// Text forms shared by both implementations, so that a hand-worked expectation checks both.
// Columns: "B2|PPP|B" (an entry is its winner, then its ties when it has some). Cells:
// "0,0 1,0 1,1". Ask marks: one letter per road (big eye boy, small road, cockroach pig), "-"
// for none.
QString entryText(char winner, int ties)
{
    return QString(QLatin1Char(winner)) + (ties > 0 ? QString::number(ties) : QString());
}

QString cellsText(const std::vector<NoxRoadCell> &cells)
{
    QStringList parts;
    for (const NoxRoadCell &c : cells) {
        parts << QStringLiteral("%1,%2").arg(c.column).arg(c.row);
    }
    return parts.join(QLatin1Char(' '));
}

QString cellsText(const std::vector<RoadsReference::Cell> &cells)
{
    QStringList parts;
    for (const RoadsReference::Cell &c : cells) {
        parts << QStringLiteral("%1,%2").arg(c.column).arg(c.row);
    }
    return parts.join(QLatin1Char(' '));
}

struct Texts {
    QString shoe;
    int leadingTies = 0;
    QString columns;
    QString bigRoadGrid;
    QStringList marks; // per road
    QStringList grids; // per road
    QString askB;
    QString askP;
};

Texts textsOf(const NoxRoads &roads)
{
    Texts t;
    for (char v : roads.shoe()) {
        t.shoe += QLatin1Char("TPB"[int(v)]);
    }
    t.leadingTies = roads.leadingTies();
    QStringList columns;
    for (int i = 0; i < roads.bigRoadColumnCount(); ++i) {
        QString column;
        for (const NoxBigRoadEntry &e : roads.bigRoadColumn(i)) {
            column += entryText(winnerLetter(e.winner), e.ties);
        }
        columns << column;
    }
    t.columns = columns.join(QLatin1Char('|'));
    t.bigRoadGrid = cellsText(roads.bigRoadGrid().cells());
    for (Kind kind : kKinds) {
        QString marks;
        for (NoxRoadMark m : roads.derivedRoad(kind).marks()) {
            marks += QLatin1Char(markLetter(m));
        }
        t.marks << marks;
        t.grids << cellsText(roads.derivedRoad(kind).grid().cells());
        const auto askB = roads.ask(NoxRoads::kBanker, kind);
        const auto askP = roads.ask(NoxRoads::kPlayer, kind);
        t.askB += askB ? QLatin1Char(markLetter(*askB)) : QLatin1Char('-');
        t.askP += askP ? QLatin1Char(markLetter(*askP)) : QLatin1Char('-');
    }
    return t;
}

Texts textsOf(const RoadsReference::Roads &roads)
{
    Texts t;
    t.shoe = QString::fromStdString(roads.shoe);
    t.leadingTies = roads.leadingTies;
    QStringList columns;
    for (const auto &column : roads.columns) {
        QString text;
        for (const RoadsReference::Entry &e : column) {
            text += entryText(e.winner, e.ties);
        }
        columns << text;
    }
    t.columns = columns.join(QLatin1Char('|'));
    t.bigRoadGrid = cellsText(roads.bigRoadGrid);
    for (std::size_t k = 0; k < 3; ++k) {
        t.marks << QString::fromStdString(roads.marks[k]);
        t.grids << cellsText(roads.grids[k]);
        t.askB += roads.ask[0][k] ? QLatin1Char(*roads.ask[0][k]) : QLatin1Char('-');
        t.askP += roads.ask[1][k] ? QLatin1Char(*roads.ask[1][k]) : QLatin1Char('-');
    }
    return t;
}

// The same roads in the reference's terms, to compare without building texts.
RoadsReference::Roads asReference(const NoxRoads &roads)
{
    RoadsReference::Roads r;
    for (char v : roads.shoe()) {
        r.shoe += "TPB"[int(v)];
    }
    r.leadingTies = roads.leadingTies();
    for (int i = 0; i < roads.bigRoadColumnCount(); ++i) {
        auto &column = r.columns.emplace_back();
        for (const NoxBigRoadEntry &e : roads.bigRoadColumn(i)) {
            column.push_back({winnerLetter(e.winner), e.ties});
        }
    }
    const auto cells = [](const NoxRoadGrid &grid) {
        std::vector<RoadsReference::Cell> out;
        for (const NoxRoadCell &c : grid.cells()) {
            out.push_back({c.column, c.row});
        }
        return out;
    };
    r.bigRoadGrid = cells(roads.bigRoadGrid());
    for (std::size_t k = 0; k < 3; ++k) {
        const NoxDerivedRoad &road = roads.derivedRoad(kKinds[k]);
        for (NoxRoadMark m : road.marks()) {
            r.marks[k] += markLetter(m);
        }
        r.grids[k] = cells(road.grid());
        const int winners[2] = {NoxRoads::kBanker, NoxRoads::kPlayer};
        for (std::size_t w = 0; w < 2; ++w) {
            if (const auto mark = roads.ask(winners[w], kKinds[k])) {
                r.ask[w][k] = markLetter(*mark);
            }
        }
    }
    return r;
}

// The first difference between two sets of roads, empty when they are equal.
QString difference(const Texts &a, const Texts &b)
{
    const auto field = [](const char *name, const QString &x, const QString &y) {
        return x == y ? QString()
                      : QStringLiteral("%1: \"%2\" against \"%3\"").arg(QLatin1String(name), x, y);
    };
    QString d = field("shoe", a.shoe, b.shoe);
    if (d.isEmpty() && a.leadingTies != b.leadingTies) {
        d = QStringLiteral("leading ties: %1 against %2").arg(a.leadingTies).arg(b.leadingTies);
    }
    d = d.isEmpty() ? field("big road", a.columns, b.columns) : d;
    d = d.isEmpty() ? field("big road grid", a.bigRoadGrid, b.bigRoadGrid) : d;
    const char *names[] = {"big eye boy", "small road", "cockroach pig"};
    for (int k = 0; k < 3 && d.isEmpty(); ++k) {
        d = field(names[k], a.marks.at(k), b.marks.at(k));
        d = d.isEmpty() ? field(names[k], a.grids.at(k), b.grids.at(k)) : d;
    }
    d = d.isEmpty() ? field("ask after B", a.askB, b.askB) : d;
    d = d.isEmpty() ? field("ask after P", a.askP, b.askP) : d;
    return d;
}

int widthOf(const std::vector<NoxRoadCell> &cells)
{
    int width = 0;
    for (const NoxRoadCell &c : cells) {
        width = std::max(width, c.column + 1);
    }
    return width;
}

// The grids' occupancy agrees with their cells: every cell taken, the width trimmed.
QString gridDifference(const NoxRoadGrid &grid, const char *name)
{
    if (grid.width() != widthOf(grid.cells())) {
        return QStringLiteral("%1: width %2 for cells up to column %3")
            .arg(QLatin1String(name))
            .arg(grid.width())
            .arg(widthOf(grid.cells()) - 1);
    }
    int taken = 0;
    for (int column = 0; column < grid.width(); ++column) {
        for (int row = 0; row < NoxRoadGrid::kRows; ++row) {
            taken += grid.isOccupied(column, row) ? 1 : 0;
        }
    }
    if (taken != int(grid.cells().size())) {
        return QStringLiteral("%1: %2 cells taken for %3 cells")
            .arg(QLatin1String(name))
            .arg(taken)
            .arg(grid.cells().size());
    }
    return {};
}

NoxRoads roadsOf(const char *shoe)
{
    NoxRoads roads;
    for (const char *c = shoe; *c; ++c) {
        roads.append(*c == 'T' ? NoxRoads::kTie : *c == 'P' ? NoxRoads::kPlayer : NoxRoads::kBanker);
    }
    return roads;
}

// "B7P7" -> "BBBBBBBPPPPPPP"
QByteArray expand(const char *runs)
{
    QByteArray shoe;
    for (const char *c = runs; *c;) {
        const char letter = *c++;
        int count = 0;
        while (*c >= '0' && *c <= '9') {
            count = count * 10 + (*c++ - '0');
        }
        shoe += QByteArray(std::max(count, 1), letter);
    }
    return shoe;
}

RoadsReference::Roads referenceOf(const QByteArray &shoe)
{
    return RoadsReference::roadsOf(
        [&] {
            std::vector<int> values;
            for (char c : shoe) {
                values.push_back(c == 'T' ? 0 : c == 'P' ? 1 : 2);
            }
            return values;
        }(),
        {});
}

// What a random sequence reached, counted after each append: cells in a dragon tail (to the
// right of the cell before them in the same column), and columns that could not start next to
// the previous one because a tail runs along row 0 there.
struct Exercised {
    int bigRoadTails = 0;
    int derivedTails = 0;
    int skippedStarts = 0;
};

template<typename SameColumn>
void noteLastCell(const std::vector<NoxRoadCell> &cells, SameColumn sameColumn, int *tails, int *skipped)
{
    const std::size_t n = cells.size();
    if (n < 2) {
        return;
    }
    if (sameColumn(n - 1, n - 2)) {
        *tails += cells[n - 1].column > cells[n - 2].column ? 1 : 0;
        return;
    }
    std::size_t first = n - 2; // the previous column's first cell
    while (first > 0 && sameColumn(first - 1, first)) {
        --first;
    }
    *skipped += cells[n - 1].column > cells[first].column + 1 ? 1 : 0;
}

void noteAppend(const NoxRoads &roads, Exercised *exercised)
{
    const auto &entries = roads.bigRoadEntries();
    noteLastCell(
        roads.bigRoadGrid().cells(),
        [&](std::size_t a, std::size_t b) { return entries[a].winner == entries[b].winner; },
        &exercised->bigRoadTails, &exercised->skippedStarts);
    for (Kind kind : kKinds) {
        const auto &marks = roads.derivedRoad(kind).marks();
        noteLastCell(
            roads.derivedRoad(kind).grid().cells(),
            [&](std::size_t a, std::size_t b) { return marks[a] == marks[b]; }, &exercised->derivedTails,
            &exercised->skippedStarts);
    }
}

// A history kept beside the roads by the rules of NoxRoads' operations.
struct HistoryModel {
    std::vector<int> values;
    std::vector<long long> starts; // increasing, each in 1 to values.size()

    [[nodiscard]] long long shoeStart() const { return starts.empty() ? 0 : starts.back(); }
};

struct Profile {
    double tie;    // chance that an appended result is a tie
    double repeat; // chance that a PLAYER or BANKER repeats the previous winner
    double pop;
    double newShoe;
    double clear;
    double rebuild;
    double copy;
};

} // namespace

Q_DECLARE_METATYPE(Profile)

class TestRoads : public QObject
{
    Q_OBJECT

private:
    // Checks a hand-worked shoe against NoxRoads appended coup by coup and against the reference.
    void checkShoe(const QByteArray &shoe, const Texts &expected)
    {
        const NoxRoads roads = roadsOf(shoe.constData());
        const Texts incremental = textsOf(roads);
        QVERIFY2(difference(incremental, expected).isEmpty(), qPrintable(difference(incremental, expected)));
        const Texts reference = textsOf(referenceOf(shoe));
        QVERIFY2(difference(reference, expected).isEmpty(),
                 qPrintable(QStringLiteral("reference: ") + difference(reference, expected)));
        for (const auto &[grid, name] : {std::pair{&roads.bigRoadGrid(), "big road"},
                                         {&roads.derivedRoad(Kind::BigEyeBoy).grid(), "big eye boy"},
                                         {&roads.derivedRoad(Kind::SmallRoad).grid(), "small road"},
                                         {&roads.derivedRoad(Kind::CockroachPig).grid(), "cockroach pig"}}) {
            QVERIFY2(gridDifference(*grid, name).isEmpty(), qPrintable(gridDifference(*grid, name)));
        }
    }

private slots:
    void handWorkedShoes_data()
    {
        QTest::addColumn<QByteArray>("shoe");
        QTest::addColumn<int>("leadingTies");
        QTest::addColumn<QString>("columns");
        QTest::addColumn<QString>("bigRoadGrid");
        QTest::addColumn<QStringList>("marks");
        QTest::addColumn<QStringList>("grids");
        QTest::addColumn<QString>("askB");
        QTest::addColumn<QString>("askP");
        const auto s = [](const char *text) {
            return QString::fromLatin1(text);
        };

        QTest::newRow("B P P P B") << QByteArray("BPPPB") << 0 << s("B|PPP|B") << s("0,0 1,0 1,1 1,2 2,0")
                                   << QStringList{s("BRB"), s(""), s("")}
                                   << QStringList{s("0,0 1,0 2,0"), s(""), s("")} << s("RB-") << s("BR-");
        // Ties on the entry before them; the two before the first B go on that B.
        QTest::newRow("tie heavy") << QByteArray("TTBTTPTBBT") << 2 << s("B4|P1|BB1") << s("0,0 1,0 2,0 2,1")
                                   << QStringList{s("RB"), s("B"), s("")}
                                   << QStringList{s("0,0 1,0"), s("0,0"), s("")} << s("RR-") << s("BB-");
        QTest::newRow("ties only") << QByteArray("TTT") << 3 << s("") << s("")
                                   << QStringList{s(""), s(""), s("")} << QStringList{s(""), s(""), s("")}
                                   << s("---") << s("---");
        QTest::newRow("ties before the first")
            << QByteArray("TTPT") << 2 << s("P3") << s("0,0") << QStringList{s(""), s(""), s("")}
            << QStringList{s(""), s(""), s("")} << s("---") << s("---");
        QTest::newRow("empty") << QByteArray() << 0 << s("") << s("") << QStringList{s(""), s(""), s("")}
                               << QStringList{s(""), s(""), s("")} << s("---") << s("---");
        // The B's seventh entry turns right on the bottom row; the P is blocked by it on row 4.
        QTest::newRow("B7 P7") << expand("B7P7") << 0 << s("BBBBBBB|PPPPPPP")
                               << s("0,0 0,1 0,2 0,3 0,4 0,5 1,5 1,0 1,1 1,2 1,3 1,4 2,4 3,4")
                               << QStringList{s("RRRRRR"), s(""), s("")}
                               << QStringList{s("0,0 0,1 0,2 0,3 0,4 0,5"), s(""), s("")} << s("R--")
                               << s("B--");
        // A tail of 14 cells on the bottom row; the columns that start above it stop on row 4,
        // then on row 3 above the P's tail.
        QTest::newRow("long tail")
            << expand("B20P7BP6") << 0 << s("BBBBBBBBBBBBBBBBBBBB|PPPPPPP|B|PPPPPP")
            << s("0,0 0,1 0,2 0,3 0,4 0,5 1,5 2,5 3,5 4,5 5,5 6,5 7,5 8,5 9,5 10,5 11,5 "
                 "12,5 13,5 14,5 1,0 1,1 1,2 1,3 1,4 2,4 3,4 2,0 3,0 3,1 3,2 3,3 4,3 5,3")
            << QStringList{s("RRRRRRBBBRRRR"), s("BRRRRR"), s("RRRRR")}
            << QStringList{s("0,0 0,1 0,2 0,3 0,4 0,5 1,0 1,1 1,2 2,0 2,1 2,2 2,3"),
                           s("0,0 1,0 1,1 1,2 1,3 1,4"), s("0,0 0,1 0,2 0,3 0,4")}
            << s("BBB") << s("RRR");
        // Each column's tail blocks the next one a row higher, until a column is blocked on row
        // 1 and runs along row 0: the next column starts after that tail, in grid column 8.
        QTest::newRow("staircase")
            << expand("B7P6B5P4B3P3B") << 0 << s("BBBBBBB|PPPPPP|BBBBB|PPPP|BBB|PPP|B")
            << s("0,0 0,1 0,2 0,3 0,4 0,5 1,5 1,0 1,1 1,2 1,3 1,4 2,4 2,0 2,1 2,2 2,3 3,3 3,0 3,1 3,2 4,2 "
                 "4,0 4,1 5,1 5,0 6,0 7,0 8,0")
            << QStringList{s("RRRRRBRRRRBRRRBRRBRRR"), s("RRRRBRRRBRRBRRB"), s("RRRBRRBRRB")}
            << QStringList{s("0,0 0,1 0,2 0,3 0,4 1,0 2,0 2,1 2,2 2,3 3,0 4,0 4,1 4,2 5,0 6,0 6,1 7,0 8,0 "
                             "8,1 8,2"),
                           s("0,0 0,1 0,2 0,3 1,0 2,0 2,1 2,2 3,0 4,0 4,1 5,0 6,0 6,1 7,0"),
                           s("0,0 0,1 0,2 1,0 2,0 2,1 3,0 4,0 4,1 5,0")}
            << s("RRR") << s("BBB");
        // Seven red marks of the big eye boy end in a tail on row 5; the seven blue ones after
        // them are blocked on row 4 and turn right there.
        QTest::newRow("derived tail")
            << expand("BP9BP2BP2B") << 0 << s("B|PPPPPPPPP|B|PP|B|PP|B")
            << s("0,0 1,0 1,1 1,2 1,3 1,4 1,5 2,5 3,5 4,5 2,0 3,0 3,1 4,0 5,0 5,1 6,0")
            << QStringList{s("BRRRRRRRBBBBBBB"), s("RRBRRR"), s("BBBBB")}
            << QStringList{s("0,0 1,0 1,1 1,2 1,3 1,4 1,5 2,5 2,0 2,1 2,2 2,3 2,4 3,4 4,4"),
                           s("0,0 0,1 1,0 2,0 2,1 2,2"), s("0,0 0,1 0,2 0,3 0,4")}
            << s("RBR") << s("BRB");
    }

    void handWorkedShoes()
    {
        QFETCH(QByteArray, shoe);
        Texts expected;
        expected.shoe = QString::fromLatin1(shoe);
        QFETCH(int, leadingTies);
        expected.leadingTies = leadingTies;
        QFETCH(QString, columns);
        expected.columns = columns;
        QFETCH(QString, bigRoadGrid);
        expected.bigRoadGrid = bigRoadGrid;
        QFETCH(QStringList, marks);
        expected.marks = marks;
        QFETCH(QStringList, grids);
        expected.grids = grids;
        QFETCH(QString, askB);
        expected.askB = askB;
        QFETCH(QString, askP);
        expected.askP = askP;
        checkShoe(shoe, expected);
    }

    void beadPlateFillsSixRowsThenTheNextColumn()
    {
        const NoxRoads roads = roadsOf("TTBTTPTBBT");
        QCOMPARE(roads.shoe().toByteArray(), QByteArray("\0\0\2\0\0\1\0\2\2\0", 10));
        QCOMPARE(NoxRoads::beadCell(0), (NoxRoadCell{0, 0}));
        QCOMPARE(NoxRoads::beadCell(5), (NoxRoadCell{0, 5}));
        QCOMPARE(NoxRoads::beadCell(6), (NoxRoadCell{1, 0}));
        QCOMPARE(NoxRoads::beadCell(9), (NoxRoadCell{1, 3}));
        QCOMPARE(NoxRoads::beadCell(13), (NoxRoadCell{2, 1}));
    }

    // Undo takes back exactly one coup, tie or not, in the middle of a tail or of a column.
    void undoRestoresThePreviousCoup()
    {
        const QByteArray shoe = expand("TB20TP7TBTTP6T");
        NoxRoads roads = roadsOf(shoe.constData());
        for (qsizetype n = shoe.size(); n > 0; --n) {
            QVERIFY(roads.pop());
            const Texts expected = textsOf(referenceOf(shoe.left(n - 1)));
            QVERIFY2(difference(textsOf(roads), expected).isEmpty(),
                     qPrintable(QStringLiteral("after undoing coup %1: ").arg(n) +
                                difference(textsOf(roads), expected)));
        }
        QVERIFY(!roads.pop());
        QCOMPARE(roads.leadingTies(), 0);
    }

    void shoeBoundaries()
    {
        NoxRoads roads = roadsOf("PBBT");
        QVERIFY(roads.newShoe());
        QVERIFY(!roads.newShoe()); // still empty: no second boundary
        QCOMPARE(roads.shoeStarts(), (QList<qsizetype>{4}));
        QVERIFY(roads.shoe().isEmpty());
        QCOMPARE(roads.bigRoadColumnCount(), 0);
        QVERIFY(roads.bigRoadGrid().isEmpty());
        roads.append(NoxRoads::kTie);
        roads.append(NoxRoads::kBanker);
        QCOMPARE(roads.bigRoadColumnCount(), 1);
        QCOMPARE(roads.bigRoadColumn(0)[0], (NoxBigRoadEntry{2, 1})); // the new shoe's leading tie

        // Undoing the new shoe's coups leaves it empty; once more goes back into the first shoe.
        QVERIFY(roads.pop());
        QVERIFY(roads.pop());
        QCOMPARE(roads.shoeStarts(), (QList<qsizetype>{4}));
        QVERIFY(roads.shoe().isEmpty());
        QVERIFY(roads.pop());
        QCOMPARE(roads.shoeStarts(), QList<qsizetype>());
        QCOMPARE(difference(textsOf(roads), textsOf(referenceOf("PBB"))), QString());

        // A rebuild keeps the positions in order, once each, and the last shoe's roads.
        roads.rebuild({1, 2, 2, 0, 1, 1, 1, 2}, {5, 0, 3, 5, 8});
        QCOMPARE(roads.shoeStarts(), (QList<qsizetype>{3, 5, 8}));
        QVERIFY(roads.shoe().isEmpty());
        QVERIFY(roads.pop());
        QCOMPARE(difference(textsOf(roads), textsOf(referenceOf("PP"))), QString());
        QCOMPARE(roads.results(), QByteArray("\1\2\2\0\1\1\1", 7));

        roads.clear();
        QVERIFY(roads.results().isEmpty());
        QVERIFY(roads.shoeStarts().isEmpty());
        QCOMPARE(difference(textsOf(roads), textsOf(referenceOf(""))), QString());
        QVERIFY(!roads.newShoe());
    }

    void programmingErrorsThrow()
    {
        NoxRoads roads;
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, roads.append(3));
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, roads.append(-1));
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, roads.rebuild({1, 2}, {3}));
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, roads.rebuild({1, 2}, {-1}));
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, roads.rebuild({1, 4}, {}));
        QVERIFY_THROWS_EXCEPTION(std::invalid_argument, (void)roads.ask(NoxRoads::kTie, Kind::BigEyeBoy));
        QVERIFY(roads.results().isEmpty()); // nothing taken from a refused call
    }

    void incrementalMatchesFromScratch_data()
    {
        QTest::addColumn<quint64>("seed");
        QTest::addColumn<int>("steps");
        QTest::addColumn<Profile>("profile");
        // What the sequence must reach to be worth running: tail cells (all roads), columns
        // started beyond a tail on row 0, undos back into the previous shoe.
        QTest::addColumn<QList<int>>("atLeast");
        //                                                        tie  repeat pop   shoe   clear   rebuild
        //                                                        copy
        QTest::newRow("ties and long runs")
            << quint64(1) << 6000 << Profile{0.35, 0.8, 0.15, 0.004, 0.0005, 0.01, 0.01}
            << QList<int>{1000, 10, 2};
        QTest::newRow("dragons") << quint64(2) << 6000 << Profile{0.2, 0.93, 0.12, 0.003, 0.0005, 0.01, 0.01}
                                 << QList<int>{4000, 40, 2};
        QTest::newRow("choppy") << quint64(3) << 4000 << Profile{0.1, 0.3, 0.15, 0.01, 0.001, 0.01, 0.01}
                                << QList<int>{100, 0, 5};
        QTest::newRow("undo heavy") << quint64(4) << 6000 << Profile{0.3, 0.7, 0.42, 0.02, 0.002, 0.02, 0.01}
                                    << QList<int>{80, 1, 40};
        QTest::newRow("many shoes") << quint64(5) << 4000 << Profile{0.3, 0.6, 0.2, 0.06, 0.005, 0.04, 0.02}
                                    << QList<int>{30, 0, 30};
    }

    // Random appends, undos, shoe boundaries, clears, rebuilds and copies: after every step the
    // roads equal those computed from scratch from a history kept beside them.
    void incrementalMatchesFromScratch()
    {
        QFETCH(quint64, seed);
        QFETCH(int, steps);
        QFETCH(Profile, profile);
        QFETCH(QList<int>, atLeast);
        std::mt19937_64 random(seed);
        std::uniform_real_distribution<double> chance(0, 1);
        NoxRoads roads;
        HistoryModel model;
        int lastWinner = NoxRoads::kBanker;
        Exercised exercised;
        int popsIntoPreviousShoe = 0;
        for (int step = 0; step < steps; ++step) {
            double r = chance(random);
            QString op;
            if ((r -= profile.pop) < 0) {
                op = QStringLiteral("pop");
                const bool expected = !model.values.empty();
                if (expected) {
                    if (model.shoeStart() == qsizetype(model.values.size())) {
                        ++popsIntoPreviousShoe;
                    }
                    model.values.pop_back();
                    while (!model.starts.empty() && model.starts.back() > qsizetype(model.values.size())) {
                        model.starts.pop_back();
                    }
                }
                QCOMPARE(roads.pop(), expected);
            } else if ((r -= profile.newShoe) < 0) {
                op = QStringLiteral("new shoe");
                const bool expected = model.shoeStart() < qsizetype(model.values.size());
                if (expected) {
                    model.starts.push_back(qsizetype(model.values.size()));
                }
                QCOMPARE(roads.newShoe(), expected);
            } else if ((r -= profile.clear) < 0) {
                op = QStringLiteral("clear");
                model = {};
                roads.clear();
            } else if ((r -= profile.rebuild) < 0) {
                op = QStringLiteral("rebuild");
                rebuildStep(random, &model, &roads);
            } else if ((r -= profile.copy) < 0) {
                op = QStringLiteral("copy");
                const NoxRoads snapshot = roads;
                roads = NoxRoads();
                roads = snapshot;
            } else {
                int value = NoxRoads::kTie;
                if (chance(random) >= profile.tie) {
                    value = chance(random) < profile.repeat ? lastWinner : 3 - lastWinner;
                    lastWinner = value;
                }
                op = QStringLiteral("append %1").arg(QLatin1Char("TPB"[value]));
                model.values.push_back(value);
                roads.append(value);
                noteAppend(roads, &exercised);
            }

            const auto where = [&] {
                return QStringLiteral("step %1 (%2), shoe of %3 coups: ")
                    .arg(step)
                    .arg(op)
                    .arg(qsizetype(model.values.size()) - model.shoeStart());
            };
            const RoadsReference::Roads reference = RoadsReference::roadsOf(model.values, model.starts);
            if (!(asReference(roads) == reference)) {
                const QString d = difference(textsOf(roads), textsOf(reference));
                QFAIL(qPrintable(where() + (d.isEmpty() ? QStringLiteral("the conversion") : d)));
            }
            QCOMPARE(roads.results().size(), qsizetype(model.values.size()));
            if (!std::equal(model.values.cbegin(), model.values.cend(), roads.results().cbegin())) {
                QFAIL(qPrintable(where() + QStringLiteral("history")));
            }
            QCOMPARE(roads.shoeStarts(), QList<qsizetype>(model.starts.cbegin(), model.starts.cend()));
            for (const NoxRoadGrid *grid : {&roads.bigRoadGrid(), &roads.derivedRoad(Kind::BigEyeBoy).grid(),
                                            &roads.derivedRoad(Kind::SmallRoad).grid(),
                                            &roads.derivedRoad(Kind::CockroachPig).grid()}) {
                if (const QString g = gridDifference(*grid, "grid"); !g.isEmpty()) {
                    QFAIL(qPrintable(where() + g));
                }
            }
        }
        qInfo("tail cells: %d in the big road, %d in the derived roads; columns started further right: %d; "
              "undos into the previous shoe: %d",
              exercised.bigRoadTails, exercised.derivedTails, exercised.skippedStarts, popsIntoPreviousShoe);
        QVERIFY(exercised.bigRoadTails + exercised.derivedTails >= atLeast.at(0));
        QVERIFY(exercised.skippedStarts >= atLeast.at(1));
        QVERIFY(popsIntoPreviousShoe >= atLeast.at(2));
    }

private:
    // A truncation of the history (a restart at a coup), now and then a new history altogether;
    // the positions are handed over with repeats, a zero and out of order.
    static void rebuildStep(std::mt19937_64 &random, HistoryModel *model, NoxRoads *roads)
    {
        if (std::uniform_int_distribution<int>(0, 3)(random) == 0) {
            const int size = std::uniform_int_distribution<int>(0, 300)(random);
            model->values.resize(std::size_t(size));
            for (int &v : model->values) {
                v = std::uniform_int_distribution<int>(0, 9)(random) < 3 ? 0 : 1 + int(random() % 2);
            }
            model->starts.clear();
            for (int i = 1; i <= size; ++i) {
                if (std::uniform_int_distribution<int>(0, 60)(random) == 0) {
                    model->starts.push_back(i);
                }
            }
        } else {
            const auto size = std::uniform_int_distribution<std::size_t>(0, model->values.size())(random);
            model->values.resize(size);
            while (!model->starts.empty() && model->starts.back() > qsizetype(size)) {
                model->starts.pop_back();
            }
        }
        QList<qsizetype> handed(model->starts.cbegin(), model->starts.cend());
        handed.append(0);
        if (!model->starts.empty()) {
            handed.append(model->starts.front());
        }
        std::shuffle(handed.begin(), handed.end(), random);
        roads->rebuild(QList<int>(model->values.cbegin(), model->values.cend()), handed);
    }
};

QTEST_GUILESS_MAIN(TestRoads)
#include "tst_roads.moc"
