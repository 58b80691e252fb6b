#pragma once

#include "money/noxmontante.h"

#include <QList>

#include <algorithm>
#include <array>
#include <optional>

namespace Nox {

/// A user progression: a list of steps walked by configurable moves after wins and losses,
/// with an optional recovery mode that splits a deficit into parts won back one at a time.
///
/// The defaults and ranges below are the one statement of what a player may give a
/// progression: the members start at the defaults, and the editor of the screens offers and
/// clamps to the ranges. A library file may hold values beyond them (files of older versions,
/// files written by hand); those are played as they are, apart from the loss divider, which is
/// always kept within its range.
class MontantePerso : public NoxMontante
{
public:
    /// A whole-number parameter: its smallest and largest value, and the value a new
    /// progression starts with.
    struct Bounds {
        int minimum;
        int maximum;
        int initial;

        [[nodiscard]] constexpr int clamp(int value) const { return std::clamp(value, minimum, maximum); }
    };

    /// The move "back to the first step", after a win or a loss.
    static constexpr int kBackToStart = -9999;
    /// Names are stored with a one-byte length.
    static constexpr int kMaxNameLength = 127;
    /// The base chips of one step.
    static constexpr Bounds kStepBounds{1, 10000, 1};
    /// The steps a move other than kBackToStart goes back (negative) or forward (positive).
    static constexpr Bounds kMoveBounds{1, 99, 1};
    static constexpr int kDefaultWinMove = kBackToStart;
    static constexpr int kDefaultLossMove = 1;
    /// How many pieces a deficit is split into in recovery.
    static constexpr Bounds kRecupLossDividerBounds{1, 100, 3};
    /// The losses in a row after which the rest of a deficit is split again.
    static constexpr Bounds kNbToursMontanteBounds{1, 100, 4};
    /// The pieces won back after which the rest is split again (with recupRecompute).
    static constexpr Bounds kNbWinRecalculBounds{1, 100, 3};
    /// The steps the editor proposes for a new progression (a progression made without steps
    /// stakes one chip).
    static constexpr std::array<int, 3> kProposedSteps{1, 2, 4};

    /// `move` within what the editor offers: kBackToStart as it is, any other move back or
    /// forward by kMoveBounds steps at most and at least one; 0 (no move) gives std::nullopt.
    [[nodiscard]] static constexpr std::optional<int> boundedMove(int move)
    {
        if (move == kBackToStart) {
            return move;
        }
        if (move == 0) {
            return std::nullopt;
        }
        return move < 0 ? std::clamp(move, -kMoveBounds.maximum, -kMoveBounds.minimum)
                        : kMoveBounds.clamp(move);
    }

    explicit MontantePerso(QString name = {});

    int computeMise(int nbItems, const NoxMethod *method) override;
    void applyResult(int mise, bool won, int nbItems, const NoxMethod *method) override;
    void reset() override;
    [[nodiscard]] std::unique_ptr<NoxMontante> clone() const override
    {
        return std::make_unique<MontantePerso>(*this);
    }
    void getParameters(NoxMethodParameterList &parameters) const override;
    void getDetails(NoxMethodParameterList &details) const override;
    void setParameters(const NoxMethodParameterList &parameters) override;
    [[nodiscard]] bool isPerso() const override { return true; }
    [[nodiscard]] bool inRecovery() const override { return m_modeRecup; }

    // Parameters (the library file stores them).
    [[nodiscard]] const QList<int> &steps() const { return m_steps; }
    void setSteps(const QList<int> &steps) { m_steps = steps; }
    [[nodiscard]] int nbPaliersBack() const { return m_nbPaliersBack; }
    void setNbPaliersBack(int move) { m_nbPaliersBack = move; }
    [[nodiscard]] int nbPaliersBackPerte() const { return m_nbPaliersBackPerte; }
    void setNbPaliersBackPerte(int move) { m_nbPaliersBackPerte = move; }
    [[nodiscard]] bool recupEnabled() const { return m_recupEnabled; }
    void setRecupEnabled(bool on) { m_recupEnabled = on; }
    [[nodiscard]] int recupLossDivider() const { return m_recupLossDivider; }
    /// Stored as given; reset() clamps it to kRecupLossDividerBounds.
    void setRecupLossDivider(int divider) { m_recupLossDivider = divider; }
    [[nodiscard]] int nbToursMontante() const { return m_nbToursMontante; }
    void setNbToursMontante(int losses) { m_nbToursMontante = losses; }
    [[nodiscard]] bool recupRecompute() const { return m_recupRecompute; }
    void setRecupRecompute(bool on) { m_recupRecompute = on; }
    [[nodiscard]] int nbWinRecalcul() const { return m_nbWinRecalcul; }
    void setNbWinRecalcul(int parts) { m_nbWinRecalcul = parts; }
    [[nodiscard]] int payout() const { return m_payout; }
    void setPayout(int payout) { m_payout = payout; }
    /// Latin-1, at most kMaxNameLength characters: what the library file can hold.
    [[nodiscard]] static QString storableName(const QString &name);

    // Run-time state.
    [[nodiscard]] int currentPalier() const { return m_currentPalier; }
    [[nodiscard]] const QList<int> &deficitRecups() const { return m_deficitRecups; }
    [[nodiscard]] int currentDeficitRecupIdx() const { return m_currentDeficitRecupIdx; }
    [[nodiscard]] int currentDeficitRecup() const { return m_currentDeficitRecup; }
    [[nodiscard]] int currentMiseRecup() const { return m_currentMiseRecup; }
    [[nodiscard]] int currentNbLoss() const { return m_currentNbLoss; }
    [[nodiscard]] int currentNbLossRecup() const { return m_currentNbLossRecup; }
    [[nodiscard]] int deficit() const { return m_deficit; }

private:
    void computeMiseRecup(int nbItems);
    void split(int amount);
    void enterRecovery(int deficit);
    void moveStep(int move);
    [[nodiscard]] int sumFrom(int index) const;

    QList<int> m_steps;
    int m_nbPaliersBack = kDefaultWinMove;
    int m_nbPaliersBackPerte = kDefaultLossMove;
    bool m_recupEnabled = false;
    int m_recupLossDivider = kRecupLossDividerBounds.initial;
    int m_nbToursMontante = kNbToursMontanteBounds.initial;
    bool m_recupRecompute = false;
    int m_nbWinRecalcul = kNbWinRecalculBounds.initial;
    int m_payout = 36;

    int m_currentPalier = 0;
    QList<int> m_deficitRecups;
    int m_currentDeficitRecupIdx = 0;
    int m_currentDeficitRecup = 0;
    int m_currentMiseRecup = 0;
    int m_currentNbLoss = 0;
    int m_currentNbLossRecup = 0;
    bool m_modeRecup = false;
    int m_deficit = 0;
    int m_deficitDepartModeRecup = 0;
    bool m_miseDepartAdded = false;
};

} // namespace Nox
