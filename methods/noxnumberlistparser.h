#pragma once

#include <QList>
#include <QString>
#include <QStringView>

#include <functional>
#include <optional>

namespace Nox {

struct NoxNumberListRecord {
    QString name;
    QList<int> ids;
    friend bool operator==(const NoxNumberListRecord &, const NoxNumberListRecord &) = default;
};

/// What a file of user methods gave: the records of the lines taken, and the lines refused
/// (blank lines are neither).
struct NoxNumberListReading {
    QList<NoxNumberListRecord> records;
    int refused = 0;
    /// 1-based numbers of the first refused lines, at most NoxNumberListParser::kReportedLines.
    QList<int> firstRefusedLines;
};

/// Reads "name:numbers" lines (user methods and the built-in number sets): the name is the
/// trimmed text before the only colon, the numbers are the comma-separated pieces after it
/// that read as decimal integers (surrounding spaces allowed). Other lines are skipped.
class NoxNumberListParser
{
public:
    using Record = NoxNumberListRecord;

    using Reading = NoxNumberListReading;

    /// Longest line considered: a real line holds at most a few hundred characters.
    static constexpr qsizetype kMaxLineLength = 64 * 1024;
    /// Longest method name a user file may give: the lists show a few dozen characters.
    static constexpr qsizetype kMaxNameLength = 127;
    /// How many refused line numbers a reading keeps for the player.
    static constexpr int kReportedLines = 5;

    [[nodiscard]] static std::optional<Record> parseLine(QStringView line);
    [[nodiscard]] static QList<Record> parse(QStringView text);

    /// The strict rule of a file given by the player: a line is taken only when it is a name
    /// and numbers. The name holds printable characters only (no control character, none of
    /// the replacement characters that bytes of a binary file decode to) and at most
    /// kMaxNameLength of them; it may be empty. After the colon come one or more
    /// comma-separated decimal integers (spaces around them and empty pieces allowed), each
    /// one `acceptsNumber` takes. Any other line, except a blank one, is refused.
    [[nodiscard]] static std::optional<Record> parseStrictLine(QStringView line,
                                                               const std::function<bool(int)> &acceptsNumber);
    [[nodiscard]] static Reading read(QStringView text, const std::function<bool(int)> &acceptsNumber);
};

} // namespace Nox
