// XPButton: properties and the rendering pipeline. Input handling is in
// xpbutton_input.cpp, the drawing itself in the painters.
#include "xpbutton/xpbutton.h"

#include <QEvent>
#include <QGuiApplication>
#include <QPainter>
#include <QResizeEvent>
#include <QScreen>
#include <QTimer>
#include <cmath>

#include "xpbutton/content_layout.h"
#include "xpbutton/face_colors.h"
#include "xpbutton/looks.h"
#include "xpbutton/platform_codes.h"
#include "xpbutton/shape_region.h"

namespace quellan {

namespace {
constexpr int kHoverCheckMs = 50;  // how often hover tracking looks for the pointer
constexpr double kTwipsPerPoint = 20.0;
constexpr double kTwipsPerPixel = 15.0;
}  // namespace

XPButton::XPButton(QWidget* parent) : QWidget(parent) {
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
    if (parent)
        m_state.containerBackColor = xp::fromQColor(parent->palette().color(QPalette::Window));
    m_state.screenSize = QGuiApplication::primaryScreen() ? QGuiApplication::primaryScreen()->size()
                                                          : QSize(1024, 768);
    RefreshFont();
    RefreshColors();
}

XPButton::~XPButton() { m_hoverTimer->stop(); }

// ---- properties -------------------------------------------------------

void XPButton::setButtonStyle(int style) {
    if (!m_state.props.setButtonStyle(style)) return;
    BuildShapeRegion();
    LayoutContent();
    RefreshColors();
    Refresh();
    notify("BackStyle");
}

void XPButton::setMode(int mode) {
    if (!m_state.props.setMode(mode)) return;
    // Option groups (mode 2) register and unregister here once they exist.
    Refresh();
    notify("Mode");
}

void XPButton::setValue(bool on) {
    if (!m_state.props.setValue(on)) return;
    Refresh();
    notify("Value");
}

void XPButton::setCaption(const QString& caption) {
    m_state.props.setCaption(caption);
    LayoutContent();
    Refresh();
    notify("Caption");
}

void XPButton::setCaptionAlign(int align) {
    if (!m_state.props.setCaptionAlign(align)) return;
    LayoutContent();
    Refresh();
    notify("CapAlign");
}

void XPButton::setCaptionStyle(int style) {
    if (!m_state.props.setCaptionStyle(style)) return;
    notify("CapStyle");
    if (m_state.props.caption().isEmpty()) return;
    LayoutContent();
    Refresh();
}

void XPButton::setButtonShape(int shape) {
    if (!m_state.props.setButtonShape(shape)) return;
    m_delayDrawing = false;
    resizeLogic();
    notify("Shape");
}

void XPButton::setPicture(const QPixmap& picture) {
    m_state.props.setPicture(picture);
    RefreshPicture();
    LayoutContent();
    Refresh();
    notify("Image");
}

void XPButton::setPictureAlign(int align) {
    if (!m_state.props.setPictureAlign(align)) return;
    if (align == 4 || align == 5) setCaptionAlign(xp::kAlignCenter);
    LayoutContent();
    Refresh();
    notify("ImgAlign");
}

void XPButton::setPictureSize(int index) {
    if (!m_state.props.setPictureSize(index)) return;
    LayoutContent();
    Refresh();
    notify("ImgSize");
}

void XPButton::setShowFocusRect(bool show) {
    m_state.props.setShowFocusRect(show);
    // While running, a change of the setting drops the default look until
    // the host asks for it again.
    if (m_state.has(xp::kShowsDefaultLook)) m_state.set(xp::kShowsDefaultLook, false);
    Refresh();
    notify("Focus");
}

void XPButton::setBackColor(quint32 oleColor) {
    m_state.props.setBackColor(oleColor);
    RefreshColors();
    Refresh();
    notify("cBack");
}

void XPButton::setForeColor(quint32 oleColor) {
    if (!m_state.props.setForeColor(oleColor)) return;
    m_state.foreColor = oleColor;
    m_delayDrawing = false;
    Redraw();
    notify("cFore");
}

void XPButton::setGradientColor(quint32 oleColor) {
    m_state.props.setGradientColor(oleColor);
    RefreshColors();
    if (m_state.props.gradientMode() != 0) Refresh();
    notify("cGradient");
}

void XPButton::setGradientMode(int mode) {
    if (!m_state.props.setGradientMode(mode)) return;
    RefreshColors();
    Refresh();
    notify("Gradient");
}

void XPButton::setHoverColorLocks(int locks) {
    m_state.props.setHoverColorLocks(locks);
    if (locks == 0 || locks == xp::kLockHoverFore) notify("cBHover");
    if (locks == 0 || locks == xp::kLockHoverBack) notify("cFHover");
    RefreshColors();
    notify("LockHover");
}

void XPButton::setHoverForeColor(quint32 oleColor) {
    if (!m_state.props.setHoverForeColor(oleColor)) return;
    notify("cFHover");
}

void XPButton::setHoverBackColor(quint32 oleColor) {
    if (!m_state.props.setHoverBackColor(oleColor)) return;
    RefreshColors();
    notify("cBHover");
}

void XPButton::setResetDefaultColors(bool reset) {
    // A design-time command; a running widget keeps its colours.
    if (!reset || !m_state.designMode) return;
    DelayDrawing(true);
    m_state.props.resetDefaultColors();
    m_state.foreColor = m_state.props.foreColor();
    RefreshColors();
    DelayDrawing(false);
    notify("cGradient");
    notify("cBack");
}

void XPButton::setFontStyle(int bits) {
    QFont f = font();
    f.setBold((bits & 2) != 0);
    f.setItalic((bits & 4) != 0);
    f.setUnderline((bits & 8) != 0);
    setFont(f);  // the font change repaints and notifies
}

int XPButton::FontStyle() const {
    const QFont f = font();
    return (f.bold() ? 2 : 0) + (f.italic() ? 4 : 0) + (f.underline() ? 8 : 0);
}

void XPButton::setMouseIcon(const QPixmap& icon, QPoint hotSpot) {
    m_mouseIcon = icon;
    m_mouseIconHotSpot = hotSpot;
    if (!icon.isNull()) {
        m_mousePointer = xp::kPointerCustom;
        notify("mIcon");
    }
    applyCursor();
}

void XPButton::setMousePointer(int pointer) {
    Qt::CursorShape shape{};
    if (pointer != xp::kPointerCustom && !xp::cursorShapeOf(pointer, shape)) return;
    m_mousePointer = pointer;
    applyCursor();
    notify("mPointer");
}

void XPButton::applyCursor() {
    Qt::CursorShape shape{};
    if (m_mousePointer == xp::kPointerCustom) {
        if (m_mouseIcon.isNull()) {
            unsetCursor();
        } else {
            setCursor(QCursor(m_mouseIcon, m_mouseIconHotSpot.x(), m_mouseIconHotSpot.y()));
        }
    } else if (m_mousePointer == xp::kPointerDefault) {
        unsetCursor();
    } else if (xp::cursorShapeOf(m_mousePointer, shape)) {
        setCursor(shape);
    }
}

void XPButton::setDisplayAsDefault(bool isDefault) {
    m_state.set(xp::kShowsDefaultLook, isDefault && m_state.props.showFocusRect());
    Refresh();
}

void XPButton::notify(const char* key) { emit propertyChanged(QString::fromLatin1(key)); }

// ---- rendering pipeline -----------------------------------------------

void XPButton::Refresh() { Redraw(); }

void XPButton::DelayDrawing(bool delay) {
    m_delayDrawing = delay;
    if (!delay) Refresh();
}

void XPButton::Redraw() {
    if (m_delayDrawing) return;
    composeSurface();
    update();
}

void XPButton::composeSurface() {
    if (!m_surfaceCreated || m_surface.isNull()) return;
    xp::Canvas canvas(m_surface);
    xp::paintLook(canvas, m_state);
}

void XPButton::EnsureSurface() {
    if (m_surface.size() == size() && m_surfaceCreated) return;
    m_surface = QImage(size(), QImage::Format_RGB32);
    m_surface.fill(Qt::black);
    m_surfaceCreated = true;
}

void XPButton::paintEvent(QPaintEvent*) {
    // A paint request from the window system ends any delay.
    if (m_delayDrawing) {
        m_delayDrawing = false;
        composeSurface();
    }
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
    const QPixmap& p = m_state.props.picture();
    m_state.pictureWidth = p.isNull() ? 0 : p.width();
    m_state.pictureHeight = p.isNull() ? 0 : p.height();
    // Pictures with their own transparency draw like icons; the others like
    // bitmaps, whose top-left colour is transparent.
    m_state.pictureIsIcon = !p.isNull() && p.hasAlphaChannel();
}

void XPButton::changeEvent(QEvent* event) {
    switch (event->type()) {
        case QEvent::EnabledChange:
            m_state.enabled = isEnabled();
            if (m_state.props.buttonStyle() == 3 && m_state.props.mode() == xp::kModeCommand) {
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
            RefreshFont();
            LayoutContent();
            Refresh();
            notify("Font");
            break;
        case QEvent::ParentChange:
            if (parentWidget()) {
                m_state.containerBackColor =
                    xp::fromQColor(parentWidget()->palette().color(QPalette::Window));
            }
            break;
        default:
            break;
    }
    QWidget::changeEvent(event);
}

}  // namespace quellan
