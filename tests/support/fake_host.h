#pragma once
// A GameHost that records every request of the rules, in order, and answers
// input boxes from a queue.
#include <deque>
#include <string>
#include <vector>

#include "setup/game_host.h"

namespace quellan::testing {

class FakeHost : public GameHost {
  public:
    void playEffect(std::string_view literal) override {
        log.push_back("effect " + std::string(literal));
    }
    int musicOption() const override { return music; }
    void setMusicOption(int value) override {
        music = value;
        log.push_back("music " + std::to_string(value));
    }
    void showMessage(std::string_view text, MessageIcon icon, std::string_view caption) override {
        log.push_back("message " + std::string(text) + " | " + std::string(caption) + " | " +
                      std::to_string(static_cast<int>(icon)));
    }
    std::string askText(std::string_view prompt, std::string_view title) override {
        log.push_back("ask " + std::string(title));
        lastPrompt = std::string(prompt);
        if (answers.empty()) return "Tester";
        std::string a = answers.front();
        answers.pop_front();
        return a;
    }
    void clearLog() { log.clear(); }

    int music = 0;
    std::deque<std::string> answers;
    std::vector<std::string> log;
    std::string lastPrompt;
};

}  // namespace quellan::testing
