#pragma once
// Writing a new layout file in the game's format: GB18030, CR LF, a "//"
// comment line naming the fewest steps, then ten layout lines
// "index,flag,cell".
#include <filesystem>
#include <optional>
#include <string>

#include "setup/board.h"

namespace quellan {

// The file's text (UTF-8) for a proper arrangement.
std::string layoutFileText(const Board& board, std::optional<int> fewestSteps);

enum class LayoutWrite { Written, Exists, Failed };

// Writes `path` unless a file of that name exists; the file appears whole
// or not at all.
LayoutWrite writeNewLayoutFile(const std::filesystem::path& path, const Board& board,
                               std::optional<int> fewestSteps);

}  // namespace quellan
