#include "noxprofitgraph.h"

#include <QSGFlatColorMaterial>
#include <QSGGeometryNode>
#include <QSGNode>

#include <mapbox/earcut.hpp>

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <vector>

namespace {

/// The parent node keeps its two children: the filled area first, the line over it.
class GraphNode : public QSGNode
{
public:
    GraphNode()
    {
        fill = makeChild(QSGGeometry::DrawTriangles);
        line = makeChild(QSGGeometry::DrawLineStrip);
    }

    QSGGeometryNode *fill;
    QSGGeometryNode *line;

private:
    QSGGeometryNode *makeChild(unsigned int mode)
    {
        auto *node = new QSGGeometryNode;
        auto *geometry = new QSGGeometry(QSGGeometry::defaultAttributes_Point2D(), 0);
        geometry->setDrawingMode(mode);
        node->setGeometry(geometry);
        node->setFlag(QSGNode::OwnsGeometry);
        node->setMaterial(new QSGFlatColorMaterial);
        node->setFlag(QSGNode::OwnsMaterial);
        appendChildNode(node);
        return node;
    }
};

void setNodeColor(QSGGeometryNode *node, const QColor &color)
{
    auto *material = static_cast<QSGFlatColorMaterial *>(node->material());
    if (material->color() != color) {
        material->setColor(color);
        node->markDirty(QSGNode::DirtyMaterial);
    }
}

} // namespace

NoxProfitGraph::NoxProfitGraph(QQuickItem *parent)
    : QQuickItem(parent)
{
    setFlag(ItemHasContents, true);
    setAcceptHoverEvents(true);
}

#define NOX_GRAPH_SETTER(Type, name, Setter, member)                                                         \
    void NoxProfitGraph::Setter(Type value)                                                                  \
    {                                                                                                        \
        if (member == value) {                                                                               \
            return;                                                                                          \
        }                                                                                                    \
        member = value;                                                                                      \
        emit name##Changed();                                                                                \
        update();                                                                                            \
    }

NOX_GRAPH_SETTER(const QColor &, color, setColor, m_color)
NOX_GRAPH_SETTER(const QList<int> &, values, setValues, m_values)
NOX_GRAPH_SETTER(int, valueMin, setValueMin, m_valueMin)
NOX_GRAPH_SETTER(int, valueMax, setValueMax, m_valueMax)
NOX_GRAPH_SETTER(const QColor &, fillColor, setFillColor, m_fillColor)
NOX_GRAPH_SETTER(int, margin, setMargin, m_margin)
NOX_GRAPH_SETTER(const QList<int> &, xValues, setXValues, m_xValues)
NOX_GRAPH_SETTER(int, xStart, setXStart, m_xStart)
NOX_GRAPH_SETTER(int, lineWidth, setLineWidth, m_lineWidth)
NOX_GRAPH_SETTER(int, align, setAlign, m_align)
NOX_GRAPH_SETTER(bool, fillUp, setFillUp, m_fillUp)
#undef NOX_GRAPH_SETTER

void NoxProfitGraph::setHoveredIndex(int index)
{
    if (m_hoveredIndex != index) {
        m_hoveredIndex = index;
        emit hoveredIndexChanged();
    }
}

void NoxProfitGraph::setXMin(int x)
{
    if (m_xMin != x) {
        m_xMin = x;
        emit xMinChanged();
        update();
    }
}

void NoxProfitGraph::resetXMin()
{
    if (m_xMin) {
        m_xMin.reset();
        emit xMinChanged();
        update();
    }
}

void NoxProfitGraph::setXMax(int x)
{
    if (m_xMax != x) {
        m_xMax = x;
        emit xMaxChanged();
        update();
    }
}

void NoxProfitGraph::resetXMax()
{
    if (m_xMax) {
        m_xMax.reset();
        emit xMaxChanged();
        update();
    }
}

void NoxProfitGraph::appendValue(int value)
{
    m_values.append(value);
    update();
}

double NoxProfitGraph::layoutWidth() const
{
    return implicitWidth() > 0 ? implicitWidth() : width();
}

double NoxProfitGraph::layoutHeight() const
{
    return implicitHeight() > 0 ? implicitHeight() : height();
}

QList<QPointF> NoxProfitGraph::valuePoints(double *stepOut) const
{
    QList<QPointF> points;
    const double w = layoutWidth();
    const double h = layoutHeight();
    if (m_values.size() < 2 || m_valueMin == m_valueMax || w <= 0 || h <= 0) {
        return points;
    }
    const auto [smallest, largest] = std::minmax_element(m_values.cbegin(), m_values.cend());
    const double lo = std::min(m_valueMin, *smallest);
    const double hi = std::max(m_valueMax, *largest);
    const double pad = 5.0 * (hi - lo) / h;
    const double top = hi + pad;
    const double bottom = lo - pad;
    const double yScale = h / (top - bottom);

    const int xmin = xMin();
    const int xmax = xMax();
    const double step = xmax > xmin ? std::min(w / double(xmax - xmin), kMaxStep) : kMaxStep;
    const double origin =
        (m_align & Qt::AlignRight) ? w + 2.0 * m_margin - xmax * step : m_margin + xmin * step;
    const bool explicitX = m_xValues.size() == m_values.size();
    points.reserve(m_values.size());
    for (qsizetype i = 0; i < m_values.size(); ++i) {
        const int k = explicitX ? m_xValues.at(i) : m_xStart + int(i);
        points.append(QPointF(origin + k * step, m_margin + (top - m_values.at(i)) * yScale));
    }
    if (stepOut) {
        *stepOut = step;
    }
    return points;
}

QList<QPointF> NoxProfitGraph::smooth(const QList<QPointF> &points, int steps)
{
    if (points.size() <= 2 || steps <= 1) {
        return points;
    }
    // Centripetal-free (uniform) Catmull-Rom: passes through every point, first and last
    // points repeated as their own neighbours.
    QList<QPointF> out;
    out.reserve((points.size() - 1) * steps + 1);
    for (qsizetype i = 0; i + 1 < points.size(); ++i) {
        const QPointF p0 = points.at(std::max<qsizetype>(0, i - 1));
        const QPointF p1 = points.at(i);
        const QPointF p2 = points.at(i + 1);
        const QPointF p3 = points.at(std::min<qsizetype>(points.size() - 1, i + 2));
        for (int s = 0; s < steps; ++s) {
            const double t = double(s) / steps;
            const double t2 = t * t;
            const double t3 = t2 * t;
            out.append(0.5 * ((2 * p1) + (-p0 + p2) * t + (2 * p0 - 5 * p1 + 4 * p2 - p3) * t2 +
                              (-p0 + 3 * p1 - 3 * p2 + p3) * t3));
        }
    }
    out.append(points.constLast());
    return out;
}

int NoxProfitGraph::indexAt(const QPointF &position) const
{
    double step = 0;
    const QList<QPointF> points = valuePoints(&step);
    if (points.isEmpty() || step <= 0) {
        return -1;
    }
    const QPointF *nearest = nullptr;
    double best = std::numeric_limits<double>::max();
    for (const QPointF &p : points) {
        if (std::abs(p.x() - position.x()) > kHoverReach) {
            continue;
        }
        const double distance = std::hypot(p.x() - position.x(), p.y() - position.y());
        if (distance < best) {
            best = distance;
            nearest = &p;
        }
    }
    if (!nearest) {
        return -1;
    }
    const int index = int(std::lround((nearest->x() - points.constFirst().x()) / step));
    return std::min(index, int(m_values.size()) - 1);
}

void NoxProfitGraph::hoverEnterEvent(QHoverEvent *event)
{
    setHoveredIndex(-1);
    QQuickItem::hoverEnterEvent(event);
}

void NoxProfitGraph::hoverMoveEvent(QHoverEvent *event)
{
    setHoveredIndex(indexAt(event->position()));
    QQuickItem::hoverMoveEvent(event);
}

void NoxProfitGraph::hoverLeaveEvent(QHoverEvent *event)
{
    setHoveredIndex(-1);
    QQuickItem::hoverLeaveEvent(event);
}

QSGNode *NoxProfitGraph::updatePaintNode(QSGNode *oldNode, UpdatePaintNodeData *)
{
    auto *node = static_cast<GraphNode *>(oldNode);
    if (!node) {
        node = new GraphNode;
    }
    const QList<QPointF> curve = smooth(valuePoints(), kSplineSteps);
    // The fill's indices are 16 bits: a curve longer than that is drawn as its line alone.
    const bool drawn = curve.size() >= 2;
    const bool fillable = drawn && curve.size() + 2 <= std::numeric_limits<uint16_t>::max();

    QSGGeometry *lineGeometry = node->line->geometry();
    lineGeometry->allocate(drawn ? int(curve.size()) : 0);
    lineGeometry->setLineWidth(float(m_lineWidth));
    QSGGeometry::Point2D *lineVertices = lineGeometry->vertexDataAsPoint2D();
    for (qsizetype i = 0; drawn && i < curve.size(); ++i) {
        lineVertices[i].set(float(curve.at(i).x()), float(curve.at(i).y()));
    }
    node->line->markDirty(QSGNode::DirtyGeometry);
    setNodeColor(node->line, m_color);

    QSGGeometry *fillGeometry = node->fill->geometry();
    if (fillable) {
        const float base = m_fillUp ? 0.0f : float(layoutHeight());
        std::vector<std::array<float, 2>> ring;
        ring.reserve(curve.size() + 2);
        for (const QPointF &p : curve) {
            ring.push_back({float(p.x()), float(p.y())});
        }
        ring.push_back({float(curve.constLast().x()), base});
        ring.push_back({float(curve.constFirst().x()), base});
        const std::vector<std::vector<std::array<float, 2>>> polygon{ring};
        const std::vector<uint16_t> indices = mapbox::earcut<uint16_t>(polygon);
        fillGeometry->allocate(int(ring.size()), int(indices.size()));
        fillGeometry->setIndexDataPattern(QSGGeometry::StaticPattern);
        QSGGeometry::Point2D *v = fillGeometry->vertexDataAsPoint2D();
        for (size_t i = 0; i < ring.size(); ++i) {
            v[i].set(ring[i][0], ring[i][1]);
        }
        std::copy(indices.cbegin(), indices.cend(), fillGeometry->indexDataAsUShort());
    } else {
        fillGeometry->allocate(0, 0);
    }
    node->fill->markDirty(QSGNode::DirtyGeometry);
    setNodeColor(node->fill, m_fillColor);
    return node;
}
