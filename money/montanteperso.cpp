#include "money/montanteperso.h"

#include <algorithm>
#include <climits>
#include <numeric>

namespace Nox {

namespace {

QString joined(const QList<int> &values)
{
    QStringList parts;
    parts.reserve(values.size());
    for (int v : values) {
        parts << QString::number(v);
    }
    return parts.join(QLatin1Char(','));
}

/// Stakes and deficits count base chips in ints, and a library may hold steps of any size:
/// every sum and product saturates at the int range instead of overflowing.
int saturated(qint64 value)
{
    return int(std::clamp<qint64>(value, INT_MIN, INT_MAX));
}

} // namespace

MontantePerso::MontantePerso(QString name)
    : NoxMontante(storableName(name))
{
    reset();
}

QString MontantePerso::storableName(const QString &name)
{
    return QString::fromLatin1(name.toLatin1().left(kMaxNameLength));
}

int MontantePerso::sumFrom(int index) const
{
    return saturated(
        std::accumulate(m_deficitRecups.cbegin() + std::clamp<qsizetype>(index, 0, m_deficitRecups.size()),
                        m_deficitRecups.cend(), qint64(0)));
}

int MontantePerso::computeMise(int nbItems, const NoxMethod *)
{
    computeMiseRecup(nbItems);
    int mise = 1;
    if (m_modeRecup) {
        mise = m_currentMiseRecup;
    } else if (!m_steps.isEmpty()) {
        mise = m_steps.at(std::clamp<qsizetype>(m_currentPalier, 0, m_steps.size() - 1));
    }
    return std::max(mise, 1);
}

void MontantePerso::computeMiseRecup(int nbItems)
{
    if (!m_modeRecup) {
        return;
    }
    m_currentDeficitRecup = std::max(m_currentDeficitRecup, 0);
    const int part = m_deficitRecups.value(m_currentDeficitRecupIdx, 1);
    const int items = std::clamp(nbItems, 0, m_payout - 1);
    m_currentMiseRecup =
        recoveringMultiplier(saturated(qint64(part) + m_currentDeficitRecup), m_payout, items);
}

void MontantePerso::split(int amount)
{
    m_currentPalier = 0;
    const int q = amount / std::max(m_recupLossDivider, 1);
    m_deficitRecups.fill(saturated(qint64(q) + 1));
}

void MontantePerso::enterRecovery(int deficit)
{
    m_currentNbLossRecup = 1;
    m_modeRecup = true;
    m_deficit = 0;
    m_currentNbLoss = 0;
    m_currentDeficitRecup = 0;
    m_currentPalier = 0;
    split(deficit);
}

void MontantePerso::moveStep(int move)
{
    if (move == kBackToStart) {
        m_currentPalier = 0;
        return;
    }
    m_currentPalier = saturated(std::max<qint64>(qint64(m_currentPalier) + move, 0));
    if (!m_steps.isEmpty()) {
        m_currentPalier = std::min(m_currentPalier, int(m_steps.size()) - 1);
    }
}

void MontantePerso::applyResult(int mise, bool won, int nbItems, const NoxMethod *)
{
    if (!m_modeRecup) {
        m_deficit = saturated(m_deficit + qint64(mise) * nbItems);
        if (won) {
            m_deficit = saturated(m_deficit - qint64(mise) * m_payout);
            if (m_recupEnabled) {
                if (m_deficit > 0) {
                    enterRecovery(m_deficit);
                    return;
                }
                m_deficit = 0;
            }
            moveStep(m_nbPaliersBack);
        } else {
            const bool lastStep = !m_steps.isEmpty() && m_currentPalier >= m_steps.size() - 1;
            if (m_recupEnabled && lastStep && m_deficit > 0) {
                enterRecovery(m_deficit);
                return;
            }
            moveStep(m_nbPaliersBackPerte);
        }
        return;
    }

    m_deficit = 0;
    m_currentPalier = 0;
    if (won) {
        m_currentDeficitRecup = saturated(m_currentDeficitRecup - qint64(mise) * m_payout);
        if (m_currentDeficitRecup > 0) {
            return;
        }
        m_currentNbLoss = 0;
        ++m_currentDeficitRecupIdx;
        m_currentDeficitRecup = 0;
        if (m_recupRecompute && m_nbWinRecalcul > 0 && m_currentDeficitRecupIdx >= m_nbWinRecalcul) {
            const int rest = sumFrom(m_currentDeficitRecupIdx);
            m_currentDeficitRecupIdx = 0;
            split(rest);
        }
        if (m_currentDeficitRecupIdx >= m_recupLossDivider) {
            m_currentDeficitRecupIdx = 0;
            m_modeRecup = false;
            m_currentPalier = 0;
            m_deficit = 0;
            m_deficitDepartModeRecup = 0;
        }
        m_miseDepartAdded = false;
        return;
    }
    computeMiseRecup(nbItems);
    ++m_currentNbLoss;
    m_miseDepartAdded = true;
    m_currentDeficitRecup = saturated(m_currentDeficitRecup + qint64(nbItems) * m_currentMiseRecup);
    if (m_currentNbLoss < m_nbToursMontante) {
        return;
    }
    // The parts already won back are dropped; the rest and the new losses are spread again.
    ++m_currentNbLossRecup;
    const int rest = saturated(qint64(m_currentDeficitRecup) + sumFrom(m_currentDeficitRecupIdx));
    m_currentNbLoss = 0;
    m_currentDeficitRecupIdx = 0;
    m_currentDeficitRecup = 0;
    split(rest);
}

void MontantePerso::reset()
{
    m_currentPalier = 0;
    m_modeRecup = false;
    m_recupLossDivider = kRecupLossDividerBounds.clamp(m_recupLossDivider);
    m_deficitRecups = QList<int>(m_recupLossDivider, 1);
    m_currentDeficitRecupIdx = 0;
    m_currentDeficitRecup = 0;
    m_currentMiseRecup = 0;
    m_currentNbLoss = 0;
}

void MontantePerso::getParameters(NoxMethodParameterList &parameters) const
{
    using P = NoxMethodParameter;
    parameters = {P::named(QStringLiteral("name"), name()),
                  P::named(QStringLiteral("steps"), joined(m_steps)),
                  P::named(QStringLiteral("nbPaliersBack"), m_nbPaliersBack),
                  P::named(QStringLiteral("nbPaliersBackPerte"), m_nbPaliersBackPerte),
                  P::named(QStringLiteral("recupEnabled"), m_recupEnabled),
                  P::named(QStringLiteral("recupLossDivider"), m_recupLossDivider),
                  P::named(QStringLiteral("nbToursMontante"), m_nbToursMontante),
                  P::named(QStringLiteral("recupRecompute"), m_recupRecompute),
                  P::named(QStringLiteral("nbWinRecalcul"), m_nbWinRecalcul)};
}

void MontantePerso::getDetails(NoxMethodParameterList &details) const
{
    using P = NoxMethodParameter;
    getParameters(details);
    int mise = 1;
    if (m_modeRecup) {
        mise = m_currentMiseRecup;
    } else if (!m_steps.isEmpty()) {
        mise = m_steps.value(m_currentPalier, 1);
    }
    details << P::named(QStringLiteral("currentPalier"), m_currentPalier)
            << P::named(QStringLiteral("dividerPerte"), m_recupLossDivider)
            << P::named(QStringLiteral("currentDeficitRecupIdx"), m_currentDeficitRecupIdx)
            << P::named(QStringLiteral("currentDeficitRecup"), m_currentDeficitRecup)
            << P::named(QStringLiteral("currentMiseRecup"), m_currentMiseRecup)
            << P::named(QStringLiteral("currentNbLoss"), m_currentNbLoss)
            << P::named(QStringLiteral("currentNbLossRecup"), m_currentNbLossRecup)
            << P::named(QStringLiteral("modeRecup"), m_modeRecup)
            << P::named(QStringLiteral("deficit"), m_deficit)
            << P::named(QStringLiteral("deficitDepartModeRecup"), m_deficitDepartModeRecup)
            << P::named(QStringLiteral("miseDepartAdded"), m_miseDepartAdded)
            << P::named(QStringLiteral("mise"), mise)
            << P::named(QStringLiteral("deficitRecups"), joined(m_deficitRecups));
}

void MontantePerso::setParameters(const NoxMethodParameterList &parameters)
{
    for (const NoxMethodParameter &p : parameters) {
        const NoxValue &v = p.value;
        const QString &n = p.name;
        if (n == u"name" && v.type() == NoxValue::Type::String) {
            setName(storableName(v.toString()));
        } else if (n == u"steps" && v.type() == NoxValue::Type::String) {
            QList<int> steps;
            for (const QString &piece : v.toString().split(QLatin1Char(','))) {
                bool ok = false;
                const int step = piece.trimmed().toInt(&ok, 10);
                if (ok) {
                    steps << step;
                }
            }
            m_steps = steps;
        } else if (v.type() == NoxValue::Type::Int) {
            if (n == u"nbPaliersBack") {
                m_nbPaliersBack = v.toInt();
            } else if (n == u"nbPaliersBackPerte") {
                m_nbPaliersBackPerte = v.toInt();
            } else if (n == u"nbToursMontante") {
                m_nbToursMontante = v.toInt();
            } else if (n == u"nbWinRecalcul") {
                m_nbWinRecalcul = v.toInt();
            } else if (n == u"recupLossDivider") {
                m_recupLossDivider = kRecupLossDividerBounds.clamp(v.toInt());
                reset();
            }
        } else if (v.type() == NoxValue::Type::Bool) {
            if (n == u"recupEnabled") {
                m_recupEnabled = v.toBool();
            } else if (n == u"recupRecompute") {
                m_recupRecompute = v.toBool();
            }
        }
    }
}

} // namespace Nox
