#include "setup/game_paths.h"

#include <gtest/gtest.h>

#include "setup/layout_catalogue.h"
#include "support/temp_dir.h"

namespace quellan {
namespace {

using quellan::testing::readAll;
using quellan::testing::TempDir;

// A prefix as `cmake --install` or the Debian package lays it out: the
// program in PREFIX/games, its data in PREFIX/share/quellan.
class InstalledCopy : public ::testing::Test {
  protected:
    std::filesystem::path programDir() const { return dir.path() / "usr" / "games"; }
    std::filesystem::path dataDir() const { return dir.path() / "usr" / "share" / "quellan"; }
    void mark() const { dir.write("usr/share/quellan/installed", "installed\n"); }
    TempDir dir;
};

TEST_F(InstalledCopy, WhereThePlayersFilesLive) {
    struct Case {
        const char* what;
        bool marked;
        std::string xdgDataHome;
        std::string home;
        // Relative to the temporary folder; "" for the portable game folder.
        std::string playerDir;
    };
    const std::string root = dir.path().string();
    const Case cases[] = {
        {"no marker: the portable folder", false, root + "/xdg", root + "/home", ""},
        {"marked, XDG_DATA_HOME set", true, root + "/xdg", root + "/home", "xdg/quellan"},
        {"marked, XDG_DATA_HOME unset", true, "", root + "/home", "home/.local/share/quellan"},
        {"marked, XDG_DATA_HOME relative", true, "xdg", root + "/home",
         "home/.local/share/quellan"},
        {"marked, no home at all", true, "", "", "usr/share/quellan"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::filesystem::remove_all(dir.path() / "usr");
        std::filesystem::create_directories(programDir());
        if (c.marked) mark();
        const GamePaths paths = locateGameFiles(programDir(), c.xdgDataHome, c.home);
        if (c.playerDir.empty()) {
            EXPECT_FALSE(paths.installed());
            EXPECT_EQ(paths.appPath, programDir());
            EXPECT_EQ(paths.logDir(), programDir() / "log");
            EXPECT_EQ(paths.mapDir(), paths.shippedMapDir());
        } else {
            EXPECT_EQ(paths.appPath, dataDir());
            EXPECT_EQ(paths.playerDir(), dir.path() / c.playerDir);
            EXPECT_EQ(paths.shippedMapDir(), dataDir() / "map");
            EXPECT_EQ(paths.logDir(), dir.path() / c.playerDir / "log");
        }
    }
}

TEST_F(InstalledCopy, AFolderNamedLikeTheMarkerDoesNotMarkACopy) {
    std::filesystem::create_directories(dataDir() / "installed");
    std::filesystem::create_directories(programDir());
    EXPECT_FALSE(locateGameFiles(programDir(), "", dir.path().string()).installed());
}

TEST_F(InstalledCopy, ThePlayersFoldersAreMadeAtStartUp) {
    const GamePaths paths{dataDir(), dir.path() / "player"};
    createPlayerFolders(paths);
    EXPECT_TRUE(std::filesystem::is_directory(paths.logDir()));
    EXPECT_TRUE(std::filesystem::is_directory(paths.mapDir()));
}

// The chooser: the shipped layouts keep their order; the player's own
// follow; a player's layout named like a shipped one takes its place, so
// its record (kept by name) stays with the layout it was made on.
TEST_F(InstalledCopy, TheChooserListsTheShippedLayoutsThenThePlayersOwn) {
    const GamePaths paths{dataDir(), dir.path() / "player"};
    for (const char* name : {"横刀立马", "水泄不通", "巧过五关"})
        dir.write("usr/share/quellan/map/" + std::string(name) + ".qlp", "shipped");
    for (const char* name : {"甲", "水泄不通", "乙"})
        dir.write("player/map/" + std::string(name) + ".qlp", "own");

    const std::vector<std::string> shipped = scanLayoutCatalogue(paths.shippedMapDir());
    std::vector<std::string> expected = shipped;
    expected.insert(expected.end(), {"乙", "甲"});  // sorted as the shipped ones are
    EXPECT_EQ(listLayouts(paths), expected);

    EXPECT_EQ(readAll(paths.layoutFile("水泄不通")), "own");
    EXPECT_EQ(readAll(paths.layoutFile("横刀立马")), "shipped");
    EXPECT_EQ(readAll(paths.layoutFile("甲")), "own");
    EXPECT_EQ(paths.newLayoutFile("丙").parent_path(), dir.path() / "player" / "map");
    EXPECT_EQ(paths.recordFile("横刀立马").parent_path(), dir.path() / "player" / "log");
}

TEST(PortableFolder, ListsItsOwnFolderOnce) {
    TempDir dir;
    dir.write("map/a.qlp", "1");
    dir.write("map/b.qlp", "1");
    const GamePaths paths = portablePaths(dir.path());
    EXPECT_EQ(listLayouts(paths), (std::vector<std::string>{"a", "b"}));
    EXPECT_EQ(paths.layoutFile("a"), dir.path() / "map" / "a.qlp");
    EXPECT_EQ(paths.newLayoutFile("c"), dir.path() / "map" / "c.qlp");
}

}  // namespace
}  // namespace quellan
