// The main window's own frame: painted from the skin on every resize, cut
// to its rounded outline, dragged by its surface, its title bar strip or
// the board's margin, with its own minimise and close buttons.
#include <QGuiApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScreen>

#include "app/board_panel.h"
#include "app/frm_main.h"
#include "common/texts.h"
#include "frame/click_label.h"
#include "frame/image_control.h"
#include "frame/skin_painter.h"
#include "frame/window_drag.h"
#include "frame_model/frame_geometry.h"
#include "frame_model/help_texts.h"
#include "platform/built_in_picture.h"
#include "platform/dialogs.h"
#include "platform/mouse_codes.h"
#include "platform/qt_text.h"

namespace quellan {

namespace {

QPoint toPixels(frame::Position twips) { return {twipsToPixels(twips.x), twipsToPixels(twips.y)}; }

}  // namespace

void frmMain::buildFrame() {
    m_windowIcon16 = builtInPicture(QStringLiteral(":/pictures/icon16.png"), pictureRatio());
    setMouseTracking(true);

    m_IMBar = new ImageControl(this);
    m_IMBar->setObjectName("IMBar");
    connect(m_IMBar, &ImageControl::MouseDown, this, &frmMain::IMBar_MouseDown);
    connect(m_IMBar, &ImageControl::MouseMove, this, [this] { IMBar_MouseMove(); });

    // Created after the strip, so the buttons lie above it where it
    // reaches under them.
    m_Immin = new ImageControl(this);
    m_Immin->setObjectName("Immin");
    m_Imclose = new ImageControl(this);
    m_Imclose->setObjectName("Imclose");
    for (ImageControl* button : {m_Immin, m_Imclose}) {
        button->setCursor(m_pictures.handCursor());
    }
    connect(m_Immin, &ImageControl::MouseMove, this, [this] { Immin_MouseMove(); });
    connect(m_Immin, &ImageControl::MouseDown, this, [this] { Immin_MouseDown(); });
    connect(m_Immin, &ImageControl::MouseUp, this, [this] { Immin_MouseUp(); });
    connect(m_Immin, &ImageControl::Click, this, &frmMain::Immin_Click);
    connect(m_Imclose, &ImageControl::MouseMove, this, [this] { Imclose_MouseMove(); });
    connect(m_Imclose, &ImageControl::MouseDown, this, [this] { Imclose_MouseDown(); });
    connect(m_Imclose, &ImageControl::MouseUp, this, [this] { Imclose_MouseUp(); });
    connect(m_Imclose, &ImageControl::Click, this, &frmMain::Imclose_Click);
}

void frmMain::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    Form_Resize();
}

void frmMain::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    // Coming back from the task bar is a resize of its own: the frame is
    // laid out again and the window returns to FormX, FormY.
    if (event->type() == QEvent::WindowStateChange) {
        const auto old = static_cast<QWindowStateChangeEvent*>(event)->oldState();
        if ((old & Qt::WindowMinimized) && !(windowState() & Qt::WindowMinimized)) Form_Resize();
    }
}

void frmMain::Form_Resize() {
    // Nothing of the frame can be laid out while the window is minimised.
    if (windowState() & Qt::WindowMinimized) return;
    const int W = pixelsToTwips(width());
    const int H = pixelsToTwips(height());
    const frame::FrameLayout f =
        frame::frameLayout(W, H, pixelsToTwips(m_LbBR->width()), pixelsToTwips(m_LbBR->height()));
    m_LbBR->move(toPixels(f.notice));

    m_IMBar->setGeometry(QRect(toPixels(f.dragStrip), QSize(twipsToPixels(f.dragStripWidth),
                                                            twipsToPixels(f.dragStripHeight))));
    const QSize button(twipsToPixels(f.buttonWidth), twipsToPixels(f.buttonHeight));
    m_Immin->setGeometry(QRect(toPixels(f.minimise), button));
    m_Imclose->setGeometry(QRect(toPixels(f.close), button));

    update();

    RMe();
    moveToFormPosition();
}

void frmMain::moveToFormPosition() {
    const QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen();
    const QSize screenPixels = s ? s->geometry().size() : QSize(1024, 768);
    const frame::Position at = frame::keepOnScreen(
        {m_formX, m_formY}, pixelsToTwips(screenPixels.width()),
        pixelsToTwips(screenPixels.height()), pixelsToTwips(width()), pixelsToTwips(height()));
    m_formX = at.x;
    m_formY = at.y;
    move(twipsToPixels(m_formX), twipsToPixels(m_formY));
}

void frmMain::RMe() {
    setMask(toRegion(frame::windowRegionShapes(pixelsToTwips(width()), pixelsToTwips(height()))));
}

void frmMain::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), palette().color(QPalette::Window));
    paintFrameOn(p);
}

void frmMain::paintFrameOn(QPainter& p) const {
    // Painted straight from the skin on every repaint rather than kept as
    // a window-sized picture: the few stretched copies cost less than a
    // millisecond, a kept picture three quarters of a megabyte.
    QFont captionFont = font();
    captionFont.setBold(true);
    paintFrame(p, size(), m_framePictures.skin(), m_windowIcon16, windowTitle(), captionFont);
}

void frmMain::mousePressEvent(QMouseEvent* e) {
    Form_MouseDown(buttonCode(e->button()), shiftCode(e->modifiers()),
                   e->globalPosition().toPoint());
}

void frmMain::mouseMoveEvent(QMouseEvent*) { Form_MouseMove(); }

void frmMain::Form_MouseDown(int button, int, QPoint globalPos) {
    if (button == kLeftButton) startWindowDrag(this, globalPos);
}

void frmMain::IMBar_MouseDown(int button, int, QPoint globalPos) {
    if (button == kLeftButton) startWindowDrag(m_IMBar, globalPos);
}

void frmMain::Form_MouseMove() {
    // Leaving a caption button over the frame takes its hover look away,
    // the close button first.
    if (m_imcloseState.reset()) showCaptionLook(m_Imclose);
    if (m_imminState.reset()) showCaptionLook(m_Immin);
}

void frmMain::IMBar_MouseMove() { Form_MouseMove(); }

void frmMain::showCaptionLook(ImageControl* button) {
    const bool close = button == m_Imclose;
    const frame::CaptionButtonState& state = close ? m_imcloseState : m_imminState;
    switch (state.look()) {
        case frame::CaptionLook::Normal:
            button->setPicture({});  // the skin beneath is the normal look
            break;
        case frame::CaptionLook::Hover:
            button->setPicture(close ? m_framePictures.closeHover : m_framePictures.minimiseHover);
            break;
        case frame::CaptionLook::Pressed:
            button->setPicture(close ? m_framePictures.closePressed
                                     : m_framePictures.minimisePressed);
            break;
    }
}

void frmMain::stepCaption(ImageControl* button, void (frame::CaptionButtonState::*step)()) {
    frame::CaptionButtonState& state = button == m_Imclose ? m_imcloseState : m_imminState;
    (state.*step)();
    showCaptionLook(button);
}

void frmMain::Immin_MouseMove() { stepCaption(m_Immin, &frame::CaptionButtonState::mouseMove); }
void frmMain::Immin_MouseDown() { stepCaption(m_Immin, &frame::CaptionButtonState::mouseDown); }
void frmMain::Immin_MouseUp() { stepCaption(m_Immin, &frame::CaptionButtonState::mouseUp); }
void frmMain::Imclose_MouseMove() { stepCaption(m_Imclose, &frame::CaptionButtonState::mouseMove); }
void frmMain::Imclose_MouseDown() { stepCaption(m_Imclose, &frame::CaptionButtonState::mouseDown); }
void frmMain::Imclose_MouseUp() { stepCaption(m_Imclose, &frame::CaptionButtonState::mouseUp); }

void frmMain::Immin_Click() {
    // Restoring brings the window back here, wherever it was dragged to.
    m_formX = pixelsToTwips(x());
    m_formY = pixelsToTwips(y());
    setWindowState((windowState() & ~Qt::WindowActive) | Qt::WindowMinimized);
}

void frmMain::Imclose_Click() {
    if (!askYesNo(this, toQString(frame::kCloseQuestion), toQString(texts::kAppTitle))) return;
    // Closing unloads the window (settings saved, music closed); with the
    // last window gone the program ends.
    close();
}

}  // namespace quellan
