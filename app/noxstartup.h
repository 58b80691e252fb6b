#pragma once

#include <QString>
#include <QStringList>

/// Steps of the start-up that can fail on a player's machine and are tested on their own.
namespace NoxStartup {

/// True when the windowing system the application would use can be reached. On X11 it opens
/// and closes a connection to the display, so that a missing or dead X server is told to the
/// player in plain words instead of ending in an abort inside the platform plugin.
[[nodiscard]] bool displayAvailable(QString *reason = nullptr);

/// Adds every font file under `directory` (with subdirectories) to the application font
/// database and makes the first family of the first font the application font, 11 px,
/// normal weight. Returns false (with the failing path) when a file cannot be added.
bool loadFonts(const QString &directory, QString *failedPath = nullptr);

/// The languages the screens are translated into; French is the language they are written in.
[[nodiscard]] QStringList availableLanguages();

/// The language of the screens: `saved` when it is one of `available`, else the first of the
/// system's languages (`systemLanguages`, in order of preference, as "fr-FR", "en_GB" or "C")
/// whose two-letter code is one of them, else French. A C or POSIX locale has no language and
/// gives French.
[[nodiscard]] QString chooseLanguage(const QString &saved, const QStringList &systemLanguages,
                                     const QStringList &available);

/// chooseLanguage() for the saved "language" of the application settings, the system locale's
/// languages and the available translations.
[[nodiscard]] QString language();

} // namespace NoxStartup
