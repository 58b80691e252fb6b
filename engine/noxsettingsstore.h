#pragma once

#include "engine/noxvalue.h"

#include <QSettings>

#include <memory>

namespace Nox {

/// The engine's INI settings store. Values pass as NoxValue and are read back with the
/// conversion rules of NoxValue, so a hand-edited or older file reads predictably; a missing
/// key yields the caller's current value.
class NoxSettingsStore
{
public:
    NoxSettingsStore(const QString &organisation, const QString &application);
    /// A store on an explicit INI file (tests, tools).
    explicit NoxSettingsStore(const QString &fileName);

    [[nodiscard]] QString fileName() const { return m_settings->fileName(); }
    [[nodiscard]] NoxValue value(const QString &key) const;
    [[nodiscard]] bool readBool(const QString &key, bool current) const;
    [[nodiscard]] int readInt(const QString &key, int current) const;
    [[nodiscard]] QString readString(const QString &key, const QString &current) const;
    void setValue(const QString &key, const NoxValue &value);
    void sync();
    [[nodiscard]] QSettings &settings() { return *m_settings; }

private:
    std::unique_ptr<QSettings> m_settings;
};

} // namespace Nox
