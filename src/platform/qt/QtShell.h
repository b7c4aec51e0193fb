// Hands folders and mail links to the desktop.
#pragma once

#include "platform/UserDialogs.h"

namespace korvane {

class QtShell : public Shell {
public:
    bool openFolder(const std::string& folder) override;
    // The link goes out as written: the program neither encodes nor decodes it, so a subject with blanks
    // reaches the mail program with its blanks.
    void openUrl(const std::string& url) override;
};

} // namespace korvane
