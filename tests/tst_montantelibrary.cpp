#include "engine/noxengine.h"
#include "money/montanteperso.h"
#include "money/noxmontantelibrary.h"

#include "testsupport.h"

#include <QSettings>
#include <QTemporaryDir>
#include <QtEndian>
#include <QtTest>

using namespace Nox;
using NoxTest::readFile;
using NoxTest::writeFile;

namespace {

QByteArray resource()
{
    QFile file(QStringLiteral(":/data/montantes.dat"));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QList<const MontantePerso *> view(const NoxMontanteLibrary::List &list)
{
    QList<const MontantePerso *> out;
    for (const auto &m : list) {
        out << m.get();
    }
    return out;
}

QStringList names(const QList<QPair<int, QString>> &list)
{
    QStringList out;
    for (const auto &entry : list) {
        out << entry.second;
    }
    return out;
}

const QStringList kDefaultNames{
    QStringLiteral("MONTANTE 10  BLOCS 0-7   (-30 )  "), QStringLiteral("MONTANTE 13  BLOCS 0-5   (-26 ) "),
    QStringLiteral("MONTANTE 18  BLOCS 0-2   (-14 )"), QStringLiteral("MONTANTE 24  BLOCS 0-1   (-10 )"),
    QStringLiteral("MONTANTE 13  BLOCS 0-9   (-100 )")};

} // namespace

class TestMontanteLibrary : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        NoxTest::useSandbox(m_dir);
    }

    void defaultLibrary()
    {
        const QByteArray v1 = resource();
        QCOMPARE(v1.size(), 399);
        QCOMPARE(v1.mid(1, 13), QByteArray("[Montante 01]"));
        NoxMontanteLibrary::List list;
        QVERIFY(NoxMontanteLibrary::parse(v1, &list));
        QCOMPARE(int(list.size()), 5);
        for (int i = 0; i < 5; ++i) {
            const MontantePerso &m = *list[size_t(i)];
            QCOMPARE(m.name(), kDefaultNames.at(i));
            QCOMPARE(m.nbPaliersBack(), -9999);
            QCOMPARE(m.nbPaliersBackPerte(), 1);
            QVERIFY(!m.recupRecompute());
            QCOMPARE(m.nbWinRecalcul(), 3);
        }
        QCOMPARE(list[0]->steps(), (QList<int>{1, 1, 1, 2, 3, 4, 6, 9}));
        QCOMPARE(list[1]->recupLossDivider(), 6);
        QCOMPARE(list[4]->steps(), (QList<int>{1, 1, 2, 3, 5, 7, 11, 18, 28}));
        QVERIFY(!list[4]->recupEnabled());
        QCOMPARE(list[4]->nbToursMontante(), 5);

        // Version 2: the same bytes, another header and five more bytes per record.
        const QByteArray v2 = NoxMontanteLibrary::serialize(view(list));
        QCOMPARE(v2.size(), 424);
        QByteArray expected = v1;
        expected.replace(1, 13, "[Montante 02]");
        qsizetype pos = 18;
        for (const auto &m : list) {
            pos += 22 + 4 * m->steps().size() + m->name().size();
            expected.insert(pos, QByteArray("\x00\x03\x00\x00\x00", 5));
            pos += 5;
        }
        QCOMPARE(v2, expected);
        NoxMontanteLibrary::List again;
        QVERIFY(NoxMontanteLibrary::parse(v2, &again));
        QCOMPARE(NoxMontanteLibrary::serialize(view(again)), v2);
    }

    void damagedFilesRegisterNothing()
    {
        MontantePerso m(QStringLiteral("Été à l'envers"));
        m.setSteps({1, 2, 3});
        m.setRecupLossDivider(0);
        const QByteArray good = NoxMontanteLibrary::serialize({&m});
        NoxMontanteLibrary::List list;
        QVERIFY(NoxMontanteLibrary::parse(good, &list));
        QCOMPARE(list[0]->name(), QStringLiteral("Été à l'envers"));
        QCOMPARE(list[0]->recupLossDivider(), 1); // 0 in the file, clamped by the reset

        // Every truncation is rejected, and so is anything appended.
        for (qsizetype n = 0; n < good.size(); ++n) {
            NoxMontanteLibrary::List partial;
            QString error;
            QVERIFY2(!NoxMontanteLibrary::parse(good.left(n), &partial, &error),
                     qPrintable(QString::number(n)));
            QVERIFY(!error.isEmpty());
            QVERIFY(partial.empty());
        }
        QVERIFY(!NoxMontanteLibrary::parse(good + '\0', &list));
        QByteArray header = good;
        header.replace(1, 13, "[Montante 03]");
        QVERIFY(!NoxMontanteLibrary::parse(header, &list));
        QByteArray huge = good;
        qToLittleEndian<qint32>(0x7fffffff, huge.data() + 14);
        QVERIFY(!NoxMontanteLibrary::parse(huge, &list));
        // Random bytes never crash the reader.
        QRandomGenerator rng(1);
        for (int i = 0; i < 500; ++i) {
            QByteArray noise(int(rng.bounded(200)), '\0');
            for (char &c : noise) {
                c = char(rng.bounded(256));
            }
            if (i % 2) {
                noise.prepend(good.left(18));
            }
            NoxMontanteLibrary::List ignored;
            NoxMontanteLibrary::parse(noise, &ignored);
        }
    }

    void versionZero()
    {
        QByteArray v0;
        const auto int32 = [&v0](qint32 v) {
            char b[4];
            qToLittleEndian(v, b);
            v0.append(b, 4);
        };
        v0.append("\x00\x00\x00\x01", 4); // big-endian count
        int32(2);
        int32(1);
        int32(5);
        int32(-9999);
        int32(1);
        v0.append(char(3));
        v0.append("old");
        NoxMontanteLibrary::List list;
        QVERIFY(NoxMontanteLibrary::parse(v0, &list));
        QCOMPARE(list[0]->name(), QStringLiteral("old"));
        QCOMPARE(list[0]->steps(), (QList<int>{1, 5}));
        QVERIFY(!list[0]->recupEnabled());
        QCOMPARE(list[0]->recupLossDivider(), 3);
        QCOMPARE(list[0]->nbToursMontante(), 4);
    }

    void registryCopiesAndRemoval()
    {
        NoxEngine engine(true);
        engine.registerBuiltinMontantes();
        QCOMPARE(names(engine.montanteList(NoxMethodType::plein)),
                 (QStringList{QStringLiteral("Martingale classique"), QStringLiteral("Masse égale")}));
        QCOMPARE(engine.montanteList(NoxMethodType::cs).size(), 3);
        QCOMPARE(engine.currentMontanteName(NoxMethodType::cs), QStringLiteral("Martingale classique"));

        const int id = engine.upsertUserMontante(
            -1, {NoxMethodParameter::named(QStringLiteral("name"), QStringLiteral("Mine")),
                 NoxMethodParameter::named(QStringLiteral("steps"), QStringLiteral("1,2"))});
        QVERIFY(id >= 5);
        for (NoxMethodType type : {NoxMethodType::cs, NoxMethodType::col, NoxMethodType::douz,
                                   NoxMethodType::sixain, NoxMethodType::trans}) {
            QVERIFY(names(engine.montanteList(type)).contains(QStringLiteral("Mine")));
        }
        QCOMPARE(engine.montanteList(NoxMethodType::plein).last().first, id);
        QCOMPARE(engine.montanteParameters(id).at(1).value.toString(), QStringLiteral("1,2"));

        // Edits reach the plein progression only; built-ins cannot be removed.
        engine.upsertUserMontante(id,
                                  {NoxMethodParameter::named(QStringLiteral("steps"), QStringLiteral("3"))});
        QCOMPARE(engine.montanteParameters(id).at(1).value.toString(), QStringLiteral("3"));
        QVERIFY(!engine.removeUserMontante(engine.montanteList(NoxMethodType::plein).first().first));
        QVERIFY(engine.selectMontanteById(NoxMethodType::plein, id));
        QCOMPARE(engine.currentMontanteName(NoxMethodType::plein), QStringLiteral("Mine"));
        QVERIFY(engine.removeUserMontante(id));
        QCOMPARE(engine.montanteList(NoxMethodType::plein).size(), 2);
        QCOMPARE(engine.currentMontanteName(NoxMethodType::plein), QStringLiteral("Martingale classique"));
        QVERIFY(!engine.selectMontanteById(NoxMethodType::plein, id));
    }

    void loadAndSaveThroughTheEngine()
    {
        const QString org = QStringLiteral("LibTest");
        const QString dir = m_dir.path() + QLatin1Char('/') + org;
        {
            NoxEngine engine(true);
            engine.registerBuiltinMontantes();
            engine.setPersistence(true, org);
            QCOMPARE(engine.montanteLibraryPath(), dir + QStringLiteral("/montantes.dat"));
            // No user file yet: the built-in library.
            QVERIFY(engine.loadMontanteLibrary());
            QCOMPARE(engine.montanteList(NoxMethodType::plein).size(), 7);
            QCOMPARE(engine.montanteList(NoxMethodType::cs).size(), 8);
            QCOMPARE(engine.montanteList(NoxMethodType::trans).size(), 5);
            QVERIFY(engine.selectMontante(NoxMethodType::plein, kDefaultNames.at(2)));
            engine.upsertUserMontante(
                -1, {NoxMethodParameter::named(QStringLiteral("name"), QStringLiteral("Nouvelle"))});
        } // the engine saves the settings and the library
        QVERIFY(QFile::exists(dir + QStringLiteral("/montantes.dat")));

        NoxEngine engine(true);
        engine.registerBuiltinMontantes();
        engine.setPersistence(true, org);
        QVERIFY(engine.loadMontanteLibrary());
        QStringList expected{QStringLiteral("Martingale classique"), QStringLiteral("Masse égale")};
        expected << kDefaultNames << QStringLiteral("Nouvelle");
        QCOMPARE(names(engine.montanteList(NoxMethodType::plein)), expected);
        QCOMPARE(engine.currentMontanteName(NoxMethodType::plein), kDefaultNames.at(2));

        // Loading a damaged file by name changes nothing.
        const QString bad = m_dir.filePath(QStringLiteral("bad.dat"));
        QVERIFY(writeFile(bad, QByteArray("\x0d[Montante 09]\x01\x00\x00\x00", 18)));
        QString error;
        QVERIFY(!engine.loadMontanteLibrary(QUrl::fromLocalFile(bad), true, &error));
        QVERIFY(!error.isEmpty());
        QCOMPARE(names(engine.montanteList(NoxMethodType::plein)), expected);

        // A damaged user library is kept aside and the built-in one is read instead.
        QVERIFY(writeFile(dir + QStringLiteral("/montantes.dat"), resource().left(200)));
        error.clear();
        QVERIFY(!engine.loadMontanteLibrary({}, true, &error));
        QVERIFY(!error.isEmpty());
        QCOMPARE(QFileInfo(dir + QStringLiteral("/montantes.dat.damaged")).size(), 200);
        QCOMPARE(engine.montanteList(NoxMethodType::plein).size(), 7);

        // A save that cannot write changes nothing.
        error.clear();
        QVERIFY(!engine.saveMontanteLibrary(
            QUrl::fromLocalFile(m_dir.filePath(QStringLiteral("no/dir/x.dat"))), &error));
        QVERIFY(!error.isEmpty());
        engine.setPersistence(false);
    }

    // At start-up the settings are read before the library: a user progression chosen for a
    // kind is not there yet. A settings write in between (the user methods read, a change)
    // keeps naming it, and the library's arrival selects it; a damaged library leaves the
    // name in the settings for when it is mended.
    void aUserProgressionSurvivesTheStart()
    {
        const QString org = QStringLiteral("LibStart");
        const QString dir = m_dir.path() + QLatin1Char('/') + org;
        {
            NoxEngine engine(true);
            engine.registerBuiltinMontantes();
            engine.setPersistence(true, org);
            QVERIFY(engine.loadMontanteLibrary());
            const int id = engine.upsertUserMontante(
                -1, {NoxMethodParameter::named(QStringLiteral("name"), QStringLiteral("Série du soir"))});
            QVERIFY(id >= 0);
            QVERIFY(engine.selectMontanteById(NoxMethodType::plein, id));
        }
        const QByteArray library = readFile(dir + QStringLiteral("/montantes.dat"));
        for (const bool damaged : {false, true}) {
            if (damaged) {
                QVERIFY(writeFile(dir + QStringLiteral("/montantes.dat"), library.left(40)));
            }
            NoxEngine engine(true);
            engine.registerBuiltinMontantes();
            engine.setPersistence(true, org);
            QCOMPARE(engine.currentMontanteName(NoxMethodType::plein),
                     QStringLiteral("Martingale classique"));
            // What the deferred writer may do before the library is read: neither the settings
            // nor the library file lose the progression.
            engine.saveSettings();
            QCOMPARE(engine.loadMontanteLibrary(), !damaged);
            QCOMPARE(engine.currentMontanteName(NoxMethodType::plein),
                     damaged ? QStringLiteral("Martingale classique") : QStringLiteral("Série du soir"));
            engine.saveSettings();
            const QSettings ini(dir + QStringLiteral("/engine.ini"), QSettings::IniFormat);
            QCOMPARE(ini.value(QStringLiteral("financial/plein/montante")).toString(),
                     QStringLiteral("Série du soir"));
            engine.setPersistence(false);
            if (damaged) {
                QVERIFY(writeFile(dir + QStringLiteral("/montantes.dat"), library)); // mended
            }
        }
        // The player's own choice replaces the wanted one.
        NoxEngine engine(true);
        engine.registerBuiltinMontantes();
        engine.setPersistence(true, org);
        QVERIFY(engine.selectMontante(NoxMethodType::plein, QStringLiteral("Masse égale")));
        engine.saveSettings();
        QVERIFY(engine.loadMontanteLibrary());
        QCOMPARE(engine.currentMontanteName(NoxMethodType::plein), QStringLiteral("Masse égale"));
        engine.setPersistence(false);
    }

private:
    QTemporaryDir m_dir;
};

QTEST_GUILESS_MAIN(TestMontanteLibrary)
#include "tst_montantelibrary.moc"
