#include "core/noxchunkedlist.h"
#include "core/noxslidinglist.h"

#include <QList>
#include <QRandomGenerator>
#include <QtTest>

using namespace Nox;

class TestChunkedList : public QObject
{
    Q_OBJECT

private slots:
    void appendAndReadAcrossChunks()
    {
        NoxChunkedList<int, 2> list; // chunks of four elements
        QVERIFY(list.isEmpty());
        for (int i = 0; i < 19; ++i) {
            list.append(i * 3);
            QCOMPARE(list.size(), qsizetype(i + 1));
            QCOMPARE(list.last(), i * 3);
        }
        for (int i = 0; i < 19; ++i) {
            QCOMPARE(list.at(i), i * 3);
        }
        list[5] = -1;
        list.last() = -2;
        QCOMPARE(list.at(5), -1);
        QCOMPARE(list.at(18), -2);
        QCOMPARE(list.at(4), 12);
        QCOMPARE(list.at(6), 18);
    }

    // Removals at the end (one by one or by truncation) across chunk boundaries, mixed with
    // appends, keep the same elements as a plain list.
    void matchesAPlainListUnderRandomEdits()
    {
        QRandomGenerator rng(7);
        NoxChunkedList<int, 3> list;
        QList<int> model;
        for (int step = 0; step < 5000; ++step) {
            const int op = int(rng.bounded(10));
            if (op < 6 || model.isEmpty()) {
                const int v = int(rng.bounded(1000000));
                list.append(v);
                model.append(v);
            } else if (op < 9) {
                list.removeLast();
                model.removeLast();
            } else {
                const qsizetype keep = qsizetype(rng.bounded(int(model.size()) + 1));
                list.truncate(keep);
                model.resize(keep);
            }
            QCOMPARE(list.size(), model.size());
            QCOMPARE(list.isEmpty(), model.isEmpty());
            if (!model.isEmpty()) {
                QCOMPARE(list.last(), model.last());
            }
        }
        for (qsizetype i = 0; i < model.size(); ++i) {
            QCOMPARE(list.at(i), model.at(i));
        }
        // Cleared, it keeps a chunk and fills it and the next ones again.
        list.clear();
        QVERIFY(list.isEmpty());
        for (int v = 0; v < 20; ++v) {
            list.append(42 + v);
        }
        QCOMPARE(list.size(), qsizetype(20));
        for (int v = 0; v < 20; ++v) {
            QCOMPARE(list.at(v), 42 + v);
        }
    }

    void holdsPackedRecords()
    {
        struct Packed {
            qint16 value;
            quint8 numbers;
            quint8 flags;
        };
        static_assert(sizeof(Packed) == 4);
        NoxChunkedList<Packed> list;
        for (int i = 0; i < 600; ++i) {
            list.append(Packed{qint16(i % 37), quint8(i % 19), quint8(i & 0xff)});
        }
        QCOMPARE(list.size(), qsizetype(600));
        QCOMPARE(list.at(599).value, qint16(599 % 37));
        QCOMPARE(list.at(300).numbers, quint8(300 % 19));
        QCOMPARE(list.at(255).flags, quint8(255));
        QCOMPARE(list.at(256).flags, quint8(0));
    }

    // The sliding list behind the curve tails: cuts at the front, appends and undo edits at
    // both ends must read like a plain list, whatever compaction happened in between.
    void slidingListMatchesAPlainList()
    {
        QRandomGenerator rng(11);
        NoxSlidingList<int> sliding{0};
        QList<int> plain{0};
        for (int step = 0; step < 5000; ++step) {
            const int op = int(rng.bounded(10));
            if (op < 5) {
                const int v = int(rng.bounded(1000));
                sliding.append(v);
                plain.append(v);
            } else if (op < 7) {
                const int n = int(rng.bounded(4));
                sliding.removeFirst(n);
                plain.remove(0, std::min<qsizetype>(n, plain.size()));
            } else if (op == 7 && !plain.isEmpty()) {
                sliding.removeLast();
                plain.removeLast();
            } else if (op == 8) {
                const int v = -int(rng.bounded(1000));
                sliding.prepend(v);
                plain.prepend(v);
            } else {
                const qsizetype keep = plain.size() - qsizetype(rng.bounded(3));
                sliding.truncate(keep);
                plain.resize(std::clamp<qsizetype>(keep, 0, plain.size()));
            }
            QCOMPARE(sliding.size(), plain.size());
            QCOMPARE(sliding.toList(), plain);
            if (!plain.isEmpty()) {
                QCOMPARE(sliding.first(), plain.first());
                QCOMPARE(sliding.last(), plain.last());
                QCOMPARE(sliding.constData()[plain.size() / 2], plain.at(plain.size() / 2));
            }
        }
        QCOMPARE(sliding.toList(sliding.size() - 2), plain.mid(plain.size() - 2));
        sliding.assign({4, 5, 6});
        QCOMPARE(sliding.toList(), QList<int>({4, 5, 6}));
        sliding.clear();
        QVERIFY(sliding.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestChunkedList)
#include "tst_chunkedlist.moc"
