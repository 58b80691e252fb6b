#include "noxderivedroad.h"

#include <stdexcept>

namespace Nox {

NoxDerivedRoad::NoxDerivedRoad(Kind kind)
    : m_kind(kind)
{}

bool NoxDerivedRoad::addsMark(int offset, int column, int row)
{
    return column >= offset + 2 || (column == offset + 1 && row >= 2);
}

std::optional<NoxRoadMark> NoxDerivedRoad::markFor(int offset, std::span<const int> earlierHeights,
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

void NoxDerivedRoad::append(NoxRoadMark mark)
{
    m_grid.append(m_marks.empty() || m_marks.back() != mark);
    m_marks.push_back(mark);
}

void NoxDerivedRoad::removeLast()
{
    if (m_marks.empty()) {
        throw std::logic_error("NoxDerivedRoad::removeLast on an empty road");
    }
    m_marks.pop_back();
    m_grid.removeLast();
}

void NoxDerivedRoad::clear()
{
    m_marks.clear();
    m_grid.clear();
}

} // namespace Nox
