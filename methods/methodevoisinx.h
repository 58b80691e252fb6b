#pragma once

#include "core/noxmethod.h"
#include "core/noxmethodinterface.h"
#include "core/noxmethodparameterinterface.h"

namespace Nox {

/// Growing set of past results: every result adds itself, its NbVoisins / 2 wheel neighbours on either side
/// and zero, until a number of the set comes out.
class MethodeVoisinX : public NoxMethod, public NoxMethodInterface, public NoxMethodParameterInterface
{
public:
    MethodeVoisinX(const QString &name, int neighbours);

    void process(const NoxMethodContext &context) override;
    void commit(const NoxMethodContext &context) override;
    bool rollback(int value, const NoxMethodContext &context) override;
    void reset(const NoxMethodContext &context) override;
    [[nodiscard]] NoxMethodParameterList parameters() const override;
    void setParameters(const NoxMethodParameterList &parameters) override;

private:
    int m_neighbours;
    QList<int> m_numbers; ///< the numbers gathered so far
};

} // namespace Nox
