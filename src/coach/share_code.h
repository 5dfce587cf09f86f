#pragma once
// Share codes: six letters and digits that name an arrangement of the
// standard pieces, pieces of one kind interchangeable, so one arrangement
// always gives one code. docs/share-codes.md describes the encoding.
#include <optional>
#include <string>
#include <string_view>

#include "setup/board.h"

namespace quellan {

inline constexpr std::size_t kShareCodeLength = 6;

// The code of a proper arrangement (upper case); nullopt for any other
// board.
std::optional<std::string> shareCodeOf(const Board& board);

// The arrangement a code names, its pieces numbered and dressed as a
// layout file would dress them (pieceNumbers in coach/arrangement.h); nullopt for anything that is not a code of a proper
// arrangement. Letters may be given in either case.
std::optional<Board> boardFromShareCode(std::string_view code);

}  // namespace quellan
