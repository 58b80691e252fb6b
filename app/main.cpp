#include "engine/noxbetitem.h"
#include "engine/noxengine.h"
#include "engine/noxmethodstate.h"

#include <QCoreApplication>
#include <QSettings>
#include <QTextStream>

// Until the screens exist, start-up brings the engine up as the application will (pools,
// catalogue, settings) and reports what it loaded.
int main(int argc, char *argv[])
{
    QSettings::setDefaultFormat(QSettings::IniFormat);
    QCoreApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("NoxBaccarat%1").arg(QString()));
    QCoreApplication::setApplicationName(QStringLiteral("Baccarat Vantor Pro"));
    QCoreApplication::setApplicationVersion(QStringLiteral("1.2.3"));

    Nox::NoxEngine engine(true);
    engine.setAsync(true);
    engine.loadMethods();
    engine.registerBuiltinMontantes();
    engine.setPersistence(true, QCoreApplication::organizationName());
    // Read back what the last session saved: the save at shutdown rewrites the file.
    engine.loadUserMethods();
    QString libraryError;
    if (!engine.loadMontanteLibrary({}, true, &libraryError)) {
        QTextStream(stderr) << "Progression library not loaded: " << libraryError << Qt::endl;
    }
    engine.restart(true, true);

    const QList<Nox::NoxMethodState *> states = engine.methodStates();
    const auto active = std::count_if(states.begin(), states.end(), [](auto *s) { return s->isActive(); });
    QTextStream out(stdout);
    out << "Nox engine ready: " << Nox::betItems().size() << " bet items, " << states.size() << " methods ("
        << active << " active), " << engine.montanteList(Nox::NoxMethodType::plein).size()
        << " plein progressions, settings in " << engine.settingsFileName() << Qt::endl;
    return 0;
}
