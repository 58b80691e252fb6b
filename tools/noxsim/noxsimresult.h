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
    static bool fromJson(const QByteArray &data, NoxSimResult *result, QString *error);

    friend bool operator==(const NoxSimResult &, const NoxSimResult &) = default;
};

} // namespace Nox
