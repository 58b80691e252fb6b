#include "noxroads.h"

#include <algorithm>
#include <stdexcept>

namespace Nox {

namespace {

void checkResult(int result)
{
    if (result != NoxRoads::kTie && result != NoxRoads::kPlayer && result != NoxRoads::kBanker) {
        throw std::invalid_argument("NoxRoads: a result is 0 (TIE), 1 (PLAYER) or 2 (BANKER)");
    }
}

} // namespace

NoxRoads::NoxRoads()
    : m_derived{NoxDerivedRoad(NoxDerivedRoad::Kind::BigEyeBoy),
                NoxDerivedRoad(NoxDerivedRoad::Kind::SmallRoad),
                NoxDerivedRoad(NoxDerivedRoad::Kind::CockroachPig)}
{}

std::span<const NoxBigRoadEntry> NoxRoads::bigRoadColumn(int column) const
{
    return std::span<const NoxBigRoadEntry>(m_entries).subspan(
        std::size_t(m_columnFirst.at(std::size_t(column))), std::size_t(m_heights[std::size_t(column)]));
}

void NoxRoads::add(int result)
{
    if (result == kTie) {
        if (m_entries.empty()) {
            ++m_leadingTies;
        } else {
            ++m_entries.back().ties;
        }
        return;
    }
    const bool newColumn = m_entries.empty() || m_entries.back().winner != result;
    if (newColumn) {
        m_heights.push_back(0);
        m_columnFirst.push_back(int(m_entries.size()));
    }
    m_entries.push_back({quint8(result), m_entries.empty() ? m_leadingTies : 0});
    ++m_heights.back();
    m_bigRoadGrid.append(newColumn);

    const int column = int(m_heights.size());
    const int row = m_heights.back();
    const auto earlier = std::span<const int>(m_heights).first(std::size_t(column - 1));
    for (NoxDerivedRoad &road : m_derived) {
        if (const auto mark = NoxDerivedRoad::markFor(road.offset(), earlier, column, row)) {
            road.append(*mark);
        }
    }
}

void NoxRoads::remove(int result)
{
    if (result == kTie) {
        if (m_entries.empty()) {
            --m_leadingTies;
        } else {
            --m_entries.back().ties;
        }
        return;
    }
    const int column = int(m_heights.size());
    const int row = m_heights.back();
    for (NoxDerivedRoad &road : m_derived) {
        if (NoxDerivedRoad::addsMark(road.offset(), column, row)) {
            road.removeLast();
        }
    }
    m_bigRoadGrid.removeLast();
    m_entries.pop_back();
    if (--m_heights.back() == 0) {
        m_heights.pop_back();
        m_columnFirst.pop_back();
    }
}

void NoxRoads::append(int result)
{
    checkResult(result);
    m_results.append(char(result));
    add(result);
}

bool NoxRoads::pop()
{
    if (m_results.isEmpty()) {
        return false;
    }
    if (m_shoeStart == m_results.size()) {
        // The current shoe is empty: the result removed is the previous shoe's last, and that
        // shoe becomes the current one again.
        m_results.chop(1);
        while (!m_shoeStarts.isEmpty() && m_shoeStarts.last() > m_results.size()) {
            m_shoeStarts.removeLast();
        }
        m_shoeStart = m_shoeStarts.isEmpty() ? 0 : m_shoeStarts.last();
        replayShoe();
        return true;
    }
    const int result = m_results.back();
    m_results.chop(1);
    remove(result);
    return true;
}

bool NoxRoads::newShoe()
{
    if (m_shoeStart == m_results.size()) {
        return false;
    }
    m_shoeStart = m_results.size();
    m_shoeStarts.append(m_shoeStart);
    resetShoe();
    return true;
}

void NoxRoads::clear()
{
    m_results.clear();
    m_shoeStarts.clear();
    m_shoeStart = 0;
    resetShoe();
}

void NoxRoads::rebuild(const QList<int> &results, const QList<qsizetype> &shoeStarts)
{
    QByteArray values(results.size(), Qt::Uninitialized);
    char *out = values.data();
    for (int v : results) {
        checkResult(v);
        *out++ = char(v);
    }
    QList<qsizetype> starts;
    starts.reserve(shoeStarts.size());
    for (qsizetype start : shoeStarts) {
        if (start < 0 || start > results.size()) {
            throw std::invalid_argument("NoxRoads::rebuild: a shoe starts outside the history");
        }
        if (start > 0) {
            starts.append(start);
        }
    }
    std::sort(starts.begin(), starts.end());
    starts.erase(std::unique(starts.begin(), starts.end()), starts.end());

    m_results = values;
    m_shoeStarts = starts;
    m_shoeStart = starts.isEmpty() ? 0 : starts.last();
    replayShoe();
}

void NoxRoads::resetShoe()
{
    m_entries.clear();
    m_heights.clear();
    m_columnFirst.clear();
    m_leadingTies = 0;
    m_bigRoadGrid.clear();
    for (NoxDerivedRoad &road : m_derived) {
        road.clear();
    }
}

void NoxRoads::replayShoe()
{
    resetShoe();
    m_entries.reserve(std::size_t(shoe().size()));
    for (char result : shoe()) {
        add(result);
    }
}

std::optional<NoxRoadMark> NoxRoads::ask(int winner, NoxDerivedRoad::Kind kind) const
{
    if (winner != kPlayer && winner != kBanker) {
        throw std::invalid_argument("NoxRoads::ask: the next coup is 1 (PLAYER) or 2 (BANKER)");
    }
    const auto heights = std::span<const int>(m_heights);
    const int offset = int(kind);
    if (m_entries.empty() || m_entries.back().winner != winner) {
        return NoxDerivedRoad::markFor(offset, heights, int(heights.size()) + 1, 1);
    }
    return NoxDerivedRoad::markFor(offset, heights.first(heights.size() - 1), int(heights.size()),
                                   heights.back() + 1);
}

QList<qsizetype> NoxRoads::startsAfterCut(const QList<qsizetype> &shoeStarts, qsizetype cut)
{
    QList<qsizetype> kept;
    for (qsizetype start : shoeStarts) {
        if (start > cut) {
            kept.append(start - cut);
        }
    }
    return kept;
}

} // namespace Nox
