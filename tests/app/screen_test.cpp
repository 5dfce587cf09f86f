// The whole window on a real X display (run under Xvfb): the corners just
// outside the rounded outline show the desktop, the frame shows its skin.
#include <QGuiApplication>
#include <QScreen>

#include "tests/app/app_fixture.h"

namespace quellan {
namespace {

using namespace quellan::testing;

class OnScreen : public AppFixture {};

TEST_F(OnScreen, TheWindowsCornersAreCutToTheDesktop) {
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        GTEST_SKIP() << "needs an X display (the test runs under xvfb-run)";
    ship("横刀立马");
    QScreen* screen = QGuiApplication::primaryScreen();
    const QImage desktop = screen->grabWindow(0).toImage();
    ASSERT_TRUE(start());
    QTest::qWait(200);  // let the server draw the window
    const QImage shot = screen->grabWindow(0).toImage();
    const QPoint origin = window->pos();
    const int w = 464, h = 411;
    auto screenAt = [&](const QImage& image, QPoint p) {
        return image.pixel(origin + p) | 0xFF000000u;
    };
    // Each 6 x 6 corner block: what the outline cuts away shows the desktop,
    // what it keeps shows the painted frame.
    const QRegion outline = window->mask();
    const QImage& surface = inside(*window).frameSurface();
    for (QPoint block : {QPoint(0, 0), QPoint(w - 6, 0), QPoint(0, h - 6), QPoint(w - 6, h - 6)}) {
        int cut = 0;
        for (int dy = 0; dy < 6; ++dy) {
            for (int dx = 0; dx < 6; ++dx) {
                const QPoint p = block + QPoint(dx, dy);
                if (outline.contains(p)) {
                    EXPECT_EQ(screenAt(shot, p), surface.pixel(p) | 0xFF000000u)
                        << p.x() << "," << p.y();
                } else {
                    ++cut;
                    EXPECT_EQ(screenAt(shot, p), screenAt(desktop, p)) << p.x() << "," << p.y();
                }
            }
        }
        EXPECT_GT(cut, 0) << block.x() << "," << block.y();
    }
    EXPECT_EQ(screenAt(shot, QPoint(200, 2)), surface.pixel(200, 2) | 0xFF000000u);
}

}  // namespace
}  // namespace quellan
