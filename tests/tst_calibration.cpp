#include "calibration/noxcalibration.h"
#include "core/noxsettingsstore.h"
#include "engine/noxengine.h"
#include "testsupport.h"

#include <QSignalSpy>
#include <QTest>

using namespace Nox;
using Id = NoxBetItemID;

namespace {

NoxCalibrationItem item(Id id, double x, double y, bool active = true, int value = 0)
{
    NoxCalibrationItem it;
    it.itemId = id;
    it.x = x;
    it.y = y;
    it.active = active;
    it.value = value;
    return it;
}

Id num(int n)
{
    return Id(int(Id::N0) + n);
}

Id chip(int k)
{
    return Id(int(Id::JETON_1) + k - 1);
}

QPoint pointOf(const NoxCalibration &c, Id id)
{
    const auto it = c.calibrationItem(id);
    return it ? QPoint(int(it->x), int(it->y)) : QPoint(-999999, -999999);
}

/// Every item of the store, whatever the item list.
QList<NoxCalibrationItem> everyItem(const NoxCalibration &c)
{
    QList<NoxCalibrationItem> items;
    for (int id = 0; id <= int(Id::JETON_8); ++id) {
        if (const auto it = c.calibrationItem(Id(id))) {
            items.append(*it);
        }
    }
    return items;
}

} // namespace

class TestCalibration : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    // Item lists and defaults
    void baccaratItemList();
    void rouletteItemList();
    void defaults();
    void editionSwitchResets();

    // Chips
    void activatingAChipActivatesTheLowerOnes();
    void deactivatingAChipDeactivatesTheHigherOnes();
    void jetonValuesOfActiveChips();
    void oneSignalPerWrite();

    // Options
    void specialDelay();
    void clickDelayIsClamped();
    void toggleJetonModeHasNoSignal();
    void safetyOptions();
    void doublePauseSurvivesAWrite();
    void unknownIdsAreIgnored();
    void garbageCoordinatesAreClamped();

    // Roulette derivations
    void numberGridFromAPerfectTable();
    void numberGridTruncatesTowardZero();
    void numberGridNeedsEveryReference();
    void columnsAndDozens();
    void sixains();
    void transversales();
    void familiesNeedEveryReference();

    // Settings
    void emptyStoreKeepsDefaults();
    void settingsRoundTrip();
    void settingsKeys();
    void garbageSettings();
    void attachSavesToThePreviousStore();
    void engineAttachesItsStore();

private:
    QTemporaryDir m_dir;
};

void TestCalibration::initTestCase()
{
    QVERIFY(m_dir.isValid());
    NoxTest::useSandbox(m_dir);
}

void TestCalibration::baccaratItemList()
{
    const NoxCalibration c(true);
    QList<Id> expected;
    for (int k = 1; k <= 8; ++k) {
        expected.append(chip(k));
    }
    expected += {Id::B_TIE, Id::B_PLAYER, Id::B_BANKER, Id::X_DBL};
    QCOMPARE(c.itemList(), expected);
    const NoxCalibrationItemList items = c.calibrationItems();
    QCOMPARE(items.size(), 12);
    for (int i = 0; i < items.size(); ++i) {
        QCOMPARE(items[i].itemId, expected[i]);
    }
}

void TestCalibration::rouletteItemList()
{
    const NoxCalibration c(false);
    const QList<Id> list = c.itemList();
    QCOMPARE(list.size(), 31);
    QCOMPARE(list.first(), Id::JETON_1);
    QCOMPARE(list[8], Id::N1);
    QCOMPARE(list.last(), Id::X_DBL);
    QCOMPARE(c.calibrationItems().size(), 31);
    QVERIFY(!list.contains(Id::B_BANKER));
}

void TestCalibration::defaults()
{
    const NoxCalibration c;
    const int values[] = {10, 50, 100, 500, 2500, 10000, 50000, 100000};
    for (int k = 1; k <= 8; ++k) {
        const auto it = c.calibrationItem(chip(k));
        QVERIFY(it);
        QCOMPARE(it->value, values[k - 1]);
        QVERIFY(!it->active);
        QCOMPARE(QPointF(it->x, it->y), QPointF(0, 0));
    }
    for (int n = 0; n <= 36; ++n) {
        QVERIFY(c.calibrationItem(num(n)));
    }
    for (Id id : {Id::CS_R, Id::CS_I, Id::CL2, Id::SX11, Id::T12, Id::DZ3, Id::B_TIE}) {
        QVERIFY2(c.calibrationItem(id), qPrintable(QString::number(int(id))));
        QCOMPARE(c.calibrationItem(id)->value, 0);
    }
    QVERIFY(!c.calibrationItem(Id::CH1_2));
    QCOMPARE(c.calibrationItem(Id::X_DBL)->clickPause, 110);
    QCOMPARE(c.calibrationItem(Id::B_BANKER)->clickPause, 0);
    QCOMPARE(c.mouseClickDelay(), 30);
    QVERIFY(!c.toggleJetonMode());
    QVERIFY(!c.specialDelayMode());
    QCOMPARE(c.jetonValues(), QList<int>(8, 0));
    QCOMPARE(c.maxBet(), 0);
    QVERIFY(c.serviceUrl().isEmpty());
}

void TestCalibration::editionSwitchResets()
{
    NoxCalibration c(true);
    c.setCalibrationItems({item(Id::B_BANKER, 10, 20), item(chip(2), 1, 1, true, 70)});
    c.setMouseClickDelay(80);
    c.setMaxBet(5000);
    QSignalSpy spy(&c, &ICalibration::calibrationChanged);
    c.setBaccaratMode(false);
    QCOMPARE(spy.size(), 1);
    QCOMPARE(c.itemList().size(), 31);
    QVERIFY(!c.calibrationItem(Id::B_BANKER)); // not a default of the roulette list
    QCOMPARE(c.calibrationItem(chip(2))->value, 50);
    QCOMPARE(c.mouseClickDelay(), 30);
    QCOMPARE(c.maxBet(), 0);
    c.setBaccaratMode(true);
    QVERIFY(!c.calibrationItem(Id::B_BANKER)->active);
}

void TestCalibration::activatingAChipActivatesTheLowerOnes()
{
    NoxCalibration c;
    c.setCalibrationItems({item(chip(3), 40, 50)});
    for (int k = 1; k <= 8; ++k) {
        QCOMPARE(c.calibrationItem(chip(k))->active, k <= 3);
    }
    // The lower chips keep their own points and values.
    QCOMPARE(pointOf(c, chip(1)), QPoint(0, 0));
    QCOMPARE(pointOf(c, chip(3)), QPoint(40, 50));
}

void TestCalibration::deactivatingAChipDeactivatesTheHigherOnes()
{
    NoxCalibration c;
    c.setCalibrationItems({item(chip(8), 1, 1, true, 100000)});
    QCOMPARE(c.jetonValues(), QList<int>({10, 50, 100, 500, 2500, 10000, 50000, 100000}));
    NoxCalibrationItem second = *c.calibrationItem(chip(2));
    second.active = false;
    c.setCalibrationItems({second});
    for (int k = 1; k <= 8; ++k) {
        QCOMPARE(c.calibrationItem(chip(k))->active, k == 1);
    }
}

void TestCalibration::jetonValuesOfActiveChips()
{
    NoxCalibration c;
    c.setCalibrationItems({item(chip(1), 1, 1, true, 10), item(chip(2), 2, 2, true, 50)});
    QCOMPARE(c.jetonValues(), QList<int>({10, 50, 0, 0, 0, 0, 0, 0}));
}

void TestCalibration::oneSignalPerWrite()
{
    NoxCalibration c;
    QSignalSpy spy(&c, &ICalibration::calibrationChanged);
    c.setCalibrationItems({item(chip(1), 1, 1), item(chip(2), 2, 2), item(Id::B_PLAYER, 3, 3)});
    QCOMPARE(spy.size(), 1);
}

void TestCalibration::specialDelay()
{
    NoxCalibration c;
    c.setMouseClickDelay(120);
    QSignalSpy spy(&c, &ICalibration::calibrationChanged);
    c.setSpecialDelayMode(true);
    QCOMPARE(spy.size(), 1);
    QCOMPARE(c.mouseClickDelay(), 39);
    c.setMouseClickDelay(200);
    QCOMPARE(spy.size(), 1);
    QCOMPARE(c.mouseClickDelay(), 39);
    c.setSpecialDelayMode(true);
    QCOMPARE(spy.size(), 1);
    c.setSpecialDelayMode(false);
    QCOMPARE(spy.size(), 2);
    QCOMPARE(c.mouseClickDelay(), 120);
}

void TestCalibration::clickDelayIsClamped()
{
    NoxCalibration c;
    QSignalSpy spy(&c, &ICalibration::calibrationChanged);
    c.setMouseClickDelay(30);
    QCOMPARE(spy.size(), 0);
    c.setMouseClickDelay(-50);
    QCOMPARE(c.mouseClickDelay(), 0);
    c.setMouseClickDelay(3600000);
    QCOMPARE(c.mouseClickDelay(), NoxCalibration::kMaxClickDelay);
    QCOMPARE(spy.size(), 2);
}

void TestCalibration::toggleJetonModeHasNoSignal()
{
    NoxCalibration c;
    QSignalSpy spy(&c, &ICalibration::calibrationChanged);
    c.setToggleJetonMode(true);
    QVERIFY(c.toggleJetonMode());
    QCOMPARE(spy.size(), 0);
}

void TestCalibration::safetyOptions()
{
    NoxCalibration c;
    QSignalSpy spy(&c, &ICalibration::calibrationChanged);
    c.setMaxBet(2500);
    c.setMaxBet(2500);
    QCOMPARE(c.maxBet(), 2500);
    c.setMaxBet(-3);
    QCOMPARE(c.maxBet(), 0);
    c.setServiceUrl(QStringLiteral("  http://127.0.0.1:9/api/v1 "));
    QCOMPARE(c.serviceUrl(), QStringLiteral("http://127.0.0.1:9/api/v1"));
    QCOMPARE(spy.size(), 3);
}

void TestCalibration::doublePauseSurvivesAWrite()
{
    // The screens write items without their pause: the double button keeps its 110 ms.
    NoxCalibration c;
    c.setCalibrationItems({item(Id::X_DBL, 300, 400)});
    const auto dbl = c.calibrationItem(Id::X_DBL);
    QCOMPARE(dbl->clickPause, 110);
    QCOMPARE(pointOf(c, Id::X_DBL), QPoint(300, 400));
    QVERIFY(dbl->active);
}

void TestCalibration::unknownIdsAreIgnored()
{
    NoxCalibration c;
    const QList<NoxCalibrationItem> before = everyItem(c);
    c.setCalibrationItems({item(Id(12345), 1, 1), item(Id::none, 1, 1)});
    QCOMPARE(everyItem(c), before);
    QVERIFY(!c.calibrationItem(Id(12345)));
}

void TestCalibration::garbageCoordinatesAreClamped()
{
    NoxCalibration c;
    c.setCalibrationItems({item(Id::B_TIE, qInf(), std::nan("")), item(Id::B_PLAYER, -1e300, 1e300),
                           item(chip(1), 1, 1, true, -40)});
    QCOMPARE(pointOf(c, Id::B_TIE), QPoint(0, 0));
    QCOMPARE(c.calibrationItem(Id::B_PLAYER)->x, -NoxCalibration::kMaxCoordinate);
    QCOMPARE(c.calibrationItem(Id::B_PLAYER)->y, NoxCalibration::kMaxCoordinate);
    QCOMPARE(c.jetonValues().first(), 0);
}

void TestCalibration::numberGridFromAPerfectTable()
{
    // A table drawn on an exact grid: rows of three numbers 40 px apart along x, the numbers
    // of a row 30 px apart upwards. The six references rebuild every number.
    const auto X = [](int n) {
        return 100 + 40 * ((n - 1) / 3);
    };
    const auto Y = [](int n) {
        return 500 - 30 * ((n - 1) % 3);
    };
    NoxCalibration c(false);
    QSignalSpy spy(&c, &ICalibration::calibrationChanged);
    NoxCalibrationItemList refs;
    for (int n : {1, 3, 19, 21, 34, 36}) {
        refs.append(item(num(n), X(n), Y(n)));
    }
    c.setCalibrationItems(refs);
    QCOMPARE(spy.size(), 1);
    for (int n = 1; n <= 36; ++n) {
        QCOMPARE(pointOf(c, num(n)), QPoint(X(n), Y(n)));
    }
    // Zero sits one row before 1, between the columns: 1 + cx - rx, 1 - ry - cy.
    QCOMPARE(pointOf(c, num(0)), QPoint(100 - 40, 500 - 30));
    // Derived numbers keep their own other fields.
    QVERIFY(!c.calibrationItem(num(2))->active);
}

void TestCalibration::numberGridTruncatesTowardZero()
{
    // Steps that do not divide evenly, with negative differences: -13 / 6 is -2, not -3.
    NoxCalibration c(false);
    c.setCalibrationItems({item(num(1), 0, 0), item(num(3), 0, -20), item(num(19), -13, 0),
                           item(num(21), -13, -20), item(num(34), -100, 0), item(num(36), -100, -20)});
    QCOMPARE(pointOf(c, num(4)), QPoint(-2, 0));
    QCOMPARE(pointOf(c, num(2)), QPoint(0, -10));
    QCOMPARE(pointOf(c, num(3)), QPoint(0, -20));
    // Upper half: rx' = ((-87 / 5) + (-87 / 5)) / 2 = -17.
    QCOMPARE(pointOf(c, num(22)), QPoint(-13 - 17, 0));
    QCOMPARE(pointOf(c, num(36)), QPoint(-13 - 17 * 5, -20));
}

void TestCalibration::numberGridNeedsEveryReference()
{
    NoxCalibration c(false);
    c.setCalibrationItems({item(num(1), 100, 500), item(num(3), 100, 440), item(num(19), 340, 500),
                           item(num(21), 340, 440), item(num(34), 540, 500)});
    QCOMPARE(pointOf(c, num(4)), QPoint(0, 0));
    QCOMPARE(pointOf(c, num(34)), QPoint(540, 500));
}

void TestCalibration::columnsAndDozens()
{
    NoxCalibration c(false);
    c.setCalibrationItems({item(Id::CL1, 100, 200), item(Id::CL3, 105, 261)});
    QCOMPARE(pointOf(c, Id::CL1), QPoint(100, 200));
    QCOMPARE(pointOf(c, Id::CL2), QPoint(102, 230));
    QCOMPARE(pointOf(c, Id::CL3), QPoint(104, 260)); // may move by one pixel
    c.setCalibrationItems({item(Id::DZ1, 0, 0), item(Id::DZ3, -9, 40)});
    QCOMPARE(pointOf(c, Id::DZ2), QPoint(-4, 20));
    QCOMPARE(pointOf(c, Id::DZ3), QPoint(-8, 40));
}

void TestCalibration::sixains()
{
    NoxCalibration c(false);
    c.setCalibrationItems({item(Id::SX1, 10, 100), item(Id::SX4, 41, 0), item(Id::SX6, 70, 152)});
    const QList<QPoint> expected = {{10, 100}, {20, 110}, {30, 120}, {40, 130}, {55, 140}, {70, 150}};
    for (int k = 0; k < 6; ++k) {
        QCOMPARE(pointOf(c, Id(int(Id::SX1) + k)), expected[k]);
    }
    QCOMPARE(pointOf(c, Id::SX7), QPoint(0, 0));
}

void TestCalibration::transversales()
{
    NoxCalibration c(false);
    c.setCalibrationItems({item(Id::T1, 0, 0), item(Id::T7, 61, 5), item(Id::T12, 100, 111)});
    const int xs[] = {0, 10, 20, 30, 40, 50, 60, 67, 74, 81, 88, 100};
    for (int k = 0; k < 12; ++k) {
        QCOMPARE(pointOf(c, Id(int(Id::T1) + k)), QPoint(xs[k], 10 * k));
    }
}

void TestCalibration::familiesNeedEveryReference()
{
    NoxCalibration c(false);
    c.setCalibrationItems({item(Id::T1, 0, 0), item(Id::T12, 100, 110), item(Id::CL1, 5, 5)});
    QCOMPARE(pointOf(c, Id::T2), QPoint(0, 0));
    QCOMPARE(pointOf(c, Id::T12), QPoint(100, 110));
    QCOMPARE(pointOf(c, Id::CL2), QPoint(0, 0));
}

void TestCalibration::emptyStoreKeepsDefaults()
{
    const QString file = m_dir.filePath(QStringLiteral("empty.ini"));
    NoxSettingsStore store(file);
    NoxCalibration fresh;
    NoxCalibration c;
    c.load(store);
    QCOMPARE(everyItem(c), everyItem(fresh));
    QCOMPARE(c.mouseClickDelay(), 30);
    QVERIFY(!c.specialDelayMode());
}

void TestCalibration::settingsRoundTrip()
{
    const QString file = m_dir.filePath(QStringLiteral("roundtrip.ini"));
    QFile::remove(file);
    NoxCalibration c;
    c.setCalibrationItems(
        {item(chip(4), 11.5, 22.25, true, 700), item(Id::B_BANKER, 1920, 1080), item(Id::X_DBL, -40, 3)});
    c.setMouseClickDelay(250);
    c.setSpecialDelayMode(true);
    c.setToggleJetonMode(true);
    c.setMaxBet(12345);
    c.setServiceUrl(QStringLiteral("http://localhost:8080/api/v1"));
    {
        NoxSettingsStore store(file);
        c.save(store);
        store.sync();
    }
    NoxSettingsStore store(file);
    NoxCalibration back;
    back.load(store);
    QCOMPARE(everyItem(back), everyItem(c));
    QVERIFY(back.specialDelayMode());
    back.setSpecialDelayMode(false);
    QCOMPARE(back.mouseClickDelay(), 250);
    QVERIFY(back.toggleJetonMode());
    QCOMPARE(back.maxBet(), 12345);
    QCOMPARE(back.serviceUrl(), QStringLiteral("http://localhost:8080/api/v1"));
}

void TestCalibration::settingsKeys()
{
    const QString file = m_dir.filePath(QStringLiteral("keys.ini"));
    QFile::remove(file);
    NoxCalibration c;
    c.setCalibrationItems({item(Id::B_PLAYER, 12, 34)});
    {
        NoxSettingsStore store(file);
        c.save(store);
        store.sync();
    }
    QSettings raw(file, QSettings::IniFormat);
    QCOMPARE(raw.value(QStringLiteral("calibration/4001/x")).toDouble(), 12.0);
    QCOMPARE(raw.value(QStringLiteral("calibration/4001/active")).toString(), QStringLiteral("true"));
    QCOMPARE(raw.value(QStringLiteral("calibration/10003/val")).toInt(), 100);
    QCOMPARE(raw.value(QStringLiteral("calibration/mouseClickDelay")).toInt(), 30);
    QVERIFY(raw.contains(QStringLiteral("calibration/specialDelay")));
    QVERIFY(raw.contains(QStringLiteral("calibration/toggleJetonMode")));
    QVERIFY(raw.contains(QStringLiteral("calibration/maxBet")));
    QVERIFY(raw.contains(QStringLiteral("calibration/serviceUrl")));
    // Every item of the map: 37 numbers, 6 chances, 3 columns, 11 sixains, 12 transversales,
    // 3 dozens, the double button, 8 chips and the 3 baccarat places, 4 keys each.
    const QStringList itemKeys =
        raw.allKeys().filter(QRegularExpression(QStringLiteral("^calibration/\\d+/")));
    QCOMPARE(itemKeys.size(), (37 + 6 + 3 + 11 + 12 + 3 + 1 + 8 + 3) * 4);
}

void TestCalibration::garbageSettings()
{
    const QString file = m_dir.filePath(QStringLiteral("garbage.ini"));
    QVERIFY(NoxTest::writeFile(file, "[calibration]\n"
                                     "4002\\x=abc\n"
                                     "4002\\y=nan\n"
                                     "4002\\active=maybe\n"
                                     "4001\\x=1e300\n"
                                     "4001\\y=\"12.5\"\n"
                                     "4001\\active=1\n"
                                     "4000\\x=7\n"
                                     "4000\\active=true\n"
                                     "10001\\val=-5\n"
                                     "10001\\active=yes\n"
                                     "10002\\val=12abc\n"
                                     "10003\\val=99999999999999\n"
                                     "mouseClickDelay=-40\n"
                                     "specialDelay=2\n"
                                     "toggleJetonMode=true\n"
                                     "maxBet=lots\n"
                                     "serviceUrl=@Variant(garbage)\n"));
    NoxSettingsStore store(file);
    NoxCalibration c;
    c.load(store);
    const auto banker = c.calibrationItem(Id::B_BANKER);
    QCOMPARE(QPointF(banker->x, banker->y), QPointF(0, 0));
    QVERIFY(!banker->active);
    const auto player = c.calibrationItem(Id::B_PLAYER);
    QCOMPARE(player->x, NoxCalibration::kMaxCoordinate);
    QCOMPARE(player->y, 12.5);
    QVERIFY(player->active);
    QCOMPARE(pointOf(c, Id::B_TIE), QPoint(7, 0));
    QVERIFY(c.calibrationItem(Id::B_TIE)->active);
    QCOMPARE(c.calibrationItem(chip(1))->value, 0);
    QVERIFY(!c.calibrationItem(chip(1))->active);
    QCOMPARE(c.calibrationItem(chip(2))->value, 0);
    QCOMPARE(c.calibrationItem(chip(3))->value, 0);
    QCOMPARE(c.mouseClickDelay(), 0);
    QVERIFY(!c.specialDelayMode());
    QVERIFY(c.toggleJetonMode());
    QCOMPARE(c.maxBet(), 0);
    QVERIFY(c.serviceUrl().isEmpty());
    // Keys that are absent keep their defaults.
    QCOMPARE(c.calibrationItem(chip(5))->value, 2500);
    QCOMPARE(c.calibrationItem(Id::X_DBL)->clickPause, 110);
}

void TestCalibration::attachSavesToThePreviousStore()
{
    const QString fileA = m_dir.filePath(QStringLiteral("a.ini"));
    const QString fileB = m_dir.filePath(QStringLiteral("b.ini"));
    QFile::remove(fileA);
    QFile::remove(fileB);
    {
        NoxSettingsStore b(fileB);
        NoxCalibration other;
        other.setCalibrationItems({item(Id::B_TIE, 77, 88)});
        other.save(b);
        b.sync();
    }
    NoxSettingsStore a(fileA);
    NoxSettingsStore b(fileB);
    NoxCalibration c;
    QSignalSpy spy(&c, &ICalibration::calibrationChanged);
    c.attachSettings(&a);
    QCOMPARE(c.settingsStore(), &a);
    QCOMPARE(spy.size(), 1);
    c.setCalibrationItems({item(Id::B_BANKER, 5, 6)});
    c.attachSettings(&b);
    a.sync();
    QCOMPARE(QSettings(fileA, QSettings::IniFormat).value(QStringLiteral("calibration/4002/x")).toDouble(),
             5.0);
    // b was read over the current values.
    QCOMPARE(pointOf(c, Id::B_TIE), QPoint(77, 88));
    c.setMouseClickDelay(99);
    c.attachSettings(nullptr);
    QCOMPARE(c.settingsStore(), nullptr);
    b.sync();
    QCOMPARE(
        QSettings(fileB, QSettings::IniFormat).value(QStringLiteral("calibration/mouseClickDelay")).toInt(),
        99);
}

void TestCalibration::engineAttachesItsStore()
{
    const QString org = QStringLiteral("NoxCalibrationTest");
    QString fileName;
    {
        NoxEngine engine;
        QVERIFY(engine.calibration());
        QVERIFY(engine.setPersistence(true, org));
        fileName = engine.settingsFileName();
        engine.calibration()->setCalibrationItems(
            {item(Id::B_BANKER, 640, 480), item(chip(2), 1, 2, true, 200)});
        engine.calibration()->setMaxBet(1000);
    } // destruction writes the store
    QSettings raw(fileName, QSettings::IniFormat);
    QCOMPARE(raw.value(QStringLiteral("calibration/4002/x")).toDouble(), 640.0);

    NoxEngine engine;
    QCOMPARE(engine.calibration()->calibrationItem(Id::B_BANKER)->x, 0.0);
    engine.setPersistence(true, org);
    QCOMPARE(engine.calibration()->calibrationItem(Id::B_BANKER)->x, 640.0);
    QCOMPARE(engine.calibration()->jetonValues().mid(0, 3), QList<int>({10, 200, 0}));
    QCOMPARE(engine.calibration()->maxBet(), 1000);

    // The edition switch resets the calibration to the item list of the edition.
    engine.setBaccaratMode(false);
    QVERIFY(!engine.isBaccaratMode());
    QCOMPARE(engine.calibration()->calibrationItems().size(), 31);
    QCOMPARE(engine.calibration()->maxBet(), 0);
    engine.setBaccaratMode(true);
    QCOMPARE(engine.calibration()->calibrationItems().size(), 12);
    engine.setPersistence(false);
}

QTEST_GUILESS_MAIN(TestCalibration)
#include "tst_calibration.moc"
