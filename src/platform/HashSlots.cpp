#include "platform/HashSlots.h"

namespace korvane {

void HashSlots::clear() {
    slots_.clear();
    used_ = 0;
}

void HashSlots::reserve(std::size_t count) {
    if (2 * count > slots_.size()) {
        std::size_t capacity = 16;
        while (capacity < 2 * count) {
            capacity *= 2;
        }
        rehash(capacity);
    }
}

void HashSlots::insert(std::size_t hash, int position) {
    reserve(used_ + 1);
    const std::size_t mask = slots_.size() - 1;
    std::size_t at = hash & mask;
    while (slots_[at].position >= 0) {
        at = (at + 1) & mask;
    }
    slots_[at] = {hash, position};
    ++used_;
}

void HashSlots::rehash(std::size_t capacity) {
    std::vector<Slot> old(capacity);
    old.swap(slots_);
    used_ = 0;
    for (const Slot& slot : old) {
        if (slot.position >= 0) {
            insert(slot.hash, slot.position);
        }
    }
}

} // namespace korvane
