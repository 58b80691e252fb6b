// The cost, on the screen side, of a result entered on the keypad: the program's main window
// (Main.qml, the play screen with its Pro list), a click on BANKER, and
//
//   BM_KeypadResultToFrame  the time from the click to the swap of the first frame that shows
//                           the result: the engine's play on its threads, the facade's queued
//                           refresh, the bindings and delegates that follow, and that frame;
//   counter frame_us        the GUI-thread time of that frame alone (polish, layout, scene
//                           graph sync, render, swap);
//   counter polish_sync_us  what that frame spent before rendering: the QML items, apart from
//                           drawing (on Xvfb the drawing is Mesa's software rasteriser);
//   counter refresh_us      from the end of the engine's play to the swap: what the GUI thread
//                           adds to the engine's work.
//
// Arguments: the history's length, and 1 to time the frames while the financial settings'
// risk estimate plays its sessions on the worker threads (the counter estimate_running says
// whether it was still running at the end).
//
// It needs a display; run it on a private one:
//
//   tests/x11run.sh build/benchmarks/bench_uiframe
//
// The basic render loop is forced so that the whole frame runs on the GUI thread, where it is
// timed. Nothing is persisted: every settings file lives in a temporary directory.

#include "core/noxmethod.h"
#include "core/noxmethodstate.h"
#include "engine/noxengine.h"
#include "noxqmlimports.h"
#include "noxstartup.h"
#include "uinavigator.h"
#include "uiplayedlistmodel.h"
#include "uiriskestimate.h"
#include "uiroutes.h"
#include "uiwrapper.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QLoggingCategory>
#include <QQmlApplicationEngine>
#include <QQmlComponent>
#include <QQmlContext>
#include <QQuickItem>
#include <QQuickStyle>
#include <QQuickWindow>
#include <QRandomGenerator>
#include <QSettings>
#include <QSurfaceFormat>
#include <QTemporaryDir>
#include <QTest>

#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdio>
#include <memory>

namespace {

/// Times every frame of a window: from the update request that starts it (basic render loop:
/// polish, sync and render run inside it) to the swap that ends it.
class FrameClock : public QObject
{
public:
    explicit FrameClock(QQuickWindow *window)
        : m_window(window)
    {
        m_clock.start();
        window->installEventFilter(this);
        connect(
            window, &QQuickWindow::afterSynchronizing, this, [this] { m_syncEnd = m_clock.nsecsElapsed(); },
            Qt::DirectConnection);
        connect(window, &QQuickWindow::frameSwapped, this, [this] {
            m_lastSwap = m_clock.nsecsElapsed();
            m_lastFrame = m_frameStart >= 0 ? m_lastSwap - m_frameStart : 0;
            m_lastPrepare = m_frameStart >= 0 && m_syncEnd > m_frameStart ? m_syncEnd - m_frameStart : 0;
            m_frameStart = -1;
            ++m_swaps;
        });
    }

    [[nodiscard]] qint64 now() const { return m_clock.nsecsElapsed(); }
    [[nodiscard]] int swaps() const { return m_swaps; }
    [[nodiscard]] qint64 lastSwap() const { return m_lastSwap; }
    [[nodiscard]] qint64 lastFrame() const { return m_lastFrame; }
    /// What the last frame spent before rendering: polish (layouts, text) and scene graph sync.
    [[nodiscard]] qint64 lastPrepare() const { return m_lastPrepare; }

    /// Runs events until no frame has been swapped for `quietMs` (key feedback and list
    /// animations are over), at most `limitMs`.
    void settle(int quietMs = 120, int limitMs = 3000)
    {
        QElapsedTimer total;
        total.start();
        int seen = m_swaps;
        QElapsedTimer quiet;
        quiet.start();
        while (quiet.elapsed() < quietMs && total.elapsed() < limitMs) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
            if (m_swaps != seen) {
                seen = m_swaps;
                quiet.restart();
            }
        }
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == m_window && event->type() == QEvent::UpdateRequest && m_frameStart < 0) {
            m_frameStart = m_clock.nsecsElapsed();
        }
        return false;
    }

private:
    QQuickWindow *m_window;
    QElapsedTimer m_clock;
    qint64 m_frameStart = -1;
    qint64 m_lastSwap = 0;
    qint64 m_lastFrame = 0;
    qint64 m_syncEnd = 0;
    qint64 m_lastPrepare = 0;
    int m_swaps = 0;
};

template<typename T>
T *singleton(QQmlEngine &qml, const char *name)
{
    const int typeId = qmlTypeId("NoxRouletteModel", 1, 0, name);
    return typeId < 0 ? nullptr : qml.singletonInstance<T *>(typeId);
}

int nextResult(QRandomGenerator &random)
{
    const int r = int(random.bounded(100));
    return r < 9 ? 0 : r < 54 ? 2 : 1;
}

/// The program as it starts, without persistence: engine, facade, navigator on "/home", the
/// main window shown.
struct Program {
    Program()
    {
        qml = std::make_unique<QQmlApplicationEngine>();
        qml->addImportPath(QStringLiteral(":/qt/qml"));
        qml->addImportPath(QStringLiteral(":/qt/qml/NoxRouletteUi/imports"));
        qml->rootContext()->setContextProperty(QStringLiteral("debug"), false);
        engine = std::make_unique<Nox::NoxEngine>(true);
        engine->setAsync(true);
        engine->loadMethods();
        engine->registerBuiltinMontantes();

        QQmlComponent importer(qml.get());
        importer.setData("import NoxRouletteModel\nimport QtQml\nQtObject {}", QUrl());
        std::unique_ptr<QObject>(importer.create());
        facade = singleton<UIWrapper>(*qml, "UIWrapper");
        auto *navigator = singleton<UINavigator>(*qml, "UINavigator");
        if (!facade || !navigator) {
            return;
        }
        navigator->setRoutes(UIRoutes::baccaratRoutes());
        navigator->enterPage(QStringLiteral("/home"), {}, false);
        qml->load(QUrl(QStringLiteral("qrc:/qt/qml/NoxBaccaratApp/Main.qml")));
        window = qml->rootObjects().isEmpty() ? nullptr
                                              : qobject_cast<QQuickWindow *>(qml->rootObjects().constFirst());
        engine->restart(true, true);
        if (window) {
            (void)QTest::qWaitForWindowExposed(window);
            // The stack view makes the play screen after the window.
            (void)QTest::qWaitFor([this] { return item("keyBanker") != nullptr; }, 10000);
        }
    }

    ~Program()
    {
        // The QML side holds the engine: it goes first.
        qml.reset();
        engine.reset();
    }

    [[nodiscard]] QQuickItem *item(const char *objectName) const
    {
        return window ? window->findChild<QQuickItem *>(QLatin1String(objectName)) : nullptr;
    }

    std::unique_ptr<QQmlApplicationEngine> qml;
    std::unique_ptr<Nox::NoxEngine> engine;
    UIWrapper *facade = nullptr;
    QQuickWindow *window = nullptr;
};

void BM_KeypadResultToFrame(benchmark::State &state)
{
    Program program;
    QQuickItem *key = program.item("keyBanker");
    if (!program.window || !key) {
        std::fprintf(stderr, "facade %p window %p key %p\n", static_cast<void *>(program.facade),
                     static_cast<void *>(program.window), static_cast<void *>(key));
        state.SkipWithError("the main window or its BANKER key is missing");
        return;
    }
    Nox::NoxEngine *engine = program.engine.get();
    // A player's session: a few active methods (the keypad shows their stakes), the signal
    // filters on, some history.
    for (const Nox::NoxMethodState *s : engine->methodStates()) {
        const QString &name = s->method()->name();
        if (name == u"BANKER" || name == u"Figure 07" || name == u"AUTO Hawks") {
            program.facade->setMethodActive(s->method()->index(), true);
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

    UIRiskEstimate *risk = program.facade->risk();
    if (state.range(1) == 1) {
        // The signal filters have left no method staking by now: the estimate takes BANKER,
        // which goes back as it was once the estimate has its settings.
        int banker = -1;
        for (const Nox::NoxMethodState *s : engine->methodStates()) {
            banker = s->method()->name() == u"BANKER" ? s->method()->index() : banker;
        }
        program.facade->setMethodActive(banker, true);
        risk->setSessions(UIRiskEstimate::kMaxSessions);
        risk->start();
        program.facade->setMethodActive(banker, false);
        if (!risk->running()) {
            state.SkipWithError(qPrintable(risk->error()));
            return;
        }
    }
    FrameClock clock(program.window);
    UIPlayedListModel *played = program.facade->playedItems();
    // The engine's play ends when it announces the new history, on its task thread.
    std::atomic<qint64> playedAt{0};
    QObject::connect(
        engine, &Nox::NoxEngine::itemsToPlayChanged, engine,
        [&playedAt, &clock] { playedAt.store(clock.now()); }, Qt::DirectConnection);
    clock.settle(300);
    const QPoint centre = key->mapToScene(QPointF(key->width() / 2, key->height() / 2)).toPoint();

    double frameTotal = 0;
    double prepareTotal = 0;
    double refreshTotal = 0;
    for (auto _ : state) {
        const int before = played->rowCount();
        const qint64 start = clock.now();
        QTest::mouseClick(program.window, Qt::LeftButton, {}, centre);
        // The history shows one more result, then the next swapped frame is the one that has it.
        while (played->rowCount() == before) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
        }
        const int swaps = clock.swaps();
        while (clock.swaps() == swaps) {
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 1);
        }
        const qint64 end = clock.lastSwap();
        state.SetIterationTime(double(end - start) / 1e9);
        frameTotal += double(clock.lastFrame()) / 1e3;
        prepareTotal += double(clock.lastPrepare()) / 1e3;
        refreshTotal += double(end - playedAt.load()) / 1e3;
        clock.settle();
    }
    const double n = double(state.iterations());
    state.counters["frame_us"] = n > 0 ? frameTotal / n : 0;
    state.counters["polish_sync_us"] = n > 0 ? prepareTotal / n : 0;
    state.counters["refresh_us"] = n > 0 ? refreshTotal / n : 0;
    state.counters["history"] = played->rowCount();
    state.counters["estimate_running"] = risk->running() ? 1 : 0;
    risk->cancel();
    (void)QTest::qWaitFor([risk] { return !risk->running(); }, 10000);
}
BENCHMARK(BM_KeypadResultToFrame)
    ->Args({100, 0})
    ->Args({100, 1})
    ->Args({1000, 0})
    ->Args({1000, 1})
    ->Iterations(40)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    // The whole frame on the GUI thread, where it is timed.
    qputenv("QSG_RENDER_LOOP", "basic");
    QSettings::setDefaultFormat(QSettings::IniFormat);
    QGuiApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("NoxBaccaratBench"));
    QLoggingCategory::setFilterRules(QStringLiteral("nox.*.debug=false\nqml.debug=false"));
    QTemporaryDir dir;
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir.path());
    QQuickStyle::setStyle(QStringLiteral("CommonStyle"));
    QQuickStyle::setFallbackStyle(QStringLiteral("Basic"));
    QQuickWindow::setTextRenderType(QQuickWindow::QtTextRendering);
    // The program's surface and fonts, so that the frames cost what they cost there.
    QSurfaceFormat format = QSurfaceFormat::defaultFormat();
    format.setSamples(4);
    QSurfaceFormat::setDefaultFormat(format);
    QString failedFont;
    if (!NoxStartup::loadFonts(QStringLiteral(":/qt/qml/NoxRouletteUi/imports/Theme/fonts/open-sans"),
                               &failedFont)) {
        qWarning("Font not loaded: %s", qPrintable(failedFont));
    }
    ::benchmark::Initialize(&argc, argv);
    ::benchmark::RunSpecifiedBenchmarks();
    ::benchmark::Shutdown();
    return 0;
}
