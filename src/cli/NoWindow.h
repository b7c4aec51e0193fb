// The calling window of a standard list build, when there is no window: nothing to centre, hide or disable.
#pragma once

#include "settings/ListingRun.h"

namespace korvane::cli {

class NoWindow : public RunWindow {
public:
    void showLoading() override {}
    void hideLoading() override {}
    void setCallerEnabled(bool) override {}
};

} // namespace korvane::cli
