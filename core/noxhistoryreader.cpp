#include "noxhistoryreader.h"

#include <QIODevice>

namespace Nox {

namespace {

// Bytes asked of the device at a time.
constexpr qint64 kBlockSize = 64 * 1024;

bool isSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\v' || c == '\f';
}

// Without the spaces around it, the no-break space of pasted web text (UTF-8 C2 A0) included.
QByteArrayView trimmed(QByteArrayView text)
{
    for (;;) {
        if (!text.isEmpty() && isSpace(text.front())) {
            text = text.sliced(1);
        } else if (text.startsWith("\xc2\xa0")) {
            text = text.sliced(2);
        } else {
            break;
        }
    }
    for (;;) {
        if (!text.isEmpty() && isSpace(text.back())) {
            text.chop(1);
        } else if (text.endsWith("\xc2\xa0")) {
            text.chop(2);
        } else {
            break;
        }
    }
    return text;
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// A roulette number in decimal digits only, up to 36; -1 otherwise.
int number(QByteArrayView digits)
{
    if (digits.isEmpty() || digits.size() > 3) {
        return -1;
    }
    int n = 0;
    for (char c : digits) {
        if (!isDigit(c)) {
            return -1;
        }
        n = n * 10 + (c - '0');
    }
    return n <= 36 ? n : -1;
}

} // namespace

NoxHistoryReader::NoxHistoryReader(QIODevice *device, Options options)
    : m_device(device)
    , m_options(options)
{
    m_line.reserve(qMin<qsizetype>(m_options.maxLineLength, 256));
}

int NoxHistoryReader::parse(QByteArrayView line, bool baccarat, bool *corrected)
{
    *corrected = false;
    if (baccarat) {
        if (line.size() == 1) {
            switch (line.front()) {
            case 'T':
                return 0;
            case 'P':
                return 1;
            case 'B':
                return 2;
            default:
                break;
            }
        }
        const QByteArray word = trimmed(line).toByteArray().toUpper();
        int value = -1;
        if (word == "T" || word == "TIE") {
            value = 0;
        } else if (word == "P" || word == "PLAYER") {
            value = 1;
        } else if (word == "B" || word == "BANKER") {
            value = 2;
        }
        *corrected = value >= 0;
        return value;
    }
    const bool canonical = !line.isEmpty() && (line.front() != '0' || line.size() == 1);
    const int exact = canonical ? number(line) : -1;
    if (exact >= 0) {
        return exact;
    }
    QByteArrayView digits = trimmed(line);
    if (digits.startsWith('+')) {
        digits = digits.sliced(1);
    }
    while (digits.size() > 1 && digits.front() == '0') {
        digits = digits.sliced(1);
    }
    const int value = number(digits);
    *corrected = value >= 0;
    return value;
}

bool NoxHistoryReader::fill()
{
    if (m_atEnd) {
        return false;
    }
    m_block.resize(kBlockSize);
    const qint64 n = m_device->read(m_block.data(), kBlockSize);
    if (n <= 0) {
        if (n < 0) {
            m_summary.error = QStringLiteral("cannot read: %1").arg(m_device->errorString());
        }
        m_block.clear();
        m_atEnd = true;
        return false;
    }
    m_block.resize(n);
    m_pos = 0;
    m_bytesRead += n;
    return true;
}

bool NoxHistoryReader::readLine(bool *tooLong)
{
    m_line.clear();
    *tooLong = false;
    bool started = false;
    for (;;) {
        if (m_pos >= m_block.size() && !fill()) {
            return started;
        }
        if (m_afterCr) {
            m_afterCr = false;
            if (m_block.at(m_pos) == '\n') {
                ++m_pos;
                continue;
            }
        }
        started = true;
        const char *begin = m_block.constData() + m_pos;
        const qsizetype left = m_block.size() - m_pos;
        qsizetype end = 0;
        while (end < left && begin[end] != '\n' && begin[end] != '\r') {
            ++end;
        }
        if (!*tooLong) {
            if (m_line.size() + end > m_options.maxLineLength) {
                *tooLong = true;
                m_line.clear();
                if (m_options.tooLong == TooLongLines::Stop) {
                    return true;
                }
            } else {
                m_line.append(begin, end);
            }
        }
        m_pos += end;
        if (end < left) {
            m_afterCr = begin[end] == '\r';
            ++m_pos;
            return true;
        }
        if (m_cancel) {
            return true; // a long line being skipped: next() sees the cancel
        }
    }
}

void NoxHistoryReader::refuse(qint64 number, bool tooLong, QByteArrayView text)
{
    ++m_summary.refused;
    if (tooLong) {
        ++m_summary.tooLong;
    }
    if (m_summary.problems.size() < m_options.keptProblems) {
        Problem problem;
        problem.line = number;
        problem.tooLong = tooLong;
        problem.text = trimmed(text).first(std::min(trimmed(text).size(), kShownLength)).toByteArray();
        m_summary.problems.append(problem);
    }
}

bool NoxHistoryReader::next(Line *line)
{
    if (m_done) {
        return false;
    }
    if (m_cancel) {
        m_summary.canceled = true;
        m_done = true;
        return false;
    }
    bool tooLong = false;
    if (!readLine(&tooLong)) {
        m_done = true;
        return false;
    }
    line->number = ++m_summary.lines;
    line->value = -1;
    if (tooLong) {
        line->status = Status::TooLong;
        refuse(line->number, true, {});
        if (m_options.tooLong == TooLongLines::Stop) {
            m_summary.stopped = true;
            m_summary.error = QStringLiteral("line %1 is too long (more than %2 bytes)")
                                  .arg(line->number)
                                  .arg(m_options.maxLineLength);
            m_done = true;
        }
        return true;
    }
    QByteArrayView text(m_line);
    if (line->number == 1 && text.startsWith("\xef\xbb\xbf")) {
        text = text.sliced(3); // the byte order mark some editors write
    }
    const QByteArrayView content = trimmed(text);
    if (content.isEmpty()) {
        line->status = Status::Blank;
    } else if (content.front() == '#') {
        line->status = Status::Comment;
    } else {
        bool corrected = false;
        line->value = parse(text, m_options.baccarat, &corrected);
        if (line->value < 0) {
            line->status = Status::Refused;
            refuse(line->number, false, text);
        } else {
            line->status = corrected ? Status::Corrected : Status::Taken;
            ++m_summary.taken;
            if (corrected) {
                ++m_summary.corrected;
            }
        }
    }
    return true;
}

} // namespace Nox
