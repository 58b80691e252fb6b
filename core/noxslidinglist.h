#pragma once

#include <QList>
#include <QtGlobal>

#include <algorithm>
#include <vector>

namespace Nox {

/// A list that grows at its end and is cut at its front, as a window sliding over a longer
/// sequence: the newest points of a curve, the newest decoded records. Appending is a plain
/// store and cutting the front only moves an offset; the elements are moved back to the start
/// of the storage once the cut part is as large as the kept one, so each element is moved at
/// most once on average.
///
/// Thread rules: none of its own; a value type used by one thread at a time.
template<typename T>
class NoxSlidingList
{
public:
    NoxSlidingList() = default;
    NoxSlidingList(std::initializer_list<T> values)
        : m_items(values)
    {}

    [[nodiscard]] qsizetype size() const { return qsizetype(m_items.size() - m_head); }
    [[nodiscard]] bool isEmpty() const { return size() == 0; }
    [[nodiscard]] const T &at(qsizetype i) const
    {
        Q_ASSERT(i >= 0 && i < size());
        return m_items[m_head + std::size_t(i)];
    }
    [[nodiscard]] T &operator[](qsizetype i)
    {
        Q_ASSERT(i >= 0 && i < size());
        return m_items[m_head + std::size_t(i)];
    }
    [[nodiscard]] const T &first() const { return at(0); }
    [[nodiscard]] const T &last() const { return at(size() - 1); }
    [[nodiscard]] const T *constData() const { return m_items.data() + m_head; }
    [[nodiscard]] const T *cbegin() const { return constData(); }
    [[nodiscard]] const T *cend() const { return m_items.data() + m_items.size(); }

    void append(const T &value) { m_items.push_back(value); }
    /// Puts a value before the first one (undo: rare).
    void prepend(const T &value)
    {
        if (m_head > 0) {
            m_items[--m_head] = value;
        } else {
            m_items.insert(m_items.begin(), value);
        }
    }
    /// Cuts the first `count` elements (all of them when there are fewer).
    void removeFirst(qsizetype count)
    {
        m_head += std::size_t(std::clamp<qsizetype>(count, 0, size()));
        if (m_head >= m_items.size() - m_head) {
            m_items.erase(m_items.begin(), m_items.begin() + std::ptrdiff_t(m_head));
            m_head = 0;
        }
    }
    void removeLast()
    {
        Q_ASSERT(size() > 0);
        m_items.pop_back();
    }
    /// Keeps the first `count` elements (a count above the size keeps them all).
    void truncate(qsizetype count)
    {
        if (count < size()) {
            m_items.resize(m_head + std::size_t(std::max<qsizetype>(count, 0)));
        }
    }
    void clear()
    {
        m_items.clear();
        m_head = 0;
    }
    void assign(const QList<T> &values)
    {
        m_items.assign(values.cbegin(), values.cend());
        m_head = 0;
    }
    /// The elements [first, size()) as a list.
    [[nodiscard]] QList<T> toList(qsizetype first = 0) const
    {
        first = std::clamp<qsizetype>(first, 0, size());
        return QList<T>(constData() + first, cend());
    }

private:
    std::vector<T> m_items;
    std::size_t m_head = 0; ///< the first kept element of m_items
};

} // namespace Nox
