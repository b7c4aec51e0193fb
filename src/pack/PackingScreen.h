// What the packing run drives in the main window: the destination box, the packing log and the busy state.
#pragma once

#include <string>

namespace korvane {

class PackingScreen {
public:
    virtual ~PackingScreen() = default;
    // DestinationPath after the run appended an extension to it.
    virtual void showDestination(const std::string& path) = 0;
    virtual void clearLog() = 0;
    virtual void appendLine(const std::string& line) = 0;
    virtual void extendLastLine(const std::string& text) = 0;
    // Busy: the main window takes no input and LoadingWindow is shown where it last stood; not busy: the reverse.
    virtual void setBusy(bool busy) = 0;
};

} // namespace korvane
