// Saving and restoring a widget's property set, a new instance on a form,
// and the messages a designer sees.
#include <gtest/gtest.h>

#include "recording_host.h"
#include "widget_fixture.h"
#include "xpbutton/form_buttons.h"
#include "xpbutton/form_description.h"
#include "xpbutton/property_bag.h"

namespace quellan::testing {
namespace {

using xp::PropertyBag;

QStringList keysOf(const PropertyBag& bag) {
    QStringList keys;
    for (const auto& e : bag.entries()) keys << e.first;
    return keys;
}

QPixmap piecePicture() {
    QImage image(32, 64, QImage::Format_RGB32);
    image.fill(qRgb(255, 0, 255));
    for (int y = 4; y < 60; ++y) {
        for (int x = 4; x < 28; ++x) image.setPixel(x, y, qRgb(x * 8, y * 4, 90));
    }
    return QPixmap::fromImage(image);
}

TEST(WriteProperties, AFreshWidgetWritesOnlyWhatHasNoDefault) {
    HostedButton w;
    XPButton fresh(&w.host);
    PropertyBag bag;
    fresh.WriteProperties(bag);
    EXPECT_EQ(keysOf(bag), (QStringList{"Font", "Mode", "Value", "cBack"}));
}

TEST(WriteProperties, KeysInTheirOrder) {
    HostedButton w;
    XPButton* b = w.button;
    b->setCaption("&Undo");
    b->setCaptionAlign(0);  // accepted: there is no picture yet
    b->setButtonShape(1);
    b->setForeColor(0x000000FF);
    b->setHoverForeColor(0x0000FF00);
    b->setHoverBackColor(0x00FF0000);
    b->setShowFocusRect(false);
    b->setGradientColor(0x00102030);
    b->setGradientMode(3);
    b->setCaptionStyle(1);
    b->setMode(1);
    b->setValue(true);
    b->setPicture(piecePicture());
    b->setEnabled(false);
    QPixmap hand(16, 16);
    hand.fill(Qt::black);
    b->setMouseIcon(hand, {1, 1});
    PropertyBag bag;
    b->WriteProperties(bag);
    EXPECT_EQ(
        keysOf(bag),
        (QStringList{"Caption",  "CapAlign", "BackStyle", "Shape",     "Font",      "cFore",
                     "cFHover",  "cBHover",  "Focus",     "LockHover", "cGradient", "Gradient",
                     "CapStyle", "Mode",     "Value",     "ImgAlign",  "Image",     "ImgSize",
                     "Enabled",  "cBack",    "mPointer",  "mIcon"}));
    EXPECT_TRUE(std::holds_alternative<qint16>(*bag.find("ImgSize")));
    EXPECT_EQ(xp::readInt(bag, "ImgSize", 0), 48);
    EXPECT_EQ(xp::readInt(bag, "LockHover", 0), 3);
}

TEST(ReadProperties, CaptionAlignRoundTrip) {
    HostedButton w;
    for (int align : {0, 1, 2}) {
        XPButton saved(&w.host);
        saved.setCaptionAlign(align);
        PropertyBag bag;
        saved.WriteProperties(bag);
        EXPECT_EQ(bag.contains("CapAlign"), align != 2);
        XPButton restored(&w.host);
        restored.setCaptionAlign(1);
        restored.ReadProperties(bag);
        EXPECT_EQ(restored.CaptionAlign(), align);
    }
}

TEST(ReadProperties, MissingKeysTakeTheirDefaults) {
    HostedButton w;
    w.host.setPalette(QPalette(QColor(10, 20, 30)));
    XPButton b(&w.host);
    b.setButtonStyle(2);
    b.setCaption("x");
    b.setPictureSize(4);
    b.ReadProperties(PropertyBag{});
    EXPECT_EQ(b.Caption(), "");
    EXPECT_EQ(b.ButtonStyle(), 0);
    EXPECT_EQ(b.CaptionAlign(), 2);
    EXPECT_EQ(b.PictureSize(), 0);
    EXPECT_TRUE(b.ShowFocusRect());
    EXPECT_EQ(b.GradientColor(), xp::kButtonFace);
    // The back colour of the form, and the hover colour following it.
    EXPECT_EQ(b.BackColor(), xp::packRgb(10, 20, 30));
    EXPECT_EQ(b.HoverBackColor(), xp::packRgb(10, 20, 30));
}

TEST(ReadProperties, RestoredSystemColourStaysAReference) {
    HostedButton w;
    w.button->setBackColor(xp::kButtonFace);  // resolved when assigned
    EXPECT_FALSE(xp::isSystemColor(w.button->BackColor()));
    PropertyBag bag;
    bag.write("cBack", xp::OleColor{xp::kButtonFace});
    w.button->ReadProperties(bag);
    EXPECT_EQ(w.button->BackColor(), xp::kButtonFace);
}

TEST(ReadProperties, DamagedValuesFallBackToTheirDefaults) {
    HostedButton w;
    PropertyBag bag;
    bag.write("BackStyle", qint32(9));
    bag.write("Shape", qint32(-1));
    bag.write("Mode", qint32(3));
    bag.write("CapAlign", qint32(5));
    bag.write("ImgAlign", qint32(6));
    bag.write("Gradient", qint32(5));
    bag.write("CapStyle", qint32(3));
    bag.write("ImgSize", qint16(33));
    bag.write("mPointer", qint32(42));
    w.button->ReadProperties(bag);
    EXPECT_EQ(w.button->ButtonStyle(), 0);
    EXPECT_EQ(w.button->ButtonShape(), 0);
    EXPECT_EQ(w.button->Mode(), 0);
    EXPECT_EQ(w.button->CaptionAlign(), 2);
    EXPECT_EQ(w.button->PictureAlign(), 0);
    EXPECT_EQ(w.button->GradientMode(), 0);
    EXPECT_EQ(w.button->CaptionStyle(), 0);
    EXPECT_EQ(w.button->PictureSize(), 0);
    EXPECT_EQ(w.button->MousePointer(), 0);
}

TEST(ReadProperties, PaintsOnceAfterTheWholeSet) {
    HostedButton w;
    PropertyBag bag;
    w.button->WriteProperties(bag);
    XPButton copy(&w.host);
    copy.setGeometry(w.button->geometry());
    copy.show();
    QCoreApplication::processEvents();
    copy.ReadProperties(bag);
    EXPECT_EQ(copy.surface(), w.button->surface());
}

// Saved to a form description file and restored into new widgets, the
// game's own buttons look exactly as before.
TEST(FormButtons, GameWidgetsRestoredFromTheirDescription) {
    HostedButton w({120, 120});
    w.button->setObjectName("QZ1");
    w.button->setPicture(piecePicture());
    w.button->setMousePointer(99);
    auto* undo = new XPButton(&w.host);
    undo->setObjectName("XPButton1");
    undo->setGeometry(150, 20, 97, 33);
    undo->setButtonStyle(2);
    undo->setBackColor(xp::kButtonFace);
    undo->setCaption(QStringLiteral("撤消一步"));
    undo->show();
    QCoreApplication::processEvents();

    const QByteArray text = xp::describeButtons(w.host).toText();
    const auto form = xp::FormDescription::fromText(text);
    ASSERT_TRUE(form);
    ASSERT_EQ(form->instances().size(), 2u);

    QWidget other;
    other.resize(300, 200);
    auto* piece = new XPButton(&other);
    piece->setObjectName("QZ1");
    piece->setGeometry(w.button->geometry());
    auto* undo2 = new XPButton(&other);
    undo2->setObjectName("XPButton1");
    undo2->setGeometry(undo->geometry());
    auto* stranger = new XPButton(&other);
    stranger->setObjectName("QZ2");
    other.show();
    QCoreApplication::processEvents();
    EXPECT_EQ(xp::restoreButtons(other, *form), 2);
    other.setFocus();  // showing the window may have focused the piece
    QCoreApplication::processEvents();
    EXPECT_EQ(piece->surface(), w.button->surface());
    EXPECT_EQ(undo2->surface(), undo->surface());
    EXPECT_EQ(piece->MousePointer(), 99);
    EXPECT_EQ(undo2->Caption(), QStringLiteral("撤消一步"));
    EXPECT_EQ(stranger->ButtonStyle(), 0);
}

TEST(InitProperties, ANewInstanceOnAForm) {
    HostedButton w;
    RecordingHost host(true);
    w.button->setHost(&host);
    w.button->setGradientMode(2);
    ChangedKeys changed(w.button);
    w.button->InitProperties();
    EXPECT_EQ(w.button->Caption(), "XPButton7");
    EXPECT_EQ(w.button->ButtonStyle(), 0);
    EXPECT_EQ(w.button->GradientMode(), 0);
    EXPECT_EQ(w.button->GradientColor(), 0u);
    EXPECT_EQ(w.button->BackColor(), xp::kButtonFace);
    EXPECT_EQ(changed.keys, (QStringList{"Caption", "CapAlign", "Focus", "cFHover", "cBHover"}));
    // The new instance stores picture size 0 until it is first read.
    PropertyBag bag;
    w.button->WriteProperties(bag);
    EXPECT_EQ(xp::readInt(bag, "ImgSize", 16), 0);
    EXPECT_EQ(w.button->PictureSize(), 0);
    bag = PropertyBag{};
    w.button->WriteProperties(bag);
    EXPECT_FALSE(bag.contains("ImgSize"));
}

TEST(DesignTime, TheFourMessagesAppearOnlyInDesignMode) {
    for (bool design : {true, false}) {
        HostedButton w;
        RecordingHost host(design);
        w.button->setHost(&host);
        w.button->setValue(true);  // a command button
        w.button->setPicture(piecePicture());
        w.button->setCaptionAlign(0);  // the picture is above the caption
        w.button->setDisplayAsDefault(true);
        w.button->setShowFocusRect(true);
        QPixmap huge(300, 300);
        huge.fill(Qt::black);
        w.button->setMouseIcon(huge, {});
        EXPECT_FALSE(w.button->Value());
        EXPECT_EQ(w.button->CaptionAlign(), 2);
        EXPECT_NE(w.button->MousePointer(), 99);
        if (!design) {
            EXPECT_TRUE(host.messages.isEmpty());
            // Running, the default look goes until the host asks again.
            EXPECT_FALSE(w.button->renderState().has(xp::kShowsDefaultLook));
            continue;
        }
        EXPECT_TRUE(w.button->renderState().has(xp::kShowsDefaultLook));
        ASSERT_EQ(host.messages.size(), 4);
        EXPECT_EQ(host.messages[0],
                  "Quellan: This property is not applicable for command button modes.");
        EXPECT_EQ(host.messages[1],
                  "Quellan: When button images are aligned top/bottom center, \n"
                  "button captions can only be center aligned");
        EXPECT_EQ(host.messages[2],
                  "Quellan: The focus rectangle may appear on default buttons ONLY while in "
                  "design mode, \nbut will not appear when the form is running.");
        EXPECT_TRUE(host.messages[3].startsWith("Select .ico Or .cur Files Only: "));
    }
}

TEST(DesignTime, ResetDefaultColoursOnlyWhileDesigning) {
    HostedButton w;
    w.button->setBackColor(0x00112233);
    w.button->setResetDefaultColors(true);
    EXPECT_EQ(w.button->BackColor(), 0x00112233u);
    RecordingHost host(true);
    w.button->setHost(&host);
    w.button->setHoverBackColor(0x00445566);
    ChangedKeys changed(w.button);
    w.button->setResetDefaultColors(true);
    EXPECT_EQ(w.button->BackColor(), xp::kButtonFace);
    EXPECT_EQ(w.button->GradientColor(), xp::kButtonFace);
    EXPECT_EQ(w.button->HoverColorLocks(), 0);
    EXPECT_EQ(w.button->HoverBackColor(), xp::kButtonFace);
    ASSERT_GE(changed.keys.size(), 2);
    EXPECT_EQ(changed.keys.mid(changed.keys.size() - 2), (QStringList{"cGradient", "cBack"}));
}

TEST(Notifications, HoverColourLocks) {
    HostedButton w;
    XPButton* b = w.button;
    ChangedKeys changed(b);
    b->setHoverBackColor(b->BackColor());  // equal to the face colour: no lock
    EXPECT_EQ(b->HoverColorLocks(), 0);
    b->setHoverBackColor(0x00010203);
    EXPECT_EQ(b->HoverColorLocks(), 1);
    b->setBackColor(0x00AABBCC);
    EXPECT_EQ(b->HoverBackColor(), 0x00010203u);  // no longer follows
    b->setHoverForeColor(0x000000FF);
    EXPECT_EQ(b->HoverColorLocks(), 3);
    b->setHoverColorLocks(2);  // the hover face follows again
    EXPECT_EQ(b->HoverBackColor(), 0x00AABBCCu);
    EXPECT_EQ(b->HoverForeColor(), 0x000000FFu);
    EXPECT_EQ(changed.keys,
              (QStringList{"cBHover", "cBack", "cFHover", "cFHover", "cBHover", "LockHover"}));
}

}  // namespace
}  // namespace quellan::testing
