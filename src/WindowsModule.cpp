// The windows as a library of their own: korvane loads it only when no command is given, so that a command
// starts without loading the window toolkit.
#include "app/Application.h"

extern "C" __attribute__((visibility("default"))) int korvaneRunWindows(int argc, char** argv) {
    return korvane::runKorvane(argc, argv);
}
