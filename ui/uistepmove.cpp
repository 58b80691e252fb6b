#include "uistepmove.h"

#include <climits>

using Nox::MontantePerso;

UIStepMove::UIStepMove(QObject *parent)
    : QObject(parent)
{}

void UIStepMove::setMove(int move)
{
    if (move != m_move) {
        m_move = move;
        emit moveChanged();
    }
}

UIStepMove::Mode UIStepMove::modeOf(int move)
{
    if (move == MontantePerso::kBackToStart) {
        return Restart;
    }
    return move < 0 ? Back : Forward;
}

int UIStepMove::countOf(int move)
{
    if (move == MontantePerso::kBackToStart) {
        return MontantePerso::kMoveBounds.minimum;
    }
    return MontantePerso::kMoveBounds.clamp(move == INT_MIN ? INT_MAX : std::abs(move));
}

int UIStepMove::compose(int mode, int count) const
{
    const int steps = MontantePerso::kMoveBounds.clamp(count);
    switch (mode) {
    case Back:
        return -steps;
    case Forward:
        return steps;
    default:
        return MontantePerso::kBackToStart;
    }
}
