#include "setup/game_paths.h"

#include <system_error>

#include "common/text_file.h"

namespace quellan {

namespace {

std::filesystem::path layoutFileIn(const std::filesystem::path& dir, const std::string& name) {
    return dir / pathFromUtf8(name + ".qlp");
}

}  // namespace

std::filesystem::path GamePaths::layoutFile(const std::string& name) const {
    std::filesystem::path own = layoutFileIn(mapDir(), name);
    if (!installed()) return own;
    std::error_code ec;
    return std::filesystem::is_regular_file(own, ec) ? own : layoutFileIn(shippedMapDir(), name);
}

std::filesystem::path GamePaths::newLayoutFile(const std::string& name) const {
    return layoutFileIn(mapDir(), name);
}

std::filesystem::path GamePaths::recordFile(const std::string& name) const {
    return logDir() / pathFromUtf8(name + ".log");
}

GamePaths portablePaths(const std::filesystem::path& appPath) { return GamePaths{appPath, {}}; }

GamePaths locateGameFiles(const std::filesystem::path& programDir, std::string_view xdgDataHome,
                          std::string_view home) {
    const std::filesystem::path dataDir =
        (programDir / pathFromUtf8(kInstalledDataDir)).lexically_normal();
    std::error_code ec;
    if (!std::filesystem::is_regular_file(dataDir / pathFromUtf8(kInstalledMarker), ec))
        return portablePaths(programDir);
    std::filesystem::path dataHome = pathFromUtf8(xdgDataHome);
    if (!dataHome.is_absolute()) {
        const std::filesystem::path homeDir = pathFromUtf8(home);
        // Without a home the player's files would land in some unknown
        // working folder; the data folder refuses them visibly instead.
        dataHome = homeDir.is_absolute() ? homeDir / ".local" / "share" : dataDir.parent_path();
    }
    return GamePaths{dataDir, dataHome / "quellan"};
}

void createPlayerFolders(const GamePaths& paths) {
    std::error_code ec;
    std::filesystem::create_directories(paths.logDir(), ec);
    if (paths.installed()) std::filesystem::create_directories(paths.mapDir(), ec);
}

}  // namespace quellan
