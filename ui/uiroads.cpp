#include "uiroads.h"

#include "engine/noxengine.h"

using Nox::NoxDerivedRoad;
using Nox::NoxRoads;

UIRoads::UIRoads(Nox::NoxEngine *engine, QObject *parent)
    : QObject(parent)
    , m_engine(engine)
{
    m_askTimer.setSingleShot(true);
    m_askTimer.setInterval(kAskDuration);
    connect(&m_askTimer, &QTimer::timeout, this, [this] { setAskWinner(NoWinner); });
    if (m_engine) {
        connect(m_engine, &Nox::NoxEngine::roadsChanged, this, &UIRoads::onEngineRoadsChanged,
                Qt::DirectConnection);
        refresh();
    }
}

void UIRoads::onEngineRoadsChanged()
{
    if (!m_refreshPending.exchange(true)) {
        // Called on the engine's thread: posted by name, so that Qt builds and frees the call
        // inside its own library instead of a functor made here and freed on the GUI thread.
        QMetaObject::invokeMethod(this, "refresh", Qt::QueuedConnection);
    }
}

void UIRoads::refresh()
{
    // Cleared before the copy: a change signalled while copying queues a refresh of its own.
    m_refreshPending = false;
    if (!m_engine) {
        return;
    }
    m_roads = m_engine->roads();
    computeCounts();
    computeAsks();
    // The preview was drawn over the roads that have just changed.
    if (m_askWinner != NoWinner) {
        m_askTimer.stop();
        m_askWinner = NoWinner;
        emit askChanged();
    }
    emit roadsChanged();
}

void UIRoads::computeCounts()
{
    m_counts = {};
    for (const char result : m_roads.shoe()) {
        ++m_counts[std::size_t(result)];
    }
}

void UIRoads::computeAsks()
{
    constexpr NoxDerivedRoad::Kind kinds[] = {
        NoxDerivedRoad::Kind::BigEyeBoy, NoxDerivedRoad::Kind::SmallRoad, NoxDerivedRoad::Kind::CockroachPig};
    for (std::size_t i = 0; i < std::size(kinds); ++i) {
        const auto banker = m_roads.ask(NoxRoads::kBanker, kinds[i]);
        const auto player = m_roads.ask(NoxRoads::kPlayer, kinds[i]);
        m_bankerAsk[i] = banker ? int(*banker) : NoMark;
        m_playerAsk[i] = player ? int(*player) : NoMark;
    }
}

void UIRoads::setAskWinner(Winner winner)
{
    if (winner != NoWinner && winner != Player && winner != Banker) {
        winner = NoWinner;
    }
    if (winner == NoWinner) {
        m_askTimer.stop();
    } else {
        m_askTimer.start();
    }
    if (winner == m_askWinner) {
        return;
    }
    m_askWinner = winner;
    if (winner != NoWinner) {
        m_preview = m_roads;
        m_preview.append(int(winner));
    }
    emit askChanged();
}

void UIRoads::setAskDuration(int milliseconds)
{
    if (milliseconds != m_askTimer.interval()) {
        m_askTimer.setInterval(milliseconds);
        emit askDurationChanged();
    }
}

void UIRoads::newShoe()
{
    if (m_engine) {
        m_engine->startNewShoe();
    }
}
