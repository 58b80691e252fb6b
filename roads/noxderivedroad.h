#pragma once

#include "roads/noxroadgrid.h"
#include "roads/noxroadmark.h"

#include <optional>
#include <span>
#include <vector>

namespace Nox {

/// One derived road of a shoe: its marks and their drawing.
///
/// A derived road looks k columns back in the big road's logical columns (whose heights are
/// unbounded, whatever the drawing does): k = 1 for the big eye boy, 2 for the small road, 3 for
/// the cockroach pig. Every big-road entry from the road's first one on adds one mark. The first
/// is the entry at row 2 of column k+1, or the entry at row 1 of column k+2 when column k+1 has
/// one entry only; so an entry at row m of column n (both from 1) adds a mark when n >= k+2, or
/// when n = k+1 and m >= 2. The mark: on row 1, red when columns n-1 and n-1-k have the same
/// height; on row m >= 2, with p the height of column n-k, red when m <= p, blue when m = p+1,
/// red when m > p+1.
///
/// The marks are drawn as the big road is: cut into a new column at every change of colour.
///
/// Thread rules: a value type with no shared state; an instance belongs to one thread at a time,
/// and a copy may be handed to another thread.
class NoxDerivedRoad
{
public:
    /// The roads, by how many columns they look back.
    enum class Kind { BigEyeBoy = 1, SmallRoad = 2, CockroachPig = 3 };

    explicit NoxDerivedRoad(Kind kind);

    /// Whether the big-road entry at `row` of `column` (both from 1) adds a mark to the road
    /// that looks `offset` columns back.
    [[nodiscard]] static bool addsMark(int offset, int column, int row)
    {
        return column >= offset + 2 || (column == offset + 1 && row >= 2);
    }
    /// The mark that entry adds, or none before the road's first entry. `earlierHeights` are the
    /// heights of the columns before `column` (columns 1 to column-1).
    [[nodiscard]] static std::optional<NoxRoadMark> markFor(int offset, std::span<const int> earlierHeights,
                                                            int column, int row)
    {
        if (!addsMark(offset, column, row) || int(earlierHeights.size()) < column - 1) {
            return std::nullopt;
        }
        // Column c (from 1) has the height earlierHeights[c - 1].
        const auto height = [&](int c) {
            return earlierHeights[std::size_t(c - 1)];
        };
        if (row == 1) {
            return height(column - 1) == height(column - 1 - offset) ? NoxRoadMark::red : NoxRoadMark::blue;
        }
        const int p = height(column - offset);
        return row == p + 1 ? NoxRoadMark::blue : NoxRoadMark::red;
    }

    void append(NoxRoadMark mark)
    {
        m_grid.append(m_marks.empty() || m_marks.back() != mark);
        m_marks.push_back(mark);
    }
    /// Removes the last mark; the road must not be empty.
    void removeLast();
    void clear();

    [[nodiscard]] Kind kind() const { return m_kind; }
    [[nodiscard]] int offset() const { return int(m_kind); }
    [[nodiscard]] const std::vector<NoxRoadMark> &marks() const { return m_marks; }
    /// The drawn marks, one cell per mark in the order of marks().
    [[nodiscard]] const NoxRoadGrid &grid() const { return m_grid; }

private:
    Kind m_kind;
    std::vector<NoxRoadMark> m_marks;
    NoxRoadGrid m_grid;
};

} // namespace Nox
