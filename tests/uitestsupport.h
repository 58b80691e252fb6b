#pragma once

#include "engine/noxengine.h"
#include "iengineprovider.h"

#include <QObject>

#include <memory>

namespace NoxTest {

/// A root object that hands its own engine to the presentation objects below it, as the
/// application's root does, so that each test case gets a fresh engine.
class EngineRoot : public QObject, public IEngineProvider
{
    Q_OBJECT
    Q_INTERFACES(IEngineProvider)

public:
    explicit EngineRoot(bool baccarat = true, bool async = false)
        : m_engine(std::make_unique<Nox::NoxEngine>(baccarat))
    {
        m_engine->setAsync(async);
    }

    [[nodiscard]] Nox::NoxEngine *engine() const override { return m_engine.get(); }

    /// Loads the game's catalogue and starts a clean session.
    void loadCatalogue()
    {
        m_engine->loadMethods();
        m_engine->registerBuiltinMontantes();
        m_engine->restart(true, true);
    }

private:
    std::unique_ptr<Nox::NoxEngine> m_engine;
};

} // namespace NoxTest
