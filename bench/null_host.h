#pragma once
// A window that does nothing: no sound, no boxes, music off. The rules run
// at full speed against it.
#include <string>
#include <string_view>

#include "setup/game_host.h"

namespace quellan::bench {

class NullHost : public GameHost {
  public:
    void playEffect(std::string_view) override {}
    int musicOption() const override { return music::kOff; }
    void setMusicOption(int) override {}
    void showMessage(std::string_view, MessageIcon, std::string_view) override {}
    std::string askText(std::string_view, std::string_view) override { return "Bench"; }
};

}  // namespace quellan::bench
