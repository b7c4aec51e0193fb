#include "platform/LoadedPart.h"

#include <dlfcn.h>

#include <filesystem>
#include <memory>
#include <system_error>

namespace korvane {

namespace {

struct LibraryClose {
    void operator()(void* library) const { ::dlclose(library); }
};

} // namespace

std::optional<int> runLoadedPart(const std::string& file, const std::string& installedFolder, const char* entry,
                                 int argc, char** argv, std::string& why) {
    std::error_code error;
    const auto folder = std::filesystem::read_symlink("/proc/self/exe", error).parent_path();
    auto path = folder / file;
    if (!std::filesystem::exists(path, error)) {
        path = (folder / installedFolder / file).lexically_normal();
    }
    // Kept mapped after the close: the part's static objects are destroyed at exit, after its code has run.
    const std::unique_ptr<void, LibraryClose> library(::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL | RTLD_NODELETE));
    if (!library) {
        why = ::dlerror();
        return std::nullopt;
    }
    using Entry = int (*)(int, char**);
    const auto run = reinterpret_cast<Entry>(::dlsym(library.get(), entry));
    if (run == nullptr) {
        why = path.string() + " has no entry " + entry;
        return std::nullopt;
    }
    return run(argc, argv);
}

} // namespace korvane
