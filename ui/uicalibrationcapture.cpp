#include "uicalibrationcapture.h"

#include "uicalibrationitem.h"
#include "uicalibrationmodel.h"

#include <QJSValue>

namespace {

const QString kItemId = QStringLiteral("itemId");
const QString kValue = QStringLiteral("value");
const QString kX = QStringLiteral("x");
const QString kY = QStringLiteral("y");
const QString kActive = QStringLiteral("active");

/// The fields of an item held by a stand-in map: a calibrationItem or a JavaScript object.
QVariantMap fieldsOf(const QVariant &held)
{
    if (held.metaType() == QMetaType::fromType<UICalibrationItem>()) {
        const UICalibrationItem item = held.value<UICalibrationItem>();
        return {{kItemId, item.itemId()},
                {kValue, item.value()},
                {kX, item.x()},
                {kY, item.y()},
                {kActive, item.active()}};
    }
    const QVariant plain =
        held.metaType() == QMetaType::fromType<QJSValue>() ? held.value<QJSValue>().toVariant() : held;
    return plain.toMap();
}

} // namespace

UICalibrationCapture::UICalibrationCapture(QObject *parent)
    : QObject(parent)
{}

QVariantList UICalibrationCapture::positions() const
{
    QVariantList list;
    for (const QPoint &p : m_positions) {
        list.append(p);
    }
    return list;
}

void UICalibrationCapture::start(int steps)
{
    steps = std::max(steps, 0);
    const bool hadPositions = !m_positions.isEmpty();
    m_positions.clear();
    if (m_stepCount != steps) {
        m_stepCount = steps;
        emit stepCountChanged();
    }
    if (hadPositions) {
        emit indexChanged();
    }
}

void UICalibrationCapture::collect(QPoint position)
{
    if (done()) {
        return;
    }
    m_positions.append(position);
    emit indexChanged();
    if (done()) {
        emit finished();
    }
}

bool UICalibrationCapture::writeTo(QObject *calibration, const QStringList &keys) const
{
    if (!calibration) {
        return false;
    }
    if (auto *model = qobject_cast<UICalibrationModel *>(calibration)) {
        return model->setPoints(keys, m_positions);
    }
    QList<QVariantMap> items;
    items.reserve(keys.size());
    for (const QString &key : keys) {
        const QVariantMap fields = fieldsOf(calibration->property(key.toUtf8().constData()));
        if (fields.isEmpty()) {
            return false;
        }
        items.append(fields);
    }
    for (qsizetype i = 0; i < keys.size(); ++i) {
        QVariantMap fields = items.at(i);
        fields.insert(kActive, false);
        calibration->setProperty(keys.at(i).toUtf8().constData(), fields);
    }
    for (qsizetype i = 0; i < keys.size() && i < m_positions.size(); ++i) {
        QVariantMap fields = items.at(i);
        fields.insert(kX, m_positions.at(i).x());
        fields.insert(kY, m_positions.at(i).y());
        fields.insert(kActive, true);
        calibration->setProperty(keys.at(i).toUtf8().constData(), fields);
    }
    return true;
}
