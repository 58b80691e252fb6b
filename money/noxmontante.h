#pragma once

#include "core/noxmethodparameter.h"

#include <QString>

#include <memory>

namespace Nox {

class NoxMethod;

/// A stake progression: how many base chips go on the next coup, from the coups already
/// settled. Counted in base chips, never in money. The base class itself is the flat stake
/// ("Masse égale"): always one chip.
///
/// Not thread-safe: the engine calls it with its lock held.
class NoxMontante
{
public:
    explicit NoxMontante(QString name, bool perMethod = false)
        : m_name(std::move(name))
        , m_perMethod(perMethod)
    {}
    virtual ~NoxMontante() = default;

    /// The multiplier of the next coup for nbItems items (method: the method whose own stake
    /// is sized, for per-method progressions). At least 1.
    [[nodiscard]] virtual int computeMise(int nbItems, const NoxMethod *method)
    {
        Q_UNUSED(nbItems)
        Q_UNUSED(method)
        return 1;
    }
    /// Records the outcome of a coup staked with `mise`.
    virtual void applyResult(int mise, bool won, int nbItems, const NoxMethod *method)
    {
        Q_UNUSED(mise)
        Q_UNUSED(won)
        Q_UNUSED(nbItems)
        Q_UNUSED(method)
    }
    /// Starts over.
    virtual void reset() {}
    /// A copy with its progress, owned by the caller (a table of steps is computed on one away
    /// from the engine's own).
    [[nodiscard]] virtual std::unique_ptr<NoxMontante> clone() const
    {
        return std::make_unique<NoxMontante>(*this);
    }
    virtual void getParameters(NoxMethodParameterList &parameters) const { parameters.clear(); }
    virtual void getDetails(NoxMethodParameterList &details) const { details.clear(); }
    virtual void setParameters(const NoxMethodParameterList &parameters) { Q_UNUSED(parameters) }
    [[nodiscard]] virtual bool isPerso() const { return false; }
    /// A user progression that is winning back a deficit in parts.
    [[nodiscard]] virtual bool inRecovery() const { return false; }

    [[nodiscard]] const QString &name() const { return m_name; }
    void setName(const QString &name) { m_name = name; }
    [[nodiscard]] bool perMethod() const { return m_perMethod; }
    [[nodiscard]] int montanteId() const { return m_montanteId; }
    void setMontanteId(int id) { m_montanteId = id; }

protected:
    /// The smallest multiplier m >= 1 with m * payout >= need + m * items: one win of m units
    /// on each of `items` items returns `need` on top of the coup's own stake. items must be
    /// below payout.
    [[nodiscard]] static int recoveringMultiplier(int need, int payout, int items)
    {
        const int net = payout - items;
        if (need <= net) {
            return 1;
        }
        return int((qint64(need) + net - 1) / net);
    }

private:
    QString m_name;
    bool m_perMethod = false;
    int m_montanteId = -1;
};

} // namespace Nox
