#include "noxloghandler.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <atomic>

namespace {
std::atomic<int> s_forwarded{0};

// Stands in for Qt's default handler: counts what the log handler passes on.
void countingHandler(QtMsgType, const QMessageLogContext &, const QString &)
{
    ++s_forwarded;
}
} // namespace

// The debug log: appended only when the file already exists, one UTF-8 line per message,
// every message passed on to the previous handler, safe from several threads.
class TstNoxLogHandler : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        s_forwarded = 0;
        qInstallMessageHandler(countingHandler);
        qSetMessagePattern(QStringLiteral("%{type}: %{message}"));
    }

    void cleanup()
    {
        NoxLogHandler::uninstall();
        qInstallMessageHandler(nullptr);
    }

    void defaultPathPerPlatform()
    {
#ifdef Q_OS_WIN
        QCOMPARE(NoxLogHandler::defaultPath(), QStringLiteral("C:\\tmp\\nox_debug.log"));
#else
        QCOMPARE(NoxLogHandler::defaultPath(), QStringLiteral("/tmp/nox_debug.log"));
#endif
    }

    void missingFileIsNotCreated()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("nox_debug.log"));
        NoxLogHandler::install(path);
        qDebug("hello");
        qWarning("careful");
        QVERIFY(!QFile::exists(path));
        QCOMPARE(s_forwarded.load(), 2);
    }

    void missingFolderIsNotCreated()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("tmp/nox_debug.log"));
        NoxLogHandler::install(path);
        qDebug("hello");
        QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("tmp"))));
    }

    void existingFileGetsEveryMessage()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("nox_debug.log"));
        {
            QFile f(path);
            QVERIFY(f.open(QIODevice::WriteOnly));
            f.write("before\n");
        }
        NoxLogHandler::install(path);
        qDebug("RUNNING 1");
        qInfo("%s", "écart é");
        qWarning("Reach max play limits");
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QStringList lines = QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'));
        QCOMPARE(lines, (QStringList{QStringLiteral("before"), QStringLiteral("debug: RUNNING 1"),
                                     QStringLiteral("info: écart é"),
                                     QStringLiteral("warning: Reach max play limits"), QString()}));
        QCOMPARE(s_forwarded.load(), 3);
    }

    void linesStayWholeAcrossThreads()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("nox_debug.log"));
        QFile create(path);
        QVERIFY(create.open(QIODevice::WriteOnly));
        create.close();
        NoxLogHandler::install(path);
        constexpr int kThreads = 4;
        constexpr int kLines = 200;
        QList<QThread *> threads;
        for (int t = 0; t < kThreads; ++t) {
            threads.append(QThread::create([t] {
                for (int i = 0; i < kLines; ++i) {
                    qDebug("thread %d line %d", t, i);
                }
            }));
            threads.last()->start();
        }
        for (QThread *thread : threads) {
            QVERIFY(thread->wait(10000));
            delete thread;
        }
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QStringList lines = QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), kThreads * kLines);
        static const QRegularExpression whole(QStringLiteral("^debug: thread \\d line \\d+$"));
        for (const QString &line : lines) {
            QVERIFY2(whole.match(line).hasMatch(), qPrintable(line));
        }
        QCOMPARE(s_forwarded.load(), kThreads * kLines);
    }
};

QTEST_GUILESS_MAIN(TstNoxLogHandler)
#include "tst_noxloghandler.moc"
