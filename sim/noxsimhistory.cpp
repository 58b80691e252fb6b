#include "noxsimhistory.h"

#include "engine/noxengine.h"

#include <QCryptographicHash>
#include <QTextStream>

namespace Nox {

NoxHistoryReader::Summary NoxSimHistory::read(QIODevice *device, const NoxHistoryReader::Options &options,
                                              bool keepAfterRefusal, NoxSimHistory *history)
{
    NoxHistoryReader reader(device, options);
    QByteArray &values = history->m_values;
    qsizetype shoeStart = values.size();
    const auto endShoe = [&] {
        if (values.size() > shoeStart) {
            history->m_ends.append(values.size());
            shoeStart = values.size();
        }
    };
    NoxHistoryReader::Line line;
    while (reader.next(&line)) {
        if (!keepAfterRefusal && reader.summary().refused > 0) {
            continue;
        }
        if (line.status == NoxHistoryReader::Status::Blank) {
            endShoe();
        } else if (line.status == NoxHistoryReader::Status::Taken ||
                   line.status == NoxHistoryReader::Status::Corrected) {
            values.append(char(line.value));
            if (values.size() - shoeStart == NoxEngine::kMaxPlayed) {
                endShoe(); // the engine keeps at most this many values per session
            }
        }
    }
    endShoe();
    return reader.summary();
}

bool NoxSimHistory::readReporting(QIODevice *device, const QString &name, bool baccarat,
                                  NoxSimHistory *history)
{
    NoxHistoryReader::Options options;
    options.baccarat = baccarat;
    options.tooLong = NoxHistoryReader::TooLongLines::Stop;
    const NoxHistoryReader::Summary summary = read(device, options, false, history);
    QTextStream err(stderr);
    if (!summary.error.isEmpty() && !summary.stopped) {
        err << "noxsim: cannot read " << name << ": " << summary.error << Qt::endl;
        return false;
    }
    if (summary.refused > 0) {
        for (const QString &message : problemMessages(summary, baccarat, options.maxLineLength)) {
            err << name << ": " << message << Qt::endl;
        }
        if (summary.stopped) {
            err << name << ": reading stopped at line " << summary.lines << ": not a history file?"
                << Qt::endl;
        }
        return false;
    }
    if (history->shoeCount() == 0) {
        err << "noxsim: " << name << " holds no result" << Qt::endl;
        return false;
    }
    history->squeeze();
    return true;
}

QStringList NoxSimHistory::problemMessages(const NoxHistoryReader::Summary &summary, bool baccarat,
                                           qsizetype maxLineLength)
{
    QStringList messages;
    for (const NoxHistoryReader::Problem &p : summary.problems) {
        messages.append(describeProblem(p, baccarat, maxLineLength));
    }
    if (summary.refused > summary.problems.size()) {
        messages.append(
            QStringLiteral("%1 more lines do not parse").arg(summary.refused - summary.problems.size()));
    }
    return messages;
}

QString NoxSimHistory::describeProblem(const NoxHistoryReader::Problem &problem, bool baccarat,
                                       qsizetype maxLineLength)
{
    if (problem.tooLong) {
        return QStringLiteral("line %1 is too long (more than %2 bytes)")
            .arg(problem.line)
            .arg(maxLineLength);
    }
    return QStringLiteral("line %1: \"%2\" is not a %3")
        .arg(problem.line)
        .arg(QString::fromUtf8(problem.text), baccarat ? QStringLiteral("baccarat result (T, P or B)")
                                                       : QStringLiteral("roulette number (0 to 36)"));
}

QByteArrayView NoxSimHistory::shoeBytes(qint64 index) const
{
    const qsizetype begin = index > 0 ? m_ends.at(index - 1) : 0;
    return QByteArrayView(m_values).sliced(begin, m_ends.at(index) - begin);
}

QList<int> NoxSimHistory::shoe(qint64 index) const
{
    const QByteArrayView bytes = shoeBytes(index);
    QList<int> list;
    list.reserve(bytes.size());
    for (char v : bytes) {
        list.append(int(v));
    }
    return list;
}

QString NoxSimHistory::digest() const
{
    QCryptographicHash hash(QCryptographicHash::Sha256);
    for (qint64 i = 0; i < shoeCount(); ++i) {
        hash.addData(shoeBytes(i));
        hash.addData(QByteArrayView("\xff", 1));
    }
    return QString::fromLatin1(hash.result().toHex().left(16));
}

void NoxSimHistory::squeeze()
{
    m_values.squeeze();
    m_ends.squeeze();
}

} // namespace Nox
