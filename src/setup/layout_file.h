#pragma once
// The layout file: GB18030 text, one layout line "index,flag,cell" per
// piece, where the flag 1 stands a general upright (any other number lays
// it) and cells are numbered 1..20 row by row. Reading cleans every line
// first: quotes, full-width commas, empty lines and "//" comments go. The
// reader places pieces without judging the arrangement: overlaps and pieces
// past the edge are the layout author's business. The writer gives the form
// the shipped layouts have: a "//" line naming the layout and its fewest
// steps, then the ten pieces in index order, every line ended by CR LF.
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "setup/board.h"

namespace quellan {

// Cleans one UTF-8 line: deletes every double quote and turns full-width
// commas into ",". Returns nullopt for a line to skip (empty after cleaning,
// or starting with "//" in its first column).
[[nodiscard]] std::optional<std::string> cleanLayoutLine(std::string_view line);

// Applies the layout lines in file order to `board`: dresses, sizes and
// places each piece named. Stops at the first faulty line and returns false;
// lines before it (and the dressing of the faulty line's piece) stay applied.
[[nodiscard]] bool applyLayoutLines(Board& board, const std::vector<std::string>& lines);

// The same from the raw bytes of a layout file (GB18030, any line ends).
[[nodiscard]] bool applyLayoutBytes(Board& board, std::string_view bytes);

// The layout line, without its line end, that puts piece `index` of `kind`
// with its top-left cell on `cell` (0..19).
std::string layoutLine(int index, PieceKind kind, int cell);

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
