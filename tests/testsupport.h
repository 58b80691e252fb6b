#pragma once

#include "core/noxmethod.h"
#include "core/noxmethodstate.h"

#include <QDir>
#include <QFile>
#include <QLoggingCategory>
#include <QSettings>
#include <QTemporaryDir>

namespace NoxTest {

/// A state whose method always proposes the same items (items played as themselves, not as
/// numbers, so stakes stay in their own kind).
inline Nox::NoxMethodState *fixedState(const QString &name, Nox::NoxMethodType type,
                                       const QList<Nox::NoxBetItemID> &items,
                                       Nox::NoxMethodSubType subtype = Nox::NoxMethodSubType::none)
{
    auto *method = new Nox::NoxMethod(type, subtype, name);
    method->setProposal(items);
    auto *state = new Nox::NoxMethodState(method);
    state->setNumberMode(false);
    return state;
}

/// Keeps a test away from the user's files: settings and working directory in `dir`, and
/// the engine's debug output off.
inline void useSandbox(const QTemporaryDir &dir)
{
    QLoggingCategory::setFilterRules(QStringLiteral("nox.*.debug=false"));
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir.path());
    QDir::setCurrent(dir.path());
}

inline bool writeFile(const QString &path, const QByteArray &data)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(data) == data.size();
}

inline QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace NoxTest
