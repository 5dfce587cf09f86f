#include "coach/position_numbering.h"

namespace quellan::packed {

using namespace numbering_detail;

namespace {

// Puts what stands on the first cell not yet covered: `code`'s piece, or
// nothing. False when the piece does not fit there.
bool placeNext(Position& pos, Position& covered, int code) {
    const int cell = std::countr_zero(~covered & kFieldBases) / kBitsPerCell;
    if (cell >= kCellCount) return false;
    if (code == kEmpty) {
        covered |= kCellMask << shiftOf(cell);
        return true;
    }
    const Placement& place = kTables.place[code][cell];
    if (!place.fits || (covered & place.mask) != 0) return false;
    pos |= place.bits;
    covered |= place.mask;
    return true;
}

}  // namespace

PositionNumbering::PositionNumbering(int lying)
    : m_lying(lying),
      m_spellings(kNumberingTables.orderings[orderingsIndex(allLetters(lying))]),
      m_count(kNumberingTables.commanderCells * m_spellings),
      m_head(&kNumberingTables.head[static_cast<std::size_t>(lying)]) {
    for (int cell = 0; cell < kCellCount; ++cell)
        m_commanderShare[static_cast<std::size_t>(shiftOf(cell))] =
            kNumberingTables.commanderOrdinal[static_cast<std::size_t>(cell)] * m_spellings;
}

Position PositionNumbering::positionOf(std::uint32_t number) const {
    const std::uint32_t commanderOrdinal = number / m_spellings;
    std::uint32_t spellingOrdinal = number % m_spellings;

    Position pos = 0;
    Position covered = 0;  // every field of a covered or free cell set
    for (int cell = 0; cell < kCellCount; ++cell) {
        const Placement& commander = kTables.place[kCommanderCode][cell];
        if (commander.fits &&
            kNumberingTables.commanderOrdinal[static_cast<std::size_t>(cell)] == commanderOrdinal) {
            pos = commander.bits;
            covered = commander.mask;
        }
    }
    if (pos == 0) return 0;

    Counts left = allLetters(m_lying);
    for (int k = 0; k < kSpellingLength; ++k) {
        // The letter spelt next: the first whose orderings hold `spellingOrdinal`.
        int letter = 0;
        for (;; ++letter) {
            if (letter == kLetters) return 0;
            int& n = left[static_cast<std::size_t>(letter)];
            if (n == 0) continue;
            --n;
            const std::uint32_t orderings = kNumberingTables.orderings[orderingsIndex(left)];
            if (spellingOrdinal < orderings) break;
            spellingOrdinal -= orderings;
            ++n;
        }
        if (!placeNext(pos, covered, codeOf(kKindOfLetter[static_cast<std::size_t>(letter)])))
            return 0;
    }
    return pos;
}

}  // namespace quellan::packed
