// The archive of the sessions:
//
//   bench_archive
//
// - BM_ArchiveWriteCoups: 10,000 coups queued as the engine hands them over, until all are
//   written on the archive's thread (one transaction each); per coup, the goal is under 1 ms.
//   The counter bytes_per_1000_coups is the file's size (after the closing checkpoint) per
//   1,000 coups.
// - BM_ArchiveCoupLatency: one coup at a time, waited for: what a coup costs from its record to
//   its commit.
// - BM_OpenSessionsPage: the sessions page's model opened on an archive of 1,000 sessions of
//   100 coups, to its first rows; the goal is under 100 ms.

#include "archive/noxarchive.h"
#include "uisessionlistmodel.h"

#include <QFileInfo>
#include <QGuiApplication>
#include <QLoggingCategory>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

Nox::NoxSessionRecord startOf(const QString &uid, qint64 ms)
{
    Nox::NoxSessionRecord r;
    r.kind = Nox::NoxSessionRecord::Started;
    r.sessionId = uid;
    r.timeMs = r.startMs = ms;
    r.startCapital = 100000;
    r.methods = {QStringLiteral("BANKER"), QStringLiteral("AUTO Hawks")};
    r.montantes = {QStringLiteral("Martingale classique (commune)")};
    return r;
}

/// A coup as the engine records it: two stakes, the methods and progressions in play.
Nox::NoxSessionRecord coupOf(const QString &uid, qint64 ms, int i)
{
    Nox::NoxSessionRecord c = startOf(uid, ms);
    c.kind = Nox::NoxSessionRecord::Coup;
    c.value = i % 3;
    c.stakes = {Nox::NoxBet{Nox::NoxBetItemID::B_BANKER, 1000, 0},
                Nox::NoxBet{Nox::NoxBetItemID::B_TIE, 100, 0}};
    c.stake = 1100;
    c.gain = i % 2 == 0 ? 850 : -1100;
    c.capital = 100000 + (i % 2 == 0 ? 850 : -250);
    c.newShoe = i % 80 == 0 && i > 0;
    return c;
}

qint64 fileSize(const QString &path)
{
    qint64 size = 0;
    for (const QString &suffix : {QString(), QStringLiteral("-wal")}) {
        size += QFileInfo(path + suffix).size();
    }
    return size;
}

void BM_ArchiveWriteCoups(benchmark::State &state)
{
    constexpr int kCoups = 10000;
    qint64 bytes = 0;
    for (auto _ : state) {
        state.PauseTiming();
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("sessions.sqlite"));
        auto archive = std::make_unique<Nox::NoxArchive>(path);
        archive->start();
        archive->record(startOf(QStringLiteral("bench"), 1));
        archive->waitForWritten();
        state.ResumeTiming();
        for (int i = 0; i < kCoups; ++i) {
            archive->record(coupOf(QStringLiteral("bench"), 1000 + i, i));
        }
        archive->waitForWritten(120000);
        state.PauseTiming();
        archive.reset();
        bytes = fileSize(path);
        state.ResumeTiming();
    }
    state.SetItemsProcessed(state.iterations() * kCoups);
    state.counters["bytes_per_1000_coups"] = double(bytes) / (kCoups / 1000.0);
}
BENCHMARK(BM_ArchiveWriteCoups)->Unit(benchmark::kMillisecond)->Iterations(3)->UseRealTime();

void BM_ArchiveCoupLatency(benchmark::State &state)
{
    QTemporaryDir dir;
    Nox::NoxArchive archive(dir.filePath(QStringLiteral("sessions.sqlite")));
    archive.start();
    archive.record(startOf(QStringLiteral("latency"), 1));
    archive.waitForWritten();
    int i = 0;
    for (auto _ : state) {
        archive.record(coupOf(QStringLiteral("latency"), 1000 + i, i));
        archive.waitForWritten();
        ++i;
    }
}
BENCHMARK(BM_ArchiveCoupLatency)->Unit(benchmark::kMicrosecond)->UseRealTime();

/// 1,000 sessions of 100 coups, written once for the whole run.
const QString &bigArchive()
{
    static QTemporaryDir dir;
    static const QString path = [] {
        const QString p = dir.filePath(QStringLiteral("sessions.sqlite"));
        Nox::NoxArchive archive(p);
        archive.start();
        for (int s = 0; s < 1000; ++s) {
            const QString uid = QStringLiteral("s%1").arg(s);
            const qint64 start = 1700000000000 + qint64(s) * 3600000;
            archive.record(startOf(uid, start));
            for (int i = 0; i < 100; ++i) {
                archive.record(coupOf(uid, start + i * 30000, i));
            }
        }
        archive.waitForWritten(600000);
        return p;
    }();
    return path;
}

void BM_OpenSessionsPage(benchmark::State &state)
{
    const QString &path = bigArchive();
    int rows = 0;
    int sessions = 0;
    for (auto _ : state) {
        UISessionListModel model;
        model.setArchivePath(path);
        rows = model.rowCount();
        sessions = model.totalCount();
        benchmark::DoNotOptimize(model.index(0, 0).data(UISessionListModel::ResultRole));
    }
    state.counters["rows"] = rows;
    state.counters["sessions"] = sessions;
}
BENCHMARK(BM_OpenSessionsPage)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QLoggingCategory::setFilterRules(QStringLiteral("nox.*.debug=false\nnox.archive.info=false"));
    ::benchmark::Initialize(&argc, argv);
    ::benchmark::RunSpecifiedBenchmarks();
    ::benchmark::Shutdown();
    return 0;
}
