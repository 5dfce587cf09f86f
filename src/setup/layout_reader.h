#pragma once
// Reading a layout file onto the board. A layout line is "index,flag,cell";
// quotes, full-width commas, empty lines and "//" comments are cleaned away
// first. The reader places pieces without judging the arrangement: overlaps
// and pieces past the edge are the layout author's business.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "common/numbers.h"
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

}  // namespace quellan
