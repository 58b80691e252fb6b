#pragma once

#include "roads/noxbigroadentry.h"
#include "roads/noxderivedroad.h"
#include "roads/noxroadcell.h"
#include "roads/noxroadgrid.h"
#include "roads/noxroadmark.h"

#include <QByteArray>
#include <QList>

#include <array>
#include <optional>
#include <span>
#include <vector>

namespace Nox {

/// The scoreboard of the current shoe, kept up to date coup by coup: the bead plate, the big
/// road (logical columns and their drawing on six rows), the three derived roads and the marks
/// they would add after a BANKER or a PLAYER.
///
/// The roads are per shoe. The bead plate has one cell per coup, ties included, six rows filled
/// top to bottom, then the next column. The big road has the PLAYER and BANKER results only, a
/// new column at every change of winner; a tie takes no cell and breaks no column: it is
/// counted on the previous entry, and ties before the first entry of the shoe on that first
/// entry. A shoe of ties only has an empty big road and keeps its tie count.
///
/// The whole history is kept (one byte per result, and where each shoe starts) so that an undo
/// can go back into the previous shoe and so that the engine can hand over its history after a
/// truncation or a restart. Only the current shoe's roads are kept.
///
/// Costs: append is O(1) (one entry, at most one mark per derived road, one cell per drawing,
/// placed in the grid in place). pop is the exact inverse of append and needs no undo record:
/// whether the entry removed had added a mark follows from its row and column. A pop into the
/// previous shoe (after newShoe()) computes that shoe again, once. rebuild computes the last
/// shoe of the history only.
///
/// Result values are those of the table: 0 TIE, 1 PLAYER, 2 BANKER. A value outside them, or a
/// shoe start outside the history, is a programming error (std::invalid_argument).
///
/// Thread rules: a value type with no shared state. The engine updates its instance on its own
/// thread; a view gets a copy (a snapshot) through a queued signal, never the engine's instance.
class NoxRoads
{
public:
    static constexpr int kTie = 0;
    static constexpr int kPlayer = 1;
    static constexpr int kBanker = 2;
    static constexpr int kBeadRows = 6;

    NoxRoads();

    /// Adds a result to the current shoe.
    void append(int result);
    /// Removes the last result of the history; false when there is none. A shoe start after
    /// the new end goes with it, one at the new end stays: undoing the first coup of a shoe
    /// leaves the new shoe empty, undoing once more goes back into the previous shoe.
    bool pop();
    /// Starts a new shoe at the end of the history; false (and nothing changes) when the
    /// current shoe is still empty.
    bool newShoe();
    /// Forgets the whole history.
    void clear();
    /// Replaces the history: `results`, and `shoeStarts` the positions (0 to results.size(), in
    /// any order, repeats allowed) where a shoe starts. Computes the last shoe's roads.
    void rebuild(const QList<int> &results, const QList<qsizetype> &shoeStarts);

    /// The shoe starts of what is left when the first `cut` results of a history are cut off:
    /// a start at or before the cut goes with it, the others move back by `cut`.
    [[nodiscard]] static QList<qsizetype> startsAfterCut(const QList<qsizetype> &shoeStarts, qsizetype cut);

    /// The whole history, one value per byte, and where each shoe after the first starts
    /// (increasing, each in 1 to results().size()).
    [[nodiscard]] const QByteArray &results() const { return m_results; }
    [[nodiscard]] const QList<qsizetype> &shoeStarts() const { return m_shoeStarts; }

    /// The current shoe's results in the order of the bead plate.
    [[nodiscard]] QByteArrayView shoe() const { return QByteArrayView(m_results).sliced(m_shoeStart); }
    /// The bead plate's cell of the shoe's index-th coup (from 0).
    [[nodiscard]] static NoxRoadCell beadCell(qsizetype index)
    {
        return {int(index / kBeadRows), int(index % kBeadRows)};
    }

    /// The big road's entries, column after column.
    [[nodiscard]] const std::vector<NoxBigRoadEntry> &bigRoadEntries() const { return m_entries; }
    [[nodiscard]] int bigRoadColumnCount() const { return int(m_heights.size()); }
    /// The heights of the logical columns.
    [[nodiscard]] const std::vector<int> &bigRoadHeights() const { return m_heights; }
    /// The entries of logical column `column` (from 0).
    [[nodiscard]] std::span<const NoxBigRoadEntry> bigRoadColumn(int column) const;
    /// The big road drawn on six rows: one cell per entry, in the order of bigRoadEntries().
    [[nodiscard]] const NoxRoadGrid &bigRoadGrid() const { return m_bigRoadGrid; }
    /// The ties before the first PLAYER or BANKER of the shoe: the tie count of a shoe of ties
    /// only (once an entry exists they are also counted on it).
    [[nodiscard]] int leadingTies() const { return m_leadingTies; }

    [[nodiscard]] const NoxDerivedRoad &derivedRoad(NoxDerivedRoad::Kind kind) const
    {
        return m_derived[std::size_t(int(kind) - 1)];
    }
    /// The mark `kind` would add if the next coup were `winner` (PLAYER or BANKER); none when
    /// that road would not have started yet.
    [[nodiscard]] std::optional<NoxRoadMark> ask(int winner, NoxDerivedRoad::Kind kind) const;

private:
    void add(int result);
    /// Takes back add(result) of the current shoe's last result.
    void remove(int result);
    void resetShoe();
    /// Computes the current shoe from its results in the history.
    void replayShoe();

    QByteArray m_results;
    QList<qsizetype> m_shoeStarts;
    qsizetype m_shoeStart = 0;

    std::vector<NoxBigRoadEntry> m_entries;
    std::vector<int> m_heights;
    std::vector<int> m_columnFirst; // index in m_entries of each column's first entry
    int m_leadingTies = 0;
    NoxRoadGrid m_bigRoadGrid;
    std::array<NoxDerivedRoad, 3> m_derived;
};

} // namespace Nox
