#include "noxstartup.h"

#include <QDirIterator>
#include <QFont>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QLocale>
#include <QLoggingCategory>
#include <QSettings>

#ifdef NOX_HAVE_X11
#include <X11/Xlib.h>
#endif

Q_LOGGING_CATEGORY(lcNoxStartup, "nox.ui.startup")

namespace NoxStartup {

bool displayAvailable(QString *reason)
{
#ifdef NOX_HAVE_X11
    const QByteArray platform = qgetenv("QT_QPA_PLATFORM");
    if (platform.startsWith("wayland")) {
        if (qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
            if (reason) {
                *reason = QStringLiteral("WAYLAND_DISPLAY is not set");
            }
            return false;
        }
        return true;
    }
    if (!platform.isEmpty() && !platform.startsWith("xcb")) {
        return true; // offscreen, vnc, eglfs...: not ours to check
    }
    if (platform.isEmpty() && !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
        qEnvironmentVariableIsEmpty("DISPLAY")) {
        return true;
    }
    const QByteArray display = qgetenv("DISPLAY");
    if (display.isEmpty()) {
        if (reason) {
            *reason = QStringLiteral("DISPLAY is not set");
        }
        return false;
    }
    Display *connection = XOpenDisplay(display.constData());
    if (!connection) {
        if (reason) {
            *reason = QStringLiteral("the X server %1 does not answer").arg(QString::fromLocal8Bit(display));
        }
        return false;
    }
    XCloseDisplay(connection);
    return true;
#else
    Q_UNUSED(reason)
    return true;
#endif
}

bool loadFonts(const QString &directory, QString *failedPath)
{
    int firstId = -1;
    QDirIterator it(directory, QDir::Files, QDirIterator::Subdirectories);
    QStringList files;
    while (it.hasNext()) {
        files.append(it.next());
    }
    // Resource iteration order is not guaranteed: sort so that the first font is always the same.
    files.sort();
    for (const QString &path : std::as_const(files)) {
        qCDebug(lcNoxStartup).noquote() << QStringLiteral("addApplicationFont: ") + path;
        const int id = QFontDatabase::addApplicationFont(path);
        if (id < 0) {
            if (failedPath) {
                *failedPath = path;
            }
            return false;
        }
        if (firstId < 0) {
            firstId = id;
        }
    }
    if (firstId >= 0) {
        const QStringList families = QFontDatabase::applicationFontFamilies(firstId);
        if (!families.isEmpty()) {
            QFont font(families.constFirst());
            font.setPixelSize(11);
            font.setWeight(QFont::Normal);
            QGuiApplication::setFont(font);
        }
    }
    qCDebug(lcNoxStartup).noquote() << QStringLiteral("Font family: ") + QGuiApplication::font().family();
    return true;
}

QStringList availableLanguages()
{
    return {QStringLiteral("fr"), QStringLiteral("en")};
}

QString chooseLanguage(const QString &saved, const QStringList &systemLanguages, const QStringList &available)
{
    if (available.contains(saved)) {
        return saved;
    }
    for (const QString &name : systemLanguages) {
        // "C" and "POSIX" name no language: QLocale gives them the C language, with no code.
        const QLocale locale(name);
        if (locale.language() == QLocale::C) {
            continue;
        }
        const QString code = QLocale::languageToCode(locale.language(), QLocale::ISO639Part1);
        if (available.contains(code)) {
            return code;
        }
    }
    return QStringLiteral("fr");
}

QString language()
{
    const QSettings settings;
    return chooseLanguage(settings.value(QStringLiteral("language")).toString(),
                          QLocale::system().uiLanguages(), availableLanguages());
}

} // namespace NoxStartup
