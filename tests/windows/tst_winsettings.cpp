// Where the engine keeps its files on Windows, with no test path set: the settings, the user
// methods and the progression library go to the user's roaming application data
// (%APPDATA%\<organisation>), as Qt puts an INI file of the user scope there, and a second
// engine reads them back. Windows only (run under Wine by tests/windows/check.sh, which also
// looks for the files from the Linux side).
#include "core/noxmethod.h"
#include "core/noxmethodparameter.h"
#include "core/noxmethodstate.h"
#include "engine/noxengine.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QSettings>
#include <QtTest>

using namespace Nox;

namespace {

const QString kOrg = QStringLiteral("NoxWinCheck");

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

class TestWinSettings : public QObject
{
    Q_OBJECT

    QString m_appData;
    QString m_dir;

private slots:
    void initTestCase()
    {
        QLoggingCategory::setFilterRules(QStringLiteral("nox.*.debug=false"));
        m_appData = QDir::fromNativeSeparators(qEnvironmentVariable("APPDATA"));
        QVERIFY2(!m_appData.isEmpty(), "APPDATA is not set");
        m_dir = m_appData + QLatin1Char('/') + kOrg;
        // A fresh folder: nothing left from an earlier run is read back by mistake.
        QDir(m_dir).removeRecursively();
    }

    void filesGoToTheRoamingAppData()
    {
        int methodId = -1;
        int montanteId = -1;
        {
            NoxEngine engine(true);
            engine.registerBuiltinMontantes();
            QVERIFY(engine.setPersistence(true, kOrg));
            // Qt gives the path with forward slashes; Windows compares names without case.
            QCOMPARE(engine.settingsFileName().toLower(), (m_dir + QStringLiteral("/engine.ini")).toLower());
            QVERIFY(QFileInfo(engine.settingsFileName()).isAbsolute());
            QVERIFY(engine.settingsFileName().at(1) == u':'); // a drive letter
            QCOMPARE(engine.userMethodsPath().toLower(),
                     (m_dir + QStringLiteral("/methodes_par_defaut.txt")).toLower());
            QCOMPARE(engine.montanteLibraryPath().toLower(),
                     (m_dir + QStringLiteral("/montantes.dat")).toLower());
            QVERIFY(engine.loadMontanteLibrary());

            NoxEngineConfig config = engine.config();
            config.truncateCount = 17;
            config.shortTermCount = 33;
            engine.setConfig(config);
            methodId = engine.upsertUserMethod(-1, QStringLiteral("Fenêtre"), {4001, 4002});
            QVERIFY(methodId >= 0);
            montanteId = engine.upsertUserMontante(
                -1, {NoxMethodParameter::named(QStringLiteral("name"), QStringLiteral("Série Windows")),
                     NoxMethodParameter::named(QStringLiteral("steps"), QStringLiteral("1,2,4"))});
            QVERIFY(montanteId >= 0);
            QVERIFY(engine.selectMontanteById(NoxMethodType::plein, montanteId));
        } // an orderly shutdown writes every file

        for (const char *name : {"engine.ini", "methodes_par_defaut.txt", "montantes.dat"}) {
            const QString path = m_dir + QLatin1Char('/') + QLatin1String(name);
            QVERIFY2(QFile::exists(path), qPrintable(path));
            const QByteArray data = readAll(path);
            QVERIFY2(!data.isEmpty(), name);
            // The engine writes its files in binary mode: the same line ends as on Linux. QSettings
            // writes an INI file with the platform's line ends, CRLF on Windows.
            if (qstrcmp(name, "montantes.dat") == 0) {
                continue; // a binary format
            }
            if (qstrcmp(name, "engine.ini") == 0) {
                QVERIFY2(data.contains("\r\n"), name);
                QCOMPARE(data.count('\r'), data.count('\n'));
            } else {
                QVERIFY2(!data.contains('\r'), name);
            }
        }
        QCOMPARE(readAll(m_dir + QStringLiteral("/methodes_par_defaut.txt")),
                 QStringLiteral("Fenêtre :4001,4002\n").toUtf8());
        const QSettings ini(m_dir + QStringLiteral("/engine.ini"), QSettings::IniFormat);
        QCOMPARE(ini.value(QStringLiteral("engine/truncateCount")).toInt(), 17);
        // montantes.dat is a binary format: the next engine reads it back.
        // No temporary copy or lock left behind.
        const QStringList left = QDir(m_dir).entryList(QDir::Files);
        for (const QString &file : left) {
            QVERIFY2(!file.endsWith(QStringLiteral(".lock")) && !file.contains(QStringLiteral(".tmp")),
                     qPrintable(file));
        }
    }

    void aSecondEngineReadsThemBack()
    {
        NoxEngine engine(true);
        engine.registerBuiltinMontantes();
        QVERIFY(engine.setPersistence(true, kOrg));
        QCOMPARE(engine.config().truncateCount, 17);
        QCOMPARE(engine.config().shortTermCount, 33);
        // The user methods file is read when the engine starts (a second read adds nothing new).
        QVERIFY(engine.loadUserMethods() >= 0);
        int found = 0;
        for (NoxMethodState *s : engine.methodStates()) {
            if (s->method()->name() == QStringLiteral("Fenêtre")) {
                ++found;
                QCOMPARE(s->method()->coveredNumbers(), (QList<int>{1, 2}));
            }
        }
        QCOMPARE(found, 1);
        QVERIFY(engine.loadMontanteLibrary());
        QCOMPARE(engine.currentMontanteName(NoxMethodType::plein), QStringLiteral("Série Windows"));
        QVERIFY(!engine.setPersistence(false));
    }
};

QTEST_GUILESS_MAIN(TestWinSettings)
#include "tst_winsettings.moc"
