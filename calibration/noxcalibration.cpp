#include "calibration/noxcalibration.h"

#include "calibration/noxcalibrationlogging.h"
#include "core/noxsettingsstore.h"

#include <QMetaEnum>

#include <cmath>

namespace Nox {

namespace {

using Id = NoxBetItemID;

constexpr int kChipCount = 8;
constexpr int kDefaultChipValues[kChipCount] = {10, 50, 100, 500, 2500, 10000, 50000, 100000};

Id offset(Id first, int k)
{
    return Id(int(first) + k);
}

QString enumName(Id id)
{
    const char *key = QMetaEnum::fromType<Id>().valueToKey(int(id));
    return key ? QString::fromLatin1(key) : QString::number(int(id));
}

bool isKnownId(Id id)
{
    return id != Id::none && QMetaEnum::fromType<Id>().valueToKey(int(id)) != nullptr;
}

/// A coordinate read from a file or written by the screens: not a number reads as 0, and
/// anything beyond the largest screen is clamped so that truncating it stays defined.
double saneCoordinate(double v)
{
    if (!std::isfinite(v)) {
        return 0;
    }
    return std::clamp(v, -NoxCalibration::kMaxCoordinate, NoxCalibration::kMaxCoordinate);
}

int saneChipValue(int v)
{
    return std::clamp(v, 0, NoxCalibration::kMaxChipValue);
}

int saneDelay(int v)
{
    return std::clamp(v, 0, NoxCalibration::kMaxClickDelay);
}

int defaultPause(Id id)
{
    return id == Id::X_DBL ? NoxCalibration::kDoublePause : 0;
}

NoxCalibrationItem sanitized(NoxCalibrationItem item)
{
    item.x = saneCoordinate(item.x);
    item.y = saneCoordinate(item.y);
    item.value = saneChipValue(item.value);
    // The pause belongs to the place (the casino's "double" button needs time), not to what
    // the screens write: the screens do not carry it.
    item.clickPause = defaultPause(item.itemId);
    return item;
}

NoxCalibrationItem plainItem(Id id)
{
    NoxCalibrationItem item;
    item.itemId = id;
    item.clickPause = defaultPause(id);
    return item;
}

} // namespace

NoxCalibration::NoxCalibration(bool baccaratMode, QObject *parent)
    : ICalibration(parent)
    , m_itemList(itemList(baccaratMode))
    , m_baccaratMode(baccaratMode)
{
    qRegisterMetaType<NoxCalibrationItem>();
    resetLocked();
}

NoxCalibration::~NoxCalibration() = default;

QList<NoxBetItemID> NoxCalibration::itemList(bool baccaratMode)
{
    QList<Id> ids;
    for (int k = 0; k < kChipCount; ++k) {
        ids.append(offset(Id::JETON_1, k));
    }
    if (baccaratMode) {
        ids += {Id::B_TIE, Id::B_PLAYER, Id::B_BANKER, Id::X_DBL};
    } else {
        ids += {Id::N1,   Id::N3,   Id::N19,     Id::N21,      Id::N34, Id::N36, Id::CS_R, Id::CS_N,
                Id::CS_P, Id::CS_I, Id::CS_1_18, Id::CS_19_36, Id::DZ1, Id::DZ3, Id::CL1,  Id::CL3,
                Id::SX1,  Id::SX4,  Id::SX6,     Id::T1,       Id::T7,  Id::T12, Id::X_DBL};
    }
    return ids;
}

QList<NoxBetItemID> NoxCalibration::itemList() const
{
    QMutexLocker lock(&m_mutex);
    return m_itemList;
}

void NoxCalibration::setBaccaratMode(bool baccaratMode)
{
    {
        QMutexLocker lock(&m_mutex);
        m_baccaratMode = baccaratMode;
        m_itemList = itemList(baccaratMode);
        resetLocked();
    }
    emit calibrationChanged();
}

bool NoxCalibration::isBaccaratMode() const
{
    QMutexLocker lock(&m_mutex);
    return m_baccaratMode;
}

void NoxCalibration::reset()
{
    {
        QMutexLocker lock(&m_mutex);
        resetLocked();
    }
    emit calibrationChanged();
}

void NoxCalibration::resetLocked()
{
    m_items.clear();
    for (int k = 0; k < kChipCount; ++k) {
        NoxCalibrationItem chip = plainItem(offset(Id::JETON_1, k));
        chip.value = kDefaultChipValues[k];
        m_items.insert(chip.itemId, chip);
    }
    const auto addRange = [this](Id first, Id last) {
        for (int id = int(first); id <= int(last); ++id) {
            m_items.insert(Id(id), plainItem(Id(id)));
        }
    };
    addRange(Id::N0, Id::N36);
    addRange(Id::CS_R, Id::CS_I);
    addRange(Id::CL1, Id::CL3);
    addRange(Id::SX1, Id::SX11);
    addRange(Id::T1, Id::T12);
    addRange(Id::DZ1, Id::DZ3);
    m_items.insert(Id::X_DBL, plainItem(Id::X_DBL));
    for (Id id : std::as_const(m_itemList)) {
        if (!m_items.contains(id)) {
            m_items.insert(id, plainItem(id));
        }
    }
    m_clickDelay = kDefaultClickDelay;
    m_toggleJetonMode = false;
    m_specialDelay = false;
    m_maxBet = 0;
    m_serviceUrl.clear();
}

// --- Settings ---------------------------------------------------------------------------------

QString NoxCalibration::settingsKey(const QString &key)
{
    return QStringLiteral("calibration/") + key;
}

QString NoxCalibration::itemKey(NoxBetItemID id, const QString &field)
{
    return QStringLiteral("calibration/") + QString::number(int(id)) + QLatin1Char('/') + field;
}

void NoxCalibration::attachSettings(NoxSettingsStore *store)
{
    NoxSettingsStore *previous = nullptr;
    {
        QMutexLocker lock(&m_mutex);
        previous = std::exchange(m_store, store);
    }
    if (previous) {
        save(*previous);
    }
    if (store) {
        load(*store);
    }
}

NoxSettingsStore *NoxCalibration::settingsStore() const
{
    QMutexLocker lock(&m_mutex);
    return m_store;
}

void NoxCalibration::load(const NoxSettingsStore &store)
{
    {
        QMutexLocker lock(&m_mutex);
        for (auto it = m_items.begin(); it != m_items.end(); ++it) {
            NoxCalibrationItem &item = it.value();
            const NoxValue x = store.value(itemKey(it.key(), QStringLiteral("x")));
            const NoxValue y = store.value(itemKey(it.key(), QStringLiteral("y")));
            if (!x.isNone()) {
                item.x = saneCoordinate(x.toDouble());
            }
            if (!y.isNone()) {
                item.y = saneCoordinate(y.toDouble());
            }
            item.value = saneChipValue(store.readInt(itemKey(it.key(), QStringLiteral("val")), item.value));
            item.active = store.readBool(itemKey(it.key(), QStringLiteral("active")), item.active);
        }
        m_clickDelay = saneDelay(store.readInt(settingsKey(QStringLiteral("mouseClickDelay")), m_clickDelay));
        m_specialDelay = store.readBool(settingsKey(QStringLiteral("specialDelay")), m_specialDelay);
        m_toggleJetonMode = store.readBool(settingsKey(QStringLiteral("toggleJetonMode")), m_toggleJetonMode);
        m_maxBet =
            std::clamp(store.readInt(settingsKey(QStringLiteral("maxBet")), m_maxBet), 0, kMaxChipValue);
        m_serviceUrl = store.readString(settingsKey(QStringLiteral("serviceUrl")), m_serviceUrl).trimmed();
    }
    emit calibrationChanged();
}

void NoxCalibration::save(NoxSettingsStore &store) const
{
    QMutexLocker lock(&m_mutex);
    for (auto it = m_items.cbegin(); it != m_items.cend(); ++it) {
        store.setValue(itemKey(it.key(), QStringLiteral("x")), it->x);
        store.setValue(itemKey(it.key(), QStringLiteral("y")), it->y);
        store.setValue(itemKey(it.key(), QStringLiteral("val")), it->value);
        store.setValue(itemKey(it.key(), QStringLiteral("active")), it->active);
    }
    store.setValue(settingsKey(QStringLiteral("mouseClickDelay")), m_clickDelay);
    store.setValue(settingsKey(QStringLiteral("specialDelay")), m_specialDelay);
    store.setValue(settingsKey(QStringLiteral("toggleJetonMode")), m_toggleJetonMode);
    store.setValue(settingsKey(QStringLiteral("maxBet")), m_maxBet);
    store.setValue(settingsKey(QStringLiteral("serviceUrl")), m_serviceUrl);
}

// --- Items ------------------------------------------------------------------------------------

NoxCalibrationItemList NoxCalibration::calibrationItems() const
{
    NoxCalibrationItemList items;
    QList<Id> missing;
    {
        QMutexLocker lock(&m_mutex);
        for (Id id : std::as_const(m_itemList)) {
            const auto it = m_items.constFind(id);
            if (it == m_items.cend()) {
                missing.append(id);
            } else {
                items.append(*it);
            }
        }
    }
    for (Id id : std::as_const(missing)) {
        qCWarning(lcNoxCalibration).noquote() << QStringLiteral("No calibration for ") + enumName(id);
    }
    return items;
}

std::optional<NoxCalibrationItem> NoxCalibration::calibrationItem(NoxBetItemID id) const
{
    QMutexLocker lock(&m_mutex);
    const auto it = m_items.constFind(id);
    if (it == m_items.cend()) {
        return std::nullopt;
    }
    return *it;
}

void NoxCalibration::setCalibrationItems(const NoxCalibrationItemList &items)
{
    {
        QMutexLocker lock(&m_mutex);
        for (const NoxCalibrationItem &given : items) {
            if (!isKnownId(given.itemId)) {
                continue;
            }
            const NoxCalibrationItem item = sanitized(given);
            m_items.insert(item.itemId, item);
            if (item.itemId >= Id::N1 && item.itemId <= Id::N36) {
                if (allActiveLocked({Id::N1, Id::N3, Id::N19, Id::N21, Id::N34, Id::N36})) {
                    deriveNumberGridLocked();
                }
            } else if (item.isChip()) {
                applyChipRunLocked(item);
            } else {
                deriveFamiliesLocked();
            }
        }
    }
    emit calibrationChanged();
}

void NoxCalibration::applyChipRunLocked(const NoxCalibrationItem &chip)
{
    const int index = int(chip.itemId) - int(Id::JETON_1);
    if (chip.active) {
        for (int k = 0; k < index; ++k) {
            m_items[offset(Id::JETON_1, k)].active = true;
        }
    } else {
        for (int k = index + 1; k < kChipCount; ++k) {
            m_items[offset(Id::JETON_1, k)].active = false;
        }
    }
}

bool NoxCalibration::allActiveLocked(std::initializer_list<NoxBetItemID> ids) const
{
    return std::all_of(ids.begin(), ids.end(), [this](Id id) { return m_items.value(id).active; });
}

void NoxCalibration::deriveNumberGridLocked()
{
    // Integer pixels and divisions truncating toward zero, as the table is drawn on a pixel
    // grid; the reference clicks are never exactly on one line.
    const auto X = [this](int n) {
        return int(m_items.value(offset(Id::N0, n)).x);
    };
    const auto Y = [this](int n) {
        return int(m_items.value(offset(Id::N0, n)).y);
    };
    const auto place = [this](int n, int x, int y) {
        NoxCalibrationItem &item = m_items[offset(Id::N0, n)];
        item.itemId = offset(Id::N0, n);
        item.x = x;
        item.y = y;
        qCDebug(lcNoxCalibration).noquote() << QStringLiteral("i:") + enumName(item.itemId) +
                                                   QStringLiteral(" x:") + QString::number(x) +
                                                   QStringLiteral(" y:") + QString::number(y);
    };
    const int x1 = X(1), y1 = Y(1), x19 = X(19), y19 = Y(19);
    const int rx = ((X(21) - X(3)) / 6 + (x19 - x1) / 6) / 2;
    const int ry = ((Y(21) - Y(3)) / 6 + (y19 - y1) / 6) / 2;
    const int cx = ((X(21) - x19) / 2 + (X(3) - x1) / 2) / 2;
    const int cy = ((y19 - Y(21)) / 2 + (y1 - Y(3)) / 2) / 2;
    const int rx2 = ((X(36) - X(21)) / 5 + (X(34) - x19) / 5) / 2;
    const int ry2 = ((Y(36) - Y(21)) / 5 + (Y(34) - y19) / 5) / 2;
    const int cx2 = ((X(36) - X(34)) / 2 + (X(21) - x19) / 2) / 2;
    const int cy2 = ((Y(34) - Y(36)) / 2 + (y19 - Y(21)) / 2) / 2;
    place(0, x1 + cx - rx, y1 - ry - cy);
    for (int n = 1; n <= 18; ++n) {
        const int k = n - 1;
        place(n, x1 + rx * (k / 3) + cx * (k % 3), y1 + ry * (k / 3) - cy * (k % 3));
    }
    for (int n = 19; n <= 36; ++n) {
        const int k = n - 19;
        place(n, x19 + cx2 * (k % 3) + rx2 * (k / 3), y19 + ry2 * (k / 3) - cy2 * (k % 3));
    }
}

void NoxCalibration::deriveFamiliesLocked()
{
    const auto X = [this](Id id) {
        return int(m_items.value(id).x);
    };
    const auto Y = [this](Id id) {
        return int(m_items.value(id).y);
    };
    const auto setX = [this](Id id, int x) {
        m_items[id].x = x;
    };
    const auto setY = [this](Id id, int y) {
        m_items[id].y = y;
    };

    // Columns and dozens: three places evenly between the first and the last.
    for (const auto &[first, last] : {std::pair{Id::CL1, Id::CL3}, std::pair{Id::DZ1, Id::DZ3}}) {
        if (!allActiveLocked({first, last})) {
            continue;
        }
        const int x0 = X(first), y0 = Y(first);
        const int hx = (X(last) - x0) / 2;
        const int hy = (Y(last) - y0) / 2;
        for (int k = 0; k < 3; ++k) {
            setX(offset(first, k), x0 + k * hx);
            setY(offset(first, k), y0 + k * hy);
        }
    }

    if (allActiveLocked({Id::SX1, Id::SX4, Id::SX6})) {
        const int x0 = X(Id::SX1), y0 = Y(Id::SX1);
        const int s1 = (X(Id::SX4) - x0) / 3;
        const int sy = (Y(Id::SX6) - y0) / 5;
        for (int k = 0; k <= 3; ++k) {
            setX(offset(Id::SX1, k), x0 + k * s1);
        }
        const int s2 = (X(Id::SX6) - X(Id::SX4)) / 2;
        setX(Id::SX5, X(Id::SX6) - s2);
        for (int k = 0; k <= 5; ++k) {
            setY(offset(Id::SX1, k), y0 + k * sy);
        }
    }

    if (allActiveLocked({Id::T1, Id::T7, Id::T12})) {
        const int x0 = X(Id::T1), y0 = Y(Id::T1);
        const int s1 = (X(Id::T7) - x0) / 6;
        const int s2 = (X(Id::T12) - X(Id::T7)) / 5;
        const int sy = (Y(Id::T12) - y0) / 11;
        for (int k = 0; k <= 6; ++k) {
            setX(offset(Id::T1, k), x0 + k * s1);
        }
        for (int k = 7; k <= 10; ++k) {
            setX(offset(Id::T1, k), x0 + 6 * s1 + (k - 6) * s2);
        }
        for (int k = 0; k <= 11; ++k) {
            setY(offset(Id::T1, k), y0 + k * sy);
        }
    }
}

// --- Options ----------------------------------------------------------------------------------

int NoxCalibration::mouseClickDelay() const
{
    QMutexLocker lock(&m_mutex);
    return m_specialDelay ? kSpecialClickDelay : m_clickDelay;
}

void NoxCalibration::setMouseClickDelay(int delay)
{
    delay = saneDelay(delay);
    {
        QMutexLocker lock(&m_mutex);
        if (m_specialDelay || m_clickDelay == delay) {
            return;
        }
        m_clickDelay = delay;
    }
    emit calibrationChanged();
}

bool NoxCalibration::toggleJetonMode() const
{
    QMutexLocker lock(&m_mutex);
    return m_toggleJetonMode;
}

void NoxCalibration::setToggleJetonMode(bool on)
{
    QMutexLocker lock(&m_mutex);
    m_toggleJetonMode = on;
}

bool NoxCalibration::specialDelayMode() const
{
    QMutexLocker lock(&m_mutex);
    return m_specialDelay;
}

void NoxCalibration::setSpecialDelayMode(bool on)
{
    {
        QMutexLocker lock(&m_mutex);
        if (m_specialDelay == on) {
            return;
        }
        m_specialDelay = on;
    }
    emit calibrationChanged();
}

QList<int> NoxCalibration::jetonValues() const
{
    QMutexLocker lock(&m_mutex);
    QList<int> values;
    for (int k = 0; k < kChipCount; ++k) {
        const auto it = m_items.constFind(offset(Id::JETON_1, k));
        values.append(it != m_items.cend() && it->active ? it->value : 0);
    }
    return values;
}

int NoxCalibration::maxBet() const
{
    QMutexLocker lock(&m_mutex);
    return m_maxBet;
}

void NoxCalibration::setMaxBet(int amount)
{
    amount = std::clamp(amount, 0, kMaxChipValue);
    {
        QMutexLocker lock(&m_mutex);
        if (m_maxBet == amount) {
            return;
        }
        m_maxBet = amount;
    }
    emit calibrationChanged();
}

QString NoxCalibration::serviceUrl() const
{
    QMutexLocker lock(&m_mutex);
    return m_serviceUrl;
}

void NoxCalibration::setServiceUrl(const QString &url)
{
    const QString trimmed = url.trimmed();
    {
        QMutexLocker lock(&m_mutex);
        if (m_serviceUrl == trimmed) {
            return;
        }
        m_serviceUrl = trimmed;
    }
    emit calibrationChanged();
}

} // namespace Nox
