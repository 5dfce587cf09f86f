#pragma once
// The look of a caption button of the frame (minimise, close): the skin's
// normal look, the hover picture and the pressed picture. The hover marker
// is the button's tag: "1" while the hover picture shows, empty otherwise.
#include <string>

namespace quellan::frame {

enum class CaptionLook { Normal, Hover, Pressed };

class CaptionButtonState {
  public:
    CaptionLook look() const { return m_look; }
    const std::string& tag() const { return m_tag; }

    // The mouse moves over the button: the hover picture, unless the tag is
    // already set.
    void mouseMove();
    // Any mouse button goes down on the button: the pressed picture; the tag
    // stays as it was.
    void mouseDown();
    // The button comes up: back to the skin's look, tag empty.
    void mouseUp();
    // The mouse moves over the frame's surface or its drag strip: a button
    // with its tag set goes back to the skin's look. True when it changed.
    bool reset();

  private:
    CaptionLook m_look = CaptionLook::Normal;
    std::string m_tag;
};

}  // namespace quellan::frame
