// NoxEngine: the session journal, the restore of an interrupted session, and the writer that
// keeps the settings, the user methods and the progression library on disk.

#include "engine/noxengine.h"
#include "engine/noxengine_p.h"

#include "core/noxlogging.h"
#include "core/noxmethod.h"
#include "core/noxmethodparameterinterface.h"
#include "core/noxmethodstate.h"
#include "core/noxsnapshotcontext.h"
#include "engine/noxjournalcodec.h"
#include "methods/methodeauto.h"
#include "money/noxmontante.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLockFile>
#include <QRegularExpression>
#include <QSaveFile>

namespace Nox {

namespace {

constexpr int kBaselineVersion = 1;

const QString kInterruptedSuffix = QStringLiteral(".interrupted");
const QString kRestoringSuffix = QStringLiteral(".restoring");
const QString kUnplayedFile = QStringLiteral("session.unplayed.txt");

QString editionName(bool baccarat)
{
    return baccarat ? QStringLiteral("baccarat") : QStringLiteral("roulette");
}

QByteArray compact(const QJsonObject &json)
{
    return QJsonDocument(json).toJson(QJsonDocument::Compact);
}

QString money(qint64 amount)
{
    return QString::asprintf("%.2f", double(amount) / 100.0);
}

/// The play-mode bits kept per method (the list bits; in-block bits are not per method).
constexpr int kListBits[] = {NoxMethodState::NormalList, NoxMethodState::QuickList,
                             NoxMethodState::SplitView};

} // namespace

// --- Files ---------------------------------------------------------------------------------------

QString NoxEngine::journalPath() const
{
    return settingsDirectory() + QStringLiteral("/session.journal");
}

QString NoxEngine::journalProblem() const
{
    QMutexLocker lock(&d->mutex);
    return d->journalProblem;
}

void NoxEngine::removeLeftovers()
{
    const QString directory = settingsDirectory();
    // An unfinished restore: its session is still kept aside and is offered again.
    QFile::remove(journalPath() + kRestoringSuffix);
    // A lock file whose process is gone is removed by the lock itself.
    const QString lockPath = settingsFileName() + QStringLiteral(".lock");
    if (QFile::exists(lockPath)) {
        QLockFile lock(lockPath);
        if (lock.tryLock(0)) {
            lock.unlock();
        }
    }
    // The temporary copies of files being replaced (the file name, a dot and six characters).
    const QStringList files = {QFileInfo(settingsFileName()).fileName(),
                               QStringLiteral("methodes_par_defaut.txt"), QStringLiteral("montantes.dat")};
    QDirIterator it(directory, QDir::Files | QDir::Hidden);
    while (it.hasNext()) {
        const QFileInfo info(it.next());
        const QString name = info.fileName();
        for (const QString &file : files) {
            if (name.size() == file.size() + 7 && name.startsWith(file + QLatin1Char('.')) &&
                QDateTime::currentDateTime().secsTo(info.lastModified()) < 0) {
                QFile::remove(info.filePath());
                qCDebug(lcNoxEngine).noquote() << QStringLiteral("Removed leftover ") + info.filePath();
            }
        }
    }
}

void NoxEngine::openJournal()
{
    removeLeftovers();
    const QString path = journalPath();
    const QString aside = path + kInterruptedSuffix;
    // A newer unclosed journal with results replaces an older one still waiting for an answer.
    if (NoxSessionJournal::read(path)) {
        QFile::remove(aside);
        QFile::rename(path, aside);
    }
    std::optional<NoxInterruptedSession> interrupted = NoxSessionJournal::read(aside);
    QString problem;
    if (interrupted) {
        // A journal of the other edition (or holding results that are not of this game) is
        // never played here: it is kept for the edition it belongs to.
        const QString mine = editionName(d->baccaratMode);
        const bool foreignValues = std::any_of(interrupted->values.cbegin(), interrupted->values.cend(),
                                               [this](int v) { return !isValidValue(v); });
        if ((!interrupted->edition.isEmpty() && interrupted->edition != mine) || foreignValues) {
            const QString other =
                interrupted->edition.isEmpty() ? QStringLiteral("other") : interrupted->edition;
            const QString kept = path + QLatin1Char('.') + other;
            QFile::remove(kept);
            QFile::rename(aside, kept);
            problem = tr("Le journal de la session précédente n'est pas celui de cette édition (%1) : "
                         "il n'est pas restauré et reste gardé sous %2.")
                          .arg(other, kept);
            qCWarning(lcNoxEngine).noquote() << problem;
            interrupted.reset();
        }
    }
    if (!interrupted) {
        QFile::remove(aside);
    }
    QMutexLocker lock(&d->mutex);
    d->interrupted = std::move(interrupted);
    d->journalProblem = problem;
    d->journal = std::make_unique<NoxSessionJournal>(path);
    startJournalLocked(d->played.isEmpty());
}

void NoxEngine::startJournalLocked(bool exact)
{
    if (d->journal) {
        d->journal->start(d->played, editionName(d->baccaratMode), baselineLocked(exact),
                          d->roads.shoeStarts());
    }
}

// --- The state a session starts from -----------------------------------------------------------

QByteArray NoxEngine::baselineLocked(bool exact) const
{
    QJsonObject json;
    json.insert(QStringLiteral("v"), kBaselineVersion);
    json.insert(QStringLiteral("exact"), exact);
    json.insert(QStringLiteral("financial"), NoxJournalCodec::toJson(d->financial));
    json.insert(QStringLiteral("config"), NoxJournalCodec::toJson(d->config));
    json.insert(QStringLiteral("suspended"), d->suspended);
    json.insert(QStringLiteral("sessionStart"), double(d->guards.sessionStartMs()));
    json.insert(QStringLiteral("sid"), d->sessionId);
    QJsonArray montantes;
    const QMap<NoxMethodType, NoxMontante *> &current = d->montantes.currentByKind();
    for (auto it = current.cbegin(); it != current.cend(); ++it) {
        montantes.append(QJsonArray{int(it.key()), it.value()->montanteId(), it.value()->name()});
    }
    json.insert(QStringLiteral("montantes"), montantes);
    QJsonArray methods;
    for (const NoxMethodState *s : std::as_const(d->states)) {
        NoxMethod *m = s->method();
        QJsonObject o{{QStringLiteral("k"), m->key()},
                      {QStringLiteral("f"), s->playModeFlags()},
                      {QStringLiteral("a"), s->isActive()},
                      {QStringLiteral("n"), s->useNotif()},
                      {QStringLiteral("e"), s->ecartNotif()},
                      {QStringLiteral("cb"), s->useCustomBlock()},
                      {QStringLiteral("min"), s->customBlockMin()},
                      {QStringLiteral("max"), s->customBlockMax()},
                      {QStringLiteral("dom"), s->nbBlockDom()},
                      {QStringLiteral("z"), s->zeroOption()},
                      {QStringLiteral("t"), NoxJournalCodec::toJson(NoxValue(s->tendencyOffset()))},
                      {QStringLiteral("nm"), s->numberMode()}};
        std::lock_guard methodLock(m->mutex());
        if (const auto *autoMethod = dynamic_cast<const MethodeAuto *>(m)) {
            o.insert(QStringLiteral("s"), int(autoMethod->sortType()));
        }
        if (auto *iface = dynamic_cast<NoxMethodParameterInterface *>(m)) {
            o.insert(QStringLiteral("p"), NoxJournalCodec::toJson(iface->parameters()));
        }
        methods.append(o);
    }
    json.insert(QStringLiteral("methods"), methods);
    return compact(json);
}

NoxMethodState *NoxEngine::stateByKeyLocked(const QString &key) const
{
    for (NoxMethodState *s : std::as_const(d->states)) {
        if (s->method()->key() == key) {
            return s;
        }
    }
    return nullptr;
}

void NoxEngine::applyBaseline(const QJsonObject &json)
{
    QMutexLocker lock(&d->mutex);
    NoxFinancial financial = d->financial;
    NoxJournalCodec::read(json.value(QLatin1String("financial")).toObject(), financial);
    d->financial = financial;
    NoxJournalCodec::read(json.value(QLatin1String("config")).toObject(), d->config);
    d->suspended = json.value(QLatin1String("suspended")).toBool(d->suspended);
    // The session guards' clock goes on from the session's start, not from the restore.
    d->guards.setSessionStartMs(
        qint64(json.value(QLatin1String("sessionStart")).toDouble(double(d->guards.sessionStartMs()))));
    // The archive's session goes on too.
    if (const QString sid = json.value(QLatin1String("sid")).toString(); !sid.isEmpty()) {
        d->sessionId = sid;
    }
    for (const QJsonValue &v : json.value(QLatin1String("montantes")).toArray()) {
        const QJsonArray m = v.toArray();
        const auto type = NoxMethodType(m.at(0).toInt());
        const QString name = m.at(2).toString();
        NoxMontante *byId = d->montantes.find(type, m.at(1).toInt(-1));
        NoxMontante *chosen = byId && byId->name() == name ? byId : d->montantes.findByName(type, name);
        if (chosen) {
            d->montantes.setCurrent(type, chosen);
        }
    }
    QHash<QString, NoxMethodState *> byKey;
    for (NoxMethodState *s : std::as_const(d->states)) {
        byKey.insert(s->method()->key(), s);
    }
    for (const QJsonValue &v : json.value(QLatin1String("methods")).toArray()) {
        const QJsonObject o = v.toObject();
        NoxMethodState *s = byKey.value(o.value(QLatin1String("k")).toString());
        if (!s) {
            continue;
        }
        const int flags = o.value(QLatin1String("f")).toInt(s->playModeFlags());
        for (int bit : kListBits) {
            s->setPlayModeFlag(bit, flags & bit);
        }
        s->setActive(o.value(QLatin1String("a")).toBool());
        s->setUseNotif(o.value(QLatin1String("n")).toBool());
        s->setEcartNotif(o.value(QLatin1String("e")).toInt(s->ecartNotif()));
        s->setUseCustomBlock(o.value(QLatin1String("cb")).toBool());
        s->setCustomBlockMin(o.value(QLatin1String("min")).toInt(s->customBlockMin()));
        s->setCustomBlockMax(o.value(QLatin1String("max")).toInt(s->customBlockMax()));
        s->setNbBlockDom(o.value(QLatin1String("dom")).toInt(s->nbBlockDom()));
        s->setNumberMode(o.value(QLatin1String("nm")).toBool());
        s->setZeroOption(o.value(QLatin1String("z")).toBool());
        s->setTendencyOffset(NoxJournalCodec::valueOf(o.value(QLatin1String("t"))).toDouble());
        NoxMethod *m = s->method();
        std::lock_guard methodLock(m->mutex());
        if (auto *autoMethod = dynamic_cast<MethodeAuto *>(m); autoMethod && o.contains(QLatin1String("s"))) {
            autoMethod->setSortType(NoxMethodSortType(o.value(QLatin1String("s")).toInt()));
        }
        if (auto *iface = dynamic_cast<NoxMethodParameterInterface *>(m);
            iface && o.contains(QLatin1String("p"))) {
            iface->setParameters(NoxJournalCodec::parametersOf(o.value(QLatin1String("p")).toArray()));
        }
    }
}

// --- Recording changes --------------------------------------------------------------------------

void NoxEngine::requestWrite(unsigned stores)
{
    std::lock_guard lock(d->writerMutex);
    if (d->writer) {
        d->writer->request(stores);
    }
}

void NoxEngine::noteChangeLocked(const QJsonObject &change, unsigned stores)
{
    if (d->journal) {
        d->journal->recordChange(compact(change));
    }
    requestWrite(stores);
}

void NoxEngine::noteChange(const QJsonObject &change, unsigned stores)
{
    QMutexLocker lock(&d->mutex);
    noteChangeLocked(change, stores);
}

void NoxEngine::noteUnreplayable(const char *what, unsigned stores)
{
    {
        QMutexLocker lock(&d->mutex);
        if (d->journal) {
            d->journal->recordUnreplayable(what);
        }
    }
    requestWrite(stores);
}

void NoxEngine::writeStores(unsigned stores)
{
    if (stores & NoxEnginePrivate::SettingsStore) {
        NoxFinancial financial;
        NoxEngineConfig config;
        NoxEngineSettings::MontanteNames montantes;
        QList<QPair<QString, NoxEngineSettings::MethodSettings>> methods;
        NoxSettingsStore *store = nullptr;
        {
            // Only copies under the engine lock: the file is written without it.
            QMutexLocker lock(&d->mutex);
            store = d->settings.get();
            financial = d->financial;
            config = d->config;
            montantes = d->montantes.currentNames();
            // A progression not registered yet stays named, not replaced by the fallback.
            for (auto it = d->wantedMontantes.cbegin(); it != d->wantedMontantes.cend(); ++it) {
                montantes.insert(it.key(), it.value());
            }
            methods.reserve(d->states.size());
            for (const NoxMethodState *s : std::as_const(d->states)) {
                methods.append({s->method()->key(), NoxEngineSettings::MethodSettings::of(*s)});
            }
        }
        if (store) {
            NoxEngineSettings::writeFinancial(*store, financial, montantes);
            NoxEngineSettings::writeConfig(*store, config);
            for (const auto &[key, settings] : std::as_const(methods)) {
                NoxEngineSettings::writeMethod(*store, key, settings);
            }
            if (d->calibration->settingsStore() == store) {
                d->calibration->save(*store);
            }
            QString error;
            if (!store->sync(&error)) {
                qCWarning(lcNoxEngine).noquote()
                    << QStringLiteral("Cannot write the settings %1: %2").arg(store->fileName(), error);
            }
        }
    }
    bool libraryRead = false;
    {
        QMutexLocker lock(&d->mutex);
        libraryRead = d->libraryRead;
    }
    QString error;
    if ((stores & NoxEnginePrivate::UserMethodsStore) && !saveUserMethods({}, &error)) {
        qCWarning(lcNoxMethods).noquote() << QStringLiteral("Cannot save the user methods: ") + error;
    }
    if ((stores & NoxEnginePrivate::LibraryStore) && libraryRead && !saveMontanteLibrary({}, &error)) {
        qCWarning(lcNoxMoney).noquote() << QStringLiteral("Cannot save the progression library: ") + error;
    }
}

// --- Restore ------------------------------------------------------------------------------------

std::optional<NoxInterruptedSession> NoxEngine::interruptedSession() const
{
    QMutexLocker lock(&d->mutex);
    return d->interrupted;
}

void NoxEngine::discardInterruptedSession()
{
    {
        QMutexLocker lock(&d->mutex);
        d->interrupted.reset();
    }
    QFile::remove(journalPath() + kInterruptedSuffix);
}

QFuture<void> NoxEngine::restoreInterruptedSession()
{
    const std::optional<NoxInterruptedSession> session = interruptedSession();
    if (!session) {
        return QtFuture::makeReadyFuture();
    }
    return d->tasks.run([this, session = *session] { replaySession(session); });
}

void NoxEngine::replaySession(const NoxInterruptedSession &session)
{
    const QJsonObject baseline = QJsonDocument::fromJson(session.baseline).object();
    const bool exactBaseline = baseline.value(QLatin1String("exact")).toBool(false);
    std::unique_ptr<NoxSessionJournal> live;
    {
        // The session's state first, with nothing journaled: the journal of the restore starts
        // from it, in a file of its own until the whole session is played.
        QMutexLocker lock(&d->mutex);
        live = std::move(d->journal);
        // From here on nothing reaches the archive: it has this session's coups already.
        d->replaying = true;
    }
    restartInTask(true, true);
    if (!baseline.isEmpty()) {
        applyBaseline(baseline);
    }
    QList<NoxMethodState *> states;
    {
        QMutexLocker lock(&d->mutex);
        states = d->states;
        const QList<int> none;
        d->tasks.forEachState(states, [&](NoxMethodState *s) {
            NoxSnapshotContext context(none, states, s, 0);
            s->resetState(false, context);
        });
        updateItemsToPlay();
        if (live) {
            d->journal = std::make_unique<NoxSessionJournal>(live->path() + kRestoringSuffix);
            startJournalLocked(exactBaseline);
        }
        d->replaying = true;
    }
    QList<int> unplayed;
    qsizetype divergedAt = -1;
    qint64 expectedCapital = 0;
    qint64 restoredCapital = 0;
    int coups = 0;
    int unknownChanges = 0;
    for (const NoxJournalEntry &e : session.entries) {
        if (!unplayed.isEmpty()) {
            // Past a refused result nothing more is played: what follows is kept as it was.
            if (e.tag == 'P') {
                unplayed.append(int(e.a));
            } else if (e.tag == 'U') {
                unplayed.removeLast();
            }
            continue;
        }
        switch (e.tag) {
        case 'P': {
            const qsizetype before = playedValues().size();
            playCoup(int(e.a), false);
            if (playedValues().size() == before) {
                unplayed.append(int(e.a));
            } else {
                ++coups;
            }
            break;
        }
        case 'Q':
            if (divergedAt < 0) {
                const NoxFinancial f = financial();
                if (f.capital != e.a || f.mise != e.b) {
                    divergedAt = coups;
                    expectedCapital = e.a;
                    restoredCapital = f.capital;
                }
            }
            break;
        case 'U':
            cancelPlay();
            break;
        case 'N':
            startNewShoe();
            break;
        case 'T':
            truncatePlayedItems(int(e.a));
            break;
        case 'R':
            restartInTask(e.a != 0, false);
            break;
        case 'K':
            if (!replayChange(QJsonDocument::fromJson(e.data).object())) {
                ++unknownChanges;
            }
            break;
        default:
            break;
        }
    }
    QStringList report;
    if (!unplayed.isEmpty()) {
        const QString path = settingsDirectory() + QLatin1Char('/') + kUnplayedFile;
        QSaveFile file(path);
        QByteArray text =
            "# " + tr("Résultats de la session interrompue que la restauration n'a pas pu rejouer").toUtf8() +
            '\n';
        for (int v : std::as_const(unplayed)) {
            text +=
                (d->baccaratMode ? QByteArray(1, "TPB"[std::clamp(v, 0, 2)]) : QByteArray::number(v)) + '\n';
        }
        const bool kept = file.open(QIODevice::WriteOnly) && file.write(text) == text.size() && file.commit();
        report.append(
            tr("%n résultat(s) n'ont pas pu être rejoués (limite atteinte)", "", int(unplayed.size())) +
            (kept ? tr(" : ils sont gardés dans %1.").arg(path) : QStringLiteral(".")));
    }
    if (session.baseline.isEmpty()) {
        report.append(
            tr("Ce journal ne contient que les résultats : les gains ont été recalculés avec les réglages "
               "actuels."));
    } else if (!session.replayable || !exactBaseline || unknownChanges > 0) {
        report.append(tr("Un réglage changé pendant la session n'a pas pu être rejoué : les chiffres peuvent "
                         "différer."));
    }
    if (divergedAt >= 0) {
        report.append(tr("Au coup %1, le capital restauré est %2 au lieu de %3.")
                          .arg(divergedAt)
                          .arg(money(restoredCapital), money(expectedCapital)));
    }
    {
        QMutexLocker lock(&d->mutex);
        d->replaying = false;
        // The restore's journal replaces the live one, which holds no result: closed first, as
        // Windows renames nothing onto a file that is open.
        if (live) {
            live->close();
        }
        if (d->journal && live && d->journal->moveTo(live->path())) {
            live.reset();
        } else if (live) {
            // Without a journal of the restore, the live one goes on.
            d->journal = std::move(live);
            startJournalLocked(false);
        }
        d->interrupted.reset();
        if (!report.isEmpty()) {
            d->notifications.append({tr("Restauration inexacte"), report.join(QLatin1Char('\n')),
                                     NoxNotification::Restore, false});
        }
    }
    QFile::remove(journalPath() + kInterruptedSuffix);
    std::optional<NoxSessionRecord> resumed;
    {
        QMutexLocker lock(&d->mutex);
        if (recordingLocked()) {
            resumed = sessionRecordLocked(NoxSessionRecord::Resumed);
            resumed->startMs = d->guards.sessionStartMs();
            resumed->startCapital = d->financial.capitalOrigine;
            resumed->capital = d->financial.capital;
            fillPlayingLocked(*resumed);
        }
    }
    if (resumed) {
        emit sessionRecorded(*resumed);
    }
    emit playedValuesChanged();
    emit roadsChanged();
    emit itemsToPlayChanged();
    clearCaches(methodStates());
    emit methodStatesChanged();
    emit notificationsChanged();
}

bool NoxEngine::replayChange(const QJsonObject &change)
{
    const QString op = change.value(QLatin1String("op")).toString();
    const QString key = change.value(QLatin1String("k")).toString();
    int methodId = -1;
    if (!key.isEmpty()) {
        QMutexLocker lock(&d->mutex);
        const NoxMethodState *s = stateByKeyLocked(key);
        if (!s) {
            return false;
        }
        methodId = s->method()->index();
    }
    const QJsonValue v = change.value(QLatin1String("v"));
    if (op == u"financial") {
        NoxFinancial f = financial();
        NoxJournalCodec::read(v.toObject(), f);
        setFinancialConfig(f);
    } else if (op == u"config") {
        NoxEngineConfig c = config();
        NoxJournalCodec::read(v.toObject(), c);
        setConfig(c);
    } else if (op == u"montante") {
        const auto type = NoxMethodType(change.value(QLatin1String("type")).toInt());
        const int id = change.value(QLatin1String("id")).toInt(-1);
        const QString name = change.value(QLatin1String("name")).toString();
        bool sameName = false;
        {
            QMutexLocker lock(&d->mutex);
            const NoxMontante *m = d->montantes.find(type, id);
            sameName = m && m->name() == name;
        }
        return sameName ? selectMontanteById(type, id) : (selectMontante(type, name), true);
    } else if (op == u"active") {
        setMethodActive(methodId, v.toBool());
    } else if (op == u"playMode") {
        setMethodPlayMode(methodId, change.value(QLatin1String("bit")).toInt(), v.toBool());
    } else if (op == u"useNotif") {
        setMethodUseNotif(methodId, v.toBool());
    } else if (op == u"ecartNotif") {
        setMethodEcartNotif(methodId, v.toInt());
    } else if (op == u"useCustomBlock") {
        setMethodUseCustomBlock(methodId, v.toBool());
    } else if (op == u"customBlockMin") {
        setMethodCustomBlockMin(methodId, v.toInt());
    } else if (op == u"customBlockMax") {
        setMethodCustomBlockMax(methodId, v.toInt());
    } else if (op == u"nbBlockDom") {
        setMethodNbBlockDom(methodId, v.toInt());
    } else if (op == u"zeroOption") {
        setMethodZeroOption(methodId, v.toBool());
    } else if (op == u"tendencyOffset") {
        setMethodTendencyOffset(methodId, NoxJournalCodec::valueOf(v).toDouble());
    } else if (op == u"parameters") {
        setMethodParameters(methodId, NoxJournalCodec::parametersOf(v.toArray()));
    } else if (op == u"autoSort") {
        setAutoSortType(v.toInt());
    } else if (op == u"session") {
        // A bankroll restarted within the journal's session: the archive's session it began.
        QMutexLocker lock(&d->mutex);
        d->sessionId = v.toString();
        noteChangeLocked(change, 0);
    } else if (op == u"suspended") {
        setSuspended(v.toBool());
    } else if (op == u"read") {
        setNotificationRead(change.value(QLatin1String("i")).toInt(), v.toBool());
    } else if (op == u"notify") {
        addNotification(NoxJournalCodec::notificationOf(v.toObject()),
                        change.value(QLatin1String("once")).toBool());
    } else if (op == u"resetMontante") {
        resetMontante();
    } else if (op == u"resetStats") {
        resetFinancialStats();
    } else if (op == u"flags") {
        // A profile: the list flags of every method at once.
        QMutexLocker lock(&d->mutex);
        for (const QJsonValue &m : v.toArray()) {
            const QJsonArray pair = m.toArray();
            if (NoxMethodState *s = stateByKeyLocked(pair.at(0).toString())) {
                s->setPlayModeFlag(NoxMethodState::NormalList, pair.at(1).toBool());
            }
        }
        noteChangeLocked(change, NoxEnginePrivate::SettingsStore);
        updateItemsToPlay();
    } else {
        return false;
    }
    return true;
}

} // namespace Nox
