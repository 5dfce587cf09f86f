#pragma once
// What the game's rules ask of the window around them: sounds, the music
// option, modal messages and the record holder's name. The window implements
// it with real widgets; tests implement it with a recorder.
#include <string>
#include <string_view>

namespace quellan {

enum class MessageIcon { None, Stop, Question, Information };

// Sound-effect literals: the file below the program's folder.
namespace effects {
inline constexpr std::string_view kInit = "/sound/init.wav";
inline constexpr std::string_view kSelect = "/sound/select.wav";
inline constexpr std::string_view kMove = "/sound/move.wav";
inline constexpr std::string_view kSolved = "/sound/overpass.wav";
}  // namespace effects

// Values of the music option: off, on, and on but suspended after a win.
namespace music {
inline constexpr int kOff = 0;
inline constexpr int kOn = 1;
inline constexpr int kSuspended = 2;
}  // namespace music

class GameHost {
  public:
    virtual ~GameHost() = default;
    // Plays one of the `effects` when the sound-effects option is on.
    virtual void playEffect(std::string_view literal) = 0;
    virtual int musicOption() const = 0;
    // Setting the option runs its handler, as a click on the box would.
    virtual void setMusicOption(int value) = 0;
    // A modal box with one OK button.
    virtual void showMessage(std::string_view text, MessageIcon icon, std::string_view caption) = 0;
    // A modal input box; returns the typed text, or "" when cancelled.
    virtual std::string askText(std::string_view prompt, std::string_view title) = 0;
};

}  // namespace quellan
