#include "iengineprovider.h"

#include "engine/noxengine.h"

Nox::NoxEngine *IEngineProvider::engineFor(const QObject *object)
{
    const QObject *root = object;
    while (root && root->parent()) {
        root = root->parent();
    }
    if (root) {
        if (auto *provider = qobject_cast<const IEngineProvider *>(root)) {
            if (Nox::NoxEngine *engine = provider->engine()) {
                return engine;
            }
        }
    }
    return Nox::NoxEngine::instance();
}
