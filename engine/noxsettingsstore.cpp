#include "engine/noxsettingsstore.h"

#include "engine/noxlogging.h"

namespace Nox {

NoxSettingsStore::NoxSettingsStore(const QString &organisation, const QString &application)
    : m_settings(
          std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, organisation, application))
{}

NoxSettingsStore::NoxSettingsStore(const QString &fileName)
    : m_settings(std::make_unique<QSettings>(fileName, QSettings::IniFormat))
{}

NoxValue NoxSettingsStore::value(const QString &key) const
{
    return NoxValue::fromVariant(m_settings->value(key));
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
    m_settings->setValue(key, value.toVariant());
}

void NoxSettingsStore::sync()
{
    m_settings->sync();
}

} // namespace Nox
