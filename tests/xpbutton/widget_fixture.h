#pragma once
// A shown, active host window with one XPButton dressed like a board piece.
#include <QCursor>
#include <QWidget>
#include <QtTest/QTest>

#include "xpbutton/xpbutton.h"

namespace quellan::testing {

inline constexpr quint32 kClassicFace = 0x00C8D0D4;  // RGB(212, 208, 200)

class HostedButton {
  public:
    explicit HostedButton(QSize size = {60, 60}) {
        // Keep the pointer off the widget unless a test moves it there.
        QCursor::setPos(QPoint(2000, 2000));
        host.resize(300, 200);
        button = new XPButton(&host);
        button->setButtonStyle(2);
        button->setBackColor(kClassicFace);
        button->setGradientColor(0);
        button->setPictureAlign(4);
        button->setPictureSize(4);
        button->setGeometry(20, 20, size.width(), size.height());
        host.show();
        host.activateWindow();
        (void)QTest::qWaitForWindowActive(&host);
        // Activation hands the focus to the first widget of the tab order.
        button->clearFocus();
    }
    QRgb at(int x, int y) const { return button->surface().pixel(x, y) & 0xFFFFFF; }

    QWidget host;
    XPButton* button = nullptr;
};

// Expected colours are written as 0xRRGGBB, as QImage reports them.
constexpr QRgb rgb(int r, int g, int b) { return static_cast<QRgb>((r << 16) | (g << 8) | b); }

}  // namespace quellan::testing
