#include "uiappsettings.h"

#include "uilogging.h"

#include <QSettings>

#include <atomic>

namespace {
UIAppSettings *g_instance = nullptr;
}

/// Writes hand-overs of values into the INI file, one after the other, on the worker thread.
class UIAppSettingsWriter : public QObject
{
    Q_OBJECT

public:
    UIAppSettingsWriter(QString fileName, std::atomic<int> *inFlight)
        : m_fileName(std::move(fileName))
        , m_inFlight(inFlight)
    {}

    void write(const QVariantMap &values)
    {
        QSettings settings(m_fileName, QSettings::IniFormat);
        for (auto it = values.cbegin(); it != values.cend(); ++it) {
            settings.setValue(it.key(), it.value());
        }
        settings.sync();
        const bool ok = settings.status() == QSettings::NoError;
        if (!ok) {
            qCWarning(lcUi).noquote() << "Application settings not written:" << m_fileName;
        }
        m_inFlight->fetch_sub(1);
        emit written(ok);
    }

signals:
    void written(bool ok);

private:
    QString m_fileName;
    std::atomic<int> *m_inFlight;
};

UIAppSettings::UIAppSettings(QObject *parent, int intervalMs)
    : QObject(parent)
    , m_intervalMs(intervalMs)
{
    const QSettings settings;
    m_fileName = settings.fileName();
    for (const QString &key : settings.allKeys()) {
        m_values.insert(key, settings.value(key));
    }
    m_timer.setSingleShot(true);
    // A coarse timer may fire 5 % early, which would write twice within one interval.
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &UIAppSettings::writePending);

    m_writer = new UIAppSettingsWriter(m_fileName, &m_inFlight);
    m_writer->moveToThread(&m_thread);
    connect(&m_thread, &QThread::finished, m_writer, &QObject::deleteLater);
    connect(m_writer, &UIAppSettingsWriter::written, this, &UIAppSettings::onWritten);
    m_thread.setObjectName(QStringLiteral("nox.settings"));
    m_thread.start(QThread::LowPriority);
    if (!g_instance) {
        g_instance = this;
    }
}

UIAppSettings::~UIAppSettings()
{
    flush();
    m_thread.quit();
    m_thread.wait();
    if (g_instance == this) {
        g_instance = nullptr;
    }
}

UIAppSettings *UIAppSettings::instance()
{
    return g_instance;
}

QVariant UIAppSettings::value(const QString &key, const QVariant &defaultValue) const
{
    return m_values.value(key, defaultValue);
}

void UIAppSettings::setValue(const QString &key, const QVariant &value)
{
    const auto it = m_values.constFind(key);
    if (it != m_values.cend() && it.value() == value) {
        return;
    }
    m_values.insert(key, value);
    m_pending.insert(key, value);
    schedule();
}

void UIAppSettings::schedule()
{
    if (m_timer.isActive()) {
        return; // the coming write takes this change too
    }
    const qint64 since = m_sinceWrite.isValid() ? m_sinceWrite.elapsed() : m_intervalMs;
    m_timer.start(int(qMax<qint64>(0, m_intervalMs - since)));
}

void UIAppSettings::writePending()
{
    m_timer.stop();
    if (m_pending.isEmpty()) {
        return;
    }
    const QVariantMap values = std::exchange(m_pending, {});
    m_inFlight.fetch_add(1);
    m_sinceWrite.start();
    QMetaObject::invokeMethod(m_writer, [writer = m_writer, values] { writer->write(values); });
}

void UIAppSettings::flush()
{
    writePending();
    if (m_thread.isRunning()) {
        // The worker runs its calls in order: once this empty one has run, every write has.
        QMetaObject::invokeMethod(
            m_writer, [] {}, Qt::BlockingQueuedConnection);
    }
}

void UIAppSettings::onWritten(bool ok)
{
    emit written(ok);
}

#include "uiappsettings.moc"
