#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <atomic>

class QIODevice;

namespace Nox {

/// Reads a played-history text as a stream: one result per line ("T", "P", "B" at baccarat,
/// 0 to 36 at roulette), "#" comments, blank lines between shoes. Lines end with "\n", "\r\n"
/// or "\r"; line numbers count from 1.
///
/// The reader holds one block of the device and one line, never the whole text: a line longer
/// than maxLineLength bytes is not kept but reported as too long, and only the first
/// keptProblems refused lines are remembered (all are counted). That bounds its memory
/// whatever the device delivers, /dev/zero included.
///
/// What the player obviously meant is taken and reported as corrected: surrounding spaces,
/// lower case, the words "player", "banker" and "tie", a number written "05" or "+5".
///
/// Thread rules: a reader belongs to the thread that calls next(); cancel(), bytesRead() and
/// isCanceled() may be called from any thread.
class NoxHistoryReader
{
public:
    static constexpr qsizetype kMaxLineLength = 4096;
    static constexpr int kKeptProblems = 20;
    /// Bytes of a refused line kept to show it.
    static constexpr qsizetype kShownLength = 40;

    enum class Status {
        Taken,     ///< a result written as expected
        Corrected, ///< a result after normalising the line
        Comment,
        Blank,   ///< an empty line: the end of a shoe
        Refused, ///< not a result of the game
        TooLong, ///< longer than maxLineLength; its text is not kept
    };

    /// What a line longer than the limit does.
    enum class TooLongLines {
        Stop, ///< next() returns it and then ends the reading
        Skip, ///< next() returns it and reading goes on at the next line
    };

    struct Options {
        bool baccarat = true;
        qsizetype maxLineLength = kMaxLineLength;
        int keptProblems = kKeptProblems;
        TooLongLines tooLong = TooLongLines::Stop;
    };

    /// One line as read.
    struct Line {
        Status status = Status::Blank;
        qint64 number = 0;
        int value = -1; ///< for Taken and Corrected
    };

    /// A refused or too long line, for the message.
    struct Problem {
        qint64 line = 0;
        bool tooLong = false;
        QByteArray text; ///< the first kShownLength bytes of a refused line, trimmed

        friend bool operator==(const Problem &, const Problem &) = default;
    };

    /// What the reading did so far.
    struct Summary {
        qint64 lines = 0; ///< lines read
        qint64 taken = 0; ///< results, corrected ones included
        qint64 corrected = 0;
        qint64 refused = 0; ///< refused lines, too long ones included
        qint64 tooLong = 0;
        QList<Problem> problems; ///< the first keptProblems refused lines
        bool stopped = false;    ///< a too long line ended the reading (TooLongLines::Stop)
        bool canceled = false;
        /// A read error of the device, or why the reading stopped; empty otherwise.
        QString error;

        /// True when every line was read and none was refused.
        [[nodiscard]] bool ok() const { return refused == 0 && error.isEmpty() && !canceled; }
    };

    /// Reads `device`, which must be open for reading; the reader does not own it.
    NoxHistoryReader(QIODevice *device, Options options);

    /// The next line, whatever it holds; false at the end of the text, after a read error, after
    /// a too long line with TooLongLines::Stop, or after cancel().
    bool next(Line *line);
    /// Reads to the end and calls `value(v)` for every result and `shoeEnd()` at every blank
    /// line; returns the summary.
    template<typename Value, typename ShoeEnd>
    Summary readAll(Value &&value, ShoeEnd &&shoeEnd)
    {
        Line line;
        while (next(&line)) {
            if (line.status == Status::Taken || line.status == Status::Corrected) {
                value(line.value);
            } else if (line.status == Status::Blank) {
                shoeEnd();
            }
        }
        return summary();
    }

    [[nodiscard]] const Summary &summary() const { return m_summary; }
    /// Stops the reading at the next line; from any thread.
    void cancel() { m_cancel = true; }
    [[nodiscard]] bool isCanceled() const { return m_cancel; }
    /// Bytes taken from the device so far; from any thread.
    [[nodiscard]] qint64 bytesRead() const { return m_bytesRead; }

    /// The value a line stands for, with `corrected` set when it had to be normalised; -1 when
    /// it is not a result of the game. The line has no line break; empty lines and comments
    /// are not results.
    static int parse(QByteArrayView line, bool baccarat, bool *corrected);

private:
    /// Fills m_block when it is used up; false at the end of the device or on an error.
    bool fill();
    /// Reads the bytes of the next line into m_line (at most the limit); false at the end.
    bool readLine(bool *tooLong);
    void refuse(qint64 number, bool tooLong, QByteArrayView text);

    QIODevice *m_device;
    Options m_options;
    QByteArray m_block;
    qsizetype m_pos = 0;
    QByteArray m_line;
    bool m_afterCr = false; // the previous line ended with "\r": a "\n" next belongs to it
    bool m_atEnd = false;
    bool m_done = false;
    Summary m_summary;
    std::atomic<bool> m_cancel{false};
    std::atomic<qint64> m_bytesRead{0};
};

} // namespace Nox
