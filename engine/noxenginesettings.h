#pragma once

#include "core/noxenums.h"
#include "engine/noxengineconfig.h"
#include "money/noxfinancial.h"

#include <QMap>
#include <QString>

namespace Nox {

class NoxMethodState;
class NoxSettingsStore;

/// The persisted keys of the engine: the chip configuration of each bet kind with the name of
/// its current progression ("financial/<kind>/"), the engine options ("engine/") and the
/// per-method options ("methods/<key>/"). Sections and keys are read and written in a fixed
/// order; a key missing from the store keeps the value the caller passes in.
class NoxEngineSettings
{
public:
    using MontanteNames = QMap<NoxMethodType, QString>;

    /// The per-method options that survive a restart.
    struct MethodSettings {
        bool visible = true;
        bool split = false;
        bool useNotif = false;
        int ecartNotif = 6;
        bool useCustomBlock = false;
        int customBlockMin = 0;
        int customBlockMax = 0;
        int maxDomBlocks = 2;
        bool active = false;

        [[nodiscard]] static MethodSettings of(const NoxMethodState &state);
        friend bool operator==(const MethodSettings &, const MethodSettings &) = default;
    };

    static void readFinancial(const NoxSettingsStore &store, NoxFinancial &financial,
                              MontanteNames &montantes);
    static void writeFinancial(NoxSettingsStore &store, const NoxFinancial &financial,
                               const MontanteNames &montantes);
    /// The session guards (read and written with the financial settings). A stored set that
    /// the guards' rules refuse is ignored whole: the guards stay as they were.
    static void readGuards(const NoxSettingsStore &store, NoxGuards &guards);
    static void writeGuards(NoxSettingsStore &store, const NoxGuards &guards);
    static void readConfig(const NoxSettingsStore &store, NoxEngineConfig &config);
    static void writeConfig(NoxSettingsStore &store, const NoxEngineConfig &config);
    static void readMethod(const NoxSettingsStore &store, const QString &methodKey, MethodSettings &settings);
    static void writeMethod(NoxSettingsStore &store, const QString &methodKey,
                            const MethodSettings &settings);

    /// "methods/" followed by the method's key and "/".
    [[nodiscard]] static QString methodSection(const QString &methodKey);
};

} // namespace Nox
