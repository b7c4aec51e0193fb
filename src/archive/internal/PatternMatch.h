// Case-insensitive name comparison and the wildcard rule of archive searches.
#pragma once

#include <string>
#include <string_view>

namespace korvane {

bool equalsIgnoringCase(std::string_view a, std::string_view b);
bool hasWildcards(std::string_view mask);

} // namespace korvane
