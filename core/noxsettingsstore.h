#pragma once

#include "core/noxvalue.h"

#include <QMap>
#include <QMutex>
#include <QString>
#include <QVariant>

namespace Nox {

/// The engine's INI settings store. Values pass as NoxValue and are read back with the
/// conversion rules of NoxValue, so a hand-edited or older file reads predictably; a missing
/// key yields the caller's current value.
///
/// The values live in memory; sync() writes them all to the file, which is replaced as a
/// whole (a write cut short by a crash leaves the previous file). Reading and writing values
/// never touch the disk, so they are cheap under any lock.
///
/// Thread rules: every member may be called from any thread; values are guarded by the
/// store's own lock, a leaf (nothing else is taken under it), and sync() writes outside it,
/// one write at a time.
class NoxSettingsStore
{
public:
    NoxSettingsStore(const QString &organisation, const QString &application);
    /// A store on an explicit INI file (tests, tools).
    explicit NoxSettingsStore(const QString &fileName);
    /// Writes what changed since the last sync().
    ~NoxSettingsStore();

    NoxSettingsStore(const NoxSettingsStore &) = delete;
    NoxSettingsStore &operator=(const NoxSettingsStore &) = delete;

    [[nodiscard]] QString fileName() const { return m_fileName; }
    [[nodiscard]] NoxValue value(const QString &key) const;
    [[nodiscard]] bool readBool(const QString &key, bool current) const;
    [[nodiscard]] int readInt(const QString &key, int current) const;
    [[nodiscard]] QString readString(const QString &key, const QString &current) const;
    void setValue(const QString &key, const NoxValue &value);
    /// Writes every value to the file when something changed since the last write. False, with
    /// `error` saying why, when the file could not be written (the values stay pending).
    bool sync(QString *error = nullptr);
    /// Whether values changed since the last successful write.
    [[nodiscard]] bool isDirty() const;

private:
    void read();

    QString m_fileName;
    mutable QMutex m_mutex;
    QMap<QString, QVariant> m_values;
    /// Bumped by every change; a write records the generation it wrote.
    quint64 m_generation = 0;
    quint64 m_written = 0;
    QMutex m_writeMutex;
};

} // namespace Nox
