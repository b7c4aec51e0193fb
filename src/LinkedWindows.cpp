// The windows linked into the program itself, where they are a program of their own.
#include "Entry.h"
#include "app/Application.h"

namespace korvane {

int runWindows(int argc, char** argv) {
    return runKorvane(argc, argv);
}

} // namespace korvane
