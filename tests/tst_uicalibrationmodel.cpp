#include "calibration/noxcalibration.h"
#include "uicalibrationcapture.h"
#include "uicalibrationitem.h"
#include "uicalibrationmodel.h"

#include <QQmlContext>
#include <QQmlEngine>
#include <QQmlExpression>
#include <QSignalSpy>
#include <QTest>

using namespace Nox;
using Id = NoxBetItemID;

namespace {

/// A spy on the change signal of one key of the map.
std::unique_ptr<QSignalSpy> spyOn(QObject *map, const char *key)
{
    const QMetaObject *mo = map->metaObject();
    const int index = mo->indexOfProperty(key);
    if (index < 0) {
        return nullptr;
    }
    return std::make_unique<QSignalSpy>(map, mo->property(index).notifySignal());
}

UICalibrationItem entry(const QQmlPropertyMap &map, const QString &key)
{
    return map.value(key).value<UICalibrationItem>();
}

} // namespace

class TestUICalibrationModel : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void keysOfTheBaccaratList();
    void keyNames();
    void onlyChangedEntriesAreReplaced();
    void qmlWritesAnItemObject();
    void qmlWritesACalibrationItem();
    void qmlWritesOptions();
    void doubleButtonKeepsItsPause();
    void unknownKeysChangeNothing();
    void outlivesItsCalibration();
    void captureWritesEveryStepInOneChange();
    void captureOfChipsKeepsTheirValuesAndRun();
    void captureRefusesAKeyThatNamesNoItem();

private:
    void run(const QString &script);

    NoxCalibration *m_calibration = nullptr;
    UICalibrationModel *m_model = nullptr;
    QQmlEngine *m_engine = nullptr;
};

void TestUICalibrationModel::init()
{
    m_calibration = new NoxCalibration;
    m_model = new UICalibrationModel(m_calibration);
    m_engine = new QQmlEngine;
    m_engine->rootContext()->setContextProperty(QStringLiteral("calibration"), m_model);
}

void TestUICalibrationModel::cleanup()
{
    delete m_engine;
    delete m_model;
    delete m_calibration;
}

void TestUICalibrationModel::run(const QString &script)
{
    QQmlExpression expression(m_engine->rootContext(), nullptr, script);
    expression.evaluate();
    QVERIFY2(!expression.hasError(), qPrintable(expression.error().toString()));
}

void TestUICalibrationModel::keysOfTheBaccaratList()
{
    QStringList expected = {QStringLiteral("jeton_1"),
                            QStringLiteral("jeton_2"),
                            QStringLiteral("jeton_3"),
                            QStringLiteral("jeton_4"),
                            QStringLiteral("jeton_5"),
                            QStringLiteral("jeton_6"),
                            QStringLiteral("jeton_7"),
                            QStringLiteral("jeton_8"),
                            QStringLiteral("b_tie"),
                            QStringLiteral("b_player"),
                            QStringLiteral("b_banker"),
                            QStringLiteral("x_dbl"),
                            QStringLiteral("mouseClickDelay"),
                            QStringLiteral("toggleJetonMode"),
                            QStringLiteral("specialDelayMode"),
                            QStringLiteral("maxBet"),
                            QStringLiteral("serviceUrl")};
    QStringList keys = m_model->keys();
    keys.sort();
    expected.sort();
    QCOMPARE(keys, expected);
    QCOMPARE(entry(*m_model, QStringLiteral("jeton_2")).itemId(), int(Id::JETON_2));
    QCOMPARE(entry(*m_model, QStringLiteral("jeton_2")).value(), 50);
    QCOMPARE(m_model->value(QStringLiteral("mouseClickDelay")).toInt(), 30);
    QCOMPARE(m_model->value(QStringLiteral("specialDelayMode")).toBool(), false);
}

void TestUICalibrationModel::keyNames()
{
    QCOMPARE(UICalibrationModel::keyOf(Id::B_BANKER), QStringLiteral("b_banker"));
    QCOMPARE(UICalibrationModel::keyOf(Id::CS_1_18), QStringLiteral("cs_1_18"));
    QCOMPARE(UICalibrationModel::idOf(QStringLiteral("x_dbl")), Id::X_DBL);
    QCOMPARE(UICalibrationModel::idOf(QStringLiteral("mouseClickDelay")), Id::none);
}

void TestUICalibrationModel::onlyChangedEntriesAreReplaced()
{
    const auto banker = spyOn(m_model, "b_banker");
    const auto player = spyOn(m_model, "b_player");
    QVERIFY(banker && player);
    NoxCalibrationItem it = *m_calibration->calibrationItem(Id::B_BANKER);
    it.x = 640;
    it.active = true;
    m_calibration->setCalibrationItems({it});
    QCOMPARE(banker->size(), 1);
    QCOMPARE(player->size(), 0);
    QCOMPARE(entry(*m_model, QStringLiteral("b_banker")).x(), 640.0);
    QVERIFY(entry(*m_model, QStringLiteral("b_banker")).active());
}

void TestUICalibrationModel::qmlWritesAnItemObject()
{
    run(QStringLiteral("calibration.jeton_3 = {active: true, x: 12, y: 34}"));
    // The store applied the chip run; the map mirrors it for the other chips.
    QCOMPARE(m_calibration->jetonValues().mid(0, 4), QList<int>({10, 50, 100, 0}));
    QCOMPARE(m_calibration->calibrationItem(Id::JETON_3)->x, 12.0);
    QVERIFY(entry(*m_model, QStringLiteral("jeton_1")).active());
    QVERIFY(entry(*m_model, QStringLiteral("jeton_2")).active());
    // Missing fields keep the stored values.
    QCOMPARE(m_calibration->calibrationItem(Id::JETON_3)->value, 100);
}

void TestUICalibrationModel::qmlWritesACalibrationItem()
{
    run(QStringLiteral("var it = calibration.b_player; it.x = 300; it.y = 200.5; it.active = true; "
                       "calibration.b_player = it"));
    const auto player = m_calibration->calibrationItem(Id::B_PLAYER);
    QCOMPARE(player->x, 300.0);
    QCOMPARE(player->y, 200.5);
    QVERIFY(player->active);
}

void TestUICalibrationModel::qmlWritesOptions()
{
    run(QStringLiteral("calibration.mouseClickDelay = \"250\""));
    QCOMPARE(m_calibration->mouseClickDelay(), 250);
    run(QStringLiteral("calibration.toggleJetonMode = true"));
    QVERIFY(m_calibration->toggleJetonMode());
    run(QStringLiteral("calibration.specialDelayMode = true"));
    QVERIFY(m_calibration->specialDelayMode());
    QCOMPARE(m_model->value(QStringLiteral("mouseClickDelay")).toInt(), 39);
    run(QStringLiteral("calibration.maxBet = 5000; calibration.serviceUrl = \"http://127.0.0.1:1/api/v1\""));
    QCOMPARE(m_calibration->maxBet(), 5000);
    QCOMPARE(m_calibration->serviceUrl(), QStringLiteral("http://127.0.0.1:1/api/v1"));
}

void TestUICalibrationModel::doubleButtonKeepsItsPause()
{
    run(QStringLiteral("calibration.x_dbl = {x: 700, y: 900, active: true}"));
    QCOMPARE(m_calibration->calibrationItem(Id::X_DBL)->clickPause, 110);
    QCOMPARE(m_calibration->calibrationItem(Id::X_DBL)->x, 700.0);
}

void TestUICalibrationModel::unknownKeysChangeNothing()
{
    QSignalSpy spy(m_calibration, &ICalibration::calibrationChanged);
    run(QStringLiteral("calibration.nonsense = 42"));
    QCOMPARE(spy.size(), 0);
    QCOMPARE(m_model->value(QStringLiteral("nonsense")).toInt(), 42);
}

void TestUICalibrationModel::outlivesItsCalibration()
{
    delete m_calibration;
    m_calibration = nullptr;
    QVERIFY(!m_model->calibration());
    run(QStringLiteral("calibration.b_tie = {x: 1, y: 2, active: true}; calibration.mouseClickDelay = 80"));
    m_model->onCalibrationChanged();
    QCOMPARE(m_model->value(QStringLiteral("mouseClickDelay")).toInt(), 80);
}

// The dialog's "Valider": the captured points reach the store in one change, each place
// calibrated, every other field as stored; a step without its click yet is not calibrated.
void TestUICalibrationModel::captureWritesEveryStepInOneChange()
{
    UICalibrationCapture capture;
    QSignalSpy finished(&capture, &UICalibrationCapture::finished);
    capture.start(3);
    capture.collect(QPoint(100, 200));
    capture.collect(QPoint(300, 210));
    QSignalSpy changes(m_calibration, &ICalibration::calibrationChanged);
    const QStringList steps{QStringLiteral("b_player"), QStringLiteral("b_banker"), QStringLiteral("b_tie")};
    // Two of three steps: the third place is marked not calibrated.
    NoxCalibrationItem tie = *m_calibration->calibrationItem(Id::B_TIE);
    tie.active = true;
    tie.x = 5;
    m_calibration->setCalibrationItems({tie});
    changes.clear();
    QVERIFY(capture.writeTo(m_model, steps));
    QCOMPARE(changes.size(), 1);
    QCOMPARE(m_calibration->calibrationItem(Id::B_PLAYER)->x, 100.0);
    QCOMPARE(m_calibration->calibrationItem(Id::B_PLAYER)->y, 200.0);
    QVERIFY(m_calibration->calibrationItem(Id::B_PLAYER)->active);
    QCOMPARE(m_calibration->calibrationItem(Id::B_BANKER)->x, 300.0);
    QVERIFY(m_calibration->calibrationItem(Id::B_BANKER)->active);
    QVERIFY(!m_calibration->calibrationItem(Id::B_TIE)->active);
    QCOMPARE(m_calibration->calibrationItem(Id::B_TIE)->x, 5.0);
    // The map mirrors the store at once, as the screens read it.
    QCOMPARE(entry(*m_model, QStringLiteral("b_banker")).x(), 300.0);
    QVERIFY(entry(*m_model, QStringLiteral("b_player")).active());

    capture.collect(QPoint(200, 220));
    QCOMPARE(finished.size(), 1);
    capture.collect(QPoint(999, 999)); // beyond the last step: ignored
    QVERIFY(capture.writeTo(m_model, steps));
    QCOMPARE(m_calibration->calibrationItem(Id::B_TIE)->x, 200.0);
    QCOMPARE(m_calibration->calibrationItem(Id::B_TIE)->y, 220.0);
    QVERIFY(m_calibration->calibrationItem(Id::B_TIE)->active);
}

// Chips keep their values and the run from JETON_1: calibrating the chips
// the player has leaves the others off.
void TestUICalibrationModel::captureOfChipsKeepsTheirValuesAndRun()
{
    run(QStringLiteral("calibration.jeton_2 = {active: true}"));
    QCOMPARE(m_calibration->jetonValues().mid(0, 3), QList<int>({10, 50, 0}));
    UICalibrationCapture capture;
    capture.start(2);
    capture.collect(QPoint(10, 400));
    capture.collect(QPoint(70, 400));
    QVERIFY(capture.writeTo(m_model, {QStringLiteral("jeton_1"), QStringLiteral("jeton_2")}));
    QCOMPARE(m_calibration->jetonValues().mid(0, 3), QList<int>({10, 50, 0}));
    QCOMPARE(m_calibration->calibrationItem(Id::JETON_1)->x, 10.0);
    QCOMPARE(m_calibration->calibrationItem(Id::JETON_2)->x, 70.0);
    QCOMPARE(m_calibration->calibrationItem(Id::JETON_2)->y, 400.0);
}

void TestUICalibrationModel::captureRefusesAKeyThatNamesNoItem()
{
    UICalibrationCapture capture;
    capture.start(2);
    capture.collect(QPoint(1, 2));
    capture.collect(QPoint(3, 4));
    QSignalSpy changes(m_calibration, &ICalibration::calibrationChanged);
    QVERIFY(!capture.writeTo(m_model, {QStringLiteral("b_player"), QStringLiteral("mouseClickDelay")}));
    QVERIFY(!capture.writeTo(m_model, {QStringLiteral("b_player"), QStringLiteral("nonsense")}));
    QVERIFY(!capture.writeTo(nullptr, {QStringLiteral("b_player")}));
    QCOMPARE(changes.size(), 0);
    QVERIFY(!m_calibration->calibrationItem(Id::B_PLAYER)->active);
}

QTEST_GUILESS_MAIN(TestUICalibrationModel)
#include "tst_uicalibrationmodel.moc"
