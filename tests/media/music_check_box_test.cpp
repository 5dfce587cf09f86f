#include "media/music_check_box.h"

#include <gtest/gtest.h>

#include <QSignalSpy>
#include <QTest>

namespace quellan {
namespace {

class MusicCheckBoxTest : public ::testing::Test {
  protected:
    void SetUp() override {
        box.setText(QStringLiteral("背景音乐"));
        box.resize(120, 24);
        box.show();
    }
    void click() { QTest::mouseClick(&box, Qt::LeftButton, {}, box.rect().center()); }
    std::vector<int> emitted() const {
        std::vector<int> values;
        for (const auto& args : spy) values.push_back(args.at(0).toInt());
        return values;
    }

    MusicCheckBox box;
    QSignalSpy spy{&box, &MusicCheckBox::valueChanged};
};

TEST_F(MusicCheckBoxTest, StartsClear) { EXPECT_EQ(box.value(), 0); }

TEST_F(MusicCheckBoxTest, AClickSetsAClearBox) {
    click();
    EXPECT_EQ(box.value(), 1);
    EXPECT_EQ(emitted(), (std::vector<int>{1}));
}

TEST_F(MusicCheckBoxTest, AClickClearsASetBox) {
    box.setValue(1);
    spy.clear();
    click();
    EXPECT_EQ(box.value(), 0);
    EXPECT_EQ(emitted(), (std::vector<int>{0}));
}

TEST_F(MusicCheckBoxTest, AClickOnAGreyBoxSetsIt) {
    box.setValue(2);
    spy.clear();
    click();
    EXPECT_EQ(box.value(), 1);
    EXPECT_EQ(emitted(), (std::vector<int>{1}));
}

TEST_F(MusicCheckBoxTest, ClicksNeverMakeTheBoxGrey) {
    for (int i = 0; i < 6; ++i) click();
    EXPECT_EQ(emitted(), (std::vector<int>{1, 0, 1, 0, 1, 0}));
}

TEST_F(MusicCheckBoxTest, TheSpaceKeyFollowsTheSameRule) {
    box.setValue(2);
    spy.clear();
    box.setFocus();
    QTest::keyClick(&box, Qt::Key_Space);
    EXPECT_EQ(box.value(), 1);
}

TEST_F(MusicCheckBoxTest, AssigningAValueRunsTheHandlerAsAClickDoes) {
    EXPECT_TRUE(box.setValue(1));
    EXPECT_TRUE(box.setValue(2));
    EXPECT_TRUE(box.setValue(1));
    EXPECT_TRUE(box.setValue(0));
    EXPECT_EQ(emitted(), (std::vector<int>{1, 2, 1, 0}));
    EXPECT_EQ(box.checkState(), Qt::Unchecked);
}

TEST_F(MusicCheckBoxTest, GreyIsShownAsThePartlyCheckedState) {
    box.setValue(2);
    EXPECT_EQ(box.checkState(), Qt::PartiallyChecked);
    box.setValue(1);
    EXPECT_EQ(box.checkState(), Qt::Checked);
}

TEST_F(MusicCheckBoxTest, AssigningTheSameValueIsNoChange) {
    box.setValue(1);
    spy.clear();
    EXPECT_TRUE(box.setValue(1));
    EXPECT_TRUE(spy.isEmpty());
}

TEST_F(MusicCheckBoxTest, RefusesValuesOutsideZeroToTwo) {
    box.setValue(1);
    spy.clear();
    EXPECT_FALSE(box.setValue(3));
    EXPECT_FALSE(box.setValue(-1));
    EXPECT_EQ(box.value(), 1);
    EXPECT_TRUE(spy.isEmpty());
}

}  // namespace
}  // namespace quellan
