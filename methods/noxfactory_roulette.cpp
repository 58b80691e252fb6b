// The roulette catalogue: loadGenericMethods() registers every method of the roulette edition in
// catalogue order.

#include "methods/noxfactory.h"

#include "core/noxbetitem.h"
#include "core/noxmethod.h"
#include "core/noxmethodstate.h"
#include "core/noxresource.h"
#include "methods/methodeassociation.h"
#include "methods/methodeauto.h"
#include "methods/methodecolhot.h"
#include "methods/methodecolmir.h"
#include "methods/methodecolsuiv.h"
#include "methods/methodecross.h"
#include "methods/methodecshawksmp.h"
#include "methods/methodecshawkspi.h"
#include "methods/methodecshawksrn.h"
#include "methods/methodecsinvhawksmp.h"
#include "methods/methodecsinvhawkspi.h"
#include "methods/methodecsinvhawksrn.h"
#include "methods/methodecsinvmirmp.h"
#include "methods/methodecsinvmirpi.h"
#include "methods/methodecsinvmirrn.h"
#include "methods/methodecsmirmp.h"
#include "methods/methodecsmirpi.h"
#include "methods/methodecsmirrn.h"
#include "methods/methodecsreversecouleur.h"
#include "methods/methodedouzhot.h"
#include "methods/methodedouzmir.h"
#include "methods/methodedouzsuiv.h"
#include "methods/methodedscavalier.h"
#include "methods/methodedssecteur.h"
#include "methods/methodeecarttr.h"
#include "methods/methodeespace.h"
#include "methods/methodeetoile.h"
#include "methods/methodefavoris.h"
#include "methods/methodegp.h"
#include "methods/methodelogs15.h"
#include "methods/methodelogs19.h"
#include "methods/methodeloidutiers.h"
#include "methods/methodemars.h"
#include "methods/methodemars2.h"
#include "methods/methodeminus.h"
#include "methods/methodemirs1s2.h"
#include "methods/methodemirt1t2.h"
#include "methods/methodenumerologie.h"
#include "methods/methodenumstries.h"
#include "methods/methodeomega.h"
#include "methods/methodeperpetuum.h"
#include "methods/methodeplus.h"
#include "methods/methodequartierstr.h"
#include "methods/methodesections.h"
#include "methods/methodesectionsplus.h"
#include "methods/methodesector.h"
#include "methods/methodesignature.h"
#include "methods/methodesignaturebase.h"
#include "methods/methodespeedwaysix.h"
#include "methods/methodesuiveuse.h"
#include "methods/methodesuiveuseplus.h"
#include "methods/methodesuiveusesix.h"
#include "methods/methodesuiveusetr.h"
#include "methods/methodetendancesecteur.h"
#include "methods/methodeterminaison.h"
#include "methods/methodethorp.h"
#include "methods/methodetop.h"
#include "methods/methodetriplette.h"
#include "methods/methodeultrads.h"
#include "methods/methodevoisin4.h"
#include "methods/methodevoisinsplus.h"
#include "methods/methodevoisinx.h"

namespace Nox {

namespace {

QString str(const char *text)
{
    return QString::fromUtf8(text);
}

/// A named number list of the catalogue.
struct NumberList {
    const char *name;
    QList<int> numbers;
};

const QList<int> &sector(int k)
{
    static const QList<int> sectors[4] = {{0, 32, 15, 19, 4, 21, 2, 25, 17, 34},
                                          {0, 6, 27, 13, 36, 11, 30, 8, 23, 10},
                                          {0, 5, 24, 16, 33, 1, 20, 14, 31, 9},
                                          {0, 22, 18, 29, 7, 28, 12, 35, 3, 26}};
    return sectors[k];
}

QList<int> range(int from, int to)
{
    QList<int> numbers;
    for (int n = from; n <= to; ++n) {
        numbers << n;
    }
    return numbers;
}

QList<int> column(int k)
{
    QList<int> numbers;
    for (int n = k; n <= 36; n += 3) {
        numbers << n;
    }
    return numbers;
}

/// The combination methods: pairs of dozens, columns and thirds of the wheel, and columns by
/// colour.
const QList<NumberList> &combinations()
{
    static const QList<NumberList> lists{
        {"1-D1-D2", range(1, 24)},
        {"1-D1-D3", range(1, 12) + range(25, 36)},
        {"1-D2-D3", range(13, 36)},
        {"2-C1-C2", column(1) + column(2)},
        {"2-C1-C3", column(1) + column(3)},
        {"2-C2-C3", column(2) + column(3)},
        {"3-Tiers 1-2",
         {32, 15, 19, 4, 21, 2, 25, 17, 34, 6, 27, 13, 36, 11, 30, 8, 23, 10, 5, 24, 16, 33, 1, 20}},
        {"3-Tiers 1-3",
         {32, 15, 19, 4, 21, 2, 25, 17, 34, 6, 27, 13, 14, 31, 9, 22, 18, 29, 7, 28, 12, 35, 3, 26}},
        {"3-Tiers 2-3",
         {36, 11, 30, 8, 23, 10, 5, 24, 16, 33, 1, 20, 14, 31, 9, 22, 18, 29, 7, 28, 12, 35, 3, 26}},
        {"4-Tiers A-B",
         {25, 17, 34, 6, 27, 13, 36, 11, 30, 8, 23, 10, 5, 24, 16, 33, 1, 20, 14, 31, 9, 22, 18, 29}},
        {"4-Tiers A-C",
         {25, 17, 34, 6, 27, 13, 36, 11, 30, 8, 23, 10, 7, 28, 12, 35, 3, 26, 32, 15, 19, 4, 21, 2}},
        {"4-Tiers B-C",
         {5, 24, 16, 33, 1, 20, 14, 31, 9, 22, 18, 29, 7, 28, 12, 35, 3, 26, 32, 15, 19, 4, 21, 2}},
        {"5-C1/N",
         {1, 2, 4, 6, 7, 8, 10, 11, 13, 15, 16, 17, 19, 20, 22, 24, 25, 26, 28, 29, 31, 33, 34, 35}},
        {"5-C1/R",
         {1, 3, 4, 5, 7, 9, 10, 12, 13, 14, 16, 18, 19, 21, 22, 23, 25, 27, 28, 30, 31, 32, 34, 36}},
        {"5-C2/N", {2, 4, 5, 6, 8, 10, 11, 13, 14, 15, 17, 20, 22, 23, 24, 26, 28, 29, 31, 32, 33, 35}},
        {"5-C2/R",
         {1, 2, 3, 5, 7, 8, 9, 11, 12, 14, 16, 17, 18, 19, 20, 21, 23, 25, 26, 27, 29, 30, 32, 34, 35, 36}},
        {"5-C3/R", {1, 3, 5, 6, 7, 9, 12, 14, 15, 16, 18, 19, 21, 23, 24, 25, 27, 30, 32, 33, 34, 36}},
        {"5-C3/N",
         {2, 3, 4, 6, 8, 9, 10, 11, 12, 13, 15, 17, 18, 20, 21, 22, 24, 26, 27, 28, 29, 30, 31, 33, 35, 36}},
    };
    return lists;
}

const QList<int> kReverses{0, 2, 4, 8, 9, 10, 12, 13, 14, 15, 21, 23, 27, 28, 31, 32, 35, 36};
const QList<int> kReversesInverse{0, 1, 3, 5, 6, 7, 11, 16, 17, 18, 19, 20, 22, 24, 25, 26, 29, 30, 33, 34};
const QList<int> kTiers[3] = {{0, 32, 15, 19, 4, 21, 2, 25, 17, 34, 6, 27, 13},
                              {0, 36, 11, 30, 8, 23, 10, 5, 24, 16, 33, 1, 20},
                              {0, 14, 31, 9, 22, 18, 29, 7, 28, 12, 35, 3, 26}};
const QList<int> kVoisins0{0, 2, 3, 4, 7, 12, 15, 17, 18, 9, 19, 21, 22, 25, 26, 28, 29, 32, 35};
const QList<int> kVoisins0Inverse{1, 5, 6, 8, 10, 11, 13, 14, 16, 20, 23, 24, 27, 30, 33, 31, 34, 36, 17};
const QList<int> k19Gauche{1, 3, 5, 7, 9, 12, 14, 16, 18, 20, 22, 24, 26, 28, 29, 31, 33, 35};
const QList<int> k19Droite{2, 4, 6, 8, 10, 11, 13, 15, 17, 19, 21, 23, 25, 27, 30, 32, 34, 36};
const QList<int> k20Sniper{0, 4, 5, 6, 7, 9, 12, 13, 14, 15, 18, 19, 21, 22, 25, 28, 30, 31, 33};
const QList<int> k20SniperInverse{0, 1, 2, 3, 8, 10, 11, 16, 17, 20, 23, 24, 26, 29, 32, 34, 35, 36, 27};
const QList<int> kTiersVoisins{13, 36, 11, 30, 8, 23, 10, 5, 24, 16, 33, 15, 32, 26, 3, 35, 12, 28};
const QList<int> kOrphelins{1, 2, 4, 6, 7, 9, 14, 17, 18, 19, 20, 21, 22, 25, 29, 31, 34, 27};

/// Tendency offset of the roulette entries whose row gives none.
constexpr double kDefaultOffset = -40.0;

} // namespace

NoxMethodState *NoxFactory::addRouletteMethod(NoxMethod *method)
{
    // Registration defaults by kind: the wider the group, the rarer a long gap.
    int nbBlockDom = 3;
    int ecartNotif = 6;
    switch (method->type()) {
    case NoxMethodType::col:
    case NoxMethodType::douz:
        ecartNotif = 12;
        break;
    case NoxMethodType::sixain:
    case NoxMethodType::trans:
        nbBlockDom = 2;
        ecartNotif = 24;
        break;
    default:
        break;
    }
    NoxMethodState *state = stateFor(method, kKeepBlockPercentage, nbBlockDom, ecartNotif, kDefaultOffset);
    add(state);
    return state;
}

NoxMethodState *NoxFactory::addNumberList(const QString &name, const QList<int> &numbers,
                                          NoxMethodSubType subtype, int centre, int nbBlockDom,
                                          int ecartNotif)
{
    NoxMethodState *state = numberListMethod(name, numbers, subtype, centre);
    if (!state) {
        return nullptr;
    }
    applyDefaults(state, kKeepBlockPercentage, nbBlockDom, ecartNotif, kDefaultOffset);
    add(state);
    return state;
}

void NoxFactory::loadGenericMethods()
{
    const auto single = [this](NoxBetItemID item, NoxMethodSubType subtype, int blockPercentage,
                               int nbBlockDom, int ecartNotif, double offset) {
        add(singleItemMethod(item, betItem(item).name(), subtype, blockPercentage, nbBlockDom, ecartNotif,
                             offset));
    };
    // 1-2. Dozens, columns, sixains and transversales, one item each.
    for (int k = 0; k < 3; ++k) {
        single(NoxBetItemID(int(NoxBetItemID::DZ1) + k), NoxMethodSubType::pinkdouz8, m_blockPercentage1,
               m_nbBlockDom2, 12, m_offset3);
    }
    for (int k = 0; k < 3; ++k) {
        single(NoxBetItemID(int(NoxBetItemID::CL1) + k), NoxMethodSubType::orangecol7, m_blockPercentage1,
               m_nbBlockDom2, 12, m_offset3);
    }
    for (int k = 0; k < 6; ++k) {
        single(NoxBetItemID(int(NoxBetItemID::SX1) + k), NoxMethodSubType::pinksixt9, m_blockPercentage1,
               m_nbBlockDom1, 24, 0);
    }
    for (int k = 0; k < 12; ++k) {
        single(NoxBetItemID(int(NoxBetItemID::T1) + k), NoxMethodSubType::greentrans10, m_blockPercentage1,
               m_nbBlockDom1, 24, 0);
    }

    // 3. Halves of the transversales and sixains.
    const auto halves = [this](const char *name, NoxMethodType type, NoxMethodSubType subtype,
                               NoxBetItemID first, int count) {
        QList<NoxBetItemID> items;
        for (int k = 0; k < count; k += 2) {
            items << NoxBetItemID(int(first) + k);
        }
        NoxMethodState *state = fixedItemMethod(str(name), type, subtype, items);
        applyDefaults(state, m_blockPercentage1 + 5, m_nbBlockDom1, 6, m_offset1);
        add(state);
    };
    halves("T1", NoxMethodType::trans, NoxMethodSubType::greentrans10, NoxBetItemID::T1, 12);
    halves("T2", NoxMethodType::trans, NoxMethodSubType::greentrans10, NoxBetItemID::T2, 12);
    halves("S1", NoxMethodType::sixain, NoxMethodSubType::pinksixt9, NoxBetItemID::SX1, 6);
    halves("S2", NoxMethodType::sixain, NoxMethodSubType::pinksixt9, NoxBetItemID::SX2, 6);

    // 4. Simple chances.
    const QPair<const char *, NoxBetItemID> chances[] = {
        {"1 - Rouge", NoxBetItemID::CS_R},   {"1 - Noir", NoxBetItemID::CS_N},
        {"2 - Pair", NoxBetItemID::CS_P},    {"2 - Impair", NoxBetItemID::CS_I},
        {"3 - 1-18", NoxBetItemID::CS_1_18}, {"3 - 19-36", NoxBetItemID::CS_19_36}};
    for (const auto &[name, item] : chances) {
        add(singleItemMethod(item, str(name), NoxMethodSubType::bluecs6, m_blockPercentage3, m_nbBlockDom2, 6,
                             m_offset1));
    }

    // 5. Two-chance methods.
    const auto twoChance = [this](NoxMethod *method) {
        add(stateFor(method, m_blockPercentage1, m_nbBlockDom2, 6, m_offset1));
    };
    twoChance(new MethodeCSHawksRN(str("1 - Hawks(R/N)"), 1, false));
    twoChance(new MethodeCSInvHawksRN(str("1 - Hawks(R/N) inverse")));
    twoChance(new MethodeCSHawksPI(str("2 - Hawks(P/I)")));
    twoChance(new MethodeCSInvHawksPI(str("2 - Hawks(P/I) inverse")));
    twoChance(new MethodeCSHawksMP(str("3 - Hawks(M/P)")));
    twoChance(new MethodeCSInvHawksMP(str("3 - Hawks(M/P) inverse")));
    twoChance(new MethodeCSMirRN(str("1 - M(R/N)"), false));
    twoChance(new MethodeCSInvMirRN(str("1 - M(R/N) inverse")));
    twoChance(new MethodeCSMirPI(str("2 - M(P/I)")));
    twoChance(new MethodeCSInvMirPI(str("2 - M(P/I) inverse")));
    twoChance(new MethodeCSMirMP(str("3 - M(M/P)")));
    twoChance(new MethodeCSInvMirMP(str("3 - M(M/P) inverse")));

    // 6. Ten-coups mirrors of the groups.
    addRouletteMethod(new MethodeColMir(str("M Colonnes"), false));
    addRouletteMethod(new MethodeDouzMir(str("M Douzaines"), false));
    addRouletteMethod(new MethodeMirS1S2(str("M S1-S2"), false));
    addRouletteMethod(new MethodeMirT1T2(str("M T1-T2"), false));

    // 7. The four wheel sectors.
    const int centres[4] = {21, 11, 1, 28};
    for (int k = 0; k < 4; ++k) {
        const bool wide = k == 1 || k == 2;
        addNumberList(QStringLiteral("Secteur %1").arg(k + 1), sector(k), NoxMethodSubType::yellow3,
                      centres[k], wide ? 4 : 3, wide ? 15 : 6);
    }

    // 8.
    addRouletteMethod(new MethodeSuiveuse(str("Suiveuse"), false));
    addRouletteMethod(new MethodeEspace(str("Espace")));
    addRouletteMethod(new MethodeTerminaison(str("Terminaisons")));
    addRouletteMethod(new MethodeVoisin4(str("Voisin 4")));
    addRouletteMethod(new MethodeNumsTries(str("Triés HOT"), 0));
    addRouletteMethod(new MethodeNumsTries(str("Triés MED"), 1));
    addRouletteMethod(new MethodeNumsTries(str("Triés COLD"), 2));
    addRouletteMethod(new MethodeTop(str("Top")));

    // 9.
    addNumberList(str("Reverses"), kReverses, NoxMethodSubType::yellow3, -1, 3, 6);
    addNumberList(str("Reverses inverse"), kReversesInverse, NoxMethodSubType::yellow3, -1, 3, 6);
    addRouletteMethod(new MethodePlus(str("Plus")));
    addRouletteMethod(new MethodeMinus(str("Minus")));
    addRouletteMethod(new MethodeCross(str("Cross")));
    addRouletteMethod(new MethodeUltraDS(str("Ultra DS")));
    addRouletteMethod(new MethodeDSSecteur(str("DS Secteur"), false));
    addRouletteMethod(new MethodeDSSecteur(str("DS Secteur inverse"), true));
    addRouletteMethod(new MethodeSuiveuseSix(str("Suiveuse Sixains")));
    addRouletteMethod(new MethodeSuiveuseTr(str("Suiveuse TR")));
    addRouletteMethod(new MethodeTendanceSecteur(str("Tendance Secteur"), false));
    addRouletteMethod(new MethodeTendanceSecteur(str("Tend Secteur inverse"), true));
    addRouletteMethod(new MethodeVoisinsPlus(str("Voisins +")));
    const QString series = noxReadResource(QStringLiteral("seriegrp.txt"));
    addRouletteMethod(new MethodeGP(str("GP"), series, false));
    addRouletteMethod(new MethodeGP(str("GP inverse"), series, true));
    addRouletteMethod(new MethodeCSReverseCouleur(str("1 - Reverse couleurs")));

    // 10. The thirds of the wheel, in the quick list.
    for (int k = 0; k < 3; ++k) {
        if (NoxMethodState *state = addNumberList(QStringLiteral("Tiers %1").arg(k + 1), kTiers[k],
                                                  NoxMethodSubType::yellow3, -1, 3, 6)) {
            setQuickMode(state, 7 + k);
        }
    }

    // 11.
    addRouletteMethod(new MethodeSuiveuse(str("Suiveuse inverse"), true));
    addRouletteMethod(new MethodeEtoile(str("Etoile")));
    addRouletteMethod(new MethodeAssociation(str("Association")));
    addNumberList(str("Voisins 0"), kVoisins0, NoxMethodSubType::yellow3, 26, 3, 6);
    addNumberList(str("Voisins 0 inverse"), kVoisins0Inverse, NoxMethodSubType::yellow3, 23, 3, 6);
    addRouletteMethod(new MethodeThorp(str("Thorp")));
    addRouletteMethod(new MethodeSuiveusePlus(str("Suiveuse +")));
    addRouletteMethod(new MethodePerpetuum(str("Perpetuum"), 3));
    addRouletteMethod(new MethodeNumerologie(str("Numérologie")));
    addRouletteMethod(new MethodeMars(str("MARS")));
    addRouletteMethod(new MethodePerpetuum(str("Perpetuum 2"), 2));
    addRouletteMethod(new MethodeMars2(str("MARS 2")));
    addRouletteMethod(new MethodeVoisinX(str("Voisin X(0)"), 0));
    addRouletteMethod(new MethodeVoisinX(str("Voisin X(2)"), 2));
    addRouletteMethod(new MethodeVoisinX(str("Voisin X(6)"), 6));
    addRouletteMethod(new MethodeDSCavalier(str("DS cavalier")));
    addRouletteMethod(new MethodeMirS1S2(str("M S1-S2 inverse"), true));
    addRouletteMethod(new MethodeMirT1T2(str("M T1-T2 inv"), true));
    addRouletteMethod(new MethodeColSuiv(str("S Colonnes"), false));
    addRouletteMethod(new MethodeDouzSuiv(str("S Douzaines"), false));

    // 12. The combined sectors: each wheel sector with the next one (19 numbers with zero).
    for (int k = 0; k < 4; ++k) {
        QList<int> numbers = sector(k);
        for (int n : sector((k + 1) % 4)) {
            if (!numbers.contains(n)) {
                numbers << n;
            }
        }
        addNumberList(QStringLiteral("COMBINE %1").arg(k + 1), numbers, NoxMethodSubType::aqua2, -1, 3, 8);
    }
    addNumberList(str("19 Gauche"), k19Gauche, NoxMethodSubType::yellow3, -1, 3, 6);
    addNumberList(str("19 Droite"), k19Droite, NoxMethodSubType::yellow3, -1, 3, 6);
    addNumberList(str("20 Sniper"), k20Sniper, NoxMethodSubType::yellow3, -1, 3, 6);
    addNumberList(str("20 Sniper inverse"), k20SniperInverse, NoxMethodSubType::yellow3, -1, 3, 6);

    // 13.
    addRouletteMethod(new MethodeTriplette(str("Triplette"), 3, -1, 13));
    addRouletteMethod(new MethodeSector(str("SectOR")));
    addRouletteMethod(new MethodeTriplette(str("Doublette"), 2, 2, 5));
    addRouletteMethod(new MethodeEcartTr(str("Ecart TR")));
    addRouletteMethod(new MethodeLogs15(str("Logs 15")));
    addRouletteMethod(new MethodeLogs19(str("Logs 19"), false));
    addRouletteMethod(new MethodeLogs19(str("Logs 19 inverse"), true));
    addRouletteMethod(new MethodeOmega(str("Omega V2000"), false, false));
    addRouletteMethod(new MethodeOmega(str("Omega V2000+"), true, false));
    addRouletteMethod(new MethodeOmega(str("Omega Speed"), false, true));
    addRouletteMethod(new MethodeSignature(str("Signature")));
    addRouletteMethod(new MethodeSpeedwaySix(str("Speedway")));
    addRouletteMethod(new MethodeLoiDuTiers(str("Loi Tiers COLD"), 1));
    addRouletteMethod(new MethodeLoiDuTiers(str("Loi Tiers MED"), 2));
    addRouletteMethod(new MethodeLoiDuTiers(str("Loi Tiers HOT"), 3));
    addRouletteMethod(new MethodeSignatureBase(str("Signature inverse"), true));
    addRouletteMethod(new MethodeColSuiv(str("S Colonnes inverse"), true));
    addRouletteMethod(new MethodeDouzSuiv(str("S Douzaines inverse"), true));
    addRouletteMethod(new MethodeColHot(str("Colonne Chaude"), false));
    addRouletteMethod(new MethodeDouzHot(str("Douzaine Chaude"), false));
    addRouletteMethod(new MethodeSections(str("Les Sections"), false));
    addRouletteMethod(new MethodeColHot(str("Col Chaude inverse"), true));
    addRouletteMethod(new MethodeDouzHot(str("Douz Chaude inverse"), true));
    addRouletteMethod(new MethodeQuartiersTr(str("Quartiers TR"), false));
    addRouletteMethod(new MethodeQuartiersTr(str("Quartiers TR inverse"), true));
    addRouletteMethod(new MethodeSectionsPlus(str("Les Sections +")));
    addRouletteMethod(new MethodeSections(str("Les Sections inverse"), true));
    addRouletteMethod(new MethodeColMir(str("M Col inverse"), true));
    addRouletteMethod(new MethodeDouzMir(str("M Douz inverse"), true));

    // 14.
    addNumberList(str("Tiers Voisins"), kTiersVoisins, NoxMethodSubType::yellow3, -1, 3, 6);
    addNumberList(str("Orphelins"), kOrphelins, NoxMethodSubType::yellow3, -1, 3, 6);

    // 15. Combinations.
    for (const NumberList &list : combinations()) {
        if (NoxMethodState *state =
                numberListMethod(str(list.name), list.numbers, NoxMethodSubType::orange5, -1)) {
            applyDefaults(state, m_blockPercentage1, m_nbBlockDom1, 10, kDefaultOffset);
            add(state);
        }
    }

    // 16. Automatic methods.
    const auto addAuto = [this](const char *name, NoxMethodSortType sort, int flags,
                                const QSet<int> &candidates, int rank,
                                NoxMethod::Role role = NoxMethod::Role::None) {
        auto *method = new MethodeAuto(str(name), sort, false, flags);
        method->setRole(role);
        method->setCandidateIndexes(candidates);
        NoxMethodState *state = stateFor(method, m_blockPercentage1, m_nbBlockDom2, 8, m_offset1);
        state->setPlayModeFlag(NoxMethodState::NormalList, false);
        add(state);
        if (rank >= 0) {
            setQuickMode(state, rank);
        }
    };
    const auto named = [this](const QStringList &names, NoxMethodType type = NoxMethodType::none) {
        return collect([&names, type](const NoxMethodState *s) {
            return names.contains(s->method()->name()) &&
                   (type == NoxMethodType::none || s->method()->type() == type);
        });
    };
    addAuto("AUTO Tendance", ScoreTendance, 0, {}, -1);
    addAuto("AUTO Top", Score, NoxMethodState::NormalList, {}, -1, NoxMethod::Role::TopAuto);
    addAuto("AUTO Ratio", ScoreRatioCt, 0, {}, -1);
    addAuto("AUTO CS", ScoreTendancePlus, 0,
            collect([](const NoxMethodState *s) { return s->method()->type() == NoxMethodType::cs; }), 1);
    addAuto("AUTO Douzaines", ScoreTendancePlus, 0,
            named({str("Douz Chaude inverse"), str("M Douzaines"), str("S Douzaines"),
                   str("S Douzaines inverse")},
                  NoxMethodType::douz),
            2);
    addAuto(
        "AUTO Colonnes", ScoreTendancePlus, 0,
        named({str("Col Chaude inverse"), str("M Colonnes"), str("S Colonnes"), str("S Colonnes inverse")},
              NoxMethodType::col),
        3);
    addAuto("AUTO Sixains", ScoreTendancePlus, 0,
            named({str("M S1-S2"), str("M S1-S2 inverse"), str("S1"), str("S2")}), 4);
    addAuto("AUTO TR", ScoreTendancePlus, 0,
            named({str("M T1-T2"), str("M T1-T2 inv"), str("Quartiers TR"), str("Quartiers TR inverse"),
                   str("T1"), str("T2")}),
            5);
    addAuto("AUTO Suiveuse", ScoreTendancePlus, 0, named({str("Suiveuse"), str("Suiveuse inverse")}), 6);

    // 17. The built-in number sets with their automatic methods.
    loadNumberSetMethods(QStringLiteral("method13.txt"), str("AUTO 13"), 10);
    loadNumberSetMethods(QStringLiteral("method18.txt"), str("AUTO 18"), 11);
    loadNumberSetMethods(QStringLiteral("method24.txt"), str("AUTO 24"), 12);

    // 18. The favourites.
    auto *favorites = new MethodeFavoris(str("Favoris"));
    favorites->setRole(NoxMethod::Role::Favorites);
    add(stateFor(favorites, kKeepBlockPercentage, m_nbBlockDom2, 6, 0));
}

} // namespace Nox
