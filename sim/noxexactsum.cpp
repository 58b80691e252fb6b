#include "noxexactsum.h"

#include <cmath>

namespace Nox {

namespace {
constexpr long double kScale = 1e9L;
} // namespace

NoxExactSum::Int128 NoxExactSum::rounded(double term)
{
    // Most terms fit 64 bits, whose conversion is cheap; the 128-bit one is done in software.
    constexpr double kSmall = 9e18;
    const double scaled = term * double(kScale);
    if (std::abs(scaled) < kSmall) {
        return std::llround(scaled);
    }
    return Int128(std::roundl(static_cast<long double>(term) * kScale));
}

bool NoxExactSum::canAdd(const NoxExactSum &other) const
{
    Int128 sum = 0;
    return !__builtin_add_overflow(m_billionths, other.m_billionths, &sum);
}

bool NoxExactSum::fits(qint64 terms, qint64 lowPerTerm, qint64 highPerTerm) const
{
    // Each term was rounded to the nearest billionth once: half a billionth each way.
    const Int128 n = terms;
    const Int128 scale = 1000000000;
    return m_billionths >= n * lowPerTerm * scale - n && m_billionths <= n * highPerTerm * scale + n;
}

double NoxExactSum::value() const
{
    return double(static_cast<long double>(m_billionths) / kScale);
}

QString NoxExactSum::toString() const
{
    if (m_billionths == 0) {
        return QStringLiteral("0");
    }
    const bool negative = m_billionths < 0;
    Int128 rest = negative ? -m_billionths : m_billionths;
    QString digits;
    while (rest > 0) {
        digits.prepend(QChar(u'0' + int(rest % 10)));
        rest /= 10;
    }
    return negative ? QLatin1Char('-') + digits : digits;
}

std::optional<NoxExactSum> NoxExactSum::fromString(const QString &text)
{
    const bool negative = text.startsWith(QLatin1Char('-'));
    const QStringView digits = QStringView(text).mid(negative ? 1 : 0);
    // 36 digits stay far below the 128-bit limit.
    if (digits.isEmpty() || digits.size() > 36) {
        return std::nullopt;
    }
    Int128 value = 0;
    for (QChar c : digits) {
        if (c < u'0' || c > u'9') {
            return std::nullopt;
        }
        value = value * 10 + (c.unicode() - u'0');
    }
    NoxExactSum sum;
    sum.m_billionths = negative ? -value : value;
    return sum;
}

} // namespace Nox
