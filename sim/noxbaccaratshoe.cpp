#include "noxbaccaratshoe.h"

namespace Nox {

NoxBaccaratShoe::NoxBaccaratShoe(uint64_t seed)
    : m_random(seed)
{}

void NoxBaccaratShoe::shuffle()
{
    m_cards.clear();
    for (int deck = 0; deck < kDecks; ++deck) {
        for (int suit = 0; suit < 4; ++suit) {
            for (int rank = 1; rank <= 13; ++rank) {
                m_cards.push_back(rank >= 10 ? 0 : rank);
            }
        }
    }
    // Fisher-Yates with an unbiased bounded draw.
    for (size_t i = m_cards.size() - 1; i > 0; --i) {
        std::swap(m_cards[i], m_cards[size_t(m_random.bounded(i + 1))]);
    }
    const int burn = m_cards.front() == 0 ? 10 : m_cards.front();
    m_next = size_t(1 + burn);
}

int NoxBaccaratShoe::playCoup(const int *cards, int available, int *result)
{
    if (available < 6) {
        return 0;
    }
    int used = 4;
    int player = (cards[0] + cards[2]) % 10;
    int banker = (cards[1] + cards[3]) % 10;
    if (player < 8 && banker < 8) {
        int third = -1;
        if (player <= 5) {
            third = cards[used++];
            player = (player + third) % 10;
        }
        bool bankerDraws = false;
        if (third < 0) {
            bankerDraws = banker <= 5;
        } else {
            switch (banker) {
            case 0:
            case 1:
            case 2:
                bankerDraws = true;
                break;
            case 3:
                bankerDraws = third != 8;
                break;
            case 4:
                bankerDraws = third >= 2 && third <= 7;
                break;
            case 5:
                bankerDraws = third >= 4 && third <= 7;
                break;
            case 6:
                bankerDraws = third == 6 || third == 7;
                break;
            default:
                break;
            }
        }
        if (bankerDraws) {
            banker = (banker + cards[used++]) % 10;
        }
    }
    *result = player == banker ? Tie : (player > banker ? Player : Banker);
    return used;
}

bool NoxBaccaratShoe::dealCoup(int *result)
{
    const int left = int(m_cards.size() - m_next);
    if (m_cards.empty() || left < kCutCard) {
        return false;
    }
    m_next += size_t(playCoup(m_cards.data() + m_next, left, result));
    return true;
}

std::vector<int> NoxBaccaratShoe::dealShoe()
{
    shuffle();
    std::vector<int> coups;
    int result = 0;
    while (dealCoup(&result)) {
        coups.push_back(result);
    }
    return coups;
}

} // namespace Nox
