// The GUI-thread cost of one coup on the baccarat catalogue: the facade's refresh of the keypad
// and the summary, the method list and its five views re-sorted and re-filtered, the played
// list reset and the mirrors refreshed, after the engine (on its own threads) played the
// result.
//
//   bench_ui --benchmark_filter=Coup
//
// The engine's own work is not counted: each iteration waits for it, then times only the
// queued refreshes that run on the GUI thread. The goal is under 2 ms, so that entering a
// result never costs a frame. The second argument attaches the archive of the sessions as the
// application does (1): its writing adds nothing to the GUI thread.

#include "archive/noxarchive.h"
#include "core/noxmethod.h"
#include "core/noxmethodstate.h"
#include "engine/noxengine.h"
#include "iengineprovider.h"
#include "uifilteredmethodlistmodel.h"
#include "uiwrapper.h"

#include <QGuiApplication>
#include <QLoggingCategory>
#include <QRandomGenerator>
#include <QSettings>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>

namespace {

class EngineRoot : public QObject, public IEngineProvider
{
    Q_OBJECT
    Q_INTERFACES(IEngineProvider)

public:
    EngineRoot()
        : m_engine(std::make_unique<Nox::NoxEngine>(true))
    {
        m_engine->setAsync(true);
        m_engine->loadMethods();
        m_engine->registerBuiltinMontantes();
        m_engine->restart(true, true);
    }
    [[nodiscard]] Nox::NoxEngine *engine() const override { return m_engine.get(); }

private:
    std::unique_ptr<Nox::NoxEngine> m_engine;
};

int nextResult(QRandomGenerator &random)
{
    const int r = int(random.bounded(100));
    return r < 9 ? 0 : r < 54 ? 2 : 1;
}

void runQueued()
{
    QCoreApplication::processEvents();
    QCoreApplication::processEvents();
}

void BM_CoupGuiRefresh(benchmark::State &state)
{
    EngineRoot root;
    UIWrapper ui(&root);
    Nox::NoxEngine *engine = root.engine();
    QTemporaryDir archiveDir;
    std::unique_ptr<Nox::NoxArchive> archive;
    if (state.range(1) != 0) {
        archive = std::make_unique<Nox::NoxArchive>(archiveDir.filePath(QStringLiteral("sessions.sqlite")));
        archive->attach(engine);
        archive->start();
        engine->restart(true, true);
    }
    // A player's session: a few active methods, the signal filters on, some history.
    for (const Nox::NoxMethodState *s : engine->methodStates()) {
        const QString &name = s->method()->name();
        if (name == u"BANKER" || name == u"Figure 07" || name == u"AUTO Hawks") {
            ui.setMethodActive(s->method()->index(), true);
        }
    }
    Nox::NoxEngineConfig config = engine->config();
    config.signalBlocks = true;
    config.signalBlocDominantConfirme = true;
    config.signalTendanceBack = true;
    engine->setConfig(config);
    QRandomGenerator random(42);
    QList<int> history;
    for (int i = 0; i < int(state.range(0)); ++i) {
        history.append(nextResult(random));
    }
    engine->playValues(history).waitForFinished();
    runQueued();

    for (auto _ : state) {
        engine->playValueInternal(nextResult(random), true).waitForFinished();
        const auto start = std::chrono::steady_clock::now();
        runQueued();
        const auto end = std::chrono::steady_clock::now();
        state.SetIterationTime(std::chrono::duration<double>(end - start).count());
    }
    state.counters["rows"] = ui.filteredMethodList()->rowCount();
    state.counters["refreshes"] = ui.test();
    if (archive) {
        archive->waitForWritten();
        state.counters["archived"] = double(archive->writtenCoups());
    }
}
BENCHMARK(BM_CoupGuiRefresh)
    ->Args({100, 0})
    ->Args({100, 1})
    ->Args({1000, 0})
    ->Args({1000, 1})
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QLoggingCategory::setFilterRules(QStringLiteral("nox.*.debug=false"));
    QTemporaryDir dir;
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir.path());
    ::benchmark::Initialize(&argc, argv);
    ::benchmark::RunSpecifiedBenchmarks();
    ::benchmark::Shutdown();
    return 0;
}

#include "bench_ui.moc"
