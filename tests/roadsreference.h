#pragma once

// The roads of a history computed from scratch, the plain way, for the tests to hold the
// incremental NoxRoads against. Nothing here is shared with roads/: the rules are written again
// from their wording, with strings, nested lists and a set of occupied cells.

#include <algorithm>
#include <array>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace RoadsReference {

struct Cell {
    int column = 0;
    int row = 0;
    friend bool operator==(const Cell &, const Cell &) = default;
};

/// A big-road entry: 'P' or 'B' and its ties.
struct Entry {
    char winner = 0;
    int ties = 0;
    friend bool operator==(const Entry &, const Entry &) = default;
};

struct Roads {
    std::string shoe; ///< the current shoe as T, P, B
    std::vector<std::vector<Entry>> columns;
    int leadingTies = 0; ///< ties before the first P or B
    std::vector<Cell> bigRoadGrid;
    std::array<std::string, 3> marks; ///< R and B, per road (k - 1)
    std::array<std::vector<Cell>, 3> grids;
    /// The mark each road would add after a B ([0]) and after a P ([1]), per road (k - 1).
    std::array<std::array<std::optional<char>, 3>, 2> ask;

    friend bool operator==(const Roads &, const Roads &) = default;
};

inline constexpr int kRows = 6;

/// Draws runs of cells: `runs[i]` cells in the i-th column, on six rows.
inline std::vector<Cell> draw(const std::vector<int> &runs)
{
    std::set<std::pair<int, int>> taken;
    const auto free = [&](int column, int row) {
        return taken.count({column, row}) == 0;
    };
    std::vector<Cell> cells;
    int start = -1;
    for (int length : runs) {
        // Row 0 of the first grid column right of the previous start that has row 0 free.
        int column = start + 1;
        while (!free(column, 0)) {
            ++column;
        }
        start = column;
        int row = 0;
        bool turned = false;
        for (int i = 0; i < length; ++i) {
            if (i > 0) {
                if (!turned && row + 1 < kRows && free(column, row + 1)) {
                    ++row;
                } else {
                    turned = true;
                    ++column;
                    while (!free(column, row)) {
                        ++column;
                    }
                }
            }
            taken.insert({column, row});
            cells.push_back({column, row});
        }
    }
    return cells;
}

/// Lengths of the runs of equal characters of `text`.
inline std::vector<int> runsOf(const std::string &text)
{
    std::vector<int> runs;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (i == 0 || text[i] != text[i - 1]) {
            runs.push_back(0);
        }
        ++runs.back();
    }
    return runs;
}

/// The marks of the road that looks k columns back over `columns`, entry by entry.
inline std::string marksOf(const std::vector<std::vector<Entry>> &columns, int k)
{
    // Heights by column number from 1.
    const auto height = [&](int n) {
        return int(columns[std::size_t(n - 1)].size());
    };
    const int count = int(columns.size());
    // The first entry: row 2 of column k+1, or row 1 of column k+2 when column k+1 has one entry.
    int firstColumn = 0;
    int firstRow = 0;
    if (count >= k + 1 && height(k + 1) >= 2) {
        firstColumn = k + 1;
        firstRow = 2;
    } else if (count >= k + 2) {
        firstColumn = k + 2;
        firstRow = 1;
    } else {
        return {};
    }
    std::string marks;
    for (int n = firstColumn; n <= count; ++n) {
        for (int m = (n == firstColumn ? firstRow : 1); m <= height(n); ++m) {
            bool red = false;
            if (m == 1) {
                red = height(n - 1) == height(n - 1 - k);
            } else {
                const int p = height(n - k);
                red = m <= p || m > p + 1;
            }
            marks += red ? 'R' : 'B';
        }
    }
    return marks;
}

/// The roads of one shoe written as T, P, B, without the ask marks.
inline Roads shoeRoads(const std::string &shoe)
{
    Roads roads;
    roads.shoe = shoe;
    int pendingTies = 0;
    std::string winners;
    for (char c : shoe) {
        if (c == 'T') {
            if (roads.columns.empty()) {
                ++pendingTies;
                ++roads.leadingTies;
            } else {
                ++roads.columns.back().back().ties;
            }
            continue;
        }
        if (roads.columns.empty() || roads.columns.back().back().winner != c) {
            roads.columns.emplace_back();
        }
        roads.columns.back().push_back({c, pendingTies});
        pendingTies = 0;
        winners += c;
    }
    roads.bigRoadGrid = draw(runsOf(winners));
    for (int k = 1; k <= 3; ++k) {
        roads.marks[std::size_t(k - 1)] = marksOf(roads.columns, k);
        roads.grids[std::size_t(k - 1)] = draw(runsOf(roads.marks[std::size_t(k - 1)]));
    }
    return roads;
}

/// The roads of the current shoe of a history: `results` as 0 TIE, 1 PLAYER, 2 BANKER and the
/// positions where shoes start (the current shoe starts at the largest).
inline Roads roadsOf(const std::vector<int> &results, const std::vector<long long> &shoeStarts)
{
    long long start = 0;
    for (long long s : shoeStarts) {
        start = std::max(start, s);
    }
    std::string shoe;
    for (std::size_t i = std::size_t(start); i < results.size(); ++i) {
        shoe += "TPB"[results[i]];
    }
    Roads roads = shoeRoads(shoe);
    // The ask marks: the roads of the shoe with one more coup, and what each road gained.
    const char next[2] = {'B', 'P'};
    for (std::size_t w = 0; w < 2; ++w) {
        const Roads after = shoeRoads(shoe + next[w]);
        for (std::size_t k = 0; k < 3; ++k) {
            if (after.marks[k].size() > roads.marks[k].size()) {
                roads.ask[w][k] = after.marks[k].back();
            }
        }
    }
    return roads;
}

} // namespace RoadsReference
