// NoxEngine: per-method options, the engine options, settings persistence and visibility profiles.

#include "engine/noxengine.h"
#include "engine/noxengine_p.h"

#include "core/noxlogging.h"
#include "core/noxmethod.h"
#include "core/noxmethodparameterinterface.h"
#include "core/noxmethodstate.h"
#include "core/noxsnapshotcontext.h"
#include "engine/noxenginesettings.h"
#include "engine/noxjournalcodec.h"
#include "engine/noxprofilefile.h"
#include "methods/methodeauto.h"
#include "money/noxmontante.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>

#include <cmath>

namespace Nox {

namespace {

bool noFile(QString *error)
{
    if (error) {
        *error = QStringLiteral("no file name given");
    }
    return false;
}

} // namespace

// --- Per-method options --------------------------------------------------------------------------

QFuture<void> NoxEngine::setMethodParameters(int methodId, const NoxMethodParameterList &parameters)
{
    return d->tasks.run([this, methodId, parameters] {
        NoxMethodState *state = methodState(methodId);
        auto *iface = state ? dynamic_cast<NoxMethodParameterInterface *>(state->method()) : nullptr;
        if (!iface) {
            return;
        }
        QList<int> values;
        QList<NoxMethodState *> states;
        {
            QMutexLocker lock(&d->mutex);
            values = d->played;
            states = d->states;
        }
        {
            QMutexLocker methodLock(&state->method()->mutex());
            iface->setParameters(parameters);
        }
        const auto refresh = [&](NoxMethodState *s) {
            NoxSnapshotContext context(values, states, s, int(values.size()));
            s->refreshState(context);
        };
        refresh(state);
        // Automatic methods choose among the others, so they follow a change of any of them.
        if (state->method()->type() != NoxMethodType::automatic) {
            for (NoxMethodState *s : std::as_const(states)) {
                if (s->method()->type() == NoxMethodType::automatic) {
                    refresh(s);
                }
            }
        }
        {
            QMutexLocker lock(&d->mutex);
            QJsonObject change = journalChange("parameters", NoxJournalCodec::toJson(parameters));
            change.insert(QStringLiteral("k"), state->method()->key());
            noteChangeLocked(change, 0);
            updateItemsToPlay();
        }
        state->clearCache();
        emit methodStateChanged(state->method()->index());
        emit itemsToPlayChanged();
    });
}

QFuture<void> NoxEngine::setAutoSortType(int sortType)
{
    return d->tasks.run([this, sortType] {
        QList<int> values;
        QList<NoxMethodState *> states;
        {
            QMutexLocker lock(&d->mutex);
            values = d->played;
            states = d->states;
        }
        bool changed = false;
        for (NoxMethodState *s : std::as_const(states)) {
            auto *autoMethod = dynamic_cast<MethodeAuto *>(s->method());
            if (!autoMethod) {
                continue;
            }
            {
                std::lock_guard methodLock(s->method()->mutex());
                if (autoMethod->sortType() == NoxMethodSortType(sortType) ||
                    !autoMethod->setSortType(NoxMethodSortType(sortType))) {
                    continue;
                }
            }
            NoxSnapshotContext context(values, states, s, int(values.size()));
            s->refreshState(context);
            s->clearCache();
            changed = true;
        }
        if (!changed) {
            return;
        }
        {
            QMutexLocker lock(&d->mutex);
            noteChangeLocked(journalChange("autoSort", sortType), 0);
            updateItemsToPlay();
        }
        emit methodStatesChanged();
        emit itemsToPlayChanged();
    });
}

bool NoxEngine::setSplitLocked(NoxMethodState *state, bool on)
{
    if (!state->setPlayModeFlag(NoxMethodState::SplitView, on)) {
        return false;
    }
    if (on) {
        bool kept = false;
        for (NoxMethodState *other : std::as_const(d->states)) {
            if (other == state || !(other->playModeFlags() & NoxMethodState::SplitView)) {
                continue;
            }
            if (!kept) {
                kept = true;
            } else if (other->setPlayModeFlag(NoxMethodState::SplitView, false)) {
                other->clearCache();
            }
        }
    }
    return true;
}

void NoxEngine::setMethodPlayMode(int methodId, int bit, bool on)
{
    // The bets only come from methods of the list in play, so a visibility change moves them.
    QJsonObject change = journalChange("playMode", on);
    change.insert(QStringLiteral("bit"), bit);
    changeMethod(methodId, true, change, [this, bit, on](NoxMethodState *s) {
        // changeMethod() holds the engine lock.
        return bit == NoxMethodState::SplitView ? setSplitLocked(s, on) : s->setPlayModeFlag(bit, on);
    });
}

void NoxEngine::setMethodUseNotif(int methodId, bool on)
{
    changeMethod(methodId, false, journalChange("useNotif", on),
                 [on](NoxMethodState *s) { return s->setUseNotif(on); });
}

void NoxEngine::setMethodEcartNotif(int methodId, int threshold)
{
    changeMethod(methodId, false, journalChange("ecartNotif", threshold),
                 [threshold](NoxMethodState *s) { return s->setEcartNotif(threshold); });
}

// The block options move the block, which decides the in-block and dominant-block bets.
void NoxEngine::setMethodUseCustomBlock(int methodId, bool on)
{
    changeMethod(methodId, true, journalChange("useCustomBlock", on),
                 [on](NoxMethodState *s) { return s->setUseCustomBlock(on); });
}

void NoxEngine::setMethodCustomBlockMin(int methodId, int gap)
{
    changeMethod(methodId, true, journalChange("customBlockMin", gap),
                 [gap](NoxMethodState *s) { return s->setCustomBlockMin(gap); });
}

void NoxEngine::setMethodCustomBlockMax(int methodId, int gap)
{
    changeMethod(methodId, true, journalChange("customBlockMax", gap),
                 [gap](NoxMethodState *s) { return s->setCustomBlockMax(gap); });
}

void NoxEngine::setMethodZeroOption(int methodId, bool on)
{
    changeMethod(methodId, false, journalChange("zeroOption", on),
                 [on](NoxMethodState *s) { return s->setZeroOption(on); });
}

void NoxEngine::setMethodTendencyOffset(int methodId, double offset)
{
    if (!std::isfinite(offset)) {
        return; // not a threshold: every tendency would compare false against it
    }
    changeMethod(methodId, false, journalChange("tendencyOffset", NoxJournalCodec::toJson(NoxValue(offset))),
                 [offset](NoxMethodState *s) { return s->setTendencyOffset(offset); });
}

void NoxEngine::setMethodNbBlockDom(int methodId, int count)
{
    changeMethod(methodId, true, journalChange("nbBlockDom", count),
                 [count](NoxMethodState *s) { return s->setNbBlockDom(count); });
}

// --- Engine options ------------------------------------------------------------------------------

NoxEngineConfig NoxEngine::config() const
{
    QMutexLocker lock(&d->mutex);
    return d->config;
}

void NoxEngine::setConfig(const NoxEngineConfig &config)
{
    bool statesChanged = false;
    QList<NoxMethodState *> states;
    {
        QMutexLocker lock(&d->mutex);
        NoxEngineConfig &c = d->config;
        const NoxEngineConfig before = c;
        states = d->states;
        if (c.shortTermCount != config.shortTermCount) {
            c.shortTermCount = config.shortTermCount;
            for (NoxMethodState *s : states) {
                s->setShortTermWindow(c.shortTermCount);
            }
            statesChanged = true;
        }
        if (c.signalMask() != config.signalMask()) {
            c.signalDouble0 = config.signalDouble0;
            c.signalBlocks = config.signalBlocks;
            c.signalEcartMax = config.signalEcartMax;
            c.signalTendanceBack = config.signalTendanceBack;
            c.signalBlocDominantConfirme = config.signalBlocDominantConfirme;
            c.compteurME = config.compteurME;
            c.signalScores = config.signalScores;
            for (NoxMethodState *s : states) {
                s->setSignalMask(c.signalMask());
            }
            statesChanged = true;
        }
        c.signalBlocDominant = config.signalBlocDominant;
        c.truncateCount = config.truncateCount;
        if (c.playModeMask() != config.playModeMask()) {
            c.playInBlock = config.playInBlock;
            c.playInBlockDom = config.playInBlockDom;
            c.playQuick = config.playQuick;
            c.playSplit = config.playSplit;
        }
        c.playPro = config.playPro;
        c.smartQuickMode = config.smartQuickMode;
        c.smartQuickModeIsolate = config.smartQuickModeIsolate;
        if (!(before == c)) {
            noteChangeLocked(journalChange("config", NoxJournalCodec::toJson(c)),
                             NoxEnginePrivate::SettingsStore);
        }
        updateItemsToPlay();
    }
    if (statesChanged) {
        clearCaches(states);
        emit methodStatesChanged();
    }
    emit itemsToPlayChanged();
}

// --- Settings store ------------------------------------------------------------------------------

bool NoxEngine::setPersistence(bool on, const QString &organisation)
{
    if (on && !d->settings) {
        QString org = organisation;
        if (org.isEmpty()) {
            org = d->baccaratMode ? QStringLiteral("NoxBaccarat") : QStringLiteral("NoxRoulette");
        }
        {
            QMutexLocker lock(&d->mutex);
            d->settings = std::make_unique<NoxSettingsStore>(org, QStringLiteral("engine"));
            d->libraryRead = false;
        }
        qCDebug(lcNoxEngine).noquote() << QStringLiteral("SETTINGS ") + settingsFileName();
        loadSettings();
        openJournal();
        d->calibration->attachSettings(d->settings.get());
        {
            std::lock_guard lock(d->writerMutex);
            d->writer = std::make_unique<NoxDeferredWriter>(NoxEnginePrivate::kWriteInterval,
                                                            [this](unsigned stores) { writeStores(stores); });
        }
        // A calibration point, a chip value or a click option is on disk within the interval.
        connect(
            d->calibration.get(), &ICalibration::calibrationChanged, this,
            [this] { requestWrite(NoxEnginePrivate::SettingsStore); }, Qt::DirectConnection);
    } else if (!on && d->settings) {
        disconnect(d->calibration.get(), &ICalibration::calibrationChanged, this, nullptr);
        // Detaching puts the calibration into the store; the last write below takes it along.
        d->calibration->attachSettings(nullptr);
        saveSettings();
        {
            std::lock_guard lock(d->writerMutex);
            d->writer.reset();
        }
        QMutexLocker lock(&d->mutex);
        if (d->journal) {
            d->journal->close();
            d->journal.reset();
        }
        d->settings.reset();
        d->wantedMontantes.clear();
    }
    return hasPersistence();
}

bool NoxEngine::hasPersistence() const
{
    QMutexLocker lock(&d->mutex);
    return d->settings != nullptr;
}

QString NoxEngine::settingsFileName() const
{
    QMutexLocker lock(&d->mutex);
    return d->settings ? d->settings->fileName() : QString();
}

QString NoxEngine::settingsDirectory() const
{
    const QString file = settingsFileName();
    return file.isEmpty() ? QDir::currentPath() : QFileInfo(file).absolutePath();
}

void NoxEngine::loadSettings()
{
    NoxFinancial financial;
    NoxEngineConfig config;
    NoxEngineSettings::MontanteNames montantes;
    {
        QMutexLocker lock(&d->mutex);
        if (!d->settings) {
            return;
        }
        financial = d->financial;
        config = d->config;
        montantes = d->montantes.currentNames();
        NoxEngineSettings::readFinancial(*d->settings, financial, montantes);
        NoxEngineSettings::readConfig(*d->settings, config);
    }
    NoxEngineSettings::MontanteNames wanted;
    for (auto it = montantes.cbegin(); it != montantes.cend(); ++it) {
        if (!selectMontante(it.key(), it.value())) {
            wanted.insert(it.key(), it.value());
        }
    }
    {
        QMutexLocker lock(&d->mutex);
        d->wantedMontantes = wanted;
    }
    setFinancialConfig(financial);
    setConfig(config);
    const QList<NoxMethodState *> states = methodStates();
    {
        QMutexLocker lock(&d->mutex);
        for (NoxMethodState *s : states) {
            applyMethodSettings(s);
        }
        updateItemsToPlay();
    }
    clearCaches(states);
    emit methodStatesChanged();
    emit itemsToPlayChanged();
}

void NoxEngine::applyMethodSettings(NoxMethodState *s)
{
    NoxEngineSettings::MethodSettings m = NoxEngineSettings::MethodSettings::of(*s);
    NoxEngineSettings::readMethod(*d->settings, s->method()->key(), m);
    s->setPlayModeFlag(NoxMethodState::NormalList, m.visible);
    setSplitLocked(s, m.split);
    s->setUseNotif(m.useNotif);
    s->setEcartNotif(m.ecartNotif);
    s->setUseCustomBlock(m.useCustomBlock);
    // Bounds stored in the wrong order (a hand-edited file) meet at the maximum.
    s->setCustomBlockMin(m.customBlockMin);
    s->setCustomBlockMax(m.customBlockMax);
    s->setNbBlockDom(m.maxDomBlocks);
    s->setActive(m.active);
}

void NoxEngine::loadMethodSettings(NoxMethodState *state)
{
    {
        QMutexLocker lock(&d->mutex);
        if (!d->settings || !state) {
            return;
        }
        applyMethodSettings(state);
        updateItemsToPlay();
    }
    state->clearCache();
    emit methodStateChanged(state->method()->index());
    emit itemsToPlayChanged();
}

void NoxEngine::saveSettings()
{
    NoxDeferredWriter *writer = nullptr;
    {
        std::lock_guard lock(d->writerMutex);
        writer = d->writer.get();
        if (writer) {
            writer->request(NoxEnginePrivate::AllStores);
        }
    }
    // Only this thread (the GUI thread, which owns persistence) deletes the writer.
    if (writer) {
        writer->flush();
    }
}

// --- Visibility profiles -------------------------------------------------------------------------

bool NoxEngine::saveProfile(const QUrl &url, QString *error)
{
    if (url.isEmpty()) {
        return noFile(error);
    }
    QList<NoxMethodState *> states;
    QList<NoxProfileFile::Entry> entries;
    {
        QMutexLocker lock(&d->mutex);
        states = d->states;
        entries.reserve(states.size());
        for (const NoxMethodState *s : std::as_const(states)) {
            entries.append({s->method()->name(), !(s->playModeFlags() & NoxMethodState::NormalList)});
        }
    }
    // The file is written without the engine lock: a slow disk never holds up a coup.
    if (!NoxProfileFile::write(localPathOf(url), entries, error)) {
        return false;
    }
    {
        QMutexLocker lock(&d->mutex);
        d->profileName = url.toString();
    }
    clearCaches(states);
    emit methodStatesChanged();
    return true;
}

bool NoxEngine::loadProfile(const QUrl &url, QString *error)
{
    if (url.isEmpty()) {
        return noFile(error);
    }
    QMap<QString, bool> hiddenByName;
    if (!NoxProfileFile::read(localPathOf(url), &hiddenByName, error)) {
        return false;
    }
    QList<NoxMethodState *> states;
    {
        QMutexLocker lock(&d->mutex);
        QJsonArray flags;
        for (NoxMethodState *s : std::as_const(d->states)) {
            const auto it = hiddenByName.constFind(s->method()->name());
            const bool shown = it != hiddenByName.cend() && !*it;
            s->setPlayModeFlag(NoxMethodState::NormalList, shown);
            flags.append(QJsonArray{s->method()->key(), shown});
        }
        noteChangeLocked(journalChange("flags", flags), NoxEnginePrivate::SettingsStore);
        d->profileName = url.toString();
        updateItemsToPlay();
        states = d->states;
    }
    clearCaches(states);
    emit methodStatesChanged();
    emit itemsToPlayChanged();
    return true;
}

QString NoxEngine::profileName() const
{
    QMutexLocker lock(&d->mutex);
    return d->profileName;
}

} // namespace Nox
