#include "xpbutton/button_properties.h"

#include <gtest/gtest.h>

#include "sample_pictures.h"

namespace quellan::xp {
namespace {

QPixmap somePicture() { return quellan::testing::solidPicture(8); }

TEST(ButtonProperties, DefaultsOfARunningWidget) {
    ButtonProperties p;
    EXPECT_EQ(p.buttonStyle(), 0);
    EXPECT_EQ(p.captionAlign(), kAlignCenter);
    EXPECT_TRUE(p.showFocusRect());
    EXPECT_EQ(p.storedPictureSize(), 16);
    EXPECT_EQ(p.pictureSizeIndex(), 0);
    EXPECT_EQ(p.backColor(), kButtonFace);
    EXPECT_EQ(p.foreColor(), kButtonText);
    EXPECT_EQ(p.gradientColor(), kButtonFace);
    EXPECT_EQ(p.hoverForeColor(), kButtonText);
    EXPECT_FALSE(p.value());
}

TEST(ButtonProperties, OutOfRangeValuesAreIgnored) {
    ButtonProperties p;
    ASSERT_TRUE(p.setButtonStyle(2));
    ASSERT_TRUE(p.setMode(1));
    ASSERT_TRUE(p.setCaptionAlign(1));
    ASSERT_TRUE(p.setButtonShape(2));
    ASSERT_TRUE(p.setPictureAlign(3));
    ASSERT_TRUE(p.setGradientMode(4));
    ASSERT_TRUE(p.setPictureSize(4));
    ASSERT_TRUE(p.setCaptionStyle(2));
    EXPECT_FALSE(p.setButtonStyle(8));
    EXPECT_FALSE(p.setButtonStyle(-1));
    EXPECT_FALSE(p.setMode(3));
    EXPECT_FALSE(p.setCaptionAlign(3));
    EXPECT_FALSE(p.setButtonShape(7));
    EXPECT_FALSE(p.setPictureAlign(6));
    EXPECT_FALSE(p.setGradientMode(5));
    EXPECT_FALSE(p.setPictureSize(5));
    EXPECT_FALSE(p.setCaptionStyle(3));
    EXPECT_EQ(p.buttonStyle(), 2);
    EXPECT_EQ(p.mode(), 1);
    EXPECT_EQ(p.captionAlign(), 1);
    EXPECT_EQ(p.buttonShape(), 2);
    EXPECT_EQ(p.pictureAlign(), 3);
    EXPECT_EQ(p.gradientMode(), 4);
    EXPECT_EQ(p.pictureSizeIndex(), 4);
    EXPECT_EQ(p.storedPictureSize(), 48);
    EXPECT_EQ(p.captionStyle(), 2);
}

TEST(ButtonProperties, CommandButtonCannotBeOn) {
    ButtonProperties p;
    EXPECT_FALSE(p.setValue(true));
    EXPECT_FALSE(p.value());
    p.setMode(kModeToggle);
    EXPECT_TRUE(p.setValue(true));
    p.setMode(kModeOption);
    EXPECT_TRUE(p.value());  // toggle to option keeps the value
    p.setMode(kModeCommand);
    EXPECT_FALSE(p.value());
}

TEST(ButtonProperties, PictureAboveForcesCentredCaption) {
    ButtonProperties p;
    p.setPicture(somePicture());
    p.setCaptionAlign(kAlignLeft);
    p.setPictureAlign(4);
    EXPECT_EQ(p.captionAlign(), kAlignCenter);
    EXPECT_FALSE(p.setCaptionAlign(kAlignLeft));
    EXPECT_EQ(p.captionAlign(), kAlignCenter);
    p.setPicture(QPixmap());
    EXPECT_TRUE(p.setCaptionAlign(kAlignLeft));
}

TEST(ButtonProperties, ParallelogramForcesCentredCaption) {
    ButtonProperties p;
    p.setCaptionAlign(kAlignRight);
    p.setButtonShape(3);
    EXPECT_EQ(p.captionAlign(), kAlignCenter);
}

TEST(ButtonProperties, StoredPictureSizeZeroReadsAs16) {
    ButtonProperties p;
    p.setStoredPictureSize(0);
    EXPECT_EQ(p.pictureSizeIndex(), 0);
    p.setPicture(somePicture());
    EXPECT_EQ(p.storedPictureSize(), 16);
}

TEST(AccessKey, LastSingleAmpersandWins) {
    EXPECT_EQ(accessKeyOf("A&&B &Cd"), "C");
    EXPECT_EQ(accessKeyOf("&Save && Quit"), "S");
    EXPECT_EQ(accessKeyOf("Fish && Chips"), std::nullopt);
    EXPECT_EQ(accessKeyOf("End&"), "");
}

TEST(AccessKey, CaptionWithoutAmpersandKeepsThePreviousKey) {
    ButtonProperties p;
    p.setCaption("&Undo");
    p.setCaption("撤消一步");
    EXPECT_EQ(p.accessKey(), "U");
    p.setCaption("Re&do");
    EXPECT_EQ(p.accessKey(), "d");
}

TEST(HoverColours, FollowTheFaceUntilSetOnTheirOwn) {
    ButtonProperties p;
    p.setBackColor(0x112233);
    EXPECT_EQ(p.hoverBackColor(), 0x112233u);
    EXPECT_FALSE(p.setHoverBackColor(0x112233));  // unchanged
    EXPECT_EQ(p.hoverColorLocks(), 0);
    p.setHoverBackColor(0x445566);
    EXPECT_EQ(p.hoverColorLocks(), kLockHoverBack);
    p.setBackColor(0x778899);
    EXPECT_EQ(p.hoverBackColor(), 0x445566u);
}

TEST(HoverColours, ForeColourCarriesTheHoverForeColour) {
    ButtonProperties p;
    p.setForeColor(0x0000FF);
    EXPECT_EQ(p.hoverForeColor(), 0x0000FFu);
    EXPECT_EQ(p.hoverColorLocks(), 0);
    p.setHoverForeColor(0x00FF00);
    EXPECT_EQ(p.hoverColorLocks(), kLockHoverFore);
    p.setForeColor(0xFF0000);
    EXPECT_EQ(p.hoverForeColor(), 0x00FF00u);
    p.setHoverColorLocks(0);
    EXPECT_EQ(p.hoverForeColor(), 0xFF0000u);
}

TEST(HoverColours, GradientWidgetsHoverInTheGradientColour) {
    ButtonProperties p;
    p.setGradientColor(0x0000AA);
    p.setGradientMode(3);
    EXPECT_EQ(p.hoverBackColor(), 0x0000AAu);
    p.setBackColor(0x123456);
    EXPECT_EQ(p.hoverBackColor(), 0x0000AAu);
    p.setGradientMode(0);
    EXPECT_EQ(p.hoverBackColor(), 0x123456u);
}

TEST(BackColour, SystemColourIsResolvedWhenAssigned) {
    ButtonProperties p;
    p.setBackColor(kButtonFace);
    EXPECT_FALSE(isSystemColor(p.backColor()));
    EXPECT_EQ(p.backColor(), ToRGB(kButtonFace));
    EXPECT_EQ(p.hoverBackColor(), kButtonFace);  // the hover colour keeps the reference
}

}  // namespace
}  // namespace quellan::xp
