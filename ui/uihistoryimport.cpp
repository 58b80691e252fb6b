#include "uihistoryimport.h"

#include "engine/noxengine.h"
#include "uilogging.h"

#include <QBuffer>
#include <QClipboard>
#include <QFile>
#include <QGuiApplication>
#include <QLocale>
#include <QUrl>
#include <QtConcurrent/QtConcurrentRun>

using Nox::NoxEngine;
using Nox::NoxHistoryReader;

namespace {

// How often the progress of a file being read is shown.
constexpr int kProgressInterval = 100;

QJSValue call(const std::shared_ptr<QJSValue> &callback, int progress, int total)
{
    if (callback && callback->isCallable()) {
        return QJSValue(*callback).call({progress, total});
    }
    return {};
}

} // namespace

/// A file being read: the worker uses the file and the reader, the GUI thread only the
/// reader's thread-safe members (bytesRead(), cancel()).
struct UIHistoryImport::Job {
    QFile file;
    qint64 size = 0;
    std::optional<NoxHistoryReader> reader;
};

UIHistoryImport::UIHistoryImport(NoxEngine *engine, QObject *parent)
    : QObject(parent)
    , m_engine(engine)
{
    m_progressTimer.setInterval(kProgressInterval);
    connect(&m_progressTimer, &QTimer::timeout, this, [this] {
        if (m_job && m_job->size > 0) {
            setReadProgress(std::min(1.0, double(m_job->reader->bytesRead()) / double(m_job->size)));
        }
    });
    connect(&m_readWatcher, &QFutureWatcher<Read>::finished, this, &UIHistoryImport::finishReading);
}

UIHistoryImport::~UIHistoryImport()
{
    if (m_job) {
        m_job->reader->cancel();
        m_readWatcher.waitForFinished();
    }
}

qint64 UIHistoryImport::room() const
{
    return std::max<qint64>(0, NoxEngine::kMaxPlayed - m_engine->playedValues().size());
}

UIHistoryImport::Read UIHistoryImport::readValues(NoxHistoryReader &reader, qint64 room)
{
    // The screens import one session: the blank lines between shoes only separate lines.
    Read read;
    read.values.reserve(std::min<qint64>(room, 1024));
    const auto keep = [&](int value) {
        if (read.values.size() < room) {
            read.values.append(value);
        } else {
            ++read.outcome.notSent;
        }
    };
    read.outcome.summary = reader.readAll(keep, [] {});
    read.outcome.sent = read.values.size();
    read.outcome.canceled = read.outcome.summary.canceled;
    return read;
}

void UIHistoryImport::importText(const QString &text, const QJSValue &callback)
{
    if (!m_engine || m_job) {
        return;
    }
    QByteArray bytes = text.toUtf8();
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    NoxHistoryReader::Options options;
    options.baccarat = m_engine->isBaccaratMode();
    options.tooLong = NoxHistoryReader::TooLongLines::Skip;
    NoxHistoryReader reader(&buffer, options);
    play(readValues(reader, room()), hold(callback));
}

void UIHistoryImport::importFile(const QString &pathOrUrl, const QJSValue &callback)
{
    if (!m_engine || m_job) {
        return;
    }
    const QUrl url(pathOrUrl);
    const QString path = url.isLocalFile() ? url.toLocalFile() : pathOrUrl;
    auto job = std::make_shared<Job>();
    job->file.setFileName(path);
    if (!job->file.open(QIODevice::ReadOnly)) {
        Outcome outcome;
        outcome.openError = tr("Impossible de lire le fichier %1 : %2").arg(path, job->file.errorString());
        setMessage(describe(outcome));
        call(hold(callback), 0, 0);
        return;
    }
    qCDebug(lcUi).noquote() << QStringLiteral("IMPORT ") + path;
    job->size = job->file.isSequential() ? 0 : job->file.size();
    NoxHistoryReader::Options options;
    options.baccarat = m_engine->isBaccaratMode();
    options.tooLong = NoxHistoryReader::TooLongLines::Skip;
    job->reader.emplace(&job->file, options);
    m_job = job;
    m_readCallback = hold(callback);
    setMessage(QString());
    setReadProgress(job->size > 0 ? 0.0 : -1.0);
    emit readingChanged();
    m_progressTimer.start();
    // The worker holds the job too: it outlives this object's pointer until the reading ends.
    m_readWatcher.setFuture(QtConcurrent::run([job, room = room()] {
        Read read = readValues(*job->reader, room);
        if (!read.outcome.summary.error.isEmpty()) {
            read.outcome.readError = job->file.errorString();
        }
        return read;
    }));
}

void UIHistoryImport::cancel()
{
    if (m_job) {
        m_job->reader->cancel();
    }
}

void UIHistoryImport::finishReading()
{
    m_progressTimer.stop();
    const Read read = m_readWatcher.result();
    m_job.reset(); // closes the file
    const Callback callback = m_readCallback;
    m_readCallback.reset();
    setReadProgress(1.0);
    emit readingChanged();
    if (read.outcome.canceled) {
        setMessage(describe(read.outcome));
        call(callback, 0, 0);
        return;
    }
    play(read, callback);
}

UIHistoryImport::Callback UIHistoryImport::hold(const QJSValue &callback)
{
    auto held = std::make_shared<QJSValue>(callback);
    m_callbacks.removeIf([](const std::weak_ptr<QJSValue> &c) { return c.expired(); });
    m_callbacks.append(held);
    return held;
}

void UIHistoryImport::releaseCallbacks()
{
    for (const std::weak_ptr<QJSValue> &weak : std::as_const(m_callbacks)) {
        if (const Callback callback = weak.lock()) {
            *callback = QJSValue();
        }
    }
    m_callbacks.clear();
}

void UIHistoryImport::play(const Read &read, const Callback &callback)
{
    const qsizetype before = m_engine->playedValues().size();
    const int total = int(read.values.size());
    auto *watcher = new QFutureWatcher<void>(this);
    connect(watcher, &QFutureWatcher<void>::progressValueChanged, this,
            [watcher, callback, total](int progress) {
                const QJSValue result = call(callback, progress, total);
                if (result.isError() || (result.isBool() && !result.toBool())) {
                    watcher->cancel();
                }
            });
    connect(watcher, &QFutureWatcher<void>::finished, this, [this, watcher, callback, total, before, read] {
        Outcome outcome = read.outcome;
        const qsizetype after = m_engine->playedValues().size();
        outcome.taken = std::max<qint64>(0, after - before);
        outcome.canceled = watcher->isCanceled() && outcome.taken < outcome.sent;
        outcome.full = after >= NoxEngine::kMaxPlayed;
        setMessage(describe(outcome));
        call(callback, total, total);
        watcher->deleteLater();
    });
    watcher->setFuture(m_engine->playValues(read.values));
}

QString UIHistoryImport::describe(const Outcome &o)
{
    if (!o.openError.isEmpty()) {
        return o.openError;
    }
    const QLocale locale;
    QStringList parts;
    if (o.canceled) {
        parts << tr("Import arrêté : %n résultats ajoutés.", nullptr, int(o.taken));
    } else {
        parts << tr("%n résultats ajoutés.", nullptr, int(o.taken));
    }
    const NoxHistoryReader::Summary &s = o.summary;
    if (s.corrected > 0) {
        parts << tr("%n lignes corrigées (espaces, minuscules).", nullptr, int(s.corrected));
    }
    if (s.refused > 0) {
        QStringList numbers;
        for (qsizetype i = 0; i < std::min<qsizetype>(s.problems.size(), kShownLines); ++i) {
            numbers << locale.toString(s.problems.at(i).line);
        }
        QString list = numbers.join(QStringLiteral(", "));
        if (s.refused > numbers.size()) {
            list += QStringLiteral("…");
        }
        parts << tr("%n lignes illisibles ignorées (n° %1).", nullptr, int(s.refused)).arg(list);
    }
    if (!o.readError.isEmpty()) {
        parts << tr("Lecture du fichier interrompue après %n lignes : %1.", nullptr,
                    int(std::min<qint64>(s.lines, INT_MAX)))
                     .arg(o.readError);
    }
    if (!o.canceled) {
        // What was read but not added: beyond the engine's room, or refused by it.
        const qint64 left = o.notSent + std::max<qint64>(0, o.sent - o.taken);
        if (left > 0 && o.full) {
            parts << tr("%n résultats non ajoutés : la permanence est limitée à %1 résultats. Coupez-la avec "
                        "« Couper la permanence » ou commencez une nouvelle session, puis importez la "
                        "suite.",
                        nullptr, int(std::min<qint64>(left, INT_MAX)))
                         .arg(locale.toString(NoxEngine::kMaxPlayed));
        } else if (left > 0) {
            parts << tr("%n résultats refusés par le moteur (limite du capital).", nullptr,
                        int(std::min<qint64>(left, INT_MAX)));
        }
    }
    return parts.join(QLatin1Char(' '));
}

QVariantMap UIHistoryImport::fitPaste(const QString &text, int length) const
{
    const qsizetype room = std::max(0, kTextLimit - std::max(0, length));
    QVariantMap fit;
    if (text.size() <= room) {
        fit.insert(QStringLiteral("text"), text);
        fit.insert(QStringLiteral("refused"), 0);
        fit.insert(QStringLiteral("message"), QString());
        return fit;
    }
    // Cut after a line end, so that no result is cut in two.
    const qsizetype lineEnd = room > 0 ? text.lastIndexOf(QLatin1Char('\n'), room - 1) : -1;
    const qsizetype kept = lineEnd >= 0 ? lineEnd + 1 : 0;
    fit.insert(QStringLiteral("text"), text.left(kept));
    fit.insert(QStringLiteral("refused"), text.size() - kept);
    fit.insert(
        QStringLiteral("message"),
        tr("Texte trop long : %1 caractères sur %2 ont été collés, le reste est refusé. Pour une longue "
           "permanence, utilisez « Importer un fichier ».")
            .arg(QLocale().toString(kept), QLocale().toString(text.size())));
    return fit;
}

QVariantMap UIHistoryImport::pasteFromClipboard(int length) const
{
    const QClipboard *clipboard = QGuiApplication::clipboard();
    return fitPaste(clipboard ? clipboard->text() : QString(), length);
}

void UIHistoryImport::setMessage(const QString &message)
{
    if (message != m_message) {
        m_message = message;
        emit messageChanged();
    }
}

void UIHistoryImport::setReadProgress(double progress)
{
    if (progress != m_readProgress) {
        m_readProgress = progress;
        emit readProgressChanged();
    }
}
