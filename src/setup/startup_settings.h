#pragma once
// The settings the game restores at start-up and saves at shut-down, and the
// rules that turn their stored text into values. A value that is not a
// number (or not one the option accepts) never stops the game: the window
// position keeps its centred default, a sound option stays off.
#include <cstdint>
#include <functional>
#include <optional>
#include <string>

namespace quellan {

namespace settings_keys {
inline constexpr const char* kSection = "SetLog";
inline constexpr const char* kFormX = "frmMainX";
inline constexpr const char* kFormY = "frmMainY";
inline constexpr const char* kCheck1 = "Check1";
inline constexpr const char* kCheck2 = "Check2";
inline constexpr const char* kMapFileName = "MapFileName";
}  // namespace settings_keys

struct StartupSettings {
    std::int32_t formX = 0;  // window position in twips
    std::int32_t formY = 0;
    int check1 = 0;  // music option 0, 1 or 2
    int check2 = 0;  // sound-effects option 0 or 1
    std::string currentMap;
};

// Reads a stored text by key, or returns `fallback` when the key is absent.
using SettingLookup = std::function<std::string(const char* key, const std::string& fallback)>;

// The window is centred by default: (screen - window) div 2, in twips.
std::int32_t centredPosition(std::int32_t screen, std::int32_t window);

StartupSettings readStartupSettings(const SettingLookup& lookup, std::int32_t centredX,
                                    std::int32_t centredY);

}  // namespace quellan
