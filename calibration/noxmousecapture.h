#pragma once

#include <QObject>
#include <QPoint>
#include <QRect>

#include <functional>

namespace Nox {

class NativeWindow;
class NoxInput;

/// The click capture of a calibration dialog, as the main window holds it: while
/// `mouseCapture` is on, every left click anywhere on the screen is reported by
/// capturedClick(), except clicks on the program's own window.
///
/// Every point is in physical global screen pixels, the space of the platform input, and the
/// window's geometry must be given in the same space (nativeGeometry() turns Qt's
/// device-independent window geometry into it), so the inside test compares like with like
/// under display scaling and a captured point is later clicked at the same place.
///
/// Thread rules: GUI thread only; the tracker runs in the thread of its NativeWindow.
class NoxMouseCapture : public QObject
{
    Q_OBJECT
    Q_PROPERTY(bool mouseCapture READ mouseCapture WRITE setMouseCapture NOTIFY mouseCaptureChanged)

public:
    /// Gives the window's geometry in physical global pixels at the moment of a click.
    using GeometryProvider = std::function<QRect()>;

    /// `input` is not owned, must outlive this object and be safe to call from another thread.
    explicit NoxMouseCapture(NoxInput *input, QObject *parent = nullptr);
    ~NoxMouseCapture() override;

    [[nodiscard]] bool mouseCapture() const { return m_capture; }
    /// A new value: emits mouseCaptureChanged(), connects the tracker's clicks to
    /// capturedClicked() (on) or disconnects them (off) and starts or stops the tracker.
    void setMouseCapture(bool on);

    /// The program window's geometry, in physical global pixels; without a provider no click
    /// is taken as inside.
    void setWindowGeometryProvider(GeometryProvider provider);
    [[nodiscard]] QRect windowGeometry() const;

    /// Whether a physical point lies on the program's window.
    [[nodiscard]] bool isInsideWindow(QPoint position) const;

    /// A window geometry in Qt's device-independent pixels turned into physical pixels: Qt
    /// scales each screen around its own top-left corner, which it keeps unscaled.
    /// `screenGeometry` is the window's screen geometry as Qt reports it and `scale` the
    /// window's device pixel ratio.
    [[nodiscard]] static QRect nativeGeometry(const QRect &geometry, const QRect &screenGeometry,
                                              qreal scale);

    [[nodiscard]] NativeWindow *nativeWindow() const { return m_native; }

signals:
    void mouseCaptureChanged();
    /// A click captured outside the window, in physical global pixels.
    void capturedClick(QPoint position);

private slots:
    /// Logs "Mouse captured x y" and forwards the click unless it lies on the window.
    void capturedClicked(QPoint position);

private:
    NativeWindow *m_native;
    GeometryProvider m_geometry;
    QMetaObject::Connection m_connection;
    bool m_capture = false;
};

} // namespace Nox
