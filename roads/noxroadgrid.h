#pragma once

#include "roads/noxroadcell.h"

#include <QtGlobal>

#include <vector>

namespace Nox {

/// Draws the columns of a road on a grid of six rows, cell by cell, as they are appended.
///
/// The rule: a column starts on row 0 of the first grid column right of where the previous
/// column started whose row 0 is free (grid column 0 for the first column). It goes down while
/// the cell below exists and is free; once blocked it turns right and stays on that row, at the
/// next free cell of the row, for the rest of the column (the "dragon tail"). The grid is
/// unbounded to the right.
///
/// Where a cell lands depends only on the cells before it, so removing the last cell restores
/// the grid exactly as it was before that cell was appended: append and removeLast are both
/// O(1) apart from the search for a free cell along a row (as long as the tail that is skipped).
///
/// Thread rules: a value type with no shared state; an instance belongs to one thread at a time,
/// and a copy may be handed to another thread.
class NoxRoadGrid
{
public:
    static constexpr int kRows = 6;

    /// Places the next cell, in a new column when `newColumn` (always for the first cell), and
    /// returns where it landed.
    NoxRoadCell append(bool newColumn);
    /// Removes the last cell (and its column when it was the column's only cell); the grid must
    /// not be empty.
    void removeLast();
    void clear();

    /// The cells in the order they were appended.
    [[nodiscard]] const std::vector<NoxRoadCell> &cells() const { return m_cells; }
    [[nodiscard]] bool isEmpty() const { return m_cells.empty(); }
    /// Grid columns in use: one past the rightmost occupied grid column.
    [[nodiscard]] int width() const { return int(m_occupied.size()); }
    /// Columns drawn (runs of cells started with newColumn).
    [[nodiscard]] int columnCount() const { return int(m_columns.size()); }
    [[nodiscard]] bool isOccupied(int column, int row) const
    {
        return column >= 0 && column < width() && row >= 0 && row < kRows &&
               ((m_occupied[std::size_t(column)] >> row) & 1U);
    }

private:
    struct Column {
        int start;     // grid column of its first cell, on row 0
        int firstCell; // index of its first cell in m_cells
    };

    /// The first grid column after `after` whose `row` is free.
    [[nodiscard]] int nextFree(int after, int row) const
    {
        int column = after + 1;
        while (isOccupied(column, row)) {
            ++column;
        }
        return column;
    }

    std::vector<NoxRoadCell> m_cells;
    std::vector<Column> m_columns;
    // One byte per grid column, bit r set when row r is occupied; no trailing empty column.
    std::vector<quint8> m_occupied;
};

} // namespace Nox
