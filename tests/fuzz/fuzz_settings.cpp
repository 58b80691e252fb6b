// Fuzzes the settings conversions: an INI file read through the engine's settings keys, the
// values applied to an engine with a few methods, and a few coups played with them.

#include "noxfuzz.h"

#include "core/noxmethod.h"
#include "core/noxmethodstate.h"
#include "core/noxsettingsstore.h"
#include "core/noxvalue.h"
#include "engine/noxengine.h"
#include "engine/noxenginesettings.h"

#include <QFile>

using namespace Nox;

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    NoxFuzz::initialize(argc, argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray input = NoxFuzz::bytes(data, size);
    // The conversions themselves, on the raw text.
    const NoxValue raw(QString::fromUtf8(input));
    (void)raw.toBool();
    (void)raw.toInt();
    (void)raw.toDouble();
    (void)NoxValue(raw.toDouble()).toInt();

    const QString path = NoxFuzz::scratchFile(QStringLiteral("engine.ini"));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
            return 0;
        }
        file.write(input);
    }
    NoxFinancial financial;
    NoxEngineConfig config;
    NoxEngineSettings::MontanteNames montantes;
    QList<NoxEngineSettings::MethodSettings> methods(3);
    {
        NoxSettingsStore store(path);
        NoxEngineSettings::readFinancial(store, financial, montantes);
        NoxEngineSettings::readConfig(store, config);
        const QStringList keys{QStringLiteral("banker"), QStringLiteral("player"), QStringLiteral("tie")};
        for (int i = 0; i < 3; ++i) {
            NoxEngineSettings::readMethod(store, keys.at(i), methods[i]);
        }
    }

    NoxEngine engine(size % 2 == 0);
    engine.registerBuiltinMontantes();
    const NoxBetItemID items[] = {NoxBetItemID::B_BANKER, NoxBetItemID::B_PLAYER, NoxBetItemID::B_TIE};
    for (NoxBetItemID item : items) {
        auto *method = new NoxMethod(NoxMethodType::cs, NoxMethodSubType::bluecs6, QStringLiteral("m"));
        method->setProposal({item});
        engine.addMethodState(new NoxMethodState(method));
    }
    engine.setFinancialConfig(financial);
    engine.setConfig(config);
    for (auto it = montantes.cbegin(); it != montantes.cend(); ++it) {
        engine.selectMontante(it.key(), it.value());
    }
    for (int i = 0; i < 3; ++i) {
        const NoxEngineSettings::MethodSettings &m = methods.at(i);
        engine.setMethodPlayMode(i, NoxMethodState::NormalList, m.visible);
        engine.setMethodPlayMode(i, NoxMethodState::SplitView, m.split);
        engine.setMethodUseNotif(i, m.useNotif);
        engine.setMethodEcartNotif(i, m.ecartNotif);
        engine.setMethodUseCustomBlock(i, m.useCustomBlock);
        engine.setMethodCustomBlockMin(i, m.customBlockMin);
        engine.setMethodCustomBlockMax(i, m.customBlockMax);
        engine.setMethodNbBlockDom(i, m.maxDomBlocks);
        engine.setMethodActive(i, m.active || i == 0);
    }
    for (int coup = 0; coup < 30; ++coup) {
        const int byte = input.isEmpty() ? coup : uchar(input.at(coup % input.size()));
        engine.playValueInternal(byte % 3);
    }
    for (const NoxBet &bet : engine.itemsToPlay()) {
        if (bet.bet < 0) {
            abort();
        }
    }
    engine.truncatePlayedItems(-1);
    for (NoxMethodState *s : engine.methodStates()) {
        (void)s->detectionFlags();
        (void)s->ecartMoyenCt();
        (void)s->compteurMECount();
    }
    return 0;
}
