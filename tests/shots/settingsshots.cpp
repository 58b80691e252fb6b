// Screenshots of the settings screens and their dialogs, in French and in English, taken from
// the program's own window under a real X server:
//   settingsshots OUTPUT_DIR [PREFIX]
// writes OUTPUT_DIR/<language>_<shot>.png for every shot (whose name starts with PREFIX).

#include "archive/noxarchive.h"
#include "engine/noxengine.h"
#include "noxqmlimports.h"
#include "uinavigator.h"
#include "uiriskestimate.h"
#include "uiroutes.h"
#include "uisessionarchive.h"
#include "uiwrapper.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QQmlApplicationEngine>
#include <QQmlComponent>
#include <QQmlContext>
#include <QQuickStyle>
#include <QQuickWindow>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include <cstdio>
#include <memory>

namespace {

struct Shot {
    const char *name;
    const char *page;
};

/// Every shot: its name (also the case of ShotHarness.prepare) and the page it is taken on.
const Shot kShots[] = {
    {"settings", "/settings"},
    {"settings_financial", "/settings"},
    {"settings_financial_risk", "/settings"},
    {"settings_capital", "/settings"},
    {"settings_filters", "/settings"},
    {"settings_parameters", "/settings"},
    {"settings_calibration", "/settings"},
    {"settings_calibration_end", "/settings"},
    {"settings_calibration_chips", "/settings"},
    {"settings_calibration_table", "/settings"},
    {"settings_calibration_done", "/settings"},
    {"settings_calibration_preview", "/settings"},
    {"settings_notifications", "/settings"},
    {"settings_notifications_end", "/settings"},
    {"settings_played", "/settings"},
    {"settings_import", "/settings"},
    {"settings_import_paste", "/settings"},
    {"settings_import_reading", "/settings"},
    {"settings_import_done", "/settings"},
    {"settings_tie", "/settings"},
    {"settings_other", "/settings"},
    {"visibility", "/settings/methods/visibility"},
    {"visibility_load", "/settings/methods/visibility"},
    {"visibility_save", "/settings/methods/visibility"},
    {"ecartnotif", "/settings/methods/ecartnotif"},
    {"blocks", "/settings/methods/blocks"},
    {"blocksdom", "/settings/methods/blocksdom"},
    {"montante_user", "/settings/montantes/user"},
    {"settings_progression_list", "/settings"},
    {"settings_language_list", "/settings"},
    {"montante_user_picker", "/settings/montantes/user"},
    {"montante_user_moves", "/settings/montantes/user"},
    {"home_sort_list", "/home"},
    {"montante_import_report", "/settings/montantes/user"},
    {"visibility_profile_error", "/settings/methods/visibility"},
    {"home_quick_tie", "/home"},
    {"settings_guards", "/settings"},
    {"settings_guards_end", "/settings"},
    {"settings_guards_refused", "/settings"},
    {"settings_guards_maxstake", "/settings"},
    {"home_key_limits", "/home"},
    {"home_key_refused", "/home"},
    {"home_guard_stop", "/home"},
    {"sessions", "/settings/sessions"},
    {"sessions_selected", "/settings/sessions"},
    {"sessions_delete", "/settings/sessions"},
    {"sessions_export", "/settings/sessions"},
    {"sessions_all", "/settings/sessions"},
};

/// Evenings as a player leaves them: a dozen sessions over the last weeks, of 20 to 230 coups
/// with a shoe or two, winning and losing, the oldest a roulette evening.
void fillArchive(Nox::NoxArchive &archive)
{
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    quint32 seed = 7;
    const auto next = [&seed](quint32 n) {
        seed = seed * 1103515245u + 12345u;
        return (seed >> 16) % n;
    };
    for (int k = 11; k >= 0; --k) {
        const bool baccarat = k != 11;
        const QString uid = QStringLiteral("shot%1").arg(k);
        const qint64 start = now - qint64(k) * 2 * 24 * 3600 * 1000 - 3 * 3600 * 1000;
        Nox::NoxSessionRecord r;
        r.kind = Nox::NoxSessionRecord::Started;
        r.sessionId = uid;
        r.baccarat = baccarat;
        r.timeMs = r.startMs = start;
        r.startCapital = 100000;
        r.methods = {QStringLiteral("BANKER"), QStringLiteral("AUTO Hawks")};
        r.montantes = {QStringLiteral("Martingale classique (commune)")};
        archive.record(r);
        qint64 capital = 100000;
        const int coups = 20 + int(next(210));
        for (int i = 1; i <= coups; ++i) {
            Nox::NoxSessionRecord c = r;
            c.kind = Nox::NoxSessionRecord::Coup;
            c.timeMs = start + i * 45000;
            c.value = baccarat ? int(next(100) < 10 ? 0 : 1 + next(2)) : int(next(37));
            const int stake = 500 * (1 + int(next(4)));
            c.stakes = {
                Nox::NoxBet{baccarat ? Nox::NoxBetItemID::B_BANKER : Nox::NoxBetItemID::CS_R, stake, 0}};
            c.stake = stake;
            c.gain = next(100) < (k % 3 == 0 ? 44 : 53) ? stake : -stake;
            capital += c.gain;
            c.capital = capital;
            c.newShoe = baccarat && i == 80;
            archive.record(c);
        }
    }
    archive.waitForWritten();
}

template<typename T>
T *singleton(QQmlEngine &qml, const char *name)
{
    const int typeId = qmlTypeId("NoxRouletteModel", 1, 0, name);
    return typeId < 0 ? nullptr : qml.singletonInstance<T *>(typeId);
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    QCoreApplication::setOrganizationName(QStringLiteral("NoxBaccaratShots"));
    QCoreApplication::setApplicationName(QStringLiteral("Baccarat Vantor Pro"));
    QCoreApplication::setApplicationVersion(QStringLiteral(NOX_VERSION));
    QStandardPaths::setTestModeEnabled(true);
    if (argc < 2) {
        std::fprintf(stderr, "usage: settingsshots OUTPUT_DIR [PREFIX]\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    const QString prefix = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString();
    QDir().mkpath(out.path());

    QQuickStyle::setStyle(QStringLiteral("CommonStyle"));
    QQuickStyle::setFallbackStyle(QStringLiteral("Basic"));
    QQmlApplicationEngine qml;
    qml.addImportPath(QStringLiteral(":/qt/qml"));
    qml.addImportPath(QStringLiteral(":/qt/qml/NoxRouletteUi/imports"));
    qml.rootContext()->setContextProperty(QStringLiteral("debug"), false);
    // A binary file for the shots of what the file actions say about one.
    QTemporaryDir files;
    const QString binary = files.filePath(QStringLiteral("picture.png"));
    QFile binaryFile(binary);
    if (binaryFile.open(QIODevice::WriteOnly)) {
        QByteArray bytes("\x89PNG\r\n\x1a\n\0\0\0\rIHDR\0\0\x01:\0\x02\x08\x06\n", 25);
        for (int i = 0; i < 40; ++i) {
            bytes += "\xff\xd8" + QByteArray::number(i * 7919) + ":\x01\x02\n";
        }
        binaryFile.write(bytes);
        binaryFile.close();
    }
    qml.rootContext()->setContextProperty(QStringLiteral("shotBinaryFile"),
                                          QUrl::fromLocalFile(binary).toString());

    Nox::NoxEngine engine(true);
    engine.loadMethods();
    engine.registerBuiltinMontantes();
    QString error;
    engine.loadMontanteLibrary({}, true, &error);
    engine.restart(true, true);
    // A few results so that the figures and the export show something.
    for (int v : {1, 2, 2, 0, 1, 2, 1, 1, 2, 0}) {
        engine.playValueInternal(v, true).waitForFinished();
    }

    QQmlComponent importer(&qml);
    importer.setData("import NoxRouletteModel\nimport QtQml\nQtObject {}", QUrl());
    std::unique_ptr<QObject>(importer.create());
    auto *navigator = singleton<UINavigator>(qml, "UINavigator");
    auto *facade = singleton<UIWrapper>(qml, "UIWrapper");
    if (!navigator || !facade) {
        std::fprintf(stderr, "settingsshots: the NoxRouletteModel singletons are missing\n");
        return 1;
    }
    navigator->setRoutes(UIRoutes::baccaratRoutes());
    navigator->enterPage(QStringLiteral("/home"), {}, true);
    Nox::NoxArchive archive(files.filePath(QStringLiteral("sessions.sqlite")));
    archive.start();
    fillArchive(archive);
    if (auto *sessions = singleton<UISessionArchive>(qml, "UISessionArchive")) {
        sessions->setArchive(&archive);
    }

    qml.load(QUrl::fromLocalFile(QStringLiteral(NOX_SHOT_HARNESS)));
    if (qml.rootObjects().isEmpty()) {
        return 1;
    }
    auto *window = qobject_cast<QQuickWindow *>(qml.rootObjects().constFirst());
    if (!QTest::qWaitForWindowExposed(window))
        qWarning("settingsshots: the window was not exposed");

    int failures = 0;
    for (const QString &language : {QStringLiteral("fr"), QStringLiteral("en")}) {
        facade->setLanguage(language);
        for (const Shot &shot : kShots) {
            if (!QLatin1String(shot.name).startsWith(prefix)) {
                continue;
            }
            navigator->replaceAllPages(QStringLiteral("/home"), {}, true);
            QTest::qWait(50);
            navigator->enterPage(QString::fromLatin1(shot.page), {}, true);
            QTest::qWait(150);
            QMetaObject::invokeMethod(window, "prepare", Q_ARG(QString, QString::fromLatin1(shot.name)));
            // A shot that starts the risk estimate shows its outcome: taken once it is in
            // (however loaded the machine), then the page settles as for every shot.
            QTest::qWait(100);
            if (!QTest::qWaitFor([facade] { return !facade->risk()->running(); }, 60000)) {
                std::fprintf(stderr, "settingsshots: the risk estimate of %s did not end\n", shot.name);
                ++failures;
            }
            QTest::qWait(700);
            const QImage image = window->grabWindow();
            const QString path =
                out.filePath(language + QLatin1Char('_') + QLatin1String(shot.name) + QStringLiteral(".png"));
            if (image.isNull() || !image.save(path)) {
                std::fprintf(stderr, "settingsshots: could not save %s\n", qPrintable(path));
                ++failures;
            }
        }
    }
    navigator->replaceAllPages(QStringLiteral("/home"), {}, true);
    return failures == 0 ? 0 : 1;
}
