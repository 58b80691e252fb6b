#pragma once

#include <QByteArray>
#include <QList>
#include <QString>

#include <memory>
#include <vector>

namespace Nox {

class MontantePerso;

/// The user progression library ("montantes.dat"): a one-byte header length 13, the header
/// "[Montante 02]" (or "[Montante 01]"), an int32 count and the records, little-endian.
///
/// Reading is strict: a short header, an unknown header text, a record cut short or bytes left
/// over reject the whole file, so a damaged library never registers half of its progressions.
/// Files without a header (version 0) are read with their big-endian count.
class NoxMontanteLibrary
{
public:
    using List = std::vector<std::unique_ptr<MontantePerso>>;

    static bool parse(const QByteArray &data, List *montantes, QString *error = nullptr);
    /// Version 2.
    [[nodiscard]] static QByteArray serialize(const QList<const MontantePerso *> &montantes);
    /// Replaces the file at `path` with `text` in one step (a crash leaves the previous file).
    static bool writeText(const QString &path, const QByteArray &text, QString *error = nullptr);

    static bool read(const QString &path, List *montantes, QString *error = nullptr);
    /// Writes a temporary file and renames it over `path`, so a crash keeps the old library.
    static bool write(const QString &path, const QList<const MontantePerso *> &montantes,
                      QString *error = nullptr);
};

} // namespace Nox
