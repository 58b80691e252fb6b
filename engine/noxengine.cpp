// NoxEngine: the orchestrator. A coup is played, undone or cut here, the methods are loaded
// and changed here, and the engine's parts do the rest: the task runner (noxtaskrunner.h)
// runs every operation and fans a step out to the method states, the bet sheet
// (noxbetsheet.h) turns the methods' proposals into bets, the progression registry
// (noxmontanteregistry.h) holds the progressions. The bankroll, the settings, the journal and
// the user methods are in the other noxengine_*.cpp files.

#include "engine/noxengine.h"
#include "engine/noxengine_p.h"

#include "core/noxfavoritesinterface.h"
#include "core/noxlogging.h"
#include "core/noxmethod.h"
#include "core/noxmethodstate.h"
#include "core/noxsnapshotcontext.h"
#include "core/noxstepmetrics.h"
#include "engine/noxjournalcodec.h"
#include "engine/noxplayrefused.h"
#include "methods/noxfactory.h"
#include "money/noxmontante.h"

#include <QJsonObject>
#include <QMetaMethod>
#include <QMutex>
#include <QUuid>

#include <algorithm>
#include <atomic>
#include <limits>
#include <stdexcept>

namespace Nox {

namespace {
std::atomic<NoxEngine *> s_instance{nullptr};
} // namespace

QJsonObject journalChange(const char *op, const QJsonValue &value)
{
    return {{QStringLiteral("op"), QLatin1String(op)}, {QStringLiteral("v"), value}};
}

NoxEngine::NoxEngine(bool baccaratMode, QObject *parent)
    : QObject(parent)
    , d(std::make_unique<NoxEnginePrivate>())
{
    d->baccaratMode = baccaratMode;
    d->calibration->setBaccaratMode(baccaratMode);
    d->guards.startSession(d->clock->nowMs());
    d->sessionId = QUuid::createUuid().toString(QUuid::WithoutBraces);
    NoxEngine *expected = nullptr;
    s_instance.compare_exchange_strong(expected, this);
    qRegisterMetaType<NoxBetList>();
}

NoxEngine::~NoxEngine()
{
    // No new task from here on; the batches stop, the pending tasks are discarded and the
    // running one is waited for before anything is torn down.
    d->tasks.shutdown();
    // Orderly shutdown is the only time the store is written during a run.
    setPersistence(false);
    qDeleteAll(d->states);
    NoxEngine *self = this;
    s_instance.compare_exchange_strong(self, nullptr);
}

NoxEngine *NoxEngine::instance()
{
    return s_instance.load();
}

bool NoxEngine::isBaccaratMode() const
{
    return d->baccaratMode;
}

void NoxEngine::setBaccaratMode(bool baccaratMode)
{
    {
        QMutexLocker lock(&d->mutex);
        d->baccaratMode = baccaratMode;
        rebuildRoadsLocked(d->roads.shoeStarts());
    }
    d->calibration->setBaccaratMode(baccaratMode);
    emit roadsChanged();
}

void NoxEngine::rebuildRoadsLocked(const QList<qsizetype> &shoeStarts)
{
    const bool results = std::all_of(d->played.cbegin(), d->played.cend(),
                                     [](int v) { return v >= NoxRoads::kTie && v <= NoxRoads::kBanker; });
    if (d->baccaratMode && results) {
        d->roads.rebuild(d->played, shoeStarts);
    } else {
        d->roads.clear();
    }
}

QFuture<void> NoxEngine::startNewShoe()
{
    return d->tasks.run([this] {
        {
            QMutexLocker lock(&d->mutex);
            if (!d->baccaratMode || !d->roads.newShoe()) {
                return;
            }
            if (d->journal) {
                d->journal->recordNewShoe();
            }
        }
        emit roadsChanged();
    });
}

QList<qsizetype> NoxEngine::shoeStarts() const
{
    QMutexLocker lock(&d->mutex);
    return d->roads.shoeStarts();
}

NoxRoads NoxEngine::roads() const
{
    QMutexLocker lock(&d->mutex);
    return d->roads;
}

ICalibration *NoxEngine::calibration() const
{
    return d->calibration.get();
}

void NoxEngine::setAsync(bool on)
{
    d->tasks.setAsync(on);
}

bool NoxEngine::isAsync() const
{
    return d->tasks.isAsync();
}

void NoxEngine::setParallelStepThreshold(qint64 ns)
{
    d->tasks.setParallelThreshold(ns);
}

void NoxEngine::setSingleThreaded(bool on)
{
    QMutexLocker lock(&d->mutex);
    d->singleThreaded = on;
    d->tasks.setSerial(on);
    for (NoxMethodState *s : std::as_const(d->states)) {
        s->method()->mutex().setLocking(!on);
    }
}

void NoxEngine::processStep(const QList<int> &values, const QList<NoxMethodState *> &states, int value,
                            int index, quint64 statesRevision)
{
    const int count = index >= 0 ? index + 1 : int(values.size());
    // Shared by the automatic methods, which run one after another once the others are done;
    // kept from step to step (tasks never overlap), with its entries while the list is the same.
    NoxStepMetrics &metrics = d->stepMetrics;
    metrics.start(states, statesRevision == d->stepMetricsRevision);
    d->stepMetricsRevision = statesRevision;
    d->tasks.forEachStateInStages(states, [&](NoxMethodState *s) {
        NoxSnapshotContext context(values, states, s, count);
        if (s->method()->type() == NoxMethodType::automatic) {
            context.setStepMetrics(&metrics);
        }
        s->processValue(value, context);
    });
}

void NoxEngine::replay(const QList<int> &values, const QList<NoxMethodState *> &states,
                       const QList<NoxMethodState *> &rebuilt)
{
    const QList<int> empty;
    d->tasks.forEachState(rebuilt, [&](NoxMethodState *s) {
        NoxSnapshotContext context(empty, states, s, 0);
        s->resetState(false, context);
    });
    // One list for the whole replay: its entries are read once.
    NoxStepMetrics metrics;
    for (int i = 0; i < values.size(); ++i) {
        const int count = i + 1;
        metrics.start(states, i > 0);
        d->tasks.forEachStateInStages(rebuilt, [&](NoxMethodState *s) {
            NoxSnapshotContext context(values, states, s, count);
            if (s->method()->type() == NoxMethodType::automatic) {
                context.setStepMetrics(&metrics);
            }
            s->processValue(values.at(i), context);
        });
    }
}

void NoxEngine::clearCaches(const QList<NoxMethodState *> &states)
{
    for (NoxMethodState *s : states) {
        s->clearCache();
    }
}

QFuture<void> NoxEngine::playValueInternal(int value, bool notify)
{
    if (!isValidValue(value)) {
        // Never journaled nor played: a value that is no result of the game is a caller's fault.
        return NoxTaskRunner::failedFuture(std::make_exception_ptr(std::invalid_argument(
            QStringLiteral("%1 is not a result of the game").arg(value).toStdString())));
    }
    return d->tasks.run([this, value, notify] { playCoupOrThrow(value, notify); });
}

bool NoxEngine::playNow(int value, bool notify)
{
    return isValidValue(value) && d->tasks.runNow([this, value, notify] { playCoupOrThrow(value, notify); });
}

void NoxEngine::playCoupOrThrow(int value, bool notify)
{
    if (!playCoup(value, notify)) {
        throw NoxPlayRefused(playRefusal().toStdString());
    }
}

// --- Session records ----------------------------------------------------------------------------

bool NoxEngine::recordingLocked() const
{
    static const QMetaMethod signal = QMetaMethod::fromSignal(&NoxEngine::sessionRecorded);
    return !d->replaying && isSignalConnected(signal);
}

NoxSessionRecord NoxEngine::sessionRecordLocked(NoxSessionRecord::Kind kind) const
{
    NoxSessionRecord record;
    record.kind = kind;
    record.sessionId = d->sessionId;
    record.timeMs = d->clock->nowMs();
    record.baccarat = d->baccaratMode;
    return record;
}

void NoxEngine::fillPlayingLocked(NoxSessionRecord &record)
{
    QStringList methods;
    QStringList montantes;
    for (const NoxMethodState *s : std::as_const(d->states)) {
        if (!s->isActive()) {
            continue;
        }
        methods.append(s->method()->name());
        if (const NoxMontante *m = d->montantes.current(s->method()->type());
            m && !montantes.contains(m->name())) {
            montantes.append(m->name());
        }
    }
    // Kept when equal, so that the records share one list until the player changes something.
    if (methods != d->recordMethods) {
        d->recordMethods = methods;
    }
    if (montantes != d->recordMontantes) {
        d->recordMontantes = montantes;
    }
    record.methods = d->recordMethods;
    record.montantes = d->recordMontantes;
}

NoxSessionRecord NoxEngine::coupRecordLocked(int value, const NoxBetList &bets, qint64 capitalBefore,
                                             qsizetype notificationsBefore)
{
    NoxSessionRecord record = sessionRecordLocked(NoxSessionRecord::Coup);
    record.value = value;
    for (const NoxBet &bet : bets) {
        if (bet.bet > 0 && !(bet.flags & NoxBet::Suspended)) {
            record.stakes.append(NoxBet{bet.id, bet.bet, 0});
            record.stake += bet.bet;
        }
    }
    record.capital = d->financial.capital;
    record.gain = record.capital - capitalBefore;
    const QList<qsizetype> starts = d->roads.shoeStarts();
    record.newShoe = d->baccaratMode && starts.contains(d->played.size() - 1);
    for (qsizetype i = notificationsBefore; i < d->notifications.size(); ++i) {
        switch (d->notifications.at(i).type) {
        case NoxNotification::GainLimit:
            record.limits |= NoxSessionRecord::GainLimit;
            break;
        case NoxNotification::LossLimit:
            record.limits |= NoxSessionRecord::LossLimit;
            break;
        case NoxNotification::GuardStop:
            record.limits |= NoxSessionRecord::GuardStop;
            record.guardReason = d->guardStop ? d->guardStop->reason : d->notifications.at(i).title;
            break;
        default:
            break;
        }
    }
    fillPlayingLocked(record);
    return record;
}

QString NoxEngine::sessionId() const
{
    QMutexLocker lock(&d->mutex);
    return d->sessionId;
}

bool NoxEngine::isValidValue(int value) const
{
    return value >= 0 && value <= (d->baccaratMode ? 2 : 36);
}

QString NoxEngine::playRefusal() const
{
    QMutexLocker lock(&d->mutex);
    const auto [reason, hint] = refusalLocked();
    return reason.isEmpty() ? QString() : tr("Limite atteinte : ") + reason + QStringLiteral(". ") + hint;
}

QPair<QString, QString> NoxEngine::refusalLocked() const
{
    if (d->played.size() >= kMaxPlayed) {
        return {tr("%1 résultats enregistrés").arg(kMaxPlayed),
                tr("Coupez la permanence ou commencez une nouvelle session.")};
    }
    if (qAbs(qint64(d->financial.capital)) + qAbs(qint64(d->financial.mise)) > kMaxMoney) {
        return {tr("capital et mise au-delà de %1").arg(QString::asprintf("%.2f", double(kMaxMoney) / 100.0)),
                tr("Recommencez la bankroll.")};
    }
    return {};
}

bool NoxEngine::playCoup(int value, bool notify)
{
    QList<int> values;
    QList<NoxMethodState *> states;
    quint64 statesRevision = 0;
    bool notificationsGrew = false;
    std::optional<NoxSessionRecord> record;
    {
        QMutexLocker lock(&d->mutex);
        const auto [reason, hint] = refusalLocked();
        if (!reason.isEmpty()) {
            qCWarning(lcNoxEngine) << "Reach max play limits";
            if (d->replaying) {
                return false; // a restore collects what it could not play and says so once
            }
            // Said once until the player has read it, so that a keypad held down does not flood.
            const bool told =
                std::any_of(d->notifications.cbegin(), d->notifications.cend(), [](const NoxNotification &n) {
                    return n.type == NoxNotification::PlayLimit && !n.read;
                });
            if (!told) {
                const NoxNotification refused{tr("Limite atteinte : ") + reason,
                                              tr("Le résultat n'a pas été enregistré. ") + hint,
                                              NoxNotification::PlayLimit, false};
                d->notifications.append(refused);
                // The refused result is not journaled; what the player was told is.
                noteChangeLocked(journalChange("notify", NoxJournalCodec::toJson(refused)), 0);
            }
            lock.unlock();
            if (!told) {
                emit notificationsChanged();
            }
            return false;
        }
        const qsizetype before = d->notifications.size();
        const qint64 capitalBefore = d->financial.capital;
        const NoxBetList bets = settleCoup(value);
        d->settledBets = bets;
        d->played.append(value);
        if (d->baccaratMode) {
            d->roads.append(value);
        }
        if (d->journal) {
            d->journal->recordPlay(value);
        }
        notificationsGrew = d->notifications.size() != before;
        if (recordingLocked()) {
            record = coupRecordLocked(value, bets, capitalBefore, before);
        }
        values = d->played;
        states = d->states;
        statesRevision = d->statesRevision;
    }
    if (record) {
        emit sessionRecorded(*record);
    }
    if (notify) {
        emit playedValuesChanged();
        emit roadsChanged();
        if (notificationsGrew) {
            emit notificationsChanged();
        }
    }
    processStep(values, states, value, -1, statesRevision);
    {
        QMutexLocker settled(&d->mutex);
        // With one thread nothing could change the methods since the step, whose top automatic
        // method ranked them last; with several, a setting may have come during the step.
        updateItemsToPlay(d->singleThreaded);
        if (d->journal) {
            d->journal->recordSettled(d->financial.capital, d->financial.mise);
        }
    }
    if (notify) {
        emit itemsToPlayChanged();
        clearCaches(states);
        emit methodStatesChanged();
    }
    return true;
}

QFuture<void> NoxEngine::playValues(const QList<int> &values)
{
    const qsizetype before = notifications().size();
    return d->tasks.runBatch(
        values, [this](int value) { return playCoup(value, false); },
        [this, before] { emitBatchEnd(before); });
}

void NoxEngine::emitBatchEnd(qsizetype notificationsBefore)
{
    emit playedValuesChanged();
    emit roadsChanged();
    emit itemsToPlayChanged();
    clearCaches(methodStates());
    emit methodStatesChanged();
    if (notifications().size() != notificationsBefore) {
        emit notificationsChanged();
    }
}

QFuture<void> NoxEngine::cancelPlay()
{
    return d->tasks.run([this] {
        QList<int> values;
        QList<NoxMethodState *> states;
        int removed = 0;
        std::optional<NoxSessionRecord> record;
        {
            QMutexLocker lock(&d->mutex);
            if (d->played.isEmpty()) {
                return;
            }
            removed = d->played.takeLast();
            d->guards.undo();
            if (d->baccaratMode) {
                d->roads.pop();
            }
            if (d->journal) {
                d->journal->recordUndo();
            }
            if (recordingLocked()) {
                record = sessionRecordLocked(NoxSessionRecord::Undo);
            }
            values = d->played;
            states = d->states;
        }
        if (record) {
            emit sessionRecorded(*record);
        }
        emit playedValuesChanged();
        emit roadsChanged();
        d->tasks.forEachStateInStages(states, [&](NoxMethodState *s) {
            NoxSnapshotContext context(values, states, s, int(values.size()));
            s->unplayValue(removed, context);
        });
        {
            QMutexLocker lock(&d->mutex);
            updateItemsToPlay();
        }
        emit itemsToPlayChanged();
        clearCaches(states);
        emit methodStatesChanged();
    });
}

void NoxEngine::restart(bool resetMoney, bool clearHistory)
{
    waitQuietly(d->tasks.run([this, resetMoney, clearHistory] { restartInTask(resetMoney, clearHistory); }));
}

void NoxEngine::restartInTask(bool resetMoney, bool clearHistory)
{
    QList<NoxMethodState *> states;
    std::optional<NoxSessionRecord> record;
    {
        QMutexLocker lock(&d->mutex);
        d->settledBets.clear();
        if (clearHistory) {
            d->played.clear();
            d->roads.clear();
            d->guards.keepLast(0);
        }
        if (resetMoney) {
            d->stats = NoxFinancialStats{};
            d->financial.capital = d->financial.capitalOrigine;
            d->financial.capitalMax = d->financial.capital;
            d->financial.capitalMin = d->financial.capital;
            d->notifications.clear();
            d->montantes.resetAll();
            // A new bankroll is a new session for the guards: their counts and clock start
            // again, and a stop they made ends.
            d->guards.startSession(d->clock->nowMs());
            if (d->guardStop) {
                d->guardStop.reset();
                d->suspended = false;
            }
            // A new bankroll is a new session for the archive too.
            d->sessionId = QUuid::createUuid().toString(QUuid::WithoutBraces);
        }
        states = d->states;
        if (clearHistory) {
            const QList<int> values = d->played;
            d->tasks.forEachState(states, [&](NoxMethodState *s) {
                NoxSnapshotContext context(values, states, s, int(values.size()));
                s->resetState(s != d->favoritesState, context);
            });
        }
        updateItemsToPlay();
        if (d->journal) {
            if (clearHistory) {
                // A new session, written once its state is reset: the state it starts from. Only
                // a money reset gives progressions that the journal can start from again.
                startJournalLocked(resetMoney);
            } else {
                d->journal->recordRestart(resetMoney);
            }
        }
        if (resetMoney) {
            // The baseline of a new journal carries the identifier; a restart within the
            // journal's session records it as a change.
            if (!clearHistory) {
                noteChangeLocked(journalChange("session", d->sessionId), 0);
            }
            if (recordingLocked()) {
                record = sessionRecordLocked(NoxSessionRecord::Started);
                record->startMs = record->timeMs;
                record->startCapital = d->financial.capital;
                fillPlayingLocked(*record);
            }
        }
    }
    if (record) {
        emit sessionRecorded(*record);
    }
    emit playedValuesChanged();
    if (clearHistory) {
        emit roadsChanged();
    }
    emit itemsToPlayChanged();
    clearCaches(states);
    emit methodStatesChanged();
    emit notificationsChanged();
}

QFuture<void> NoxEngine::truncatePlayedItems(int toKeep)
{
    return d->tasks.run([this, toKeep] {
        QList<int> values;
        QList<NoxMethodState *> states;
        {
            QMutexLocker lock(&d->mutex);
            const int keep = toKeep < 0 ? d->config.truncateCount : toKeep;
            // A negative count (a damaged setting) keeps everything: the history is the
            // player's data and is never cut by accident.
            if (keep < 0 || d->played.isEmpty() || d->played.size() <= keep) {
                return;
            }
            const qsizetype cut = d->played.size() - keep;
            d->played.remove(0, cut);
            // The shoes of what is left: a boundary at or before the cut goes with it.
            rebuildRoadsLocked(NoxRoads::startsAfterCut(d->roads.shoeStarts(), cut));
            d->guards.keepLast(keep);
            if (d->journal) {
                d->journal->recordTruncate(keep);
            }
            values = d->played;
            states = d->states;
        }
        emit playedValuesChanged();
        emit roadsChanged();
        replay(values, states, states);
        emit playedValuesChanged();
        {
            QMutexLocker lock(&d->mutex);
            updateItemsToPlay();
        }
        emit itemsToPlayChanged();
        clearCaches(states);
        emit methodStatesChanged();
    });
}

void NoxEngine::loadMethods()
{
    waitQuietly(d->tasks.run([this] {
        QList<NoxMethodState *> removed;
        {
            QMutexLocker lock(&d->mutex);
            QList<NoxMethodState *> kept;
            for (NoxMethodState *s : std::as_const(d->states)) {
                (s->method()->subtype() == NoxMethodSubType::purpleperso4 ? kept : removed).append(s);
            }
            d->states.clear();
            ++d->statesRevision;
            d->statesById.clear();
            d->favoritesState = nullptr;
            d->autoState = nullptr;
            // User methods keep their options; they only move to the front of the list.
            for (NoxMethodState *s : std::as_const(kept)) {
                appendStateLocked(s);
            }
        }
        qDeleteAll(removed);
        const qsizetype first = methodStates().size();
        NoxFactory factory(this, nullptr);
        if (d->baccaratMode) {
            factory.loadBaccaraMethods();
        } else {
            factory.loadGenericMethods();
        }
        QList<int> values;
        QList<NoxMethodState *> states;
        {
            QMutexLocker lock(&d->mutex);
            if (d->settings) {
                for (qsizetype i = first; i < d->states.size(); ++i) {
                    applyMethodSettings(d->states.at(i));
                }
            }
            values = d->played;
            states = d->states;
        }
        // The new methods catch up with the history already played.
        replay(values, states, states.mid(first));
        {
            QMutexLocker lock(&d->mutex);
            updateItemsToPlay();
        }
        clearCaches(methodStates());
        emit methodStatesChanged();
        emit itemsToPlayChanged();
    }));
}

void NoxEngine::addMethodState(NoxMethodState *state)
{
    QMutexLocker lock(&d->mutex);
    state->setShortTermWindow(d->config.shortTermCount);
    state->setSignalMask(d->config.signalMask());
    state->setEcartNotif(-1);
    state->setNbBlockDom(-1);
    appendStateLocked(state);
}

void NoxEngine::appendStateLocked(NoxMethodState *state)
{
    NoxMethod *method = state->method();
    // After removals the list is shorter than the highest index: never reuse one.
    method->setIndex(d->statesById.isEmpty() ? 0 : d->statesById.lastKey() + 1);
    method->mutex().setLocking(!d->singleThreaded);
    d->states.append(state);
    ++d->statesRevision;
    d->statesById.insert(method->index(), state);
    if (method->role() == NoxMethod::Role::Favorites) {
        d->favoritesState = state;
    } else if (method->role() == NoxMethod::Role::TopAuto) {
        d->autoState = state;
    }
    state->publish();
}

QList<NoxMethodState *> NoxEngine::methodStates() const
{
    QMutexLocker lock(&d->mutex);
    return d->states;
}

NoxMethodState *NoxEngine::methodState(int methodId) const
{
    QMutexLocker lock(&d->mutex);
    return d->statesById.value(methodId);
}

void NoxEngine::setMethodActive(int methodId, bool active)
{
    changeMethod(methodId, true, journalChange("active", active),
                 [active](NoxMethodState *s) { return s->setActive(active); });
}

void NoxEngine::setMethodsActive(const QList<int> &methodIds, bool active)
{
    QList<NoxMethodState *> changed;
    {
        QMutexLocker lock(&d->mutex);
        for (int id : methodIds) {
            NoxMethodState *state = d->statesById.value(id);
            if (state && state->setActive(active)) {
                changed.append(state);
                // Without a journal no line is built: a backtest starts every shoe this way.
                if (d->journal) {
                    QJsonObject c = journalChange("active", active);
                    c.insert(QStringLiteral("k"), state->method()->key());
                    noteChangeLocked(c, 0);
                }
            }
        }
        if (changed.isEmpty()) {
            return;
        }
        requestWrite(NoxEnginePrivate::SettingsStore);
        updateItemsToPlay();
    }
    for (NoxMethodState *state : std::as_const(changed)) {
        state->clearCache();
        emit methodStateChanged(state->method()->index());
    }
    emit itemsToPlayChanged();
}

void NoxEngine::changeMethod(int methodId, bool affectsBets, QJsonObject change,
                             const std::function<bool(NoxMethodState *)> &fn)
{
    NoxMethodState *state = nullptr;
    {
        // The change and its journal line under one lock: no coup is settled between them.
        QMutexLocker lock(&d->mutex);
        state = d->statesById.value(methodId);
        if (!state || !fn(state)) {
            return;
        }
        change.insert(QStringLiteral("k"), state->method()->key());
        noteChangeLocked(change, NoxEnginePrivate::SettingsStore);
        if (affectsBets) {
            updateItemsToPlay();
        }
    }
    state->clearCache();
    emit methodStateChanged(state->method()->index());
    if (affectsBets) {
        emit itemsToPlayChanged();
    }
}

void NoxEngine::addNotification(const NoxNotification &notification, bool onlyOnce)
{
    {
        QMutexLocker lock(&d->mutex);
        if (onlyOnce && hasNotification(notification.type)) {
            return;
        }
        d->notifications.append(notification);
        QJsonObject c = journalChange("notify", NoxJournalCodec::toJson(notification));
        c.insert(QStringLiteral("once"), onlyOnce);
        noteChangeLocked(c, 0);
    }
    emit notificationsChanged();
}

bool NoxEngine::hasNotification(int type) const
{
    return std::any_of(d->notifications.cbegin(), d->notifications.cend(),
                       [type](const NoxNotification &n) { return n.type == type; });
}

QList<NoxNotification> NoxEngine::notifications() const
{
    QMutexLocker lock(&d->mutex);
    return d->notifications;
}

QList<int> NoxEngine::playedValues() const
{
    QMutexLocker lock(&d->mutex);
    return d->played;
}

void NoxEngine::setSuspended(bool suspended)
{
    {
        QMutexLocker lock(&d->mutex);
        if (!suspended) {
            d->guardStop.reset();
        }
        if (d->suspended != suspended) {
            d->suspended = suspended;
            noteChangeLocked(journalChange("suspended", suspended), 0);
            updateItemsToPlay();
        }
    }
    emit itemsToPlayChanged();
}

bool NoxEngine::isSuspended() const
{
    QMutexLocker lock(&d->mutex);
    return d->suspended;
}

void NoxEngine::setNotificationRead(int index, bool read)
{
    {
        QMutexLocker lock(&d->mutex);
        if (index < 0 || index >= d->notifications.size() || d->notifications[index].read == read) {
            return;
        }
        d->notifications[index].read = read;
        QJsonObject c = journalChange("read", read);
        c.insert(QStringLiteral("i"), index);
        noteChangeLocked(c, 0);
    }
    emit notificationsChanged();
}

NoxBetList NoxEngine::computeBets(int value, bool resetProgressions)
{
    QMutexLocker lock(&d->mutex);
    return value < 0 ? d->proposeBets(resetProgressions) : d->settleBets(value, resetProgressions).bets;
}

NoxBetList NoxEngine::itemsToPlay() const
{
    QMutexLocker lock(&d->mutex);
    return d->proposeBets();
}

NoxBetList NoxEngine::settledBets() const
{
    QMutexLocker lock(&d->mutex);
    return d->settledBets;
}

void NoxEngine::updateItemsToPlay(bool topAutoCurrent)
{
    const QList<int> values = d->played;
    const QList<NoxMethodState *> states = d->states;
    if (!topAutoCurrent && d->autoState && d->autoState->isActive()) {
        NoxSnapshotContext context(values, states, d->autoState, int(values.size()));
        d->autoState->refreshState(context);
    }
    if (d->favoritesState && d->favoritesState->isActive()) {
        if (auto *fav = dynamic_cast<NoxFavoritesInterface *>(d->favoritesState->method())) {
            fav->updateSelection(values, states, d->config.playModeMask());
            d->favoritesState->publish();
        }
    }
    const NoxBetList bets = d->proposeBets();
    qint64 total = 0;
    for (const NoxBet &bet : bets) {
        total += bet.bet;
    }
    // Kept in the int range: a total that large is refused by the money guard anyway.
    d->financial.mise = d->suspended ? 0 : int(std::min<qint64>(total, std::numeric_limits<int>::max()));
}

} // namespace Nox
