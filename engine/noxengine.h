#pragma once

#include "engine/noxbet.h"
#include "engine/noxengineconfig.h"
#include "engine/noxnotification.h"
#include "money/noxfinancial.h"
#include "money/noxfinancialstats.h"

#include <QFuture>
#include <QObject>

#include <functional>
#include <memory>

namespace Nox {

class NoxMethodState;
class NoxMontante;
struct NoxEnginePrivate;

/// Owns the coup history and every method state and turns each result into updated
/// statistics, bankroll and bets of the next coup.
///
/// Thread rules: public operations may be called from the GUI thread. With async on, every
/// operation is one task on a single-thread task pool (the only serialisation of plays) and
/// the per-method work of a step runs on a method pool of up to four threads; signals are
/// emitted from the task thread. restart() blocks its caller and must not be called from a
/// task. With async off every operation runs inline (serialised by a task mutex).
class NoxEngine : public QObject
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
    void setAsync(bool on);
    [[nodiscard]] bool isAsync() const;

    QFuture<void> playValueInternal(int value, bool notify = true);
    /// Plays a batch from the global pool, one queued coup at a time, with progress and
    /// cancel; the signals are emitted once at the end.
    QFuture<void> playValues(const QList<int> &values);
    QFuture<void> cancelPlay();
    void restart(bool resetMoney, bool clearHistory);
    QFuture<void> truncatePlayedItems(int toKeep);

    /// Hands a state over: assigns the next catalogue index and the engine's defaults.
    void addMethodState(NoxMethodState *state);
    [[nodiscard]] QList<NoxMethodState *> methodStates() const;
    [[nodiscard]] NoxMethodState *methodState(int methodId) const;
    void setMethodActive(int methodId, bool active);

    void addNotification(const NoxNotification &notification, bool onlyOnce);
    [[nodiscard]] QList<NoxNotification> notifications() const;
    [[nodiscard]] QList<int> playedValues() const;

    void setSuspended(bool suspended);
    [[nodiscard]] NoxBetList computeBets(int value, bool resetProgressions);
    [[nodiscard]] NoxBetList itemsToPlay() const;

    [[nodiscard]] NoxEngineConfig config() const;
    void setConfig(const NoxEngineConfig &config);
    [[nodiscard]] NoxFinancial financial() const;
    void setFinancialConfig(const NoxFinancial &financial);
    [[nodiscard]] NoxFinancialStats financialStats() const;

    /// Registers a progression under a bet kind (the first of a kind becomes its current one).
    void addMontante(NoxMethodType type, NoxMontante *montante);

signals:
    void playedValuesChanged();
    void itemsToPlayChanged();
    void methodStatesChanged();
    void methodStateChanged(int idx);
    void notificationsChanged();

private:
    QFuture<void> runTask(std::function<void()> task);
    void forEachState(const QList<NoxMethodState *> &states, const std::function<void(NoxMethodState *)> &fn);
    /// Non-automatic states in parallel, then the automatic ones in list order.
    void forEachStateInStages(const QList<NoxMethodState *> &states,
                              const std::function<void(NoxMethodState *)> &fn);
    void processStep(const QList<int> &values, const QList<NoxMethodState *> &states, int value, int index);
    NoxBetList computeBetsLocked(int value, bool resetProgressions);
    void settleCoup(int value);
    void updateItemsToPlay();
    [[nodiscard]] bool hasNotification(int type) const;
    /// Adds a limit warning unless one of its type is already listed (engine lock held).
    void addLimitNotification(int type, const QString &title, int amount);
    void clearCaches(const QList<NoxMethodState *> &states);
    void emitBatchEnd(qsizetype notificationsBefore);

    std::unique_ptr<NoxEnginePrivate> d;
};

} // namespace Nox
