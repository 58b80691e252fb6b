// Runs the Qt Quick tests of tests/qmlmodel against the NoxRouletteModel module, with the
// process-wide engine brought up the way start-up does (baccarat catalogue, thread pools).

#include "engine/noxengine.h"
#include "testsupport.h"

#include <QQmlEngine>
#include <QTemporaryDir>
#include <QtQml/qqmlextensionplugin.h>
#include <QtQuickTest>

#include <memory>

Q_IMPORT_QML_PLUGIN(NoxRouletteModelPlugin)

class Setup : public QObject
{
    Q_OBJECT

public slots:
    void applicationAvailable()
    {
        NoxTest::useSandbox(m_dir);
        m_engine = std::make_unique<Nox::NoxEngine>(true);
        m_engine->setAsync(true);
        m_engine->loadMethods();
        m_engine->registerBuiltinMontantes();
        m_engine->restart(true, true);
    }

    void cleanupTestCase() { m_engine.reset(); }

private:
    QTemporaryDir m_dir;
    std::unique_ptr<Nox::NoxEngine> m_engine;
};

QUICK_TEST_MAIN_WITH_SETUP(tst_qmlmodel, Setup)

#include "tst_qmlmodel.moc"
