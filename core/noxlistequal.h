#pragma once

#include <QList>

namespace Nox {

/// a == b for two lists, empty ones included. Qt 6.4 compares two empty lists whose storage
/// differs (one never allocated) by calling memcmp on a null pointer, which is undefined
/// behaviour (the sanitizer reports it) even for a length of 0.
///
/// The lists compared are short (a method's items, a proposal's numbers): they are walked
/// inline instead of through memcmp, and shared storage is equal at once.
template<typename T>
[[nodiscard]] bool noxSameList(const QList<T> &a, const QList<T> &b)
{
    const qsizetype n = a.size();
    if (n != b.size()) {
        return false;
    }
    const T *x = a.constData();
    const T *y = b.constData();
    if (x == y) {
        return true;
    }
    for (qsizetype i = 0; i < n; ++i) {
        if (!(x[i] == y[i])) {
            return false;
        }
    }
    return true;
}

} // namespace Nox
