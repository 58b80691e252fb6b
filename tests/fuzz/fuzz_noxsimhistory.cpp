// Fuzzes the history text that noxsim and the screens read (baccarat letters or roulette
// numbers, shoes separated by empty lines): the streaming reader directly, with a small line
// limit so that too long lines come often, and noxsim's parseHistory() over it.

#include "noxfuzz.h"

#include "core/noxhistoryreader.h"
#include "engine/noxengine.h"
#include "noxsimulator.h"

#include <QBuffer>

using namespace Nox;

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    NoxFuzz::initialize(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0) {
        return 0;
    }
    const bool baccarat = data[0] & 1;
    const bool skip = data[0] & 2;
    QByteArray raw = NoxFuzz::bytes(data + 1, size - 1);
    {
        QBuffer buffer(&raw);
        buffer.open(QIODevice::ReadOnly);
        NoxHistoryReader::Options options;
        options.baccarat = baccarat;
        options.maxLineLength = 16;
        options.keptProblems = 3;
        options.tooLong = skip ? NoxHistoryReader::TooLongLines::Skip : NoxHistoryReader::TooLongLines::Stop;
        NoxHistoryReader reader(&buffer, options);
        NoxHistoryReader::Line line;
        qint64 last = 0;
        qint64 values = 0;
        while (reader.next(&line)) {
            const bool value = line.status == NoxHistoryReader::Status::Taken ||
                               line.status == NoxHistoryReader::Status::Corrected;
            if (line.number != last + 1 || value != (line.value >= 0) || line.value > (baccarat ? 2 : 36)) {
                abort();
            }
            last = line.number;
            values += value ? 1 : 0;
        }
        const NoxHistoryReader::Summary &s = reader.summary();
        if (s.lines != last || s.taken != values || s.problems.size() > 3 || s.refused < s.problems.size() ||
            (skip && s.stopped) || (!s.stopped && reader.bytesRead() != raw.size())) {
            abort();
        }
    }
    const QString text = QString::fromUtf8(raw);
    QList<QList<int>> shoes;
    QStringList errors;
    const bool ok = NoxSimulator::parseHistory(text, baccarat, &shoes, &errors);
    if (ok != errors.isEmpty()) {
        abort();
    }
    const int largest = baccarat ? 2 : 36;
    for (const QList<int> &shoe : std::as_const(shoes)) {
        if (shoe.isEmpty() || shoe.size() > NoxEngine::kMaxPlayed) {
            abort();
        }
        for (int v : shoe) {
            if (v < 0 || v > largest) {
                abort();
            }
        }
    }
    return 0;
}
