#pragma once

#include <QtGlobal>

#include <algorithm>
#include <memory>
#include <vector>

namespace Nox {

/// An append-only list (with removal at the end) stored in fixed-size chunks: growing it never
/// copies the elements and never reserves more than one chunk ahead, so a long list costs its
/// elements and little else. Used for the per-record statistics of a method, which every
/// method keeps for every coup.
template<typename T, int ChunkBits = 8>
class NoxChunkedList
{
public:
    static constexpr qsizetype kChunkSize = qsizetype(1) << ChunkBits;

    [[nodiscard]] qsizetype size() const { return m_size; }
    [[nodiscard]] bool isEmpty() const { return m_size == 0; }

    [[nodiscard]] const T &at(qsizetype i) const
    {
        Q_ASSERT(i >= 0 && i < m_size);
        return m_chunks[std::size_t(i >> ChunkBits)][std::size_t(i & (kChunkSize - 1))];
    }
    [[nodiscard]] T &operator[](qsizetype i)
    {
        Q_ASSERT(i >= 0 && i < m_size);
        return m_chunks[std::size_t(i >> ChunkBits)][std::size_t(i & (kChunkSize - 1))];
    }
    [[nodiscard]] const T &last() const { return at(m_size - 1); }
    [[nodiscard]] T &last() { return (*this)[m_size - 1]; }

    void append(const T &value)
    {
        const auto chunk = std::size_t(m_size >> ChunkBits);
        if (chunk == m_chunks.size()) [[unlikely]] {
            addChunk();
        }
        m_chunks[chunk][std::size_t(m_size & (kChunkSize - 1))] = value;
        ++m_size;
    }

    /// Removes the last element; a chunk emptied by it is released unless it is the only spare.
    void removeLast()
    {
        Q_ASSERT(m_size > 0);
        --m_size;
        const auto used = std::size_t((m_size + kChunkSize - 1) >> ChunkBits);
        while (m_chunks.size() > used + 1) {
            m_chunks.pop_back();
        }
    }

    /// Keeps the first `count` elements.
    void truncate(qsizetype count)
    {
        while (m_size > count) {
            removeLast();
        }
    }

    /// Empties the list but keeps its first chunk: a method state cleared at every new shoe
    /// fills it again without allocating.
    void clear()
    {
        m_chunks.resize(std::min<std::size_t>(m_chunks.size(), 1));
        m_size = 0;
    }

private:
    /// The cold part of append(), out of line so that the rest inlines.
    [[gnu::noinline]] void addChunk() { m_chunks.push_back(std::make_unique<T[]>(std::size_t(kChunkSize))); }

    std::vector<std::unique_ptr<T[]>> m_chunks;
    qsizetype m_size = 0;
};

} // namespace Nox
