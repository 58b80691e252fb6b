#pragma once

#include <QDateTime>
#include <QObject>
#include <QStringList>

namespace Nox {
class NoxEngine;
}

/// What the start-up found that the player must hear about: the results of a session that
/// ended without an orderly shutdown (offered back), and the files that could not be read
/// (kept aside, never overwritten). The main window shows it once the screens are up; it is
/// handed to QML as the root-context property "startupReport".
///
/// GUI thread only.
class NoxStartupReport : public QObject
{
    Q_OBJECT
    Q_PROPERTY(int interruptedCount READ interruptedCount NOTIFY interruptedChanged)
    Q_PROPERTY(QDateTime interruptedAt READ interruptedAt NOTIFY interruptedChanged)
    Q_PROPERTY(QStringList problems READ problems CONSTANT)

public:
    explicit NoxStartupReport(Nox::NoxEngine *engine, QObject *parent = nullptr);

    /// Reads the interrupted session the engine kept aside, if any.
    void refresh();
    void addProblem(const QString &text) { m_problems.append(text); }

    [[nodiscard]] int interruptedCount() const { return m_count; }
    [[nodiscard]] QDateTime interruptedAt() const { return m_at; }
    [[nodiscard]] QStringList problems() const { return m_problems; }

    /// Replays the interrupted session's results through the engine.
    Q_INVOKABLE void restoreSession();
    /// Forgets the interrupted session: the new session starts empty.
    Q_INVOKABLE void discardSession();

    /// An INI file that Qt cannot parse is copied aside as "<file>.damaged" before the program
    /// reads defaults from it and later writes it again. Returns the report line, or "" when
    /// the file is missing or sound.
    static QString keepDamagedIniAside(const QString &path);

signals:
    void interruptedChanged();

private:
    Nox::NoxEngine *m_engine;
    int m_count = 0;
    QDateTime m_at;
    QStringList m_problems;
};
