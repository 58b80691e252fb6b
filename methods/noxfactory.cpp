#include "methods/noxfactory.h"

#include "core/noxbetitem.h"
#include "core/noxlogging.h"
#include "core/noxmethod.h"
#include "core/noxmethodstate.h"
#include "core/noxresource.h"
#include "core/noxstatisticsprofile.h"
#include "methods/methodeauto.h"
#include "methods/methodebaccarahawkspb.h"
#include "methods/methodebaccarainvhawkspb.h"
#include "methods/methodebaccaramirpb.h"
#include "methods/methodpattern.h"
#include "methods/noxnumberlistparser.h"

#include <cmath>

namespace Nox {

NoxFactory::NoxFactory(NoxStateSink *sink, const NoxStatisticsProfile *profile)
    : m_sink(sink)
    , m_profile(profile)
{}

NoxMethodState *NoxFactory::fixedItemMethod(const QString &name, NoxMethodType type, NoxMethodSubType subtype,
                                            const QList<NoxBetItemID> &items)
{
    auto *method = new NoxMethod(type, subtype, name);
    method->setProposal(items);
    auto *state = new NoxMethodState(method);
    state->setZeroOption(type == NoxMethodType::plein);
    return state;
}

NoxMethodState *NoxFactory::singleItemMethod(NoxBetItemID item, const QString &name, NoxMethodSubType subtype,
                                             int blockPercentage, int nbBlockDom, int ecartNotif,
                                             double tendencyOffset)
{
    NoxMethodState *state = fixedItemMethod(name, betItem(item).type(), subtype, {item});
    applyDefaults(state, blockPercentage, nbBlockDom, ecartNotif, tendencyOffset);
    return state;
}

NoxMethodState *NoxFactory::numberListMethod(const QString &name, const QList<int> &ids,
                                             NoxMethodSubType subtype, int centre)
{
    QList<NoxBetItemID> items;
    items.reserve(ids.size());
    for (int id : ids) {
        if (!hasBetItem(NoxBetItemID(id))) {
            qCWarning(lcNoxMethods, "Failed to load item %d", id);
            return nullptr;
        }
        items.append(NoxBetItemID(id));
    }
    NoxMethodState *state = fixedItemMethod(name, NoxMethodType::plein, subtype, items);
    state->method()->setCenterNumber(centre);
    return state;
}

NoxMethodState *NoxFactory::stateFor(NoxMethod *method, int blockPercentage, int nbBlockDom, int ecartNotif,
                                     double tendencyOffset)
{
    auto *state = new NoxMethodState(method);
    state->setZeroOption(false);
    applyDefaults(state, blockPercentage, nbBlockDom, ecartNotif, tendencyOffset);
    return state;
}

void NoxFactory::applyDefaults(NoxMethodState *state, int blockPercentage, int nbBlockDom, int ecartNotif,
                               double tendencyOffset)
{
    NoxMethod *method = state->method();
    if (blockPercentage != kKeepBlockPercentage) {
        method->setBlockPercentage(blockPercentage);
    }
    method->setDefaultNbBlockDom(nbBlockDom);
    method->setDefaultEcartNotif(ecartNotif);
    state->setTendencyOffset(std::trunc(tendencyOffset));
}

NoxMethodState *NoxFactory::userMethod(const QString &name, const QList<int> &ids)
{
    NoxMethodState *state = numberListMethod(name, ids, NoxMethodSubType::purpleperso4, -1);
    if (state) {
        NoxMethod *method = state->method();
        method->setDefaultNbBlockDom(3);
        method->setDefaultEcartNotif(6);
        state->setTendencyOffset(0);
    }
    return state;
}

void NoxFactory::loadNumberSetMethods(const QString &resource, const QString &autoName, int quickRank)
{
    QSet<int> candidates;
    for (const NoxNumberListParser::Record &record : NoxNumberListParser::parse(noxReadResource(resource))) {
        NoxMethodState *state =
            numberListMethod(QStringLiteral("AZ") + record.name, record.ids, NoxMethodSubType::none, -1);
        if (!state) {
            continue;
        }
        state->setPlayModeFlag(NoxMethodState::NormalList, false);
        add(state);
        candidates.insert(state->method()->index());
    }
    auto *method = new MethodeAuto(autoName, ScoreMasseEgale, true, 0);
    method->setCandidateIndexes(candidates);
    NoxMethodState *state = stateFor(method, 85, 3, 8, 0);
    state->setPlayModeFlag(NoxMethodState::NormalList, false);
    add(state);
    setQuickMode(state, quickRank);
}

void NoxFactory::add(NoxMethodState *state)
{
    if (m_profile) {
        state->setProfile(m_profile);
    }
    m_sink->addMethodState(state);
}

void NoxFactory::setQuickMode(NoxMethodState *state, int rank)
{
    state->method()->setQuickModeRank(rank);
    state->setPlayModeFlag(NoxMethodState::QuickList, rank >= 0);
}

QSet<int> NoxFactory::collect(const std::function<bool(const NoxMethodState *)> &filter) const
{
    QSet<int> indexes;
    for (const NoxMethodState *s : m_sink->methodStates()) {
        if (filter(s)) {
            indexes.insert(s->method()->index());
        }
    }
    return indexes;
}

NoxMethodState *NoxFactory::addEntry(NoxMethod *method, int blockPercentage, int nbBlockDom, int ecartNotif,
                                     double tendencyOffset, const NoxStatisticsProfile &profile)
{
    NoxMethodState *state = stateFor(method, blockPercentage, nbBlockDom, ecartNotif, tendencyOffset);
    state->setNumberMode(false);
    add(state);
    state->setProfile(&profile);
    return state;
}

void NoxFactory::loadBaccaraMethods()
{
    const NoxStatisticsProfile &baccarat = NoxStatisticsProfile::baccarat();
    const auto addSide = [&](NoxBetItemID item, const char *name, NoxMethodSubType subtype, int rank) {
        NoxMethodState *s = singleItemMethod(item, QString::fromLatin1(name), subtype, m_blockPercentage3,
                                             m_nbBlockDom1, 6, m_offset1);
        s->setZeroOption(false);
        s->setNumberMode(false);
        add(s);
        s->setProfile(&baccarat);
        setQuickMode(s, rank);
    };
    addSide(NoxBetItemID::B_BANKER, "BANKER", NoxMethodSubType::banker13, 1);
    addSide(NoxBetItemID::B_PLAYER, "PLAYER", NoxMethodSubType::player12, 0);

    NoxMethodState *tie = fixedItemMethod(QStringLiteral("TIE"), NoxMethodType::plein, NoxMethodSubType::none,
                                          {NoxBetItemID::B_TIE});
    applyDefaults(tie, m_blockPercentage3, m_nbBlockDom1, 6, m_offset1);
    tie->setZeroOption(false);
    tie->setNumberMode(false);
    add(tie);
    tie->setProfile(&NoxStatisticsProfile::tie());
    // The player switches the tie on from its own section ("Jouer l'égalité") whatever the
    // mode: it is staked in Quick mode as in Pro mode. Without a quick rank it is not one of
    // the quick list's methods.
    tie->setPlayModeFlag(NoxMethodState::QuickList, true);

    for (int k = 1; k <= 64; ++k) {
        auto *figure = new MethodPattern(QString::asprintf("Figure %02d", k), MethodPattern::figure(k));
        addEntry(figure, m_blockPercentage1, m_nbBlockDom2, 6, m_offset1, baccarat);
    }

    const auto addAuto = [&](const char *name, NoxMethodSortType sort, int flags, const QSet<int> &candidates,
                             int rank, NoxMethod::Role role = NoxMethod::Role::None) {
        auto *method = new MethodeAuto(QString::fromLatin1(name), sort, false, flags);
        method->setRole(role);
        method->setCandidateIndexes(candidates);
        NoxMethodState *s = addEntry(method, m_blockPercentage1, m_nbBlockDom2, 8, m_offset1, baccarat);
        s->setPlayModeFlag(NoxMethodState::NormalList, false);
        if (rank >= 0) {
            setQuickMode(s, rank);
        }
    };
    const auto named = [this](const QStringList &names) {
        return collect([&names](const NoxMethodState *s) { return names.contains(s->method()->name()); });
    };
    addAuto("AUTO Tendance", ScoreTendance, 0, {}, -1);
    addAuto("AUTO Top", Score, NoxMethodState::NormalList, {}, -1, NoxMethod::Role::TopAuto);
    addAuto("AUTO Ratio", ScoreRatioCt, 0, {}, -1);

    addEntry(new MethodeBaccaraHawksPB(QStringLiteral("H(P/B)")), m_blockPercentage1, m_nbBlockDom2, 6,
             m_offset1, baccarat);
    addEntry(new MethodeBaccaraInvHawksPB(QStringLiteral("Inv H(P/B)")), m_blockPercentage1, m_nbBlockDom2, 6,
             m_offset1, baccarat);
    addEntry(new MethodeBaccaraMirPB(QStringLiteral("M(P/B)"), false), m_blockPercentage1, m_nbBlockDom2, 6,
             m_offset1, baccarat);
    addEntry(new MethodeBaccaraMirPB(QStringLiteral("Inv M(P/B)"), true), m_blockPercentage1, m_nbBlockDom2,
             6, m_offset1, baccarat);

    addAuto("AUTO Hawks", ScoreTendancePlus, 0,
            named({QStringLiteral("H(P/B)"), QStringLiteral("Inv H(P/B)")}), 2);
    addAuto("AUTO Miroir", ScoreTendancePlus, 0,
            named({QStringLiteral("M(P/B)"), QStringLiteral("Inv M(P/B)")}), 3);
    addAuto("AUTO Figure", ScoreTendancePlus, 0,
            collect([](const NoxMethodState *s) { return dynamic_cast<const MethodPattern *>(s->method()); }),
            4);
    addAuto(
        "AUTO Mix", ScoreTendancePlus, 0,
        named({QStringLiteral("AUTO Tendance"), QStringLiteral("AUTO Top"), QStringLiteral("AUTO Ratio")}),
        5);
}

} // namespace Nox
