#pragma once
// The stored properties of one XPButton and the rules of assigning them:
// ranges (out-of-range values are ignored silently), the couplings between
// properties (hover colours following the face and text colours, picture
// alignment forcing a centred caption) and the access key of the caption.
// The widget runs what a change sets off (layout, colours, repaint); this
// class only decides what is stored.
#include <QPixmap>
#include <QString>
#include <optional>

#include "xpbutton/ole_color.h"

namespace quellan::xp {

// Ranges of the enumerated properties.
inline constexpr int kButtonStyleCount = 8;   // 0..7, the looks
inline constexpr int kModeCount = 3;          // 0 command, 1 toggle, 2 option
inline constexpr int kCaptionAlignCount = 3;  // 0 left, 1 right, 2 centre
inline constexpr int kCaptionStyleCount = 3;  // 0 plain, 1 engraved, 2 raised
inline constexpr int kButtonShapeCount = 7;   // 0 rectangle .. 6 ellipse with wide rim
inline constexpr int kPictureAlignCount = 6;  // 0..3 beside, 4 above, 5 below the caption
inline constexpr int kPictureSizeCount = 5;   // index 0..4 = 16, 24, 32, 40, 48 pixels
inline constexpr int kGradientModeCount = 5;  // 0 none, 1..4 band directions

// The values of the enumerated properties. The numbers are the stored
// ones; the properties stay plain integers, so that a value out of range
// can be offered and refused.
enum ButtonStyle : int {
    kStyleClassic = 0,      // three-dimensional bevel
    kStyleTwoTone = 1,      // white and grey bevel in a black frame
    kStyleTheme = 2,        // the game's look: blue frame, shaded face
    kStyleFlatFramed = 3,   // dark frame, focus around the caption
    kStyleThinBevel = 4,    // a one-pixel bevel
    kStyleHoverFrame = 5,   // flat, framed only under the pointer
    kStyleDoubleBevel = 6,  // two grey bevels
    kStyleBlackFrame = 7,   // black frame with an inner highlight
};
enum ButtonShape : int {
    kShapeRectangle = 0,
    kShapeSlantedLeft = 1,       // left edge slanted
    kShapeSlantedRight = 2,      // right edge slanted
    kShapeParallelogram = 3,     // both edges slanted
    kShapeEllipse = 4,           // lit rim, sunk while pressed
    kShapeEllipseFlatPress = 5,  // lit rim that goes while pressed
    kShapeEllipseBlackRim = 6,   // two-pixel black rim
};
enum Mode : int { kModeCommand = 0, kModeToggle = 1, kModeOption = 2 };
enum CaptionAlign : int { kAlignLeft = 0, kAlignRight = 1, kAlignCenter = 2 };
enum PictureAlign : int {
    kPictureLeft = 0,           // at the left edge
    kPictureBeforeCaption = 1,  // just left of the caption
    kPictureRight = 2,          // at the right edge
    kPictureAfterCaption = 3,   // just right of the caption
    kPictureAbove = 4,
    kPictureBelow = 5,
};
// The picture sits above or below the caption: only a centred caption fits.
constexpr bool isAboveOrBelow(int pictureAlign) {
    return pictureAlign == kPictureAbove || pictureAlign == kPictureBelow;
}

// Stored picture sizes in pixels; 40 and 48 are the two scaling modes.
inline constexpr int kPictureSizeStretch = 40;
inline constexpr int kPictureSizeFit = 48;

// Hover colour locks: set when the hover colour was chosen on its own and
// no longer follows the face or text colour.
inline constexpr int kLockHoverBack = 1;
inline constexpr int kLockHoverFore = 2;

class ButtonProperties {
  public:
    // The stored values as one record: what a saved property set holds.
    // Restoring a record stores it as it is, without the couplings of the
    // setters; the caller keeps the values in range.
    struct Fields {
        QString caption;
        int captionAlign = kAlignCenter;
        int captionStyle = 0;
        int buttonStyle = 0;
        int buttonShape = 0;
        int mode = kModeCommand;
        int pictureAlign = 0;
        int gradientMode = 0;
        int hoverColorLocks = 0;
        bool value = false;
        bool showFocusRect = true;
        QPixmap picture;
        int pictureSize = 16;  // pixels; 0 reads as 16
        quint32 backColor = kButtonFace;
        quint32 foreColor = kButtonText;
        quint32 gradientColor = kButtonFace;
        quint32 hoverForeColor = kButtonText;
        quint32 hoverBackColor = kButtonFace;
    };
    const Fields& fields() const { return m_f; }
    void restoreFields(const Fields& fields) { m_f = fields; }

    // Every setter returns true when the value was stored (for the "only if
    // different" properties: when it changed), false when it was refused.
    // Callers that run nothing further may ignore the result.
    bool setButtonStyle(int style);
    bool setMode(int mode);  // leaving the command mode keeps value; entering it clears value
    bool setValue(bool on);  // True is refused for a command button
    bool setCaption(const QString& caption);
    bool setCaptionAlign(int align);
    // True when align is refused because the picture sits above or below
    // the caption (only a centred caption fits there).
    [[nodiscard]] bool captionAlignGuarded(int align) const;
    bool setCaptionStyle(int style);
    bool setButtonShape(int shape);  // shape 3 (both edges slanted) forces a centred caption
    bool setPicture(const QPixmap& picture);
    bool setPictureAlign(int align);  // 4 and 5 centre the caption
    bool setPictureSize(int index);
    bool setShowFocusRect(bool show);
    bool setBackColor(quint32 value);  // stores the resolved RGB, see ToRGB
    bool setForeColor(quint32 value);
    bool setGradientColor(quint32 value);
    bool setGradientMode(int mode);
    bool setHoverColorLocks(int locks);
    bool setHoverForeColor(quint32 value);
    bool setHoverBackColor(quint32 value);

    // Resets the colours to the system button colours (the design-time
    // "reset default colours" command).
    void resetDefaultColors();

    int buttonStyle() const { return m_f.buttonStyle; }
    int mode() const { return m_f.mode; }
    bool value() const { return m_f.value; }
    const QString& caption() const { return m_f.caption; }
    // The character after the last single "&" of a caption; a caption
    // without one keeps the access key of the caption before it.
    const QString& accessKey() const { return m_accessKey; }
    int captionAlign() const { return m_f.captionAlign; }
    int captionStyle() const { return m_f.captionStyle; }
    int buttonShape() const { return m_f.buttonShape; }
    const QPixmap& picture() const { return m_f.picture; }
    bool hasPicture() const { return m_f.picture.width() + m_f.picture.height() > 0; }
    int pictureAlign() const { return m_f.pictureAlign; }
    // Reading the index turns a stored 0 into 16 pixels for good.
    int pictureSizeIndex();
    int storedPictureSize() const { return m_f.pictureSize == 0 ? 16 : m_f.pictureSize; }
    bool showFocusRect() const { return m_f.showFocusRect; }
    quint32 backColor() const { return m_f.backColor; }
    quint32 foreColor() const { return m_f.foreColor; }
    quint32 gradientColor() const { return m_f.gradientColor; }
    int gradientMode() const { return m_f.gradientMode; }
    int hoverColorLocks() const { return m_f.hoverColorLocks; }
    quint32 hoverForeColor() const { return m_f.hoverForeColor; }
    quint32 hoverBackColor() const { return m_f.hoverBackColor; }

    // Stored picture size in pixels, for restoring a saved set (0 reads as 16).
    void setStoredPictureSize(int pixels) { m_f.pictureSize = pixels; }

  private:
    // The hover colours follow the face and text colours unless their lock
    // is set; any lock value other than 0..3 counts as both locked.
    bool hoverBackFollows() const {
        return m_f.hoverColorLocks == 0 || m_f.hoverColorLocks == kLockHoverFore;
    }
    bool hoverForeFollows() const {
        return m_f.hoverColorLocks == 0 || m_f.hoverColorLocks == kLockHoverBack;
    }

    QString m_accessKey;
    Fields m_f;
};

// The access key a caption assigns, scanning from its end for an "&" that
// is not half of a doubled "&&": nothing when there is none; an "&" at the
// very end gives an empty key.
[[nodiscard]] std::optional<QString> accessKeyOf(const QString& caption);

}  // namespace quellan::xp
