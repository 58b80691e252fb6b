#pragma once

#include <QList>
#include <QtGlobal>

namespace Nox {

class NoxMontante;

/// What a progression costs when it keeps losing: the stake of each step (palier), the total
/// lost after that many losses in a row, and the first step that passes the table's limit, the
/// largest stake per coup, the loss limit or the capital. Amounts in hundredths.
class NoxStepTable
{
public:
    /// The limits a step is held against; 0 is no limit.
    struct Limits {
        qint64 tableLimit = 0; ///< the table's maximum on one item
        qint64 maxStake = 0;   ///< the largest stake of a coup
        qint64 lossLimit = 0;  ///< the session's loss limit, as a positive amount
        qint64 capital = 0;    ///< what the player can lose
    };
    struct Step {
        qint64 stake = 0; ///< the coup's stake: every item at this step
        qint64 lost = 0;  ///< lost after this many losses in a row, this step's included
    };

    static constexpr int kMaxSteps = 30;

    /// Loses coup after coup with `montante` (a copy started over: it is played) on `items`
    /// items of `chip` each, until the step the capital cannot pay is listed or `maxSteps`
    /// steps are. A stake past the engine's money limit ends the table too.
    static NoxStepTable compute(NoxMontante &montante, int items, qint64 chip, const Limits &limits,
                                int maxSteps = kMaxSteps);

    [[nodiscard]] const QList<Step> &steps() const { return m_steps; }
    /// The first step (from 0) whose stake on one item passes the table's limit; -1 for none.
    [[nodiscard]] int firstOverTableLimit() const { return m_firstOverTable; }
    /// The first step whose stake passes the largest stake per coup; -1 for none.
    [[nodiscard]] int firstOverMaxStake() const { return m_firstOverMaxStake; }
    /// The first step after which the loss passes the loss limit; -1 for none.
    [[nodiscard]] int firstOverLossLimit() const { return m_firstOverLossLimit; }
    /// The first step the capital left cannot pay; -1 for none.
    [[nodiscard]] int firstOverCapital() const { return m_firstOverCapital; }

private:
    QList<Step> m_steps;
    int m_firstOverTable = -1;
    int m_firstOverMaxStake = -1;
    int m_firstOverLossLimit = -1;
    int m_firstOverCapital = -1;
};

} // namespace Nox
