#pragma once
// The positions a search has seen, each with a dense number in the order it
// was added: open addressing with linear probing, 0 marking a free slot (no
// real position is 0).
#include <cstddef>
#include <cstdint>
#include <limits>
#include <vector>

#include "coach/packed_position.h"

namespace quellan::packed {

class PositionIndex {
  public:
    static constexpr std::uint32_t kAbsent = std::numeric_limits<std::uint32_t>::max();

    // `capacity` is rounded up to a power of two; the table grows when it is
    // three quarters full.
    explicit PositionIndex(std::size_t capacity = 1 << 16);

    struct Entry {
        std::uint32_t id;
        bool added;  // false when `pos` was already there
    };
    // Adds `pos` with the next number unless it is there already; either way
    // gives its number.
    Entry insert(Position pos);

    // The number of `pos`, or kAbsent.
    std::uint32_t find(Position pos) const {
        for (std::size_t s = slotOf(pos);; s = (s + 1) & m_mask) {
            if (m_slots[s].key == pos) return m_slots[s].id;
            if (m_slots[s].key == 0) return kAbsent;
        }
    }

    std::size_t size() const { return m_size; }

    // Calls `visit(pos, id)` for every position, in no particular order.
    template <class Visit>
    void forEach(Visit&& visit) const {
        for (const Slot& slot : m_slots)
            if (slot.key != 0) visit(slot.key, slot.id);
    }
    std::size_t bytes() const { return m_slots.capacity() * sizeof(Slot); }

  private:
    std::size_t slotOf(Position pos) const {
        // Fibonacci hashing: the top bits of the product depend on every cell.
        return static_cast<std::size_t>((pos * 0x9E3779B97F4A7C15ull) >> m_shift);
    }
    void resize(std::size_t slots);
    void place(Position pos, std::uint32_t id);

    // A position and its number side by side: one memory access per probe.
    struct Slot {
        Position key = 0;
        std::uint32_t id = kAbsent;
    };
    std::vector<Slot> m_slots;
    std::size_t m_mask = 0;
    int m_shift = 64;
    std::size_t m_size = 0;
};

}  // namespace quellan::packed
