#pragma once

#include <QString>

/// The process-wide message handler. Warnings and fatal messages go to standard error; every
/// message is also appended, as one UTF-8 line, to the debug log file when that file already
/// exists when the handler is first used (the player turns file logging on by creating the
/// file; nothing is ever created). Each message is then passed on to the handler that was
/// installed before. One mutex serialises the whole handler: the engine's worker threads log
/// too.
class NoxLogHandler
{
public:
    /// "C:\tmp\nox_debug.log" on Windows, "/tmp/nox_debug.log" elsewhere.
    [[nodiscard]] static QString defaultPath();

    /// Installs the handler with its log file at `path`. Installing again only changes the
    /// path used by the next first use (tests).
    static void install(const QString &path = defaultPath());

    /// Restores the handler that was installed before install(), and closes the log file.
    static void uninstall();
};
