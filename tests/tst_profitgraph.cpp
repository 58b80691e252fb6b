// Renders NoxProfitGraph on a real X server (xcb, OpenGL) and reads the pixels back: the
// filled area and the line lie where the values put them.

#include "noxprofitgraph.h"

#include <QGuiApplication>
#include <QQuickWindow>
#include <QtTest>

#include <atomic>

namespace {

const QColor kBackground(Qt::white);
const QColor kLine(255, 0, 0);
const QColor kFill(0, 160, 0);

bool near(const QColor &a, const QColor &b)
{
    return std::abs(a.red() - b.red()) < 40 && std::abs(a.green() - b.green()) < 40 &&
           std::abs(a.blue() - b.blue()) < 40;
}

/// The y at which column x changes from `above` to `below` colours (first pixel of `below`
/// after the last `above` one), -1 when there is no such change.
int boundary(const QImage &image, int x, const QColor &above, const QColor &below)
{
    int lastAbove = -1;
    for (int y = 0; y < image.height(); ++y) {
        if (near(image.pixelColor(x, y), above)) {
            lastAbove = y;
        }
    }
    for (int y = lastAbove + 1; y < image.height(); ++y) {
        if (near(image.pixelColor(x, y), below)) {
            return y;
        }
    }
    return -1;
}

} // namespace

class TestProfitGraph : public QObject
{
    Q_OBJECT

    QQuickWindow *m_window = nullptr;
    NoxProfitGraph *m_graph = nullptr;
    int m_shot = 0;
    // frameSwapped comes from the render thread: counted in an atomic, not a QSignalSpy (whose
    // list the two threads would share).
    std::atomic<int> m_swapped{0};

    QImage render()
    {
        m_graph->update();
        // Two frames: the first after the change may still show the previous geometry.
        for (int i = 0; i < 2; ++i) {
            const int before = m_swapped.load();
            m_window->update();
            if (!QTest::qWaitFor([&] { return m_swapped.load() > before; }, 2000)) {
                break;
            }
        }
        QImage image = m_window->grabWindow();
        image = image.convertToFormat(QImage::Format_RGB32).scaled(m_window->size());
        if (qEnvironmentVariableIsSet("NOX_GRAPH_SHOT")) {
            image.save(qEnvironmentVariable("NOX_GRAPH_SHOT") + QString::number(m_shot++) +
                       QStringLiteral(".png"));
        }
        return image;
    }

private slots:
    void initTestCase()
    {
        QVERIFY2(QGuiApplication::platformName() == u"xcb", "runs on the xcb platform under Xvfb");
        m_window = new QQuickWindow;
        QObject::connect(
            m_window, &QQuickWindow::frameSwapped, m_window, [this] { ++m_swapped; }, Qt::DirectConnection);
        m_window->setColor(kBackground);
        m_window->resize(200, 100);
        m_graph = new NoxProfitGraph(m_window->contentItem());
        m_graph->setImplicitWidth(200);
        m_graph->setImplicitHeight(100);
        m_graph->setWidth(200);
        m_graph->setHeight(100);
        m_graph->setColor(kLine);
        m_graph->setFillColor(kFill);
        m_graph->setLineWidth(1);
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window));
    }

    void cleanupTestCase()
    {
        if (qEnvironmentVariableIsSet("NOX_GRAPH_SHOT")) {
            QTest::qWait(3000);
        }
        delete m_window;
    }

    void aRisingLineFillsBelowIt()
    {
        // Two values at x 0 and 20: with a step of 10 pixels they span the 200 pixels.
        m_graph->setFillUp(false);
        m_graph->setValueMin(0);
        m_graph->setValueMax(10);
        m_graph->setXMax(20);
        m_graph->setXValues({0, 20});
        m_graph->setValues({0, 10});
        const QImage image = render();
        // y(v) = (top - v) * H / (top - bottom), top 10.5 and bottom -0.5: 95.5 at 0, 4.5 at 10.
        for (int x : {20, 60, 100, 140, 180}) {
            const double expected = (10.5 - 10.0 * x / 200.0) * 100.0 / 11.0;
            const int edge = boundary(image, x, kBackground, kFill);
            QVERIFY2(
                std::abs(edge - expected) <= 2.5,
                qPrintable(
                    QStringLiteral("x %1: fill starts at %2, expected %3").arg(x).arg(edge).arg(expected)));
            QVERIFY(near(image.pixelColor(x, std::min(99, int(expected) + 4)), kFill));
            QVERIFY(near(image.pixelColor(x, std::max(0, int(expected) - 4)), kBackground));
            // The line is drawn at the edge of the area.
            bool line = false;
            for (int y = int(expected) - 2; y <= int(expected) + 2; ++y) {
                line = line || near(image.pixelColor(x, y), kLine);
            }
            QVERIFY2(line, qPrintable(QStringLiteral("no line near (%1, %2)").arg(x).arg(expected)));
        }
    }

    void fillUpFillsAboveTheLine()
    {
        m_graph->setFillUp(true);
        const QImage image = render();
        for (int x : {40, 100, 160}) {
            const double expected = (10.5 - 10.0 * x / 200.0) * 100.0 / 11.0;
            QVERIFY(near(image.pixelColor(x, std::max(0, int(expected) - 4)), kFill));
            QVERIFY(near(image.pixelColor(x, std::min(99, int(expected) + 4)), kBackground));
        }
        m_graph->setFillUp(false);
    }

    void aSmoothedCurvePassesThroughItsPoints()
    {
        QList<int> values;
        for (int i = 0; i <= 20; ++i) {
            values.append(int(std::lround(50 * std::sin(i * 0.3))));
        }
        m_graph->setXValues({});
        m_graph->resetXMax();
        m_graph->setValueMin(-60);
        m_graph->setValueMax(60);
        m_graph->setValues(values);
        const QImage image = render();
        const QList<QPointF> points = m_graph->valuePoints();
        QCOMPARE(points.size(), values.size());
        for (qsizetype i = 1; i + 1 < points.size(); ++i) {
            const QPointF p = points.at(i);
            const int edge = boundary(image, int(p.x()), kBackground, kFill);
            QVERIFY2(
                std::abs(edge - p.y()) <= 2.5,
                qPrintable(
                    QStringLiteral("point %1: fill starts at %2, expected %3").arg(i).arg(edge).arg(p.y())));
        }
        // The hovered index follows the mouse over a point.
        const QPointF fifth = points.at(5);
        QTest::mouseMove(m_window, fifth.toPoint());
        QTRY_COMPARE(m_graph->hoveredIndex(), 5);
        QCOMPARE(m_graph->indexAt(QPointF(points.at(12).x() + 3, points.at(12).y())), 12);
        QCOMPARE(m_graph->indexAt(QPointF(-50, 0)), -1);
    }

    void anEmptyRangeDrawsNothing()
    {
        m_graph->setValueMin(0);
        m_graph->setValueMax(0);
        m_graph->setValues({0, 0, 0, 0});
        QImage image = render();
        for (int y = 0; y < image.height(); y += 7) {
            for (int x = 0; x < image.width(); x += 7) {
                QVERIFY(near(image.pixelColor(x, y), kBackground));
            }
        }
        QVERIFY(m_graph->valuePoints().isEmpty());
        QCOMPARE(m_graph->indexAt(QPointF(10, 10)), -1);

        m_graph->setValueMax(10);
        m_graph->setValues({5});
        image = render();
        QVERIFY(near(image.pixelColor(100, 50), kBackground));
    }
};

QTEST_MAIN(TestProfitGraph)
#include "tst_profitgraph.moc"
