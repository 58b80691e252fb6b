#pragma once

#include "roads/noxroads.h"

#include <QList>
#include <QObject>
#include <QTimer>
#include <QtQml/qqmlregistration.h>

#include <array>
#include <atomic>

namespace Nox {
class NoxEngine;
}

/// The scoreboard of the current shoe for the screens: a snapshot of the engine's roads, the
/// shoe's counts, and the "ask" preview of what a BANKER or a PLAYER would add.
///
/// The preview is the snapshot with the hypothetical winner appended (preview()): the views draw
/// it instead of the snapshot while an ask is shown and mark the cells it added, so where those
/// cells land comes from the roads themselves. An ask ends after askDuration, when another
/// winner is asked, or when the roads change (a result played or undone, a new shoe).
///
/// Thread rules: lives on the GUI thread; every property and invokable is used there. The
/// engine emits roadsChanged() from its task thread: the direct slot only test-and-sets an
/// atomic flag and queues refresh(), so a burst of changes costs one copy of the roads, taken
/// on the GUI thread through NoxEngine::roads() (under the engine lock). The engine's own
/// instance is never held.
class UIRoads : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("UIRoads is owned by the facade: read UIWrapper.roads")
    Q_PROPERTY(Winner askWinner READ askWinner WRITE setAskWinner NOTIFY askChanged)
    Q_PROPERTY(int askDuration READ askDuration WRITE setAskDuration NOTIFY askDurationChanged)
    Q_PROPERTY(QList<int> bankerAsk READ bankerAsk NOTIFY roadsChanged)
    Q_PROPERTY(QList<int> playerAsk READ playerAsk NOTIFY roadsChanged)
    Q_PROPERTY(int coupCount READ coupCount NOTIFY roadsChanged)
    Q_PROPERTY(int bankerCount READ bankerCount NOTIFY roadsChanged)
    Q_PROPERTY(int playerCount READ playerCount NOTIFY roadsChanged)
    Q_PROPERTY(int tieCount READ tieCount NOTIFY roadsChanged)
    Q_PROPERTY(int leadingTies READ leadingTies NOTIFY roadsChanged)
    Q_PROPERTY(int shoeNumber READ shoeNumber NOTIFY roadsChanged)
    Q_PROPERTY(bool canStartNewShoe READ canStartNewShoe NOTIFY roadsChanged)

public:
    /// The winner asked about; the values are the results' (1 PLAYER, 2 BANKER).
    enum Winner { NoWinner = 0, Player = Nox::NoxRoads::kPlayer, Banker = Nox::NoxRoads::kBanker };
    Q_ENUM(Winner)
    /// A mark of a derived road as the screens get it (bankerAsk, playerAsk).
    enum Mark { NoMark = -1, Red = int(Nox::NoxRoadMark::red), Blue = int(Nox::NoxRoadMark::blue) };
    Q_ENUM(Mark)

    /// How long an ask stays shown unless something ends it earlier.
    static constexpr int kAskDuration = 3000;

    /// Follows `engine` (may be null: then the roads stay empty).
    explicit UIRoads(Nox::NoxEngine *engine, QObject *parent = nullptr);

    /// The snapshot the views draw.
    [[nodiscard]] const Nox::NoxRoads &roads() const { return m_roads; }
    /// The snapshot with askWinner appended; the snapshot itself while no ask is shown.
    [[nodiscard]] const Nox::NoxRoads &preview() const
    {
        return m_askWinner == NoWinner ? m_roads : m_preview;
    }

    [[nodiscard]] Winner askWinner() const { return m_askWinner; }
    /// Shows what `winner` would add (restarting the ask's time), or ends the ask (NoWinner).
    void setAskWinner(Winner winner);
    [[nodiscard]] int askDuration() const { return m_askTimer.interval(); }
    void setAskDuration(int milliseconds);

    /// The marks a BANKER (a PLAYER) would add to the big eye boy, the small road and the
    /// cockroach pig, in that order: Red, Blue or NoMark where the road would not have started.
    [[nodiscard]] QList<int> bankerAsk() const { return {m_bankerAsk.cbegin(), m_bankerAsk.cend()}; }
    [[nodiscard]] QList<int> playerAsk() const { return {m_playerAsk.cbegin(), m_playerAsk.cend()}; }

    [[nodiscard]] int coupCount() const { return int(m_roads.shoe().size()); }
    [[nodiscard]] int bankerCount() const { return m_counts[Nox::NoxRoads::kBanker]; }
    [[nodiscard]] int playerCount() const { return m_counts[Nox::NoxRoads::kPlayer]; }
    [[nodiscard]] int tieCount() const { return m_counts[Nox::NoxRoads::kTie]; }
    /// The ties before the shoe's first PLAYER or BANKER: all of them in a shoe of ties only.
    [[nodiscard]] int leadingTies() const { return m_roads.leadingTies(); }
    /// The current shoe's number, from 1.
    [[nodiscard]] int shoeNumber() const { return int(m_roads.shoeStarts().size()) + 1; }
    /// A new shoe starts only after a coup of the current one.
    [[nodiscard]] bool canStartNewShoe() const { return coupCount() > 0; }

    /// Starts a new shoe (an engine task; the roads follow through roadsChanged).
    Q_INVOKABLE void newShoe();

public slots:
    /// Takes the engine's roads again and ends any ask.
    void refresh();

signals:
    /// The snapshot (and with it every count and ask mark) changed.
    void roadsChanged();
    void askChanged();
    void askDurationChanged();

private:
    /// Runs in the engine's emitting thread.
    void onEngineRoadsChanged();
    void computeCounts();
    void computeAsks();

    Nox::NoxEngine *m_engine = nullptr;
    Nox::NoxRoads m_roads;
    Nox::NoxRoads m_preview;
    Winner m_askWinner = NoWinner;
    QTimer m_askTimer;
    // Kept as arrays so that a refresh allocates nothing beyond the copy of the roads.
    std::array<int, 3> m_bankerAsk{NoMark, NoMark, NoMark};
    std::array<int, 3> m_playerAsk{NoMark, NoMark, NoMark};
    std::array<int, 3> m_counts{}; // by result value
    std::atomic<bool> m_refreshPending{false};
};
