#include "core/noxnotification.h"
#include "engine/noxengine.h"
#include "noxqmlimports.h"
#include "uinavigator.h"
#include "uiroutes.h"

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

private:
    Nox::NoxEngine *m_engine;
    QTemporaryDir m_dir;
};

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
    }

    void cleanupTestCase()
    {
        m_helper.reset();
        m_engine.reset();
    }

private:
    std::unique_ptr<Nox::NoxEngine> m_engine;
    std::unique_ptr<QmlTestHelper> m_helper;
};

QUICK_TEST_MAIN_WITH_SETUP(nox_qmlsettings, Setup)
#include "tst_qmlsettings.moc"
