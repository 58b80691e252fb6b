#pragma once

#include <QColor>
#include <QList>
#include <QPointF>
#include <QQuickItem>
#include <QtQml/qqmlregistration.h>

#include <optional>

/// A value series drawn on the scene graph as a line with the area between it and the top or
/// bottom edge filled. The fill polygon is triangulated with earcut; the line is smoothed by a
/// Catmull-Rom spline through the points when there are more than two. Nothing is drawn with
/// fewer than two values or when valueMin equals valueMax.
///
/// Layout: the vertical scale always includes [valueMin, valueMax] with a margin of 5 pixels'
/// worth of values above and below; the horizontal step is the width over the x range, at most
/// 10 pixels. `align` with Qt.AlignRight puts the end of the x range at the right edge.
class NoxProfitGraph : public QQuickItem
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(QColor color READ color WRITE setColor NOTIFY colorChanged)
    Q_PROPERTY(QList<int> values READ values WRITE setValues NOTIFY valuesChanged)
    Q_PROPERTY(int valueMin READ valueMin WRITE setValueMin NOTIFY valueMinChanged)
    Q_PROPERTY(int valueMax READ valueMax WRITE setValueMax NOTIFY valueMaxChanged)
    Q_PROPERTY(QColor fillColor READ fillColor WRITE setFillColor NOTIFY fillColorChanged)
    Q_PROPERTY(int margin READ margin WRITE setMargin NOTIFY marginChanged)
    Q_PROPERTY(int hoveredIndex READ hoveredIndex WRITE setHoveredIndex NOTIFY hoveredIndexChanged)
    Q_PROPERTY(int xMin READ xMin WRITE setXMin RESET resetXMin NOTIFY xMinChanged)
    Q_PROPERTY(int xMax READ xMax WRITE setXMax RESET resetXMax NOTIFY xMaxChanged)
    Q_PROPERTY(QList<int> xValues READ xValues WRITE setXValues NOTIFY xValuesChanged)
    Q_PROPERTY(int xStart READ xStart WRITE setXStart NOTIFY xStartChanged)
    Q_PROPERTY(int lineWidth READ lineWidth WRITE setLineWidth NOTIFY lineWidthChanged)
    Q_PROPERTY(int align READ align WRITE setAlign NOTIFY alignChanged)
    Q_PROPERTY(bool fillUp READ fillUp WRITE setFillUp NOTIFY fillUpChanged)

public:
    static constexpr double kMaxStep = 10.0;
    static constexpr double kHoverReach = 10.0;
    static constexpr int kSplineSteps = 6;

    explicit NoxProfitGraph(QQuickItem *parent = nullptr);

    [[nodiscard]] QColor color() const { return m_color; }
    void setColor(const QColor &color);
    [[nodiscard]] QList<int> values() const { return m_values; }
    void setValues(const QList<int> &values);
    [[nodiscard]] int valueMin() const { return m_valueMin; }
    void setValueMin(int value);
    [[nodiscard]] int valueMax() const { return m_valueMax; }
    void setValueMax(int value);
    [[nodiscard]] QColor fillColor() const { return m_fillColor; }
    void setFillColor(const QColor &color);
    [[nodiscard]] int margin() const { return m_margin; }
    void setMargin(int margin);
    [[nodiscard]] int hoveredIndex() const { return m_hoveredIndex; }
    void setHoveredIndex(int index);
    [[nodiscard]] int xMin() const { return m_xMin.value_or(0); }
    void setXMin(int x);
    void resetXMin();
    [[nodiscard]] int xMax() const { return m_xMax.value_or(int(m_values.size()) - 1); }
    void setXMax(int x);
    void resetXMax();
    [[nodiscard]] QList<int> xValues() const { return m_xValues; }
    void setXValues(const QList<int> &xValues);
    [[nodiscard]] int xStart() const { return m_xStart; }
    void setXStart(int x);
    [[nodiscard]] int lineWidth() const { return m_lineWidth; }
    void setLineWidth(int width);
    [[nodiscard]] int align() const { return m_align; }
    void setAlign(int align);
    [[nodiscard]] bool fillUp() const { return m_fillUp; }
    void setFillUp(bool up);

    /// The points of the values in item coordinates (empty when nothing is drawn), and the
    /// horizontal step between two x indices.
    [[nodiscard]] QList<QPointF> valuePoints(double *step = nullptr) const;
    /// The drawn line: the value points, smoothed when there are more than two.
    [[nodiscard]] static QList<QPointF> smooth(const QList<QPointF> &points, int steps);
    /// The index under a position, as hovering sets it (-1: none).
    [[nodiscard]] int indexAt(const QPointF &position) const;

public slots:
    void appendValue(int value);

signals:
    void colorChanged();
    void valuesChanged();
    void valueMinChanged();
    void valueMaxChanged();
    void fillColorChanged();
    void marginChanged();
    void hoveredIndexChanged();
    void xMinChanged();
    void xMaxChanged();
    void xValuesChanged();
    void xStartChanged();
    void lineWidthChanged();
    void alignChanged();
    void fillUpChanged();

protected:
    QSGNode *updatePaintNode(QSGNode *oldNode, UpdatePaintNodeData *data) override;
    void hoverEnterEvent(QHoverEvent *event) override;
    void hoverMoveEvent(QHoverEvent *event) override;
    void hoverLeaveEvent(QHoverEvent *event) override;

private:
    [[nodiscard]] double layoutWidth() const;
    [[nodiscard]] double layoutHeight() const;

    QColor m_color = Qt::transparent;
    QList<int> m_values;
    int m_valueMin = 0;
    int m_valueMax = 0;
    QColor m_fillColor = Qt::transparent;
    int m_margin = 0;
    int m_hoveredIndex = -1;
    std::optional<int> m_xMin;
    std::optional<int> m_xMax;
    QList<int> m_xValues;
    int m_xStart = 0;
    int m_lineWidth = 1;
    int m_align = 0;
    bool m_fillUp = false;
};
