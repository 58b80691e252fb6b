// The engine's session records reach the archive: every settled coup with its stakes, gain and
// capital, undos, shoes and bankroll restarts, off the GUI thread and outside the engine's lock;
// and an evening killed with SIGKILL and restored goes on in the same archived session (the
// test runs itself as a child process: --child DIR).

#include "testsupport.h"

#include "archive/noxarchive.h"
#include "archive/noxarchivereader.h"
#include "core/noxmethod.h"
#include "engine/noxengine.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QThread>
#include <QtTest>

#include <cstdio>

using namespace Nox;

namespace {

const QString kOrg = QStringLiteral("NoxArchiveTest");

QString archivePathOf(const NoxEngine &engine)
{
    return engine.settingsDirectory() + QLatin1Char('/') + QLatin1String(NoxArchive::kFileName);
}

NoxMethodState *stateNamed(const NoxEngine &engine, const QString &name)
{
    for (NoxMethodState *s : engine.methodStates()) {
        if (s->method()->name() == name) {
            return s;
        }
    }
    return nullptr;
}

void playOne(NoxEngine &engine, NoxArchive &archive, int value)
{
    engine.playValueInternal(value).waitForFinished();
    archive.waitForWritten();
}

/// An evening of 30 coups with a new bankroll after the tenth, then a wait for the kill.
int runChild(const QString &dir)
{
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir);
    QDir::setCurrent(dir);
    QLoggingCategory::setFilterRules(QStringLiteral("nox.*.debug=false\nnox.*.info=false"));
    NoxEngine engine(true);
    std::unique_ptr<NoxArchive> archive;
    engine.setAsync(true);
    engine.loadMethods();
    engine.registerBuiltinMontantes();
    engine.setPersistence(true, kOrg);
    archive = std::make_unique<NoxArchive>(archivePathOf(engine));
    archive->attach(&engine);
    archive->start();
    engine.restart(true, true);
    engine.setMethodActive(stateNamed(engine, QStringLiteral("BANKER"))->method()->index(), true);
    for (int i = 0; i < 30; ++i) {
        if (i == 10) {
            engine.restart(true, false);
        }
        playOne(engine, *archive, i % 3 == 0 ? 1 : 2);
    }
    std::printf("READY %s\n", qPrintable(engine.sessionId()));
    std::fflush(stdout);
    for (;;) {
        QThread::sleep(1);
    }
}

} // namespace

class TestArchiveEngine : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_dir.emplace();
        NoxTest::useSandbox(*m_dir);
    }

    void recordsFollowThePlay_data()
    {
        QTest::addColumn<bool>("async");
        QTest::newRow("inline") << false;
        QTest::newRow("async") << true;
    }
    // What the archive holds is what the engine played: the capital after every coup, the
    // stakes, the undo, the shoes, the methods and progressions; a new bankroll starts a new
    // session. The records come off the GUI thread (async) and outside the engine's lock.
    void recordsFollowThePlay()
    {
        QFETCH(bool, async);
        NoxEngine engine(true);
        engine.setAsync(async);
        engine.loadMethods();
        engine.registerBuiltinMontantes();
        engine.setPersistence(true, kOrg);
        NoxArchive archive(archivePathOf(engine));
        std::atomic<int> onGuiThread{0};
        std::atomic<int> records{0};
        connect(
            &engine, &NoxEngine::sessionRecorded, this,
            [&](const NoxSessionRecord &) {
                ++records;
                onGuiThread += QThread::currentThread() == thread();
                // Would wait for ever under the engine's lock.
                (void)engine.playedValues();
            },
            Qt::DirectConnection);
        archive.attach(&engine);
        archive.start();
        engine.restart(true, true);
        NoxMethodState *banker = stateNamed(engine, QStringLiteral("BANKER"));
        QVERIFY(banker);
        engine.setMethodActive(banker->method()->index(), true);
        QList<qint64> capitals;
        const QList<int> values{1, 2, 2, 0, 1, 2, 1, 1, 2, 2};
        for (int i = 0; i < values.size(); ++i) {
            if (i == 4) {
                engine.startNewShoe().waitForFinished();
            }
            engine.playValueInternal(values.at(i)).waitForFinished();
            capitals.append(engine.financial().capital);
        }
        engine.cancelPlay().waitForFinished();
        const QString first = engine.sessionId();
        const NoxFinancial atEnd = engine.financial();
        engine.restart(true, false);
        QVERIFY(engine.sessionId() != first);
        engine.playValueInternal(2).waitForFinished();
        QVERIFY(archive.waitForWritten());
        QCOMPARE(onGuiThread.load(), async ? 0 : records.load());
        QCOMPARE(records.load(), 1 + 10 + 1 + 1 + 1);

        NoxArchiveReader reader(archivePathOf(engine));
        QVERIFY(reader.open());
        const QList<NoxArchivedSession> sessions = reader.sessions();
        QCOMPARE(sessions.size(), 2);
        const NoxArchivedSession &s = sessions.at(1);
        QCOMPARE(s.uid, first);
        QCOMPARE(s.coups, 9);
        QCOMPARE(s.startCapital, qint64(atEnd.capitalOrigine));
        // The engine keeps the money of an undone coup: so does the session's result.
        QCOMPARE(s.result, atEnd.capital - atEnd.capitalOrigine);
        QVERIFY(s.methods.contains(QStringLiteral("BANKER")));
        QVERIFY(!s.montantes.isEmpty());
        QVERIFY(s.settled > 0);
        const QList<NoxArchivedCoup> coups = reader.coups(s.id);
        QCOMPARE(coups.size(), 10);
        for (int i = 0; i < coups.size(); ++i) {
            QCOMPARE(coups.at(i).value, values.at(i));
            QCOMPARE(coups.at(i).capital, capitals.at(i));
            QCOMPARE(coups.at(i).newShoe, i == 4);
            QCOMPARE(coups.at(i).undone, i == 9);
            qint64 sum = 0;
            for (const NoxBet &b : coups.at(i).stakes) {
                QVERIFY(b.bet > 0);
                sum += b.bet;
            }
            QCOMPARE(coups.at(i).stake, sum);
            QCOMPARE(coups.at(i).gain,
                     coups.at(i).capital - (i == 0 ? s.startCapital : coups.at(i - 1).capital));
        }
        // BANKER stakes BANKER from the first coup on.
        QCOMPARE(coups.at(0).stakes.value(0).id, NoxBetItemID::B_BANKER);
        QCOMPARE(sessions.at(0).uid, engine.sessionId());
        QCOMPARE(sessions.at(0).coups, 1);
    }

    // Killed in the middle of an evening and restored at the next start, the evening goes on in
    // the archived session it was in: no session of its own for the start before the restore,
    // the new bankroll of the evening still a session of its own.
    void restoredEveningContinuesItsSession()
    {
        const QString dir = m_dir->path();
        QString liveSession;
        {
            QProcess child;
            child.setProgram(QCoreApplication::applicationFilePath());
            child.setArguments({QStringLiteral("--child"), dir});
            child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
            child.start();
            QElapsedTimer clock;
            clock.start();
            while (liveSession.isEmpty() && clock.elapsed() < 120000 && child.waitForReadyRead(60000)) {
                while (child.canReadLine()) {
                    const QByteArray line = child.readLine().trimmed();
                    if (line.startsWith("READY ")) {
                        liveSession = QString::fromUtf8(line.mid(6));
                    }
                }
            }
            child.kill();
            child.waitForFinished();
        }
        QVERIFY(!liveSession.isEmpty());
        NoxEngine engine(true);
        engine.setAsync(true);
        engine.loadMethods();
        engine.registerBuiltinMontantes();
        engine.setPersistence(true, kOrg);
        NoxArchive archive(archivePathOf(engine));
        archive.attach(&engine);
        archive.start();
        engine.restart(true, true);
        QVERIFY(engine.interruptedSession());
        engine.restoreInterruptedSession().waitForFinished();
        QCOMPARE(engine.sessionId(), liveSession);
        for (int i = 0; i < 5; ++i) {
            playOne(engine, archive, 1);
        }
        NoxArchiveReader reader(archivePathOf(engine));
        QVERIFY(reader.open());
        const QList<NoxArchivedSession> sessions = reader.sessions();
        QCOMPARE(sessions.size(), 2);
        QCOMPARE(sessions.at(1).coups, 10);
        QCOMPARE(sessions.at(0).uid, liveSession);
        QCOMPARE(sessions.at(0).coups, 25);
        QCOMPARE(sessions.at(0).result, engine.financial().capital - engine.financial().capitalOrigine);
        const QList<NoxArchivedCoup> coups = reader.coups(sessions.at(0).id);
        QCOMPARE(coups.last().seq, 25);
        QCOMPARE(coups.last().capital, engine.financial().capital);
    }

private:
    std::optional<QTemporaryDir> m_dir;
};

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc == 3 && qstrcmp(argv[1], "--child") == 0) {
        return runChild(QString::fromLocal8Bit(argv[2]));
    }
    TestArchiveEngine test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_archiveengine.moc"
