#pragma once
// The number of a position among all positions of the same pieces. Read row
// by row, the top-left cells of the generals and soldiers and the free cells
// spell eleven kinds: two free cells, the lying and the upright generals and
// four soldiers. That spelling and the commander's cell fix the position
// (with the commander placed, each piece in turn goes on the first cell not
// yet covered), so the commander's cell and the spelling's ordinal among all
// orderings of those eleven kinds number the positions densely: at most
// 12 × 69,300 = 831,600 numbers, for two or three lying generals.
//
// The spelling is read a row at a time through a table, and its ordinal is
// the sum of two table entries, one for its first five kinds and one for the
// other six: a few dozen instructions with no search.
//
// The searches over positions keep one word for each idea:
//   number   a position's number here, among all positions of its pieces;
//            the positions of one layout's group are scattered among them;
//   rank     a reached position's dense number: how many of the positions
//            reached have smaller numbers (RankSet);
//   index    where a search's own lists hold a position, in the order the
//            search found it (distance_map.cpp);
//   ordinal  a part of a number: the commander's cell among the cells it
//            can stand on, the spelling among all orderings of its letters;
//   place    a piece put on a cell (Placement, kTables.place).
#include <array>
#include <cstdint>
#include <utility>

#include "coach/packed_position.h"

namespace quellan::packed {

// The spelling's letters count the standard set (kGenerals, kSoldiers and
// kFreeCells in setup/piece_kind.h).

namespace numbering_detail {

// The kinds of the spelling, two bits each, in the order of their ordinals.
enum Letter : int { kFree, kLying, kUpright, kSoldier, kLetters };
inline constexpr std::array<PieceKind, kLetters> kKindOfLetter = {
    PieceKind::None, PieceKind::Lying, PieceKind::Upright, PieceKind::Soldier};

// The letter of what a cell's code says stands there, or -1 for the
// commander and the other cells of a piece.
constexpr int letterOfCode(Position code) {
    for (int letter = 0; letter < kLetters; ++letter)
        if (code < kKindCodes &&
            kKindOfCode[code] == kKindOfLetter[static_cast<std::size_t>(letter)])
            return letter;
    return -1;
}
inline constexpr int kSpellingLength = kFreeCells + kGenerals + kSoldiers;
inline constexpr int kHeadLength = 5;  // the first kinds, numbered by one table
inline constexpr int kTailLength = kSpellingLength - kHeadLength;
inline constexpr int kCellsPerRow = kColumns;
inline constexpr Position kRowMask = (Position{1} << (kBitsPerCell * kCellsPerRow)) - 1;
inline constexpr int kLengthShift = 24;
inline constexpr std::uint32_t kHeadMask = (1u << 2 * kHeadLength) - 1;
inline constexpr std::uint32_t kTailMask = (1u << 2 * kTailLength) - 1;

using Counts = std::array<int, kLetters>;

constexpr std::uint64_t orderingsOf(const Counts& left) {
    std::uint64_t count = 1;
    int spelt = 0;
    for (int letter = 0; letter < kLetters; ++letter)
        for (int k = 1; k <= left[static_cast<std::size_t>(letter)]; ++k)
            count = count * static_cast<std::uint64_t>(++spelt) / static_cast<std::uint64_t>(k);
    return count;
}

// How many orderings of `left` begin with a letter before `letter`.
constexpr std::uint64_t orderingsBefore(Counts left, int letter) {
    std::uint64_t before = 0;
    for (int other = 0; other < letter; ++other) {
        int& n = left[static_cast<std::size_t>(other)];
        if (n <= 0) continue;
        --n;
        before += orderingsOf(left);
        ++n;
    }
    return before;
}

constexpr int letterAt(std::uint32_t letters, int k) {
    return static_cast<int>(letters >> 2 * k & 3);
}

// The ordinal of `length` letters among the orderings of `left`, which they
// begin. Letters a spelling can not hold give some number; no position
// spells them.
constexpr std::uint32_t ordinalOf(std::uint32_t letters, int length, Counts left) {
    std::uint64_t ordinal = 0;
    for (int k = 0; k < length; ++k) {
        const int letter = letterAt(letters, k);
        ordinal += orderingsBefore(left, letter);
        --left[static_cast<std::size_t>(letter)];
    }
    return static_cast<std::uint32_t>(ordinal);
}

constexpr Counts allLetters(int lying) { return {kFreeCells, lying, kGenerals - lying, kSoldiers}; }

struct NumberingTables {
    // For the twelve bits of a row: the letters of its cells (a free cell or
    // a general's or soldier's top-left cell) in the low byte, twice their
    // number in the high one.
    std::array<std::uint32_t, 1 << (kBitsPerCell * kCellsPerRow)> row{};
    // The ordinal gained by the first five letters, for each number of lying
    // generals.
    std::array<std::array<std::uint32_t, 1 << (2 * kHeadLength)>, kGenerals + 1> head{};
    // The ordinal of the last six letters among the orderings of themselves.
    std::array<std::uint32_t, 1 << (2 * kTailLength)> tail{};
    // How many orderings there are of what is left to spell, by the
    // numbers of free cells, lying and upright generals and soldiers left.
    std::array<std::uint32_t,
               (kFreeCells + 1) * (kGenerals + 1) * (kGenerals + 1) * (kSoldiers + 1)>
        orderings{};
    // The ordinal of each cell among those the commander can stand on.
    std::array<std::uint32_t, kCellCount> commanderOrdinal{};
    std::uint32_t commanderCells = 0;
};

constexpr std::size_t orderingsIndex(const Counts& left) {
    return static_cast<std::size_t>(
        ((left[kFree] * (kGenerals + 1) + left[kLying]) * (kGenerals + 1) + left[kUpright]) *
            (kSoldiers + 1) +
        left[kSoldier]);
}

constexpr NumberingTables makeNumberingTables() {
    NumberingTables t;
    for (std::uint32_t bits = 0; bits < t.row.size(); ++bits) {
        std::uint32_t letters = 0;
        int count = 0;
        for (int k = 0; k < kCellsPerRow; ++k) {
            const int letter = letterOfCode(bits >> kBitsPerCell * k & kCellMask);
            if (letter < 0) continue;
            letters |= static_cast<std::uint32_t>(letter) << 2 * count;
            ++count;
        }
        t.row[bits] = letters | static_cast<std::uint32_t>(2 * count) << kLengthShift;
    }
    for (int lying = 0; lying <= kGenerals; ++lying)
        for (std::uint32_t letters = 0; letters < t.head[0].size(); ++letters)
            t.head[static_cast<std::size_t>(lying)][letters] =
                ordinalOf(letters, kHeadLength, allLetters(lying));
    for (std::uint32_t letters = 0; letters < t.tail.size(); ++letters) {
        Counts own{};
        for (int k = 0; k < kTailLength; ++k) ++own[static_cast<std::size_t>(letterAt(letters, k))];
        t.tail[letters] = ordinalOf(letters, kTailLength, own);
    }
    for (int free = 0; free <= kFreeCells; ++free)
        for (int lying = 0; lying <= kGenerals; ++lying)
            for (int upright = 0; upright <= kGenerals; ++upright)
                for (int soldiers = 0; soldiers <= kSoldiers; ++soldiers) {
                    const Counts left{free, lying, upright, soldiers};
                    t.orderings[orderingsIndex(left)] =
                        static_cast<std::uint32_t>(orderingsOf(left));
                }
    for (int cell = 0; cell < kCellCount; ++cell) {
        t.commanderOrdinal[static_cast<std::size_t>(cell)] = t.commanderCells;
        if (packed::kTables.place[kCommanderCode][cell].fits) ++t.commanderCells;
    }
    return t;
}

inline constexpr NumberingTables kNumberingTables = makeNumberingTables();

}  // namespace numbering_detail

// How many generals lie.
inline int lyingGenerals(Position pos) {
    return countBits(pos >> 1 & ~pos & ~(pos >> 2) & kFieldBases);
}

namespace numbering_detail {

// Adds the letters of row `r` to the spelling.
template <int R>
inline void spellRow(Position pos, std::uint32_t& letters, int& length) {
    const std::uint32_t row =
        kNumberingTables.row[pos >> (kBitsPerCell * kCellsPerRow * R) & kRowMask];
    letters |= row << length;  // the count above is shifted out or masked off
    length += static_cast<int>(row >> kLengthShift);
}

template <int... R>
inline std::uint32_t spellRows(Position pos, std::integer_sequence<int, R...>) {
    std::uint32_t letters = 0;
    int length = 0;
    (spellRow<R>(pos, letters, length), ...);
    return letters;
}

}  // namespace numbering_detail

// The numbers of the positions with one number of lying generals.
class PositionNumbering {
  public:
    explicit PositionNumbering(int lying = 0);

    // How many numbers there are: every position's is below.
    std::uint32_t count() const { return m_count; }
    // Whether `pos` has this numbering's pieces.
    bool numbers(Position pos) const { return lyingGenerals(pos) == m_lying; }

    // The number of `pos`, which must have this numbering's pieces.
    std::uint32_t numberOf(Position pos) const {
        using namespace numbering_detail;
        const std::uint32_t letters = spellRows(pos, std::make_integer_sequence<int, kRows>());
        const Position commander = pos & ~(pos >> 1) & ~(pos >> 2) & kFieldBases;
        return m_commanderShare[static_cast<std::size_t>(std::countr_zero(commander))] +
               (*m_head)[letters & kHeadMask] +
               kNumberingTables.tail[letters >> 2 * kHeadLength & kTailMask];
    }

    // The position numbered `number`; 0 when the number is no position's.
    Position positionOf(std::uint32_t number) const;

  private:
    int m_lying = 0;
    std::uint32_t m_spellings = 0;  // the orderings of the spelling
    std::uint32_t m_count = 0;
    const std::array<std::uint32_t, 1 << (2 * numbering_detail::kHeadLength)>* m_head = nullptr;
    // What the commander's cell adds, by the bit its top-left cell's field
    // begins at.
    std::array<std::uint32_t, kBitsPerCell * kCellCount> m_commanderShare{};
};

}  // namespace quellan::packed
