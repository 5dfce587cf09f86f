#pragma once
// XPButton: the owner-drawn button of the game. Every board piece and the
// undo button are instances. It keeps its properties (setters validate
// silently: out-of-range values are ignored), paints every pixel itself into
// one off-screen image per widget that is copied to the screen in one step,
// and raises the events of a command, toggle or option button.
//
// Geometry is plain QWidget geometry in pixels, and so are the coordinates
// the mouse and drag events report.
#include <QImage>
#include <QPixmap>
#include <QPoint>
#include <QPointer>
#include <QWidget>

#include "xpbutton/render_state.h"

class QMimeData;
class QShortcut;
class QTimer;

namespace quellan {

class ButtonHost;

namespace xp {
class PropertyBag;
}

class XPButton : public QWidget {
    Q_OBJECT

  public:
    explicit XPButton(QWidget* parent = nullptr);
    ~XPButton() override;

    // The look, xp::ButtonStyle 0..7; the game uses the theme look (2).
    void setButtonStyle(int style);
    int ButtonStyle() const { return m_state.props.buttonStyle(); }
    // xp::Mode: 0 command, 1 toggle, 2 option.
    void setMode(int mode);
    int Mode() const { return m_state.props.mode(); }
    // Only toggle and option buttons can be on.
    void setValue(bool on);
    bool Value() const { return m_state.props.value(); }

    // The caption; "&" marks the access key, "&&" is an ampersand and "||"
    // a line break.
    void setCaption(const QString& caption);
    QString Caption() const { return m_state.props.caption(); }
    QString AccessKey() const { return m_state.props.accessKey(); }
    // 0 left, 1 right, 2 centre; only 2 while the picture is above or below.
    void setCaptionAlign(int align);
    int CaptionAlign() const { return m_state.props.captionAlign(); }
    // 0 plain, 1 engraved, 2 raised.
    void setCaptionStyle(int style);
    int CaptionStyle() const { return m_state.props.captionStyle(); }
    // xp::ButtonShape: 0 rectangle, 1..3 slanted edges, 4..6 ellipses.
    void setButtonShape(int shape);
    int ButtonShape() const { return m_state.props.buttonShape(); }

    void setPicture(const QPixmap& picture);
    QPixmap Picture() const { return m_state.props.picture(); }
    // xp::PictureAlign: 0..3 beside the caption, 4 above, 5 below.
    void setPictureAlign(int align);
    int PictureAlign() const { return m_state.props.pictureAlign(); }
    // Index 0..4: 16, 24, 32 pixels; 40 stretches over the widget; 48 fits
    // the picture inside a 6-pixel margin, keeping its aspect ratio.
    void setPictureSize(int index);
    int PictureSize() { return m_state.props.pictureSizeIndex(); }

    void setShowFocusRect(bool show);
    bool ShowFocusRect() const { return m_state.props.showFocusRect(); }

    // Colour values: 0x80000000 | index names a system colour, anything
    // else is R + G*256 + B*65536.
    void setBackColor(quint32 oleColor);
    quint32 BackColor() const { return m_state.props.backColor(); }
    void setForeColor(quint32 oleColor);
    quint32 ForeColor() const { return m_state.props.foreColor(); }
    void setGradientColor(quint32 oleColor);
    quint32 GradientColor() const { return m_state.props.gradientColor(); }
    // 0 none, 1 left to right, 2 right to left, 3 top to bottom, 4 bottom to top.
    void setGradientMode(int mode);
    int GradientMode() const { return m_state.props.gradientMode(); }
    void setHoverColorLocks(int locks);
    int HoverColorLocks() const { return m_state.props.hoverColorLocks(); }
    void setHoverForeColor(quint32 oleColor);
    quint32 HoverForeColor() const { return m_state.props.hoverForeColor(); }
    void setHoverBackColor(quint32 oleColor);
    quint32 HoverBackColor() const { return m_state.props.hoverBackColor(); }
    void setResetDefaultColors(bool reset);

    // Bits 2 bold, 4 italic, 8 underline of the widget font.
    void setFontStyle(int bits);
    int FontStyle() const;

    // A custom cursor; a non-null icon switches MousePointer to 99.
    void setMouseIcon(const QPixmap& icon, QPoint hotSpot);
    QPixmap MouseIcon() const { return m_mouseIcon; }
    // xp::MousePointer: 0 default, 1..15 the standard kinds, 99 the
    // MouseIcon; false (and nothing changes) for any other value.
    bool setMousePointer(int pointer);
    int MousePointer() const { return m_mousePointer; }

    // Repaints now (nothing while drawing is delayed).
    void Refresh();
    // Brackets a series of changes so that they end in one repaint.
    void DelayDrawing(bool delay);

    // The host asks the widget to show as its default button (the focused
    // button does); shown only with ShowFocusRect.
    void setDisplayAsDefault(bool isDefault);

    // The window handle and the device the widget paints on: the widget.
    QWidget* hwnd() { return this; }
    QPaintDevice* hDC() { return this; }

    // The form's default button takes Enter, its cancel button Escape. At
    // most one XPButton of a window is each; setting one clears the others.
    void setDefault(bool isDefault);
    bool Default() const { return m_isDefault; }
    void setCancel(bool isCancel);
    bool Cancel() const { return m_isCancel; }

    // The host: ambient values and design-time messages. Without one (or
    // with nullptr) the widget is always running and reads its parent.
    void setHost(ButtonHost* host);
    ButtonHost& host() const;

    // Saving and restoring the property set (xpbutton_persist.cpp):
    // a widget newly placed on a form, one restored from its stored set,
    // and the set as it is saved (keys equal to their default left out).
    void InitProperties();
    void ReadProperties(const xp::PropertyBag& bag);
    void WriteProperties(xp::PropertyBag& bag) const;

    // The host reports that one of its ambient values changed:
    // "DisplayAsDefault" or "BackColor" (any case); others are ignored.
    void AmbientChanged(const QString& name);

    // The access key (a character), Enter (13) on the default button or
    // Escape (27) on the cancel button was pressed.
    void AccessKeyPress(int keyAscii);

    // Starts dragging from the widget: OLEStartDrag fills the data and the
    // allowed effects, OLECompleteDrag reports the effect at the end.
    void OLEDrag();

    // The off-screen image the widget presents; for pixel checks and tools.
    const QImage& surface() const { return m_surface; }
    const xp::ButtonState& renderState() const { return m_state; }
    // How many times that image has been painted: a burst of changes
    // bracketed by DelayDrawing ends in one.
    int paintCount() const { return m_paintCount; }

  signals:
    void Click();
    void DoubleClick(int button);
    void GotFocus();
    void LostFocus();
    void MouseDown(int button, int shift, float x, float y);
    void MouseUp(int button, int shift, float x, float y);
    void MouseMove(int button, int shift, float x, float y);
    void KeyDown(int keyCode, int shift);
    void KeyPress(int charCode);
    void KeyUp(int keyCode, int shift);
    void MouseOnButton(bool onButton);
    // The property stored under key changed (for saving the property set).
    void propertyChanged(const QString& key);

    // Drag and drop, passed through from the platform. Effects are 0 none,
    // 1 copy, 2 move, 4 link; the OLEDragOver state is 0 enter, 1 leave,
    // 2 over. Handlers may change the arguments given by reference.
    void OLECompleteDrag(int& effect);
    void OLEDragDrop(const QMimeData* data, int& effect, int button, int shift, float x, float y);
    void OLEDragOver(const QMimeData* data, int& effect, int button, int shift, float x, float y,
                     int state);
    void OLEGiveFeedback(int& effect, bool& defaultCursors);
    void OLESetData(QMimeData* data, int& dataFormat);
    void OLEStartDrag(QMimeData* data, int& allowedEffects);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dragMoveEvent(QDragMoveEvent* event) override;
    void dragLeaveEvent(QDragLeaveEvent* event) override;
    void dropEvent(QDropEvent* event) override;

  private slots:
    // One tick of the hover timer: ends the hover once the pointer is over
    // another window.
    void checkHover();

  private:
    // Rendering pipeline.
    void Redraw();
    void composeSurface();
    void EnsureSurface();
    void BuildShapeRegion();
    void LayoutContent();
    void RefreshColors();
    void RefreshFont();
    void RefreshPicture();
    void resizeLogic();
    void notify(const char* key);

    // Interaction.
    void pressLeft(int shift, QPointF pos);
    void beginHover(bool leftHeld);
    void endHover();
    void performClick();
    void applyCursor();
    void focusGained();

    // Modes and keys (xpbutton_modes.cpp).
    // The option group of the container: join it, leave it, switch the
    // other members off, or ask (the result) whether some member is on.
    enum OptionAction : int {
        kOptionRegister = 1,
        kOptionUnregister = -1,
        kOptionClearOthers = 0,
        kOptionQuery = 2
    };
    bool OptionToggle(OptionAction action);
    void updateAccessKey();
    void updateDefaultKeys();
    void routeDefaultKey(int keyAscii);
    bool designTime() const;
    void designMessage(const QString& text, const QString& title = QString());

    ButtonHost* m_host = nullptr;
    QPointer<QWidget> m_container;  // whose option group the widget joins
    bool m_reading = false;         // restoring a property set

    xp::ButtonState m_state;
    QImage m_surface;
    bool m_delayDrawing = false;
    bool m_surfaceCreated = false;
    int m_paintCount = 0;
    bool m_composedForPaint = false;  // Redraw composed the image the next paint shows

    QPixmap m_mouseIcon;
    QPoint m_mouseIconHotSpot;
    int m_mousePointer = 0;

    int m_lastButton = 0;
    bool m_clickArmed = false;  // a left press on the widget awaits its release
    QTimer* m_hoverTimer = nullptr;

    bool m_isDefault = false;
    bool m_isCancel = false;
    QShortcut* m_accessShortcut = nullptr;
    QShortcut* m_enterShortcut = nullptr;
    QShortcut* m_returnShortcut = nullptr;
    QShortcut* m_escapeShortcut = nullptr;
    QMetaObject::Connection m_focusWatch;  // the default button follows the focus
};

}  // namespace quellan
