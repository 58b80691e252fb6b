#include "uicalibrationmodel.h"

#include "calibration/icalibration.h"
#include "engine/noxengine.h"
#include "uicalibrationitem.h"

#include <QJSValue>
#include <QMetaEnum>

namespace {

const QString kMouseClickDelay = QStringLiteral("mouseClickDelay");
const QString kToggleJetonMode = QStringLiteral("toggleJetonMode");
const QString kSpecialDelayMode = QStringLiteral("specialDelayMode");
const QString kMaxBet = QStringLiteral("maxBet");
const QString kServiceUrl = QStringLiteral("serviceUrl");

} // namespace

UICalibrationModel::UICalibrationModel(QObject *parent)
    : UICalibrationModel(Nox::NoxEngine::instance() ? Nox::NoxEngine::instance()->calibration() : nullptr,
                         parent)
{}

UICalibrationModel::UICalibrationModel(Nox::ICalibration *calibration, QObject *parent)
    : QQmlPropertyMap(this, parent)
    , m_calibration(calibration)
{
    qRegisterMetaType<UICalibrationItem>();
    if (m_calibration) {
        connect(m_calibration, &Nox::ICalibration::calibrationChanged, this,
                &UICalibrationModel::onCalibrationChanged);
        onCalibrationChanged();
    }
}

Nox::ICalibration *UICalibrationModel::calibration() const
{
    return m_calibration;
}

QString UICalibrationModel::keyOf(Nox::NoxBetItemID id)
{
    const char *key = QMetaEnum::fromType<Nox::NoxBetItemID>().valueToKey(int(id));
    return key ? QString::fromLatin1(key).toLower() : QString();
}

Nox::NoxBetItemID UICalibrationModel::idOf(const QString &key)
{
    bool ok = false;
    const int id =
        QMetaEnum::fromType<Nox::NoxBetItemID>().keyToValue(key.toUpper().toLatin1().constData(), &ok);
    return ok ? Nox::NoxBetItemID(id) : Nox::NoxBetItemID::none;
}

bool UICalibrationModel::setPoints(const QStringList &keys, const QList<QPoint> &points)
{
    if (!m_calibration) {
        return false;
    }
    Nox::NoxCalibrationItemList items;
    items.reserve(keys.size());
    for (qsizetype i = 0; i < keys.size(); ++i) {
        const Nox::NoxBetItemID id = idOf(keys.at(i));
        const std::optional<Nox::NoxCalibrationItem> stored =
            id == Nox::NoxBetItemID::none ? std::nullopt : m_calibration->calibrationItem(id);
        if (!stored) {
            return false;
        }
        Nox::NoxCalibrationItem item = *stored;
        item.active = i < points.size();
        if (item.active) {
            item.x = points.at(i).x();
            item.y = points.at(i).y();
        }
        items.append(item);
    }
    m_calibration->setCalibrationItems(items);
    return true;
}

void UICalibrationModel::onCalibrationChanged()
{
    if (!m_calibration) {
        return;
    }
    const Nox::NoxCalibrationItemList items = m_calibration->calibrationItems();
    for (const Nox::NoxCalibrationItem &item : items) {
        const QString key = keyOf(item.itemId);
        const QVariant current = value(key);
        const UICalibrationItem fresh(item);
        if (current.metaType() != QMetaType::fromType<UICalibrationItem>() ||
            current.value<UICalibrationItem>() != fresh) {
            insert(key, QVariant::fromValue(fresh));
        }
    }
    insert(kMouseClickDelay, m_calibration->mouseClickDelay());
    insert(kToggleJetonMode, m_calibration->toggleJetonMode());
    insert(kSpecialDelayMode, m_calibration->specialDelayMode());
    insert(kMaxBet, m_calibration->maxBet());
    insert(kServiceUrl, m_calibration->serviceUrl());
}

QVariant UICalibrationModel::updateValue(const QString &key, const QVariant &input)
{
    if (!m_calibration) {
        return input;
    }
    if (key == kMouseClickDelay || key == kToggleJetonMode || key == kSpecialDelayMode || key == kMaxBet ||
        key == kServiceUrl) {
        setOption(key, input);
        return input;
    }
    const Nox::NoxBetItemID id = idOf(key);
    if (id != Nox::NoxBetItemID::none) {
        m_calibration->setCalibrationItems({toItem(id, input)});
    }
    return input;
}

void UICalibrationModel::setOption(const QString &key, const QVariant &value)
{
    if (key == kMouseClickDelay) {
        m_calibration->setMouseClickDelay(value.toInt());
    } else if (key == kToggleJetonMode) {
        m_calibration->setToggleJetonMode(value.toBool());
    } else if (key == kSpecialDelayMode) {
        m_calibration->setSpecialDelayMode(value.toBool());
    } else if (key == kMaxBet) {
        m_calibration->setMaxBet(value.toInt());
    } else if (key == kServiceUrl) {
        m_calibration->setServiceUrl(value.toString());
    }
}

Nox::NoxCalibrationItem UICalibrationModel::toItem(Nox::NoxBetItemID id, const QVariant &input) const
{
    Nox::NoxCalibrationItem item = m_calibration->calibrationItem(id).value_or(Nox::NoxCalibrationItem{});
    if (input.metaType() == QMetaType::fromType<UICalibrationItem>()) {
        item = input.value<UICalibrationItem>().item();
    } else if (input.metaType() == QMetaType::fromType<Nox::NoxCalibrationItem>()) {
        item = input.value<Nox::NoxCalibrationItem>();
    } else {
        const QVariant plain =
            input.metaType() == QMetaType::fromType<QJSValue>() ? input.value<QJSValue>().toVariant() : input;
        const QVariantMap fields = plain.toMap();
        if (fields.contains(QStringLiteral("value"))) {
            item.value = fields.value(QStringLiteral("value")).toInt();
        }
        if (fields.contains(QStringLiteral("x"))) {
            item.x = fields.value(QStringLiteral("x")).toDouble();
        }
        if (fields.contains(QStringLiteral("y"))) {
            item.y = fields.value(QStringLiteral("y")).toDouble();
        }
        if (fields.contains(QStringLiteral("active"))) {
            item.active = fields.value(QStringLiteral("active")).toBool();
        }
    }
    // The key names the place, whatever id the written value carries.
    item.itemId = id;
    return item;
}
