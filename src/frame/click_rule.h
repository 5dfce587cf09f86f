#pragma once
// The click rule of the frame's controls. Their events count buttons and
// shift keys with the game's codes (platform/mouse_codes.h).
#include <Qt>

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
