#include "noxroadview.h"

#include "roads/noxroads.h"
#include "uiroads.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <limits>

using Nox::NoxDerivedRoad;
using Nox::NoxRoads;

namespace {

NoxDerivedRoad::Kind derivedKind(NoxRoadView::Kind kind)
{
    switch (kind) {
    case NoxRoadView::SmallRoad:
        return NoxDerivedRoad::Kind::SmallRoad;
    case NoxRoadView::CockroachPig:
        return NoxDerivedRoad::Kind::CockroachPig;
    default:
        return NoxDerivedRoad::Kind::BigEyeBoy;
    }
}

/// A tie counted on a big-road cell with no result: the ties of a shoe of ties only.
constexpr int kNoResult = -1;

} // namespace

NoxRoadView::NoxRoadView(QQuickItem *parent)
    : QQuickPaintedItem(parent)
{
    setAntialiasing(true);
    setImplicitHeight(kRows * m_cellSize);
    m_blinkTimer.setInterval(kBlinkInterval);
    connect(&m_blinkTimer, &QTimer::timeout, this, [this] {
        m_blinkOn = !m_blinkOn;
        emit blinkOnChanged();
        update();
    });
}

void NoxRoadView::setRoads(UIRoads *roads)
{
    if (m_model == roads) {
        return;
    }
    if (m_model) {
        disconnect(m_model, nullptr, this, nullptr);
    }
    m_model = roads;
    if (m_model) {
        connect(m_model, &UIRoads::roadsChanged, this, &NoxRoadView::relayout);
        connect(m_model, &UIRoads::askChanged, this, &NoxRoadView::onAskChanged);
    }
    emit roadsChanged();
    onAskChanged();
}

void NoxRoadView::setKind(Kind kind)
{
    if (m_kind != kind) {
        m_kind = kind;
        emit kindChanged();
        relayout();
    }
}

void NoxRoadView::setCellSize(qreal size)
{
    size = std::max<qreal>(size, 1);
    if (!qFuzzyCompare(m_cellSize, size)) {
        m_cellSize = size;
        setImplicitHeight(kRows * m_cellSize);
        emit cellSizeChanged();
        relayout();
    }
}

#define NOX_ROADVIEW_COLOR(Setter, member)                                                                   \
    void NoxRoadView::Setter(const QColor &color)                                                            \
    {                                                                                                        \
        if (member != color) {                                                                               \
            member = color;                                                                                  \
            emit colorsChanged();                                                                            \
            update();                                                                                        \
        }                                                                                                    \
    }

NOX_ROADVIEW_COLOR(setBankerColor, m_bankerColor)
NOX_ROADVIEW_COLOR(setPlayerColor, m_playerColor)
NOX_ROADVIEW_COLOR(setTieColor, m_tieColor)
NOX_ROADVIEW_COLOR(setGridColor, m_gridColor)
NOX_ROADVIEW_COLOR(setTextColor, m_textColor)
NOX_ROADVIEW_COLOR(setNewestColor, m_newestColor)
#undef NOX_ROADVIEW_COLOR

void NoxRoadView::geometryChange(const QRectF &newGeometry, const QRectF &oldGeometry)
{
    QQuickPaintedItem::geometryChange(newGeometry, oldGeometry);
    if (newGeometry.size() != oldGeometry.size()) {
        relayout();
    }
}

template<typename Visit>
int NoxRoadView::forEachCell(const NoxRoads &roads, int addedFrom, Visit &&visit) const
{
    switch (m_kind) {
    case BeadPlate: {
        const QByteArrayView shoe = roads.shoe();
        for (qsizetype i = 0; i < shoe.size(); ++i) {
            visit(Cell{NoxRoads::beadCell(i), int(shoe[i]), 0, i >= addedFrom});
        }
        return int((shoe.size() + NoxRoads::kBeadRows - 1) / NoxRoads::kBeadRows);
    }
    case BigRoad: {
        const auto &entries = roads.bigRoadEntries();
        if (entries.empty()) {
            if (roads.leadingTies() == 0) {
                return 0;
            }
            visit(Cell{{0, 0}, kNoResult, roads.leadingTies(), false});
            return 1;
        }
        const auto &cells = roads.bigRoadGrid().cells();
        for (std::size_t i = 0; i < entries.size(); ++i) {
            visit(Cell{cells[i], entries[i].winner, entries[i].ties, int(i) >= addedFrom});
        }
        return roads.bigRoadGrid().width();
    }
    case BigEyeBoy:
    case SmallRoad:
    case CockroachPig: {
        const NoxDerivedRoad &road = roads.derivedRoad(derivedKind(m_kind));
        const auto &cells = road.grid().cells();
        for (std::size_t i = 0; i < cells.size(); ++i) {
            visit(Cell{cells[i], int(road.marks()[i]), 0, int(i) >= addedFrom});
        }
        return road.grid().width();
    }
    }
    return 0;
}

int NoxRoadView::countCells(const NoxRoads &roads) const
{
    switch (m_kind) {
    case BeadPlate:
        return int(roads.shoe().size());
    case BigRoad:
        return int(roads.bigRoadEntries().size());
    default:
        return int(roads.derivedRoad(derivedKind(m_kind)).marks().size());
    }
}

void NoxRoadView::onAskChanged()
{
    m_blinkOn = true;
    emit blinkOnChanged();
    relayout();
    if (m_highlightedCount > 0) {
        m_blinkTimer.start();
    } else {
        m_blinkTimer.stop();
    }
}

void NoxRoadView::relayout()
{
    static const NoxRoads empty;
    const NoxRoads &shown = m_model ? m_model->preview() : empty;
    const bool asking = m_model && m_model->askWinner() != UIRoads::NoWinner;
    const int addedFrom = asking ? countCells(m_model->roads()) : std::numeric_limits<int>::max();

    int cells = 0;
    const int roadWidth = forEachCell(shown, addedFrom, [&cells](const Cell &) { ++cells; });
    const int visible = std::max(0, int(std::floor(width() / m_cellSize)));
    const int first = std::max(0, roadWidth - visible);
    int drawn = 0;
    int highlighted = 0;
    forEachCell(shown, addedFrom, [&](const Cell &cell) {
        if (cell.at.column >= first && cell.at.column < first + visible) {
            ++drawn;
            highlighted += cell.added ? 1 : 0;
        }
    });
    const bool changed = roadWidth != m_roadWidth || first != m_firstColumn || visible != m_visibleColumns ||
                         cells != m_cellCount || drawn != m_drawnCellCount ||
                         highlighted != m_highlightedCount;
    m_roadWidth = roadWidth;
    m_firstColumn = first;
    m_visibleColumns = visible;
    m_cellCount = cells;
    m_drawnCellCount = drawn;
    m_highlightedCount = highlighted;
    if (changed) {
        emit layoutChanged();
    }
    update();
}

qreal NoxRoadView::gridLeft() const
{
    return std::round((width() - m_visibleColumns * m_cellSize) / 2);
}

QColor NoxRoadView::resultColor(int value) const
{
    return value == NoxRoads::kBanker   ? m_bankerColor
           : value == NoxRoads::kPlayer ? m_playerColor
                                        : m_tieColor;
}

QColor NoxRoadView::markColor(int mark) const
{
    return mark == int(Nox::NoxRoadMark::red) ? m_bankerColor : m_playerColor;
}

void NoxRoadView::paint(QPainter *painter)
{
    if (m_visibleColumns <= 0) {
        return;
    }
    const qreal c = m_cellSize;
    const qreal left = gridLeft();
    const qreal right = left + m_visibleColumns * c;
    const qreal bottom = kRows * c;

    // The grid: thin lines on pixel boundaries.
    painter->setRenderHint(QPainter::Antialiasing, false);
    painter->setPen(QPen(m_gridColor, 0));
    for (int column = 0; column <= m_visibleColumns; ++column) {
        const qreal x = std::min(left + column * c, right - 1);
        painter->drawLine(QPointF(x, 0), QPointF(x, bottom - 1));
    }
    for (int row = 0; row <= kRows; ++row) {
        const qreal y = std::min(row * c, bottom - 1);
        painter->drawLine(QPointF(left, y), QPointF(right - 1, y));
    }

    if (!m_model) {
        return;
    }
    painter->setRenderHint(QPainter::Antialiasing, true);
    const bool asking = m_model->askWinner() != UIRoads::NoWinner;
    const int baseCount = countCells(m_model->roads());
    const int addedFrom = asking ? baseCount : std::numeric_limits<int>::max();
    // The newest result is marked on the bead plate and the big road.
    const int newest = m_kind == BeadPlate || m_kind == BigRoad ? baseCount - 1 : -1;
    int index = 0;
    forEachCell(m_model->preview(), addedFrom, [&](const Cell &cell) {
        const int i = index++;
        if (cell.at.column < m_firstColumn || cell.at.column >= m_firstColumn + m_visibleColumns) {
            return;
        }
        const QRectF rect(left + (cell.at.column - m_firstColumn) * c, cell.at.row * c, c, c);
        if (i == newest && m_newestColor.alpha() > 0) {
            painter->setPen(Qt::NoPen);
            painter->setBrush(m_newestColor);
            painter->drawRect(rect.adjusted(1, 1, 0, 0));
        }
        painter->setOpacity(cell.added && !m_blinkOn ? 0.2 : 1.0);
        drawCell(painter, rect, cell);
        painter->setOpacity(1.0);
    });
}

void NoxRoadView::drawCell(QPainter *painter, const QRectF &rect, const Cell &cell) const
{
    const qreal c = rect.width();
    const auto inset = [&rect](qreal by) {
        return rect.adjusted(by, by, -by, -by);
    };
    const auto slash = [painter](const QRectF &box, const QColor &color, qreal width) {
        painter->setPen(QPen(color, width, Qt::SolidLine, Qt::RoundCap));
        painter->drawLine(box.bottomLeft(), box.topRight());
    };
    switch (m_kind) {
    case BeadPlate: {
        painter->setPen(Qt::NoPen);
        painter->setBrush(resultColor(cell.value));
        painter->drawEllipse(inset(std::max<qreal>(1, c * 0.08)));
        QFont font = painter->font();
        font.setPixelSize(std::max(1, int(c * 0.58)));
        font.setBold(true);
        painter->setFont(font);
        painter->setPen(m_textColor);
        const QString letter = cell.value == NoxRoads::kBanker   ? QStringLiteral("B")
                               : cell.value == NoxRoads::kPlayer ? QStringLiteral("P")
                                                                 : QStringLiteral("T");
        painter->drawText(rect, Qt::AlignCenter, letter);
        break;
    }
    case BigRoad: {
        const QRectF ring = inset(std::max<qreal>(1.5, c * 0.14));
        if (cell.value != kNoResult) {
            painter->setPen(QPen(resultColor(cell.value), std::max<qreal>(1.5, c * 0.14)));
            painter->setBrush(Qt::NoBrush);
            painter->drawEllipse(ring);
        }
        if (cell.ties > 0) {
            slash(ring, m_tieColor, std::max<qreal>(1.5, c * 0.12));
            if (cell.ties > 1 && c >= kTieCountCell) {
                QFont font = painter->font();
                font.setPixelSize(std::max(1, int(c * 0.6)));
                font.setBold(true);
                painter->setFont(font);
                painter->setPen(m_textColor);
                painter->drawText(rect, Qt::AlignCenter, QString::number(cell.ties));
            }
        }
        break;
    }
    case BigEyeBoy:
        painter->setPen(QPen(markColor(cell.value), std::max<qreal>(1.2, c * 0.16)));
        painter->setBrush(Qt::NoBrush);
        painter->drawEllipse(inset(std::max<qreal>(1.2, c * 0.16)));
        break;
    case SmallRoad:
        painter->setPen(Qt::NoPen);
        painter->setBrush(markColor(cell.value));
        painter->drawEllipse(inset(std::max<qreal>(1, c * 0.14)));
        break;
    case CockroachPig:
        slash(inset(std::max<qreal>(1.5, c * 0.18)), markColor(cell.value), std::max<qreal>(1.2, c * 0.16));
        break;
    }
}
