// What a user may never read: texts that only a library or the language runtime writes.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace korvane::testing {

inline void expectNoLibraryText(const std::vector<std::string>& shown) {
    for (const std::string& text : shown) {
        for (const char* marker : {"filesystem error", "std::", "basic_", "No such file", "Is a directory", "errno",
                                   "Success", "zlib", "libdeflate"}) {
            EXPECT_EQ(text.find(marker), std::string::npos) << text;
        }
    }
}

// The process's working folder removed from under it while the object lives; the old one back afterwards.
class WorkingFolderGone {
public:
    explicit WorkingFolderGone(const std::filesystem::path& scratch) : saved_(std::filesystem::current_path()) {
        std::filesystem::create_directories(scratch);
        std::filesystem::current_path(scratch);
        std::filesystem::remove(scratch);
    }
    ~WorkingFolderGone() { std::filesystem::current_path(saved_); }
    WorkingFolderGone(const WorkingFolderGone&) = delete;
    WorkingFolderGone& operator=(const WorkingFolderGone&) = delete;

private:
    std::filesystem::path saved_;
};

} // namespace korvane::testing
