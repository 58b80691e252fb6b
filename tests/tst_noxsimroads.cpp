// `noxsim roads`: the JSON document of a history's shoes, from a file and from the standard
// input, and the messages and exit code of bad input.

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

namespace {

struct Run {
    int exitCode = -1;
    QByteArray out;
    QString err;
};

Run noxsim(const QStringList &args, const QByteArray &input = {})
{
    QProcess p;
    p.start(QStringLiteral(NOXSIM_PATH), args);
    if (!p.waitForStarted()) {
        return {};
    }
    p.write(input);
    p.closeWriteChannel();
    p.waitForFinished(60000);
    Run run;
    run.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    run.out = p.readAllStandardOutput();
    run.err = QString::fromUtf8(p.readAllStandardError());
    return run;
}

bool writeFile(const QString &path, const QByteArray &data)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(data) == data.size();
}

// Two shoes: T B P P P B (the leading tie goes on the first B), then two ties only, written the
// ways a player may write them.
const QByteArray kHistory = "# evening\nT\nB\nP\nP\nP\nB\n\n\n# second shoe\n t \ntie\n";

// Worked by hand. The big eye boy starts at row 2 of column 2: blue (column 1 has one entry),
// red, then blue for column 3 (heights 3 and 1 differ); the other roads have not started. A B
// next would extend column 3 (big eye boy red, small road blue), a P would open column 4 (big
// eye boy blue, small road red); the cockroach pig needs a fourth column with two entries.
const char *const kExpected = R"({"shoes": [
{"results": "TBPPPB", "bead": "TBPPPB",
 "bigRoad": [[["B", 1]], [["P", 0], ["P", 0], ["P", 0]], [["B", 0]]],
 "bigRoadGrid": [[0, 0, "B", 1], [1, 0, "P", 0], [1, 1, "P", 0], [1, 2, "P", 0], [2, 0, "B", 0]],
 "bigEyeBoy": "BRB", "bigEyeBoyGrid": [[0, 0, "B"], [1, 0, "R"], [2, 0, "B"]],
 "smallRoad": "", "smallRoadGrid": [], "cockroachPig": "", "cockroachPigGrid": [],
 "ask": {"B": {"bigEyeBoy": "R", "smallRoad": "B", "cockroachPig": null},
         "P": {"bigEyeBoy": "B", "smallRoad": "R", "cockroachPig": null}}},
{"results": "TT", "bead": "TT", "bigRoad": [], "bigRoadGrid": [],
 "bigEyeBoy": "", "bigEyeBoyGrid": [], "smallRoad": "", "smallRoadGrid": [],
 "cockroachPig": "", "cockroachPigGrid": [],
 "ask": {"B": {"bigEyeBoy": null, "smallRoad": null, "cockroachPig": null},
         "P": {"bigEyeBoy": null, "smallRoad": null, "cockroachPig": null}}}
]})";

} // namespace

class TestNoxsimRoads : public QObject
{
    Q_OBJECT

private slots:
    void shoesAsJson()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString path = dir.filePath(QStringLiteral("evening.txt"));
        QVERIFY(writeFile(path, kHistory));
        QJsonParseError error;
        const QJsonDocument expected = QJsonDocument::fromJson(kExpected, &error);
        QCOMPARE(error.error, QJsonParseError::NoError);

        const Run fromFile = noxsim({QStringLiteral("roads"), path});
        QCOMPARE(fromFile.exitCode, 0);
        QVERIFY2(fromFile.err.isEmpty(), qPrintable(fromFile.err));
        const QJsonDocument document = QJsonDocument::fromJson(fromFile.out, &error);
        QVERIFY2(error.error == QJsonParseError::NoError, qPrintable(error.errorString()));
        const QJsonArray shoes = document.object().value(QStringLiteral("shoes")).toArray();
        const QJsonArray expectedShoes = expected.object().value(QStringLiteral("shoes")).toArray();
        QCOMPARE(document.object().keys(), QStringList{QStringLiteral("shoes")});
        QCOMPARE(shoes.size(), expectedShoes.size());
        for (qsizetype i = 0; i < shoes.size(); ++i) {
            const QJsonObject shoe = shoes.at(i).toObject();
            const QJsonObject want = expectedShoes.at(i).toObject();
            QCOMPARE(shoe.keys(), want.keys());
            for (const QString &key : want.keys()) {
                const QByteArray got =
                    QJsonDocument(QJsonObject{{key, shoe.value(key)}}).toJson(QJsonDocument::Compact);
                QVERIFY2(shoe.value(key) == want.value(key),
                         qPrintable(QStringLiteral("shoe %1: ").arg(i + 1) + QString::fromUtf8(got)));
            }
        }

        const Run fromInput = noxsim({QStringLiteral("roads")}, kHistory);
        QCOMPARE(fromInput.exitCode, 0);
        QCOMPARE(fromInput.out, fromFile.out);
    }

    void badInputEndsWithAMessage()
    {
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const Run badLine = noxsim({QStringLiteral("roads")}, "P\nB\nZ\nT\n");
        QCOMPARE(badLine.exitCode, 2);
        QVERIFY2(badLine.err.contains(
                     QStringLiteral("standard input: line 3: \"Z\" is not a baccarat result (T, P or B)")),
                 qPrintable(badLine.err));
        QVERIFY(badLine.out.isEmpty()); // no half document

        const QString roulette = dir.filePath(QStringLiteral("spins.txt"));
        QVERIFY(writeFile(roulette, "17\n0\n"));
        const Run numbers = noxsim({QStringLiteral("roads"), roulette});
        QCOMPARE(numbers.exitCode, 2);
        QVERIFY2(numbers.err.contains(roulette + QStringLiteral(": line 1: \"17\" is not a baccarat result")),
                 qPrintable(numbers.err));

        const Run tooLong = noxsim({QStringLiteral("roads")}, "P\n" + QByteArray(5000, 'B') + "\nT\n");
        QCOMPARE(tooLong.exitCode, 2);
        QVERIFY2(tooLong.err.contains(QStringLiteral("line 2 is too long (more than 4096 bytes)")),
                 qPrintable(tooLong.err));
        QVERIFY(tooLong.err.contains(QStringLiteral("reading stopped at line 2")));

        const Run empty = noxsim({QStringLiteral("roads")}, "# nothing\n\n");
        QCOMPARE(empty.exitCode, 2);
        QVERIFY2(empty.err.contains(QStringLiteral("standard input holds no result")), qPrintable(empty.err));

        const Run missing = noxsim({QStringLiteral("roads"), dir.filePath(QStringLiteral("missing.txt"))});
        QCOMPARE(missing.exitCode, 2);
        QVERIFY(missing.err.contains(QStringLiteral("cannot read")));
        QCOMPARE(noxsim({QStringLiteral("roads"), roulette, roulette}).exitCode, 2);
        const Run option = noxsim({QStringLiteral("roads"), QStringLiteral("--bogus")});
        QCOMPARE(option.exitCode, 2);
        QVERIFY(option.err.contains(QStringLiteral("Unknown option 'bogus'")));
    }

    void help()
    {
        const Run roads = noxsim({QStringLiteral("roads"), QStringLiteral("--help")});
        QCOMPARE(roads.exitCode, 0);
        QVERIFY(roads.out.contains("standard input"));
        const Run main = noxsim({QStringLiteral("--help")});
        QCOMPARE(main.exitCode, 0);
        QVERIFY(main.out.contains("noxsim roads [FILE]"));
    }
};

QTEST_GUILESS_MAIN(TestNoxsimRoads)
#include "tst_noxsimroads.moc"
