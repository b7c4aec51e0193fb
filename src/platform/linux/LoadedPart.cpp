#include "platform/LoadedPart.h"

#include <dlfcn.h>

#include <memory>

namespace korvane {

namespace {

struct LibraryClose {
    void operator()(void* library) const { ::dlclose(library); }
};

} // namespace

std::optional<int> runLoadedPart(const char* file, const char* entry, int argc, char** argv, std::string& why) {
    // Kept mapped after the close: the part's static objects are destroyed at exit, after its code has run.
    const std::unique_ptr<void, LibraryClose> library(::dlopen(file, RTLD_NOW | RTLD_LOCAL | RTLD_NODELETE));
    if (!library) {
        why = ::dlerror();
        return std::nullopt;
    }
    using Entry = int (*)(int, char**);
    const auto run = reinterpret_cast<Entry>(::dlsym(library.get(), entry));
    if (run == nullptr) {
        why = std::string(file) + " has no entry " + entry;
        return std::nullopt;
    }
    return run(argc, argv);
}

} // namespace korvane
