#pragma once

#include "uisummary.h"

#include <QColor>
#include <QJSValue>
#include <QObject>
#include <QPointer>
#include <QSet>
#include <QVariant>
#include <QtQml/qqmlregistration.h>

#include <atomic>
#include <memory>

class QQuickWindow;
class QTranslator;
class UICalibrationModel;
class UIEngineConfig;
class UIFilteredMethodListModel;
class UIFinancialConfig;
class UIHistoryImport;
class UIMethodChartModel;
class UIMethodListModel;
class UINotificationModel;
class UIPlayedListModel;
class UIRoads;
class UIRiskEstimate;

namespace Nox {
class NoxBetPlacement;
class NoxEngine;
class NoxInput;
class NoxMethodState;
} // namespace Nox

/// The one object through which the screens read the engine and ask it to act. It owns the
/// presentation models, turns the engine's notifications into coalesced refreshes on the GUI
/// thread and converts engine values into QML values. It holds no betting rule of its own:
/// every operation is a call into the engine.
///
/// Thread rules: lives on the GUI thread; every invokable is called there. The engine may
/// signal from its task thread: onItemsToPlayChangedAsync() and onMethodStatesChangedAsync()
/// run in the emitting thread and only test-and-set an atomic flag and emit an internal signal
/// queued to the GUI thread, so a burst of notifications gives one refresh and every read of
/// engine state for the screens happens on the GUI thread. restart() and resetFinancial()
/// block the GUI thread until the engine task has finished.
class UIWrapper : public QObject
{
    Q_OBJECT
    Q_MOC_INCLUDE("uicalibrationmodel.h")
    Q_MOC_INCLUDE("uiengineconfig.h")
    Q_MOC_INCLUDE("uifilteredmethodlistmodel.h")
    Q_MOC_INCLUDE("uifinancialconfig.h")
    Q_MOC_INCLUDE("uihistoryimport.h")
    Q_MOC_INCLUDE("uimethodchartmodel.h")
    Q_MOC_INCLUDE("uimethodlistmodel.h")
    Q_MOC_INCLUDE("uinotificationmodel.h")
    Q_MOC_INCLUDE("uiplayedlistmodel.h")
    Q_MOC_INCLUDE("uiriskestimate.h")
    Q_MOC_INCLUDE("uiroads.h")
    Q_MOC_INCLUDE(<QQuickWindow>)
    QML_ELEMENT
    QML_SINGLETON
    Q_PROPERTY(QVariantMap keypad READ keypad WRITE setKeypad NOTIFY keypadChanged)
    Q_PROPERTY(int test READ test NOTIFY testChanged)
    Q_PROPERTY(UIPlayedListModel *playedItems READ playedItems WRITE setPlayedItems NOTIFY playedItemsChanged)
    /// The scoreboard of the current shoe (baccarat edition; empty in the roulette edition).
    Q_PROPERTY(UIRoads *roads READ roads CONSTANT)
    /// What the current progression can cost: its steps and the estimated risk of a session.
    Q_PROPERTY(UIRiskEstimate *risk READ risk CONSTANT)
    Q_PROPERTY(QVariant summary READ summary NOTIFY summaryChanged)
    Q_PROPERTY(QVariant methodConfig READ methodConfig NOTIFY methodConfigChanged)
    Q_PROPERTY(QQuickWindow *mainWindow READ mainWindow CONSTANT)
    Q_PROPERTY(UIEngineConfig *engineConfig READ engineConfig CONSTANT)
    Q_PROPERTY(UIFinancialConfig *financial READ financial CONSTANT)
    Q_PROPERTY(UIFilteredMethodListModel *filteredMethodList READ filteredMethodList CONSTANT)
    Q_PROPERTY(UIMethodListModel *methodList READ methodList CONSTANT)
    Q_PROPERTY(QVariant financialStats READ financialStats NOTIFY financialStatsChanged)
    Q_PROPERTY(QList<int> financialProfitList READ financialProfitList NOTIFY financialProfitListChanged)
    Q_PROPERTY(QList<int> financialBetList READ financialBetList NOTIFY financialBetListChanged)
    Q_PROPERTY(QVariantMap currentMontantes READ currentMontantes NOTIFY currentMontantesChanged)
    Q_PROPERTY(QVariantMap montantes READ montantes NOTIFY montantesChanged)
    Q_PROPERTY(UIFilteredMethodListModel *userMethods READ userMethods CONSTANT)
    Q_PROPERTY(UIFilteredMethodListModel *quickMethods READ quickMethods CONSTANT)
    Q_PROPERTY(UIFilteredMethodListModel *splitMethods READ splitMethods CONSTANT)
    Q_PROPERTY(UIFilteredMethodListModel *sortedMethodList READ sortedMethodList CONSTANT)
    Q_PROPERTY(QList<QColor> methodColors READ methodColors CONSTANT)
    Q_PROPERTY(
        UICalibrationModel *calibration READ calibration WRITE setCalibration NOTIFY calibrationChanged)
    Q_PROPERTY(UINotificationModel *notifications READ notifications CONSTANT)
    Q_PROPERTY(QString language READ language WRITE setLanguage NOTIFY languageChanged)
    Q_PROPERTY(
        QVariantMap currentMontanteDetails READ currentMontanteDetails NOTIFY currentMontanteDetailsChanged)
    Q_PROPERTY(QString betError READ betError NOTIFY betErrorChanged)
    /// Why the keypad does not take a result now ("Limite atteinte : ..." and what to do), or
    /// "" when it does.
    Q_PROPERTY(QString playRefusal READ playRefusal NOTIFY playRefusalChanged)
    Q_PROPERTY(QString fileMessage READ fileMessage NOTIFY fileMessageChanged)
    Q_PROPERTY(UIHistoryImport *historyImport READ historyImport CONSTANT)
    Q_PROPERTY(QString importMessage READ importMessage NOTIFY importMessageChanged)
    Q_PROPERTY(bool waylandSession READ waylandSession CONSTANT)
    Q_PROPERTY(bool xwaylandConfirmed READ xwaylandConfirmed WRITE setXwaylandConfirmed NOTIFY
                   xwaylandConfirmedChanged)
    Q_PROPERTY(bool clicksReachTable READ clicksReachTable NOTIFY xwaylandConfirmedChanged)

public:
    explicit UIWrapper(QObject *parent = nullptr);
    ~UIWrapper() override;

    [[nodiscard]] Nox::NoxEngine *engine() const { return m_engine; }

    [[nodiscard]] QVariantMap keypad() const { return m_keypad; }
    void setKeypad(const QVariantMap &keypad);
    [[nodiscard]] int test() const { return m_test; }
    [[nodiscard]] UIPlayedListModel *playedItems() const { return m_playedItems; }
    void setPlayedItems(UIPlayedListModel *model);
    [[nodiscard]] UIRoads *roads() const { return m_roads; }
    [[nodiscard]] UIRiskEstimate *risk() const { return m_risk; }
    [[nodiscard]] QVariant summary() const { return QVariant::fromValue(m_summary); }
    [[nodiscard]] const UISummary &summaryRecord() const { return m_summary; }
    [[nodiscard]] QVariant methodConfig() const;
    [[nodiscard]] QQuickWindow *mainWindow() const;
    [[nodiscard]] UIEngineConfig *engineConfig() const { return m_engineConfig; }
    [[nodiscard]] UIFinancialConfig *financial() const { return m_financial; }
    [[nodiscard]] UIFilteredMethodListModel *filteredMethodList() const { return m_filteredMethodList; }
    [[nodiscard]] UIMethodListModel *methodList() const { return m_methodList; }
    [[nodiscard]] QVariant financialStats() const;
    [[nodiscard]] QList<int> financialProfitList() const;
    [[nodiscard]] QList<int> financialBetList() const;
    [[nodiscard]] QVariantMap currentMontantes() const;
    [[nodiscard]] QVariantMap montantes() const;
    [[nodiscard]] UIFilteredMethodListModel *userMethods() const { return m_userMethods; }
    [[nodiscard]] UIFilteredMethodListModel *quickMethods() const { return m_quickMethods; }
    [[nodiscard]] UIFilteredMethodListModel *splitMethods() const { return m_splitMethods; }
    [[nodiscard]] UIFilteredMethodListModel *sortedMethodList() const { return m_sortedMethodList; }
    [[nodiscard]] QList<QColor> methodColors() const;
    [[nodiscard]] UICalibrationModel *calibration() const { return m_calibration; }
    void setCalibration(UICalibrationModel *calibration);
    [[nodiscard]] UINotificationModel *notifications() const { return m_notifications; }
    [[nodiscard]] QString language() const;
    [[nodiscard]] QVariantMap currentMontanteDetails() const;
    /// Why the last bet() returned false, or, when Control stopped it, how far it went (the
    /// clicks made and what each place holds); empty after a bet that ran to its end.
    [[nodiscard]] QString betError() const { return m_betError; }
    [[nodiscard]] QString playRefusal() const { return m_playRefusal; }
    /// What the last file operation has to tell the player: why a profile could not be loaded
    /// or saved, why the progressions could not be imported or written, or what an import
    /// took (and, for methods, refused). Empty after a profile or progression operation that
    /// went through.
    [[nodiscard]] QString fileMessage() const { return m_fileMessage; }
    /// The import of a pasted history or a history file, its progress and its message.
    [[nodiscard]] UIHistoryImport *historyImport() const { return m_historyImport; }
    /// What the last history import did (results added, lines corrected or skipped, results
    /// that did not fit); empty before the first one.
    [[nodiscard]] QString importMessage() const;
    /// The user input that bet() clicks through: the one the main window owns (handed over by
    /// UIMainWindow::shareInputWith), or a fake in the tests. Not owned; null means bet()
    /// refuses, with betError saying why.
    void setBetInput(Nox::NoxInput *input);
    [[nodiscard]] Nox::NoxInput *betInput() const { return m_betInput; }
    /// True in a Wayland session (UIDisplaySession::isWayland of the environment at
    /// construction), where the synthetic clicks reach only programs under XWayland.
    [[nodiscard]] bool waylandSession() const { return m_waylandSession; }
    /// The player's word that the casino's table runs under XWayland, so that the clicks reach
    /// it in a Wayland session. Kept for this run of the program only: a browser update or
    /// another session can change it by the next one.
    [[nodiscard]] bool xwaylandConfirmed() const { return m_xwaylandConfirmed; }
    void setXwaylandConfirmed(bool confirmed);
    /// False while bet() refuses because the clicks would not reach the table.
    [[nodiscard]] bool clicksReachTable() const { return !m_waylandSession || m_xwaylandConfirmed; }

signals:
    void keypadChanged(QVariantMap keypad);
    void testChanged(int test);
    void playedItemsChanged(UIPlayedListModel *playedItems);
    void summaryChanged(QVariant summary);
    void methodConfigChanged(QVariant methodConfig);
    void financialStatsChanged(QVariant financialStats);
    void financialProfitListChanged(QList<int> financialProfitList);
    void financialBetListChanged(QList<int> financialBetList);
    void financialChanged();
    void currentMontantesChanged();
    void montantesChanged();
    void calibrationChanged();
    void languageChanged();
    void currentMontanteDetailsChanged();
    void currenProfileChanged();
    void betErrorChanged();
    void playRefusalChanged();
    void fileMessageChanged();
    void importMessageChanged();
    void xwaylandConfirmedChanged();
    void itemsToPlayChangedInternal();
    void methodStatesChangedInternal();

public slots:
    void play(int value);
    void unplay();
    void restart();
    void suspend();
    void resume();
    void resetFinancial();
    void resetFinancialStats();
    void resetMontante();
    void truncatePlayedItems(int toKeep = -1);
    /// Starts a new shoe after the last result; nothing while the current shoe is empty.
    void newShoe();
    void setMethodActive(int id, bool active);
    void setMethodVisible(int id, bool visible);
    void setMethodSplitVisible(int id, bool visible);
    void setMethodsVisible(const QString &color, bool visible);
    void setMethodConfigValue(int id, const QString &key, const QVariant &value);
    void setMethodsConfigValue(const QString &color, const QString &key, const QVariant &value);
    void setCurrentMontante(const QString &type, const QString &name);
    /// False when the profile could not be used (nothing changed); fileMessage says why.
    bool loadProfile(const QString &path);
    /// False when the profile could not be written; fileMessage says why.
    bool saveProfile(const QString &path);
    void setLanguage(const QString &code);
    void removeUserMethod(int id);
    void removeAllUserMethods();
    void upsertUserMethod(int id, const QVariant &model);
    /// Adds the methods of a file; fileMessage says how many lines were taken and refused
    /// (with the first refused line numbers). False when the file could not be read or gave
    /// no method.
    bool importUserMethods(const QString &path);
    void setEngineConfigValue(const QString &name, const QVariant &value);
    /// These two write the progression library at once when the engine has a settings store;
    /// false when it could not be written, with fileMessage saying why.
    bool removeUserMontante(int id);
    bool upsertUserMontante(int id, const QVariant &model);
    /// Adds the progressions of a library file to the player's and writes the library;
    /// fileMessage says how many were added, or why the file could not be used (then nothing
    /// is added and the result is false).
    bool importMontanteLibrary(const QString &path);

    void onItemsToPlayChanged();
    void onPlayedItemsChanged();
    void refreshPlayRefusal();
    void onMethodStatesChanged();
    void onItemsToPlayChangedAsync();
    void onMethodStatesChangedAsync();

public:
    Q_INVOKABLE void loadTestMethods();
    Q_INVOKABLE QList<QVariant> getUserMontantes() const;
    Q_INVOKABLE QVariant getUserMethod(int id) const;
    Q_INVOKABLE QVariant getUserMontante(int id) const;
    Q_INVOKABLE int getMethodId(const QString &name) const;
    Q_INVOKABLE QList<QVariant> getMethodParameters(int id) const;
    Q_INVOKABLE void setMethodParameters(int id, const QList<QVariant> &parameters);
    /// A new chart model for the method, owned by the QML engine (no parent).
    Q_INVOKABLE UIMethodChartModel *getMethodChart(int id, bool splitView = false);
    Q_INVOKABLE QString getPlayedItemsString() const;
    /// Plays a pasted history; callback(progress, total) is called on every progress step (a
    /// false or an error returned cancels the rest) and callback(total, total) at the end.
    /// importMessage then says what was added and skipped (UIHistoryImport).
    Q_INVOKABLE void addPlayedItemsString(const QString &text, const QJSValue &callback);
    /// The same for a history file (a path or a file URL), read on a worker thread with
    /// historyImport.reading and .readProgress; historyImport.cancel() stops the reading.
    Q_INVOKABLE void addPlayedItemsFile(const QString &pathOrUrl, const QJSValue &callback);
    /// The details of a method: each of its named values under its name, then the state's
    /// "active", "ecart", "ecartMax", "ecartMoyen", "lastEcart" and "nbWins"; and under "rows"
    /// everything the details dialog shows, in order: a list of rows, each a list of cells
    /// {"name", "value"} (one cell for a named value, one per column for a row of a table such
    /// as the observed values of "Signature", which the map does not hold). An empty map for an
    /// unknown identifier.
    Q_INVOKABLE QVariantMap getMethodDetails(int id) const;
    Q_INVOKABLE QList<QVariant> getMontanteParameters(int id) const;
    Q_INVOKABLE void setMontanteParameters(int id, const QList<QVariant> &parameters);
    /// Places the proposed stakes by synthetic clicks at the calibrated points. False when the
    /// clicks could not be obtained or were refused (no chips, a stake the chips cannot make,
    /// over the limit, the service failing, a place not calibrated); betError says why. Blocks
    /// the GUI thread for the click sequence; holding Control stops it (true, with betError
    /// saying what was placed).
    Q_INVOKABLE bool bet();
    /// What bet() would click now, without clicking: "ok", "reason", "suspended", "total" and
    /// "clicks", a list of {"itemId", "name" (the enumerator, "JETON_2", "B_BANKER"), "chip",
    /// "chipValue", "x", "y", "pause"}.
    Q_INVOKABLE QVariantMap previewBet();

    /// The values a pasted history text stands for in the engine's game, read as the import
    /// reads it (NoxHistoryReader: lines corrected where the meaning is plain, the others
    /// skipped).
    [[nodiscard]] static QList<int> parsePlayedItems(const QString &text, bool baccarat);

private:
    void buildKeypad();
    /// Takes the method rows again after an engine call that changed the method set.
    void syncMethodRows();
    void applyQuickListConfig();
    void applySignalFilters();
    [[nodiscard]] QList<Nox::NoxMethodState *> findMethods(const QString &color) const;
    [[nodiscard]] QString montanteDisplayName(int montanteId, const QString &name) const;
    /// The bet placement over the engine's calibration and the bet input, made on first use.
    Nox::NoxBetPlacement *placement();
    void setBetError(const QString &error);
    void setFileMessage(const QString &message);
    /// Writes the user progressions to the engine's library file (when it has a store).
    bool saveMontanteLibrary();

    Nox::NoxEngine *m_engine = nullptr;
    UICalibrationModel *m_calibration = nullptr;
    UISummary m_summary;
    UIEngineConfig *m_engineConfig = nullptr;
    UIFinancialConfig *m_financial = nullptr;
    UINotificationModel *m_notifications = nullptr;
    UIMethodListModel *m_methodList = nullptr;
    UIFilteredMethodListModel *m_filteredMethodList = nullptr;
    UIFilteredMethodListModel *m_userMethods = nullptr;
    UIFilteredMethodListModel *m_sortedMethodList = nullptr;
    UIFilteredMethodListModel *m_quickMethods = nullptr;
    UIFilteredMethodListModel *m_splitMethods = nullptr;
    UIPlayedListModel *m_playedItems = nullptr;
    UIRoads *m_roads = nullptr;
    UIRiskEstimate *m_risk = nullptr;
    QVariantMap m_keypad;
    QList<int> m_marked; ///< identifiers the previous items-to-play refresh listed, in its order
    int m_test = 0;
    std::atomic<bool> m_itemsToPlayPending{false};
    std::atomic<bool> m_methodStatesPending{false};
    QPointer<QTranslator> m_translator;
    QString m_language; ///< the code of m_translator's language; empty before the first one
    Nox::NoxInput *m_betInput = nullptr;
    Nox::NoxBetPlacement *m_placement = nullptr;
    QString m_betError;
    QString m_playRefusal;
    QString m_fileMessage;
    UIHistoryImport *m_historyImport = nullptr;
    bool m_waylandSession = false;
    bool m_xwaylandConfirmed = false;
};
