#pragma once

#include "core/noxhistoryreader.h"

#include <QFutureWatcher>
#include <QJSValue>
#include <QObject>
#include <QTimer>
#include <QVariantMap>
#include <QtQml/qqmlregistration.h>

#include <memory>

namespace Nox {
class NoxEngine;
}

/// The import of a played history into the engine, from a pasted text or from a file, through
/// the model's history reader (the same as noxsim's), and the message that says what it did:
/// how many results were added, which lines were corrected or skipped, what did not fit.
///
/// The facade delegates its history import here so that it keeps one job. A pasted text is
/// bounded by textLimit() and read on the GUI thread; a file is read on a worker thread with
/// its progress polled by a timer, and can be cancelled. Either way only the results the
/// engine has room for (NoxEngine::kMaxPlayed) are kept and handed to its playValues(); the
/// rest is only counted. One import runs at a time.
///
/// Thread rules: lives on the GUI thread and is called there. The worker touches only its own
/// job (the file and the reader); the destructor cancels it and waits for it.
class UIHistoryImport : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("Reached as UIWrapper.historyImport")
    Q_PROPERTY(bool reading READ isReading NOTIFY readingChanged)
    Q_PROPERTY(double readProgress READ readProgress NOTIFY readProgressChanged)
    Q_PROPERTY(QString message READ message NOTIFY messageChanged)
    Q_PROPERTY(int textLimit READ textLimit CONSTANT)

public:
    /// Characters the text area takes: a full history of 10 000 results written "P\r\n" fits,
    /// and laying it out stays well under a second.
    static constexpr int kTextLimit = 32000;
    /// Line numbers of skipped lines the message names.
    static constexpr int kShownLines = 5;

    /// What an import did, for its message.
    struct Outcome {
        Nox::NoxHistoryReader::Summary summary;
        qint64 notSent = 0; ///< results read beyond the engine's room
        qint64 sent = 0;    ///< results handed to the engine
        qint64 taken = 0;   ///< results the engine added
        bool canceled = false;
        bool full = false; ///< the engine's history reached its limit
        QString openError;
        /// Why the file could not be read to its end (the device's error); what was read
        /// before is played.
        QString readError;
    };

    explicit UIHistoryImport(Nox::NoxEngine *engine, QObject *parent = nullptr);
    ~UIHistoryImport() override;

    [[nodiscard]] bool isReading() const { return m_job != nullptr; }
    /// 0 to 1 while a file is read; -1 when its size is unknown (a device, a pipe).
    [[nodiscard]] double readProgress() const { return m_readProgress; }
    [[nodiscard]] QString message() const { return m_message; }
    [[nodiscard]] int textLimit() const { return kTextLimit; }

    /// Plays a pasted history; callback(progress, total) is called on every progress step of
    /// the play (a false or an error returned cancels the rest) and callback(total, total) at
    /// the end, total being the number of results handed to the engine. Nothing starts while a
    /// file is being read.
    void importText(const QString &text, const QJSValue &callback);
    /// Reads the file (a path or a file URL) on a worker thread, then plays it as importText().
    /// Nothing starts while another import reads.
    Q_INVOKABLE void importFile(const QString &pathOrUrl, const QJSValue &callback);
    /// Stops the reading of a file; nothing of it is played. (The play itself is stopped by
    /// the callback.)
    Q_INVOKABLE void cancel();
    /// What a paste of `text` into a text area holding `length` characters may insert: "text"
    /// (cut after the last line end that fits the text limit, or the whole text), "refused"
    /// (characters left out) and "message" (empty when nothing was left out).
    [[nodiscard]] Q_INVOKABLE QVariantMap fitPaste(const QString &text, int length) const;
    /// Forgets the callbacks of the imports that run: the screen that gave them goes away (a
    /// QML function called after its object is gone crashes). The imports go on to the end.
    Q_INVOKABLE void releaseCallbacks();
    /// fitPaste() of the clipboard's text.
    [[nodiscard]] Q_INVOKABLE QVariantMap pasteFromClipboard(int length) const;

    /// The message of an import, in the current language.
    [[nodiscard]] static QString describe(const Outcome &outcome);

signals:
    void readingChanged();
    void readProgressChanged();
    void messageChanged();

private:
    struct Job;
    /// What a reading kept: the results that fit, and what it did.
    struct Read {
        QList<int> values;
        Outcome outcome;
    };
    static Read readValues(Nox::NoxHistoryReader &reader, qint64 room);
    [[nodiscard]] qint64 room() const;
    using Callback = std::shared_ptr<QJSValue>;
    /// Keeps `callback` where releaseCallbacks() can reach it.
    Callback hold(const QJSValue &callback);
    void play(const Read &read, const Callback &callback);
    void setMessage(const QString &message);
    void setReadProgress(double progress);
    void finishReading();

    Nox::NoxEngine *m_engine;
    std::shared_ptr<Job> m_job; // the file being read
    QFutureWatcher<Read> m_readWatcher;
    Callback m_readCallback;
    QList<std::weak_ptr<QJSValue>> m_callbacks; // of the imports that run
    QTimer m_progressTimer;
    double m_readProgress = 0;
    QString m_message;
};
