#pragma once

#include "engine/noxmethod.h"
#include "engine/noxmethodstate.h"

namespace NoxTest {

/// A state whose method always proposes the same items (items played as themselves, not as
/// numbers, so stakes stay in their own kind).
inline Nox::NoxMethodState *fixedState(const QString &name, Nox::NoxMethodType type,
                                       const QList<Nox::NoxBetItemID> &items,
                                       Nox::NoxMethodSubType subtype = Nox::NoxMethodSubType::none)
{
    auto *method = new Nox::NoxMethod(type, subtype, name);
    method->setProposal(items);
    auto *state = new Nox::NoxMethodState(method);
    state->setNumberMode(false);
    return state;
}

} // namespace NoxTest
