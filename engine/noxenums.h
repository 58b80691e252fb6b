#pragma once

#include <QMetaType>
#include <QObject>

/// The words of the table shared by every subsystem: colours, method families and subtypes,
/// access levels, tendencies and the identifier of every place of the table. The numeric
/// values are stored in settings and files and must never change.
namespace Nox {
Q_NAMESPACE

enum class NoxItemColor { red = 0, black = 1, green = 2 };
Q_ENUM_NS(NoxItemColor)

// cs is 10, not 1: no enumerator has the value 1.
enum class NoxMethodType {
    none = -1,
    plein = 0,
    cs = 10,
    col = 2,
    douz = 3,
    sixain = 4,
    trans = 5,
    cheval = 6,
    carre = 7,
    automatic = 8,
    baccara = 9
};
Q_ENUM_NS(NoxMethodType)

enum class NoxMethodSubType {
    none = -1,
    whiteplein0 = 0,
    green1 = 1,
    aqua2 = 2,
    yellow3 = 3,
    purpleperso4 = 4,
    orange5 = 5,
    bluecs6 = 6,
    orangecol7 = 7,
    pinkdouz8 = 8,
    pinksixt9 = 9,
    greentrans10 = 10,
    red11 = 11,
    player12 = 12,
    banker13 = 13
};
Q_ENUM_NS(NoxMethodSubType)

enum class NoxMethodAccess { normal = 0, restricted = 1, admin = 2 };
Q_ENUM_NS(NoxMethodAccess)

enum class NoxTendance { none = 0, down = 1, mid = 2, inter = 3, up = 4 };
Q_ENUM_NS(NoxTendance)

// Markers (CH_FIRST ... SX_LAST) are declared after the identifiers they alias so that the
// meta-object system names a value by its real identifier.
enum class NoxBetItemID {
    none = -1,
    N0 = 0, N1, N2, N3, N4, N5, N6, N7, N8, N9, N10, N11, N12, N13, N14, N15, N16, N17, N18,
    N19, N20, N21, N22, N23, N24, N25, N26, N27, N28, N29, N30, N31, N32, N33, N34, N35, N36,
    CH1_2 = 100, CH2_3, CH4_5, CH5_6, CH7_8, CH10_11, CH11_12, CH13_14, CH14_15, CH16_17,
    CH17_18, CH19_20, CH20_21, CH22_23, CH23_24, CH25_26, CH26_27, CH28_29, CH29_30, CH31_32,
    CH32_33, CH34_35, CH35_36,
    CH1_4, CH4_7, CH7_10, CH10_13, CH13_16, CH16_19, CH19_22, CH22_25, CH25_28, CH28_31, CH31_34,
    CH2_5, CH5_8, CH8_11, CH11_14, CH14_17, CH17_20, CH20_23, CH23_26, CH26_29, CH29_32, CH32_35,
    CH3_6, CH6_9, CH9_12, CH12_15, CH15_18, CH18_21, CH21_24, CH24_27, CH27_30, CH30_33, CH33_36,
    T1 = 200, T2, T3, T4, T5, T6, T7, T8, T9, T10, T11, T12,
    CA1 = 300, CA2, CA3, CA4, CA5, CA6, CA7, CA8, CA9, CA10, CA11, CA12, CA13, CA14, CA15, CA16,
    CA17, CA18, CA19, CA20, CA21, CA22,
    SX1 = 600, SX2, SX3, SX4, SX5, SX6, SX7, SX8, SX9, SX10, SX11,
    CL1 = 700, CL2, CL3,
    DZ1 = 800, DZ2, DZ3,
    CS_R = 1000, CS_N, CS_1_18, CS_19_36, CS_P, CS_I,
    X_DBL = 2001,
    B_TIE = 4000, B_PLAYER = 4001, B_BANKER = 4002,
    JETON_1 = 10001, JETON_2, JETON_3, JETON_4, JETON_5, JETON_6, JETON_7, JETON_8,
    CH_FIRST = CH1_2, CH_LAST = CH33_36,
    T_FIRST = T1, T_LAST = T12,
    C_FIRST = CA1, C_LAST = CA22,
    SX_FIRST = SX1, SX_LAST = SX11
};
Q_ENUM_NS(NoxBetItemID)

} // namespace Nox

Q_DECLARE_METATYPE(QList<Nox::NoxBetItemID>)
