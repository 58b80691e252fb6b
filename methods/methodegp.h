#pragma once

#include "core/noxmethod.h"
#include "core/noxmethodinterface.h"

#include <memory>
#include <vector>

namespace Nox {

/// Series absence: among a list of series of twelve numbers, bets against the series absent longest once that
/// absence reaches 14 coups (the 24 other numbers and zero), or with `inverse` on its return (its 12 numbers
/// and zero).
class MethodeGP : public NoxMethod, public NoxMethodInterface
{
public:
    MethodeGP(const QString &name, const QString &series, bool inverse);

    void process(const NoxMethodContext &context) override;
    void commit(const NoxMethodContext &context) override;
    bool rollback(int value, const NoxMethodContext &context) override;
    void reset(const NoxMethodContext &context) override;

    [[nodiscard]] bool isInverse() const { return m_inverse; }
    [[nodiscard]] int selectedSeries() const { return m_selected; }
    [[nodiscard]] qsizetype seriesCount() const;

private:
    void select(const NoxMethodContext &context);
    std::shared_ptr<const std::vector<quint64>> m_series; ///< one bit per number
    bool m_inverse;
    int m_selected = -1;
};

} // namespace Nox
