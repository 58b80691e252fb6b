// noxsim over the archive: `noxsim sessions FILE` lists the archived sessions, and
// `--archive FILE --session N|all` plays their results exactly as the same history written
// to a file; wrong sessions stop with exit code 2.

#include "archivesupport.h"
#include "testsupport.h"

#include "archive/noxarchive.h"
#include "archive/noxarchiveexport.h"
#include "archive/noxarchivereader.h"

#include <QProcess>
#include <QtTest>

using namespace Nox;
using namespace NoxTest;

namespace {

constexpr qint64 kT0 = 1714590000000;

struct Run {
    int exitCode = -1;
    QByteArray out;
    QByteArray err;
};

Run noxsim(const QStringList &arguments)
{
    QProcess p;
    p.start(QStringLiteral(NOXSIM_PATH), arguments);
    p.waitForFinished(120000);
    return {p.exitCode(), p.readAllStandardOutput(), p.readAllStandardError()};
}

} // namespace

class TestNoxSimArchive : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        useSandbox(m_dir);
        m_path = m_dir.filePath(QStringLiteral("sessions.sqlite"));
        NoxArchive archive(m_path);
        archive.start();
        // Two baccarat sessions of two shoes each, one roulette session, an undone coup.
        int t = 0;
        for (const QString &uid : {QStringLiteral("b1"), QStringLiteral("b2")}) {
            archive.record(startRecord(uid, kT0 + 100000 * t, 100000));
            for (int i = 0; i < 60; ++i) {
                NoxSessionRecord c = coupRecord(uid, kT0 + 100000 * t + i, (i * 7 + t) % 3, 0, 0, 100000);
                c.newShoe = i == 35;
                archive.record(c);
                if (i == 10) {
                    archive.record(undoRecord(uid, kT0 + 100000 * t + i));
                }
            }
            ++t;
        }
        archive.record(startRecord(QStringLiteral("r"), kT0 + 300000, 100000, false));
        for (int i = 0; i < 30; ++i) {
            archive.record(
                coupRecord(QStringLiteral("r"), kT0 + 300000 + i, (i * 11) % 37, 0, 0, 100000, false));
        }
    }

    void listsTheSessions()
    {
        const Run run = noxsim({QStringLiteral("sessions"), m_path});
        QCOMPARE(run.exitCode, 0);
        const QList<QByteArray> lines = run.out.trimmed().split('\n');
        QCOMPARE(lines.size(), 4);
        QVERIFY(lines.at(0).contains("session"));
        QVERIFY(lines.at(1).contains("roulette"));
        QCOMPARE(lines.at(1).simplified().split(' ').at(0), "3");
        QVERIFY(lines.at(2).contains("baccarat") && lines.at(2).contains(" 59 "));
        QCOMPARE(noxsim({QStringLiteral("sessions"), m_dir.filePath(QStringLiteral("none.sqlite"))}).exitCode,
                 2);
    }

    // A session (or all of them) plays as its history text does.
    void playsAsTheHistoryText_data()
    {
        QTest::addColumn<QString>("which");
        QTest::addColumn<QString>("game");
        QTest::newRow("one") << QStringLiteral("1") << QStringLiteral("baccarat");
        QTest::newRow("all") << QStringLiteral("all") << QStringLiteral("baccarat");
        QTest::newRow("roulette") << QStringLiteral("3") << QStringLiteral("roulette");
    }
    void playsAsTheHistoryText()
    {
        QFETCH(QString, which);
        QFETCH(QString, game);
        NoxArchiveReader reader(m_path);
        QVERIFY(reader.open());
        QList<qint64> ids;
        if (which == u"all") {
            ids = {1, 2};
        } else {
            ids = {which.toLongLong()};
        }
        QByteArray text;
        for (qint64 id : ids) {
            text += NoxArchiveExport::history(*reader.session(id), reader.coups(id)) + '\n';
        }
        const QString file = m_dir.filePath(QStringLiteral("history-%1.txt").arg(which));
        QVERIFY(writeFile(file, text));
        const QStringList options{QStringLiteral("--game"),
                                  game,
                                  QStringLiteral("--method"),
                                  game == u"baccarat" ? QStringLiteral("BANKER") : QStringLiteral("D1"),
                                  QStringLiteral("--quiet"),
                                  QStringLiteral("--top"),
                                  QStringLiteral("5")};
        const Run fromFile = noxsim(QStringList{file} + options);
        const Run fromArchive = noxsim(
            QStringList{QStringLiteral("--archive"), m_path, QStringLiteral("--session"), which} + options);
        QCOMPARE(fromFile.exitCode, 0);
        QCOMPARE(fromArchive.exitCode, 0);
        QVERIFY(!fromArchive.out.isEmpty());
        QCOMPARE(fromArchive.out, fromFile.out);
        if (which == u"all") {
            QVERIFY(fromArchive.err.contains("1 session(s) of the other game left out"));
        }
    }

    void refusesWrongSessions_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QByteArray>("message");
        QTest::newRow("unknown") << QStringList{QStringLiteral("--session"), QStringLiteral("99")}
                                 << QByteArray("no session \"99\"");
        QTest::newRow("other game") << QStringList{QStringLiteral("--session"), QStringLiteral("3")}
                                    << QByteArray("is a roulette session");
        QTest::newRow("not a number") << QStringList{QStringLiteral("--session"), QStringLiteral("two")}
                                      << QByteArray("no session \"two\"");
    }
    void refusesWrongSessions()
    {
        QFETCH(QStringList, arguments);
        QFETCH(QByteArray, message);
        const Run run =
            noxsim(QStringList{QStringLiteral("--archive"), m_path, QStringLiteral("--quiet")} + arguments);
        QCOMPARE(run.exitCode, 2);
        QVERIFY2(run.err.contains(message), run.err.constData());
        QCOMPARE(noxsim({QStringLiteral("--session"), QStringLiteral("1")}).exitCode, 2);
    }

private:
    QTemporaryDir m_dir;
    QString m_path;
};

QTEST_GUILESS_MAIN(TestNoxSimArchive)
#include "tst_noxsimarchive.moc"
