// NoxEngine: user methods and the resources they come from.

#include "engine/noxengine.h"
#include "engine/noxengine_p.h"

#include "core/noxbetitem.h"
#include "core/noxlogging.h"
#include "core/noxmethod.h"
#include "core/noxmethodstate.h"
#include "core/noxresource.h"
#include "methods/methodeauto.h"
#include "methods/noxfactory.h"
#include "methods/noxnumberlistparser.h"

#include <QFile>
#include <QSaveFile>

#include <stdexcept>

namespace Nox {

namespace {

bool isUserMethod(const NoxMethodState *s)
{
    return s->method()->subtype() == NoxMethodSubType::purpleperso4;
}

// User files hold a few thousand short lines; anything far larger is not one.
constexpr qint64 kMaxUserFileSize = 32 * 1024 * 1024;

/// Whether a user method of this game may play `id`: on baccarat one of the three results,
/// on roulette any bet item of its table. Other bet items are warned about as the factory does.
bool isUserMethodItem(int id, bool baccarat)
{
    const auto item = NoxBetItemID(id);
    const bool baccaratItem =
        item == NoxBetItemID::B_TIE || item == NoxBetItemID::B_PLAYER || item == NoxBetItemID::B_BANKER;
    if (!hasBetItem(item)) {
        qCWarning(lcNoxMethods, "Failed to load item %d", id);
        return false;
    }
    return baccarat == baccaratItem;
}

/// Whether a user method of this name and these items, once saved, reads back the same at the
/// next start: the saved line goes through the same parser as the file.
bool readsBackAsSaved(const QString &name, const QList<int> &numbers, bool baccarat)
{
    QStringList ids;
    for (int n : numbers) {
        ids << QString::number(n);
    }
    const QString line = name + QStringLiteral(" :") + ids.join(QLatin1Char(','));
    const auto record = NoxNumberListParser::parseStrictLine(
        line, [baccarat](int id) { return isUserMethodItem(id, baccarat); });
    return record && record->name == name && record->ids == numbers;
}

} // namespace

QString NoxEngine::readResource(const QString &name)
{
    return noxReadResource(name);
}

QString NoxEngine::userMethodsPath() const
{
    return hasPersistence() ? settingsDirectory() + QStringLiteral("/methodes_par_defaut.txt")
                            : QStringLiteral("methodes_par_defaut.txt");
}

void NoxEngine::removeStates(const std::function<bool(const NoxMethodState *)> &remove)
{
    waitQuietly(d->tasks.run([this, &remove] {
        QList<NoxMethodState *> removed;
        {
            QMutexLocker lock(&d->mutex);
            for (auto it = d->states.begin(); it != d->states.end();) {
                if (!remove(*it)) {
                    ++it;
                    continue;
                }
                NoxMethodState *s = *it;
                d->statesById.remove(s->method()->index());
                if (d->favoritesState == s) {
                    d->favoritesState = nullptr;
                }
                if (d->autoState == s) {
                    d->autoState = nullptr;
                }
                removed.append(s);
                it = d->states.erase(it);
                ++d->statesRevision;
            }
            if (!removed.isEmpty()) {
                updateItemsToPlay();
            }
        }
        if (removed.isEmpty()) {
            return;
        }
        qDeleteAll(removed);
        noteUnreplayable("methods", NoxEnginePrivate::UserMethodsStore | NoxEnginePrivate::SettingsStore);
        clearCaches(methodStates());
        emit methodStatesChanged();
        emit itemsToPlayChanged();
    }));
}

void NoxEngine::addUserMethodState(NoxMethodState *state)
{
    addMethodState(state);
    QList<int> values;
    QList<NoxMethodState *> states;
    {
        QMutexLocker lock(&d->mutex);
        state->setZeroOption(d->financial.perso.addZero);
        if (d->settings) {
            applyMethodSettings(state);
        }
        values = d->played;
        states = d->states;
    }
    // A method added during a session starts with the history already played.
    waitQuietly(d->tasks.run([&] { replay(values, states, {state}); }));
    noteUnreplayable("methods", NoxEnginePrivate::UserMethodsStore | NoxEnginePrivate::SettingsStore);
}

int NoxEngine::loadUserMethods(const QUrl &url, bool clear, bool replace, NoxNumberListReading *reading)
{
    QFile file(url.isEmpty() ? userMethodsPath() : localPathOf(url));
    if (!file.open(QIODevice::ReadOnly) || file.size() > kMaxUserFileSize) {
        return -1;
    }
    // Bytes that are not UTF-8 become replacement characters, which no name may hold: a
    // binary file gives refused lines, not methods with garbage names.
    const bool baccarat = isBaccaratMode();
    const NoxNumberListReading read = NoxNumberListParser::read(
        QString::fromUtf8(file.readAll()), [baccarat](int id) { return isUserMethodItem(id, baccarat); });
    if (reading) {
        *reading = read;
    }
    const QList<NoxNumberListParser::Record> &records = read.records;
    if (clear) {
        removeStates(isUserMethod);
    }
    NoxFactory factory(this, nullptr);
    int added = 0;
    for (const NoxNumberListParser::Record &record : records) {
        if (replace) {
            removeStates([&record](const NoxMethodState *s) {
                return isUserMethod(s) && (record.name.isEmpty() || s->method()->name() == record.name);
            });
        }
        if (NoxMethodState *state = factory.userMethod(record.name, record.ids)) {
            addUserMethodState(state);
            ++added;
        }
    }
    clearCaches(methodStates());
    emit methodStatesChanged();
    return added;
}

bool NoxEngine::saveUserMethods(const QUrl &url, QString *error)
{
    const QString path = url.isEmpty() ? userMethodsPath() : localPathOf(url);
    qCDebug(lcNoxMethods).noquote() << QStringLiteral("saveUserMethods : ") + path;
    QByteArray text;
    {
        QMutexLocker lock(&d->mutex);
        for (auto it = d->states.crbegin(); it != d->states.crend(); ++it) {
            if (!isUserMethod(*it)) {
                continue;
            }
            // The bet items, as the file is read: a baccarat method's PLAYER is 4001, not the
            // number 1 it covers, and a roulette chance stays one item rather than 18 numbers.
            QStringList numbers;
            for (NoxBetItemID item : (*it)->method()->itemsToPlay()) {
                numbers << QString::number(int(item));
            }
            text += ((*it)->method()->name() + QStringLiteral(" :") + numbers.join(QLatin1Char(',')) +
                     QLatin1Char('\n'))
                        .toUtf8();
        }
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        if (error) {
            *error = file.errorString();
        }
        return false;
    }
    file.write(text);
    if (!file.commit()) {
        if (error) {
            *error = file.errorString();
        }
        return false;
    }
    return true;
}

QStringList NoxEngine::retainMethods(const QStringList &names)
{
    const QList<NoxMethodState *> states = methodStates();
    QSet<const NoxMethodState *> kept;
    QStringList unknown;
    for (const QString &name : names) {
        const auto it = std::find_if(states.begin(), states.end(), [&name](const NoxMethodState *s) {
            return s->method()->name() == name;
        });
        if (it == states.end()) {
            unknown.append(name);
            continue;
        }
        kept.insert(*it);
        const auto *automatic = dynamic_cast<const MethodeAuto *>((*it)->method());
        if (!automatic) {
            continue;
        }
        // An automatic method ranks its candidates, or every method of the catalogue that is
        // not automatic and has a subtype; it needs them all to choose as it would.
        const QSet<int> &candidates = automatic->candidateIndexes();
        for (const NoxMethodState *s : states) {
            const NoxMethod *m = s->method();
            if (candidates.isEmpty()
                    ? m->type() != NoxMethodType::automatic && m->subtype() != NoxMethodSubType::none
                    : candidates.contains(m->index())) {
                kept.insert(s);
            }
        }
    }
    if (!unknown.isEmpty()) {
        return unknown;
    }
    removeStates([&kept](const NoxMethodState *s) { return !kept.contains(s); });
    return {};
}

void NoxEngine::removeUserMethod(int methodId)
{
    removeStates(
        [methodId](const NoxMethodState *s) { return isUserMethod(s) && s->method()->index() == methodId; });
}

void NoxEngine::removeAllUserMethods()
{
    removeStates(isUserMethod);
}

int NoxEngine::upsertUserMethod(int methodId, const QString &givenName, const QList<int> &numbers)
{
    // A method the file of user methods would refuse at the next start is refused now, rather
    // than kept for the evening and lost after it.
    const QString name = givenName.trimmed();
    if (!readsBackAsSaved(name, numbers, isBaccaratMode())) {
        qCWarning(lcNoxMethods).noquote() << QStringLiteral("User method refused: ") + name;
        return -1;
    }
    NoxMethodState *state = methodState(methodId);
    if (!state) {
        NoxFactory factory(this, nullptr);
        NoxMethodState *created = factory.userMethod(name, numbers);
        if (!created) {
            return -1;
        }
        addUserMethodState(created);
        // The method set changed: the lists take their rows again.
        clearCaches(methodStates());
        emit methodStatesChanged();
        emit itemsToPlayChanged();
        return created->method()->index();
    }
    if (!isUserMethod(state)) {
        return -1;
    }
    QList<NoxBetItemID> items;
    for (int n : numbers) {
        items.append(NoxBetItemID(n));
    }
    QList<int> values;
    QList<NoxMethodState *> states;
    {
        QMutexLocker lock(&d->mutex);
        {
            std::lock_guard methodLock(state->method()->mutex());
            state->method()->setName(name);
            state->method()->setProposal(items);
        }
        values = d->played;
        states = d->states;
    }
    // New numbers, new statistics: the method is replayed over the history.
    waitQuietly(d->tasks.run([&] { replay(values, states, {state}); }));
    noteUnreplayable("methods", NoxEnginePrivate::UserMethodsStore | NoxEnginePrivate::SettingsStore);
    {
        QMutexLocker lock(&d->mutex);
        updateItemsToPlay();
    }
    emit methodStateChanged(methodId);
    emit itemsToPlayChanged();
    return methodId;
}

} // namespace Nox
