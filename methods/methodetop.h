#pragma once

#include "core/noxmethod.h"
#include "core/noxmethodinterface.h"
#include "core/noxmethodparameterinterface.h"

namespace Nox {

/// Hot numbers: once more than eleven distinct numbers came out, plays the NbMaxNumsToPlay - 1 numbers that
/// came out most (the most recent, then the smallest, on a tie), and zero.
class MethodeTop : public NoxMethod, public NoxMethodInterface, public NoxMethodParameterInterface
{
public:
    explicit MethodeTop(const QString &name);

    void process(const NoxMethodContext &context) override;
    void commit(const NoxMethodContext &context) override;
    bool rollback(int value, const NoxMethodContext &context) override;
    void reset(const NoxMethodContext &context) override;
    [[nodiscard]] NoxMethodParameterList parameters() const override;
    void setParameters(const NoxMethodParameterList &parameters) override;

private:
    void record(int value, int position);
    QList<int> m_counts = QList<int>(37, 0);
    QList<int> m_lastPosition = QList<int>(37, -1);
    int m_recorded = 0; ///< history positions already counted
};

} // namespace Nox
