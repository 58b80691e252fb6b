#include "uiusermontanteeditor.h"

#include "uiwrapper.h"

#include <QRegularExpression>

using Nox::MontantePerso;

namespace {

const QString kName = QStringLiteral("name");
const QString kSteps = QStringLiteral("steps");
const QString kNbPaliersBack = QStringLiteral("nbPaliersBack");
const QString kNbPaliersBackPerte = QStringLiteral("nbPaliersBackPerte");
const QString kRecupEnabled = QStringLiteral("recupEnabled");
const QString kRecupLossDivider = QStringLiteral("recupLossDivider");
const QString kNbToursMontante = QStringLiteral("nbToursMontante");
const QString kRecupRecompute = QStringLiteral("recupRecompute");
const QString kNbWinRecalcul = QStringLiteral("nbWinRecalcul");
const QString kMontanteId = QStringLiteral("montanteId");

/// Stores `value` in `field`; true when that changed it.
template<typename T>
bool assign(T &field, const T &value)
{
    if (field == value) {
        return false;
    }
    field = value;
    return true;
}

/// A piece of digits as a step: leading zeros dropped, numbers too long for an int taken as
/// beyond the range.
int stepOf(QStringView digits)
{
    while (digits.size() > 1 && digits.front() == u'0') {
        digits = digits.mid(1);
    }
    constexpr qsizetype kMaxDigits = 9; // every 9-digit number fits an int
    const int value = digits.size() > kMaxDigits ? MontantePerso::kStepBounds.maximum : digits.toInt();
    return MontantePerso::kStepBounds.clamp(value);
}

} // namespace

UIUserMontanteEditor::UIUserMontanteEditor(QObject *parent)
    : QObject(parent)
{
    clear();
}

UIUserMontanteEditor::~UIUserMontanteEditor() = default;

void UIUserMontanteEditor::setFacade(UIWrapper *facade)
{
    if (m_facade != facade) {
        m_facade = facade;
        emit facadeChanged();
    }
}

void UIUserMontanteEditor::setMontanteId(int id)
{
    if (assign(m_montanteId, id)) {
        emit montanteIdChanged();
    }
}

void UIUserMontanteEditor::setName(const QString &name)
{
    if (assign(m_name, name)) {
        emit nameChanged();
        updateCanSave();
    }
}

void UIUserMontanteEditor::setSteps(const QString &steps)
{
    if (assign(m_steps, steps)) {
        emit stepsChanged();
        updateCanSave();
    }
}

void UIUserMontanteEditor::setNbPaliersBack(int move)
{
    const std::optional<int> bounded = MontantePerso::boundedMove(move);
    if (bounded && assign(m_nbPaliersBack, *bounded)) {
        emit nbPaliersBackChanged();
    }
}

void UIUserMontanteEditor::setNbPaliersBackPerte(int move)
{
    const std::optional<int> bounded = MontantePerso::boundedMove(move);
    if (bounded && assign(m_nbPaliersBackPerte, *bounded)) {
        emit nbPaliersBackPerteChanged();
    }
}

void UIUserMontanteEditor::setRecupEnabled(bool on)
{
    if (assign(m_recupEnabled, on)) {
        emit recupEnabledChanged();
    }
}

void UIUserMontanteEditor::setRecupLossDivider(int divider)
{
    if (assign(m_recupLossDivider, MontantePerso::kRecupLossDividerBounds.clamp(divider))) {
        emit recupLossDividerChanged();
    }
}

void UIUserMontanteEditor::setNbToursMontante(int losses)
{
    if (assign(m_nbToursMontante, MontantePerso::kNbToursMontanteBounds.clamp(losses))) {
        emit nbToursMontanteChanged();
    }
}

void UIUserMontanteEditor::setRecupRecompute(bool on)
{
    if (assign(m_recupRecompute, on)) {
        emit recupRecomputeChanged();
    }
}

void UIUserMontanteEditor::setNbWinRecalcul(int parts)
{
    if (assign(m_nbWinRecalcul, MontantePerso::kNbWinRecalculBounds.clamp(parts))) {
        emit nbWinRecalculChanged();
    }
}

bool UIUserMontanteEditor::canSave() const
{
    return !normalizedName(m_name).isEmpty() && !normalizedSteps(m_steps).isEmpty();
}

void UIUserMontanteEditor::updateCanSave()
{
    if (assign(m_canSave, canSave())) {
        emit canSaveChanged();
    }
}

int UIUserMontanteEditor::nameMaxLength()
{
    return MontantePerso::kMaxNameLength;
}

UIIntRange UIUserMontanteEditor::stepRange()
{
    return UIIntRange(MontantePerso::kStepBounds);
}

QString UIUserMontanteEditor::proposedSteps()
{
    QStringList steps;
    for (int step : MontantePerso::kProposedSteps) {
        steps << QString::number(step);
    }
    return steps.join(QLatin1Char(','));
}

UIIntRange UIUserMontanteEditor::moveRange()
{
    return UIIntRange(MontantePerso::kMoveBounds);
}

int UIUserMontanteEditor::backToStart()
{
    return MontantePerso::kBackToStart;
}

int UIUserMontanteEditor::defaultWinMove()
{
    return MontantePerso::kDefaultWinMove;
}

int UIUserMontanteEditor::defaultLossMove()
{
    return MontantePerso::kDefaultLossMove;
}

UIIntRange UIUserMontanteEditor::recupLossDividerRange()
{
    return UIIntRange(MontantePerso::kRecupLossDividerBounds);
}

UIIntRange UIUserMontanteEditor::nbToursMontanteRange()
{
    return UIIntRange(MontantePerso::kNbToursMontanteBounds);
}

UIIntRange UIUserMontanteEditor::nbWinRecalculRange()
{
    return UIIntRange(MontantePerso::kNbWinRecalculBounds);
}

QString UIUserMontanteEditor::normalizedSteps(const QString &text) const
{
    static const QRegularExpression separators(QStringLiteral("[,;\\s]+"));
    static const QRegularExpression digits(QStringLiteral("^[0-9]+$"));
    QStringList steps;
    for (const QString &piece : text.split(separators, Qt::SkipEmptyParts)) {
        if (digits.match(piece).hasMatch()) {
            steps << QString::number(stepOf(piece));
        }
    }
    return steps.join(QLatin1Char(','));
}

QString UIUserMontanteEditor::normalizedName(const QString &text) const
{
    QString name;
    name.reserve(text.size());
    for (QChar c : text) {
        const char16_t u = c.unicode();
        if ((u >= 0x20 && u <= 0x7e) || (u >= 0xa0 && u <= 0xff)) {
            name.append(c);
        }
    }
    return name.trimmed().left(MontantePerso::kMaxNameLength);
}

void UIUserMontanteEditor::clear()
{
    const MontantePerso fresh;
    setMontanteId(-1);
    setName(QString());
    setSteps(proposedSteps());
    setNbPaliersBack(fresh.nbPaliersBack());
    setNbPaliersBackPerte(fresh.nbPaliersBackPerte());
    setRecupEnabled(fresh.recupEnabled());
    setRecupLossDivider(fresh.recupLossDivider());
    setNbToursMontante(fresh.nbToursMontante());
    setRecupRecompute(fresh.recupRecompute());
    setNbWinRecalcul(fresh.nbWinRecalcul());
}

bool UIUserMontanteEditor::load(int id)
{
    clear();
    if (!m_facade || !userIds().contains(id)) {
        return false;
    }
    const QVariantMap m = m_facade->getUserMontante(id).toMap();
    setMontanteId(id);
    setName(m.value(kName).toString());
    setSteps(m.value(kSteps).toString());
    // What the store lacks keeps the default clear() gave; the setters bound the rest.
    setNbPaliersBack(m.value(kNbPaliersBack, m_nbPaliersBack).toInt());
    setNbPaliersBackPerte(m.value(kNbPaliersBackPerte, m_nbPaliersBackPerte).toInt());
    setRecupEnabled(m.value(kRecupEnabled, m_recupEnabled).toBool());
    setRecupLossDivider(m.value(kRecupLossDivider, m_recupLossDivider).toInt());
    setNbToursMontante(m.value(kNbToursMontante, m_nbToursMontante).toInt());
    setRecupRecompute(m.value(kRecupRecompute, m_recupRecompute).toBool());
    setNbWinRecalcul(m.value(kNbWinRecalcul, m_nbWinRecalcul).toInt());
    return true;
}

QVariantMap UIUserMontanteEditor::model() const
{
    return {{kName, normalizedName(m_name)},       {kSteps, normalizedSteps(m_steps)},
            {kNbPaliersBack, m_nbPaliersBack},     {kNbPaliersBackPerte, m_nbPaliersBackPerte},
            {kRecupEnabled, m_recupEnabled},       {kRecupLossDivider, m_recupLossDivider},
            {kNbToursMontante, m_nbToursMontante}, {kRecupRecompute, m_recupRecompute},
            {kNbWinRecalcul, m_nbWinRecalcul}};
}

QList<int> UIUserMontanteEditor::userIds() const
{
    QList<int> ids;
    if (m_facade) {
        for (const QVariant &entry : m_facade->getUserMontantes()) {
            ids << entry.toMap().value(kMontanteId).toInt();
        }
    }
    return ids;
}

bool UIUserMontanteEditor::save()
{
    if (!m_facade || !canSave()) {
        return false;
    }
    const QList<int> before = userIds();
    const bool written = m_facade->upsertUserMontante(m_montanteId, model());
    int id = m_montanteId;
    if (id < 0) {
        // The new progression is the one the facade did not list before.
        for (int candidate : userIds()) {
            if (!before.contains(candidate)) {
                id = candidate;
            }
        }
    }
    load(id);
    return written;
}

bool UIUserMontanteEditor::remove()
{
    if (!m_facade || m_montanteId < 0) {
        return false;
    }
    const bool written = m_facade->removeUserMontante(m_montanteId);
    clear();
    return written;
}
