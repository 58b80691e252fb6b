// Fuzzes the history text that noxsim reads (baccarat letters or roulette numbers, shoes
// separated by empty lines).

#include "noxfuzz.h"

#include "engine/noxengine.h"
#include "noxsimulator.h"

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
    const QString text = QString::fromUtf8(NoxFuzz::bytes(data + 1, size - 1));
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
