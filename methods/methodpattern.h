#pragma once

#include "core/noxmethod.h"
#include "core/noxmethodinterface.h"

#include <array>

namespace Nox {

/// A baccarat figure: walks a fixed six-coup player/banker pattern, one step per lost coup,
/// and starts over after every win. Ties change nothing.
class MethodPattern : public NoxMethod, public NoxMethodInterface
{
public:
    /// pattern: six values, 1 (player) or 2 (banker).
    MethodPattern(const QString &name, const std::array<int, 6> &pattern);

    /// Figure k (1..64): k - 1 in base 2 on six digits, most significant first, 0 = player.
    [[nodiscard]] static std::array<int, 6> figure(int k);

    void process(const NoxMethodContext &context) override;
    void commit(const NoxMethodContext &context) override;
    bool rollback(int value, const NoxMethodContext &context) override;
    void reset(const NoxMethodContext &context) override;

    [[nodiscard]] const std::array<int, 6> &pattern() const { return m_pattern; }
    [[nodiscard]] const QString &patternText() const { return m_patternText; }
    [[nodiscard]] int position() const { return m_position; }

private:
    std::array<int, 6> m_pattern;
    QString m_patternText;
    int m_position = 0;
    // The two proposals, built once: a coup then proposes one without building a list.
    const QList<NoxBetItemID> m_player{NoxBetItemID::B_PLAYER};
    const QList<NoxBetItemID> m_banker{NoxBetItemID::B_BANKER};
};

} // namespace Nox
