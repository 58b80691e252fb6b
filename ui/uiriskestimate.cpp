#include "uiriskestimate.h"

#include "core/noxmethod.h"
#include "core/noxmethodstate.h"
#include "engine/noxengine.h"
#include "money/noxmontante.h"
#include "money/noxsteptable.h"

#include <QFile>
#include <QSet>

#include <algorithm>

using Nox::NoxEngine;
using Nox::NoxFinancial;
using Nox::NoxMethodType;
using Nox::NoxRiskEstimate;
using Nox::NoxSimulator;
using Nox::NoxStepTable;

namespace {

constexpr NoxMethodType kKinds[] = {NoxMethodType::plein, NoxMethodType::cs,     NoxMethodType::col,
                                    NoxMethodType::douz,  NoxMethodType::sixain, NoxMethodType::trans};

QString money(qint64 hundredths)
{
    return QString::number(double(hundredths) / 100.0, 'f', 2);
}

// The smaller of two limits, 0 being none.
qint64 tighter(qint64 a, qint64 b)
{
    return a == 0 ? b : b == 0 ? a : std::min(a, b);
}

} // namespace

UIRiskEstimate::UIRiskEstimate(NoxEngine *engine, QObject *parent)
    : QObject(parent)
    , m_engine(engine)
{
    if (m_engine) {
        m_kind = m_engine->isBaccaratMode() ? QStringLiteral("cs") : QStringLiteral("plein");
    }
    refreshSteps();
}

UIRiskEstimate::~UIRiskEstimate()
{
    // The workers stop at their next session. What the thread posts afterwards is dropped with
    // this object's events.
    if (m_cancel) {
        m_cancel->store(true);
    }
    if (m_thread.joinable()) {
        m_thread.join();
    }
}

void UIRiskEstimate::setKind(const QString &kind)
{
    if (kind == m_kind || !NoxSimulator::kindOf(kind)) {
        return;
    }
    m_kind = kind;
    refreshSteps();
    emit stepsChanged();
}

void UIRiskEstimate::setSessions(int sessions)
{
    sessions = std::clamp(sessions, 100, kMaxSessions);
    if (sessions != m_sessions) {
        m_sessions = sessions;
        emit sessionsChanged();
    }
}

void UIRiskEstimate::setCoupsPerSession(int coups)
{
    coups = std::clamp(coups, 1, kMaxCoups);
    if (coups != m_coups) {
        m_coups = coups;
        emit sessionsChanged();
    }
}

void UIRiskEstimate::refreshSteps()
{
    const QVariantList steps = m_steps;
    const QStringList warnings = m_stepWarnings;
    const QString montanteName = m_montante;
    m_steps.clear();
    m_stepWarnings.clear();
    m_montante.clear();
    const std::optional<NoxMethodType> kind = NoxSimulator::kindOf(m_kind);
    std::unique_ptr<Nox::NoxMontante> montante =
        m_engine && kind ? m_engine->currentMontanteCopy(*kind) : nullptr;
    if (montante) {
        m_montante = montante->name();
        const NoxFinancial f = m_engine->financial();
        const Nox::NoxGuards &g = f.guards;
        NoxStepTable::Limits limits;
        if (m_engine->isBaccaratMode()) {
            limits.tableLimit = *kind == NoxMethodType::cs ? tighter(g.tableLimitPlayer, g.tableLimitBanker)
                                                           : g.tableLimitTie;
        }
        limits.maxStake = g.maxStake;
        limits.lossLimit = std::abs(qint64(f.stopLoss));
        limits.capital = std::max<qint64>(f.capital, 0);
        const NoxStepTable table = NoxStepTable::compute(*montante, 1, f.config(*kind).jeton, limits);
        for (int i = 0; i < table.steps().size(); ++i) {
            const NoxStepTable::Step &step = table.steps().at(i);
            m_steps.append(QVariantMap{
                {QStringLiteral("step"), i + 1},
                {QStringLiteral("stake"), double(step.stake)},
                {QStringLiteral("lost"), double(step.lost)},
                {QStringLiteral("overTable"),
                 table.firstOverTableLimit() >= 0 && i >= table.firstOverTableLimit()},
                {QStringLiteral("overMaxStake"),
                 table.firstOverMaxStake() >= 0 && i >= table.firstOverMaxStake()},
                {QStringLiteral("overLossLimit"),
                 table.firstOverLossLimit() >= 0 && i >= table.firstOverLossLimit()},
                {QStringLiteral("overCapital"),
                 table.firstOverCapital() >= 0 && i >= table.firstOverCapital()},
            });
        }
        const auto stakeOf = [&table](int i) {
            return money(table.steps().at(i).stake);
        };
        if (const int i = table.firstOverTableLimit(); i >= 0) {
            m_stepWarnings << tr("Palier %1 : mise de %2, au-dessus de la limite de la table (%3)")
                                  .arg(i + 1)
                                  .arg(stakeOf(i), money(limits.tableLimit));
        }
        if (const int i = table.firstOverMaxStake(); i >= 0) {
            m_stepWarnings << tr("Palier %1 : mise de %2, au-dessus de la mise maximale (%3)")
                                  .arg(i + 1)
                                  .arg(stakeOf(i), money(limits.maxStake));
        }
        if (const int i = table.firstOverLossLimit(); i >= 0) {
            const QString lost = money(table.steps().at(i).lost);
            m_stepWarnings
                << (i == 0 ? tr("Dès la première perte : %1 perdus, au-delà de la limite de perte (%2)")
                                 .arg(lost, money(limits.lossLimit))
                           : tr("Après %1 pertes de suite : %2 perdus, au-delà de la limite de perte (%3)")
                                 .arg(i + 1)
                                 .arg(lost, money(limits.lossLimit)));
        }
        if (const int i = table.firstOverCapital(); i >= 0) {
            const qint64 left = limits.capital - (table.steps().at(i).lost - table.steps().at(i).stake);
            m_stepWarnings << tr("Palier %1 : mise de %2, plus que le reste du capital (%3 sur %4)")
                                  .arg(i + 1)
                                  .arg(stakeOf(i), money(left), money(limits.capital));
        }
    }
    if (steps != m_steps || warnings != m_stepWarnings || montanteName != m_montante) {
        emit stepsChanged();
    }
}

NoxRiskEstimate::Config UIRiskEstimate::configuration(QString *error)
{
    NoxRiskEstimate::Config config;
    if (!m_engine) {
        *error = tr("Aucun moteur");
        return config;
    }
    Nox::NoxSimulator::Config &sim = config.simulation;
    sim.baccarat = m_engine->isBaccaratMode();
    bool userMethods = false;
    // The bet kinds the active methods stake with; an automatic method stakes with its choice's.
    QSet<NoxMethodType> kinds;
    bool everyKind = false;
    for (const Nox::NoxMethodState *s : m_engine->methodStates()) {
        if (!s->isActive()) {
            continue;
        }
        if (s->method()->subtype() == Nox::NoxMethodSubType::purpleperso4) {
            userMethods = true;
        } else {
            sim.methods << s->method()->name();
            const NoxMethodType type = s->method()->type();
            everyKind =
                everyKind || std::find(std::begin(kKinds), std::end(kKinds), type) == std::end(kKinds);
            kinds.insert(type);
        }
    }
    if (sim.methods.isEmpty()) {
        *error =
            userMethods
                ? tr("Les méthodes perso ne sont pas estimées : activez une méthode du catalogue.")
                : tr("Aucune méthode active : activez les méthodes qui misent pour estimer leur risque.");
        return config;
    }
    const NoxFinancial f = m_engine->financial();
    for (NoxMethodType kind : kKinds) {
        if (!everyKind && !kinds.contains(kind)) {
            continue;
        }
        const QString name = m_engine->currentMontanteName(kind);
        if (!name.isEmpty()) {
            sim.montantes.insert(NoxSimulator::kindKey(kind), name);
        }
        sim.chips.insert(NoxSimulator::kindKey(kind), std::max(f.config(kind).jeton, 1));
    }
    sim.capital = int(std::clamp<qint64>(f.capital, 0, NoxEngine::kMaxMoney));
    sim.stopLoss = f.stopLoss;
    sim.takeProfit = f.takeProfit;
    sim.guards = f.guards;
    // Each estimate gets its own file: a run still reading the last one is not disturbed.
    const QString library = m_libraryDir.filePath(QStringLiteral("montantes-%1.dat").arg(++m_libraryWrites));
    QString why;
    if (m_libraryDir.isValid() && m_engine->saveMontanteLibrary(QUrl::fromLocalFile(library), &why)) {
        sim.library = library;
    } else if (!m_engine->userMontanteIds().isEmpty()) {
        *error = tr("Les montantes perso ne peuvent être préparées pour l'estimation : %1").arg(why);
        return config;
    }
    config.sessions = m_sessions;
    config.coupsPerSession = m_coups;
    config.seed = 1;
    config.background = true;
    error->clear();
    return config;
}

void UIRiskEstimate::start()
{
    if (running()) {
        return;
    }
    QString why;
    const NoxRiskEstimate::Config config = configuration(&why);
    if (!why.isEmpty()) {
        m_error = why;
        m_outcome.clear();
        emit outcomeChanged();
        return;
    }
    m_cancel = std::make_shared<std::atomic<bool>>(false);
    m_running = true;
    m_progress = 0;
    emit progressChanged();
    const auto cancel = m_cancel;
    if (m_thread.joinable()) {
        m_thread.join(); // the last estimate's thread has posted its outcome already
    }
    // The thread posts its calls by name with copied arguments, which Qt makes and frees
    // itself, rather than as functors: a functor would be made here and read and freed on this
    // object's thread, handed over by Qt's event queue, whose locks the thread sanitizer does
    // not see. The outcome waits in m_run, which this thread reads only after joining the
    // estimate's.
    m_thread = std::thread([this, config, cancel] {
        m_run = Run();
        m_run.ok = NoxRiskEstimate::run(
            config, &m_run.outcome, &m_run.error, cancel.get(), [this](qint64 done, qint64) {
                QMetaObject::invokeMethod(this, "onProgress", Qt::QueuedConnection, Q_ARG(qint64, done));
            });
        QMetaObject::invokeMethod(this, "onFinished", Qt::QueuedConnection);
    });
    emit runningChanged();
}

void UIRiskEstimate::cancel()
{
    if (m_cancel) {
        m_cancel->store(true);
    }
}

void UIRiskEstimate::onProgress(qint64 done)
{
    const double progress = m_running && m_sessions > 0 ? double(done) / m_sessions : m_progress;
    if (progress != m_progress) {
        m_progress = progress;
        emit progressChanged();
    }
}

void UIRiskEstimate::onFinished()
{
    if (m_thread.joinable()) {
        m_thread.join();
    }
    const Run &run = m_run;
    {
        m_error = run.ok ? QString() : run.error;
        m_outcome.clear();
        if (run.ok) {
            const NoxRiskEstimate::Outcome &o = run.outcome;
            QVariantList histogram;
            for (qint64 n : o.histogram(12)) {
                histogram.append(double(n));
            }
            m_outcome = QVariantMap{
                {QStringLiteral("sessions"), double(o.sessions)},
                {QStringLiteral("canceled"), o.canceled},
                {QStringLiteral("loss"), o.lossLimit.value},
                {QStringLiteral("lossLow"), o.lossLimit.low},
                {QStringLiteral("lossHigh"), o.lossLimit.high},
                {QStringLiteral("gain"), o.gainLimit.value},
                {QStringLiteral("gainLow"), o.gainLimit.low},
                {QStringLiteral("gainHigh"), o.gainLimit.high},
                {QStringLiteral("other"), o.otherStop.value},
                {QStringLiteral("unfinished"), o.unfinished.value},
                {QStringLiteral("meanResult"), o.meanResult},
                {QStringLiteral("meanCoups"), o.meanCoups},
                {QStringLiteral("low"), double(o.quantile(0))},
                {QStringLiteral("q05"), double(o.quantile(0.05))},
                {QStringLiteral("median"), double(o.quantile(0.5))},
                {QStringLiteral("q95"), double(o.quantile(0.95))},
                {QStringLiteral("high"), double(o.quantile(1))},
                {QStringLiteral("histogram"), histogram},
            };
        }
    }
    m_cancel.reset();
    m_running = false;
    m_progress = 1;
    emit progressChanged();
    emit runningChanged();
    emit outcomeChanged();
    emit finished();
}
