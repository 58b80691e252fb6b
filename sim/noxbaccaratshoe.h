#pragma once

#include "noxsplitmix.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace Nox {

/// Deals baccarat coups from shuffled eight-deck shoes with the punto banco drawing rules.
/// The same seed always deals the same coups, on every platform.
///
/// A shoe is shuffled, the first card is burnt with as many cards as its value (ten for a
/// ten or a face), and the shoe ends when fewer than kCutCard cards are left before a coup.
class NoxBaccaratShoe
{
public:
    enum Result { Tie = 0, Player = 1, Banker = 2 };
    static constexpr int kDecks = 8;
    static constexpr int kCutCard = 16;

    explicit NoxBaccaratShoe(uint64_t seed);

    /// Shuffles a new shoe and deals it to the end: its coups in order.
    std::vector<int> dealShoe();
    /// One coup from the current shoe; false when the shoe is finished.
    bool dealCoup(int *result);
    void shuffle();

    /// Totals and result of one coup from the given cards, in dealing order (player, banker,
    /// player, banker, then the third cards as the rules call them). Returns the cards used.
    static int playCoup(const int *cards, int available, int *result);

private:
    NoxSplitMix m_random;
    std::vector<int> m_cards; // point values 0..9
    size_t m_next = 0;
};

} // namespace Nox
