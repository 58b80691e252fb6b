#include "core/noxhistoryreader.h"

#include <QBuffer>
#include <QFile>
#include <QThread>
#include <QtTest>

#include <thread>

using namespace Nox;
using Status = NoxHistoryReader::Status;

namespace {

struct Read {
    QList<QList<int>> shoes;
    QList<Status> statuses;
    NoxHistoryReader::Summary summary;
};

Read readText(const QByteArray &text, NoxHistoryReader::Options options = {})
{
    QBuffer buffer;
    buffer.setData(text);
    buffer.open(QIODevice::ReadOnly);
    NoxHistoryReader reader(&buffer, options);
    Read r;
    QList<int> shoe;
    NoxHistoryReader::Line line;
    qint64 expected = 0;
    while (reader.next(&line)) {
        if (line.number != ++expected) {
            qWarning() << "line" << line.number << "after" << expected - 1;
        }
        r.statuses.append(line.status);
        if (line.status == Status::Taken || line.status == Status::Corrected) {
            shoe.append(line.value);
        } else if (line.status == Status::Blank && !shoe.isEmpty()) {
            r.shoes.append(shoe);
            shoe.clear();
        }
    }
    if (!shoe.isEmpty()) {
        r.shoes.append(shoe);
    }
    r.summary = reader.summary();
    return r;
}

NoxHistoryReader::Options roulette()
{
    NoxHistoryReader::Options o;
    o.baccarat = false;
    return o;
}

// A device that delivers zeros without end, as /dev/zero does, and counts what it gave.
class Zeros : public QIODevice
{
public:
    qint64 given = 0;

protected:
    qint64 readData(char *data, qint64 size) override
    {
        std::memset(data, 0, size_t(size));
        given += size;
        return size;
    }
    qint64 writeData(const char *, qint64) override { return -1; }
    bool isSequential() const override { return true; }
};

} // namespace

class TestHistoryReader : public QObject
{
    Q_OBJECT

private slots:
    void lettersCommentsAndShoes()
    {
        const Read r = readText("# shoe 1\nP\nB\n\n\nT\nP\n");
        QCOMPARE(r.shoes, (QList<QList<int>>{{1, 2}, {0, 1}}));
        QCOMPARE(r.statuses, (QList<Status>{Status::Comment, Status::Taken, Status::Taken, Status::Blank,
                                            Status::Blank, Status::Taken, Status::Taken}));
        QVERIFY(r.summary.ok());
        QCOMPARE(r.summary.lines, 7);
        QCOMPARE(r.summary.taken, 4);
        QCOMPARE(r.summary.corrected, 0);
        QCOMPARE(r.summary.refused, 0);
    }

    void lineEndsOfEverySystem()
    {
        // "\r\n" is one line end, a lone "\r" too; the last line needs none.
        const Read r = readText("P\r\nB\r\n\r\nT\rB\n\rP");
        QCOMPARE(r.shoes, (QList<QList<int>>{{1, 2}, {0, 2}, {1}}));
        QCOMPARE(r.summary.lines, 7);
        // A "\r\n" split across two blocks of the device is still one line end.
        QByteArray prefix = QByteArray("P\n").repeated(32767) + "P";
        QCOMPARE(prefix.size(), 64 * 1024 - 1);
        const Read split = readText(prefix + "\r\nB\r\n\r\nT");
        QCOMPARE(split.shoes.size(), 2);
        QCOMPARE(split.shoes.first().size(), 32769);
        QCOMPARE(split.shoes.last(), QList<int>{0});
        QCOMPARE(split.summary.lines, 32771);
        QCOMPARE(readText("").summary.lines, 0);
        QCOMPARE(readText("P\n").summary.lines, 1);
    }

    void whatThePlayerMeantIsCorrected()
    {
        const Read r = readText("\xef\xbb\xbfT\nb\n B \np\t\nbanker\n Tie\n\xc2\xa0P\xc2\xa0\n");
        QCOMPARE(r.shoes, (QList<QList<int>>{{0, 2, 2, 1, 2, 0, 1}}));
        QCOMPARE(r.summary.corrected, 6);
        QCOMPARE(r.summary.taken, 7);
        QCOMPARE(r.statuses.first(), Status::Taken); // a byte order mark is no correction
        QCOMPARE(r.statuses.at(1), Status::Corrected);
        QCOMPARE(readText("P\n\xef\xbb\xbfT\n").summary.refused, 1); // only at the start
        QVERIFY(r.summary.ok());

        const Read n = readText("0\n36\n 7\n05\n+12\n000\n", roulette());
        QCOMPARE(n.shoes, (QList<QList<int>>{{0, 36, 7, 5, 12, 0}}));
        QCOMPARE(n.summary.corrected, 4);
    }

    void refusedLinesAreCountedAndTheFirstOnesKept()
    {
        const Read r = readText("P\nX\nB\nPB\n12\nbankers\n");
        QCOMPARE(r.shoes, (QList<QList<int>>{{1, 2}}));
        QCOMPARE(r.summary.refused, 4);
        QVERIFY(!r.summary.ok());
        QVERIFY(r.summary.error.isEmpty());
        QCOMPARE(r.summary.problems.size(), 4);
        QCOMPARE(r.summary.problems.at(0), (NoxHistoryReader::Problem{2, false, "X"}));
        QCOMPARE(r.summary.problems.at(3), (NoxHistoryReader::Problem{6, false, "bankers"}));

        const Read n = readText("17\n37\n-1\n0\nx\n1 2\n", roulette());
        QCOMPARE(n.shoes, (QList<QList<int>>{{17, 0}}));
        QCOMPARE(n.summary.refused, 4);
        QCOMPARE(n.summary.problems.first().line, 2);

        // Only the first few are kept, all are counted; a refused line shows its start only.
        QByteArray many;
        for (int i = 0; i < 1000; ++i) {
            many += "Z" + QByteArray(100, 'z') + "\nP\n";
        }
        NoxHistoryReader::Options few;
        few.keptProblems = 3;
        const Read m = readText(many, few);
        QCOMPARE(m.summary.refused, 1000);
        QCOMPARE(m.summary.taken, 1000);
        QCOMPARE(m.summary.problems.size(), 3);
        QCOMPARE(m.summary.problems.at(2).line, 5);
        QCOMPARE(m.summary.problems.at(2).text.size(), NoxHistoryReader::kShownLength);
    }

    void aTooLongLineStopsOrIsSkipped()
    {
        NoxHistoryReader::Options small;
        small.maxLineLength = 8;
        const QByteArray text = "P\n12345678\n123456789\nB\n";
        const Read stop = readText(text, small);
        QCOMPARE(stop.shoes, (QList<QList<int>>{{1}}));
        QCOMPARE(stop.statuses.last(), Status::TooLong);
        QVERIFY(stop.summary.stopped);
        QCOMPARE(stop.summary.error, QStringLiteral("line 3 is too long (more than 8 bytes)"));
        QCOMPARE(stop.summary.problems.last(), (NoxHistoryReader::Problem{3, true, {}}));

        small.tooLong = NoxHistoryReader::TooLongLines::Skip;
        const Read skip = readText(text, small);
        QCOMPARE(skip.shoes, (QList<QList<int>>{{1, 2}}));
        QVERIFY(!skip.summary.stopped);
        QCOMPARE(skip.summary.tooLong, 1);
        QCOMPARE(skip.summary.refused, 2);
        QCOMPARE(skip.summary.lines, 4);

        // The default limit.
        const Read big = readText("P\n" + QByteArray(NoxHistoryReader::kMaxLineLength + 1, 'P') + "\nB\n");
        QVERIFY(big.summary.stopped);
        QCOMPARE(big.summary.lines, 2);
        QVERIFY(readText(QByteArray(NoxHistoryReader::kMaxLineLength, ' ') + "\nB\n").summary.ok());
    }

    void endlessZerosStopAtTheFirstLine()
    {
        Zeros zeros;
        zeros.open(QIODevice::ReadOnly);
        NoxHistoryReader reader(&zeros, {});
        NoxHistoryReader::Line line;
        QVERIFY(reader.next(&line));
        QCOMPARE(line.status, Status::TooLong);
        QCOMPARE(line.number, 1);
        QVERIFY(!reader.next(&line));
        QVERIFY(reader.summary().stopped);
        // It read about one line's worth, not the device.
        QVERIFY(zeros.given <= 2 * 64 * 1024);
        QCOMPARE(reader.bytesRead(), zeros.given);

        QFile devZero(QStringLiteral("/dev/zero"));
        if (devZero.open(QIODevice::ReadOnly)) {
            NoxHistoryReader file(&devZero, {});
            const auto summary = file.readAll([](int) {}, [] {});
            QVERIFY(summary.stopped);
            QCOMPARE(summary.lines, 1);
        }
    }

    void cancelFromAnotherThreadStopsASkippedEndlessLine()
    {
        Zeros zeros;
        zeros.open(QIODevice::ReadOnly);
        NoxHistoryReader::Options skip;
        skip.tooLong = NoxHistoryReader::TooLongLines::Skip;
        NoxHistoryReader reader(&zeros, skip);
        std::thread canceler([&reader] {
            while (reader.bytesRead() < 4 * 1024 * 1024) {
                QThread::usleep(100);
            }
            reader.cancel();
        });
        const auto summary = reader.readAll([](int) {}, [] {});
        canceler.join();
        QVERIFY(summary.canceled);
        QVERIFY(!summary.ok());
        QVERIFY(reader.isCanceled());
        QVERIFY(reader.bytesRead() >= 4 * 1024 * 1024);
    }

    void readAllCallsBackPerResultAndShoe()
    {
        QBuffer buffer;
        buffer.setData("P\nx\n\nB\nT\n");
        buffer.open(QIODevice::ReadOnly);
        NoxHistoryReader reader(&buffer, {});
        QList<int> values;
        int shoes = 0;
        const auto summary = reader.readAll([&](int v) { values.append(v); }, [&] { ++shoes; });
        QCOMPARE(values, (QList<int>{1, 2, 0}));
        QCOMPARE(shoes, 1);
        QCOMPARE(summary.refused, 1);
        QCOMPARE(reader.bytesRead(), buffer.size());
    }

    void parseAlone()
    {
        bool corrected = true;
        QCOMPARE(NoxHistoryReader::parse("B", true, &corrected), 2);
        QVERIFY(!corrected);
        QCOMPARE(NoxHistoryReader::parse(" player ", true, &corrected), 1);
        QVERIFY(corrected);
        QCOMPARE(NoxHistoryReader::parse("", true, &corrected), -1);
        QCOMPARE(NoxHistoryReader::parse("36", false, &corrected), 36);
        QVERIFY(!corrected);
        QCOMPARE(NoxHistoryReader::parse("0036", false, &corrected), 36);
        QVERIFY(corrected);
        QCOMPARE(NoxHistoryReader::parse("9999999999999", false, &corrected), -1);
        QCOMPARE(NoxHistoryReader::parse("+", false, &corrected), -1);
        QCOMPARE(NoxHistoryReader::parse("T", false, &corrected), -1);
        QCOMPARE(NoxHistoryReader::parse("3", true, &corrected), -1);
    }
};

QTEST_GUILESS_MAIN(TestHistoryReader)
#include "tst_historyreader.moc"
