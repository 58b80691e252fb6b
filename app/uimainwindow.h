#pragma once

#include <QPoint>
#include <QPointer>
#include <QQuickWindow>
#include <QtQml/qqmlregistration.h>

#include <memory>

namespace Nox {
class NoxInput;
class NoxMouseCapture;
} // namespace Nox
class UIWrapper;

/// The frameless top-level window that hosts every screen. Its corners are cut by a rounded
/// mask (radius 16) kept in step with its size, so the desktop shows through them on every
/// platform, composited or not. During calibration it captures the clicks the player makes on
/// the casino's table outside the window and reports them in screen coordinates; clicks on the
/// assistant itself are dropped.
///
/// The window goes back where the player left it: when it is first shown it takes the place and
/// stay-on-top state saved in the application settings (UIAppSettings::instance()), moved onto
/// the nearest screen when it would not fit where it was (UIScreenGeometry::restoredPosition),
/// and every later move or change of the hint is saved.
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

    /// The platform's user input; never null.
    [[nodiscard]] Nox::NoxInput *input() const { return m_input.get(); }
    /// Replaces the user input (tests use a fake one); capture is switched off first.
    void setInput(std::unique_ptr<Nox::NoxInput> input);
    /// Lends this window's input to the facade's automatic bets: the facade clicks through it
    /// from now on, follows setInput(), and loses it when the window goes. The application
    /// owns a single platform input, here.
    void shareInputWith(UIWrapper *wrapper);

    /// Settings keys of the window's place and stay-on-top state.
    static inline const QString kKeyX = QStringLiteral("window/windowX");
    static inline const QString kKeyY = QStringLiteral("window/windowY");
    static inline const QString kKeyStayOnTop = QStringLiteral("window/stayOnTop");

signals:
    void capturedClick(QPoint position);
    void mouseCaptureChanged();
    void stayOnTopChanged();

public slots:
    void capturedClicked(QPoint position);

protected:
    void showEvent(QShowEvent *event) override;

private:
    /// Takes the saved place and hint (or centres the window on its screen when none is saved)
    /// and saves them from now on.
    void restorePlacement();
    void savePlacement();
    void updateMask();
    void createCapture();
    /// The window's geometry in physical global pixels, the space of the platform input.
    [[nodiscard]] QRect nativeGeometry() const;

    std::unique_ptr<Nox::NoxInput> m_input;
    std::unique_ptr<Nox::NoxMouseCapture> m_capture;
    QPointer<UIWrapper> m_inputBorrower; ///< the facade that bets through m_input
    bool m_placed = false;               ///< the saved placement has been applied
};
