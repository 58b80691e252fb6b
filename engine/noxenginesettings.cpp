#include "engine/noxenginesettings.h"

#include "engine/noxmethod.h"
#include "engine/noxmethodstate.h"
#include "engine/noxsettingsstore.h"

#include <array>

namespace Nox {

namespace {

enum FinancialKey {
    Jeton = 1,
    AddZero = 2,
    ModeNum = 4,
    Diff0 = 8,
    UseMontante = 16,
    StopProfit = 32,
    Montante = 64
};

struct FinancialSection {
    const char *section;
    NoxMethodType type;
    NoxMethodeTypeConfig NoxFinancial::*config;
    int keys;
};

// Read and written in this order. The plein "stopMontanteOnProfit" is read back as well, so the
// editor shows what the user last set (the settlement never consults it for plein).
constexpr std::array<FinancialSection, 7> kFinancialSections{{
    {"financial/plein/", NoxMethodType::plein, &NoxFinancial::plein, Jeton | StopProfit | Montante},
    {"financial/cs/", NoxMethodType::cs, &NoxFinancial::cs, Jeton | AddZero | ModeNum | Diff0 | Montante},
    {"financial/sixain/", NoxMethodType::sixain, &NoxFinancial::sixain,
     Jeton | AddZero | ModeNum | UseMontante | Montante},
    {"financial/col/", NoxMethodType::col, &NoxFinancial::col,
     Jeton | AddZero | ModeNum | UseMontante | Montante},
    {"financial/trans/", NoxMethodType::trans, &NoxFinancial::trans,
     Jeton | AddZero | ModeNum | UseMontante | Montante},
    {"financial/douz/", NoxMethodType::douz, &NoxFinancial::douz,
     Jeton | AddZero | ModeNum | UseMontante | Montante},
    {"financial/perso/", NoxMethodType::none, &NoxFinancial::perso, AddZero},
}};

struct BoolKey {
    const char *key;
    bool NoxEngineConfig::*field;
};

constexpr std::array<BoolKey, 12> kEngineBools{{
    {"playInBlock", &NoxEngineConfig::playInBlock},
    {"playInBlockDom", &NoxEngineConfig::playInBlockDom},
    {"smartQuickMode", &NoxEngineConfig::smartQuickMode},
    {"smartQuickModeIsolate", &NoxEngineConfig::smartQuickModeIsolate},
    {"signalDouble0", &NoxEngineConfig::signalDouble0},
    {"signalBlocks", &NoxEngineConfig::signalBlocks},
    {"signalEcartMax", &NoxEngineConfig::signalEcartMax},
    {"signalTendanceBack", &NoxEngineConfig::signalTendanceBack},
    {"signalBlocDominant", &NoxEngineConfig::signalBlocDominant},
    {"signalBlocDominantConfirme", &NoxEngineConfig::signalBlocDominantConfirme},
    {"compteurME", &NoxEngineConfig::compteurME},
    {"signalScores", &NoxEngineConfig::signalScores},
}};

const QString kEngineSection = QStringLiteral("engine/");

QString key(const char *section, const char *name)
{
    return QLatin1String(section) + QLatin1String(name);
}

} // namespace

void NoxEngineSettings::readFinancial(const NoxSettingsStore &store, NoxFinancial &financial,
                                      MontanteNames &montantes)
{
    for (const FinancialSection &s : kFinancialSections) {
        NoxMethodeTypeConfig &c = financial.*(s.config);
        if (s.keys & Jeton) {
            c.jetonOrigine = store.readInt(key(s.section, "jeton"), c.jetonOrigine);
            c.jeton = c.jetonOrigine;
        }
        if (s.keys & AddZero) {
            c.addZero = store.readBool(key(s.section, "addZero"), c.addZero);
        }
        if (s.keys & ModeNum) {
            c.modeNum = store.readBool(key(s.section, "modeNum"), c.modeNum);
        }
        if (s.keys & Diff0) {
            c.diff0 = store.readBool(key(s.section, "diff0"), c.diff0);
        }
        if (s.keys & UseMontante) {
            c.useMontante = store.readBool(key(s.section, "useMontante"), c.useMontante);
        }
        if (s.keys & StopProfit) {
            c.stopProfit = store.readBool(key(s.section, "stopMontanteOnProfit"), c.stopProfit);
        }
        if (s.keys & Montante) {
            montantes[s.type] = store.readString(key(s.section, "montante"), montantes.value(s.type));
        }
    }
}

void NoxEngineSettings::writeFinancial(NoxSettingsStore &store, const NoxFinancial &financial,
                                       const MontanteNames &montantes)
{
    for (const FinancialSection &s : kFinancialSections) {
        const NoxMethodeTypeConfig &c = financial.*(s.config);
        if (s.keys & Jeton) {
            store.setValue(key(s.section, "jeton"), c.jetonOrigine);
        }
        if (s.keys & AddZero) {
            store.setValue(key(s.section, "addZero"), c.addZero);
        }
        if (s.keys & ModeNum) {
            store.setValue(key(s.section, "modeNum"), c.modeNum);
        }
        if (s.keys & Diff0) {
            store.setValue(key(s.section, "diff0"), c.diff0);
        }
        if (s.keys & UseMontante) {
            store.setValue(key(s.section, "useMontante"), c.useMontante);
        }
        if (s.keys & StopProfit) {
            store.setValue(key(s.section, "stopMontanteOnProfit"), c.stopProfit);
        }
        if (s.keys & Montante) {
            store.setValue(key(s.section, "montante"), montantes.value(s.type));
        }
    }
}

void NoxEngineSettings::readConfig(const NoxSettingsStore &store, NoxEngineConfig &config)
{
    for (const BoolKey &k : kEngineBools) {
        config.*(k.field) = store.readBool(kEngineSection + QLatin1String(k.key), config.*(k.field));
    }
    config.shortTermCount =
        store.readInt(kEngineSection + QLatin1String("shortTermCount"), config.shortTermCount);
    config.truncateCount =
        store.readInt(kEngineSection + QLatin1String("truncateCount"), config.truncateCount);
}

void NoxEngineSettings::writeConfig(NoxSettingsStore &store, const NoxEngineConfig &config)
{
    for (const BoolKey &k : kEngineBools) {
        store.setValue(kEngineSection + QLatin1String(k.key), config.*(k.field));
    }
    store.setValue(kEngineSection + QLatin1String("shortTermCount"), config.shortTermCount);
    store.setValue(kEngineSection + QLatin1String("truncateCount"), config.truncateCount);
}

QString NoxEngineSettings::methodSection(const QString &methodKey)
{
    return QLatin1String("methods/") + methodKey + QLatin1Char('/');
}

NoxEngineSettings::MethodSettings NoxEngineSettings::MethodSettings::of(const NoxMethodState &state)
{
    MethodSettings m;
    m.visible = state.playModeFlags() & NoxMethodState::NormalList;
    m.split = state.playModeFlags() & NoxMethodState::SplitView;
    m.useNotif = state.useNotif();
    m.ecartNotif = state.ecartNotif();
    m.useCustomBlock = state.useCustomBlock();
    m.customBlockMin = state.customBlockMin();
    m.customBlockMax = state.customBlockMax();
    m.maxDomBlocks = state.nbBlockDom();
    m.active = state.isActive();
    return m;
}

void NoxEngineSettings::readMethod(const NoxSettingsStore &store, const QString &methodKey,
                                   MethodSettings &settings)
{
    const QString section = methodSection(methodKey);
    const auto k = [&section](const char *name) -> QString {
        return section + QLatin1String(name);
    };
    settings.visible = store.readBool(k("visible"), settings.visible);
    settings.split = store.readBool(k("split"), settings.split);
    settings.useNotif = store.readBool(k("useNotif"), settings.useNotif);
    settings.ecartNotif = store.readInt(k("ecartNotif"), settings.ecartNotif);
    settings.useCustomBlock = store.readBool(k("useCustomBlock"), settings.useCustomBlock);
    settings.customBlockMin = store.readInt(k("customBlockMin"), settings.customBlockMin);
    settings.customBlockMax = store.readInt(k("customBlockMax"), settings.customBlockMax);
    settings.maxDomBlocks = store.readInt(k("maxDomBlocks"), settings.maxDomBlocks);
    settings.active = store.readBool(k("active"), settings.active);
}

void NoxEngineSettings::writeMethod(NoxSettingsStore &store, const QString &methodKey,
                                    const MethodSettings &settings)
{
    const QString section = methodSection(methodKey);
    const auto k = [&section](const char *name) -> QString {
        return section + QLatin1String(name);
    };
    store.setValue(k("visible"), settings.visible);
    store.setValue(k("split"), settings.split);
    store.setValue(k("useNotif"), settings.useNotif);
    store.setValue(k("ecartNotif"), settings.ecartNotif);
    store.setValue(k("useCustomBlock"), settings.useCustomBlock);
    store.setValue(k("customBlockMin"), settings.customBlockMin);
    store.setValue(k("customBlockMax"), settings.customBlockMax);
    store.setValue(k("maxDomBlocks"), settings.maxDomBlocks);
    store.setValue(k("active"), settings.active);
}

} // namespace Nox
