// Runs korvane's command line in-process on a demo installation and reads what it wrote.
#pragma once

#include "cli/CommandLineMain.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace korvane::testing {

struct CliRun {
    int code = -1;
    std::string out;
    std::string err;
    std::vector<std::string> outLines() const;
};

CliRun korvane(const std::vector<std::string>& words);

std::vector<std::string> splitLines(const std::string& text);

// One demo installation shared by the tests of a suite that only read it.
class DemoInstallationTest : public ::testing::Test {
protected:
    static void SetUpTestSuite();
    static void TearDownTestSuite();

    static std::filesystem::path folder() { return demo_->path() / "demo"; }
    // The folder as an InstallRoot: native, ending in the separator.
    static std::string root() {
        return folder().string() + static_cast<char>(std::filesystem::path::preferred_separator);
    }
    // The files the two demo maps need, in the order step 2 lists them.
    static const std::vector<std::string>& expectedFiles();

    TempDir scratch_;

private:
    static std::unique_ptr<TempDir> demo_;
};

} // namespace korvane::testing
