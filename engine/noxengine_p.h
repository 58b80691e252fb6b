#pragma once

#include "calibration/noxcalibration.h"
#include "core/noxclock.h"
#include "core/noxnotification.h"
#include "core/noxsettingsstore.h"
#include "core/noxstepmetrics.h"
#include "engine/noxbetsheet.h"
#include "engine/noxdeferredwriter.h"
#include "engine/noxengineconfig.h"
#include "engine/noxenginesettings.h"
#include "engine/noxmontanteregistry.h"
#include "engine/noxsessionjournal.h"
#include "engine/noxtaskrunner.h"
#include "money/noxfinancial.h"
#include "money/noxfinancialstats.h"
#include "money/noxguardstop.h"
#include "money/noxguardtracker.h"
#include "roads/noxroads.h"

#include <QFuture>
#include <QJsonObject>
#include <QList>
#include <QMap>
#include <QMutex>
#include <QUrl>

#include <memory>
#include <mutex>
#include <optional>

namespace Nox {

class NoxMethodState;

/// The engine's data and its parts: the task runner, the progression registry and the bet
/// sheet drawn from them. Everything but the runner, the writer and the calibration (each
/// with its own lock) is guarded by `mutex`, the engine lock.
///
/// Lock order: the task mutex (NoxTaskRunner, held by a running task), then `mutex`, then a
/// method's mutex. The leaves take nothing under them: the runner's pool and batch mutexes,
/// and a method state's publish lock (the bet sheet reads the published proposals under it,
/// with the engine lock held and no method's mutex); `writerMutex` takes only the writer's
/// own lock under it.
///
/// Every change that the session journal records is journaled in the critical section of
/// `mutex` that makes it, so no coup is settled between a change and its journal line.
struct NoxEnginePrivate {
    /// The files the writer keeps up to date.
    enum Store : unsigned { SettingsStore = 1, UserMethodsStore = 2, LibraryStore = 4, AllStores = 7 };
    /// At most one write of each file per interval: a burst of changes is written once.
    static constexpr std::chrono::milliseconds kWriteInterval{1000};

    /// The serial queue of operations and the method pool (its own locks).
    NoxTaskRunner tasks;
    NoxEngineConfig config;
    NoxFinancial financial;
    NoxFinancialStats stats;
    QList<int> played;
    /// The scoreboard of the baccarat edition, kept with `played`: the same results and where
    /// each shoe starts (empty in the roulette edition).
    NoxRoads roads;
    QList<NoxMethodState *> states;
    /// Changes with every change of `states` (or of its methods' indexes).
    quint64 statesRevision = 1;
    QMap<int, NoxMethodState *> statesById;
    /// The automatic methods' view of the step, kept from step to step with the revision of
    /// the list it read its entries from; used by the running task only.
    NoxStepMetrics stepMetrics;
    quint64 stepMetricsRevision = 0;
    /// Every progression by kind, the current ones and the library file.
    NoxMontanteRegistry montantes;
    /// Progressions the settings name that are not registered yet (a user progression before
    /// its library is read, or while the library cannot be read): the settings keep naming
    /// them, and they are selected when they come, until the player chooses another.
    NoxEngineSettings::MontanteNames wantedMontantes;
    /// The progression library of the settings directory was read (or another was loaded in
    /// its place): until then it is never written over with what the registry lacks.
    bool libraryRead = false;
    QList<NoxNotification> notifications;
    /// What the session guards count, one record per coup of `played`.
    NoxGuardTracker guards;
    /// The guard that suspended the betting, until the player resumes.
    std::optional<NoxGuardStop> guardStop;
    /// The clock of the session time (not owned).
    const NoxClock *clock = &NoxClock::system();
    mutable QMutex mutex;
    NoxMethodState *favoritesState = nullptr;
    NoxMethodState *autoState = nullptr;
    bool baccaratMode = true;
    bool suspended = false;
    /// NoxEngine::setSingleThreaded(): no method lock, every step serial.
    bool singleThreaded = false;
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
    /// The session the archive records (NoxEngine::sessionId()); the journal keeps it.
    QString sessionId;
    /// The bets of the newest settled coup (NoxEngine::settledBets()).
    NoxBetList settledBets;
    /// What the last coup record carried, shared by the next ones while it does not change.
    QStringList recordMethods;
    QStringList recordMontantes;
    /// Set while a restore plays its session: the results it refuses are collected, not told.
    bool replaying = false;
    /// Declared after the store: destroyed before it.
    std::unique_ptr<NoxCalibration> calibration = std::make_unique<NoxCalibration>();
    QString profileName;

    // --- The bet sheet (mutex held) ----------------------------------------------------------
    /// The sheet's input: the active methods' published proposals, the options, the chips and
    /// the current progressions.
    void fillBetSheet(NoxBetSheet::Input &input) const;
    /// The bets of the next coup (restartProgressions: the progressions of the kinds in play
    /// start over).
    [[nodiscard]] NoxBetList proposeBets(bool restartProgressions = false);
    /// The bets of the result `value` and their money, with the progressions moved.
    [[nodiscard]] NoxBetSheet::Settlement settleBets(int value, bool restartProgressions = false);
};

/// A change of a setting as the journal records it: {"op": op, "v": value}.
[[nodiscard]] QJsonObject journalChange(const char *op, const QJsonValue &value);

/// The file of a URL the user picked; a plain path passes through.
inline QString localPathOf(const QUrl &url)
{
    return url.isLocalFile() ? url.toLocalFile() : url.toString();
}

} // namespace Nox
