#include "noxloghandler.h"

#include <QFile>
#include <QMutex>
#include <QMutexLocker>

#include <cstdio>

namespace {

QtMessageHandler s_previous = nullptr;
bool s_installed = false;
QMutex s_mutex;
QString s_path;
QFile *s_file = nullptr; // bound on first use, owned here
bool s_bound = false;

void bindFile()
{
    s_bound = true;
    // Only an existing file is appended to: a missing file or folder means no file logging.
    if (!QFile::exists(s_path)) {
        return;
    }
    auto *file = new QFile(s_path);
    if (file->open(QIODevice::Append | QIODevice::Text)) {
        s_file = file;
    } else {
        delete file;
    }
}

void handle(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    {
        QMutexLocker lock(&s_mutex);
        if (!s_bound) {
            bindFile();
        }
        const QString line = qFormatLogMessage(type, context, message);
        if (type == QtWarningMsg || type == QtCriticalMsg || type == QtFatalMsg) {
            // Criticals count as warnings here: both are meant for the person running the program.
            const QByteArray local = line.toLocal8Bit() + '\n';
            std::fwrite(local.constData(), 1, size_t(local.size()), stderr);
            std::fflush(stderr);
        }
        if (s_file) {
            s_file->write(line.toUtf8() + '\n');
            s_file->flush();
        }
    }
    if (s_previous) {
        s_previous(type, context, message);
    }
}

} // namespace

QString NoxLogHandler::defaultPath()
{
#ifdef Q_OS_WIN
    return QStringLiteral("C:\\tmp\\nox_debug.log");
#else
    return QStringLiteral("/tmp/nox_debug.log");
#endif
}

void NoxLogHandler::install(const QString &path)
{
    QMutexLocker lock(&s_mutex);
    s_path = path;
    s_bound = false;
    delete s_file;
    s_file = nullptr;
    if (!s_installed) {
        s_previous = qInstallMessageHandler(handle);
        s_installed = true;
    }
}

void NoxLogHandler::uninstall()
{
    QMutexLocker lock(&s_mutex);
    if (s_installed) {
        qInstallMessageHandler(s_previous);
        s_previous = nullptr;
        s_installed = false;
    }
    delete s_file;
    s_file = nullptr;
    s_bound = false;
}
