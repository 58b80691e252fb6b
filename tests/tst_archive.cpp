// The archive of the sessions: every column comes back as written, a session ends and resumes,
// a damaged file is kept aside, a full disk is told once, an old database is migrated, and a
// process killed with SIGKILL loses nothing but the coup in flight (the test runs itself as a
// child process: --child DIR).

#include "archivesupport.h"
#include "testsupport.h"

#include "archive/noxarchive.h"
#include "archive/noxarchiveexport.h"
#include "archive/noxarchivereader.h"
#include "archive/noxarchiveschema.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QThread>
#include <QUuid>
#include <QtTest>

#include <cstdio>

using namespace Nox;
using namespace NoxTest;

namespace {

constexpr qint64 kT0 = 1714590000000; // 2024-05-01T19:00:00Z

QString archivePath(const QString &dir)
{
    return dir + QLatin1Char('/') + QLatin1String(NoxArchive::kFileName);
}

/// What the child does until it is killed: one coup after another, each said when queued and
/// again once written, as a player who waits for the table between two coups.
int runChild(const QString &dir)
{
    NoxArchive archive(archivePath(dir));
    archive.start();
    const QString uid = QUuid::createUuid().toString();
    archive.record(startRecord(uid, kT0, 100000));
    qint64 capital = 100000;
    for (int i = 1;; ++i) {
        const qint64 gain = (i % 3 == 0) ? -500 : 500;
        capital += gain;
        // Said before it is queued: the writer may have it on disk before this thread runs on.
        std::printf("QUEUED %d\n", i);
        std::fflush(stdout);
        archive.record(coupRecord(uid, kT0 + i * 1000, i % 3, 500, gain, capital));
        if (!archive.waitForWritten(10000)) {
            return 3;
        }
        std::printf("WROTE %d\n", i);
        std::fflush(stdout);
    }
}

} // namespace

class TestArchive : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_dir.emplace();
        useSandbox(*m_dir);
        m_path = archivePath(m_dir->path());
    }

    // Every column of a session and of its coups is read back as written; undone coups are
    // marked and leave the totals; a session ends when the next one starts; a session without
    // a coup is not kept.
    void everyColumnRoundTrips()
    {
        {
            NoxArchive archive(m_path);
            archive.start();
            archive.record(startRecord(QStringLiteral("a"), kT0, 100000));
            NoxSessionRecord c1 = coupRecord(QStringLiteral("a"), kT0 + 1000, 2, 1000, 950, 100950);
            c1.stakes = {NoxBet{NoxBetItemID::B_BANKER, 1000, 0}, NoxBet{NoxBetItemID::B_TIE, 100, 0}};
            c1.stake = 1100;
            c1.gain = 850;
            c1.capital = 100850;
            c1.limits = NoxSessionRecord::GainLimit;
            archive.record(c1);
            NoxSessionRecord c2 = coupRecord(QStringLiteral("a"), kT0 + 2000, 1, 2000, -2000, 98850);
            c2.newShoe = true;
            c2.limits = NoxSessionRecord::GuardStop;
            c2.guardReason = QStringLiteral("Arrêt : 6 pertes de suite (limite 6)");
            c2.methods = {QStringLiteral("BANKER"), QStringLiteral("AUTO Hawks")};
            c2.montantes = {QStringLiteral("Montante, \"perso\"")};
            archive.record(c2);
            archive.record(coupRecord(QStringLiteral("a"), kT0 + 3000, 0, 4000, 0, 98850));
            archive.record(undoRecord(QStringLiteral("a"), kT0 + 3500));
            archive.record(coupRecord(QStringLiteral("a"), kT0 + 4000, 2, 0, 0, 98850));
            // The next session ends this one; an empty one is dropped.
            archive.record(startRecord(QStringLiteral("empty"), kT0 + 5000, 100000));
            archive.record(startRecord(QStringLiteral("b"), kT0 + 6000, 50000, false));
            archive.record(coupRecord(QStringLiteral("b"), kT0 + 7000, 17, 100, 3500, 53500, false));
            QVERIFY(archive.waitForWritten());
            QCOMPARE(archive.writtenCoups(), 5);
        }
        NoxArchiveReader reader(m_path);
        QVERIFY(reader.open());
        const QList<NoxArchivedSession> sessions = reader.sessions();
        QCOMPARE(sessions.size(), 2);
        const NoxArchivedSession &b = sessions.at(0); // newest first
        const NoxArchivedSession &a = sessions.at(1);
        QCOMPARE(a.uid, QStringLiteral("a"));
        QVERIFY(a.baccarat);
        QVERIFY(!b.baccarat);
        QCOMPARE(a.startedMs, kT0);
        QCOMPARE(a.endedMs, kT0 + 4000); // its last coup, not the next session's start
        QCOMPARE(a.startCapital, 100000);
        QCOMPARE(a.result, -1150);
        QCOMPARE(a.coups, 3);
        QCOMPARE(a.settled, 2);
        QCOMPARE(a.maxStake, 2000);
        QCOMPARE(a.limits, NoxSessionRecord::GainLimit | NoxSessionRecord::GuardStop);
        QCOMPARE(a.guardStop, QStringLiteral("Arrêt : 6 pertes de suite (limite 6)"));
        QCOMPARE(a.methods, (QStringList{QStringLiteral("BANKER"), QStringLiteral("AUTO Hawks")}));
        QCOMPARE(a.montantes, (QStringList{QStringLiteral("Martingale classique (commune)"),
                                           QStringLiteral("Montante, \"perso\"")}));
        QCOMPARE(reader.session(a.id), a);

        const QList<NoxArchivedCoup> coups = reader.coups(a.id);
        QCOMPARE(coups.size(), 4);
        NoxArchivedCoup first{
            1,      kT0 + 1000,
            2,      {NoxBet{NoxBetItemID::B_BANKER, 1000, 0}, NoxBet{NoxBetItemID::B_TIE, 100, 0}},
            1100,   850,
            100850, false,
            false,  NoxSessionRecord::GainLimit};
        QCOMPARE(coups.at(0), first);
        QCOMPARE(coups.at(1).newShoe, true);
        QCOMPARE(coups.at(1).limits, int(NoxSessionRecord::GuardStop));
        QCOMPARE(coups.at(2).undone, true);
        QCOMPARE(coups.at(2).value, 0);
        QCOMPARE(coups.at(3).seq, 4);
        QCOMPARE(coups.at(3).stakes, NoxBetList());
        QCOMPARE(reader.profitCurve(a.id), (QList<int>{0, 850, -1150, -1150, -1150}));

        QCOMPARE(b.coups, 1);
        QCOMPARE(b.result, 3500);
        QCOMPARE(reader.coups(b.id).at(0).value, 17);
        QCOMPARE(reader.coups(b.id).at(0).stakes.at(0).id, NoxBetItemID::CS_R);

        const NoxArchiveTotals totals = reader.totals();
        QCOMPARE(totals.sessions, 2);
        QCOMPARE(totals.coups, 4);
        QCOMPARE(totals.result, 3500 - 1150);
        QCOMPARE(totals.maxStake, 2000);
        // A period holds the sessions started in it.
        QCOMPARE(reader.totals(kT0 + 5500, kT0 + 10000).sessions, 1);
        QCOMPARE(reader.sessions(0, NoxArchiveReader::kAll, 1, 5).size(), 1);
        QCOMPARE(reader.sessions(0, NoxArchiveReader::kAll, 1, 5).at(0).uid, QStringLiteral("a"));
    }

    // A session is continued when it is resumed, in a later run of the program; a resumed
    // session the archive never heard of is started then; an undo of an earlier session's
    // coup changes nothing.
    void sessionsResume()
    {
        {
            NoxArchive archive(m_path);
            archive.start();
            archive.record(startRecord(QStringLiteral("evening"), kT0, 100000));
            archive.record(coupRecord(QStringLiteral("evening"), kT0 + 1000, 1, 100, 100, 100100));
            archive.record(coupRecord(QStringLiteral("evening"), kT0 + 2000, 1, 100, 100, 100200));
        }
        {
            NoxArchive archive(m_path);
            archive.start();
            archive.record(startRecord(QStringLiteral("fresh"), kT0 + 10000, 100000));
            NoxSessionRecord resumed = startRecord(QStringLiteral("evening"), kT0 + 11000, 100000);
            resumed.kind = NoxSessionRecord::Resumed;
            resumed.startMs = kT0;
            archive.record(resumed);
            archive.record(coupRecord(QStringLiteral("evening"), kT0 + 12000, 2, 100, -100, 100100));
            NoxSessionRecord unknown = resumed;
            unknown.sessionId = QStringLiteral("lost");
            archive.record(unknown);
            archive.record(undoRecord(QStringLiteral("evening"), kT0 + 13000));
            archive.record(coupRecord(QStringLiteral("lost"), kT0 + 14000, 0, 0, 0, 100000));
        }
        NoxArchiveReader reader(m_path);
        QVERIFY(reader.open());
        const QList<NoxArchivedSession> sessions = reader.sessions();
        QCOMPARE(sessions.size(), 2); // "fresh" had no coup
        QCOMPARE(sessions.at(1).uid, QStringLiteral("evening"));
        QCOMPARE(sessions.at(1).coups, 3);
        QCOMPARE(sessions.at(1).result, 100);
        QCOMPARE(reader.coups(sessions.at(1).id).at(2).seq, 3);
        QCOMPARE(sessions.at(0).uid, QStringLiteral("lost"));
        QCOMPARE(sessions.at(0).startedMs, kT0);
        QCOMPARE(sessions.at(0).coups, 1);
    }

    // A deleted session takes its coups with it (foreign keys are on).
    void deletionTakesTheCoups()
    {
        NoxArchive archive(m_path);
        archive.start();
        for (const QString &uid : {QStringLiteral("one"), QStringLiteral("two")}) {
            archive.record(startRecord(uid, kT0, 1000));
            for (int i = 1; i <= 5; ++i) {
                archive.record(coupRecord(uid, kT0 + i, 1, 10, 10, 1000 + 10 * i));
            }
        }
        QVERIFY(archive.waitForWritten());
        NoxArchiveReader reader(m_path);
        QVERIFY(reader.open());
        const qint64 one = reader.sessions().at(1).id;
        archive.deleteSession(one);
        QVERIFY(archive.waitForWritten());
        QCOMPARE(reader.sessionCount(), 1);
        QCOMPARE(queryValue(m_path, QStringLiteral("SELECT count(*) FROM coups")).toInt(), 5);
        QCOMPARE(
            queryValue(m_path, QStringLiteral("SELECT count(*) FROM coups WHERE session_id = %1").arg(one))
                .toInt(),
            0);
        QCOMPARE(queryValue(m_path, QStringLiteral("PRAGMA journal_mode")).toString(), QStringLiteral("wal"));
    }

    // A file that is not a database, or a damaged one, is kept aside whole and the player is
    // told once; a new archive takes the coups.
    void damagedFileIsKeptAside_data()
    {
        QTest::addColumn<int>("kind");
        QTest::newRow("not a database") << 0;
        QTest::newRow("cut in the middle") << 1;
        QTest::newRow("newer version") << 2;
    }
    void damagedFileIsKeptAside()
    {
        QFETCH(int, kind);
        QByteArray damaged;
        if (kind == 0) {
            damaged = QByteArray("these are not the droids\n").repeated(200);
        } else {
            {
                NoxArchive archive(m_path);
                archive.start();
                archive.record(startRecord(QStringLiteral("s"), kT0, 1000));
                for (int i = 1; i <= 2000; ++i) {
                    archive.record(coupRecord(QStringLiteral("s"), kT0 + i, 1, 10, 10, 1000 + 10 * i));
                }
            }
            if (kind == 2) {
                QVERIFY(
                    queryValue(m_path, QStringLiteral("UPDATE schema_version SET version = 99")).isNull());
                QCOMPARE(queryValue(m_path, QStringLiteral("SELECT version FROM schema_version")).toInt(),
                         99);
            }
            damaged = readFile(m_path);
            if (kind == 1) {
                // The header stays, pages in the middle are overwritten.
                damaged = damaged.left(damaged.size() / 2) + QByteArray(8192, '\xAB') +
                          damaged.mid(damaged.size() / 2 + 8192);
            }
            QVERIFY(writeFile(m_path, damaged));
        }
        if (kind == 0) {
            QVERIFY(writeFile(m_path, damaged));
        }
        NoxArchive archive(m_path);
        QSignalSpy told(&archive, &NoxArchive::problem);
        archive.start();
        archive.record(startRecord(QStringLiteral("new"), kT0, 1000));
        archive.record(coupRecord(QStringLiteral("new"), kT0 + 1, 2, 10, 10, 1010));
        QVERIFY(archive.waitForWritten());
        QVERIFY(archive.isOpen());
        QCOMPARE(told.size(), 1);
        QVERIFY(told.at(0).at(1).toString().contains(QStringLiteral("sessions.sqlite.damaged")));
        QCOMPARE(readFile(m_path + QStringLiteral(".damaged")), damaged);
        NoxArchiveReader reader(m_path);
        QVERIFY(reader.open());
        QCOMPARE(reader.sessionCount(), 1);
        QCOMPARE(reader.sessions().at(0).uid, QStringLiteral("new"));
    }

    // A full disk: told once, the coups that fit are whole, play goes on without a wait.
    void fullDiskIsToldOnce()
    {
        NoxArchive archive(m_path);
        QSignalSpy told(&archive, &NoxArchive::problem);
        archive.setSizeLimitForTest(48 * 1024);
        archive.start();
        archive.record(startRecord(QStringLiteral("full"), kT0, 100000));
        constexpr int kCoups = 3000;
        for (int i = 1; i <= kCoups; ++i) {
            archive.record(coupRecord(QStringLiteral("full"), kT0 + i, 1, 100, 100, 100000 + 100 * i));
        }
        archive.record(undoRecord(QStringLiteral("full"), kT0 + kCoups + 1));
        QVERIFY(archive.waitForWritten());
        QCOMPARE(told.size(), 1);
        QVERIFY(archive.writtenCoups() > 10);
        QVERIFY(archive.writtenCoups() < kCoups);
        archive.close();
        // What was written is consistent: the totals are those of the coups kept.
        const int rows = queryValue(m_path, QStringLiteral("SELECT count(*) FROM coups")).toInt();
        QCOMPARE(rows, archive.writtenCoups());
        QCOMPARE(queryValue(m_path, QStringLiteral("SELECT max(seq) FROM coups")).toInt(), rows);
        QCOMPARE(queryValue(m_path, QStringLiteral("SELECT coups FROM sessions")).toInt(),
                 queryValue(m_path, QStringLiteral("SELECT count(*) FROM coups WHERE undone = 0")).toInt());
    }

    // A database of version 1 is taken to the current version with its rows; the columns the
    // later versions add start empty.
    void migratesFromVersion1()
    {
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("v1"));
            db.setDatabaseName(m_path);
            QVERIFY(db.open());
            QString error;
            QVERIFY2(NoxArchiveSchema::migrate(db, &error, 1), qPrintable(error));
            QCOMPARE(NoxArchiveSchema::version(db), 1);
            QSqlQuery q(db);
            QVERIFY(q.exec(
                QStringLiteral("INSERT INTO sessions (uid, edition, started_at, ended_at, start_capital, "
                               "result, coups, settled, max_stake, methods, montantes) VALUES ('old', "
                               "'baccarat', 1000, 5000, 20000, 300, 2, 1, 300, 'PLAYER', '')")));
            QVERIFY(q.exec(
                QStringLiteral("INSERT INTO coups (session_id, seq, played_at, value, stakes, stake, gain, "
                               "capital, new_shoe, undone) VALUES (1, 1, 2000, 1, '4001:300', 300, 300, "
                               "20300, 0, 0), (1, 2, 3000, 0, '', 0, 0, 20300, 1, 0)")));
            db.close();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("v1"));
        {
            NoxArchive archive(m_path);
            QSignalSpy told(&archive, &NoxArchive::problem);
            archive.start();
            NoxSessionRecord resumed = startRecord(QStringLiteral("old"), 6000, 20000);
            resumed.kind = NoxSessionRecord::Resumed;
            archive.record(resumed);
            NoxSessionRecord c = coupRecord(QStringLiteral("old"), 7000, 2, 200, -200, 20100);
            c.limits = NoxSessionRecord::LossLimit;
            archive.record(c);
            QVERIFY(archive.waitForWritten());
            QCOMPARE(told.size(), 0);
        }
        QCOMPARE(queryValue(m_path, QStringLiteral("SELECT version FROM schema_version")).toInt(),
                 NoxArchiveSchema::kCurrentVersion);
        NoxArchiveReader reader(m_path);
        QVERIFY(reader.open());
        const NoxArchivedSession s = reader.sessions().at(0);
        QCOMPARE(s.uid, QStringLiteral("old"));
        QCOMPARE(s.coups, 3);
        QCOMPARE(s.result, 100);
        QCOMPARE(s.limits, int(NoxSessionRecord::LossLimit));
        QCOMPARE(s.methods, (QStringList{QStringLiteral("PLAYER"), QStringLiteral("BANKER")}));
        const QList<NoxArchivedCoup> coups = reader.coups(s.id);
        QCOMPARE(coups.at(0).stakes, (NoxBetList{NoxBet{NoxBetItemID::B_PLAYER, 300, 0}}));
        QCOMPARE(coups.at(0).limits, 0);
        QVERIFY(coups.at(1).newShoe);
        QCOMPARE(coups.at(2).seq, 3);
    }

    // The exports of a session against files written by hand: the CSV's columns (undone coups
    // included, shoes counted, limits named) and noxsim's history text (undone coups left out,
    // a blank line between shoes).
    void exportsMatchTheExpectedFiles()
    {
        {
            NoxArchive archive(m_path);
            archive.start();
            archive.record(startRecord(QStringLiteral("csv"), kT0, 100000));
            NoxSessionRecord c = coupRecord(QStringLiteral("csv"), kT0 + 1000, 2, 1100, 850, 100850);
            c.stakes = {NoxBet{NoxBetItemID::B_BANKER, 1000, 0}, NoxBet{NoxBetItemID::B_TIE, 100, 0}};
            c.limits = NoxSessionRecord::GainLimit;
            archive.record(c);
            c = coupRecord(QStringLiteral("csv"), kT0 + 2000, 1, 2000, -2000, 98850);
            c.newShoe = true;
            c.limits = NoxSessionRecord::GuardStop;
            archive.record(c);
            archive.record(coupRecord(QStringLiteral("csv"), kT0 + 3000, 0, 4000, 0, 98850));
            archive.record(undoRecord(QStringLiteral("csv"), kT0 + 3500));
            archive.record(coupRecord(QStringLiteral("csv"), kT0 + 4000, 2, 0, 0, 98850));
        }
        NoxArchiveReader reader(m_path);
        QVERIFY(reader.open());
        const QString csv = m_dir->filePath(QStringLiteral("out.csv"));
        const QString txt = m_dir->filePath(QStringLiteral("out.txt"));
        QString error;
        QVERIFY2(NoxArchiveExport::writeCsv(reader, {1}, csv, &error), qPrintable(error));
        QVERIFY2(NoxArchiveExport::writeHistory(reader, 1, txt, &error), qPrintable(error));
        QCOMPARE(readFile(csv), readFile(QStringLiteral(NOX_TEST_DATA "/archive-session.csv")));
        QCOMPARE(readFile(txt), readFile(QStringLiteral(NOX_TEST_DATA "/archive-session.txt")));
        QVERIFY(!NoxArchiveExport::writeCsv(reader, {1, 7}, csv, &error));
        QVERIFY(error.contains(QStringLiteral("no session 7")));
        // A failed export leaves the file it would have replaced.
        QCOMPARE(readFile(csv), readFile(QStringLiteral(NOX_TEST_DATA "/archive-session.csv")));
    }

    // Killed with SIGKILL at any moment, over and over: the archive opens whole, with every
    // coup that was written and at most the one in flight besides.
    void killLosesOnlyTheCoupInFlight()
    {
        QRandomGenerator rng(5);
        const QString dir = m_dir->path();
        for (int round = 0; round < 6; ++round) {
            QProcess child;
            child.setProgram(QCoreApplication::applicationFilePath());
            child.setArguments({QStringLiteral("--child"), dir});
            child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
            child.start();
            QVERIFY(child.waitForStarted());
            const int wanted = 20 + int(rng.bounded(200));
            int queued = 0;
            int wrote = 0;
            QElapsedTimer clock;
            clock.start();
            while (wrote < wanted && clock.elapsed() < 60000 && child.state() == QProcess::Running) {
                child.waitForReadyRead(50);
                while (child.canReadLine()) {
                    const QList<QByteArray> f = child.readLine().trimmed().split(' ');
                    (f.at(0) == "QUEUED" ? queued : wrote) = f.value(1).toInt();
                }
            }
            QThread::usleep(rng.bounded(3000));
            child.kill(); // SIGKILL
            child.waitForFinished();
            for (const QByteArray &line : child.readAll().split('\n')) {
                const QList<QByteArray> f = line.trimmed().split(' ');
                if (f.size() == 2) {
                    (f.at(0) == "QUEUED" ? queued : wrote) = f.value(1).toInt();
                }
            }
            QVERIFY(wrote >= wanted);
            QVERIFY(!QFile::exists(m_path + QStringLiteral(".damaged")));
            NoxArchiveReader reader(m_path);
            QVERIFY(reader.open());
            const QList<NoxArchivedSession> sessions = reader.sessions();
            QCOMPARE(sessions.size(), round + 1); // each round its own session, all kept
            const NoxArchivedSession &last = sessions.at(0);
            QVERIFY2(last.coups >= wrote && last.coups <= queued,
                     qPrintable(QStringLiteral("%1 coups, %2 written, %3 queued")
                                    .arg(last.coups)
                                    .arg(wrote)
                                    .arg(queued)));
            const QList<NoxArchivedCoup> coups = reader.coups(last.id);
            QCOMPARE(coups.size(), last.coups);
            QCOMPARE(coups.last().seq, last.coups);
            QCOMPARE(last.result, coups.last().capital - last.startCapital);
        }
    }

private:
    std::optional<QTemporaryDir> m_dir;
    QString m_path;
};

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc == 3 && qstrcmp(argv[1], "--child") == 0) {
        return runChild(QString::fromLocal8Bit(argv[2]));
    }
    TestArchive test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_archive.moc"
