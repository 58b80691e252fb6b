#include "uiappsettings.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QProcess>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <sys/stat.h>

namespace {

/// The argument that makes this executable a child that changes one setting and waits to be
/// killed: `--child-set DIR KEY VALUE`.
const char *const kChildArgument = "--child-set";

void useSettingsDirectory(const QString &directory)
{
    QSettings::setDefaultFormat(QSettings::IniFormat);
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, directory);
    QCoreApplication::setOrganizationName(QStringLiteral("NoxBaccarat"));
    QCoreApplication::setApplicationName(QStringLiteral("Baccarat Vantor Pro"));
}

ino_t inodeOf(const QString &path)
{
    struct stat info {
    };
    return ::stat(QFile::encodeName(path).constData(), &info) == 0 ? info.st_ino : 0;
}

/// The value of `key` as it is in the file now.
QVariant onDisk(const QString &file, const QString &key)
{
    return QSettings(file, QSettings::IniFormat).value(key);
}

int runChild(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    useSettingsDirectory(QString::fromLocal8Bit(argv[2]));
    UIAppSettings settings;
    settings.setValue(QString::fromLocal8Bit(argv[3]), QString::fromLocal8Bit(argv[4]));
    // The first change after a quiet time is written at once; this one a moment later must
    // wait for the write interval, and be on disk when it has passed.
    QTimer::singleShot(50, &settings, [&] {
        settings.setValue(QString::fromLocal8Bit(argv[3]),
                          QString(QString::fromLocal8Bit(argv[4]) + u"-later"));
        std::fputs("changed\n", stdout);
        std::fflush(stdout);
    });
    return QCoreApplication::exec(); // until killed
}

} // namespace

// The application settings: written soon after each change by a worker thread, coalesced,
// replaced atomically, and on disk after a kill.
class TstUIAppSettings : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        QVERIFY(m_dir.isValid());
        m_config = m_dir.path() + QStringLiteral("/") + QString::number(++m_case);
        QDir().mkpath(m_config);
        useSettingsDirectory(m_config);
    }

    void readsWhatTheFileHolds()
    {
        {
            QSettings settings;
            settings.setValue(QStringLiteral("window/windowX"), 12);
            settings.setValue(QStringLiteral("language"), QStringLiteral("en"));
        }
        UIAppSettings settings;
        QCOMPARE(settings.fileName(), QSettings().fileName());
        QVERIFY(settings.contains(QStringLiteral("window/windowX")));
        QCOMPARE(settings.value(QStringLiteral("window/windowX")).toInt(), 12);
        QCOMPARE(settings.value(QStringLiteral("language")).toString(), u"en");
        QVERIFY(!settings.contains(QStringLiteral("window/windowY")));
        QCOMPARE(settings.value(QStringLiteral("window/windowY"), 7).toInt(), 7);
        QCOMPARE(UIAppSettings::instance(), &settings);
    }

    void firstChangeWrittenAtOnceThenOncePerInterval()
    {
        UIAppSettings settings(nullptr, 400);
        QSignalSpy written(&settings, &UIAppSettings::written);
        const QString file = settings.fileName();

        QElapsedTimer clock;
        clock.start();
        settings.setValue(QStringLiteral("window/windowX"), 10);
        // The change is the program's at once; the disk sees it from the worker.
        QCOMPARE(settings.value(QStringLiteral("window/windowX")).toInt(), 10);
        QVERIFY(written.wait(300));
        QVERIFY(clock.elapsed() < 300);
        QCOMPARE(onDisk(file, QStringLiteral("window/windowX")).toInt(), 10);

        // A drag: many changes, one write when the interval since the first write has passed.
        for (int x = 11; x <= 60; ++x) {
            settings.setValue(QStringLiteral("window/windowX"), x);
        }
        QVERIFY(settings.pending());
        QTest::qWait(150);
        QCOMPARE(written.size(), 1);
        QCOMPARE(onDisk(file, QStringLiteral("window/windowX")).toInt(), 10);
        QVERIFY(written.wait(1000));
        QVERIFY(clock.elapsed() >= 400);
        QCOMPARE(written.size(), 2);
        QVERIFY(written.last().first().toBool());
        QCOMPARE(onDisk(file, QStringLiteral("window/windowX")).toInt(), 60);
        QTRY_VERIFY(!settings.pending());

        // An unchanged value writes nothing.
        settings.setValue(QStringLiteral("window/windowX"), 60);
        QVERIFY(!settings.pending());
        QTest::qWait(500);
        QCOMPARE(written.size(), 2);
    }

    void aChangeCostsTheCallerNoWrite()
    {
        UIAppSettings settings(nullptr, 400);
        QSignalSpy written(&settings, &UIAppSettings::written);
        settings.setValue(QStringLiteral("language"), QStringLiteral("fr"));
        QVERIFY(written.wait(1000));
        // Within the interval: the calls return with the file untouched, the worker writes
        // later.
        QElapsedTimer clock;
        clock.start();
        for (int i = 0; i < 1000; ++i) {
            settings.setValue(QStringLiteral("window/windowY"), i);
        }
        const qint64 perCallNs = clock.nsecsElapsed() / 1000;
        QVERIFY2(perCallNs < 1000000, qPrintable(QString::number(perCallNs)));
        QVERIFY(!onDisk(settings.fileName(), QStringLiteral("window/windowY")).isValid());
        QVERIFY(written.wait(1000));
        QCOMPARE(onDisk(settings.fileName(), QStringLiteral("window/windowY")).toInt(), 999);
    }

    void fileReplacedWhole()
    {
        UIAppSettings settings(nullptr, 50);
        QSignalSpy written(&settings, &UIAppSettings::written);
        settings.setValue(QStringLiteral("window/windowX"), 1);
        QVERIFY(written.wait(1000));
        const QString file = settings.fileName();
        const ino_t before = inodeOf(file);
        QVERIFY(before != 0);
        settings.setValue(QStringLiteral("window/windowX"), 2);
        QVERIFY(written.wait(1000));
        // A new file renamed over the old one (QSaveFile), not the old one rewritten in
        // place: a kill during the write leaves the previous file whole.
        QVERIFY(inodeOf(file) != before);
        const QStringList left = QDir(QFileInfo(file).absolutePath()).entryList(QDir::Files | QDir::Hidden);
        QCOMPARE(left, QStringList{QFileInfo(file).fileName()});
    }

    void flushWritesAtOnce()
    {
        QString file;
        {
            UIAppSettings settings(nullptr, 60000);
            file = settings.fileName();
            settings.setValue(QStringLiteral("window/stayOnTop"), true);
            settings.flush();
            QCOMPARE(onDisk(file, QStringLiteral("window/stayOnTop")).toBool(), true);
            settings.setValue(QStringLiteral("window/stayOnTop"), false); // waits a minute...
        }
        // ...but the destructor writes it.
        QCOMPARE(onDisk(file, QStringLiteral("window/stayOnTop")).toBool(), false);
        QCOMPARE(UIAppSettings::instance(), nullptr);
    }

    void keptAfterAKill()
    {
        QProcess child;
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        child.start(QCoreApplication::applicationFilePath(),
                    {QString::fromLatin1(kChildArgument), m_config, QStringLiteral("window/windowX"),
                     QStringLiteral("321")});
        QVERIFY(child.waitForStarted());
        QVERIFY(child.waitForReadyRead(10000));
        QCOMPARE(child.readLine().trimmed(), QByteArray("changed"));
        // Just over the write interval after the last change: SIGKILL, no orderly exit.
        QTest::qWait(UIAppSettings::kWriteIntervalMs + 300);
        child.kill();
        QVERIFY(child.waitForFinished());
        QCOMPARE(child.exitStatus(), QProcess::CrashExit);
        QCOMPARE(onDisk(QSettings().fileName(), QStringLiteral("window/windowX")).toString(), u"321-later");
    }

private:
    QTemporaryDir m_dir;
    QString m_config;
    int m_case = 0;
};

int main(int argc, char *argv[])
{
    if (argc == 5 && qstrcmp(argv[1], kChildArgument) == 0) {
        return runChild(argc, argv);
    }
    QCoreApplication app(argc, argv);
    TstUIAppSettings test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_uiappsettings.moc"
