#pragma once

#include "calibration/icalibration.h"

#include <QMap>
#include <QMutex>

namespace Nox {

class NoxSettingsStore;

/// The engine's table calibration: one item per chip and place of the table, the click
/// timing and the safety options of automatic betting, kept in the settings store under
/// "calibration/".
///
/// Chips are available as a contiguous run from JETON_1: activating a chip activates every
/// lower one, deactivating one deactivates every higher one. On the roulette table the player
/// calibrates reference points only (N1, N3, N19, N21, N34, N36 and the ends of each family);
/// the other places are derived from them on a grid.
///
/// Thread rules: owned by the engine and changed on the GUI thread; every read takes the
/// object's own lock, so the bet placement may read from any thread. Signals are emitted
/// after the lock is released.
class NoxCalibration : public ICalibration
{
    Q_OBJECT

public:
    static constexpr int kDefaultClickDelay = 30;
    /// The fixed wait of the special-delay mode ("Spécial Evolution").
    static constexpr int kSpecialClickDelay = 39;
    /// The longest click delay accepted (the calibration screen offers 10..2000 ms).
    static constexpr int kMaxClickDelay = 2000;
    /// The wait after a click on the "double" button.
    static constexpr int kDoublePause = 110;
    /// Screen points beyond this (in pixels, either sign) are garbage and are clamped.
    static constexpr double kMaxCoordinate = 1000000;
    /// The largest chip value accepted, in hundredths.
    static constexpr int kMaxChipValue = 100000000;

    explicit NoxCalibration(bool baccaratMode = true, QObject *parent = nullptr);
    ~NoxCalibration() override;

    /// The edition switch: selects the baccarat or roulette item list and resets every value
    /// to its default (without touching the attached store).
    void setBaccaratMode(bool baccaratMode);
    [[nodiscard]] bool isBaccaratMode() const;
    /// Back to the defaults of the current item list; emits calibrationChanged().
    void reset();

    /// Attaches a settings store (not owned): the store attached before, if any, first gets
    /// the calibration written to it; the new one, if any, is then read. Null detaches.
    void attachSettings(NoxSettingsStore *store);
    [[nodiscard]] NoxSettingsStore *settingsStore() const;
    void load(const NoxSettingsStore &store);
    void save(NoxSettingsStore &store) const;

    /// The ids of the current item list, in order.
    [[nodiscard]] QList<NoxBetItemID> itemList() const;
    /// The item list of one edition.
    [[nodiscard]] static QList<NoxBetItemID> itemList(bool baccaratMode);

    [[nodiscard]] NoxCalibrationItemList calibrationItems() const override;
    void setCalibrationItems(const NoxCalibrationItemList &items) override;
    [[nodiscard]] int mouseClickDelay() const override;
    void setMouseClickDelay(int delay) override;
    [[nodiscard]] bool toggleJetonMode() const override;
    void setToggleJetonMode(bool on) override;
    [[nodiscard]] bool specialDelayMode() const override;
    void setSpecialDelayMode(bool on) override;
    [[nodiscard]] QList<int> jetonValues() const override;
    [[nodiscard]] std::optional<NoxCalibrationItem> calibrationItem(NoxBetItemID id) const override;
    [[nodiscard]] int maxBet() const override;
    void setMaxBet(int amount) override;
    [[nodiscard]] QString serviceUrl() const override;
    void setServiceUrl(const QString &url) override;

    /// "calibration/<key>".
    [[nodiscard]] static QString settingsKey(const QString &key);
    /// "calibration/<decimal id>/<field>".
    [[nodiscard]] static QString itemKey(NoxBetItemID id, const QString &field);

private:
    void resetLocked();
    /// Number grid from N1, N3, N19, N21, N34, N36 (lock held).
    void deriveNumberGridLocked();
    /// Columns, dozens, sixains and transversales from their reference items (lock held).
    void deriveFamiliesLocked();
    void applyChipRunLocked(const NoxCalibrationItem &chip);
    [[nodiscard]] bool allActiveLocked(std::initializer_list<NoxBetItemID> ids) const;

    mutable QMutex m_mutex;
    QMap<NoxBetItemID, NoxCalibrationItem> m_items;
    QList<NoxBetItemID> m_itemList;
    int m_clickDelay = kDefaultClickDelay;
    bool m_toggleJetonMode = false;
    bool m_specialDelay = false;
    int m_maxBet = 0;
    QString m_serviceUrl;
    bool m_baccaratMode = true;
    NoxSettingsStore *m_store = nullptr;
};

} // namespace Nox
