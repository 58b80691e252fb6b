#include "archive/noxarchive.h"
#include "core/noxnotification.h"
#include "engine/noxengine.h"
#include "noxqmlimports.h"
#include "uinavigator.h"
#include "uiroutes.h"
#include "uisessionarchive.h"

#include <QFile>
#include <QQmlComponent>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQuickStyle>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUrl>
#include <QtQuickTest>

#include <memory>

/// What the QML tests need from C++ beyond the facade: raising an engine notification, and
/// files to hand to the file dialogs' actions.
class QmlTestHelper : public QObject
{
    Q_OBJECT

public:
    explicit QmlTestHelper(Nox::NoxEngine *engine)
        : m_engine(engine)
    {}

    Q_INVOKABLE void addNotification(const QString &title, const QString &content, int type)
    {
        NoxNotification n;
        n.title = title;
        n.content = content;
        n.type = type;
        m_engine->addNotification(n, false);
    }

    Q_INVOKABLE void restartEngine() { m_engine->restart(true, true); }

    /// Writes `latin1` (one byte per character) to a file of the run's temporary directory and
    /// returns its URL as the file dialogs give it; empty on failure.
    Q_INVOKABLE QString writeFile(const QString &name, const QString &latin1)
    {
        QFile file(m_dir.filePath(name));
        if (!m_dir.isValid() || !file.open(QIODevice::WriteOnly) || file.write(latin1.toLatin1()) < 0) {
            return {};
        }
        return QUrl::fromLocalFile(file.fileName()).toString();
    }

    /// The text of a file the screens wrote (a file URL or a path); empty when unreadable.
    Q_INVOKABLE QString readFile(const QString &pathOrUrl) const
    {
        const QUrl url(pathOrUrl);
        QFile file(url.isLocalFile() ? url.toLocalFile() : pathOrUrl);
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }

    /// A file URL in the run's temporary directory.
    Q_INVOKABLE QString fileUrl(const QString &name) const
    {
        return QUrl::fromLocalFile(m_dir.filePath(name)).toString();
    }

private:
    Nox::NoxEngine *m_engine;
    QTemporaryDir m_dir;
};

/// An archive of kSessions sessions for the sessions page: one a day going back from today
/// (the newest at the start of this hour), session k with k + 2 coups that end k units up,
/// every third one down.
void fillArchive(Nox::NoxArchive &archive)
{
    constexpr int kSessions = 60;
    const QDateTime hour = QDateTime::currentDateTime();
    const qint64 newest = QDateTime(hour.date(), QTime(hour.time().hour(), 0)).toMSecsSinceEpoch();
    for (int k = kSessions - 1; k >= 0; --k) {
        const QString uid = QStringLiteral("s%1").arg(k);
        const qint64 start = newest - qint64(k) * 24 * 3600 * 1000;
        Nox::NoxSessionRecord r;
        r.kind = Nox::NoxSessionRecord::Started;
        r.sessionId = uid;
        r.timeMs = r.startMs = start;
        r.startCapital = 100000;
        r.methods = {QStringLiteral("BANKER")};
        archive.record(r);
        const int sign = k % 3 == 0 ? -1 : 1;
        for (int i = 1; i <= k + 2; ++i) {
            Nox::NoxSessionRecord c;
            c.kind = Nox::NoxSessionRecord::Coup;
            c.sessionId = uid;
            c.timeMs = start + i * 60000;
            c.value = i % 3;
            c.stakes = {Nox::NoxBet{Nox::NoxBetItemID::B_BANKER, 100, 0}};
            c.stake = 100;
            c.gain = i == k + 2 ? sign * 100 * (k + 1) : 0;
            c.capital = 100000 + (i == k + 2 ? sign * 100 * (k + 1) : 0);
            archive.record(c);
        }
    }
    archive.waitForWritten();
}

/// One baccarat engine for the whole run, on its thread pools as in the program (so that a long
/// import runs in the background and can be stopped), without a settings store; the program's
/// style and import path, and a navigator holding the program's routes and "/home".
class Setup : public QObject
{
    Q_OBJECT

public slots:
    void applicationAvailable()
    {
        QStandardPaths::setTestModeEnabled(true);
        QQuickStyle::setStyle(QStringLiteral("CommonStyle"));
        QQuickStyle::setFallbackStyle(QStringLiteral("Basic"));
        m_engine = std::make_unique<Nox::NoxEngine>(true);
        m_engine->setAsync(true);
        m_engine->loadMethods();
        m_engine->registerBuiltinMontantes();
        m_engine->restart(true, true);
        m_helper = std::make_unique<QmlTestHelper>(m_engine.get());
        m_archive =
            std::make_unique<Nox::NoxArchive>(m_archiveDir.filePath(QStringLiteral("sessions.sqlite")));
        m_archive->start();
        fillArchive(*m_archive);
    }

    void qmlEngineAvailable(QQmlEngine *engine)
    {
        engine->addImportPath(QStringLiteral(":/qt/qml"));
        engine->addImportPath(QStringLiteral(":/qt/qml/NoxRouletteUi/imports"));
        engine->rootContext()->setContextProperty(QStringLiteral("debug"), false);
        engine->rootContext()->setContextProperty(QStringLiteral("testHelper"), m_helper.get());
        // Importing the module registers its types; then the navigator singleton can be had.
        QQmlComponent importer(engine);
        importer.setData("import NoxRouletteModel\nimport QtQml\nQtObject {}", QUrl());
        std::unique_ptr<QObject>(importer.create());
        const int id = qmlTypeId("NoxRouletteModel", 1, 0, "UINavigator");
        if (auto *navigator = engine->singletonInstance<UINavigator *>(id)) {
            navigator->setRoutes(UIRoutes::baccaratRoutes());
            navigator->enterPage(QStringLiteral("/home"), {}, true);
        }
        const int sessionsId = qmlTypeId("NoxRouletteModel", 1, 0, "UISessionArchive");
        if (auto *sessions = engine->singletonInstance<UISessionArchive *>(sessionsId)) {
            sessions->setArchive(m_archive.get());
        }
    }

    void cleanupTestCase()
    {
        m_helper.reset();
        m_engine.reset();
        m_archive.reset();
    }

private:
    QTemporaryDir m_archiveDir;
    std::unique_ptr<Nox::NoxArchive> m_archive;
    std::unique_ptr<Nox::NoxEngine> m_engine;
    std::unique_ptr<QmlTestHelper> m_helper;
};

QUICK_TEST_MAIN_WITH_SETUP(nox_qmlsettings, Setup)
#include "tst_qmlsettings.moc"
