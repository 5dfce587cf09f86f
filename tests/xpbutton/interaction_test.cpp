// The events a widget raises for mouse, keyboard, focus and hover, in order.
#include <gtest/gtest.h>

#include <QKeyEvent>
#include <string>
#include <vector>

#include "widget_fixture.h"

namespace quellan::testing {
namespace {

// A QObject, so that its connections end with it (the button outlives it).
class EventLog : public QObject {
  public:
    explicit EventLog(XPButton* b, bool withHover = false) {
        connect(b, &XPButton::GotFocus, this, [this] { log.push_back("GotFocus"); });
        connect(b, &XPButton::LostFocus, this, [this] { log.push_back("LostFocus"); });
        connect(b, &XPButton::Click, this, [this] { log.push_back("Click"); });
        connect(b, &XPButton::DoubleClick, this,
                [this](int button) { log.push_back("DoubleClick " + std::to_string(button)); });
        connect(b, &XPButton::MouseDown, this, [this](int button, int, float x, float y) {
            log.push_back("MouseDown " + std::to_string(button) + " " + std::to_string(int(x)) +
                          " " + std::to_string(int(y)));
        });
        connect(b, &XPButton::MouseUp, this, [this](int button, int, float, float) {
            log.push_back("MouseUp " + std::to_string(button));
        });
        connect(b, &XPButton::KeyDown, this,
                [this](int key, int) { log.push_back("KeyDown " + std::to_string(key)); });
        connect(b, &XPButton::KeyPress, this,
                [this](int ch) { log.push_back("KeyPress " + std::to_string(ch)); });
        connect(b, &XPButton::KeyUp, this,
                [this](int key, int) { log.push_back("KeyUp " + std::to_string(key)); });
        if (withHover) {
            connect(b, &XPButton::MouseOnButton, this,
                    [this](bool on) { log.push_back(on ? "MouseOnButton 1" : "MouseOnButton 0"); });
        }
    }
    std::vector<std::string> log;
};

using Log = std::vector<std::string>;

TEST(Interaction, LeftClickTakesFocusBeforeMouseDown) {
    HostedButton w;
    EventLog events(w.button);
    QTest::mouseClick(w.button, Qt::LeftButton, {}, QPoint(30, 20));
    EXPECT_EQ(events.log, (Log{"GotFocus", "MouseDown 1 30 20", "MouseUp 1", "Click"}));
    EXPECT_TRUE(w.button->hasFocus());
}

TEST(Interaction, RightClickGivesNoClickAndNoFocus) {
    HostedButton w;
    EventLog events(w.button);
    QTest::mouseClick(w.button, Qt::RightButton, {}, QPoint(30, 30));
    EXPECT_EQ(events.log, (Log{"MouseDown 2 30 30", "MouseUp 2"}));
    EXPECT_FALSE(w.button->hasFocus());
}

TEST(Interaction, ReleaseOffTheWidgetGivesNoClick) {
    HostedButton w;
    EventLog events(w.button);
    QTest::mousePress(w.button, Qt::LeftButton, {}, QPoint(30, 30));
    QTest::mouseMove(w.button, QPoint(90, 90));
    QTest::mouseRelease(w.button, Qt::LeftButton, {}, QPoint(90, 90));
    EXPECT_EQ(events.log, (Log{"GotFocus", "MouseDown 1 30 30", "MouseUp 1"}));
}

TEST(Interaction, FocusMovesBetweenPieces) {
    HostedButton w;
    auto* other = new XPButton(&w.host);
    other->setGeometry(100, 20, 60, 60);
    other->show();
    EventLog first(w.button);
    EventLog second(other);
    QTest::mouseClick(w.button, Qt::LeftButton, {}, QPoint(30, 30));
    QTest::mouseClick(other, Qt::LeftButton, {}, QPoint(30, 30));
    EXPECT_EQ(first.log, (Log{"GotFocus", "MouseDown 1 30 30", "MouseUp 1", "Click", "LostFocus"}));
    EXPECT_EQ(second.log.front(), "GotFocus");
}

TEST(Interaction, DoubleClickGivesOneClick) {
    HostedButton w;
    EventLog events(w.button);
    // What the window system delivers: the second press arrives as a
    // double-click event (QTest's double click sends just that event).
    QTest::mouseClick(w.button, Qt::LeftButton, {}, QPoint(30, 30));
    QTest::mouseDClick(w.button, Qt::LeftButton, {}, QPoint(30, 30));
    QTest::mouseRelease(w.button, Qt::LeftButton, {}, QPoint(30, 30));
    EXPECT_EQ(events.log, (Log{"GotFocus", "MouseDown 1 30 30", "MouseUp 1", "Click",
                               "DoubleClick 1", "MouseDown 1 30 30", "MouseUp 1"}));
    int clicks = 0, downs = 0, ups = 0, doubles = 0;
    for (const auto& e : events.log) {
        clicks += e == "Click";
        downs += e.rfind("MouseDown", 0) == 0;
        ups += e.rfind("MouseUp", 0) == 0;
        doubles += e == "DoubleClick 1";
    }
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(downs, 2);
    EXPECT_EQ(ups, 2);
    EXPECT_EQ(doubles, 1);
}

TEST(Interaction, RightDoubleClickIsADoubleClickAndAPlainPress) {
    HostedButton w;
    EventLog events(w.button);
    QTest::mouseClick(w.button, Qt::RightButton, {}, QPoint(30, 30));
    QTest::mouseDClick(w.button, Qt::RightButton, {}, QPoint(30, 30));
    EXPECT_FALSE(w.button->renderState().has(xp::kIsButtonDown));  // no pressed look
    QTest::mouseRelease(w.button, Qt::RightButton, {}, QPoint(30, 30));
    EXPECT_EQ(events.log, (Log{"MouseDown 2 30 30", "MouseUp 2", "DoubleClick 2",
                               "MouseDown 1 30 30", "MouseUp 2"}));
}

TEST(Interaction, SpaceClicksInEachMode) {
    struct Case {
        int mode;
        Log log;
    };
    const Case cases[] = {
        {0, {"KeyDown 32", "KeyPress 32", "Click", "KeyUp 32"}},
        {1, {"KeyDown 32", "KeyPress 32", "KeyUp 32", "Click"}},
        {2, {"KeyDown 32", "KeyPress 32", "KeyUp 32", "Click"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mode);
        HostedButton w;
        auto* selected = new XPButton(&w.host);  // an option of the same group, on
        selected->setMode(2);
        selected->setValue(true);
        w.button->setMode(c.mode);
        w.button->setFocus();
        QCoreApplication::processEvents();
        EventLog events(w.button);
        QTest::keyPress(w.button, Qt::Key_Space);
        if (c.mode == 0) {
            EXPECT_EQ(w.at(2, 30), rgb(233, 233, 222));  // the pressed ring
        }
        QTest::keyRelease(w.button, Qt::Key_Space);
        EXPECT_EQ(events.log, c.log);
        EXPECT_EQ(w.button->Value(), c.mode > 0);
        EXPECT_EQ(selected->Value(), c.mode != 2);
        if (c.mode == 0) {
            EXPECT_EQ(w.at(2, 30), rgb(181, 209, 240));  // back to the focused ring
        }
    }
}

TEST(Interaction, KeysOtherThanShiftAreReported) {
    HostedButton w;
    w.button->setFocus();
    EventLog events(w.button);
    QTest::keyClick(w.button, Qt::Key_Shift);
    QTest::keyClick(w.button, Qt::Key_A);
    EXPECT_EQ(events.log, (Log{"KeyDown 16", "KeyDown 65", "KeyPress 97", "KeyUp 65"}));
}

TEST(Interaction, ArrowKeysGoToTheContainer) {
    HostedButton w;
    w.button->setFocus();
    EventLog events(w.button);
    struct Catcher : QObject {
        int key = 0;
        bool eventFilter(QObject*, QEvent* e) override {
            if (e->type() == QEvent::KeyPress) key = static_cast<QKeyEvent*>(e)->key();
            return false;
        }
    } catcher;
    w.host.installEventFilter(&catcher);
    QTest::keyClick(w.button, Qt::Key_Left);
    QCoreApplication::processEvents();
    EXPECT_TRUE(events.log.empty());
    EXPECT_EQ(catcher.key, Qt::Key_Left);
}

TEST(Interaction, CustomCursorFromMouseIcon) {
    HostedButton w;
    QPixmap hand(32, 32);
    hand.fill(Qt::black);
    w.button->setMouseIcon(hand, QPoint(8, 2));
    EXPECT_EQ(w.button->MousePointer(), 99);
    EXPECT_EQ(w.button->cursor().shape(), Qt::BitmapCursor);
    EXPECT_EQ(w.button->cursor().hotSpot(), QPoint(8, 2));
    w.button->setMousePointer(0);
    EXPECT_EQ(w.button->cursor().shape(), Qt::ArrowCursor);
    w.button->setMousePointer(42);  // not a cursor kind
    EXPECT_EQ(w.button->MousePointer(), 0);
}

TEST(Interaction, ToggleModeFlipsItsValueOnClick) {
    HostedButton w;
    w.button->setMode(1);
    QTest::mouseClick(w.button, Qt::LeftButton, {}, QPoint(30, 30));
    EXPECT_TRUE(w.button->Value());
    QTest::mouseClick(w.button, Qt::LeftButton, {}, QPoint(30, 30));
    EXPECT_FALSE(w.button->Value());
}

}  // namespace
}  // namespace quellan::testing
