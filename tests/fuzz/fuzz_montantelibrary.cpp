// Fuzzes the progression library reader, then drives every progression it accepted.

#include "noxfuzz.h"

#include "money/montanteperso.h"
#include "money/noxmontantelibrary.h"

using namespace Nox;

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    NoxFuzz::initialize(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    NoxMontanteLibrary::List montantes;
    QString error;
    if (!NoxMontanteLibrary::parse(NoxFuzz::bytes(data, size), &montantes, &error)) {
        if (error.isEmpty() || !montantes.empty()) {
            abort(); // a refused library registers nothing and says why
        }
        return 0;
    }
    // Accepted progressions survive a round trip and stake sensibly after any run of coups.
    QList<const MontantePerso *> list;
    for (const auto &m : montantes) {
        list.append(m.get());
    }
    NoxMontanteLibrary::List again;
    if (!NoxMontanteLibrary::parse(NoxMontanteLibrary::serialize(list), &again) ||
        again.size() != montantes.size()) {
        abort();
    }
    unsigned pattern = size > 0 ? data[0] : 0;
    for (const auto &m : montantes) {
        for (int coup = 0; coup < 40; ++coup) {
            const int items = 1 + coup % 3;
            const int stake = m->computeMise(items, nullptr);
            if (stake < 1) {
                abort();
            }
            m->applyResult(stake, (pattern >> (coup % 8)) & 1, items, nullptr);
        }
        NoxMethodParameterList details;
        m->getDetails(details);
    }
    return 0;
}
