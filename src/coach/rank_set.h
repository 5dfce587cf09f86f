#pragma once
// A set of position numbers (see position_numbering.h), one bit each, that gives
// its members dense numbers 0, 1, 2, ... in increasing order once it is
// complete. A map of 81,462 positions keeps about 150 KB here.
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

    // Adds `rank`; false when it was there already. Takes no branch: a
    // search asks this of every position it meets, and the answer is no
    // better than a guess.
    bool insert(std::uint32_t rank) {
        std::uint64_t& word = m_words[rank / 64];
        const std::uint64_t before = word;
        word = before | std::uint64_t{1} << (rank % 64);
        return word != before;
    }

    // Gives the members their dense numbers; call once, after the last insert.
    void number();

    // The dense number of a member.
    std::uint32_t numberOfMember(std::uint32_t rank) const {
        const std::uint64_t below = (std::uint64_t{1} << (rank % 64)) - 1;
        return m_before[rank / 64] +
               static_cast<std::uint32_t>(countBits(m_words[rank / 64] & below));
    }

    // The dense number of `rank`, or nullopt when it is not a member.
    std::optional<std::uint32_t> find(std::uint32_t rank) const {
        if (rank / 64 >= m_words.size() || (m_words[rank / 64] >> (rank % 64) & 1) == 0)
            return std::nullopt;
        return numberOfMember(rank);
    }

    // Calls `visit(rank, number)` for every member, in increasing order.
    template <class Visit>
    void forEach(Visit&& visit) const {
        std::uint32_t number = 0;
        for (std::size_t w = 0; w < m_words.size(); ++w)
            for (std::uint64_t bits = m_words[w]; bits != 0; bits &= bits - 1)
                visit(static_cast<std::uint32_t>(64 * w + std::countr_zero(bits)), number++);
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
