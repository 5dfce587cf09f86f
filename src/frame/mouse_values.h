#pragma once
// Mouse values of the frame's controls. They count buttons and shift keys
// exactly as the game's buttons do (left 1, right 2, middle 4; shift 1,
// control 2, alt 4): see xpbutton/platform_codes.h.
#include <Qt>

#include "xpbutton/platform_codes.h"

namespace quellan {

// A click is a left press and a left release both on the same control.
class ClickRule {
  public:
    void press(Qt::MouseButton button) { m_armed = button == Qt::LeftButton; }
    // True when this release completes a click; `inside` says whether the
    // mouse is still over the control.
    bool release(Qt::MouseButton button, bool inside) {
        const bool click = m_armed && button == Qt::LeftButton && inside;
        if (button == Qt::LeftButton) m_armed = false;
        return click;
    }

  private:
    bool m_armed = false;
};

}  // namespace quellan
