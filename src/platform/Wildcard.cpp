#include "platform/Wildcard.h"

namespace korvane {

// Matching with one backtrack point, the last star seen: linear in practice, never exponential.
bool wildcardMatch(std::u32string_view name, std::u32string_view mask, WildcardRule rule) {
    std::size_t n = 0;
    std::size_t m = 0;
    std::size_t starMask = std::u32string_view::npos;
    std::size_t starName = 0;
    while (n < name.size()) {
        if (m < mask.size() && mask[m] == U'*') {
            while (m < mask.size() && (mask[m] == U'*' || (rule.questionAfterStarIsFree && mask[m] == U'?'))) {
                ++m;
            }
            starMask = m;
            starName = n;
        } else if (m < mask.size() && (mask[m] == U'?' || mask[m] == name[n])) {
            ++m;
            ++n;
        } else if (starMask != std::u32string_view::npos) {
            m = starMask;
            n = ++starName;
        } else {
            return false;
        }
    }
    while (m < mask.size() && mask[m] == U'*') {
        ++m;
    }
    return m == mask.size();
}

} // namespace korvane
