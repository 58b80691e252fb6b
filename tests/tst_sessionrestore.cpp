// An evening survives a crash: the journal gives back exactly what was on screen, the settings
// are on disk within a second, and a crash during a restore offers the same evening again.
//
// The crashes are real: the test runs itself as a child process (--child MODE DIR SEED) and
// kills it with SIGKILL.

#include "enginesnapshot.h"
#include "testsupport.h"

#include "core/noxnotification.h"
#include "engine/noxengine.h"
#include "engine/noxenginesettings.h"
#include "engine/noxplayrefused.h"
#include "engine/noxsessionjournal.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QLockFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QSaveFile>
#include <QSettings>
#include <QThread>
#include <QtTest>

#include <cstdio>

using namespace Nox;

namespace {

const QString kOrg = QStringLiteral("NoxRestoreTest");

/// The engine as the application starts it.
void startLikeTheApplication(NoxEngine &engine, bool async)
{
    engine.setAsync(async);
    engine.loadMethods();
    engine.registerBuiltinMontantes();
    engine.setPersistence(true, kOrg);
    engine.restart(true, true);
}

int randomCoup(QRandomGenerator &rng)
{
    const int r = int(rng.bounded(100));
    return r < 10 ? 0 : (r < 55 ? 1 : 2);
}

/// An evening of a player who changes things as the coups go: chips, methods, progressions,
/// pauses, undos, a money restart, a truncation. `step` is told after every action.
void playEvening(NoxEngine &engine, QRandomGenerator &rng, int actions,
                 const std::function<void(int)> &step = {})
{
    const QList<NoxMethodState *> states = engine.methodStates();
    const auto anyMethod = [&] {
        return states.at(int(rng.bounded(int(states.size()))))->method()->index();
    };
    NoxFinancial f = engine.financial();
    f.stopLoss = -800;
    f.takeProfit = 600;
    f.cs.jetonOrigine = f.cs.jeton = 100;
    engine.setFinancialConfig(f);
    for (int i = 0; i < 4; ++i) {
        engine.setMethodActive(states.at(i * 7 % states.size())->method()->index(), true);
    }
    for (int i = 0; i < actions; ++i) {
        const int r = int(rng.bounded(100));
        if (r < 2) {
            engine.startNewShoe().waitForFinished();
        } else if (r < 66) {
            if (engine.playRefusal().isEmpty()) {
                engine.playValueInternal(randomCoup(rng)).waitForFinished();
            } else {
                // The money guard: a progression ran away. The player does what the refusal
                // says: the bankroll starts again, the history stays.
                engine.restart(true, false);
            }
        } else if (r < 71) {
            engine.cancelPlay().waitForFinished();
        } else if (r < 77) {
            engine.setMethodActive(anyMethod(), rng.bounded(2) == 0);
        } else if (r < 81) {
            NoxFinancial chips = engine.financial();
            chips.cs.jetonOrigine = chips.cs.jeton = 10 * (1 + int(rng.bounded(10)));
            chips.plein.jetonOrigine = chips.plein.jeton = 10 * (1 + int(rng.bounded(10)));
            chips.cs.stopProfit = rng.bounded(2) == 0;
            engine.setFinancialConfig(chips);
        } else if (r < 85) {
            const NoxMethodType kind = rng.bounded(2) == 0 ? NoxMethodType::cs : NoxMethodType::plein;
            const auto list = engine.montanteList(kind);
            engine.selectMontanteById(kind, list.at(int(rng.bounded(int(list.size())))).first);
        } else if (r < 88) {
            engine.setSuspended(!engine.isSuspended());
        } else if (r < 90) {
            engine.setMethodPlayMode(anyMethod(), NoxMethodState::NormalList, rng.bounded(2) == 0);
        } else if (r < 92) {
            NoxEngineConfig c = engine.config();
            c.shortTermCount = 20 + int(rng.bounded(40));
            c.playInBlock = rng.bounded(4) == 0;
            engine.setConfig(c);
        } else if (r < 94) {
            engine.resetMontante();
        } else if (r < 95) {
            if (!engine.notifications().isEmpty()) {
                engine.setNotificationRead(0, true);
            }
        } else if (r < 96) {
            engine.restart(true, false);
        } else if (r < 97) {
            engine.truncatePlayedItems(int(rng.bounded(30))).waitForFinished();
        } else if (r < 98) {
            engine.setMethodZeroOption(anyMethod(), rng.bounded(2) == 0);
        } else {
            engine.setMethodNbBlockDom(anyMethod(), 1 + int(rng.bounded(4)));
        }
        if (step) {
            step(i);
        }
    }
}

bool hasRestoreReport(const NoxEngine &engine)
{
    const QList<NoxNotification> all = engine.notifications();
    return std::any_of(all.cbegin(), all.cend(),
                       [](const NoxNotification &n) { return n.type == NoxNotification::Restore; });
}

void say(const QByteArray &line)
{
    std::fputs(line.constData(), stdout);
    std::fputc('\n', stdout);
    std::fflush(stdout);
}

[[noreturn]] void waitForTheKill()
{
    for (;;) {
        QThread::sleep(1);
    }
}

/// What the child process does until it is killed.
int runChild(const QString &mode, const QString &dir, quint32 seed)
{
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir);
    QDir::setCurrent(dir);
    QLoggingCategory::setFilterRules(QStringLiteral("nox.*.debug=false"));
    NoxEngine engine(true);
    if (mode == u"evening") {
        startLikeTheApplication(engine, true);
        QRandomGenerator rng(seed);
        playEvening(engine, rng, 400, [](int i) { say("STEP " + QByteArray::number(i)); });
        QSaveFile expected(dir + QStringLiteral("/expected.txt"));
        expected.open(QIODevice::WriteOnly);
        expected.write(NoxTest::describeAll(engine).join(QStringLiteral("\n=====\n")).toUtf8());
        expected.commit();
        say("READY");
        waitForTheKill();
    }
    if (mode == u"restore") {
        startLikeTheApplication(engine, true);
        say("RESTORING");
        engine.restoreInterruptedSession().waitForFinished();
        say("READY");
        waitForTheKill();
    }
    if (mode == u"lock") {
        QLockFile lock(dir + QStringLiteral("/engine.ini.lock"));
        lock.lock();
        say("LOCKED");
        waitForTheKill();
    }
    if (mode == u"settings") {
        startLikeTheApplication(engine, true);
        for (int i = 1;; ++i) {
            NoxFinancial f = engine.financial();
            f.cs.jetonOrigine = f.cs.jeton = 10 * i;
            engine.setFinancialConfig(f);
            say("SET " + QByteArray::number(i) + ' ' +
                QByteArray::number(QDateTime::currentMSecsSinceEpoch()));
            QThread::msleep(40);
        }
    }
    return 2;
}

/// Reads the child's lines as they come.
class Child
{
public:
    Child(const QString &mode, const QString &dir, quint32 seed)
    {
        m_process.setProgram(QCoreApplication::applicationFilePath());
        m_process.setArguments({QStringLiteral("--child"), mode, dir, QString::number(seed)});
        m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_process.start();
    }
    ~Child() { kill(); }

    /// Waits for a line starting with `prefix` (at most `ms`); returns it, empty on time-out.
    QByteArray waitFor(const QByteArray &prefix, int ms = 60000)
    {
        QElapsedTimer clock;
        clock.start();
        while (clock.elapsed() < ms) {
            while (m_process.canReadLine()) {
                const QByteArray line = m_process.readLine().trimmed();
                m_lines.append(line);
                if (line.startsWith(prefix)) {
                    return line;
                }
            }
            if (m_process.state() == QProcess::NotRunning) {
                return {};
            }
            m_process.waitForReadyRead(50);
        }
        return {};
    }
    void kill()
    {
        if (m_process.state() != QProcess::NotRunning) {
            m_process.kill(); // SIGKILL
            m_process.waitForFinished();
        }
        m_lines.append(m_process.readAll().split('\n'));
    }
    [[nodiscard]] const QList<QByteArray> &lines() const { return m_lines; }

private:
    QProcess m_process;
    QList<QByteArray> m_lines;
};

} // namespace

class TestSessionRestore : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        m_dir.emplace();
        NoxTest::useSandbox(*m_dir);
    }

    void restoreGivesBackTheEvening_data()
    {
        QTest::addColumn<bool>("async");
        QTest::addColumn<quint32>("seed");
        for (quint32 seed : {1u, 2u, 3u}) {
            QTest::addRow("inline %u", seed) << false << seed;
            QTest::addRow("async %u", seed) << true << seed;
        }
    }

    // Every figure after a restore is the one before the crash, whatever was changed meanwhile.
    void restoreGivesBackTheEvening()
    {
        QFETCH(bool, async);
        QFETCH(quint32, seed);
        QStringList expected;
        QByteArray crashed;
        QString path;
        {
            NoxEngine engine(true);
            startLikeTheApplication(engine, async);
            QRandomGenerator rng(seed);
            playEvening(engine, rng, 300);
            expected = NoxTest::describeAll(engine);
            path = engine.journalPath();
            crashed = NoxTest::readFile(path);
        }
        QVERIFY(NoxTest::writeFile(path, crashed)); // as a crash leaves it
        NoxEngine engine(true);
        startLikeTheApplication(engine, async);
        QVERIFY(engine.interruptedSession());
        engine.restoreInterruptedSession().waitForFinished();
        QCOMPARE(NoxTest::firstDifference(NoxTest::describeAll(engine), expected), QString());
        QVERIFY(!engine.interruptedSession());
        // The restored evening goes on in the journal as if nothing had happened.
        QCOMPARE(NoxSessionJournal::parse(NoxTest::readFile(path)).values, engine.playedValues());
    }

    // A change the journal cannot play again is said, not shown as if it were exact.
    void inexactRestoreSaysSo()
    {
        QString path;
        QByteArray crashed;
        {
            NoxEngine engine(true);
            startLikeTheApplication(engine, false);
            QRandomGenerator rng(5);
            playEvening(engine, rng, 40);
            engine.upsertUserMontante(-1, {});
            engine.playValueInternal(2);
            path = engine.journalPath();
            crashed = NoxTest::readFile(path);
        }
        QVERIFY(NoxTest::writeFile(path, crashed));
        NoxEngine engine(true);
        startLikeTheApplication(engine, false);
        engine.restoreInterruptedSession().waitForFinished();
        QVERIFY(hasRestoreReport(engine));
    }

    // A journal of the results alone (an older version) is played and said to be approximate.
    void resultsOnlyJournal()
    {
        QString path;
        {
            NoxEngine engine(true);
            startLikeTheApplication(engine, false);
            path = engine.journalPath();
        }
        QVERIFY(NoxTest::writeFile(path, "S 1\nP 2 2\nP 1 3\nP 1 4\n"));
        NoxEngine engine(true);
        startLikeTheApplication(engine, false);
        engine.restoreInterruptedSession().waitForFinished();
        QCOMPARE(engine.playedValues(), (QList<int>{2, 1, 1}));
        QVERIFY(hasRestoreReport(engine));
    }

    // A restore stopped by the limits keeps what it could not play and says so.
    void restoreStoppedAtTheLimitKeepsTheRest()
    {
        QString path;
        {
            NoxEngine engine(true);
            startLikeTheApplication(engine, false);
            path = engine.journalPath();
        }
        QByteArray text = "S 1\n";
        const int total = NoxEngine::kMaxPlayed + 250;
        for (int i = 0; i < total; ++i) {
            text += "P " + QByteArray::number(1 + i % 2) + " 5\n";
        }
        QVERIFY(NoxTest::writeFile(path, text));
        NoxEngine engine(true);
        engine.loadMethods();
        engine.setPersistence(true, kOrg);
        QCOMPARE(engine.interruptedSession()->values.size(), total);
        engine.restoreInterruptedSession().waitForFinished();
        QCOMPARE(engine.playedValues().size(), NoxEngine::kMaxPlayed);
        QVERIFY(hasRestoreReport(engine));
        const QByteArray kept =
            NoxTest::readFile(engine.settingsDirectory() + QStringLiteral("/session.unplayed.txt"));
        QCOMPARE(kept.count('\n') - 1, 250); // a comment line, then one result a line
        QVERIFY(kept.endsWith("B\nP\nB\n") || kept.endsWith("P\nB\nP\n"));
    }

    // A journal of the other edition is never played: kept aside, and the player is told.
    void otherEditionIsKeptAside()
    {
        QString path;
        {
            NoxEngine roulette(false);
            roulette.setPersistence(true, kOrg);
            roulette.restart(true, true);
            for (int v : {17, 3, 0}) {
                roulette.playValueInternal(v);
            }
            path = roulette.journalPath();
            const QByteArray crashed = NoxTest::readFile(path);
            roulette.setPersistence(false);
            QVERIFY(NoxTest::writeFile(path, crashed));
        }
        NoxEngine engine(true);
        engine.setPersistence(true, kOrg);
        QVERIFY(!engine.interruptedSession());
        QVERIFY(!engine.journalProblem().isEmpty());
        QVERIFY(QFile::exists(path + QStringLiteral(".roulette")));
        // A journal of results that are no baccarat results, from before editions were kept.
        engine.setPersistence(false);
        QVERIFY(NoxTest::writeFile(path, "S 1\nP 1 2\nP 17 3\n"));
        NoxEngine again(true);
        again.setPersistence(true, kOrg);
        QVERIFY(!again.interruptedSession());
        QVERIFY(QFile::exists(path + QStringLiteral(".other")));
    }

    void refusedResults()
    {
        NoxEngine engine(true);
        // Not a result of the game: refused before anything is journaled or played.
        bool failed = false;
        for (int value : {-5, 3, 37}) {
            failed = false;
            try {
                engine.playValueInternal(value).waitForFinished();
            } catch (const std::invalid_argument &) {
                failed = true;
            }
            QVERIFY(failed);
            QVERIFY(!engine.playNow(value));
        }
        QVERIFY(engine.playedValues().isEmpty());
        // At the limit: the future fails, a notification says why, once.
        QList<int> values;
        for (int i = 0; i < NoxEngine::kMaxPlayed; ++i) {
            values << 1 + i % 2;
        }
        engine.playValues(values).waitForFinished();
        QVERIFY(engine.playRefusal().isEmpty() == false);
        QSignalSpy notified(&engine, &NoxEngine::notificationsChanged);
        failed = false;
        // The refusal's words reach the log as they were written, accents included.
        QTest::ignoreMessage(QtWarningMsg, "Reach max play limits");
        QTest::ignoreMessage(QtWarningMsg,
                             qUtf8Printable(QStringLiteral("Task failed: ") + engine.playRefusal()));
        QVERIFY(engine.playRefusal().contains(QStringLiteral("résultats enregistrés")));
        try {
            engine.playValueInternal(1).waitForFinished();
        } catch (const NoxPlayRefused &e) {
            failed = QString::fromStdString(e.what()).startsWith(QStringLiteral("Limite atteinte"));
        }
        QVERIFY(failed);
        QCOMPARE(notified.size(), 1);
        QCOMPARE(engine.notifications().constLast().type, int(NoxNotification::PlayLimit));
        QVERIFY(engine.notifications().constLast().title.startsWith(QStringLiteral("Limite atteinte : ")));
        engine.playValueInternal(2);
        QCOMPARE(notified.size(), 1); // said once
        // Played without a future, queued or inline, the refusal is the same.
        for (bool async : {true, false}) {
            engine.setAsync(async);
            QTest::ignoreMessage(QtWarningMsg, "Reach max play limits");
            QTest::ignoreMessage(QtWarningMsg,
                                 qUtf8Printable(QStringLiteral("Task failed: ") + engine.playRefusal()));
            QVERIFY(!engine.playNow(1));
            QCOMPARE(engine.playedValues().size(), NoxEngine::kMaxPlayed);
        }
        engine.setAsync(true);
        engine.truncatePlayedItems(10).waitForFinished();
        QVERIFY(engine.playRefusal().isEmpty());
        engine.playValueInternal(2).waitForFinished();
        QCOMPARE(engine.playedValues().size(), 11);
        for (bool async : {true, false}) {
            engine.setAsync(async);
            QVERIFY(engine.playNow(1));
            QCOMPARE(engine.playedValues().constLast(), 1);
        }
        QCOMPARE(engine.playedValues().size(), 13);
    }

    // The settings the player changed are on disk within a second, and the file is whole.
    void settingsAreOnDiskWithinASecond()
    {
        NoxEngine engine(true);
        startLikeTheApplication(engine, true);
        const QString file = engine.settingsFileName();
        QElapsedTimer clock;
        for (int chip : {70, 80, 90}) {
            NoxFinancial f = engine.financial();
            f.cs.jetonOrigine = f.cs.jeton = chip;
            engine.setFinancialConfig(f);
            clock.start();
            QTRY_VERIFY_WITH_TIMEOUT(
                QSettings(file, QSettings::IniFormat).value(QStringLiteral("financial/cs/jeton")).toInt() ==
                    chip,
                2500);
            // The writer waits one interval (a second); a loaded machine adds to it, a writer that
            // waited for the next change or for the quit would not.
            QVERIFY2(clock.elapsed() < 2000, qPrintable(QString::number(clock.elapsed())));
        }
        engine.setMethodActive(engine.methodStates().at(3)->method()->index(), true);
        const QString key = NoxEngineSettings::methodSection(engine.methodStates().at(3)->method()->key()) +
                            QStringLiteral("active");
        QTRY_VERIFY_WITH_TIMEOUT(QSettings(file, QSettings::IniFormat).value(key).toString() == u"true",
                                 1500);
    }

    // Killed at any moment, a new start has every setting changed up to a second before, in
    // a whole file.
    void settingsSurviveAKill()
    {
        QRandomGenerator rng(7);
        for (int round = 0; round < 4; ++round) {
            const QString dir = m_dir->filePath(QStringLiteral("settings%1").arg(round));
            QDir().mkpath(dir);
            Child child(QStringLiteral("settings"), dir, 0);
            QVERIFY(!child.waitFor("SET 1").isEmpty());
            QThread::msleep(1200 + rng.bounded(900));
            const qint64 killedAt = QDateTime::currentMSecsSinceEpoch();
            child.kill();
            int olderThanASecond = 0;
            for (const QByteArray &line : child.lines()) {
                const QList<QByteArray> f = line.split(' ');
                if (f.size() == 3 && f.at(0) == "SET" && killedAt - f.at(2).toLongLong() > 1000) {
                    olderThanASecond = f.at(1).toInt();
                }
            }
            QVERIFY(olderThanASecond > 0);
            const QString ini = dir + QLatin1Char('/') + kOrg + QStringLiteral("/engine.ini");
            QSettings stored(ini, QSettings::IniFormat);
            QCOMPARE(stored.status(), QSettings::NoError);
            QVERIFY2(stored.value(QStringLiteral("financial/cs/jeton")).toInt() >= 10 * olderThanASecond,
                     qPrintable(stored.value(QStringLiteral("financial/cs/jeton")).toString()));
        }
    }

    // Killed in the middle of an evening, the evening comes back exactly; killed in the middle
    // of the restore, the same evening is offered again.
    void killedEveningsComeBack()
    {
        QRandomGenerator rng(11);
        for (int round = 0; round < 3; ++round) {
            const QString dir = m_dir->filePath(QStringLiteral("evening%1").arg(round));
            QDir().mkpath(dir);
            {
                Child child(QStringLiteral("evening"), dir, 100 + round);
                QVERIFY(!child.waitFor("READY", 120000).isEmpty());
            }
            const QStringList expected =
                QString::fromUtf8(NoxTest::readFile(dir + QStringLiteral("/expected.txt")))
                    .split(QStringLiteral("\n=====\n"));
            QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir);
            std::optional<NoxInterruptedSession> offered;
            {
                NoxEngine probe(true);
                probe.loadMethods();
                probe.registerBuiltinMontantes();
                probe.setPersistence(true, kOrg);
                offered = probe.interruptedSession();
                QVERIFY(offered); // dropped without an answer: the offer stays for the next start
            }
            // Killed while restoring, at several moments: offered again, whole.
            for (int k = 0; k < 3; ++k) {
                Child restoring(QStringLiteral("restore"), dir, 0);
                QVERIFY(!restoring.waitFor("RESTORING").isEmpty());
                QThread::msleep(rng.bounded(k == 0 ? 5 : 400));
                restoring.kill();
                const bool finished = restoring.lines().contains("READY");
                NoxEngine probe(true);
                probe.loadMethods();
                probe.registerBuiltinMontantes();
                probe.setPersistence(true, kOrg);
                if (finished) {
                    // The restore was over: its evening is the live one, offered as such.
                    QVERIFY(probe.interruptedSession());
                    QCOMPARE(probe.interruptedSession()->values, offered->values);
                    break;
                }
                QVERIFY(probe.interruptedSession());
                QCOMPARE(probe.interruptedSession()->values, offered->values);
            }
            NoxEngine engine(true);
            startLikeTheApplication(engine, true);
            QVERIFY(engine.interruptedSession());
            engine.restoreInterruptedSession().waitForFinished();
            QCOMPARE(NoxTest::firstDifference(NoxTest::describeAll(engine), expected), QString());
            QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_dir->path());
        }
    }

    // What a killed process leaves beside the settings is cleaned at the next start.
    void leftoversAreRemoved()
    {
        QString dir;
        {
            NoxEngine engine(true);
            engine.setPersistence(true, kOrg);
            dir = engine.settingsDirectory();
        }
        const QStringList leftovers = {
            QStringLiteral("session.journal.restoring"), QStringLiteral("methodes_par_defaut.txt.Ab3xYz"),
            QStringLiteral("montantes.dat.q1w2e3"), QStringLiteral("engine.ini.Zz9Zz9")};
        for (const QString &name : leftovers) {
            QVERIFY(NoxTest::writeFile(dir + QLatin1Char('/') + name, "half"));
        }
        // The lock file of a process killed while it held it.
        {
            Child locker(QStringLiteral("lock"), dir, 0);
            QVERIFY(!locker.waitFor("LOCKED").isEmpty());
        }
        QVERIFY(QFile::exists(dir + QStringLiteral("/engine.ini.lock")));
        QThread::sleep(1); // the temporary copies are older than the start
        NoxEngine engine(true);
        engine.setPersistence(true, kOrg);
        for (const QString &name : leftovers) {
            QVERIFY2(!QFile::exists(dir + QLatin1Char('/') + name), qPrintable(name));
        }
        QVERIFY(!QFile::exists(dir + QStringLiteral("/engine.ini.lock")));
        QVERIFY(QFile::exists(dir + QStringLiteral("/session.journal")));
    }

private:
    std::optional<QTemporaryDir> m_dir;
};

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc >= 5 && qstrcmp(argv[1], "--child") == 0) {
        return runChild(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]),
                        QByteArray(argv[4]).toUInt());
    }
    TestSessionRestore test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_sessionrestore.moc"
