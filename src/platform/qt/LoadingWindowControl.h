// The shared progress window as the other windows see it: a progress sink that is also a window to centre,
// show and hide.
#pragma once

#include "platform/ProgressSink.h"

class QWidget;

namespace korvane {

class LoadingWindowControl : public ProgressSink {
public:
    virtual QWidget* widget() = 0;
};

} // namespace korvane
