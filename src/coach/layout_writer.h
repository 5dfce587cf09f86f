#pragma once
// Writing a new layout file in the game's format: GB18030, CR LF, a "//"
// comment line naming the layout and its fewest steps, the same line the
// shipped layouts start with, then ten layout lines "index,flag,cell".
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "setup/board.h"

namespace quellan {

// The file's text (UTF-8) for a proper arrangement named `name`:
// "// NAME — 最少 N 步", or "// NAME — 无解" when it cannot be solved.
std::string layoutFileText(std::string_view name, const Board& board,
                           std::optional<int> fewestSteps);

enum class LayoutWrite { Written, Exists, Failed };

// Writes `path` unless a file of that name exists; the file appears whole
// or not at all.
LayoutWrite writeNewLayoutFile(const std::filesystem::path& path, std::string_view name,
                               const Board& board, std::optional<int> fewestSteps);

}  // namespace quellan
