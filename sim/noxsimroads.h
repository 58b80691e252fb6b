#pragma once

#include <QJsonObject>
#include <QList>
#include <QString>
#include <QStringList>

class QIODevice;

namespace Nox {

class NoxRoads;

/// `noxsim roads [FILE]`: the scoreboard roads of every shoe of a baccarat history (a file, or
/// the standard input), as one JSON document {"shoes": [...]}, one object per shoe.
///
/// The history is read as noxsim reads it (NoxHistoryReader, the same messages for bad lines,
/// exit code 2), kept one byte per result, and only then printed, one shoe at a time: bad
/// input never leaves half a document on the standard output.
///
/// Thread rules: runs on the main thread of the tool.
class NoxSimRoads
{
public:
    /// Runs the command; `arguments` start with the program's name, "roads" left out. Returns
    /// the exit code.
    static int run(const QStringList &arguments);
    /// The JSON object of the current shoe of `roads`.
    [[nodiscard]] static QJsonObject shoeJson(const NoxRoads &roads);
};

} // namespace Nox
