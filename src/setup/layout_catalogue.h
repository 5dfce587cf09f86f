#pragma once
// The catalogue of layouts: every "*.qlp" file in the layout folder, listed
// once at start-up, and the choice of the layout to set up first.
#include <filesystem>
#include <string>
#include <vector>

#include "setup/game_paths.h"

namespace quellan {

// The layout names (file names without ".qlp") of the ordinary, not hidden
// files in `mapDir`, sorted by name because the file system gives no order
// of its own. Each name keeps the file system's own bytes, so that the
// loader, the record file and the remembered name find the very same file
// again. The extension test is case-sensitive. A missing folder gives an
// empty list.
std::vector<std::string> scanLayoutCatalogue(const std::filesystem::path& mapDir);

// The chooser's list: the shipped layouts in the order above, then the
// player's own layouts of an installed copy, in the same order. A player's
// layout named like a shipped one takes the shipped one's place in the list
// (`GamePaths::layoutFile` finds the player's file first): the record of
// that name was made on the player's layout, since the chooser never lets a
// name be saved twice, so neither the layout nor its record is lost when a
// new version of the game ships a layout of the same name. The shipped file
// stays untouched and comes back when the player's file is removed.
std::vector<std::string> listLayouts(const GamePaths& paths);

// The entry to select at start-up: the one equal to `remembered` character
// for character, else entry 0. -1 for an empty catalogue.
int initialSelection(const std::vector<std::string>& names, const std::string& remembered);

// How a layout name is shown to the player, as UTF-8: a name that is UTF-8
// already is shown as it is; any other name came from a Chinese system (an
// archive unpacked from Windows keeps its names in code page 936) and is
// read as GB18030.
std::string layoutDisplayName(const std::string& name);

}  // namespace quellan
