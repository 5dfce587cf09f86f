// XPButton: construction, end of life and the rendering pipeline. The
// setters are in xpbutton_properties.cpp, saving and restoring in
// xpbutton_persist.cpp, input in xpbutton_input.cpp, modes and keys in
// xpbutton_modes.cpp; the drawing itself is done by the painters.
#include "xpbutton/xpbutton.h"

#include <QEvent>
#include <QGuiApplication>
#include <QPainter>
#include <QResizeEvent>
#include <QScreen>
#include <QTimer>
#include <cmath>

#include "xpbutton/button_host.h"
#include "xpbutton/content_layout.h"
#include "xpbutton/face_colors.h"
#include "xpbutton/looks.h"
#include "xpbutton/option_group.h"
#include "xpbutton/paint_picture.h"
#include "xpbutton/platform_codes.h"
#include "xpbutton/shape_region.h"

namespace quellan {

namespace {
constexpr int kHoverCheckMs = 50;  // how often hover tracking looks for the pointer
constexpr double kTwipsPerPoint = 20.0;
}  // namespace

XPButton::XPButton(QWidget* parent) : QWidget(parent), m_container(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    // Only a left press takes the focus (see mousePressEvent); the keyboard
    // reaches the widget through the tab order.
    setFocusPolicy(Qt::TabFocus);
    setMouseTracking(true);
    m_hoverTimer = new QTimer(this);
    m_hoverTimer->setInterval(kHoverCheckMs);
    connect(m_hoverTimer, &QTimer::timeout, this, &XPButton::checkHover);

    QFont songFont(QStringLiteral("宋体"));
    songFont.setPointSize(9);
    setFont(songFont);
    m_state.containerBackColor = xp::ToRGB(host().backColor(*this));
    m_state.screenSize = QGuiApplication::primaryScreen() ? QGuiApplication::primaryScreen()->size()
                                                          : QSize(1024, 768);
    RefreshFont();
    RefreshColors();
}

XPButton::~XPButton() {
    if (m_state.isHovering) m_hoverTimer->stop();
    // Leave the group quietly: the other members keep their values, and
    // nothing is told to owners that may be going away themselves.
    if (m_state.props.mode() == xp::kModeOption) xp::OptionGroup(m_container).remove(this);
}

void XPButton::setHost(ButtonHost* host) {
    m_host = host;
    m_state.designMode = !this->host().userMode();
}

ButtonHost& XPButton::host() const { return m_host ? *m_host : runningHost(); }

void XPButton::notify(const char* key) {
    // Some changes do not repaint: the next paint of the window composes afresh.
    m_composedForPaint = false;
    emit propertyChanged(QString::fromLatin1(key));
}

// ---- rendering pipeline -----------------------------------------------

void XPButton::Refresh() { Redraw(); }

void XPButton::DelayDrawing(bool delay) {
    m_delayDrawing = delay;
    if (!delay) Refresh();
}

void XPButton::Redraw() {
    if (m_delayDrawing) return;
    composeSurface();
    m_composedForPaint = true;
    update();
}

void XPButton::composeSurface() {
    if (!m_surfaceCreated || m_surface.isNull()) return;
    xp::Canvas canvas(m_surface);
    xp::paintLook(canvas, m_state);
    ++m_paintCount;
}

// The surface holds as many pixels as the screen shows for the widget, so
// captions, borders and pictures are as sharp as the rest of the window on
// a scaled display; the painters still work in the widget's own pixels.
void XPButton::EnsureSurface() {
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = ratio == 1.0 ? size() : (QSizeF(size()) * ratio).toSize();
    if (m_surfaceCreated && m_surface.size() == pixels && m_surface.devicePixelRatio() == ratio)
        return;
    m_surface = QImage(pixels, QImage::Format_RGB32);
    m_surface.setDevicePixelRatio(ratio);
    m_surface.fill(Qt::black);
    m_surfaceCreated = true;
}

void XPButton::paintEvent(QPaintEvent*) {
    // A paint request from the window system ends any delay and paints the
    // widget as it is now (a hover colour set without a repaint shows here);
    // the paint that Redraw asked for only presents what it composed.
    // A move to a screen of another scale needs a surface of its size.
    const bool rescaled = m_surfaceCreated && m_surface.devicePixelRatio() != devicePixelRatioF();
    if (rescaled) EnsureSurface();
    if (m_delayDrawing || !m_composedForPaint || rescaled) {
        m_delayDrawing = false;
        composeSurface();
    }
    m_composedForPaint = false;
    QPainter painter(this);
    painter.drawImage(0, 0, m_surface);
}

void XPButton::resizeEvent(QResizeEvent*) { resizeLogic(); }

void XPButton::resizeLogic() {
    if (m_delayDrawing) return;
    BuildShapeRegion();
    m_state.width = width();
    m_state.height = height();
    EnsureSurface();
    LayoutContent();
    Redraw();
}

void XPButton::BuildShapeRegion() {
    const int shape = m_state.props.buttonShape();
    const int wide = xp::widenedWidth(width(), height(), shape);
    if (wide != width()) {
        // The resize this causes is skipped; the layout below uses the new width.
        const bool delayed = m_delayDrawing;
        m_delayDrawing = true;
        resize(wide, height());
        m_delayDrawing = delayed;
    }
    m_state.width = width();
    m_state.height = height();
    const xp::ShapeRegion s = xp::BuildShapeRegion(width(), height(), shape,
                                                   m_state.props.buttonStyle(), m_state.enabled);
    m_state.shapeLeftInset = s.shapeLeftInset;
    m_state.shapeRightEdge = s.shapeRightEdge;
    m_state.innerClipRegion = s.innerClipRegion;
    setMask(s.region);
}

void XPButton::LayoutContent() { xp::LayoutContent(m_state); }

void XPButton::RefreshColors() {
    m_state.colors =
        xp::computeFaceColors(m_state.props.buttonStyle(), xp::ToRGB(m_state.props.backColor()),
                              xp::ToRGB(m_state.props.hoverBackColor()));
}

void XPButton::RefreshFont() {
    // The caption is drawn at the pixel height the point size has on the
    // reference display (20 twips per point, 15 twips per pixel).
    QFont f = font();
    if (f.pointSizeF() > 0) {
        f.setPixelSize(
            static_cast<int>(std::lround(f.pointSizeF() * kTwipsPerPoint / kTwipsPerPixel)));
    }
    m_state.surfaceFont = f;
}

void XPButton::RefreshPicture() {
    const xp::PictureMetrics m = xp::pictureMetrics(m_state.props.picture());
    m_state.pictureWidth = m.width;
    m_state.pictureHeight = m.height;
    m_state.pictureIsIcon = m.isIcon;
}

void XPButton::changeEvent(QEvent* event) {
    switch (event->type()) {
        case QEvent::EnabledChange:
            m_state.enabled = isEnabled();
            if (m_reading) break;  // a restored set stores the state only
            // The flat framed command button trims its corners only while enabled.
            if (m_state.props.buttonStyle() == xp::kStyleFlatFramed &&
                m_state.props.mode() == xp::kModeCommand) {
                DelayDrawing(true);
                BuildShapeRegion();
                LayoutContent();
                DelayDrawing(false);
            } else {
                Refresh();
            }
            notify("Enabled");
            break;
        case QEvent::FontChange:
            if (m_reading) break;  // refreshed once the whole set is read
            RefreshFont();
            LayoutContent();
            Refresh();
            notify("Font");
            break;
        case QEvent::ParentChange:
            // An option button moves to the group of its new container.
            if (m_state.props.mode() == xp::kModeOption) xp::OptionGroup(m_container).remove(this);
            m_container = parentWidget();
            if (m_state.props.mode() == xp::kModeOption) OptionToggle(kOptionRegister);
            AmbientChanged(QStringLiteral("BackColor"));
            break;
        case QEvent::PaletteChange:
            // The container's colours reach the widget through its palette.
            AmbientChanged(QStringLiteral("BackColor"));
            break;
        default:
            break;
    }
    QWidget::changeEvent(event);
}

}  // namespace quellan
