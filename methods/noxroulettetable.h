#pragma once

#include "core/noxenums.h"

#include <QList>

namespace Nox {

class NoxMethod;
class NoxMethodContext;

/// The groups of the roulette layout that the method families bet on, and the small history
/// questions they all ask. Zero belongs to no column, dozen, sixain or transversale (-1).
class NoxRouletteTable
{
public:
    [[nodiscard]] static int column(int v) { return v >= 1 && v <= 36 ? (v - 1) % 3 : -1; }
    [[nodiscard]] static int dozen(int v) { return v >= 1 && v <= 36 ? (v - 1) / 12 : -1; }
    [[nodiscard]] static int sixain(int v) { return v >= 1 && v <= 36 ? (v - 1) / 6 : -1; }
    [[nodiscard]] static int transversale(int v) { return v >= 1 && v <= 36 ? (v - 1) / 3 : -1; }
    [[nodiscard]] static NoxBetItemID columnItem(int k) { return NoxBetItemID(int(NoxBetItemID::CL1) + k); }
    [[nodiscard]] static NoxBetItemID dozenItem(int k) { return NoxBetItemID(int(NoxBetItemID::DZ1) + k); }
    [[nodiscard]] static NoxBetItemID sixainItem(int k) { return NoxBetItemID(int(NoxBetItemID::SX1) + k); }
    [[nodiscard]] static NoxBetItemID transItem(int k) { return NoxBetItemID(int(NoxBetItemID::T1) + k); }
    [[nodiscard]] static bool isRed(int v);

    /// The last value of the context, -1 for an empty history.
    [[nodiscard]] static int lastValue(const NoxMethodContext &context);
    /// Whether the last value wins the method's current proposal. With zeroCounts, a zero also
    /// wins when the state has the zero option.
    [[nodiscard]] static bool lastWins(const NoxMethod &method, const NoxMethodContext &context,
                                       bool zeroCounts);
    /// Single numbers as bet items, in the given order.
    [[nodiscard]] static QList<NoxBetItemID> numberItems(const QList<int> &numbers);
    /// Appends n unless it is already there.
    static void addUnique(QList<int> &numbers, int n);
};

} // namespace Nox
