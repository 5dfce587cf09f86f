#include "frame_model/caption_button_state.h"

namespace quellan::frame {

namespace {
constexpr char kHovering = '1';  // the tag while the hover picture shows
}

void CaptionButtonState::mouseMove() {
    if (!m_tag.empty()) return;
    m_look = CaptionLook::Hover;
    m_tag.assign(1, kHovering);
}

void CaptionButtonState::mouseDown() { m_look = CaptionLook::Pressed; }

void CaptionButtonState::mouseUp() {
    m_look = CaptionLook::Normal;
    m_tag.clear();
}

bool CaptionButtonState::reset() {
    if (m_tag.empty()) return false;
    m_look = CaptionLook::Normal;
    m_tag.clear();
    return true;
}

}  // namespace quellan::frame
