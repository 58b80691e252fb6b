#pragma once

#include <QList>

namespace Nox {

class NoxMethodState;

/// Implemented by the favourites method: before each aggregation the engine hands it the
/// history, the states and the play-mode mask so that it recomputes its selection.
class NoxFavoritesInterface
{
public:
    virtual ~NoxFavoritesInterface() = default;
    virtual void updateSelection(const QList<int> &playedValues, const QList<NoxMethodState *> &states,
                                 int playModeMask) = 0;
};

} // namespace Nox
