#include "coach/share_code.h"

#include <array>
#include <cstdint>
#include <string>
#include "coach/arrangement.h"

namespace quellan {

namespace {

// What the reading of the board in cell order finds at a cell no piece
// covers yet: a free cell or the top-left cell of a piece. A symbol is a
// digit of the code, so their order is the codes' own and never changes.
constexpr std::array<PieceKind, 5> kKindOfSymbol = {PieceKind::None, PieceKind::Soldier,
                                                    PieceKind::Upright, PieceKind::Lying,
                                                    PieceKind::Commander};
constexpr int kSymbols = static_cast<int>(kKindOfSymbol.size());
inline constexpr int kSymbolCount = 12;  // ten pieces and two free cells
inline constexpr std::string_view kDigits = "0123456789ABCDEFGHIJKLMNOPQRSTUVWXYZ";
inline constexpr std::uint64_t kBase = 36;

int symbolOf(PieceKind kind) {
    for (int symbol = 0; symbol < kSymbols; ++symbol)
        if (kKindOfSymbol[static_cast<std::size_t>(symbol)] == kind) return symbol;
    return 0;
}

}  // namespace

std::optional<std::string> shareCodeOf(const Board& board) {
    if (!isProperArrangement(board)) return std::nullopt;
    Corners corners{};
    for (int i = 1; i <= kPieceCount; ++i) {
        const Piece& p = board.piece(i);
        corners[static_cast<std::size_t>(cellOf({p.left, p.top}))] = kindOf(i, p);
    }
    // The symbols in cell order, read as a number in base 5, the first
    // symbol the most significant.
    std::uint64_t value = 0;
    std::array<bool, kCellCount> seen{};
    for (int cell = 0; cell < kCellCount; ++cell) {
        const auto c = static_cast<std::size_t>(cell);
        if (seen[c]) continue;
        value = value * kSymbols + static_cast<std::uint64_t>(symbolOf(corners[c]));
        forEachCoveredCell(readingFootprint(corners[c]), cell, [&](int covered, int, int) {
            seen[static_cast<std::size_t>(covered)] = true;
        });
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
        const PieceKind kind =
            kKindOfSymbol[static_cast<std::size_t>(symbols[static_cast<std::size_t>(next++)])];
        const Footprint fp = readingFootprint(kind);
        if (!staysOnBoard(fp, cell)) return std::nullopt;
        bool overlaps = false;
        forEachCoveredCell(fp, cell, [&](int covered, int, int) {
            overlaps = overlaps || seen[static_cast<std::size_t>(covered)];
            seen[static_cast<std::size_t>(covered)] = true;
        });
        if (overlaps) return std::nullopt;
        corners[static_cast<std::size_t>(cell)] = kind;
    }
    // Two free cells and the ten pieces, each read once.
    if (next != kSymbolCount) return std::nullopt;
    return boardFromCorners(corners);
}

}  // namespace quellan
