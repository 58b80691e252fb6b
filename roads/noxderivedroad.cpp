#include "noxderivedroad.h"

#include <stdexcept>

namespace Nox {

NoxDerivedRoad::NoxDerivedRoad(Kind kind)
    : m_kind(kind)
{}

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
