#include "engine/noxenginesettings.h"

#include "core/noxlogging.h"
#include "core/noxmethod.h"
#include "core/noxmethodstate.h"
#include "core/noxsettingsstore.h"

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

// The boolean keys of a chip configuration, in the order they are read and written.
struct FlagKey {
    int bit;
    const char *name;
    bool NoxMethodeTypeConfig::*field;
};

constexpr std::array<FlagKey, 5> kFlagKeys{{
    {AddZero, "addZero", &NoxMethodeTypeConfig::addZero},
    {ModeNum, "modeNum", &NoxMethodeTypeConfig::modeNum},
    {Diff0, "diff0", &NoxMethodeTypeConfig::diff0},
    {UseMontante, "useMontante", &NoxMethodeTypeConfig::useMontante},
    {StopProfit, "stopMontanteOnProfit", &NoxMethodeTypeConfig::stopProfit},
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
        for (const FlagKey &k : kFlagKeys) {
            if (s.keys & k.bit) {
                c.*(k.field) = store.readBool(key(s.section, k.name), c.*(k.field));
            }
        }
        if (s.keys & Montante) {
            montantes[s.type] = store.readString(key(s.section, "montante"), montantes.value(s.type));
        }
    }
    readGuards(store, financial.guards);
}

void NoxEngineSettings::writeFinancial(NoxSettingsStore &store, const NoxFinancial &financial,
                                       const MontanteNames &montantes)
{
    for (const FinancialSection &s : kFinancialSections) {
        const NoxMethodeTypeConfig &c = financial.*(s.config);
        if (s.keys & Jeton) {
            store.setValue(key(s.section, "jeton"), c.jetonOrigine);
        }
        for (const FlagKey &k : kFlagKeys) {
            if (s.keys & k.bit) {
                store.setValue(key(s.section, k.name), c.*(k.field));
            }
        }
        if (s.keys & Montante) {
            store.setValue(key(s.section, "montante"), montantes.value(s.type));
        }
    }
    writeGuards(store, financial.guards);
}

// The guards' fields, under "guards/" with their names.
#define NOX_GUARD_BOOLS(X) X(lossLimitStops) X(gainLimitStops)
#define NOX_GUARD_NUMBERS(X)                                                                                 \
    X(losingStreak)                                                                                          \
    X(stakedCoups) X(sessionMinutes) X(trailingTrigger) X(trailingDrop) X(maxStake) X(tableLimitPlayer)      \
        X(tableLimitBanker) X(tableLimitTie)

void NoxEngineSettings::readGuards(const NoxSettingsStore &store, NoxGuards &guards)
{
    NoxGuards read = guards;
#define NOX_READ_BOOL(field) read.field = store.readBool(key("guards/", #field), read.field);
#define NOX_READ_NUMBER(field) read.field = store.readInt(key("guards/", #field), int(read.field));
    NOX_GUARD_BOOLS(NOX_READ_BOOL)
    NOX_GUARD_NUMBERS(NOX_READ_NUMBER)
#undef NOX_READ_BOOL
#undef NOX_READ_NUMBER
    const bool refused =
        store.readBool(key("guards/", "maxStakeRefused"), read.maxStakeRule == NoxGuards::StakeRule::Refuse);
    read.maxStakeRule = refused ? NoxGuards::StakeRule::Refuse : NoxGuards::StakeRule::Cap;
    // A damaged or hand-edited file never sets a rule half: the guards stay as they were.
    if (const QString why = read.refusal(0); !why.isEmpty()) {
        qCWarning(lcNoxEngine).noquote() << QStringLiteral("Stored guards ignored: %1").arg(why);
        return;
    }
    guards = read;
}

void NoxEngineSettings::writeGuards(NoxSettingsStore &store, const NoxGuards &guards)
{
#define NOX_WRITE_BOOL(field) store.setValue(key("guards/", #field), guards.field);
#define NOX_WRITE_NUMBER(field) store.setValue(key("guards/", #field), int(guards.field));
    NOX_GUARD_BOOLS(NOX_WRITE_BOOL)
    NOX_GUARD_NUMBERS(NOX_WRITE_NUMBER)
#undef NOX_WRITE_BOOL
#undef NOX_WRITE_NUMBER
    store.setValue(key("guards/", "maxStakeRefused"), guards.maxStakeRule == NoxGuards::StakeRule::Refuse);
}

#undef NOX_GUARD_BOOLS
#undef NOX_GUARD_NUMBERS

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

namespace {

using MethodSettings = NoxEngineSettings::MethodSettings;

// The per-method keys, in the order they are read and written.
struct MethodKey {
    const char *name;
    bool MethodSettings::*flag;
    int MethodSettings::*number;
};

constexpr std::array<MethodKey, 9> kMethodKeys{{
    {"visible", &MethodSettings::visible, nullptr},
    {"split", &MethodSettings::split, nullptr},
    {"useNotif", &MethodSettings::useNotif, nullptr},
    {"ecartNotif", nullptr, &MethodSettings::ecartNotif},
    {"useCustomBlock", &MethodSettings::useCustomBlock, nullptr},
    {"customBlockMin", nullptr, &MethodSettings::customBlockMin},
    {"customBlockMax", nullptr, &MethodSettings::customBlockMax},
    {"maxDomBlocks", nullptr, &MethodSettings::maxDomBlocks},
    {"active", &MethodSettings::active, nullptr},
}};

} // namespace

void NoxEngineSettings::readMethod(const NoxSettingsStore &store, const QString &methodKey,
                                   MethodSettings &settings)
{
    const QString section = methodSection(methodKey);
    for (const MethodKey &k : kMethodKeys) {
        const QString name = section + QLatin1String(k.name);
        if (k.flag) {
            settings.*(k.flag) = store.readBool(name, settings.*(k.flag));
        } else {
            settings.*(k.number) = store.readInt(name, settings.*(k.number));
        }
    }
}

void NoxEngineSettings::writeMethod(NoxSettingsStore &store, const QString &methodKey,
                                    const MethodSettings &settings)
{
    const QString section = methodSection(methodKey);
    for (const MethodKey &k : kMethodKeys) {
        const QString name = section + QLatin1String(k.name);
        if (k.flag) {
            store.setValue(name, settings.*(k.flag));
        } else {
            store.setValue(name, settings.*(k.number));
        }
    }
}

} // namespace Nox
