#pragma once

#include <QString>

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

/// The language of the screens: the saved "language" of the application settings, or the
/// two-letter code of the system locale's language.
[[nodiscard]] QString language();

} // namespace NoxStartup
