#include "methods/noxnumberlistparser.h"

namespace Nox {

std::optional<NoxNumberListParser::Record> NoxNumberListParser::parseLine(QStringView line)
{
    if (line.size() > kMaxLineLength) {
        return std::nullopt;
    }
    const qsizetype colon = line.indexOf(QLatin1Char(':'));
    if (colon < 0 || line.indexOf(QLatin1Char(':'), colon + 1) >= 0) {
        return std::nullopt;
    }
    Record record;
    record.name = line.left(colon).trimmed().toString();
    for (QStringView piece : line.mid(colon + 1).split(QLatin1Char(','))) {
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
    for (QStringView line : text.split(QLatin1Char('\n'))) {
        if (line.endsWith(QLatin1Char('\r'))) {
            line.chop(1);
        }
        if (auto record = parseLine(line)) {
            records.append(std::move(*record));
        }
    }
    return records;
}

} // namespace Nox
