#pragma once
// The move history: entry 0 is the layout as it was set up, entry n the
// position after the n-th move that still stands. The step counter is always
// the number of entries minus one.
#include <string>
#include <vector>

namespace quellan {

class MoveHistory {
  public:
    void clear() { m_entries.clear(); }
    void append(std::string entry) { m_entries.push_back(std::move(entry)); }
    void removeLast() {
        if (!m_entries.empty()) m_entries.pop_back();
    }
    int size() const { return static_cast<int>(m_entries.size()); }
    bool empty() const { return m_entries.empty(); }
    const std::string& entry(int i) const { return m_entries.at(static_cast<size_t>(i)); }
    const std::string& last() const { return m_entries.back(); }
    const std::vector<std::string>& entries() const { return m_entries; }
    // Moves made since the layout was set up.
    int steps() const { return m_entries.empty() ? 0 : size() - 1; }

  private:
    std::vector<std::string> m_entries;
};

}  // namespace quellan
