#include "calibration/noxmousecapture.h"

#include "calibration/nativewindow.h"
#include "calibration/noxcalibrationlogging.h"

#include <cmath>

namespace Nox {

NoxMouseCapture::NoxMouseCapture(NoxInput *input, QObject *parent)
    : QObject(parent)
    , m_native(new NativeWindow(input, this))
{}

NoxMouseCapture::~NoxMouseCapture() = default;

void NoxMouseCapture::setMouseCapture(bool on)
{
    if (m_capture == on) {
        return;
    }
    m_capture = on;
    emit mouseCaptureChanged();
    disconnect(m_connection);
    if (on) {
        m_connection =
            connect(m_native, &NativeWindow::mouseClicked, this, &NoxMouseCapture::capturedClicked);
    }
    emit m_native->activate(on);
}

void NoxMouseCapture::setWindowGeometryProvider(GeometryProvider provider)
{
    m_geometry = std::move(provider);
}

QRect NoxMouseCapture::windowGeometry() const
{
    return m_geometry ? m_geometry() : QRect();
}

bool NoxMouseCapture::isInsideWindow(QPoint position) const
{
    return windowGeometry().contains(position);
}

QRect NoxMouseCapture::nativeGeometry(const QRect &geometry, const QRect &screenGeometry, qreal scale)
{
    if (!(scale > 0)) {
        scale = 1;
    }
    const QPoint origin = screenGeometry.topLeft();
    const QPoint topLeft = geometry.topLeft() - origin;
    // Round the corners, not the size, so that adjacent windows stay adjacent.
    const int left = int(std::lround(topLeft.x() * scale)) + origin.x();
    const int top = int(std::lround(topLeft.y() * scale)) + origin.y();
    const int right = int(std::lround((topLeft.x() + geometry.width()) * scale)) + origin.x();
    const int bottom = int(std::lround((topLeft.y() + geometry.height()) * scale)) + origin.y();
    return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
}

void NoxMouseCapture::capturedClicked(QPoint position)
{
    qCDebug(lcNoxCalibration).noquote() << QStringLiteral("Mouse captured ") + QString::number(position.x()) +
                                               QLatin1Char(' ') + QString::number(position.y());
    if (!isInsideWindow(position)) {
        emit capturedClick(position);
    }
}

} // namespace Nox
