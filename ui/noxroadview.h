#pragma once

#include "roads/noxroadcell.h"

#include <QColor>
#include <QPointer>
#include <QQuickPaintedItem>
#include <QTimer>
#include <QtQml/qqmlregistration.h>

class UIRoads;
namespace Nox {
class NoxRoads;
}

/// One road of the current shoe drawn as on a casino's scoreboard, on six rows of square cells
/// of cellSize: the bead plate (one filled disc per coup with its letter, a tie green), the big
/// road (hollow rings, a tie a green slash over the ring it is counted on, with the count when
/// there are several and the cells are large enough to read it), the big eye boy (hollow
/// circles), the small road (filled dots) and the cockroach pig (slashes), BANKER and repeat
/// marks red, PLAYER and break marks blue.
///
/// Whole columns only: visibleColumns = width / cellSize, the grid centred in the width. A road
/// wider than that is scrolled so that its last column ends at the right of the grid; the first
/// column drawn is firstColumn. While the model shows an ask, the view draws the model's preview
/// and the cells the ask added blink.
///
/// Thread rules: a Qt Quick item, GUI thread only; paint() runs there too (QQuickPaintedItem's
/// image render target).
class NoxRoadView : public QQuickPaintedItem
{
    Q_OBJECT
    QML_ELEMENT
    Q_MOC_INCLUDE("uiroads.h")
    Q_PROPERTY(UIRoads *roads READ roads WRITE setRoads NOTIFY roadsChanged)
    Q_PROPERTY(Kind kind READ kind WRITE setKind NOTIFY kindChanged)
    Q_PROPERTY(qreal cellSize READ cellSize WRITE setCellSize NOTIFY cellSizeChanged)
    Q_PROPERTY(QColor bankerColor READ bankerColor WRITE setBankerColor NOTIFY colorsChanged)
    Q_PROPERTY(QColor playerColor READ playerColor WRITE setPlayerColor NOTIFY colorsChanged)
    Q_PROPERTY(QColor tieColor READ tieColor WRITE setTieColor NOTIFY colorsChanged)
    Q_PROPERTY(QColor gridColor READ gridColor WRITE setGridColor NOTIFY colorsChanged)
    Q_PROPERTY(QColor textColor READ textColor WRITE setTextColor NOTIFY colorsChanged)
    Q_PROPERTY(QColor newestColor READ newestColor WRITE setNewestColor NOTIFY colorsChanged)
    /// What is drawn, for the tests and the screens' captions.
    Q_PROPERTY(int roadWidth READ roadWidth NOTIFY layoutChanged)
    Q_PROPERTY(int firstColumn READ firstColumn NOTIFY layoutChanged)
    Q_PROPERTY(int visibleColumns READ visibleColumns NOTIFY layoutChanged)
    Q_PROPERTY(int cellCount READ cellCount NOTIFY layoutChanged)
    Q_PROPERTY(int drawnCellCount READ drawnCellCount NOTIFY layoutChanged)
    Q_PROPERTY(int highlightedCount READ highlightedCount NOTIFY layoutChanged)
    Q_PROPERTY(bool blinkOn READ blinkOn NOTIFY blinkOnChanged)

public:
    enum Kind { BeadPlate, BigRoad, BigEyeBoy, SmallRoad, CockroachPig };
    Q_ENUM(Kind)

    static constexpr int kRows = 6;
    /// Half a period of the blinking of the cells an ask adds.
    static constexpr int kBlinkInterval = 400;
    /// The smallest cell that can hold a readable tie count (11 px text).
    static constexpr qreal kTieCountCell = 14;

    explicit NoxRoadView(QQuickItem *parent = nullptr);

    [[nodiscard]] UIRoads *roads() const { return m_model; }
    void setRoads(UIRoads *roads);
    [[nodiscard]] Kind kind() const { return m_kind; }
    void setKind(Kind kind);
    [[nodiscard]] qreal cellSize() const { return m_cellSize; }
    void setCellSize(qreal size);
    [[nodiscard]] QColor bankerColor() const { return m_bankerColor; }
    void setBankerColor(const QColor &color);
    [[nodiscard]] QColor playerColor() const { return m_playerColor; }
    void setPlayerColor(const QColor &color);
    [[nodiscard]] QColor tieColor() const { return m_tieColor; }
    void setTieColor(const QColor &color);
    [[nodiscard]] QColor gridColor() const { return m_gridColor; }
    void setGridColor(const QColor &color);
    [[nodiscard]] QColor textColor() const { return m_textColor; }
    void setTextColor(const QColor &color);
    [[nodiscard]] QColor newestColor() const { return m_newestColor; }
    void setNewestColor(const QColor &color);

    /// Grid columns the road takes (the preview's while an ask is shown).
    [[nodiscard]] int roadWidth() const { return m_roadWidth; }
    [[nodiscard]] int firstColumn() const { return m_firstColumn; }
    [[nodiscard]] int visibleColumns() const { return m_visibleColumns; }
    /// Cells of the road (the preview's while an ask is shown), and those in the visible columns.
    [[nodiscard]] int cellCount() const { return m_cellCount; }
    [[nodiscard]] int drawnCellCount() const { return m_drawnCellCount; }
    /// The visible cells the ask added.
    [[nodiscard]] int highlightedCount() const { return m_highlightedCount; }
    /// False during the half period in which the ask's cells are dimmed.
    [[nodiscard]] bool blinkOn() const { return m_blinkOn; }

    void paint(QPainter *painter) override;

signals:
    void roadsChanged();
    void kindChanged();
    void cellSizeChanged();
    void colorsChanged();
    void layoutChanged();
    void blinkOnChanged();

protected:
    void geometryChange(const QRectF &newGeometry, const QRectF &oldGeometry) override;

private:
    /// One cell to draw: where, what (a result value, or a mark for the derived roads), the ties
    /// counted on it, and whether the ask added it.
    struct Cell {
        Nox::NoxRoadCell at;
        int value = 0;
        int ties = 0;
        bool added = false;
    };

    /// The road of `kind` in `roads`: calls `visit(Cell)` for every cell in drawing order and
    /// returns the road's width in grid columns. Cells from index `addedFrom` on are marked added.
    template<typename Visit>
    int forEachCell(const Nox::NoxRoads &roads, int addedFrom, Visit &&visit) const;
    /// The number of cells of the road of `kind` in `roads`.
    [[nodiscard]] int countCells(const Nox::NoxRoads &roads) const;
    /// Computes what is drawn and schedules a repaint.
    void relayout();
    void onAskChanged();
    void drawCell(QPainter *painter, const QRectF &rect, const Cell &cell) const;
    [[nodiscard]] QColor resultColor(int value) const;
    [[nodiscard]] QColor markColor(int mark) const;
    [[nodiscard]] qreal gridLeft() const;

    QPointer<UIRoads> m_model;
    Kind m_kind = BigRoad;
    qreal m_cellSize = 12;
    QColor m_bankerColor = Qt::red;
    QColor m_playerColor = Qt::blue;
    QColor m_tieColor = Qt::green;
    QColor m_gridColor = Qt::gray;
    QColor m_textColor = Qt::white;
    QColor m_newestColor = Qt::transparent;
    int m_roadWidth = 0;
    int m_firstColumn = 0;
    int m_visibleColumns = 0;
    int m_cellCount = 0;
    int m_drawnCellCount = 0;
    int m_highlightedCount = 0;
    bool m_blinkOn = true;
    QTimer m_blinkTimer;
};
