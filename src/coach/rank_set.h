#pragma once
// A set of position numbers (see position_numbering.h), one bit each. Once
// complete it answers the rank of a member: how many members are smaller,
// which numbers the members densely 0, 1, 2, ... in increasing order. A map
// of 81,462 positions keeps about 150 KB here; a search that only asks what
// it has seen keeps 104 KB at most.
#include <bit>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "coach/packed_position.h"

namespace quellan::packed {

class RankSet {
  public:
    RankSet() = default;
    // An empty set for numbers below `universe`.
    explicit RankSet(std::uint32_t universe) : m_words((universe + 63) / 64, 0) {}

    // Adds `number`; false when it was there already. Takes no branch: a
    // search asks this of every position it meets, and the answer is no
    // better than a guess.
    bool insert(std::uint32_t number) {
        std::uint64_t& word = m_words[number / 64];
        const std::uint64_t before = word;
        word = before | std::uint64_t{1} << (number % 64);
        return word != before;
    }

    // Works out the members' ranks; call once, after the last insert.
    void rankMembers();

    // The rank of a member.
    std::uint32_t rankOf(std::uint32_t number) const {
        const std::uint64_t below = (std::uint64_t{1} << (number % 64)) - 1;
        return m_before[number / 64] +
               static_cast<std::uint32_t>(countBits(m_words[number / 64] & below));
    }

    // The rank of `number`, or nullopt when it is not a member.
    std::optional<std::uint32_t> find(std::uint32_t number) const {
        if (number / 64 >= m_words.size() || (m_words[number / 64] >> (number % 64) & 1) == 0)
            return std::nullopt;
        return rankOf(number);
    }

    // Calls `visit(number, rank)` for every member, in increasing order.
    template <class Visit>
    void forEach(Visit&& visit) const {
        std::uint32_t rank = 0;
        for (std::size_t w = 0; w < m_words.size(); ++w)
            for (std::uint64_t bits = m_words[w]; bits != 0; bits &= bits - 1)
                visit(static_cast<std::uint32_t>(64 * w + std::countr_zero(bits)), rank++);
    }

    std::size_t bytes() const {
        return m_words.capacity() * sizeof(std::uint64_t) +
               m_before.capacity() * sizeof(std::uint32_t);
    }

  private:
    std::vector<std::uint64_t> m_words;
    std::vector<std::uint32_t> m_before;  // members in the words before each
};

}  // namespace quellan::packed
