#pragma once

#include "uiintrange.h"

#include <QObject>
#include <QtQml/qqmlregistration.h>

/// One step move of a user progression (MontantePerso) as its editor shows it: a mode (back to
/// the first step, back n steps, forward n steps) and the count n. The stored move is
/// MontantePerso::kBackToStart, −n or +n; compose() makes one from a mode and a count, the
/// count kept within the progression's move bounds.
///
/// Thread rules: GUI thread only.
class UIStepMove : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(int move READ move WRITE setMove NOTIFY moveChanged)
    Q_PROPERTY(Mode mode READ mode NOTIFY moveChanged)
    Q_PROPERTY(int count READ count NOTIFY moveChanged)
    Q_PROPERTY(UIIntRange countRange READ countRange CONSTANT)
    Q_PROPERTY(int backToStart READ backToStart CONSTANT)

public:
    /// The choices of the editor, in the order it lists them.
    enum Mode { Restart, Back, Forward };
    Q_ENUM(Mode)

    explicit UIStepMove(QObject *parent = nullptr);

    [[nodiscard]] int move() const { return m_move; }
    void setMove(int move);
    [[nodiscard]] Mode mode() const { return modeOf(m_move); }
    /// The steps moved (1 for a restart), within countRange.
    [[nodiscard]] int count() const { return countOf(m_move); }
    [[nodiscard]] UIIntRange countRange() const { return UIIntRange(Nox::MontantePerso::kMoveBounds); }
    [[nodiscard]] int backToStart() const { return Nox::MontantePerso::kBackToStart; }

    /// The stored move of `mode` and `count` (the count clamped to countRange; an unknown mode
    /// is a restart).
    [[nodiscard]] Q_INVOKABLE int compose(int mode, int count) const;

    [[nodiscard]] static Mode modeOf(int move);
    [[nodiscard]] static int countOf(int move);

signals:
    void moveChanged();

private:
    int m_move = Nox::MontantePerso::kBackToStart;
};
