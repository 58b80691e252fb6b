#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QThread>
#include <QTimer>
#include <QVariantMap>

#include <atomic>

class UIAppSettingsWriter;

/// The application settings (the language, the window's place and stay-on-top state) in the
/// INI file of the application's organisation and name, written soon after each change so that
/// a crash or a kill costs no setting.
///
/// Writes are coalesced: the first change after a quiet second is written at once, later ones
/// wait until a second has passed since the previous write, so a window dragged across the
/// screen is written at most once a second and its last place within a second. QSettings
/// replaces an INI file atomically (through QSaveFile, since atomic sync is required by
/// default), so a kill during a write leaves the previous file whole.
///
/// Thread rules: lives on the GUI thread; value(), setValue() and flush() are called there.
/// The file is read once at construction and written by a worker thread of this object, so a
/// change costs the GUI thread a map insertion, never a disk write. flush() (at close, and in
/// the destructor) waits for the worker to have written everything.
class UIAppSettings : public QObject
{
    Q_OBJECT

public:
    static constexpr int kWriteIntervalMs = 1000;

    /// Reads the file of `QSettings()` (the application's organisation and name, the default
    /// format). `intervalMs` is the least time between two writes.
    explicit UIAppSettings(QObject *parent = nullptr, int intervalMs = kWriteIntervalMs);
    ~UIAppSettings() override;

    /// The application's settings, while one exists (the program makes one in main()).
    [[nodiscard]] static UIAppSettings *instance();

    [[nodiscard]] QString fileName() const { return m_fileName; }
    [[nodiscard]] bool contains(const QString &key) const { return m_values.contains(key); }
    [[nodiscard]] QVariant value(const QString &key, const QVariant &defaultValue = {}) const;
    /// Stores the value now and writes it within the write interval; an unchanged value
    /// writes nothing.
    void setValue(const QString &key, const QVariant &value);
    /// True while changes wait for their write or are being written.
    [[nodiscard]] bool pending() const { return !m_pending.isEmpty() || m_inFlight > 0; }
    /// Writes what is pending now and waits until the worker has written it.
    void flush();

signals:
    /// A write has reached the file (emitted on the GUI thread); `ok` false when QSettings
    /// reported an error.
    void written(bool ok);

private:
    void schedule();
    void writePending();
    void onWritten(bool ok);

    QString m_fileName;
    QVariantMap m_values;  ///< every value, as the program sees it
    QVariantMap m_pending; ///< values changed since the last hand-over to the worker
    int m_intervalMs;
    std::atomic<int> m_inFlight{0}; ///< hand-overs the worker has not written yet
    QTimer m_timer;
    QElapsedTimer m_sinceWrite; ///< invalid until the first write
    QThread m_thread;
    UIAppSettingsWriter *m_writer = nullptr; ///< lives in m_thread
};
