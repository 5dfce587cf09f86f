#pragma once
// Start-up work that needs nothing of the window and would otherwise hold up
// the first caption: each runs on a thread of its own (BackgroundStep) while
// the main thread goes on, and is waited for before the window needs it.
// Where a step does not apply (Windows), it does nothing.

#include <QString>
#include <filesystem>
#include <functional>
#include <thread>
#include <utility>

namespace quellan::platform {

// Reads the system's font rules (dozens of configuration files), the longest
// single step before the first caption can be measured; the font database
// later finds them loaded. Where the face file `bundledFace` (the game
// folder's cut of the Ming face) is there, adds it to those rules as one of
// the program's own faces, so that the font database finds it among the
// others instead of reading it on the main thread (bundledFaceFamily).
// Runs before the application object exists.
void readFontRules(const std::filesystem::path& bundledFace);

// The family of the face readFontRules added, once that step has ended;
// empty where it added none (no such file, or no font rules of that kind on
// this system), and the face is then for Qt's font database to add.
QString bundledFaceFamily();

// Connects to the session message bus, which the accessibility support asks
// for when the first caption is set; where no bus runs, finding that out
// takes a failed attempt to start one. Where the desktop runs an
// accessibility bus, connects to that too and learns whether a screen
// reader has asked for the programs' controls. Needs the application object.
void connectSessionBus();

// Starts Qt's accessibility support (on Linux, its bridge to the desktop's
// accessibility bus) on the main thread, after connectSessionBus has ended
// and before the first caption: with the connections made ahead it asks
// nothing over the buses here, which took half a dozen round trips to the
// session bus, the accessibility launcher and the X server before the
// window could show. Where a screen reader is running, Qt's own start is
// kept, so the window's controls are registered with it once shown.
void startAccessibilitySupport();

// Runs `step` on a thread of its own; `wait`, or the end of the object's
// scope, waits for it.
class BackgroundStep {
  public:
    explicit BackgroundStep(std::function<void()> step) : m_thread(std::move(step)) {}
    ~BackgroundStep() { wait(); }
    BackgroundStep(const BackgroundStep&) = delete;
    BackgroundStep& operator=(const BackgroundStep&) = delete;

    void wait() {
        if (m_thread.joinable()) m_thread.join();
    }

  private:
    std::thread m_thread;
};

}  // namespace quellan::platform
