#pragma once

#include "noxriskestimate.h"

#include <QObject>
#include <QTemporaryDir>
#include <QVariantList>
#include <QtQml/qqmlregistration.h>

#include <atomic>
#include <memory>
#include <thread>

namespace Nox {
class NoxEngine;
}

/// What the current progression of a bet kind can cost, for the financial settings and the
/// progression editor: the table of its steps against the table's limit, the largest stake, the
/// loss limit and the capital (computed at once), and, on demand, the estimated chance that a
/// session ends at the loss limit before the gain limit, played on worker threads with the
/// engine's current methods, progressions, chips, capital, limits and guards.
///
/// The estimate never blocks the GUI thread: start() returns at once, `progress` moves while it
/// runs, cancel() ends it, and `finished()` brings the outcome. Amounts are in hundredths.
class UIRiskEstimate : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("UIRiskEstimate is owned by the facade: read UIWrapper.risk")
    /// The bet kind whose progression is shown: "cs", "plein", ...
    Q_PROPERTY(QString kind READ kind WRITE setKind NOTIFY stepsChanged)
    Q_PROPERTY(QString montante READ montante NOTIFY stepsChanged)
    /// The steps: {step, stake, lost, overTable, overMaxStake, overLossLimit, overCapital}.
    Q_PROPERTY(QVariantList steps READ steps NOTIFY stepsChanged)
    /// Where the steps first pass a limit, in words ("" when none does within the table).
    Q_PROPERTY(QStringList stepWarnings READ stepWarnings NOTIFY stepsChanged)
    Q_PROPERTY(bool running READ running NOTIFY runningChanged)
    Q_PROPERTY(double progress READ progress NOTIFY progressChanged)
    Q_PROPERTY(int sessions READ sessions WRITE setSessions NOTIFY sessionsChanged)
    Q_PROPERTY(int coupsPerSession READ coupsPerSession WRITE setCoupsPerSession NOTIFY sessionsChanged)
    /// The last outcome: {sessions, canceled, loss, lossLow, lossHigh, gain, gainLow, gainHigh,
    /// other, unfinished, meanResult, meanCoups, low, q05, median, q95, high, histogram}; empty
    /// before the first.
    Q_PROPERTY(QVariantMap outcome READ outcome NOTIFY outcomeChanged)
    /// Why the last estimate could not run ("" when it could).
    Q_PROPERTY(QString error READ error NOTIFY outcomeChanged)

public:
    static constexpr int kMaxSessions = 100000;
    static constexpr int kMaxCoups = 1000;

    explicit UIRiskEstimate(Nox::NoxEngine *engine, QObject *parent = nullptr);
    ~UIRiskEstimate() override;

    [[nodiscard]] QString kind() const { return m_kind; }
    void setKind(const QString &kind);
    [[nodiscard]] QString montante() const { return m_montante; }
    [[nodiscard]] QVariantList steps() const { return m_steps; }
    [[nodiscard]] QStringList stepWarnings() const { return m_stepWarnings; }
    /// From start() until its outcome is in (not only while the workers play).
    [[nodiscard]] bool running() const { return m_running; }
    [[nodiscard]] double progress() const { return m_progress; }
    [[nodiscard]] int sessions() const { return m_sessions; }
    void setSessions(int sessions);
    [[nodiscard]] int coupsPerSession() const { return m_coups; }
    void setCoupsPerSession(int coups);
    [[nodiscard]] QVariantMap outcome() const { return m_outcome; }
    [[nodiscard]] QString error() const { return m_error; }

    /// Computes the table of steps again from the engine's current settings.
    Q_INVOKABLE void refreshSteps();
    /// Starts an estimate with the engine's current settings (a running one goes on).
    Q_INVOKABLE void start();
    /// Ends a running estimate; its outcome covers the sessions played.
    Q_INVOKABLE void cancel();
    /// The configuration an estimate of the engine's settings plays (tests read it).
    [[nodiscard]] Nox::NoxRiskEstimate::Config configuration(QString *error);

signals:
    void stepsChanged();
    void runningChanged();
    void progressChanged();
    void sessionsChanged();
    void outcomeChanged();
    void finished();

private slots:
    // Invoked by name from the estimate's thread (see start()).
    void onProgress(qint64 done);
    /// Joins the estimate's thread and publishes m_run.
    void onFinished();

private:
    struct Run {
        Nox::NoxRiskEstimate::Outcome outcome;
        QString error;
        bool ok = false;
    };

    Nox::NoxEngine *m_engine = nullptr;
    QString m_kind = QStringLiteral("cs");
    QString m_montante;
    QVariantList m_steps;
    QStringList m_stepWarnings;
    double m_progress = 0;
    bool m_running = false;
    int m_sessions = 10000;
    int m_coups = 80;
    QVariantMap m_outcome;
    QString m_error;
    std::shared_ptr<std::atomic<bool>> m_cancel;
    // The user progressions as they stand, written for the estimate's engines (the settings'
    // own file may lag behind, or not exist without persistence).
    QTemporaryDir m_libraryDir;
    int m_libraryWrites = 0;
    // The thread that waits on the estimate's workers and posts their progress and outcome to
    // this object; joined when the outcome is in, or by the destructor after a cancel.
    std::thread m_thread;
    /// The outcome of the last estimate: written by its thread, read here once it is joined.
    Run m_run;
};
