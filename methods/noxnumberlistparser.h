#pragma once

#include <QList>
#include <QString>
#include <QStringView>

#include <optional>

namespace Nox {

/// Reads "name:numbers" lines (user methods and the built-in number sets): the name is the
/// trimmed text before the only colon, the numbers are the comma-separated pieces after it
/// that read as decimal integers (surrounding spaces allowed). Other lines are skipped.
class NoxNumberListParser
{
public:
    struct Record {
        QString name;
        QList<int> ids;
        friend bool operator==(const Record &, const Record &) = default;
    };

    /// Longest line considered: a real line holds at most a few hundred characters.
    static constexpr qsizetype kMaxLineLength = 64 * 1024;

    [[nodiscard]] static std::optional<Record> parseLine(QStringView line);
    [[nodiscard]] static QList<Record> parse(QStringView text);
};

} // namespace Nox
