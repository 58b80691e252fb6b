#include "noxstartupreport.h"

#include "engine/noxengine.h"

#include <QFile>
#include <QSettings>

NoxStartupReport::NoxStartupReport(Nox::NoxEngine *engine, QObject *parent)
    : QObject(parent)
    , m_engine(engine)
{
    refresh();
}

void NoxStartupReport::refresh()
{
    const auto session = m_engine->interruptedSession();
    const int count = session ? int(session->values.size()) : 0;
    const QDateTime at = session ? session->lastChange.toLocalTime() : QDateTime();
    if (count != m_count || at != m_at) {
        m_count = count;
        m_at = at;
        emit interruptedChanged();
    }
}

void NoxStartupReport::restoreSession()
{
    if (m_count > 0) {
        m_engine->restoreInterruptedSession();
    }
    refresh();
}

void NoxStartupReport::discardSession()
{
    m_engine->discardInterruptedSession();
    refresh();
}

QString NoxStartupReport::keepDamagedIniAside(const QString &path)
{
    if (!QFile::exists(path)) {
        return {};
    }
    QSettings settings(path, QSettings::IniFormat);
    if (settings.status() == QSettings::NoError) {
        return {};
    }
    const QString aside = path + QStringLiteral(".damaged");
    QFile::remove(aside);
    QFile::copy(path, aside);
    return tr("%1 est illisible : les réglages par défaut sont utilisés, le fichier est gardé sous %2.")
        .arg(path, aside);
}
