#include "noxroadgrid.h"

#include <stdexcept>

namespace Nox {

NoxRoadCell NoxRoadGrid::append(bool newColumn)
{
    NoxRoadCell cell;
    if (newColumn || m_columns.empty()) {
        cell.column = m_columns.empty() ? 0 : nextFree(m_columns.back().start, 0);
        cell.row = 0;
        m_columns.push_back({cell.column, int(m_cells.size())});
    } else {
        const NoxRoadCell last = m_cells.back();
        const bool goingDown = last.column == m_columns.back().start;
        if (goingDown && last.row + 1 < kRows && !isOccupied(last.column, last.row + 1)) {
            cell = {last.column, last.row + 1};
        } else {
            cell = {nextFree(last.column, last.row), last.row};
        }
    }
    while (cell.column >= width()) {
        m_occupied.push_back(0); // one grid column at a time: no fill-insert of a range
    }
    m_occupied[std::size_t(cell.column)] |= quint8(1U << cell.row);
    m_cells.push_back(cell);
    return cell;
}

void NoxRoadGrid::removeLast()
{
    if (m_cells.empty()) {
        throw std::logic_error("NoxRoadGrid::removeLast on an empty grid");
    }
    const NoxRoadCell cell = m_cells.back();
    m_cells.pop_back();
    m_occupied[std::size_t(cell.column)] &= quint8(~(1U << cell.row));
    while (!m_occupied.empty() && m_occupied.back() == 0) {
        m_occupied.pop_back();
    }
    if (m_columns.back().firstCell == int(m_cells.size())) {
        m_columns.pop_back();
    }
}

void NoxRoadGrid::clear()
{
    m_cells.clear();
    m_columns.clear();
    m_occupied.clear();
}

} // namespace Nox
