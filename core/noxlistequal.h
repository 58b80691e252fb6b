#pragma once

#include <QList>

namespace Nox {

/// a == b for two lists, empty ones included. Qt 6.4 compares two empty lists whose storage
/// differs (one never allocated) by calling memcmp on a null pointer, which is undefined
/// behaviour (the sanitizer reports it) even for a length of 0.
template<typename T>
[[nodiscard]] bool noxSameList(const QList<T> &a, const QList<T> &b)
{
    return a.size() == b.size() && (a.isEmpty() || a == b);
}

} // namespace Nox
