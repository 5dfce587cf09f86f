// Option buttons of one container: the group in the container's named
// properties, selection by click, focus and arrow keys.
#include "xpbutton/option_group.h"

#include <gtest/gtest.h>

#include <QVariant>
#include <memory>

#include "widget_fixture.h"
#include "xpbutton/property_bag.h"

namespace quellan::testing {
namespace {

// Three option buttons side by side in one shown container.
class OptionRow : public ::testing::Test {
  protected:
    void SetUp() override {
        QCursor::setPos(QPoint(2000, 2000));
        host = std::make_unique<QWidget>();
        host->resize(300, 100);
        for (int i = 0; i < 3; ++i) {
            auto* b = new XPButton(host.get());
            b->setGeometry(10 + 90 * i, 10, 80, 30);
            b->setButtonStyle(2);
            b->setMode(2);
            options[i] = b;
        }
        host->show();
        host->activateWindow();
        (void)QTest::qWaitForWindowActive(host.get());
        // Activation focuses the first option, which selects it.
        host->setFocus();
        for (XPButton* b : options) b->setValue(false);
    }
    xp::OptionGroup group() const { return xp::OptionGroup(host.get()); }

    std::unique_ptr<QWidget> host;
    XPButton* options[3] = {};
};

TEST_F(OptionRow, RegisteredInOrderOnTheContainer) {
    EXPECT_EQ(host->property("qx_OptCount").toInt(), 3);
    for (int k = 1; k <= 3; ++k) EXPECT_EQ(group().member(k), options[k - 1]);
    EXPECT_FALSE(host->property("4qx_Obj").isValid());
}

TEST_F(OptionRow, MiddleSwitchedToCommandLeavesAGroupOfTwo) {
    options[1]->setMode(0);
    EXPECT_EQ(host->property("qx_OptCount").toInt(), 2);
    EXPECT_EQ(group().member(1), options[0]);
    EXPECT_EQ(group().member(2), options[2]);
    EXPECT_FALSE(host->property("3qx_Obj").isValid());
    // Back to option mode, it joins at the end.
    options[1]->setMode(2);
    EXPECT_EQ(group().members(), (std::vector<XPButton*>{options[0], options[2], options[1]}));
}

TEST_F(OptionRow, LastMemberLeavingRemovesTheCount) {
    for (XPButton* b : options) b->setMode(1);
    EXPECT_FALSE(host->property("qx_OptCount").isValid());
    EXPECT_EQ(group().count(), 0);
}

TEST_F(OptionRow, SelectingOneClearsTheOthers) {
    options[0]->setValue(true);
    int clicks = 0;
    QObject::connect(options[2], &XPButton::Click, [&] { ++clicks; });
    QTest::mouseClick(options[2], Qt::LeftButton, {}, QPoint(40, 15));
    EXPECT_EQ(clicks, 1);
    EXPECT_FALSE(options[0]->Value());
    EXPECT_FALSE(options[1]->Value());
    EXPECT_TRUE(options[2]->Value());
}

TEST_F(OptionRow, ASelectedOptionClickedAgainRaisesNoClick) {
    options[1]->setValue(true);
    std::vector<std::string> log;
    QObject::connect(options[1], &XPButton::Click, [&] { log.push_back("Click"); });
    QObject::connect(options[1], &XPButton::MouseDown,
                     [&](int, int, float, float) { log.push_back("MouseDown"); });
    QObject::connect(options[1], &XPButton::MouseUp,
                     [&](int, int, float, float) { log.push_back("MouseUp"); });
    QTest::mouseClick(options[1], Qt::LeftButton, {}, QPoint(40, 15));
    EXPECT_EQ(log, (std::vector<std::string>{"MouseDown", "MouseUp"}));
    EXPECT_TRUE(options[1]->Value());
}

TEST_F(OptionRow, FocusSelectsTheFirstOptionOfAnEmptyGroupOnly) {
    options[1]->setFocus();
    EXPECT_TRUE(options[1]->Value());
    options[2]->setFocus();
    EXPECT_FALSE(options[2]->Value());  // the group has a selected member
    EXPECT_TRUE(options[1]->Value());
}

TEST_F(OptionRow, ArrowReleaseSelectsTheFocusedOption) {
    options[0]->setValue(true);
    options[2]->setFocus();  // the group is not empty: nothing selected yet
    ASSERT_FALSE(options[2]->Value());
    QTest::keyClick(options[2], Qt::Key_Right);
    EXPECT_TRUE(options[2]->Value());
    EXPECT_FALSE(options[0]->Value());
}

TEST_F(OptionRow, ADestroyedMemberLeavesTheGroup) {
    options[1]->setValue(true);
    delete options[1];
    EXPECT_EQ(group().count(), 2);
    EXPECT_EQ(group().members(), (std::vector<XPButton*>{options[0], options[2]}));
    EXPECT_FALSE(options[0]->Value());  // leaving quietly changes no one
    QTest::mouseClick(options[2], Qt::LeftButton, {}, QPoint(40, 15));
    EXPECT_TRUE(options[2]->Value());
}

TEST_F(OptionRow, TheContainerMayGoFirst) {
    options[0]->setValue(true);
    // Children end with their container: each leaves the group quietly, so
    // nothing reaches a member that is going or gone.
    QStringList told;
    for (XPButton* b : options) {
        QObject::connect(b, &XPButton::propertyChanged, [&told](const QString& k) { told << k; });
    }
    const QPointer<XPButton> last = options[2];
    host.reset();
    EXPECT_TRUE(told.isEmpty());
    EXPECT_TRUE(last.isNull());
}

TEST_F(OptionRow, AMovedOptionJoinsTheGroupOfItsNewContainer) {
    QWidget other;
    options[2]->setParent(&other);
    EXPECT_EQ(group().members(), (std::vector<XPButton*>{options[0], options[1]}));
    EXPECT_EQ(xp::OptionGroup(&other).members(), (std::vector<XPButton*>{options[2]}));
    delete options[2];
    EXPECT_EQ(xp::OptionGroup(&other).count(), 0);
}

TEST_F(OptionRow, RestoringTwiceRegistersOnce) {
    xp::PropertyBag bag;
    options[0]->WriteProperties(bag);
    options[0]->ReadProperties(bag);
    options[0]->ReadProperties(bag);
    EXPECT_EQ(group().count(), 3);
    bag.write("Mode", qint32(0));
    options[0]->ReadProperties(bag);
    EXPECT_EQ(group().members(), (std::vector<XPButton*>{options[1], options[2]}));
}

}  // namespace
}  // namespace quellan::testing
