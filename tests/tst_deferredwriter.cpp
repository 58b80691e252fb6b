// The writer behind the settings files: a burst of changes is one write, nothing waits longer
// than the interval, and flush() returns once everything asked for is written.

#include "engine/noxdeferredwriter.h"

#include <QElapsedTimer>
#include <QMutex>
#include <QtTest>

#include <atomic>
#include <thread>

using namespace Nox;
using namespace std::chrono_literals;

class TestDeferredWriter : public QObject
{
    Q_OBJECT

private slots:
    void burstsAreWrittenOnce()
    {
        std::atomic<int> runs{0};
        std::atomic<unsigned> seen{0};
        NoxDeferredWriter writer(2s, [&](unsigned what) {
            seen |= what;
            ++runs;
        });
        QElapsedTimer clock;
        clock.start();
        writer.request(1); // the first of a quiet spell goes at once
        QTRY_COMPARE_WITH_TIMEOUT(runs.load(), 1, 1500);
        QVERIFY(clock.elapsed() < 1500);
        for (int i = 0; i < 50; ++i) {
            writer.request(i % 2 ? 2 : 4);
            QThread::msleep(2);
        }
        // Gathered into one run at the end of the interval, with every bit asked for.
        QTRY_COMPARE_WITH_TIMEOUT(runs.load(), 2, 5000);
        QCOMPARE(seen.load(), 7u);
        QVERIFY(clock.elapsed() >= 1990);
        QThread::msleep(300);
        QCOMPARE(runs.load(), 2); // nothing asked, nothing written
    }

    void flushWritesNowAndWaits()
    {
        QMutex mutex;
        QList<unsigned> written;
        NoxDeferredWriter writer(10s, [&](unsigned what) {
            QThread::msleep(30); // a slow disk
            QMutexLocker lock(&mutex);
            written.append(what);
        });
        writer.request(1);
        writer.request(2); // made while the first write may be under way
        QElapsedTimer clock;
        clock.start();
        writer.flush();
        QVERIFY(clock.elapsed() < 2000); // not the 10 s interval
        QMutexLocker lock(&mutex);
        unsigned all = 0;
        for (unsigned w : written) {
            all |= w;
        }
        QCOMPARE(all, 3u);
    }

    void destructionWritesWhatIsPending()
    {
        std::atomic<int> runs{0};
        {
            NoxDeferredWriter writer(10s, [&](unsigned) { ++runs; });
            writer.request();
            QTRY_COMPARE(runs.load(), 1);
            writer.request(); // waits for the interval...
        }
        QCOMPARE(runs.load(), 2); // ...but not past the end
    }

    void requestsFromManyThreads()
    {
        std::atomic<int> runs{0};
        NoxDeferredWriter writer(20ms, [&](unsigned) { ++runs; });
        std::vector<std::thread> threads;
        for (int t = 0; t < 4; ++t) {
            threads.emplace_back([&] {
                for (int i = 0; i < 200; ++i) {
                    writer.request();
                }
            });
        }
        for (auto &t : threads) {
            t.join();
        }
        writer.flush();
        QVERIFY(runs.load() >= 1);
        QVERIFY(runs.load() < 100);
    }
};

QTEST_GUILESS_MAIN(TestDeferredWriter)
#include "tst_deferredwriter.moc"
