#include "cli/Console.h"

namespace korvane::cli {

void ConsoleDialogs::showMessage(const std::string& text) {
    if (progress != nullptr) {
        progress->clear();
    }
    console_.err << text << '\n';
}

} // namespace korvane::cli
