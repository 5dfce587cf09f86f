#include "setup/board.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace quellan {

PieceKind kindOf(int index, const Piece& piece) {
    if (index == kCommander) return PieceKind::Commander;
    if (index >= kFirstSoldier && index <= kPieceCount) return PieceKind::Soldier;
    if (!isGeneralIndex(index)) return PieceKind::None;
    if (piece.height > piece.width) return PieceKind::Upright;
    if (piece.height < piece.width) return PieceKind::Lying;
    return PieceKind::None;
}

std::optional<Point> cellPosition(int n) {
    if (n < 1 || n > kCellCount) return std::nullopt;
    return cellCorner(n - 1);
}

PictureRef pictureOf(int index, PieceKind kind) {
    // A general's pictures are the picture control of its own number.
    switch (kind) {
        case PieceKind::None:
            break;
        case PieceKind::Commander:
            return {kCommanderImage, 0};
        case PieceKind::Upright:
            return {index, kUprightElement};
        case PieceKind::Lying:
            return {index, kLyingElement};
        case PieceKind::Soldier:
            return {kSoldierImage, 0};
    }
    return {};
}

Board::Board() {
    struct Design {
        int left, top, width, height;
    };
    // "横刀立马": the arrangement the pieces stand in before any layout loads.
    static constexpr Design kDesign[kPieceCount] = {
        {1350, 450, 1800, 1800}, {1350, 2250, 1800, 900}, {450, 450, 900, 1800},
        {3150, 450, 900, 1800},  {450, 2250, 900, 1800},  {3150, 2250, 900, 1800},
        {1350, 3150, 900, 900},  {2250, 3150, 900, 900},  {450, 4050, 900, 900},
        {3150, 4050, 900, 900},
    };
    for (int i = 0; i < kPieceCount; ++i) {
        Piece& p = m_pieces[static_cast<size_t>(i)];
        p.left = kDesign[i].left;
        p.top = kDesign[i].top;
        p.width = kDesign[i].width;
        p.height = kDesign[i].height;
    }
}

void Board::setAllVisible(bool visible) {
    for (Piece& p : m_pieces) p.visible = visible;
}

namespace {

// One value of a position entry: the coordinate divided by 15 in single
// precision, as plain decimal text. Board coordinates are multiples of 450,
// so the text is a whole number; anything else keeps up to 7 digits.
void appendEntryValue(std::string& out, int twips) {
    if (twips % kTwipsPerPixel == 0) {
        out += std::to_string(twips / kTwipsPerPixel);
        return;
    }
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.7g",
                  static_cast<double>(static_cast<float>(twips) / kTwipsPerPixel));
    out += buffer;
}

// The largest value an entry may hold: far beyond any screen, small enough
// that position arithmetic in twips never overflows.
constexpr double kLargestEntryValue = 1'000'000;

}  // namespace

std::string Board::positionEntry() const {
    std::string entry;
    entry.reserve(80);
    for (const Piece& p : m_pieces) {
        if (!entry.empty()) entry += ',';
        appendEntryValue(entry, p.left);
        entry += ',';
        appendEntryValue(entry, p.top);
    }
    return entry;
}

bool Board::applyPositionEntry(std::string_view entry) {
    std::array<int, 2 * kPieceCount> values{};
    size_t count = 0;
    size_t start = 0;
    while (start <= entry.size()) {
        size_t comma = entry.find(',', start);
        if (comma == std::string_view::npos) comma = entry.size();
        if (count == values.size()) return false;
        std::string_view part = entry.substr(start, comma - start);
        double value = 0;
        auto [end, ec] = std::from_chars(part.data(), part.data() + part.size(), value);
        if (ec != std::errc() || end != part.data() + part.size() || part.empty()) return false;
        // Positions far off any screen (and "nan" or "inf") are not positions.
        if (!(std::fabs(value) <= kLargestEntryValue)) return false;
        values[count++] = static_cast<int>(std::lround(value * kTwipsPerPixel));
        start = comma + 1;
    }
    if (count != values.size()) return false;
    for (size_t i = 0; i < m_pieces.size(); ++i) {
        m_pieces[i].left = values[2 * i];
        m_pieces[i].top = values[2 * i + 1];
    }
    return true;
}

bool isSolved(const Board& board) {
    const Piece& commander = board.piece(kCommander);
    return commander.left == kHomeLeft && commander.top == kHomeTop;
}

}  // namespace quellan
