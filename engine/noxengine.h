#pragma once

#include "core/noxbet.h"
#include "core/noxmethodparameter.h"
#include "core/noxnotification.h"
#include "engine/noxengineconfig.h"
#include "engine/noxsessionjournal.h"
#include "engine/noxsessionrecord.h"
#include "methods/noxstatesink.h"
#include "money/noxfinancial.h"
#include "money/noxfinancialstats.h"
#include "money/noxguardstop.h"

#include <QFuture>
#include <QObject>
#include <QUrl>

#include <functional>
#include <memory>
#include <optional>

class QJsonObject;

namespace Nox {

class ICalibration;
class NoxClock;
class NoxRoads;
class NoxMethodState;
struct NoxJournalEntry;
class NoxMontante;
struct NoxEnginePrivate;
struct NoxNumberListReading;

/// Owns the coup history and every method state and turns each result into updated
/// statistics, bankroll and bets of the next coup.
///
/// Thread rules: public operations may be called from the GUI thread. With async on, every
/// operation is one task on a single-thread task pool (the only serialisation of plays) and
/// the per-method work of a step runs on a method pool of up to four threads; signals are
/// emitted from the task thread. restart() blocks its caller and must not be called from a
/// task. With async off every operation runs inline (serialised by a task mutex).
///
/// A method that throws does not end the process: the step goes on with the other methods,
/// the task finishes (signals included), the exception is logged and stored in the task's
/// future, and the next tasks run as usual. Destruction discards the queued tasks, waits for
/// the running one and for the batches, then writes the settings.
class NoxEngine : public QObject, public NoxStateSink
{
    Q_OBJECT

public:
    static constexpr int kMaxPlayed = 10000;
    static constexpr qint64 kMaxMoney = 100000000;

    explicit NoxEngine(bool baccaratMode = true, QObject *parent = nullptr);
    ~NoxEngine() override;

    /// The first engine constructed.
    [[nodiscard]] static NoxEngine *instance();

    [[nodiscard]] bool isBaccaratMode() const;
    /// Switches the edition: the baccarat flag, and the calibration's item list with every
    /// calibration value back to its default. The caller reloads the methods afterwards.
    void setBaccaratMode(bool baccaratMode);
    /// The table calibration, owned by the engine; attached to the settings store while
    /// persistence is on (read when it opens, written when it closes).
    [[nodiscard]] ICalibration *calibration() const;
    /// On: creates the two pools. Off: detaches them (operations run inline from then on,
    /// still one at a time), waits until both are idle and deletes them. Safe at any moment,
    /// from any thread but a task's.
    void setAsync(bool on);
    [[nodiscard]] bool isAsync() const;
    /// A step whose estimated work (the measured time per state times the number of states)
    /// is below `ns` runs on the task thread alone; 0 fans every step out to the method pool
    /// (tests), a negative value restores the default (250 µs). Results never depend on it.
    void setParallelStepThreshold(qint64 ns);
    /// For an engine that one thread alone plays and reads, a backtest: every step runs on
    /// that thread and no method lock is taken. Set it before the first play, while no other
    /// thread uses the engine; it holds for the methods added later too.
    void setSingleThreaded(bool on);

    /// Plays one result. A value that is not a result of the game gives a failed future
    /// (std::invalid_argument) and nothing else; a result refused at the limits (kMaxPlayed
    /// values, or kMaxMoney) gives a future failed with NoxPlayRefused and a notification
    /// "Limite atteinte : ..." (once until the limit is gone).
    QFuture<void> playValueInternal(int value, bool notify = true);
    /// playValueInternal() before returning, without a future (a backtest plays a coup this
    /// way): true when the coup was played.
    bool playNow(int value, bool notify = true);
    /// Why the next result would be refused ("Limite atteinte : ..." and what to do), or ""
    /// when it would be taken.
    [[nodiscard]] QString playRefusal() const;
    /// Plays a batch from the global pool, one queued coup at a time, with progress and
    /// cancel; the signals are emitted once at the end. With async off the batch is played
    /// before this returns and the future carries the same progress. Destroying the engine
    /// stops a running batch and waits for it.
    QFuture<void> playValues(const QList<int> &values);
    QFuture<void> cancelPlay();
    void restart(bool resetMoney, bool clearHistory);
    /// Keeps the last toKeep values; a negative toKeep means the configured truncateCount,
    /// and a count that is still negative keeps everything.
    QFuture<void> truncatePlayedItems(int toKeep);

    // --- Shoes and the scoreboard (baccarat edition) -----------------------------------------
    /// Starts a new shoe after the last result, as one task ordered with the plays; nothing
    /// happens when the current shoe has no result yet, or in the roulette edition. The shoe
    /// boundaries are kept with the history: an undo goes back across one (undoing the first
    /// coup of a shoe leaves that shoe empty, the next undo goes into the previous shoe), a
    /// truncation keeps those of what is left, clearing the history removes them, and the
    /// session journal records them. The methods do not see them.
    QFuture<void> startNewShoe();
    /// Where each shoe after the first starts: increasing positions in 1 to
    /// playedValues().size().
    [[nodiscard]] QList<qsizetype> shoeStarts() const;
    /// A copy of the current scoreboard (the roads of the last shoe), for a view.
    [[nodiscard]] NoxRoads roads() const;

    /// (Re)loads the method catalogue of the engine's game; user methods are kept.
    void loadMethods();
    /// Drops every method but those named and the candidates an automatic method among them
    /// ranks, so that a backtest of a few methods costs what they cost. The methods kept play
    /// exactly as in the whole catalogue. Returns the names that match no method (nothing is
    /// dropped then).
    QStringList retainMethods(const QStringList &names);
    /// Hands a state over: assigns the next catalogue index and the engine's defaults.
    void addMethodState(NoxMethodState *state) override;
    [[nodiscard]] QList<NoxMethodState *> methodStates() const override;
    [[nodiscard]] NoxMethodState *methodState(int methodId) const;
    void setMethodActive(int methodId, bool active);
    /// setMethodActive() for several methods, with one update of the bets.
    void setMethodsActive(const QList<int> &methodIds, bool active);

    void addNotification(const NoxNotification &notification, bool onlyOnce);
    [[nodiscard]] QList<NoxNotification> notifications() const;
    [[nodiscard]] QList<int> playedValues() const;

    /// Suspends or resumes the betting. Resuming also ends a stop of a session guard (a rule
    /// that still holds stops again at the next settled coup).
    void setSuspended(bool suspended);
    [[nodiscard]] bool isSuspended() const;
    /// Why a session guard suspended the betting (for example "Arrêt : 6 pertes de suite
    /// (limite 6)"), until the player resumes or starts a new bankroll; "" when none did. The
    /// guards (NoxFinancial::guards) are checked after every settled coup while the betting is
    /// not suspended; a stop suspends it and adds a notification naming the rule.
    [[nodiscard]] QString guardStop() const;
    /// The rule behind guardStop(), for a backtest that counts the sessions each rule ended.
    [[nodiscard]] std::optional<NoxGuardStop> guardStopRule() const;
    /// The clock the session time is read from (the system's by default; not owned, must
    /// outlive the engine). The session restarts at the clock's time.
    void setClock(const NoxClock *clock);
    /// Marks the notification at `index` of notifications() read or unread.
    void setNotificationRead(int index, bool read);
    [[nodiscard]] NoxBetList computeBets(int value, bool resetProgressions);
    [[nodiscard]] NoxBetList itemsToPlay() const;
    /// The bets the newest coup was settled with (what was on the table for it), empty before
    /// the first coup and after a restart. A backtest reads them instead of drawing the sheet again.
    [[nodiscard]] NoxBetList settledBets() const;

    [[nodiscard]] NoxEngineConfig config() const;
    void setConfig(const NoxEngineConfig &config);
    [[nodiscard]] NoxFinancial financial() const;
    void setFinancialConfig(const NoxFinancial &financial);
    [[nodiscard]] NoxFinancialStats financialStats() const;

    // --- Progressions ----------------------------------------------------------------------------
    /// Registers a progression under a bet kind (the first of a kind becomes its current one).
    /// A user progression also gets a copy under each of cs, col, douz, sixain and trans.
    void addMontante(NoxMethodType type, NoxMontante *montante);
    /// The built-in progressions of the edition, in their fixed order.
    void registerBuiltinMontantes();
    /// Makes the first progression of the kind named `name` its current one; an empty name or
    /// no match changes nothing. The caller recomputes the next stake.
    bool selectMontante(NoxMethodType type, const QString &name);
    /// Makes the kind's progression with that identifier current and recomputes the stake.
    bool selectMontanteById(NoxMethodType type, int montanteId);
    /// The name of the kind's current progression, empty for none.
    [[nodiscard]] QString currentMontanteName(NoxMethodType type) const;
    /// A copy of the kind's current progression started over, for a table of its steps; null
    /// for a kind without one.
    [[nodiscard]] std::unique_ptr<NoxMontante> currentMontanteCopy(NoxMethodType type) const;
    /// Identifier and name of the kind's progressions, in registration order.
    [[nodiscard]] QList<QPair<int, QString>> montanteList(NoxMethodType type) const;
    /// Identifiers of the user progressions (type plein), in registration order.
    [[nodiscard]] QList<int> userMontanteIds() const;
    /// Parameters or details of the plein progression with that identifier (empty: none).
    [[nodiscard]] NoxMethodParameterList montanteParameters(int montanteId) const;
    [[nodiscard]] NoxMethodParameterList montanteDetails(int montanteId) const;
    /// Details of the current plein progression (empty: none).
    [[nodiscard]] NoxMethodParameterList currentMontanteDetails() const;
    /// Creates (id < 0) or edits a user progression; returns its identifier.
    int upsertUserMontante(int montanteId, const NoxMethodParameterList &parameters);
    /// Removes a user progression of type plein; built-ins cannot be removed.
    bool removeUserMontante(int montanteId);
    /// Restarts the current progression of every kind in play.
    void resetMontante();
    void resetFinancialStats();
    /// Reads a progression library (empty url: "montantes.dat" of the settings directory, or
    /// the built-in library when there is none). A damaged user file is kept aside as
    /// "montantes.dat.damaged" and the built-in library is read instead. False, with `error`
    /// saying why, when the requested file could not be used; nothing of it is registered.
    bool loadMontanteLibrary(const QUrl &url = {}, bool clearFirst = true, QString *error = nullptr);
    /// Writes the user progressions (empty url: the settings directory's "montantes.dat").
    bool saveMontanteLibrary(const QUrl &url = {}, QString *error = nullptr);
    [[nodiscard]] QString montanteLibraryPath() const;

    // --- Per-method options -------------------------------------------------------------------
    /// Hands the parameters to the method and recomputes it (and the automatic methods) as one
    /// task, ordered with the plays.
    QFuture<void> setMethodParameters(int methodId, const NoxMethodParameterList &parameters);
    /// Hands the list's sort type to every automatic method, which then chooses anew, as one
    /// task ordered with the plays. Nothing happens without an automatic method.
    QFuture<void> setAutoSortType(int sortType);
    /// Sets a play-mode bit (NoxMethodState::PlayMode). The split view holds at most two
    /// methods: setting its bit clears it on every other method but the first that had it.
    void setMethodPlayMode(int methodId, int bit, bool on);
    void setMethodUseNotif(int methodId, bool on);
    void setMethodEcartNotif(int methodId, int threshold);
    void setMethodUseCustomBlock(int methodId, bool on);
    void setMethodCustomBlockMin(int methodId, int gap);
    void setMethodCustomBlockMax(int methodId, int gap);
    void setMethodNbBlockDom(int methodId, int count);
    /// Zero also wins the method's proposal. Emits methodStateChanged(index) on a change.
    void setMethodZeroOption(int methodId, bool on);
    /// Added to the profile's tendency threshold; a non-finite offset is ignored. Emits
    /// methodStateChanged(index) on a change.
    void setMethodTendencyOffset(int methodId, double offset);

    // --- User methods ---------------------------------------------------------------------------
    /// The text of the resource ":/data/<name>"; throws std::runtime_error
    /// "Error: missing resource <name>" when there is none.
    [[nodiscard]] static QString readResource(const QString &name);
    /// "methodes_par_defaut.txt" of the settings directory (the working directory without a
    /// store).
    [[nodiscard]] QString userMethodsPath() const;
    /// Reads user methods (empty url: userMethodsPath()). clear: remove every user method first;
    /// replace: a line replaces the user methods of its name (an empty name: all of them).
    /// Only lines that are a name and numbers of this engine's game are taken (baccarat: the
    /// three results' items; roulette: its bet items); `reading`, when given, receives the
    /// lines taken and refused. Returns the number of methods added, -1 when the file cannot
    /// be opened.
    int loadUserMethods(const QUrl &url = {}, bool clear = false, bool replace = false,
                        NoxNumberListReading *reading = nullptr);
    /// Writes the user methods, newest first, atomically.
    bool saveUserMethods(const QUrl &url = {}, QString *error = nullptr);
    void removeUserMethod(int methodId);
    void removeAllUserMethods();
    /// Renames and refills a user method, or creates one when no method has that identifier.
    /// Returns the method's identifier, -1 when nothing was done.
    int upsertUserMethod(int methodId, const QString &name, const QList<int> &numbers);

    // --- Persistence --------------------------------------------------------------------------
    /// On: opens the settings store of `organisation` (empty: "NoxBaccarat", or "NoxRoulette"
    /// outside the baccarat edition), application "engine", and reads everything. Off: writes
    /// everything and closes the store. Returns whether a store is open afterwards.
    bool setPersistence(bool on, const QString &organisation = {});
    [[nodiscard]] bool hasPersistence() const;

    // --- Session journal ----------------------------------------------------------------------
    /// With persistence on, every play, undo, truncation and restart is appended to
    /// "session.journal" beside the settings and flushed at once; an orderly shutdown (or
    /// switching persistence off) closes it. A journal found unclosed when persistence is
    /// switched on is kept aside as "session.journal.interrupted" until the player restores
    /// or discards it, so that an unanswered offer survives another restart.
    [[nodiscard]] QString journalPath() const;
    /// The results of the last session that ended without an orderly shutdown, with the time
    /// of its last change; nullopt when there is none.
    [[nodiscard]] std::optional<NoxInterruptedSession> interruptedSession() const;
    /// Plays the interrupted session again, as one task: the state it started from, then every
    /// result and every change of a setting in the order they happened, so that the money, the
    /// progressions, the statistics, the notifications and the next stakes come back as they
    /// were. The replay is written to a journal of its own that replaces the session's journal
    /// only once it is complete: a crash or a shutdown during the restore offers the same
    /// session again. A restore that cannot be exact, or that stops at a limit, says so in a
    /// notification (the results it could not play are kept in "session.unplayed.txt").
    QFuture<void> restoreInterruptedSession();
    /// What the start-up found wrong with the journal of the last session (a journal of the
    /// other edition, kept aside), for the player; empty when nothing.
    [[nodiscard]] QString journalProblem() const;
    /// Forgets the interrupted session and deletes its file.
    void discardInterruptedSession();
    /// The session being played, as the archive knows it (NoxSessionRecord::sessionId): a new
    /// one at every money restart, kept by the session journal so that a restore continues it.
    [[nodiscard]] QString sessionId() const;
    [[nodiscard]] QString settingsFileName() const;
    /// The directory of the settings file (the companion files live there), or the current
    /// directory without a store.
    [[nodiscard]] QString settingsDirectory() const;
    void loadSettings();
    void saveSettings();
    void loadMethodSettings(NoxMethodState *state);
    /// Writes the visibility of every method. On failure nothing changes and `error` says why.
    bool saveProfile(const QUrl &url, QString *error = nullptr);
    /// Shows exactly the methods the profile lists as shown. On failure (unreadable, truncated
    /// or malformed file) visibility and profile name are unchanged and `error` says why.
    bool loadProfile(const QUrl &url, QString *error = nullptr);
    [[nodiscard]] QString profileName() const;

signals:
    void playedValuesChanged();
    void itemsToPlayChanged();
    void methodStatesChanged();
    void methodStateChanged(int idx);
    void notificationsChanged();
    /// The scoreboard changed: a result played, undone or cut, a new shoe, the history cleared
    /// or restored. Emitted from the task thread (once at the end of a batch).
    void roadsChanged();
    /// A session started, a coup was settled or undone, a restore gave a session back: a plain
    /// record for the archive. Emitted from the task thread (the caller's with async off),
    /// outside the engine lock, in the order of the events; never while a restore replays its
    /// session (the archive has those coups already); nothing is built while nothing is
    /// connected.
    void sessionRecorded(const Nox::NoxSessionRecord &record);

private:
    /// One coup, on the task thread (the body of playValueInternal()); false when it was
    /// refused at the limits.
    bool playCoup(int value, bool notify);
    /// playCoup(), a refusal thrown as NoxPlayRefused (the task's failure).
    void playCoupOrThrow(int value, bool notify);
    /// The reason and the remedy when the next result would be refused (engine lock held).
    [[nodiscard]] QPair<QString, QString> refusalLocked() const;
    /// Plays `value` into every state; `statesRevision`: the engine's revision of `states`.
    void processStep(const QList<int> &values, const QList<NoxMethodState *> &states, int value, int index,
                     quint64 statesRevision);
    /// Settles the bets on the table against `value`: the progressions, the capital with its
    /// limits and the statistics (engine lock held).
    /// Returns the bets that were on the table.
    NoxBetList settleCoup(int value);
    /// Whether a session record is wanted now: a receiver, and no restore replaying (lock held).
    [[nodiscard]] bool recordingLocked() const;
    /// A record of `kind` of the current session, time and edition filled in (lock held).
    [[nodiscard]] NoxSessionRecord sessionRecordLocked(NoxSessionRecord::Kind kind) const;
    /// The active methods and the current progressions of their kinds (lock held).
    void fillPlayingLocked(NoxSessionRecord &record);
    /// The record of a coup just settled (lock held).
    [[nodiscard]] NoxSessionRecord coupRecordLocked(int value, const NoxBetList &bets, qint64 capitalBefore,
                                                    qsizetype notificationsBefore);
    /// Counts the settled coup for the session guards and, unless the betting is already
    /// suspended, suspends it when a guard holds (engine lock held).
    void checkGuardsLocked(bool staked, qint64 capitalChange);
    /// Refreshes the methods the bets depend on and the stake of the next coup (lock held).
    /// Right after a step the top automatic method has just chosen from the same states:
    /// topAutoCurrent spares ranking the catalogue a second time.
    void updateItemsToPlay(bool topAutoCurrent = false);
    [[nodiscard]] bool hasNotification(int type) const;
    /// Adds a limit warning unless one of its type is already listed (engine lock held).
    void addLimitNotification(int type, const QString &title, qint64 amount);
    void clearCaches(const QList<NoxMethodState *> &states);
    /// Resets `rebuilt` (a part of `states`) and plays `values` into it from the start.
    void replay(const QList<int> &values, const QList<NoxMethodState *> &states,
                const QList<NoxMethodState *> &rebuilt);
    void emitBatchEnd(qsizetype notificationsBefore);
    /// Applies `fn` to the method's state; when it reports a change, clears the state's cache,
    /// optionally recomputes the bets, and emits the change.
    /// The change is journaled, with the method's key, in the same critical section.
    void changeMethod(int methodId, bool affectsBets, QJsonObject change,
                      const std::function<bool(NoxMethodState *)> &fn);
    /// Sets or clears the split bit, keeping at most two methods in the split view (lock held).
    bool setSplitLocked(NoxMethodState *state, bool on);
    void applyMethodSettings(NoxMethodState *state);
    /// Keeps an unclosed journal aside and starts a new one with the current history.
    void openJournal();
    /// Deletes what a killed process may have left beside the settings: stale lock files,
    /// the temporary copies of files being replaced, an unfinished restore.
    void removeLeftovers();
    /// Starts the journal anew on the current state (engine lock held). `exact`: whether the
    /// state can be rebuilt from what the journal records (fresh progressions and statistics).
    void startJournalLocked(bool exact);
    /// The state a session starts from, as JSON (engine lock held).
    [[nodiscard]] QByteArray baselineLocked(bool exact) const;
    void applyBaseline(const QJsonObject &baseline);
    /// Journals a change of a setting (engine lock held) and asks for the stores to be written.
    void noteChangeLocked(const QJsonObject &change, unsigned stores);
    void noteChange(const QJsonObject &change, unsigned stores);
    /// A change the journal cannot play again: the session is marked as not replayable.
    void noteUnreplayable(const char *what, unsigned stores);
    /// Asks the writer to put these stores (NoxEnginePrivate::Store bits) on disk.
    void requestWrite(unsigned stores);
    /// Writes the stores asked for, on the writer's thread.
    void writeStores(unsigned stores);
    /// The restore's task.
    void replaySession(const NoxInterruptedSession &session);
    /// Plays one change of a setting again; false when it names nothing known.
    bool replayChange(const QJsonObject &change);
    /// The state of that key (engine lock held).
    [[nodiscard]] NoxMethodState *stateByKeyLocked(const QString &key) const;
    /// The body of restart(), on the task thread.
    void restartInTask(bool resetMoney, bool clearHistory);
    /// Computes the scoreboard again from the history and `shoeStarts` (engine lock held); empty
    /// outside the baccarat edition.
    void rebuildRoadsLocked(const QList<qsizetype> &shoeStarts);
    /// Whether `value` is a result of the engine's game.
    [[nodiscard]] bool isValidValue(int value) const;
    /// Takes the states `remove` accepts out of the engine and deletes them, as one task.
    void removeStates(const std::function<bool(const NoxMethodState *)> &remove);
    /// Hands a new user method to the engine with its zero option and stored settings.
    void addUserMethodState(NoxMethodState *state);
    /// Makes `montante` the kind's current progression and journals it when that changes it
    /// (lock held).
    void setCurrentMontanteLocked(NoxMethodType type, NoxMontante *montante);
    /// Gives the state the next catalogue index and lists it (lock held).
    void appendStateLocked(NoxMethodState *state);

    std::unique_ptr<NoxEnginePrivate> d;
};

} // namespace Nox
