#include "core/noxmethod.h"
#include "core/noxmethodstate.h"
#include "engine/noxengine.h"
#include "testsupport.h"
#include "uimethodchartmodel.h"
#include "uitestsupport.h"

#include <QRandomGenerator>
#include <QtTest>

#include <numeric>

using namespace Nox;
using NoxTest::EngineRoot;

namespace {

QList<int> shoe(int count, quint32 seed)
{
    QRandomGenerator random(seed);
    QList<int> values;
    for (int i = 0; i < count; ++i) {
        const int r = int(random.bounded(100));
        values.append(r < 9 ? 0 : r < 54 ? 2 : 1);
    }
    return values;
}

int methodIdOf(const NoxEngine &engine, const QString &name)
{
    for (const NoxMethodState *s : engine.methodStates()) {
        if (s->method()->name() == name) {
            return s->method()->index();
        }
    }
    return -1;
}

/// The moving average written out the long way: the mean of values [i - k + 1, i] for every i
/// from k on.
QList<int> slowAverage(const QList<int> &values, int k)
{
    QList<int> out;
    for (qsizetype i = k; i < values.size(); ++i) {
        qint64 sum = 0;
        for (qsizetype j = i - k + 1; j <= i; ++j) {
            sum += values.at(j);
        }
        out.append(int(sum / k));
    }
    return out;
}

} // namespace

class TestUIChartModel : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        NoxTest::useSandbox(m_dir);
    }

    void movingAveragesStartAfterTheirWindow()
    {
        QList<int> twelve;
        for (int i = 0; i < 12; ++i) {
            twelve.append(i * i - 20);
        }
        const QList<int> a1 = UIMethodChartModel::movingAverage(twelve, 10);
        QCOMPARE(a1.size(), 2);
        QCOMPARE(a1.at(0), int(std::accumulate(twelve.begin() + 1, twelve.begin() + 11, 0) / 10));
        QCOMPARE(a1.at(1), int(std::accumulate(twelve.begin() + 2, twelve.begin() + 12, 0) / 10));
        QVERIFY(UIMethodChartModel::movingAverage(twelve, 30).isEmpty());
        QVERIFY(UIMethodChartModel::movingAverage({}, 10).isEmpty());

        QRandomGenerator random(17);
        QList<int> values;
        for (int i = 0; i < 500; ++i) {
            values.append(int(random.bounded(2000)) - 1000);
        }
        QCOMPARE(UIMethodChartModel::movingAverage(values, 10), slowAverage(values, 10));
        QCOMPARE(UIMethodChartModel::movingAverage(values, 30), slowAverage(values, 30));
    }

    void rangesAndBlackIndex()
    {
        QCOMPARE(UIMethodChartModel::symmetricRange({0, 0, 0}), 1);
        QCOMPARE(UIMethodChartModel::symmetricRange({}), 1);
        QCOMPARE(UIMethodChartModel::symmetricRange({3, -7, 5}), 7);
        QCOMPARE(UIMethodChartModel::blackIndexOf({}), -1);
        QCOMPARE(UIMethodChartModel::blackIndexOf({1, 2, 3}), 2);      // 2 + 3 + 4 never reaches 35
        QCOMPARE(UIMethodChartModel::blackIndexOf({20, 20, 5, 7}), 2); // 21 + 21 = 42 before index 2
        QCOMPARE(UIMethodChartModel::blackIndexOf({34, 0, 9}), 1);     // 35 reached before index 1
    }

    void anAllZeroCurveGivesAUnitRange()
    {
        EngineRoot root;
        // A method that never proposes anything: its flat-stake curve never moves.
        root.engine()->addMethodState(
            NoxTest::fixedState(QStringLiteral("Idle"), NoxMethodType::cs, {}, NoxMethodSubType::aqua2));
        for (int v : shoe(20, 1)) {
            root.engine()->playValueInternal(v, true);
        }
        UIMethodChartModel chart(0, false, &root);
        QCOMPARE(chart.methodName(), u"Idle");
        for (int v : chart.profitValues()) {
            QCOMPARE(v, 0);
        }
        QCOMPARE(chart.profitMin(), -1);
        QCOMPARE(chart.profitMax(), 1);
        QCOMPARE(chart.profitCTMin(), -1);
        QCOMPARE(chart.profitCTMax(), 1);
    }

    void aLongSessionKeepsTheLastValues()
    {
        EngineRoot root;
        root.loadCatalogue();
        const int banker = methodIdOf(*root.engine(), QStringLiteral("BANKER"));
        for (int v : shoe(300, 2)) {
            root.engine()->playValueInternal(v, true);
        }
        UIMethodChartModel chart(banker, false, &root);
        const NoxMethodState *state = root.engine()->methodState(banker);
        const QList<int> curve = state->profitCurve(true);
        QVERIFY(curve.size() > 184);
        QCOMPARE(chart.profitValues(), curve.mid(curve.size() - 184));
        QCOMPARE(chart.profitMoyenne1().size(), 184);
        QCOMPARE(chart.profitMoyenne1Offset(), 0);
        QCOMPARE(chart.profitMoyenne2Offset(), 0);
        const QList<int> average = slowAverage(curve, 10);
        QCOMPARE(chart.profitMoyenne1(), average.mid(average.size() - 184));
        int h = 1;
        for (int v : curve) {
            h = std::max(h, std::abs(v));
        }
        QCOMPARE(chart.profitMax(), h);
        QCOMPARE(chart.profitMin(), -h);
        QCOMPARE(chart.shortTermCount(), std::min(300, state->shortTermWindow()));
        QCOMPARE(chart.profitCTValues().size(),
                 std::min<qsizetype>(2 * chart.shortTermCount() - 1, curve.size()));
        QCOMPARE(chart.profitRegLine().size(), 4);
        QCOMPARE(chart.profitRegLine().at(2), 183);

        QCOMPARE(chart.ecarts(), state->gapList(true));
        QCOMPARE(chart.total(), std::accumulate(chart.blocks().cbegin(), chart.blocks().cend(), 0));
        QCOMPARE(chart.blockMax(), *std::max_element(chart.blocks().cbegin(), chart.blocks().cend()));
        QCOMPARE(chart.bMax(), state->blockMax());
        QCOMPARE(chart.blackIndex(), UIMethodChartModel::blackIndexOf(chart.ecarts()));
        QVERIFY(chart.nbWinDetectionsNiv1() <= chart.nbDetectionsNiv1());
        QVERIFY(chart.nbWinDetectionsNiv2() <= chart.nbDetectionsNiv2());
        QVERIFY(chart.nbWinDetectionsNiv3() <= chart.nbDetectionsNiv3());
        QVERIFY(chart.nbWinDetectionsNiv3after2() <= chart.nbWinDetectionsNiv3());
        QVERIFY(chart.currentPlayinglevel() >= 0 && chart.currentPlayinglevel() <= 3);
        QVERIFY(chart.nbBlocDominantsWon() <= chart.nbBlocDominantsPlayed());
    }

    void aShortSessionOffsetsTheAverages()
    {
        EngineRoot root;
        root.loadCatalogue();
        const int banker = methodIdOf(*root.engine(), QStringLiteral("BANKER"));
        for (int v : shoe(15, 4)) {
            root.engine()->playValueInternal(v, true);
        }
        UIMethodChartModel chart(banker, false, &root);
        const qsizetype n = chart.profitValues().size();
        QVERIFY(n > 10 && n < 30);
        QCOMPARE(chart.profitMoyenne1().size(), n - 10);
        QCOMPARE(chart.profitMoyenne1Offset(), 10);
        QVERIFY(chart.profitMoyenne2().isEmpty());
        QCOMPARE(chart.profitMoyenne2Offset(), int(n));
    }

    void refreshNotifiesOnlyWhatChanged()
    {
        EngineRoot root;
        root.loadCatalogue();
        const int banker = methodIdOf(*root.engine(), QStringLiteral("BANKER"));
        UIMethodChartModel chart(banker, false, &root);
        QSignalSpy values(&chart, &UIMethodChartModel::profitValuesChanged);
        QSignalSpy name(&chart, &UIMethodChartModel::methodNameChanged);
        QSignalSpy ecarts(&chart, &UIMethodChartModel::ecartsChanged);
        chart.refresh();
        QCOMPARE(values.count(), 0);
        QCOMPARE(name.count(), 0);

        // Engine changes arrive queued; one result changes the curve and the gaps.
        root.engine()->playValueInternal(2, true);
        QCOMPARE(values.count(), 0);
        QTRY_COMPARE(values.count(), 1);
        QVERIFY(ecarts.count() >= 1);
        QCOMPARE(name.count(), 0);

        // Another method's change leaves this chart alone.
        const int before = ecarts.count();
        emit root.engine()->methodStateChanged(banker + 1);
        QCoreApplication::processEvents();
        QCOMPARE(ecarts.count(), before);
    }

    void theSplitViewKeepsTheProfitPartAsItWas()
    {
        EngineRoot root;
        root.loadCatalogue();
        const int banker = methodIdOf(*root.engine(), QStringLiteral("BANKER"));
        UIMethodChartModel chart(banker, true, &root);
        for (int v : shoe(60, 8)) {
            root.engine()->playValueInternal(v, true);
        }
        chart.refresh();
        QVERIFY(!chart.ecarts().isEmpty());
        QVERIFY(chart.ecarts().size() <= 20);
        QVERIFY(chart.profitValues().isEmpty());
        QCOMPARE(chart.shortTermCount(), 5);
        QCOMPARE(chart.nbDetectionsNiv1(), 0);
        QCOMPARE(chart.profitMax(), 0);
        QCOMPARE(chart.blackIndex(), 0);
        QVERIFY(chart.ratio() > 0);
    }

    void anUnknownMethodEmptiesTheLists()
    {
        EngineRoot root;
        root.loadCatalogue();
        for (int v : shoe(30, 9)) {
            root.engine()->playValueInternal(v, true);
        }
        UIMethodChartModel chart(methodIdOf(*root.engine(), QStringLiteral("PLAYER")), false, &root);
        QVERIFY(!chart.ecarts().isEmpty());
        const double ratio = chart.ratio();
        QSignalSpy ecarts(&chart, &UIMethodChartModel::ecartsChanged);
        QSignalSpy id(&chart, &UIMethodChartModel::methodIdChanged);
        chart.setMethodId(-1);
        QCOMPARE(id.count(), 1);
        QCOMPARE(ecarts.count(), 0); // writing the identifier only stores it
        chart.refresh();
        QCOMPARE(ecarts.count(), 1);
        QVERIFY(chart.ecarts().isEmpty());
        QVERIFY(chart.blocks().isEmpty());
        QVERIFY(chart.doms().isEmpty());
        QVERIFY(chart.tendances().isEmpty());
        QCOMPARE(chart.ratio(), ratio);
    }
};

QTEST_MAIN(TestUIChartModel)
#include "tst_uichartmodel.moc"
