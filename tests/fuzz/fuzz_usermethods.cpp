// Fuzzes the user methods file: the "name:numbers" parser, then the engine's reading of such
// a file into user methods that play a few coups.

#include "noxfuzz.h"

#include "core/noxmethod.h"
#include "core/noxmethodstate.h"
#include "engine/noxengine.h"
#include "methods/noxnumberlistparser.h"

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
    const QList<NoxNumberListParser::Record> records = NoxNumberListParser::parse(QString::fromUtf8(input));
    for (const auto &r : records) {
        if (r.name.contains(QLatin1Char(':'))) {
            abort(); // the name is the text before the only colon
        }
    }
    const QString path = NoxFuzz::scratchFile(QStringLiteral("methodes.txt"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        return 0;
    }
    file.write(input);
    file.close();
    NoxEngine engine(false);
    const int added = engine.loadUserMethods(QUrl::fromLocalFile(path));
    if (added < 0 || added > records.size()) {
        abort();
    }
    for (NoxMethodState *s : engine.methodStates()) {
        engine.setMethodActive(s->method()->index(), true);
    }
    for (int v : {0, 17, 36, 5}) {
        engine.playValueInternal(v, true);
    }
    (void)engine.itemsToPlay();
    engine.cancelPlay();
    return 0;
}
