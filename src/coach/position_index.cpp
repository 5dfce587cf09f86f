#include "coach/position_index.h"

#include <bit>

namespace quellan::packed {

PositionIndex::PositionIndex(std::size_t capacity) {
    resize(std::bit_ceil(capacity < 2 ? 2 : capacity));
}

PositionIndex::Entry PositionIndex::insert(Position pos) {
    if (4 * (m_size + 1) > 3 * m_slots.size()) {
        std::vector<Slot> old;
        old.swap(m_slots);
        resize(2 * old.size());
        for (const Slot& slot : old)
            if (slot.key != 0) place(slot.key, slot.id);
    }
    for (std::size_t s = slotOf(pos);; s = (s + 1) & m_mask) {
        Slot& slot = m_slots[s];
        if (slot.key == pos) return {slot.id, false};
        if (slot.key == 0) {
            slot = {pos, static_cast<std::uint32_t>(m_size++)};
            return {slot.id, true};
        }
    }
}

void PositionIndex::resize(std::size_t slots) {
    m_slots.assign(slots, Slot{});
    m_mask = slots - 1;
    m_shift = 64 - std::countr_zero(slots);
}

void PositionIndex::place(Position pos, std::uint32_t id) {
    std::size_t s = slotOf(pos);
    while (m_slots[s].key != 0) s = (s + 1) & m_mask;
    m_slots[s] = {pos, id};
}

}  // namespace quellan::packed
