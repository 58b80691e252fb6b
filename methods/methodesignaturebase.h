#pragma once

#include "core/noxmethod.h"
#include "core/noxmethodinterface.h"
#include "core/noxmethodparameterinterface.h"

namespace Nox {

/// Dealer signature: the spans between consecutive results are split into two alternating
/// directions, clockwise and counter-clockwise. When the spans of the coming direction agree
/// (their average circular spread is at most StartStdDev), the method plays the numbers around
/// the last result moved by their mean span; `inverse` plays the other numbers.
class MethodeSignatureBase : public NoxMethod, public NoxMethodInterface, public NoxMethodParameterInterface
{
public:
    MethodeSignatureBase(const QString &name, bool inverse);

    void process(const NoxMethodContext &context) override;
    void commit(const NoxMethodContext &) override {}
    bool rollback(int, const NoxMethodContext &) override { return false; }
    void reset(const NoxMethodContext &context) override;
    [[nodiscard]] NoxMethodParameterList parameters() const override;
    void setParameters(const NoxMethodParameterList &parameters) override;

    [[nodiscard]] bool isInverse() const { return m_inverse; }

protected:
    /// The spans of one direction and what they say.
    struct Direction {
        QList<int> spans;
        int mean = 0;
        double dispersion = 0.0;
        bool hasDispersion = false;
    };

    int m_observations = 4;
    double m_startStdDev = 12.0;
    int m_parity = 1;
    QList<int> m_values; ///< V: the observed values, sorted
    Direction m_cw;
    Direction m_ccw;
    bool m_lastWasCcw = false;
    bool m_inverse;

private:
    [[nodiscard]] int span(int from, int to, const QList<int> &list) const;
};

} // namespace Nox
