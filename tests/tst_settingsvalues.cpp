#include "core/noxsettingsstore.h"
#include "core/noxvalue.h"
#include "engine/noxprofilefile.h"

#include <QtTest>

using namespace Nox;

class TestSettingsValues : public QObject
{
    Q_OBJECT

private slots:
    void conversions()
    {
        QVERIFY(NoxValue(QStringLiteral("1")).toBool());
        QVERIFY(NoxValue(QStringLiteral("true")).toBool());
        QVERIFY(!NoxValue(QStringLiteral("yes")).toBool());
        QVERIFY(NoxValue(1).toBool());
        QVERIFY(!NoxValue(2).toBool());
        QCOMPARE(NoxValue(QStringLiteral("42")).toInt(), 42);
        QCOMPARE(NoxValue(QStringLiteral("abc")).toInt(), 0);
    }

    void doublesOutsideTheIntRangeAreKeptInIt()
    {
        QCOMPARE(NoxValue(-7.9).toInt(), -7);
        QCOMPARE(NoxValue(1e300).toInt(), std::numeric_limits<int>::max());
        QCOMPARE(NoxValue(-1e300).toInt(), std::numeric_limits<int>::min());
        QCOMPARE(NoxValue(std::numeric_limits<double>::infinity()).toInt(), std::numeric_limits<int>::max());
        QCOMPARE(NoxValue(std::numeric_limits<double>::quiet_NaN()).toInt(), 0);
    }

    void storeRoundTrip()
    {
        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("engine.ini"));
        {
            NoxSettingsStore store(file);
            store.setValue(QStringLiteral("engine/shortTermCount"), 70);
            store.setValue(QStringLiteral("methods/banker/active"), QStringLiteral("true"));
            store.sync();
        }
        NoxSettingsStore store(file);
        QCOMPARE(store.readInt(QStringLiteral("engine/shortTermCount"), 50), 70);
        QCOMPARE(store.readInt(QStringLiteral("engine/truncateCount"), 50), 50);
        QVERIFY(store.readBool(QStringLiteral("methods/banker/active"), false));
    }

    void profileRoundTripAndBadFiles()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("p.pfl"));
        const QString longName(200, QLatin1Char('x'));
        const QString name127(127, QLatin1Char('y'));
        QVERIFY(
            NoxProfileFile::write(path, {{longName, false}, {name127, true}, {QStringLiteral("é"), false}}));
        QMap<QString, bool> read;
        QVERIFY(NoxProfileFile::read(path, &read));
        QCOMPARE(read.size(), 3);
        QCOMPARE(read.value(longName, true), false);
        QCOMPARE(read.value(name127, false), true);
        QVERIFY(read.contains(QStringLiteral("é")));

        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadWrite));
        const QByteArray full = f.readAll();
        f.resize(full.size() - 3);
        f.close();
        QMap<QString, bool> untouched{{QStringLiteral("keep"), false}};
        QString error;
        QVERIFY(!NoxProfileFile::read(path, &untouched, &error));
        QVERIFY(!error.isEmpty());
        QCOMPARE(untouched.size(), 1);

        QFile g(path);
        QVERIFY(g.open(QIODevice::WriteOnly));
        g.write("this is not a profile at all\n");
        g.close();
        QVERIFY(!NoxProfileFile::read(path, &untouched));
        QVERIFY(!NoxProfileFile::read(dir.filePath(QStringLiteral("missing.pfl")), &untouched));
    }
};

QTEST_GUILESS_MAIN(TestSettingsValues)
#include "tst_settingsvalues.moc"
