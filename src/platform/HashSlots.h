// Positions by hash in one open-addressed table: an index over tens of thousands of names that allocates
// nothing per name and keeps the names themselves out of it.
#pragma once

#include <cstddef>
#include <vector>

namespace korvane {

class HashSlots {
public:
    void clear();
    void reserve(std::size_t count);
    void insert(std::size_t hash, int position);

    // The first position stored under the hash that `matches` accepts, or -1.
    template <class Matches> int find(std::size_t hash, const Matches& matches) const {
        if (slots_.empty()) {
            return -1;
        }
        const std::size_t mask = slots_.size() - 1;
        for (std::size_t at = hash & mask; slots_[at].position >= 0; at = (at + 1) & mask) {
            if (slots_[at].hash == hash && matches(slots_[at].position)) {
                return slots_[at].position;
            }
        }
        return -1;
    }

private:
    struct Slot {
        std::size_t hash = 0;
        int position = -1; // -1: empty
    };

    void rehash(std::size_t capacity);

    std::vector<Slot> slots_; // a power of two long, never more than half full
    std::size_t used_ = 0;
};

} // namespace korvane
