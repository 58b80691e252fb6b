#pragma once

#include <QPoint>
#include <QQuickWindow>
#include <QtQml/qqmlregistration.h>

/// The frameless top-level window that hosts every screen. Its corners are cut by a rounded
/// mask (radius 16) kept in step with its size, so the desktop shows through them on every
/// platform, composited or not. During calibration it captures the clicks the player makes on
/// the casino's table outside the window and reports them in screen coordinates; clicks on the
/// assistant itself are dropped.
class UIMainWindow : public QQuickWindow
{
    Q_OBJECT
    QML_ELEMENT
    Q_PROPERTY(bool mouseCapture READ mouseCapture WRITE setMouseCapture NOTIFY mouseCaptureChanged)
    Q_PROPERTY(bool stayOnTop READ stayOnTop WRITE setStayOnTop NOTIFY stayOnTopChanged)

public:
    static constexpr int kCornerRadius = 16;

    explicit UIMainWindow(QWindow *parent = nullptr);
    ~UIMainWindow() override;

    [[nodiscard]] bool mouseCapture() const;
    void setMouseCapture(bool on);
    [[nodiscard]] bool stayOnTop() const;
    void setStayOnTop(bool on);

signals:
    void capturedClick(QPoint position);
    void mouseCaptureChanged();
    void stayOnTopChanged();

public slots:
    void capturedClicked(QPoint position);

private:
    void updateMask();

    bool m_capturing = false;
};
