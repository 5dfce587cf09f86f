// Access keys, the default and cancel buttons, ambient changes, the hover
// timer driven tick by tick, and drag and drop passing through.
#include <gtest/gtest.h>

#include <QDragEnterEvent>
#include <QMimeData>
#include <QTimer>

#include "widget_fixture.h"

namespace quellan::testing {
namespace {

void countClicks(XPButton* b, int& clicks) {
    QObject::connect(b, &XPButton::Click, [&clicks] { ++clicks; });
}

// Records the key events that reach a widget.
class EventLog : public QObject {
  public:
    EventLog(QWidget* watched, std::vector<QEvent::Type>& log) : m_log(log) {
        watched->installEventFilter(this);
    }
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease)
            m_log.push_back(event->type());
        return false;
    }

  private:
    std::vector<QEvent::Type>& m_log;
};

void tickHover(XPButton* b) { QMetaObject::invokeMethod(b, "checkHover"); }

bool hoverTimerRuns(XPButton* b) {
    const auto* timer = b->findChild<QTimer*>();
    return timer && timer->isActive();
}

TEST(AccessKey, AltAndTheKeyClicks) {
    HostedButton w;
    w.button->setCaption("&Undo");
    int clicks = 0;
    countClicks(w.button, clicks);
    QTest::keyClick(&w.host, Qt::Key_U, Qt::AltModifier);
    EXPECT_EQ(clicks, 1);
    w.button->setCaption("Redo");  // no ampersand: the key stays
    QTest::keyClick(&w.host, Qt::Key_U, Qt::AltModifier);
    EXPECT_EQ(clicks, 2);
    w.button->setEnabled(false);
    QTest::keyClick(&w.host, Qt::Key_U, Qt::AltModifier);
    EXPECT_EQ(clicks, 2);
}

TEST(DefaultButton, EnterClicksTheDefaultOrTheFocusedButton) {
    HostedButton w;
    auto* other = new XPButton(&w.host);
    other->setGeometry(100, 20, 60, 60);
    other->show();
    w.button->setDefault(true);
    other->setDefault(true);  // one default per window
    EXPECT_FALSE(w.button->Default());
    int defaultClicks = 0;
    int focusedClicks = 0;
    countClicks(other, defaultClicks);
    countClicks(w.button, focusedClicks);
    w.host.setFocus();
    QTest::keyClick(&w.host, Qt::Key_Return);
    EXPECT_EQ(defaultClicks, 1);
    EXPECT_TRUE(other->renderState().has(xp::kShowsDefaultLook));
    // Focused, an XPButton is the default one.
    w.button->setFocus();
    EXPECT_FALSE(other->renderState().has(xp::kShowsDefaultLook));
    QTest::keyClick(w.button, Qt::Key_Enter);
    EXPECT_EQ(focusedClicks, 1);
    EXPECT_EQ(defaultClicks, 1);
}

TEST(DefaultButton, EnterOnAFocusedButtonClicksAndRaisesOnlyKeyUp) {
    HostedButton w;
    w.button->setFocus();
    std::vector<int> keys;
    int clicks = 0;
    countClicks(w.button, clicks);
    QObject::connect(w.button, &XPButton::KeyDown, [&](int k, int) { keys.push_back(k); });
    QObject::connect(w.button, &XPButton::KeyUp, [&](int k, int) { keys.push_back(-k); });
    QTest::keyClick(w.button, Qt::Key_Return);
    EXPECT_EQ(clicks, 1);
    EXPECT_EQ(keys, (std::vector<int>{-13}));  // the press went to the default-button path
    w.button->setMode(1);                      // toggle buttons ignore Enter
    QTest::keyClick(w.button, Qt::Key_Return);
    EXPECT_EQ(clicks, 1);
    EXPECT_FALSE(w.button->Value());
    EXPECT_EQ(keys, (std::vector<int>{-13, -13}));
}

// The button's own keys stay with it; every other key is raised as KeyDown
// and KeyUp and goes on to the window around it, so Escape reaches a dialog.
TEST(Keys, KeysTheButtonDoesNotUseGoOnToTheHost) {
    struct Case {
        Qt::Key key;
        bool reachesHost;
    };
    const Case cases[] = {{Qt::Key_Escape, true},
                          {Qt::Key_A, true},
                          {Qt::Key_F2, true},
                          {Qt::Key_Space, false},
                          {Qt::Key_Return, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.key);
        HostedButton w;
        w.button->setFocus();
        std::vector<QEvent::Type> atHost;
        EventLog log(&w.host, atHost);
        std::vector<int> raised;
        QObject::connect(w.button, &XPButton::KeyDown, [&](int k, int) { raised.push_back(k); });
        QTest::keyClick(w.button, c.key);
        EXPECT_EQ(atHost, c.reachesHost
                              ? (std::vector<QEvent::Type>{QEvent::KeyPress, QEvent::KeyRelease})
                              : std::vector<QEvent::Type>{});
        if (c.reachesHost) {
            EXPECT_EQ(raised.size(), 1u) << "KeyDown is still raised";
        }
    }
}

TEST(CancelButton, EnterAndEscapeClickOnlyCommandButtons) {
    for (int mode : {0, 1, 2}) {
        HostedButton w;
        w.button->setMode(mode);
        w.button->setDefault(true);
        w.button->setCancel(true);
        int clicks = 0;
        countClicks(w.button, clicks);
        w.host.setFocus();
        QTest::keyClick(&w.host, Qt::Key_Escape);
        QTest::keyClick(&w.host, Qt::Key_Return);
        EXPECT_EQ(clicks, mode == 0 ? 2 : 0) << mode;
        EXPECT_FALSE(w.button->Value()) << mode;
        w.button->setCancel(false);
        QTest::keyClick(&w.host, Qt::Key_Escape);
        EXPECT_EQ(clicks, mode == 0 ? 2 : 0) << mode;
    }
}

TEST(Ambient, ContainerColourReachesTheEllipticRim) {
    HostedButton w;
    w.button->setButtonShape(4);
    const QImage before = w.button->surface();
    w.host.setPalette(QPalette(QColor(0, 0, 160)));
    EXPECT_EQ(w.button->renderState().containerBackColor, xp::packRgb(0, 0, 160));
    EXPECT_NE(w.button->surface(), before);  // repainted with the new rim
    w.button->setDisplayAsDefault(true);
    w.button->AmbientChanged("displayasdefault");  // any case; the host says no
    EXPECT_FALSE(w.button->renderState().has(xp::kShowsDefaultLook));
    const int painted = w.button->paintCount();
    w.button->AmbientChanged("SomethingElse");
    EXPECT_EQ(w.button->paintCount(), painted);
}

TEST(Hover, ReentryWithTheButtonHeldShowsPressedAgain) {
    HostedButton w;
    w.button->setButtonStyle(0);
    w.button->setMode(1);
    w.button->setShowFocusRect(false);
    const QRgb sunken = 0, raised = rgb(255, 255, 255);  // the outer top line of style 0
    QCursor::setPos(w.button->mapToGlobal(QPoint(30, 30)));
    QTest::mouseMove(w.button, QPoint(30, 30));
    QTest::mousePress(w.button, Qt::LeftButton, {}, QPoint(30, 30));
    EXPECT_EQ(w.at(30, 0), sunken);
    QCursor::setPos(QPoint(2000, 2000));
    tickHover(w.button);  // the end of the hover clears the held look
    EXPECT_EQ(w.at(30, 0), raised);
    QCursor::setPos(w.button->mapToGlobal(QPoint(30, 30)));
    QTest::mouseMove(w.button, QPoint(30, 30));
    EXPECT_EQ(w.at(30, 0), sunken);
    QTest::mouseRelease(w.button, Qt::LeftButton, {}, QPoint(30, 30));
    EXPECT_TRUE(w.button->Value());
}

TEST(Hover, OneEntryOneExitAndNoTimerElsewhere) {
    HostedButton w;
    std::vector<bool> seen;
    QObject::connect(w.button, &XPButton::MouseOnButton, [&](bool on) { seen.push_back(on); });
    EXPECT_FALSE(hoverTimerRuns(w.button));
    QCursor::setPos(w.button->mapToGlobal(QPoint(30, 30)));
    QTest::mouseMove(w.button, QPoint(30, 30));
    QTest::mouseMove(w.button, QPoint(32, 31));
    EXPECT_TRUE(hoverTimerRuns(w.button));
    tickHover(w.button);  // still over the widget
    EXPECT_EQ(seen, (std::vector<bool>{true}));
    EXPECT_EQ(w.at(2, 30), rgb(255, 203, 107));  // the hot ring
    QCursor::setPos(QPoint(2000, 2000));
    tickHover(w.button);
    tickHover(w.button);
    EXPECT_EQ(seen, (std::vector<bool>{true, false}));
    EXPECT_FALSE(hoverTimerRuns(w.button));
    EXPECT_FALSE(w.button->renderState().isHovering);
    EXPECT_EQ(w.at(2, 30), rgb(245, 245, 237));  // the resting ring
}

TEST(Hover, PressMoveOffReleaseEndsAtTheNextTick) {
    HostedButton w;
    int clicks = 0;
    countClicks(w.button, clicks);
    QCursor::setPos(w.button->mapToGlobal(QPoint(30, 30)));
    QTest::mouseMove(w.button, QPoint(30, 30));
    QTest::mousePress(w.button, Qt::LeftButton, {}, QPoint(30, 30));
    EXPECT_TRUE(w.button->renderState().pressedLook());
    QCursor::setPos(QPoint(2000, 2000));
    QTest::mouseMove(w.button, QPoint(200, 200));
    QTest::mouseRelease(w.button, Qt::LeftButton, {}, QPoint(200, 200));
    EXPECT_EQ(clicks, 0);
    EXPECT_TRUE(w.button->renderState().isHovering);  // until the timer looks
    tickHover(w.button);
    EXPECT_FALSE(w.button->renderState().isHovering);
}

TEST(Properties, FontStyleBits) {
    HostedButton w;
    for (int bits : {0, 1, 2, 4, 6, 8, 14}) {
        w.button->setFontStyle(bits);
        const QFont f = w.button->renderState().surfaceFont;
        EXPECT_EQ(w.button->FontStyle(), bits & 14) << bits;
        EXPECT_EQ(f.bold(), (bits & 2) != 0) << bits;
        EXPECT_EQ(f.italic(), (bits & 4) != 0) << bits;
        EXPECT_EQ(f.underline(), (bits & 8) != 0) << bits;
    }
}

TEST(Properties, InvalidMousePointerReachesTheCaller) {
    HostedButton w;
    EXPECT_TRUE(w.button->setMousePointer(11));
    EXPECT_FALSE(w.button->setMousePointer(42));
    EXPECT_EQ(w.button->MousePointer(), 11);
}

TEST(Shape, TrimmedCornerPixelRefusesAPress) {
    HostedButton w;
    EXPECT_FALSE(w.button->mask().contains(QPoint(0, 0)));
    EXPECT_TRUE(w.button->mask().contains(QPoint(3, 0)));
    EXPECT_EQ(w.host.childAt(w.button->mapTo(&w.host, QPoint(0, 0))), nullptr);
    EXPECT_EQ(w.host.childAt(w.button->mapTo(&w.host, QPoint(3, 0))), w.button);
}

// The platform sends a leave only to its current drop target.
struct DropTarget : XPButton {
    using XPButton::dragLeaveEvent;
    using XPButton::XPButton;
};

TEST(DragAndDrop, NotificationsPassThrough) {
    HostedButton w;
    DropTarget target(&w.host);
    target.setGeometry(100, 20, 60, 60);
    target.show();
    target.setAcceptDrops(true);
    std::vector<std::string> log;
    bool refuse = false;
    QObject::connect(&target, &XPButton::OLEDragOver,
                     [&](const QMimeData* data, int& effect, int, int, float x, float, int state) {
                         log.push_back("Over " + std::to_string(state) + " " +
                                       std::to_string(effect) + " " + std::to_string(int(x)) +
                                       (data ? " " + data->text().toStdString() : ""));
                         if (refuse) effect = 0;
                     });
    QObject::connect(
        &target, &XPButton::OLEDragDrop,
        [&](const QMimeData* data, int& effect, int, int, float, float) {
            log.push_back("Drop " + std::to_string(effect) + " " + data->text().toStdString());
        });
    QMimeData data;
    data.setText("QZ3");
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton,
                          Qt::NoModifier);
    QCoreApplication::sendEvent(&target, &enter);
    EXPECT_TRUE(enter.isAccepted());
    EXPECT_EQ(enter.dropAction(), Qt::CopyAction);
    refuse = true;
    QDragMoveEvent move(QPoint(12, 10), Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton,
                        Qt::NoModifier);
    QCoreApplication::sendEvent(&target, &move);
    EXPECT_FALSE(move.isAccepted());
    QDropEvent drop(QPointF(12, 10), Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&target, &drop);
    QDragLeaveEvent leave;
    target.dragLeaveEvent(&leave);
    EXPECT_EQ(log, (std::vector<std::string>{"Over 0 3 10 QZ3", "Over 2 3 12 QZ3", "Drop 2 QZ3",
                                             "Over 1 0 -1"}));
}

}  // namespace
}  // namespace quellan::testing
