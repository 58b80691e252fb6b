#pragma once

#include "core/noxfavoritesinterface.h"
#include "core/noxmethod.h"
#include "core/noxmethodparameterinterface.h"

namespace Nox {

/// The favourites ("Favoris"): favourite numbers, the last number and its wheel neighbours,
/// recent numbers, and the short wheel holes between the numbers of the methods in play. The
/// engine recomputes it before each aggregation; it has no history rule of its own.
class MethodeFavoris : public NoxMethod, public NoxMethodParameterInterface, public NoxFavoritesInterface
{
public:
    explicit MethodeFavoris(const QString &name = QStringLiteral("Favoris"));

    /// The ten parameters, in order; "numerosFetiches" is a comma-separated list.
    [[nodiscard]] NoxMethodParameterList parameters() const override;
    void setParameters(const NoxMethodParameterList &parameters) override;
    void updateSelection(const QList<int> &playedValues, const QList<NoxMethodState *> &states,
                         int playModeMask) override;

    /// The numbers to play, in insertion order.
    [[nodiscard]] QList<int> compute(const QList<int> &playedValues, const QList<NoxMethodState *> &states,
                                     int playModeMask) const;

    [[nodiscard]] const QList<int> &numerosFetiches() const { return m_fetiches; }

private:
    QList<int> m_fetiches;
    bool m_couvrirDoublon = true;
    int m_nbVoisinsDoublon = 2;
    int m_nbHistorique = 10;
    bool m_jouerHistorique = false;
    bool m_jouerFetiches = true;
    bool m_jouerAvecMethode = false;
    bool m_useBoucheTrou = false;
    int m_tailleTrou = 1;
    bool m_useVoisinsHistorique = false;
};

} // namespace Nox
