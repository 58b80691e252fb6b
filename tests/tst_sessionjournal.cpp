// The session journal: what a journal's text says, and the engine's offer to bring back the
// results of a session that ended without an orderly shutdown.

#include "engine/noxengine.h"
#include "engine/noxsessionjournal.h"
#include "testsupport.h"

#include <QtTest>

using namespace Nox;

namespace {
const QString kOrg = QStringLiteral("NoxTest");
}

class TestSessionJournal : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        QVERIFY(m_dir.isValid());
        NoxTest::useSandbox(m_dir);
        QDir(m_dir.path() + QLatin1Char('/') + kOrg).removeRecursively();
    }

    void parsesEveryEvent()
    {
        bool closed = true;
        const NoxInterruptedSession s = NoxSessionJournal::parse("P 1 10\n"
                                                                 "S 20\n"
                                                                 "P 2 30\n"
                                                                 "P 1 40\n"
                                                                 "P 0 50\n"
                                                                 "U 60\n"
                                                                 "P 2 70\n"
                                                                 "R 80\n"
                                                                 "P 36 90\n"
                                                                 "T 3 100\n",
                                                                 &closed);
        QCOMPARE(s.values, (QList<int>{1, 2, 36}));
        QVERIFY(!closed);
        QCOMPARE(s.lastChange, QDateTime::fromMSecsSinceEpoch(100, Qt::UTC));

        (void)NoxSessionJournal::parse("S 1\nP 1 2\nC 3\n", &closed);
        QVERIFY(closed);
        (void)NoxSessionJournal::parse("S 1\nP 1 2\nC 3\nP 2 4\n", &closed); // written after a close
        QVERIFY(closed);
        (void)NoxSessionJournal::parse("S 1\nC 3\nS 4\n", &closed); // a new session is open again
        QVERIFY(!closed);
    }

    void damagedJournalsYieldWhatTheyCan()
    {
        // A torn last line is ignored, whatever it holds.
        QCOMPARE(NoxSessionJournal::parse("S 1\nP 1 2\nP 2 3\nP 1").values, (QList<int>{1, 2}));
        QCOMPARE(NoxSessionJournal::parse("S 1\nP 1 2\nC").values, (QList<int>{1}));
        bool closed = true;
        (void)NoxSessionJournal::parse("S 1\nP 1 2\nC 5", &closed);
        QVERIFY(!closed);
        // Lines that make no sense are skipped; the others still count.
        const NoxInterruptedSession s = NoxSessionJournal::parse("S 1\n"
                                                                 "P 37 2\n"
                                                                 "P -1 3\n"
                                                                 "P x 4\n"
                                                                 "P 2\n"
                                                                 "Q 1 5\n"
                                                                 "\n"
                                                                 "PP 1 6\n"
                                                                 "T -2 7\n"
                                                                 "P 2 8\n"
                                                                 "\xff\xfe 9\n"
                                                                 "U U\n"
                                                                 "P 0 10\r\n");
        QCOMPARE(s.values, (QList<int>{2, 0}));
        QCOMPARE(s.lastChange, QDateTime::fromMSecsSinceEpoch(10, Qt::UTC));
        QVERIFY(NoxSessionJournal::parse({}).values.isEmpty());
        QVERIFY(!NoxSessionJournal::parse("garbage").lastChange.isValid());
    }

    void interruptedSessionsAreOffered_data()
    {
        QTest::addColumn<bool>("async");
        QTest::newRow("inline") << false;
        QTest::newRow("async") << true;
    }

    void interruptedSessionsAreOffered()
    {
        QFETCH(bool, async);
        const QDateTime before = QDateTime::currentDateTimeUtc().addSecs(-1);
        QByteArray crashed;
        QString path;
        {
            NoxEngine engine(true);
            engine.setAsync(async);
            QVERIFY(engine.setPersistence(true, kOrg));
            QVERIFY(!engine.interruptedSession());
            engine.restart(true, true);
            path = engine.journalPath();
            for (int v : {1, 2, 0, 2}) {
                engine.playValueInternal(v);
            }
            engine.cancelPlay();
            engine.playValueInternal(1);
            engine.truncatePlayedItems(3);
            engine.restart(true, false);
            engine.playValueInternal(2).waitForFinished();
            QCOMPARE(engine.playedValues(), (QList<int>{2, 0, 1, 2}));
            // The journal as a crash at this moment would leave it, with a torn last write.
            crashed = NoxTest::readFile(path) + "P 1 17";
        }
        // An orderly shutdown closed it: nothing to offer.
        QVERIFY(NoxTest::readFile(path).contains("\nC "));
        {
            NoxEngine engine(true);
            QVERIFY(engine.setPersistence(true, kOrg));
            QVERIFY(!engine.interruptedSession());
        }

        QVERIFY(NoxTest::writeFile(path, crashed));
        {
            NoxEngine engine(true);
            QVERIFY(engine.setPersistence(true, kOrg));
            const std::optional<NoxInterruptedSession> s = engine.interruptedSession();
            QVERIFY(s);
            QCOMPARE(s->values, (QList<int>{2, 0, 1, 2}));
            QVERIFY(s->lastChange >= before);
            QVERIFY(s->lastChange <= QDateTime::currentDateTimeUtc());
            // Start-up begins a new session; the offer stays until it is answered.
            engine.restart(true, true);
            engine.playValueInternal(1).waitForFinished();
            QCOMPARE(engine.interruptedSession(), s);
        }
        {
            NoxEngine engine(true);
            engine.setAsync(async);
            QVERIFY(engine.setPersistence(true, kOrg));
            QVERIFY(engine.interruptedSession());
            QCOMPARE(engine.interruptedSession()->values.size(), 4);
            engine.restart(true, true);
            engine.restoreInterruptedSession().waitForFinished();
            QCOMPARE(engine.playedValues(), (QList<int>{2, 0, 1, 2}));
            QVERIFY(!engine.interruptedSession());
            QVERIFY(!QFile::exists(path + QStringLiteral(".interrupted")));
            // The restored results are journalled as the new session's.
            QCOMPARE(NoxSessionJournal::parse(NoxTest::readFile(path)).values, (QList<int>{2, 0, 1, 2}));
        }
        {
            NoxEngine engine(true);
            QVERIFY(engine.setPersistence(true, kOrg));
            QVERIFY(!engine.interruptedSession());
        }
    }

    void discardForgetsTheSession()
    {
        QString path;
        {
            NoxEngine engine(true);
            QVERIFY(engine.setPersistence(true, kOrg));
            path = engine.journalPath();
        }
        QVERIFY(NoxTest::writeFile(path, "S 1\nP 2 2\nP 1 3\n"));
        NoxEngine engine(true);
        QVERIFY(engine.setPersistence(true, kOrg));
        QCOMPARE(engine.interruptedSession()->values, (QList<int>{2, 1}));
        engine.discardInterruptedSession();
        QVERIFY(!engine.interruptedSession());
        QVERIFY(!QFile::exists(path + QStringLiteral(".interrupted")));
        QVERIFY(engine.restoreInterruptedSession().isFinished());
        QVERIFY(engine.playedValues().isEmpty());
    }

    void noPersistenceNoJournal()
    {
        NoxEngine engine(true);
        engine.playValueInternal(1);
        QVERIFY(!QFile::exists(engine.journalPath()));
        QVERIFY(!engine.interruptedSession());
    }

private:
    QTemporaryDir m_dir;
};

QTEST_GUILESS_MAIN(TestSessionJournal)
#include "tst_sessionjournal.moc"
