#pragma once
// Where the game's files live. Two layouts, one program:
//
// - The portable game folder (the build's game/, the Windows zip): every
//   file stands beside the program, "map/", "log/", "sound/", as the game
//   always kept them. The player's saved layouts join the shipped ones in
//   "map/", records go to "log/".
// - An installed copy (a Linux package, `cmake --install`): the program in
//   PREFIX/bin/ (games/ in the Debian package) and its read-only data in
//   PREFIX/share/quellan/, which holds the file "installed" written by the
//   install. The player's own files, records in "log/" and layouts saved
//   with 布阵 in "map/", live under $XDG_DATA_HOME/quellan/
//   (~/.local/share/quellan/ by default), because nobody but root may write
//   below the prefix.
//
// The game tells the two apart only by that marker file: a portable folder
// that happens to be read-only stays portable (and says so when a record
// cannot be written), and an installed copy never writes below its prefix.
#include <filesystem>
#include <string>
#include <string_view>

namespace quellan {

// The marker the install writes into the shipped data folder, and that
// folder seen from the program's own folder.
inline constexpr std::string_view kInstalledMarker = "installed";
inline constexpr std::string_view kInstalledDataDir = "../share/quellan";

struct GamePaths {
    // The shipped data (layouts, sounds, music, help, the Ming face): the
    // game folder when portable, PREFIX/share/quellan when installed. The
    // data paths of the game follow it: AppPath + "/sound/...".
    std::filesystem::path appPath;
    // The player's own folder when installed; empty for the portable folder,
    // whose player files stay beside the program.
    std::filesystem::path playerPath;

    bool installed() const { return !playerPath.empty(); }
    std::filesystem::path playerDir() const { return installed() ? playerPath : appPath; }
    // The shipped layouts.
    std::filesystem::path shippedMapDir() const { return appPath / "map"; }
    // The player's own layouts: where 布阵 saves. The same folder as the
    // shipped layouts in the portable game folder.
    std::filesystem::path mapDir() const { return playerDir() / "map"; }
    std::filesystem::path logDir() const { return playerDir() / "log"; }

    // The file of a listed layout: the player's own when there is one of
    // that name, else the shipped one.
    std::filesystem::path layoutFile(const std::string& name) const;
    // Where a new layout of that name is saved.
    std::filesystem::path newLayoutFile(const std::string& name) const;
    std::filesystem::path recordFile(const std::string& name) const;
};

// The paths of the portable game folder `appPath`.
GamePaths portablePaths(const std::filesystem::path& appPath);

// Decides once, at start-up, where the files of the program in
// `programDir` live. Installed when `programDir`/../share/quellan/installed
// is a file; then the player's folder is `xdgDataHome`/quellan when that is
// an absolute path (the XDG rule: a relative one is ignored), else
// `home`/.local/share/quellan. Without either the player's folder is the
// read-only data folder, so that writing there fails and is reported
// rather than landing somewhere unexpected.
GamePaths locateGameFiles(const std::filesystem::path& programDir, std::string_view xdgDataHome,
                          std::string_view home);

// Creates the player's folders that are missing: "log/", and in an
// installed copy "map/" too (the portable folder's "map/" ships with the
// game). A failure only costs what would be written there, which is
// reported then.
void createPlayerFolders(const GamePaths& paths);

}  // namespace quellan
