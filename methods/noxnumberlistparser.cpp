#include "methods/noxnumberlistparser.h"

#include <algorithm>

namespace Nox {

namespace {

/// The lines of a text, without their line ends (LF or CR LF).
template<typename F>
void forEachLine(QStringView text, F &&f)
{
    int number = 0;
    for (QStringView line : text.split(QLatin1Char('\n'))) {
        if (line.endsWith(QLatin1Char('\r'))) {
            line.chop(1);
        }
        f(line, ++number);
    }
}

/// What stands before and after the only colon of a line of acceptable length.
std::optional<std::pair<QStringView, QStringView>> splitAtColon(QStringView line)
{
    if (line.size() > NoxNumberListParser::kMaxLineLength) {
        return std::nullopt;
    }
    const qsizetype colon = line.indexOf(QLatin1Char(':'));
    if (colon < 0 || line.indexOf(QLatin1Char(':'), colon + 1) >= 0) {
        return std::nullopt;
    }
    return std::pair{line.left(colon), line.mid(colon + 1)};
}

bool isNameCharacter(QChar c)
{
    return c.isPrint() && c != QChar::ReplacementCharacter;
}

} // namespace

std::optional<NoxNumberListParser::Record> NoxNumberListParser::parseLine(QStringView line)
{
    const auto parts = splitAtColon(line);
    if (!parts) {
        return std::nullopt;
    }
    Record record;
    record.name = parts->first.trimmed().toString();
    for (QStringView piece : parts->second.split(QLatin1Char(','))) {
        bool ok = false;
        const int id = piece.trimmed().toInt(&ok, 10);
        if (ok) {
            record.ids.append(id);
        }
    }
    return record;
}

QList<NoxNumberListParser::Record> NoxNumberListParser::parse(QStringView text)
{
    QList<Record> records;
    forEachLine(text, [&records](QStringView line, int) {
        if (auto record = parseLine(line)) {
            records.append(std::move(*record));
        }
    });
    return records;
}

std::optional<NoxNumberListParser::Record>
NoxNumberListParser::parseStrictLine(QStringView line, const std::function<bool(int)> &acceptsNumber)
{
    const auto parts = splitAtColon(line);
    if (!parts) {
        return std::nullopt;
    }
    const QStringView name = parts->first.trimmed();
    if (name.size() > kMaxNameLength || !std::all_of(name.begin(), name.end(), isNameCharacter)) {
        return std::nullopt;
    }
    Record record;
    record.name = name.toString();
    for (QStringView piece : parts->second.split(QLatin1Char(','))) {
        piece = piece.trimmed();
        if (piece.isEmpty()) {
            continue; // "1,2," and "1, ,2" still list numbers
        }
        // Digits only: toInt() alone would also take a sign.
        const bool digits = std::all_of(piece.begin(), piece.end(),
                                        [](QChar c) { return c.isDigit() && c.unicode() < 0x80; });
        bool ok = false;
        const int id = digits ? piece.toInt(&ok, 10) : 0;
        if (!ok || (acceptsNumber && !acceptsNumber(id))) {
            return std::nullopt;
        }
        record.ids.append(id);
    }
    if (record.ids.isEmpty()) {
        return std::nullopt;
    }
    return record;
}

NoxNumberListParser::Reading NoxNumberListParser::read(QStringView text,
                                                       const std::function<bool(int)> &acceptsNumber)
{
    Reading reading;
    forEachLine(text, [&](QStringView line, int number) {
        if (line.trimmed().isEmpty()) {
            return;
        }
        if (auto record = parseStrictLine(line, acceptsNumber)) {
            reading.records.append(std::move(*record));
            return;
        }
        ++reading.refused;
        if (reading.firstRefusedLines.size() < kReportedLines) {
            reading.firstRefusedLines.append(number);
        }
    });
    return reading;
}

} // namespace Nox
