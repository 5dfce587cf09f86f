#pragma once
// Reading the system's font configuration (dozens of rule files) is the
// longest single step before the first caption can be measured, and it needs
// nothing of the window system. FontSetupInBackground does it on a thread of
// its own while the application object connects to the display; `wait`
// returns once it is done, before the first font is asked for. Where fonts
// are not configured that way (Windows), both do nothing.

#include <thread>

namespace quellan::platform {

class FontSetupInBackground {
  public:
    FontSetupInBackground();
    ~FontSetupInBackground();
    FontSetupInBackground(const FontSetupInBackground&) = delete;
    FontSetupInBackground& operator=(const FontSetupInBackground&) = delete;

    void wait();

  private:
    std::thread m_thread;
};

}  // namespace quellan::platform
