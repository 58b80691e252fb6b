// Fuzzes the method-visibility profile reader; an accepted profile is applied to an engine.

#include "noxfuzz.h"

#include "core/noxmethod.h"
#include "core/noxmethodstate.h"
#include "engine/noxengine.h"
#include "engine/noxprofilefile.h"

#include <QFile>
#include <QUrl>

using namespace Nox;

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    NoxFuzz::initialize(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray input = NoxFuzz::bytes(data, size);
    QMap<QString, bool> hidden;
    QString error;
    if (!NoxProfileFile::parse(input, &hidden, &error)) {
        if (error.isEmpty()) {
            abort(); // a refusal always says why
        }
        return 0;
    }
    // Whatever was accepted, written back, reads back the same.
    QList<NoxProfileFile::Entry> entries;
    for (auto it = hidden.cbegin(); it != hidden.cend(); ++it) {
        entries.append({it.key(), it.value()});
    }
    const QString path = NoxFuzz::scratchFile(QStringLiteral("fuzz.pfl"));
    if (NoxProfileFile::write(path, entries)) {
        QMap<QString, bool> again;
        if (!NoxProfileFile::read(path, &again) || again != hidden) {
            abort();
        }
    }
    NoxEngine engine(true);
    for (const QString &name : {QStringLiteral("BANKER"), QStringLiteral("PLAYER")}) {
        auto *method = new NoxMethod(NoxMethodType::cs, NoxMethodSubType::none, name);
        method->setProposal({name == u"BANKER" ? NoxBetItemID::B_BANKER : NoxBetItemID::B_PLAYER});
        engine.addMethodState(new NoxMethodState(method));
    }
    QFile::remove(path);
    QFile file(path);
    if (file.open(QIODevice::WriteOnly)) {
        file.write(input);
        file.close();
        engine.loadProfile(QUrl::fromLocalFile(path));
    }
    return 0;
}
