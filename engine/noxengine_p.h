#pragma once

#include "calibration/noxcalibration.h"
#include "engine/noxengineconfig.h"
#include "engine/noxenginesettings.h"
#include "engine/noxnotification.h"
#include "engine/noxsettingsstore.h"
#include "money/noxfinancial.h"
#include "money/noxfinancialstats.h"

#include <QList>
#include <QMap>
#include <QMutex>
#include <QThreadPool>
#include <QUrl>
#include <mutex>

#include <atomic>
#include <memory>

namespace Nox {

class NoxMethodState;
class NoxMontante;

/// The engine's data. Everything but the pools and the flags is guarded by `mutex`.
struct NoxEnginePrivate {
    NoxEngineConfig config;
    NoxFinancial financial;
    NoxFinancialStats stats;
    QList<int> played;
    QList<NoxMethodState *> states;
    QMap<int, NoxMethodState *> statesById;
    QMap<NoxMethodType, QList<NoxMontante *>> montantes;
    QMap<NoxMethodType, NoxMontante *> currentMontantes;
    QList<NoxNotification> notifications;
    mutable QMutex mutex;
    std::recursive_mutex inlineTaskMutex;
    QThreadPool *methodPool = nullptr;
    QThreadPool *taskPool = nullptr;
    NoxMethodState *favoritesState = nullptr;
    NoxMethodState *autoState = nullptr;
    std::atomic<bool> async{false};
    bool baccaratMode = true;
    bool suspended = false;
    int nextMontanteId = 0;
    std::unique_ptr<NoxSettingsStore> settings;
    /// Declared after the store: destroyed before it.
    std::unique_ptr<NoxCalibration> calibration = std::make_unique<NoxCalibration>();
    QString profileName;

    /// The name of each kind's current progression (mutex held).
    [[nodiscard]] NoxEngineSettings::MontanteNames currentMontanteNames() const;
};

/// The file of a URL the user picked; a plain path passes through.
inline QString localPathOf(const QUrl &url)
{
    return url.isLocalFile() ? url.toLocalFile() : url.toString();
}

} // namespace Nox
