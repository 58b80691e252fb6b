#pragma once

#include "uiintrange.h"

#include <QObject>
#include <QPointer>
#include <QString>
#include <QVariantMap>
#include <QtQml/qqmlregistration.h>

class UIWrapper;

/// The editor of one user progression on the "Montante perso" page: its fields (a new
/// progression while montanteId is −1), each with the range and the default that
/// MontantePerso states, and the calls that load, save and remove it through the facade.
///
/// Numbers are kept within their ranges as they are set: a value beyond a range is clamped to
/// it, and a step move of 0 (which moves nowhere and which the editor cannot show) is refused.
/// The name and the steps are kept as typed, so that a field being edited is never rewritten
/// under the cursor; save() stores normalizedName() and normalizedSteps(), and canSave says
/// whether both hold something.
///
/// Thread rules: GUI thread only.
class UIUserMontanteEditor : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    Q_MOC_INCLUDE("uiwrapper.h")
    Q_PROPERTY(UIWrapper *facade READ facade WRITE setFacade NOTIFY facadeChanged)
    Q_PROPERTY(int montanteId READ montanteId NOTIFY montanteIdChanged)
    Q_PROPERTY(QString name READ name WRITE setName NOTIFY nameChanged)
    Q_PROPERTY(QString steps READ steps WRITE setSteps NOTIFY stepsChanged)
    Q_PROPERTY(int nbPaliersBack READ nbPaliersBack WRITE setNbPaliersBack NOTIFY nbPaliersBackChanged)
    Q_PROPERTY(int nbPaliersBackPerte READ nbPaliersBackPerte WRITE setNbPaliersBackPerte NOTIFY
                   nbPaliersBackPerteChanged)
    Q_PROPERTY(bool recupEnabled READ recupEnabled WRITE setRecupEnabled NOTIFY recupEnabledChanged)
    Q_PROPERTY(
        int recupLossDivider READ recupLossDivider WRITE setRecupLossDivider NOTIFY recupLossDividerChanged)
    Q_PROPERTY(
        int nbToursMontante READ nbToursMontante WRITE setNbToursMontante NOTIFY nbToursMontanteChanged)
    Q_PROPERTY(bool recupRecompute READ recupRecompute WRITE setRecupRecompute NOTIFY recupRecomputeChanged)
    Q_PROPERTY(int nbWinRecalcul READ nbWinRecalcul WRITE setNbWinRecalcul NOTIFY nbWinRecalculChanged)
    Q_PROPERTY(bool canSave READ canSave NOTIFY canSaveChanged)
    // The limits and defaults of the fields.
    Q_PROPERTY(int nameMaxLength READ nameMaxLength CONSTANT)
    Q_PROPERTY(UIIntRange stepRange READ stepRange CONSTANT)
    Q_PROPERTY(QString proposedSteps READ proposedSteps CONSTANT)
    Q_PROPERTY(UIIntRange moveRange READ moveRange CONSTANT)
    Q_PROPERTY(int backToStart READ backToStart CONSTANT)
    Q_PROPERTY(int defaultWinMove READ defaultWinMove CONSTANT)
    Q_PROPERTY(int defaultLossMove READ defaultLossMove CONSTANT)
    Q_PROPERTY(UIIntRange recupLossDividerRange READ recupLossDividerRange CONSTANT)
    Q_PROPERTY(UIIntRange nbToursMontanteRange READ nbToursMontanteRange CONSTANT)
    Q_PROPERTY(UIIntRange nbWinRecalculRange READ nbWinRecalculRange CONSTANT)

public:
    /// A new progression, with the defaults.
    explicit UIUserMontanteEditor(QObject *parent = nullptr);
    ~UIUserMontanteEditor() override;

    /// The facade that load(), save() and remove() go through (not owned).
    [[nodiscard]] UIWrapper *facade() const { return m_facade; }
    void setFacade(UIWrapper *facade);

    /// The progression being edited; −1 for a new one.
    [[nodiscard]] int montanteId() const { return m_montanteId; }
    [[nodiscard]] QString name() const { return m_name; }
    void setName(const QString &name);
    [[nodiscard]] QString steps() const { return m_steps; }
    void setSteps(const QString &steps);
    [[nodiscard]] int nbPaliersBack() const { return m_nbPaliersBack; }
    void setNbPaliersBack(int move);
    [[nodiscard]] int nbPaliersBackPerte() const { return m_nbPaliersBackPerte; }
    void setNbPaliersBackPerte(int move);
    [[nodiscard]] bool recupEnabled() const { return m_recupEnabled; }
    void setRecupEnabled(bool on);
    [[nodiscard]] int recupLossDivider() const { return m_recupLossDivider; }
    void setRecupLossDivider(int divider);
    [[nodiscard]] int nbToursMontante() const { return m_nbToursMontante; }
    void setNbToursMontante(int losses);
    [[nodiscard]] bool recupRecompute() const { return m_recupRecompute; }
    void setRecupRecompute(bool on);
    [[nodiscard]] int nbWinRecalcul() const { return m_nbWinRecalcul; }
    void setNbWinRecalcul(int parts);
    [[nodiscard]] bool canSave() const;

    [[nodiscard]] static int nameMaxLength();
    [[nodiscard]] static UIIntRange stepRange();
    [[nodiscard]] static QString proposedSteps();
    [[nodiscard]] static UIIntRange moveRange();
    [[nodiscard]] static int backToStart();
    [[nodiscard]] static int defaultWinMove();
    [[nodiscard]] static int defaultLossMove();
    [[nodiscard]] static UIIntRange recupLossDividerRange();
    [[nodiscard]] static UIIntRange nbToursMontanteRange();
    [[nodiscard]] static UIIntRange nbWinRecalculRange();

    /// The steps as stored: whole numbers joined by commas, each within stepRange; pieces that
    /// are not whole numbers are dropped, numbers beyond the range are clamped to it.
    [[nodiscard]] Q_INVOKABLE QString normalizedSteps(const QString &text) const;
    /// The name as stored: printable Latin-1 characters (what the library file holds), the
    /// spaces around them trimmed, at most nameMaxLength of them.
    [[nodiscard]] Q_INVOKABLE QString normalizedName(const QString &text) const;

    /// Takes the progression `id` from the facade (a field it lacks takes its default); false,
    /// and a new progression, when the facade has no user progression of that id.
    Q_INVOKABLE bool load(int id);
    /// A new progression with the defaults: the values of a new MontantePerso, and the
    /// proposed steps.
    Q_INVOKABLE void clear();
    /// Creates (montanteId −1) or updates the progression through the facade's
    /// upsertUserMontante() and loads what was stored, the new progression's identifier
    /// included. False when there is nothing to save (canSave false, no facade) or when the
    /// library could not be written (the facade's fileMessage says why; the progression is
    /// kept in the program all the same).
    Q_INVOKABLE bool save();
    /// Removes the progression through the facade and starts a new one; false when the library
    /// could not be written (fileMessage says why) or when there is nothing to remove.
    Q_INVOKABLE bool remove();

    /// The fields as the facade's upsertUserMontante() takes them, normalised.
    [[nodiscard]] QVariantMap model() const;

signals:
    void facadeChanged();
    void montanteIdChanged();
    void nameChanged();
    void stepsChanged();
    void nbPaliersBackChanged();
    void nbPaliersBackPerteChanged();
    void recupEnabledChanged();
    void recupLossDividerChanged();
    void nbToursMontanteChanged();
    void recupRecomputeChanged();
    void nbWinRecalculChanged();
    void canSaveChanged();

private:
    void setMontanteId(int id);
    /// The identifiers of the facade's user progressions.
    [[nodiscard]] QList<int> userIds() const;
    /// Emits canSaveChanged() when canSave() differs from the value last announced.
    void updateCanSave();

    QPointer<UIWrapper> m_facade;
    int m_montanteId = -1;
    QString m_name;
    QString m_steps;
    // Set by clear() from a new MontantePerso: its defaults are the editor's.
    int m_nbPaliersBack = 0;
    int m_nbPaliersBackPerte = 0;
    bool m_recupEnabled = false;
    int m_recupLossDivider = 0;
    int m_nbToursMontante = 0;
    bool m_recupRecompute = false;
    int m_nbWinRecalcul = 0;
    bool m_canSave = false;
};
