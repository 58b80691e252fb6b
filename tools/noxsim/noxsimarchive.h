#pragma once

#include <QString>
#include <QStringList>

namespace Nox {

class NoxSimHistory;

/// noxsim over the archive of the sessions (the application's sessions.sqlite): the results of
/// archived sessions as a history, each session's shoes as shoes of the run, and the list of
/// the sessions (`noxsim sessions FILE`).
class NoxSimArchive
{
public:
    /// Reads the sessions `which` names ("all", or a session's number) of the edition
    /// `baccarat` into `history` (empty). "all" leaves out the other edition's sessions and
    /// says how many on the standard error; a number of the other edition is refused. False
    /// after printing why (no archive, no such session, no result).
    static bool read(const QString &path, const QString &which, bool baccarat, NoxSimHistory *history);
    /// `noxsim sessions FILE`: one line per session, newest first. Returns the exit code.
    static int list(const QStringList &arguments);
};

} // namespace Nox
