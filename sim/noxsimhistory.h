#pragma once

#include "core/noxhistoryreader.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QStringList>

class QIODevice;

namespace Nox {

/// The shoes of a played history: its results, one byte each, and where each shoe ends (a
/// quarter of a list of ints; nothing of the text is kept).
///
/// read() is the one reader of history texts in noxsim: the command line reads its file with
/// it and NoxSimulator::parseHistory() its text. A blank line ends a shoe, and so does the
/// engine's limit of results per session, so that no shoe is longer than a session can hold.
class NoxSimHistory
{
public:
    /// Reads `device` (open for reading) into `history`, which must be empty, and returns
    /// the reader's summary. With `keepAfterRefusal` false the results after the first
    /// refused line are no longer kept (the caller will not play them), but every line is
    /// still read so that all refused lines are counted.
    static NoxHistoryReader::Summary read(QIODevice *device, const NoxHistoryReader::Options &options,
                                          bool keepAfterRefusal, NoxSimHistory *history);
    /// Reads a history file of the command line (`name` names it in the messages) the way
    /// read() does, without keeping the results after a refused line; false after printing
    /// to the standard error why it cannot be used (a read error, refused lines, no result).
    static bool readReporting(QIODevice *device, const QString &name, bool baccarat, NoxSimHistory *history);
    /// The messages of a summary's refused lines: one for each kept problem, then how many
    /// more lines do not parse.
    [[nodiscard]] static QStringList problemMessages(const NoxHistoryReader::Summary &summary, bool baccarat,
                                                     qsizetype maxLineLength);
    /// A refused line of a history as noxsim reports it.
    [[nodiscard]] static QString describeProblem(const NoxHistoryReader::Problem &problem, bool baccarat,
                                                 qsizetype maxLineLength);

    [[nodiscard]] qint64 shoeCount() const { return m_ends.size(); }
    [[nodiscard]] QByteArrayView shoeBytes(qint64 index) const;
    [[nodiscard]] QList<int> shoe(qint64 index) const;
    /// A short digest of the shoes, so that the shards of a run over one history compare
    /// equal wherever the file lies.
    [[nodiscard]] QString digest() const;
    /// Gives back the memory reserved ahead while reading.
    void squeeze();

private:
    QByteArray m_values;
    QList<qsizetype> m_ends; // one past the last value of each shoe
};

} // namespace Nox
