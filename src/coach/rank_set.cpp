#include "coach/rank_set.h"

namespace quellan::packed {

void RankSet::rankMembers() {
    m_before.resize(m_words.size());
    std::uint32_t count = 0;
    for (std::size_t w = 0; w < m_words.size(); ++w) {
        m_before[w] = count;
        count += static_cast<std::uint32_t>(countBits(m_words[w]));
    }
}

}  // namespace quellan::packed
