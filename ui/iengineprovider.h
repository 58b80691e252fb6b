#pragma once

#include <QObject>

namespace Nox {
class NoxEngine;
}

/// Implemented by a root object that hands the engine to the presentation objects below it,
/// so that a test or a second window can give them an engine other than the process-wide one.
class IEngineProvider
{
public:
    virtual ~IEngineProvider() = default;
    [[nodiscard]] virtual Nox::NoxEngine *engine() const = 0;

    /// The engine of the root of `object`'s parent chain when that root provides one, else the
    /// process-wide engine (the first one constructed; null when none exists).
    [[nodiscard]] static Nox::NoxEngine *engineFor(const QObject *object);
};

#define IEngineProvider_iid "IEngineProvider"
Q_DECLARE_INTERFACE(IEngineProvider, IEngineProvider_iid)
