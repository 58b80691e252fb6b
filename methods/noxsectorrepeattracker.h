#pragma once

#include <QList>

#include <array>
#include <functional>

namespace Nox {

/// The sector watch of the "Logs" methods: 23 wheel sectors, each with its hits, its gaps and a
/// cool-down, and the selection of the sector that has just come out twice in a row (the one with
/// the most hits, the earliest on a tie). A selection stays while the caller's proposal keeps
/// losing, until the selected sector has been absent `releaseThreshold` coups.
class NoxSectorRepeatTracker
{
public:
    static constexpr int kSectorCount = 23;
    /// The wheel centres of the sectors, in table order.
    static constexpr std::array<int, kSectorCount> kCentres{16, 36, 3,  2,  15, 26, 18, 33, 6,  32, 29, 1,
                                                            30, 22, 10, 23, 9,  0,  7,  17, 13, 28, 35};

    /// halfWidth: wheel neighbours on either side of each centre.
    NoxSectorRepeatTracker(int halfWidth, int releaseThreshold);

    /// One new result. keep: the selection stays (when the release flag is clear).
    void record(int value, bool keep);
    void clear();
    /// Clears the release flag (done each time the selection is played).
    void acknowledge() { m_released = false; }
    [[nodiscard]] bool released() const { return m_released; }
    [[nodiscard]] int selected() const { return m_selected; }
    [[nodiscard]] int centre() const { return m_selected >= 0 ? kCentres[size_t(m_selected)] : -1; }
    /// The numbers of a sector, centre first.
    [[nodiscard]] const QList<int> &sector(int index) const { return m_sectors[size_t(index)]; }

private:
    struct Sector {
        int hits = 0;
        int gap = 0;
        int coolDown = 0;
        QList<int> gaps;
    };
    std::array<QList<int>, kSectorCount> m_sectors;
    std::array<Sector, kSectorCount> m_state;
    int m_releaseThreshold;
    int m_selected = -1;
    bool m_released = false;
};

} // namespace Nox
