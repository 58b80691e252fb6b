#pragma once

#include "noxflatstake.h"
#include "noxsimbankroll.h"

#include <QByteArray>
#include <QJsonObject>
#include <QList>
#include <QString>

namespace Nox {

/// The result of a run or of a part of one (a shard, or the shoes a worker played): every
/// method's flat-stake record, the bankroll of the active methods, which shoes it covers and
/// what produced them.
///
/// Parts of one run combine with append() into exactly the result of the whole run, in shoe
/// order; NoxSimResult::merge() does that for files written by shards.
class NoxSimResult
{
public:
    static constexpr int kFormat = 1;
    /// The most shoes a run has (a result file that claims more is refused).
    static constexpr qint64 kMaxShoes = qint64(1) << 31;
    /// The longest line and the largest result file read (a run of the whole catalogue writes
    /// lines of a few dozen bytes and files of a few hundred kilobytes).
    static constexpr qint64 kMaxFileLine = 64 * 1024;
    static constexpr qint64 kMaxFileSize = 256 * 1024 * 1024;

    struct Method {
        QString name;
        bool active = false;
        NoxFlatStake flat;

        friend bool operator==(const Method &, const Method &) = default;
    };

    /// What produced the shoes and how the engine was set: parts of one run must agree on it.
    QJsonObject run;
    qint64 firstShoe = 0;
    qint64 shoeCount = 0;
    qint64 totalShoes = 0;
    QList<Method> methods; ///< catalogue order
    NoxSimBankroll bankroll;

    /// An empty record of the same run and methods, starting at shoe `first`.
    [[nodiscard]] NoxSimResult emptyFrom(qint64 first) const;
    /// Appends the slice that starts where this one ends; false with a reason when `later`
    /// is not the next part of the same run.
    bool append(const NoxSimResult &later, QString *error);
    /// Combines parts of one run given in any order.
    static bool merge(QList<NoxSimResult> parts, NoxSimResult *merged, QString *error);

    /// Methods, best flat-stake profit first (catalogue order among equals).
    [[nodiscard]] QList<Method> ranked() const;
    [[nodiscard]] QList<qsizetype> rankedIndexes() const;

    [[nodiscard]] QByteArray toJson() const;
    /// Reads the JSON of toJson() and checks that its figures can belong to a run: shoes
    /// within the run, one session per shoe, counts and sums within the engine's limits.
    static bool fromJson(const QByteArray &data, NoxSimResult *result, QString *error);
    /// Reads a file of toJson() by lines of at most kMaxFileLine bytes, up to kMaxFileSize
    /// bytes, so that a device or a damaged file is refused without filling the memory.
    static bool readFile(const QString &path, NoxSimResult *result, QString *error);

    friend bool operator==(const NoxSimResult &, const NoxSimResult &) = default;
};

} // namespace Nox
