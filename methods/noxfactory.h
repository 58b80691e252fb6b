#pragma once

#include "core/noxenums.h"
#include "methods/noxstatesink.h"

#include <QList>
#include <QSet>

#include <climits>
#include <functional>

namespace Nox {

class NoxMethod;
class NoxMethodState;
struct NoxStatisticsProfile;

/// Makes the method catalogue of a game and hands each state to a sink (the engine, in the
/// program). Short-lived: the engine makes one for each (re)load; methods and states belong
/// to the sink afterwards.
class NoxFactory
{
public:
    /// Marker of stateFor(): keep the method's own block percentage.
    static constexpr int kKeepBlockPercentage = INT_MIN;

    /// profile: handed to every state before it joins the sink (may be null).
    NoxFactory(NoxStateSink *sink, const NoxStatisticsProfile *profile);

    /// The 78 methods of the baccarat edition, in catalogue order.
    void loadBaccaraMethods();
    /// The roulette catalogue (about 3,150 methods), in catalogue order.
    void loadGenericMethods();

    // --- Creation helpers ---------------------------------------------------------------------
    /// A plain method with fixed items; its state has the zero option on plein methods.
    NoxMethodState *fixedItemMethod(const QString &name, NoxMethodType type, NoxMethodSubType subtype,
                                    const QList<NoxBetItemID> &items);
    /// A fixed method of one item, of the item's own kind.
    NoxMethodState *singleItemMethod(NoxBetItemID item, const QString &name, NoxMethodSubType subtype,
                                     int blockPercentage, int nbBlockDom, int ecartNotif,
                                     double tendencyOffset);
    /// A plein method on numbers (or any items); null, with a warning, for an unknown item.
    NoxMethodState *numberListMethod(const QString &name, const QList<int> &ids, NoxMethodSubType subtype,
                                     int centre);
    /// A user method: a plein number list of subtype purpleperso4 (key "/perso/...").
    NoxMethodState *userMethod(const QString &name, const QList<int> &ids);
    /// The number sets of a data file ("method13.txt", ...) as hidden methods "AZ<name>",
    /// then the sticky automatic method `autoName` that chooses among exactly those.
    /// Throws std::runtime_error when the resource is missing.
    void loadNumberSetMethods(const QString &resource, const QString &autoName, int quickRank);
    /// A state for an existing method with the registration defaults.
    NoxMethodState *stateFor(NoxMethod *method, int blockPercentage, int nbBlockDom, int ecartNotif,
                             double tendencyOffset);
    /// Hands the state to the sink (after giving it the factory's profile).
    void add(NoxMethodState *state);
    static void setQuickMode(NoxMethodState *state, int rank);
    /// The catalogue indexes of the sink's states that `filter` accepts.
    [[nodiscard]] QSet<int> collect(const std::function<bool(const NoxMethodState *)> &filter) const;

private:
    /// The registration defaults: block percentage (unless kKeepBlockPercentage), default
    /// dominant block count and notification threshold, and the tendency offset (truncated).
    static void applyDefaults(NoxMethodState *state, int blockPercentage, int nbBlockDom, int ecartNotif,
                              double tendencyOffset);
    /// Registers one entry: the method defaults, the state, the sink, then the entry's profile.
    /// A roulette method class, with the registration defaults of its kind.
    NoxMethodState *addRouletteMethod(NoxMethod *method);
    /// A roulette number list with its defaults (null for an unknown item).
    NoxMethodState *addNumberList(const QString &name, const QList<int> &numbers, NoxMethodSubType subtype,
                                  int centre, int nbBlockDom, int ecartNotif);
    NoxMethodState *addEntry(NoxMethod *method, int blockPercentage, int nbBlockDom, int ecartNotif,
                             double tendencyOffset, const NoxStatisticsProfile &profile);

    NoxStateSink *m_sink;
    const NoxStatisticsProfile *m_profile;
    // Registration constants.
    const int m_blockPercentage1 = 85;
    const int m_blockPercentage3 = 90;
    const int m_nbBlockDom1 = 2;
    const int m_nbBlockDom2 = 3;
    const double m_offset1 = -40.0;
    const double m_offset3 = -60.0;
};

} // namespace Nox
