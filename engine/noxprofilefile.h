#pragma once

#include <QByteArray>
#include <QList>
#include <QMap>
#include <QPair>
#include <QString>

namespace Nox {

/// A method-visibility profile ("*.pfl"): little-endian, an int32 count, then per method its
/// Latin-1 name behind a base-128 variable-length byte count and an int8 hidden flag.
///
/// Names are written with the variable-length count too, which is a single byte below 128,
/// so long names read back unchanged. Reading is strict: a truncated file, a negative or
/// impossible count or trailing bytes reject the whole file; any non-zero hidden flag hides.
class NoxProfileFile
{
public:
    using Entry = QPair<QString, bool>; // name, hidden

    /// Writes atomically (a temporary file renamed over the target).
    static bool write(const QString &path, const QList<Entry> &entries, QString *error = nullptr);
    static bool read(const QString &path, QMap<QString, bool> *hiddenByName, QString *error = nullptr);
    /// The same rules on a profile's bytes.
    static bool parse(const QByteArray &data, QMap<QString, bool> *hiddenByName, QString *error = nullptr);
};

} // namespace Nox
