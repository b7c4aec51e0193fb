// The status bar's notice cycle: 16 ticks of the notice timer, each notice shown for two ticks.
#pragma once

#include <string>

namespace korvane {

inline constexpr int kNoticeCycleTicks = 16;
inline constexpr const char* kBugReportAddress = "korvane.bugs@example.org";

// The text for a tick of the cycle (1 to 16); the empty text clears the bar.
std::string noticeForTick(int tick);

} // namespace korvane
