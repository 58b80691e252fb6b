#include "core/noxsettingsstore.h"

#include "core/noxlogging.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace Nox {

namespace {

/// A key as QSettings files it: no slash at either end, no empty section ("a//b" is "a/b").
QString normalizedKey(const QString &key)
{
    QString out;
    out.reserve(key.size());
    for (QChar c : key) {
        if (c == u'/' && (out.isEmpty() || out.endsWith(u'/'))) {
            continue;
        }
        out.append(c);
    }
    if (out.endsWith(u'/')) {
        out.chop(1);
    }
    return out;
}

} // namespace

NoxSettingsStore::NoxSettingsStore(const QString &organisation, const QString &application)
    : m_fileName(QSettings(QSettings::IniFormat, QSettings::UserScope, organisation, application).fileName())
{
    read();
}

NoxSettingsStore::NoxSettingsStore(const QString &fileName)
    : m_fileName(fileName)
{
    read();
}

NoxSettingsStore::~NoxSettingsStore()
{
    QString error;
    if (isDirty() && !sync(&error)) {
        qCWarning(lcNoxEngine).noquote()
            << QStringLiteral("Cannot write the settings %1: %2").arg(m_fileName, error);
    }
}

void NoxSettingsStore::read()
{
    const QSettings file(m_fileName, QSettings::IniFormat);
    const QStringList keys = file.allKeys();
    QMutexLocker lock(&m_mutex);
    for (const QString &key : keys) {
        m_values.insert(key, file.value(key));
    }
}

NoxValue NoxSettingsStore::value(const QString &key) const
{
    QMutexLocker lock(&m_mutex);
    return NoxValue::fromVariant(m_values.value(normalizedKey(key)));
}

bool NoxSettingsStore::readBool(const QString &key, bool current) const
{
    const NoxValue v = value(key);
    return v.isNone() ? current : v.toBool();
}

int NoxSettingsStore::readInt(const QString &key, int current) const
{
    const NoxValue v = value(key);
    return v.isNone() ? current : v.toInt();
}

QString NoxSettingsStore::readString(const QString &key, const QString &current) const
{
    const NoxValue v = value(key);
    return v.isNone() ? current : v.toString();
}

void NoxSettingsStore::setValue(const QString &key, const NoxValue &value)
{
    const QVariant v = value.toVariant();
    const QString k = normalizedKey(key);
    QMutexLocker lock(&m_mutex);
    auto it = m_values.find(k);
    if (it != m_values.end() && *it == v && it->typeId() == v.typeId()) {
        return;
    }
    m_values.insert(k, v);
    ++m_generation;
}

bool NoxSettingsStore::isDirty() const
{
    QMutexLocker lock(&m_mutex);
    return m_generation != m_written;
}

bool NoxSettingsStore::sync(QString *error)
{
    QMutexLocker writing(&m_writeMutex);
    QMap<QString, QVariant> values;
    quint64 generation = 0;
    {
        QMutexLocker lock(&m_mutex);
        if (m_generation == m_written) {
            return true;
        }
        values = m_values;
        generation = m_generation;
    }
    QDir().mkpath(QFileInfo(m_fileName).absolutePath());
    // QSettings replaces the file through a temporary copy and a rename, so a crash during
    // the write leaves the previous file whole.
    {
        QSettings file(m_fileName, QSettings::IniFormat);
        file.setAtomicSyncRequired(true);
        file.clear();
        for (auto it = values.cbegin(); it != values.cend(); ++it) {
            file.setValue(it.key(), it.value());
        }
        file.sync();
        if (file.status() != QSettings::NoError) {
            if (error) {
                *error = file.status() == QSettings::AccessError
                             ? QStringLiteral("the file cannot be written")
                             : QStringLiteral("the file is damaged");
            }
            return false;
        }
    }
    QMutexLocker lock(&m_mutex);
    m_written = generation;
    return true;
}

} // namespace Nox
