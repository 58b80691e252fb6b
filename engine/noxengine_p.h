#pragma once

#include "calibration/noxcalibration.h"
#include "core/noxnotification.h"
#include "core/noxsettingsstore.h"
#include "engine/noxdeferredwriter.h"
#include "engine/noxengineconfig.h"
#include "engine/noxenginesettings.h"
#include "engine/noxpoolrunnable.h"
#include "engine/noxsessionjournal.h"
#include "money/noxfinancial.h"
#include "money/noxfinancialstats.h"

#include <QFuture>
#include <QJsonObject>
#include <QList>
#include <QMap>
#include <QMutex>
#include <QPromise>
#include <QThreadPool>
#include <QUrl>

#include <atomic>
#include <condition_variable>
#include <memory>
#include <mutex>
#include <optional>

namespace Nox {

class NoxMethodState;
class NoxMontante;

/// The engine's data. Everything but the pools, the batches and the flags is guarded by
/// `mutex`.
///
/// Lock order: `taskMutex` (held by a running task), then `mutex` (the engine lock), then a
/// method's mutex. `poolMutex` and `batchMutex` are leaves: nothing else is taken under them.
struct NoxEnginePrivate {
    /// The files the writer keeps up to date.
    enum Store : unsigned { SettingsStore = 1, UserMethodsStore = 2, LibraryStore = 4, AllStores = 7 };
    /// At most one write of each file per interval: a burst of changes is written once.
    static constexpr std::chrono::milliseconds kWriteInterval{1000};

    NoxEngineConfig config;
    NoxFinancial financial;
    NoxFinancialStats stats;
    QList<int> played;
    QList<NoxMethodState *> states;
    QMap<int, NoxMethodState *> statesById;
    QMap<NoxMethodType, QList<NoxMontante *>> montantes;
    QMap<NoxMethodType, NoxMontante *> currentMontantes;
    QList<NoxNotification> notifications;
    mutable QMutex mutex;
    /// Held by every task while it runs, queued or inline: tasks never overlap, even while
    /// the queue drains after async was switched off. Recursive: a task may run another
    /// operation inline.
    std::recursive_mutex taskMutex;
    /// Guards the two pool pointers: tasks read them while setAsync() detaches them.
    mutable std::mutex poolMutex;
    QThreadPool *methodPool = nullptr;
    QThreadPool *taskPool = nullptr;
    /// Mean time one state took in a step (ns, smoothed): a step whose estimated work is below
    /// `parallelThresholdNs` runs on the task thread alone, where waking the helpers would
    /// cost more than they save.
    std::atomic<qint64> stepNsPerState{0};
    std::atomic<qint64> parallelThresholdNs{kDefaultParallelThresholdNs};
    static constexpr qint64 kDefaultParallelThresholdNs = 250000;
    /// Set by the destructor: no task is queued any more and the batches stop.
    std::atomic<bool> stopping{false};
    /// The batches of playValues() still running on the global pool.
    std::mutex batchMutex;
    std::condition_variable batchDone;
    QList<std::shared_ptr<QPromise<void>>> batches;
    NoxMethodState *favoritesState = nullptr;
    NoxMethodState *autoState = nullptr;
    std::atomic<bool> async{false};
    bool baccaratMode = true;
    bool suspended = false;
    int nextMontanteId = 0;
    std::unique_ptr<NoxSettingsStore> settings;
    /// Open while persistence is on: every change of the history is appended to it.
    std::unique_ptr<NoxSessionJournal> journal;
    /// What an earlier session left in a journal that was not closed, until the player
    /// restores or discards it.
    std::optional<NoxInterruptedSession> interrupted;
    /// What the start-up found wrong with that journal, for the player.
    QString journalProblem;
    /// Writes the settings store, the user methods and the progression library soon after
    /// they change, off the caller's thread. Guarded by `writerMutex` (a leaf); created while
    /// persistence is on.
    std::unique_ptr<NoxDeferredWriter> writer;
    std::mutex writerMutex;
    /// Set while a restore plays its session: the results it refuses are collected, not told.
    bool replaying = false;
    /// Declared after the store: destroyed before it.
    std::unique_ptr<NoxCalibration> calibration = std::make_unique<NoxCalibration>();
    QString profileName;

    /// The name of each kind's current progression (mutex held).
    [[nodiscard]] NoxEngineSettings::MontanteNames currentMontanteNames() const;
};

/// A change of a setting as the journal records it: {"op": op, "v": value}.
[[nodiscard]] QJsonObject journalChange(const char *op, const QJsonValue &value);

/// Waits for an engine future whose failure the task that failed has already logged: an
/// exception stays with the operation that threw it and never reaches the caller's thread.
inline void waitQuietly(QFuture<void> future)
{
    try {
        future.waitForFinished();
    } catch (...) {
    }
    noxTaskDoneAcquire();
}

/// The file of a URL the user picked; a plain path passes through.
inline QString localPathOf(const QUrl &url)
{
    return url.isLocalFile() ? url.toLocalFile() : url.toString();
}

} // namespace Nox
