#pragma once

#include <QString>

#include <optional>

namespace Nox {

/// A sum of real numbers kept as a whole count of billionths in 128 bits. Each term is rounded
/// to the nearest billionth once, when it is added; after that the sum is exact, so the parts
/// of a run added in any grouping give the same sum to the last digit. That is what lets the
/// workers of a run and the shards of a run on several machines combine into exactly the
/// result of one sequential run.
class NoxExactSum
{
public:
    __extension__ using Int128 = __int128;

    void add(double term) { addRounded(rounded(term)); }
    /// A term as add() counts it: rounded to the nearest billionth. A caller that adds the
    /// same term again and again rounds it once and adds the count.
    [[nodiscard]] static Int128 rounded(double term);
    void addRounded(Int128 billionths) { m_billionths += billionths; }
    NoxExactSum &operator+=(const NoxExactSum &other)
    {
        m_billionths += other.m_billionths;
        return *this;
    }
    /// False, leaving the sum as it was, when adding `other` would pass the 128-bit range.
    [[nodiscard]] bool canAdd(const NoxExactSum &other) const;
    /// True when the sum lies within [low, high] for sums of `terms` terms each within
    /// [lowPerTerm, highPerTerm] (in whole units), give or take the rounding of each term.
    [[nodiscard]] bool fits(qint64 terms, qint64 lowPerTerm, qint64 highPerTerm) const;
    [[nodiscard]] double value() const;
    /// The count of billionths in decimal, for files.
    [[nodiscard]] QString toString() const;
    [[nodiscard]] static std::optional<NoxExactSum> fromString(const QString &text);

    friend bool operator==(const NoxExactSum &, const NoxExactSum &) = default;

private:
    Int128 m_billionths = 0;
};

} // namespace Nox
