#pragma once

#include <QAbstractListModel>
#include <QColor>
#include <QtQml/qqmlregistration.h>

#include <atomic>

namespace Nox {
class NoxEngine;
class NoxMethodState;
} // namespace Nox

/// Every method state of the engine (methods without a subtype left out), one role per value
/// that a method list shows. The views of the screens are UIFilteredMethodListModel proxies
/// over this one model.
///
/// Thread rules: lives on the GUI thread. onMethodsChangedAsync() may run on the engine's task
/// thread: it only tests and sets an atomic flag and emits the internal signal that is queued
/// to the GUI thread, so a burst of engine notifications gives one refresh. The rows (state
/// pointers) change only in a model reset; the engine keeps its states for the life of its
/// method set, and a change of that set is always announced by methodStatesChanged().
class UIMethodListModel : public QAbstractListModel
{
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("UIMethodListModel is owned by the facade: read UIWrapper.methodList")

public:
    enum Roles {
        NameRole = Qt::UserRole + 1, // 257
        ColorRole,                   // 258
        ScoreRole,                   // 259
        EcartRole,                   // 260
        EcartMaxRole,                // 261
        ActiveRole,                  // 262
        TendanceRole,                // 263
        MethodIdRole,                // 264
        MethodVisibleRole,           // 265
        HasParametersRole,           // 266
        FlagsRole,                   // 267
        EcartNotifRole,              // 268
        EcartMoyenRole,              // 269
        WinsRole,                    // 270
        CustomBlockMinRole,          // 271
        CustomBlockMaxRole,          // 272
        NbBlockDomRole,              // 273
        TendancePercentRole,         // 274
        ContextRole,                 // 275
        NbTendanceUpRole,            // 276
        ShortTermEcartsRole,         // 277
        ShortTermTendancesRole,      // 278
        BlockMinRole,                // 279
        BlockMaxRole,                // 280
        PatternRole,                 // 281
        DetectionFlagsRole,          // 282
        ChartTendanceRole,           // 283
        ChartTendanceCountRole,      // 284
        CompteurMERole               // 285
    };
    Q_ENUM(Roles)

    /// Bits of the `flags` role.
    enum MethodFlag {
        InBloc = 0x01,
        InBlocDom = 0x02,
        UseNotif = 0x04,
        HasParameters = 0x08,
        Highlighted = 0x10,
        Positive = 0x20,
        HasDetails = 0x40,
        UseCustomBlock = 0x80,
        Focus = 0x100,
        HasPattern = 0x200,
        SplitVisible = 0x400
    };
    Q_ENUM(MethodFlag)

    /// Bits of the `detectionFlags` role.
    enum DetectionFlag {
        SignalScoreRatio = 0x4000,
        SignalScoreTendance = 0x8000,
        SignalDouble0 = 0x010000,
        SignalDouble0Confirme = 0x020000,
        SignalBlocks1 = 0x040000,
        SignalBlocks2 = 0x080000,
        SignalBlocks3 = 0x100000,
        SignalEcartMax = 0x200000,
        SignalTendanceUp = 0x400000,
        SignalTendanceInter = 0x800000,
        SignalTendanceLow = 0x1000000,
        SignalTendanceFire = 0x2000000,
        SignalBlocDominantConfirme1 = 0x4000000,
        SignalBlocDominantConfirme2 = 0x8000000,
        SignalBlocDominantConfirme3 = 0x10000000,
        SignalCompteurME = 0x20000000
    };
    Q_ENUM(DetectionFlag)

    explicit UIMethodListModel(QObject *parent = nullptr);
    ~UIMethodListModel() override;

    [[nodiscard]] int rowCount(const QModelIndex &parent = {}) const override;
    [[nodiscard]] QVariant data(const QModelIndex &index, int role) const override;
    [[nodiscard]] QHash<int, QByteArray> roleNames() const override;

    /// The state of a source row, null outside the list.
    [[nodiscard]] Nox::NoxMethodState *stateAt(int row) const;
    [[nodiscard]] const QList<Nox::NoxMethodState *> &states() const { return m_states; }
    /// Announces a change of every row and role (the proxies' scores depend on their sorter).
    void notifyAllRowsChanged();

    /// The detection-signal bits of a state, as the `detectionFlags` role gives them.
    [[nodiscard]] static int detectionFlags(const Nox::NoxMethodState *state);
    /// The bits of the `flags` role.
    [[nodiscard]] static int methodFlags(const Nox::NoxMethodState *state);
    /// The play-type mask the visibility filter tests: the visibility bits 1, 2, 4, plus 8 when
    /// the current gap is in the block and 16 when it is also a dominant gap.
    [[nodiscard]] static int playTypeMask(const Nox::NoxMethodState *state);

signals:
    void methodsChangedInternal();
    /// Emitted before every dataChanged and inside every reset, so that the proxies can take
    /// their isolated order from the states as they are now.
    void beforeDataChanged();

public slots:
    void methodsChanged();
    void methodChanged(int methodId);
    void onMethodsChangedAsync();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void loadStates();
    [[nodiscard]] QList<Nox::NoxMethodState *> engineStates() const;

    Nox::NoxEngine *m_engine = nullptr;
    QList<QColor> m_colors;
    QList<Nox::NoxMethodState *> m_states;
    std::atomic<bool> m_refreshPending{false};
};
