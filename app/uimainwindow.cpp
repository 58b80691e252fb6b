#include "uimainwindow.h"

#include <QLoggingCategory>
#include <QPainterPath>
#include <QRegion>

Q_LOGGING_CATEGORY(lcNoxWindow, "nox.ui.window")

UIMainWindow::UIMainWindow(QWindow *parent)
    : QQuickWindow(parent)
{
    setObjectName(QStringLiteral("mainWindow"));
    setFlags(flags() | Qt::FramelessWindowHint);
    updateMask();
    connect(this, &QWindow::widthChanged, this, &UIMainWindow::updateMask);
    connect(this, &QWindow::heightChanged, this, &UIMainWindow::updateMask);
}

UIMainWindow::~UIMainWindow()
{
    setMouseCapture(false);
}

void UIMainWindow::updateMask()
{
    QPainterPath path;
    path.addRoundedRect(QRectF(0, 0, width(), height()), kCornerRadius, kCornerRadius);
    setMask(QRegion(path.toFillPolygon().toPolygon()));
}

bool UIMainWindow::mouseCapture() const
{
    return m_capturing;
}

void UIMainWindow::setMouseCapture(bool on)
{
    if (on == m_capturing) {
        return;
    }
    m_capturing = on;
    emit mouseCaptureChanged();
}

bool UIMainWindow::stayOnTop() const
{
    return flags().testFlag(Qt::WindowStaysOnTopHint);
}

void UIMainWindow::setStayOnTop(bool on)
{
    setFlag(Qt::WindowStaysOnTopHint, on);
    emit stayOnTopChanged();
}

void UIMainWindow::capturedClicked(QPoint position)
{
    qCDebug(lcNoxWindow) << "Mouse captured" << position.x() << position.y();
    if (!geometry().contains(position)) {
        emit capturedClick(position);
    }
}
