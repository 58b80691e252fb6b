#include "uimainwindow.h"

#include "calibration/noxmousecapture.h"
#include "input/noxinput.h"
#include "input/platform/noxplatforminput.h"
#include "uiappsettings.h"
#include "uiscreengeometry.h"
#include "uiwrapper.h"

#include <QLoggingCategory>
#include <QPainterPath>
#include <QRegion>
#include <QScreen>

Q_LOGGING_CATEGORY(lcNoxWindow, "nox.ui.window")

UIMainWindow::UIMainWindow(QWindow *parent)
    : QQuickWindow(parent)
    , m_input(Nox::createPlatformInput())
{
    createCapture();
    setObjectName(QStringLiteral("mainWindow"));
    setFlags(flags() | Qt::FramelessWindowHint);
    updateMask();
    connect(this, &QWindow::widthChanged, this, &UIMainWindow::updateMask);
    connect(this, &QWindow::heightChanged, this, &UIMainWindow::updateMask);
}

UIMainWindow::~UIMainWindow()
{
    // The capture's tracker thread and the facade's bets use the input: stop both before it goes.
    m_capture.reset();
    if (m_inputBorrower) {
        m_inputBorrower->setBetInput(nullptr);
    }
}

void UIMainWindow::shareInputWith(UIWrapper *wrapper)
{
    if (m_inputBorrower && m_inputBorrower != wrapper) {
        m_inputBorrower->setBetInput(nullptr);
    }
    m_inputBorrower = wrapper;
    if (wrapper) {
        wrapper->setBetInput(m_input.get());
    }
}

void UIMainWindow::createCapture()
{
    m_capture = std::make_unique<Nox::NoxMouseCapture>(m_input.get());
    m_capture->setWindowGeometryProvider([this] { return nativeGeometry(); });
    connect(m_capture.get(), &Nox::NoxMouseCapture::mouseCaptureChanged, this,
            &UIMainWindow::mouseCaptureChanged);
    connect(m_capture.get(), &Nox::NoxMouseCapture::capturedClick, this, &UIMainWindow::capturedClicked);
}

void UIMainWindow::setInput(std::unique_ptr<Nox::NoxInput> input)
{
    const bool wasCapturing = mouseCapture();
    m_capture.reset();
    if (m_inputBorrower) {
        m_inputBorrower->setBetInput(input.get());
    }
    m_input = std::move(input);
    createCapture();
    if (wasCapturing) {
        emit mouseCaptureChanged();
    }
}

QRect UIMainWindow::nativeGeometry() const
{
    const QScreen *s = screen();
    return Nox::NoxMouseCapture::nativeGeometry(geometry(), s ? s->geometry() : QRect(), devicePixelRatio());
}

void UIMainWindow::updateMask()
{
    QPainterPath path;
    path.addRoundedRect(QRectF(0, 0, width(), height()), kCornerRadius, kCornerRadius);
    setMask(QRegion(path.toFillPolygon().toPolygon()));
}

bool UIMainWindow::mouseCapture() const
{
    return m_capture->mouseCapture();
}

void UIMainWindow::setMouseCapture(bool on)
{
    // The capture emits mouseCaptureChanged() on a real change only.
    m_capture->setMouseCapture(on);
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

void UIMainWindow::showEvent(QShowEvent *event)
{
    // Before the platform maps the window: a place set now reaches the window manager with the
    // window, instead of the window appearing where the window manager chose first.
    if (!m_placed) {
        m_placed = true;
        restorePlacement();
    }
    QQuickWindow::showEvent(event);
}

void UIMainWindow::restorePlacement()
{
    UIAppSettings *settings = UIAppSettings::instance();
    if (!settings) {
        return;
    }
    if (settings->contains(kKeyStayOnTop)) {
        setStayOnTop(settings->value(kKeyStayOnTop).toBool());
    }
    QList<QRect> screens;
    const QScreen *current = screen();
    if (current) {
        for (const QScreen *sibling : current->virtualSiblings()) {
            screens.append(sibling->availableGeometry());
        }
    }
    bool xOk = false;
    bool yOk = false;
    const int x = settings->value(kKeyX).toInt(&xOk);
    const int y = settings->value(kKeyY).toInt(&yOk);
    if (xOk && yOk) {
        const QPoint place = UIScreenGeometry::restoredPosition(QRect(QPoint(x, y), size()), screens);
        qCDebug(lcNoxWindow).nospace() << "savedScreenLayout: " << (place == QPoint(x, y) ? "valid" : "moved")
                                       << " " << place.x() << "," << place.y();
        setPosition(place);
    } else if (current) {
        setPosition(UIScreenGeometry::centred(size(), current->availableGeometry()));
    }
    connect(this, &QWindow::xChanged, this, &UIMainWindow::savePlacement);
    connect(this, &QWindow::yChanged, this, &UIMainWindow::savePlacement);
    connect(this, &UIMainWindow::stayOnTopChanged, this, &UIMainWindow::savePlacement);
    savePlacement();
}

void UIMainWindow::savePlacement()
{
    if (UIAppSettings *settings = UIAppSettings::instance()) {
        settings->setValue(kKeyX, x());
        settings->setValue(kKeyY, y());
        settings->setValue(kKeyStayOnTop, stayOnTop());
    }
}

void UIMainWindow::capturedClicked(QPoint position)
{
    // The capture has already dropped clicks on this window (in physical pixels, so that the
    // test holds under display scaling too).
    if (!m_capture->isInsideWindow(position)) {
        emit capturedClick(position);
    }
}
