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

#include "setup/board.h"

namespace quellan {

// The numeric conversion of a layout field to a 16-bit whole number: blanks
// around the number are allowed, a fraction rounds to the nearest whole
// number with halves going to the even neighbour. Empty text, text that is
// not a number, and results outside -32768..32767 give nullopt.
std::optional<std::int16_t> toInteger16(std::string_view text);

// Cleans one UTF-8 line: deletes every double quote and turns full-width
// commas into ",". Returns nullopt for a line to skip (empty after cleaning,
// or starting with "//" in its first column).
std::optional<std::string> cleanLayoutLine(std::string_view line);

// Applies the layout lines in file order to `board`: dresses, sizes and
// places each piece named. Stops at the first faulty line and returns false;
// lines before it (and the dressing of the faulty line's piece) stay applied.
bool applyLayoutLines(Board& board, const std::vector<std::string>& lines);

// The same from the raw bytes of a layout file (GB18030, any line ends).
bool applyLayoutBytes(Board& board, std::string_view bytes);

}  // namespace quellan
