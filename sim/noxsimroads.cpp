#include "noxsimroads.h"

#include "noxsimhistory.h"

#include "core/noxhistoryreader.h"
#include "roads/noxroads.h"

#include <QCommandLineParser>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QTextStream>

#include <cstdio>

namespace Nox {

namespace {

constexpr int kBadInput = 2;

int fail(const QString &message)
{
    QTextStream(stderr) << "noxsim: " << message << Qt::endl;
    return kBadInput;
}

QString letter(int result)
{
    return QString(QLatin1Char("TPB"[result]));
}

QString markLetter(NoxRoadMark mark)
{
    return mark == NoxRoadMark::red ? QStringLiteral("R") : QStringLiteral("B");
}

QJsonValue markValue(std::optional<NoxRoadMark> mark)
{
    return mark ? QJsonValue(markLetter(*mark)) : QJsonValue(QJsonValue::Null);
}

struct Road {
    NoxDerivedRoad::Kind kind;
    const char *name;
    const char *gridName;
};

constexpr Road kRoads[] = {{NoxDerivedRoad::Kind::BigEyeBoy, "bigEyeBoy", "bigEyeBoyGrid"},
                           {NoxDerivedRoad::Kind::SmallRoad, "smallRoad", "smallRoadGrid"},
                           {NoxDerivedRoad::Kind::CockroachPig, "cockroachPig", "cockroachPigGrid"}};

} // namespace

QJsonObject NoxSimRoads::shoeJson(const NoxRoads &roads)
{
    QJsonObject shoe;
    QString results;
    for (char v : roads.shoe()) {
        results += letter(v);
    }
    shoe.insert(QStringLiteral("results"), results);
    shoe.insert(QStringLiteral("bead"), results);

    QJsonArray columns;
    for (int i = 0; i < roads.bigRoadColumnCount(); ++i) {
        QJsonArray column;
        for (const NoxBigRoadEntry &e : roads.bigRoadColumn(i)) {
            column.append(QJsonArray{letter(e.winner), e.ties});
        }
        columns.append(column);
    }
    shoe.insert(QStringLiteral("bigRoad"), columns);
    QJsonArray bigRoadGrid;
    const std::vector<NoxRoadCell> &cells = roads.bigRoadGrid().cells();
    for (std::size_t i = 0; i < cells.size(); ++i) {
        const NoxBigRoadEntry &e = roads.bigRoadEntries()[i];
        bigRoadGrid.append(QJsonArray{cells[i].column, cells[i].row, letter(e.winner), e.ties});
    }
    shoe.insert(QStringLiteral("bigRoadGrid"), bigRoadGrid);

    QJsonObject askB;
    QJsonObject askP;
    for (const Road &road : kRoads) {
        const NoxDerivedRoad &derived = roads.derivedRoad(road.kind);
        QString marks;
        QJsonArray grid;
        for (std::size_t i = 0; i < derived.marks().size(); ++i) {
            const NoxRoadCell cell = derived.grid().cells()[i];
            marks += markLetter(derived.marks()[i]);
            grid.append(QJsonArray{cell.column, cell.row, markLetter(derived.marks()[i])});
        }
        shoe.insert(QLatin1String(road.name), marks);
        shoe.insert(QLatin1String(road.gridName), grid);
        askB.insert(QLatin1String(road.name), markValue(roads.ask(NoxRoads::kBanker, road.kind)));
        askP.insert(QLatin1String(road.name), markValue(roads.ask(NoxRoads::kPlayer, road.kind)));
    }
    shoe.insert(QStringLiteral("ask"), QJsonObject{{QStringLiteral("B"), askB}, {QStringLiteral("P"), askP}});
    return shoe;
}

int NoxSimRoads::run(const QStringList &arguments)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(QStringLiteral(
        "Prints the scoreboard roads of every shoe of a baccarat history (one result per line: T, P, "
        "B; blank lines between shoes) as one JSON document {\"shoes\": [...]}: per shoe its results, "
        "bead plate, big road (logical columns and drawn cells), big eye boy, small road and "
        "cockroach pig (marks and drawn cells) and the marks a next B or P would add."));
    const QCommandLineOption help = parser.addHelpOption();
    parser.addPositionalArgument(QStringLiteral("history"),
                                 QStringLiteral("History file (omit to read the standard input)."),
                                 QStringLiteral("roads [history]"));
    if (!parser.parse(arguments)) {
        return fail(QStringLiteral("%1 (--help lists the options)").arg(parser.errorText()));
    }
    if (parser.isSet(help)) {
        parser.showHelp(0);
    }
    const QStringList positional = parser.positionalArguments();
    if (positional.size() > 1) {
        return fail(QStringLiteral("one history file at most"));
    }
    QFile file;
    QString name = QStringLiteral("standard input");
    bool opened = false;
    if (positional.isEmpty()) {
        opened = file.open(fileno(stdin), QIODevice::ReadOnly, QFileDevice::DontCloseHandle);
    } else {
        name = positional.first();
        file.setFileName(name);
        opened = file.open(QIODevice::ReadOnly);
    }
    if (!opened) {
        return fail(QStringLiteral("cannot read %1: %2").arg(name, file.errorString()));
    }
    // The same reading and the same messages as a history file of a run.
    NoxSimHistory history;
    if (!NoxSimHistory::readReporting(&file, name, true, &history)) {
        return kBadInput;
    }

    QFile out;
    if (!out.open(fileno(stdout), QIODevice::WriteOnly, QFileDevice::DontCloseHandle)) {
        return fail(QStringLiteral("cannot write the standard output: %1").arg(out.errorString()));
    }
    out.write("{\"shoes\": [\n");
    NoxRoads roads;
    for (qint64 i = 0; i < history.shoeCount(); ++i) {
        roads.clear();
        for (const char value : history.shoeBytes(i)) {
            roads.append(value);
        }
        out.write(QJsonDocument(shoeJson(roads)).toJson(QJsonDocument::Compact));
        out.write(i + 1 < history.shoeCount() ? ",\n" : "\n");
    }
    out.write("]}\n");
    if (!out.flush()) {
        return fail(QStringLiteral("cannot write the standard output: %1").arg(out.errorString()));
    }
    return 0;
}

} // namespace Nox
