#include "coach/share_code.h"

#include <array>
#include <cstdint>
#include <string>
#include "coach/arrangement.h"

namespace quellan {

namespace {

// What the reading of the board in cell order finds at a cell no piece
// covers yet: a free cell or the top-left cell of a piece.
enum Symbol : int { kFree, kSoldier, kUpright, kLying, kCommander, kSymbols };
inline constexpr int kSymbolCount = 12;  // ten pieces and two free cells
inline constexpr std::string_view kDigits = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";
inline constexpr std::uint64_t kBase = 36;

struct Shape {
    int w, h;
};
constexpr std::array<Shape, kSymbols> kShapes = {{{1, 1}, {1, 1}, {1, 2}, {2, 1}, {2, 2}}};

constexpr std::array<CornerShape, kSymbols> kCornerOf = {CornerShape::None, CornerShape::Soldier,
                                                         CornerShape::Upright, CornerShape::Lying,
                                                         CornerShape::Commander};

int symbolOf(int index, Footprint fp) {
    switch (kindOf(index)) {
        case PieceKind::Commander:
            return kCommander;
        case PieceKind::General:
            return fp.h > fp.w ? kUpright : kLying;
        case PieceKind::Soldier:
            return kSoldier;
    }
    return kFree;
}

}  // namespace

std::optional<std::string> shareCodeOf(const Board& board) {
    if (!isProperArrangement(board)) return std::nullopt;
    std::array<int, kCellCount> topLeft{};  // symbol + 1 of the piece whose corner it is
    std::array<bool, kCellCount> covered{};
    for (int i = 1; i <= kPieceCount; ++i) {
        const Piece& p = board.piece(i);
        const Footprint fp = footprintOf(i, p);
        const int col = (p.left - kBoardLeft) / kCell, row = (p.top - kBoardTop) / kCell;
        topLeft[static_cast<std::size_t>(row * kColumns + col)] = symbolOf(i, fp) + 1;
        for (int dy = 0; dy < fp.h; ++dy)
            for (int dx = 0; dx < fp.w; ++dx)
                covered[static_cast<std::size_t>((row + dy) * kColumns + col + dx)] = true;
    }
    // The symbols in cell order, read as a number in base 5, the first
    // symbol the most significant.
    std::uint64_t value = 0;
    std::array<bool, kCellCount> seen{};
    for (int cell = 0; cell < kCellCount; ++cell) {
        const auto c = static_cast<std::size_t>(cell);
        if (seen[c]) continue;
        const int symbol = covered[c] ? topLeft[c] - 1 : kFree;
        value = value * kSymbols + static_cast<std::uint64_t>(symbol);
        const Shape s = kShapes[static_cast<std::size_t>(symbol)];
        for (int dy = 0; dy < s.h; ++dy)
            for (int dx = 0; dx < s.w; ++dx)
                seen[c + static_cast<std::size_t>(dy * kColumns + dx)] = true;
    }
    std::string code(kShareCodeLength, '0');
    for (std::size_t k = kShareCodeLength; k-- > 0; value /= kBase)
        code[k] = kDigits[value % kBase];
    return code;
}

std::optional<Board> boardFromShareCode(std::string_view code) {
    if (code.size() != kShareCodeLength) return std::nullopt;
    std::uint64_t value = 0;
    for (char ch : code) {
        const char upper = ch >= 'a' && ch <= 'z' ? static_cast<char>(ch - 'a' + 'A') : ch;
        const std::size_t digit = kDigits.find(upper);
        if (digit == std::string_view::npos) return std::nullopt;
        value = value * kBase + digit;
    }
    std::array<int, kSymbolCount> symbols{};
    for (int k = kSymbolCount; k-- > 0; value /= kSymbols)
        symbols[static_cast<std::size_t>(k)] = static_cast<int>(value % kSymbols);
    if (value != 0) return std::nullopt;  // more than twelve symbols' worth

    // Lay the symbols out in cell order, as the encoder read them.
    std::array<bool, kCellCount> seen{};
    Corners corners{};
    int next = 0;
    for (int cell = 0; cell < kCellCount; ++cell) {
        if (seen[static_cast<std::size_t>(cell)]) continue;
        if (next == kSymbolCount) return std::nullopt;
        const int symbol = symbols[static_cast<std::size_t>(next++)];
        const Shape s = kShapes[static_cast<std::size_t>(symbol)];
        const int col = cell % kColumns, row = cell / kColumns;
        if (col + s.w > kColumns || row + s.h > kRows) return std::nullopt;
        for (int dy = 0; dy < s.h; ++dy) {
            for (int dx = 0; dx < s.w; ++dx) {
                const auto c = static_cast<std::size_t>(cell + dy * kColumns + dx);
                if (seen[c]) return std::nullopt;
                seen[c] = true;
            }
        }
        corners[static_cast<std::size_t>(cell)] = kCornerOf[static_cast<std::size_t>(symbol)];
    }
    // Two free cells and the ten pieces, each read once.
    if (next != kSymbolCount) return std::nullopt;
    return boardFromCorners(corners);
}

}  // namespace quellan
