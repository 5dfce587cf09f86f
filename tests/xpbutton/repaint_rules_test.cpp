// When a widget repaints and what it tells its host: the delay around a
// burst of changes, the paint notification, the notification key of every
// setter and the silence of refused assignments.
#include <gtest/gtest.h>

#include <functional>

#include "recording_host.h"
#include "sample_pictures.h"
#include "widget_fixture.h"
#include "xpbutton/property_bag.h"

namespace quellan::testing {
namespace {

using Setter = std::function<void(XPButton&)>;

TEST(Repaint, DelayDrawingEndsInOneRepaint) {
    HostedButton w;
    XPButton* b = w.button;
    const int before = b->paintCount();
    b->DelayDrawing(true);
    b->setBackColor(0x00336699);
    b->setCaption("A");
    b->Refresh();
    EXPECT_EQ(b->paintCount(), before);
    b->DelayDrawing(false);
    EXPECT_EQ(b->paintCount(), before + 1);
}

TEST(Repaint, RestoringAPropertySetPaintsOnce) {
    HostedButton w;
    w.button->setCaption("Go");
    w.button->setPicture(solidPicture(16));
    xp::PropertyBag bag;
    w.button->WriteProperties(bag);
    const int before = w.button->paintCount();
    w.button->ReadProperties(bag);
    EXPECT_EQ(w.button->paintCount(), before + 1);
}

TEST(Repaint, APaintNotificationEndsTheDelayAndShowsTheWidgetAsItIs) {
    HostedButton w;
    XPButton* b = w.button;
    QCursor::setPos(b->mapToGlobal(QPoint(30, 30)));
    QTest::mouseMove(b, QPoint(30, 30));
    ASSERT_TRUE(b->renderState().isHovering);
    const QRgb hotFace = w.at(30, 3);
    b->setHoverBackColor(0x00000080);  // stored without a repaint
    EXPECT_EQ(w.at(30, 3), hotFace);
    b->repaint();
    EXPECT_EQ(w.at(30, 3), rgb(175, 47, 0));  // RGB(128, 0, 0) lightened by 48, row 3
    b->DelayDrawing(true);
    b->repaint();
    const int painted = b->paintCount();
    b->Refresh();  // the delay has ended
    EXPECT_EQ(b->paintCount(), painted + 1);
}

TEST(Repaint, AnAccessKeyRepaintsBeforeItClicks) {
    HostedButton w;
    w.button->setCaption("&Undo");
    int clicks = 0;
    QObject::connect(w.button, &XPButton::Click, [&] { ++clicks; });
    int before = w.button->paintCount();
    w.button->AccessKeyPress('U');
    EXPECT_EQ(w.button->paintCount(), before + 1);
    EXPECT_EQ(clicks, 1);
    w.button->setDisplayAsDefault(true);  // the default button does not
    before = w.button->paintCount();
    w.button->AccessKeyPress('U');
    w.button->AccessKeyPress(13);  // nor does Enter
    EXPECT_EQ(w.button->paintCount(), before);
    EXPECT_EQ(clicks, 3);
}

struct KeyCase {
    const char* what;
    Setter set;
    QStringList keys;
};

TEST(Notify, EachSetterTellsItsKey) {
    QPixmap icon(16, 16);
    icon.fill(Qt::black);
    const KeyCase cases[] = {
        {"ButtonStyle", [](XPButton& b) { b.setButtonStyle(3); }, {"BackStyle"}},
        {"Mode", [](XPButton& b) { b.setMode(1); }, {"Mode"}},
        {"Value",
         [](XPButton& b) {
             b.setMode(1);
             b.setValue(true);
         },
         {"Mode", "Value"}},
        {"Caption", [](XPButton& b) { b.setCaption("x"); }, {"Caption"}},
        {"CaptionAlign", [](XPButton& b) { b.setCaptionAlign(1); }, {"CapAlign"}},
        {"CaptionStyle", [](XPButton& b) { b.setCaptionStyle(1); }, {"CapStyle"}},
        {"ButtonShape", [](XPButton& b) { b.setButtonShape(1); }, {"Shape"}},
        {"Picture", [](XPButton& b) { b.setPicture(solidPicture(16)); }, {"Image"}},
        {"PictureAlign", [](XPButton& b) { b.setPictureAlign(1); }, {"ImgAlign"}},
        {"PictureSize", [](XPButton& b) { b.setPictureSize(1); }, {"ImgSize"}},
        {"Enabled", [](XPButton& b) { b.setEnabled(false); }, {"Enabled"}},
        {"ShowFocusRect", [](XPButton& b) { b.setShowFocusRect(false); }, {"Focus"}},
        {"MousePointer", [](XPButton& b) { b.setMousePointer(2); }, {"mPointer"}},
        {"MouseIcon", [&](XPButton& b) { b.setMouseIcon(icon, {}); }, {"mIcon"}},
        {"Font", [](XPButton& b) { b.setFont(QFont("Sans", 12)); }, {"Font"}},
        {"FontStyle", [](XPButton& b) { b.setFontStyle(2); }, {"Font"}},
        {"ForeColor", [](XPButton& b) { b.setForeColor(0xFF); }, {"cFHover", "cFHover", "cFore"}},
        {"BackColor", [](XPButton& b) { b.setBackColor(0xFF); }, {"cBack"}},
        {"GradientColor", [](XPButton& b) { b.setGradientColor(0xFF); }, {"cGradient"}},
        {"GradientMode", [](XPButton& b) { b.setGradientMode(1); }, {"Gradient"}},
        {"HoverColorLocks", [](XPButton& b) { b.setHoverColorLocks(3); }, {"LockHover"}},
        {"HoverForeColor", [](XPButton& b) { b.setHoverForeColor(0xFF); }, {"cFHover", "cFHover"}},
        {"HoverBackColor", [](XPButton& b) { b.setHoverBackColor(0xFF); }, {"cBHover"}},
    };
    for (const KeyCase& c : cases) {
        SCOPED_TRACE(c.what);
        HostedButton w;
        ChangedKeys changed(w.button);
        c.set(*w.button);
        EXPECT_EQ(changed.keys, c.keys);
    }
}

struct RefusedCase {
    const char* what;
    Setter set;
    std::function<int(XPButton&)> get;
};

TEST(Refused, OutOfRangeValuesChangeNothingSilently) {
    const RefusedCase cases[] = {
        {"ButtonStyle 8", [](XPButton& b) { b.setButtonStyle(8); }, &XPButton::ButtonStyle},
        {"Mode 3", [](XPButton& b) { b.setMode(3); }, &XPButton::Mode},
        {"Mode -1", [](XPButton& b) { b.setMode(-1); }, &XPButton::Mode},
        {"CaptionAlign 3", [](XPButton& b) { b.setCaptionAlign(3); }, &XPButton::CaptionAlign},
        {"CaptionStyle 3", [](XPButton& b) { b.setCaptionStyle(3); }, &XPButton::CaptionStyle},
        {"ButtonShape 7", [](XPButton& b) { b.setButtonShape(7); }, &XPButton::ButtonShape},
        {"PictureAlign 6", [](XPButton& b) { b.setPictureAlign(6); }, &XPButton::PictureAlign},
        {"GradientMode 5", [](XPButton& b) { b.setGradientMode(5); }, &XPButton::GradientMode},
        {"PictureSize 5", [](XPButton& b) { b.setPictureSize(5); }, &XPButton::PictureSize},
    };
    for (const RefusedCase& c : cases) {
        SCOPED_TRACE(c.what);
        HostedButton w;
        RecordingHost designer(true);
        w.button->setHost(&designer);
        w.button->setCaption("x");
        w.button->setPicture(solidPicture(16));  // above the caption: the guard is armed
        const int value = c.get(*w.button);
        const int painted = w.button->paintCount();
        ChangedKeys changed(w.button);
        c.set(*w.button);
        EXPECT_EQ(c.get(*w.button), value);
        EXPECT_EQ(w.button->paintCount(), painted);
        EXPECT_TRUE(changed.keys.isEmpty());
        EXPECT_TRUE(designer.messages.isEmpty());
    }
}

}  // namespace
}  // namespace quellan::testing
