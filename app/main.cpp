#include "archive/noxarchive.h"
#include "engine/noxengine.h"
#include "noxloghandler.h"
#include "noxqmlimports.h"
#include "noxstartup.h"
#include "noxstartupreport.h"
#include "uiappsettings.h"
#include "uimainwindow.h"
#include "uinavigator.h"
#include "uiroutes.h"
#include "uisessionarchive.h"
#include "uiwrapper.h"

#include <QFile>
#include <QGuiApplication>
#include <QLoggingCategory>
#include <QQmlApplicationEngine>
#include <QQmlComponent>
#include <QQmlContext>
#include <QQuickStyle>
#include <QQuickWindow>
#include <QSettings>
#include <QSurfaceFormat>
#include <QTextStream>

#include <cstdio>
#include <memory>

namespace {

const auto kFontDirectory = QStringLiteral(":/qt/qml/NoxRouletteUi/imports/Theme/fonts/open-sans");
const auto kImportPath = QStringLiteral(":/qt/qml/NoxRouletteUi/imports");
const auto kIconCheck = QStringLiteral(":/IconLibrary/material-symbols/close.svg");
const auto kMainUrl = QStringLiteral("qrc:/qt/qml/NoxBaccaratApp/");

/// Instance of a QML singleton of NoxRouletteModel, created on first request. The module's
/// types are registered when it is first imported, hence the empty component importing it.
template<typename T>
T *singleton(QQmlApplicationEngine &qml, const char *name)
{
    static const bool imported = [&qml] {
        QQmlComponent importer(&qml);
        importer.setData("import NoxRouletteModel\nimport QtQml\nQtObject {}", QUrl());
        std::unique_ptr<QObject>(importer.create());
        return true;
    }();
    Q_UNUSED(imported)
    const int typeId = qmlTypeId("NoxRouletteModel", 1, 0, name);
    return typeId < 0 ? nullptr : qml.singletonInstance<T *>(typeId);
}

} // namespace

int main(int argc, char *argv[])
{
    QSettings::setDefaultFormat(QSettings::IniFormat);

    // Without a display the platform plugin would abort with a core dump: say it plainly.
    QString noDisplay;
    if (!NoxStartup::displayAvailable(&noDisplay)) {
        std::fprintf(stderr,
                     "Baccarat Vantor Pro needs a graphical display and none is available (%s).\n"
                     "Start it from a desktop session, or set DISPLAY to a running X server.\n",
                     qPrintable(noDisplay));
        return 1;
    }

    QGuiApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("NoxBaccarat%1").arg(QString()));
    QCoreApplication::setOrganizationDomain(QStringLiteral("noxbaccarat.app"));
    QCoreApplication::setApplicationName(QStringLiteral("Baccarat Vantor Pro"));
    QCoreApplication::setApplicationVersion(QStringLiteral("1.2.3"));

    NoxLogHandler::install();
    QQuickWindow::setTextRenderType(QQuickWindow::QtTextRendering);

    const QString language = NoxStartup::language();
    qDebug().noquote() << QStringLiteral("INIT ") + language;

    // The QML side goes before the engine at the end: its objects hold the engine.
    auto qmlEngine = std::make_unique<QQmlApplicationEngine>();
    QQmlApplicationEngine &qml = *qmlEngine;
    Nox::NoxEngine engine(true);
    QObject::connect(
        &qml, &QQmlApplicationEngine::objectCreationFailed, &app, [] { QCoreApplication::exit(-1); },
        Qt::QueuedConnection);

    QQuickStyle::setStyle(QStringLiteral("CommonStyle"));
    QQuickStyle::setFallbackStyle(QStringLiteral("Basic"));
    QSurfaceFormat format = QSurfaceFormat::defaultFormat();
    format.setSamples(4);
    QSurfaceFormat::setDefaultFormat(format);

    QString failedFont;
    if (!NoxStartup::loadFonts(kFontDirectory, &failedFont)) {
        qFatal("failed to addApplicationFont: %s", qPrintable(failedFont));
    }

    // Qt 6.4 does not search ":/qt/qml" by default, where the program's modules are.
    qml.addImportPath(QStringLiteral(":/qt/qml"));
    qml.addImportPath(kImportPath);
    qml.rootContext()->setContextProperty(QStringLiteral("debug"), false);

    // Settings files Qt cannot parse are kept aside before they are read as defaults and
    // written again at shutdown.
    QStringList damaged;
    for (const QString &path :
         {QSettings().fileName(), QSettings(QSettings::IniFormat, QSettings::UserScope,
                                            QCoreApplication::organizationName(), QStringLiteral("engine"))
                                      .fileName()}) {
        const QString problem = NoxStartupReport::keepDamagedIniAside(path);
        if (!problem.isEmpty()) {
            qWarning().noquote() << problem;
            damaged.append(problem);
        }
    }

    // The language, the window's place and stay-on-top state: written within a second of a
    // change by a worker thread, and at once when the application quits.
    auto appSettings = std::make_unique<UIAppSettings>();
    QObject::connect(&app, &QCoreApplication::aboutToQuit, appSettings.get(), &UIAppSettings::flush);

    engine.setAsync(true);
    engine.loadMethods();
    engine.registerBuiltinMontantes();
    engine.setPersistence(true, QCoreApplication::organizationName());
    engine.loadUserMethods();
    QString libraryError;
    if (!engine.loadMontanteLibrary({}, true, &libraryError)) {
        qWarning().noquote() << "Progression library not loaded:" << libraryError;
        damaged.append(QCoreApplication::translate("NoxStartupReport",
                                                   "La bibliothèque de montantes n'a pas pu être lue (%1) : "
                                                   "les montantes intégrées sont utilisées.")
                           .arg(libraryError));
    }
    // Every session is archived beside the settings, coup by coup, on the archive's thread; a
    // damaged file or a failed write is told once in a notification and the play goes on.
    Nox::NoxArchive archive(engine.settingsDirectory() + QLatin1Char('/') +
                            QLatin1String(Nox::NoxArchive::kFileName));
    QObject::connect(&archive, &Nox::NoxArchive::problem, &engine,
                     [&engine](const QString &title, const QString &text) {
                         engine.addNotification({title, text, NoxNotification::Archive, false}, false);
                     });
    archive.attach(&engine);
    archive.start();
    if (const QString problem = engine.journalProblem(); !problem.isEmpty()) {
        damaged.append(problem);
    }
    NoxStartupReport report(&engine);
    for (const QString &problem : std::as_const(damaged)) {
        report.addProblem(problem);
    }
    qml.rootContext()->setContextProperty(QStringLiteral("startupReport"), &report);

    auto *wrapper = singleton<UIWrapper>(qml, "UIWrapper");
    if (!wrapper) {
        qCritical("The QML module NoxRouletteModel is not registered");
        return 1;
    }
    wrapper->setLanguage(language);

    if (auto *sessions = singleton<UISessionArchive>(qml, "UISessionArchive")) {
        sessions->setArchive(&archive);
    }

    auto *navigator = singleton<UINavigator>(qml, "UINavigator");
    if (!navigator) {
        qCritical("The QML module NoxRouletteModel is not registered");
        return 1;
    }
    navigator->setRoutes(UIRoutes::baccaratRoutes());
    navigator->enterPage(QStringLiteral("/home"), {}, false);

    if (!QFile::exists(kIconCheck)) {
        qWarning("Cannot init icons!");
        return 1;
    }

    qml.load(QUrl(kMainUrl + QStringLiteral("Main.qml")));
    // The main window owns the platform's user input; automatic bets click through it.
    if (auto *window = qobject_cast<UIMainWindow *>(qml.rootObjects().value(0))) {
        window->shareInputWith(wrapper);
    }

    engine.restart(true, true);
    const int result = QGuiApplication::exec();
    qmlEngine.reset();
    appSettings.reset();
    NoxLogHandler::uninstall();
    return result;
}
