#pragma once
// Replaying a record's winning path: its position lines must start at the
// layout's set-up position and go by single legal steps.
#include <optional>
#include <string>
#include <vector>

#include "setup/board.h"

namespace quellan {

// The boards of the record's position entries, entry 0 first, on the pieces
// of `setUp` (the layout as it was set up). nullopt when there is no entry,
// an entry is not twenty numbers, entry 0 is not the set-up position, or
// one entry does not follow from the one before by one step of one piece
// into free cells.
std::optional<std::vector<Board>> replayBoards(const std::vector<std::string>& entries,
                                               const Board& setUp);

}  // namespace quellan
