// The one wildcard matcher: '*' stands for any run of characters, '?' for one character. The masks that use
// it differ in how they fold letter case and in a few mask forms; each folds its texts before matching and
// says the rest through the rule.
#pragma once

#include <string_view>

namespace korvane {

struct WildcardRule {
    // "*?" then means the same as "*": the '?' needs no character of its own.
    bool questionAfterStarIsFree = false;
};

bool wildcardMatch(std::u32string_view name, std::u32string_view mask, WildcardRule rule = {});

} // namespace korvane
