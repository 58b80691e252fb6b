#pragma once

#include <QVarLengthArray>

#include <algorithm>
#include <utility>

namespace Nox {

/// A small map kept as a sorted array on the stack: the bet sheet stakes a few items of a few
/// kinds, so this spares it, which runs twice per coup, every allocation up to Prealloc
/// entries.
///
/// Thread rules: none of its own; a value type used by one thread at a time.
template<typename K, typename V, int Prealloc>
class NoxFlatMap
{
public:
    using Entry = std::pair<K, V>;

    [[nodiscard]] V *find(K key)
    {
        Entry *it = lowerBound(key);
        return it != m_entries.end() && it->first == key ? &it->second : nullptr;
    }
    [[nodiscard]] V value(K key, V fallback = V{}) const
    {
        const Entry *it = lowerBound(key);
        return it != m_entries.end() && it->first == key ? it->second : fallback;
    }
    [[nodiscard]] bool contains(K key) const
    {
        const Entry *it = lowerBound(key);
        return it != m_entries.end() && it->first == key;
    }
    /// The value of key, inserted as `initial` when missing.
    V &operator()(K key, V initial = V{})
    {
        Entry *it = lowerBound(key);
        if (it == m_entries.end() || it->first != key) {
            it = m_entries.insert(it, Entry{key, initial});
        }
        return it->second;
    }
    [[nodiscard]] qsizetype size() const { return m_entries.size(); }
    [[nodiscard]] Entry *begin() { return m_entries.begin(); }
    [[nodiscard]] Entry *end() { return m_entries.end(); }
    [[nodiscard]] const Entry *begin() const { return m_entries.begin(); }
    [[nodiscard]] const Entry *end() const { return m_entries.end(); }

private:
    [[nodiscard]] Entry *lowerBound(K key)
    {
        return std::lower_bound(m_entries.begin(), m_entries.end(), key,
                                [](const Entry &e, K k) { return e.first < k; });
    }
    [[nodiscard]] const Entry *lowerBound(K key) const
    {
        return std::lower_bound(m_entries.begin(), m_entries.end(), key,
                                [](const Entry &e, K k) { return e.first < k; });
    }

    QVarLengthArray<Entry, Prealloc> m_entries;
};

} // namespace Nox
