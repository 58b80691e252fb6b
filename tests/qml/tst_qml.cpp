#include "calibration/icalibration.h"
#include "core/noxnotification.h"
#include "engine/noxengine.h"
#include "noxqmlimports.h"
#include "noxstartup.h"
#include "noxstartupreport.h"
#include "recordinginput.h"
#include "uinavigator.h"
#include "uiroutes.h"
#include "uiwrapper.h"

#include <QCoreApplication>
#include <QFile>
#include <QQmlComponent>
#include <QQmlContext>
#include <QQmlEngine>
#include <QQuickStyle>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtQuickTest>

#include <memory>

namespace {
/// The settings store of the engine while a test needs one (in the run's sandbox).
const QString kTestOrganisation = QStringLiteral("NoxQmlTest");
} // namespace

/// What the QML tests need from C++ beyond the facade: raising an engine notification, and a
/// session journal left unclosed as a crash leaves it.
class QmlTestHelper : public QObject
{
    Q_OBJECT

public:
    QmlTestHelper(Nox::NoxEngine *engine, NoxStartupReport *report, NoxTest::RecordingInput *input)
        : m_engine(engine)
        , m_report(report)
        , m_input(input)
    {}

    /// Every chip and place of the table calibrated (on), or the calibration back as it was
    /// (off).
    Q_INVOKABLE void calibrateTable(bool on)
    {
        Nox::ICalibration *calibration = m_engine->calibration();
        if (!on) {
            calibration->setCalibrationItems(m_savedCalibration);
            return;
        }
        m_savedCalibration = calibration->calibrationItems();
        Nox::NoxCalibrationItemList items = m_savedCalibration;
        int x = 100;
        for (Nox::NoxCalibrationItem &item : items) {
            item.x = x;
            item.y = 200;
            item.active = true;
            x += 40;
        }
        calibration->setCalibrationItems(items);
    }

    /// Control reads as held once `clicks` clicks were made (-1: never), counted from now.
    Q_INVOKABLE void holdControlFromClick(int clicks)
    {
        QMutexLocker lock(&m_input->mutex);
        m_input->controlFromClick = clicks;
        m_input->clickCount = 0;
    }

    Q_INVOKABLE void addNotification(const QString &title, const QString &content, int type)
    {
        NoxNotification n;
        n.title = title;
        n.content = content;
        n.type = type;
        m_engine->addNotification(n, false);
    }

    Q_INVOKABLE void restartEngine() { m_engine->restart(true, true); }

    /// Gives the engine a settings store whose journal an earlier run left unclosed with
    /// `values`, as at a start-up after a crash; the start-up report offers them again.
    Q_INVOKABLE bool interruptSession(const QList<int> &values)
    {
        m_engine->setPersistence(false);
        if (!m_engine->setPersistence(true, kTestOrganisation)) {
            return false;
        }
        const QString path = m_engine->journalPath();
        m_engine->setPersistence(false); // closes this run's journal
        QByteArray journal = "S 1\n";
        qint64 time = 2;
        for (int v : values) {
            journal += "P " + QByteArray::number(v) + ' ' + QByteArray::number(time++) + '\n';
        }
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(journal) != journal.size()) {
            return false;
        }
        file.close();
        m_engine->setPersistence(true, kTestOrganisation);
        m_report->refresh();
        return m_engine->interruptedSession().has_value();
    }

    /// Back to an engine without a settings store.
    Q_INVOKABLE void endPersistence()
    {
        m_engine->discardInterruptedSession();
        m_engine->setPersistence(false);
        m_report->refresh();
    }

private:
    Nox::NoxEngine *m_engine;
    NoxStartupReport *m_report;
    NoxTest::RecordingInput *m_input;
    Nox::NoxCalibrationItemList m_savedCalibration;
};

/// One baccarat engine for the whole run (synchronous, no settings store), the program's style
/// and import path, a navigator holding the program's routes and "/home", the start-up report
/// as the context property "startupReport", and every settings file in a temporary directory.
class Setup : public QObject
{
    Q_OBJECT

public slots:
    void applicationAvailable()
    {
        QStandardPaths::setTestModeEnabled(true);
        QCoreApplication::setOrganizationName(kTestOrganisation);
        QSettings::setDefaultFormat(QSettings::IniFormat);
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, m_dir.path());
        QQuickStyle::setStyle(QStringLiteral("CommonStyle"));
        QQuickStyle::setFallbackStyle(QStringLiteral("Basic"));
        m_engine = std::make_unique<Nox::NoxEngine>(true);
        m_engine->loadMethods();
        m_engine->registerBuiltinMontantes();
        m_engine->restart(true, true);
        m_report = std::make_unique<NoxStartupReport>(m_engine.get());
        m_helper = std::make_unique<QmlTestHelper>(m_engine.get(), m_report.get(), &m_input);
    }

    void qmlEngineAvailable(QQmlEngine *engine)
    {
        engine->addImportPath(QStringLiteral(":/qt/qml"));
        engine->addImportPath(QStringLiteral(":/qt/qml/NoxRouletteUi/imports"));
        engine->rootContext()->setContextProperty(QStringLiteral("debug"), false);
        engine->rootContext()->setContextProperty(QStringLiteral("testHelper"), m_helper.get());
        engine->rootContext()->setContextProperty(QStringLiteral("startupReport"), m_report.get());
        // Importing the module registers its types; then the navigator singleton can be had.
        QQmlComponent importer(engine);
        importer.setData("import NoxRouletteModel\nimport QtQml\nQtObject {}", QUrl());
        std::unique_ptr<QObject>(importer.create());
        const int id = qmlTypeId("NoxRouletteModel", 1, 0, "UINavigator");
        // Bets click through a fake input, as the main window lends its own in the program.
        const int wrapperId = qmlTypeId("NoxRouletteModel", 1, 0, "UIWrapper");
        if (auto *wrapper = engine->singletonInstance<UIWrapper *>(wrapperId)) {
            wrapper->setBetInput(&m_input);
            // The language the program starts in (ctest gives this run a C locale).
            wrapper->setLanguage(NoxStartup::language());
        }
        if (auto *navigator = engine->singletonInstance<UINavigator *>(id)) {
            navigator->setRoutes(UIRoutes::baccaratRoutes());
            navigator->enterPage(QStringLiteral("/home"), {}, true);
        }
    }

    void cleanupTestCase()
    {
        m_helper.reset();
        m_report.reset();
        m_engine.reset();
    }

private:
    QTemporaryDir m_dir;
    std::unique_ptr<Nox::NoxEngine> m_engine;
    std::unique_ptr<NoxStartupReport> m_report;
    NoxTest::RecordingInput m_input;
    std::unique_ptr<QmlTestHelper> m_helper;
};

QUICK_TEST_MAIN_WITH_SETUP(nox_qml, Setup)
#include "tst_qml.moc"
