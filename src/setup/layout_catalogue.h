#pragma once
// The catalogue of layouts: every "*.qlp" file in the layout folder, listed
// once at start-up, and the choice of the layout to set up first.
#include <filesystem>
#include <string>
#include <vector>

namespace quellan {

// The layout names (file names without ".qlp") of the ordinary, not hidden
// files in `mapDir`, sorted by name because the file system gives no order
// of its own. The extension test is case-sensitive. A missing folder gives
// an empty list.
std::vector<std::string> scanLayoutCatalogue(const std::filesystem::path& mapDir);

// The entry to select at start-up: the one equal to `remembered` character
// for character, else entry 0. -1 for an empty catalogue.
int initialSelection(const std::vector<std::string>& names, const std::string& remembered);

}  // namespace quellan
