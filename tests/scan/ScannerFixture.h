// An installation in a temporary folder with the lists a scan fills.
#pragma once

#include "platform/NameList.h"
#include "scan/MissingList.h"
#include "scan/ReferenceScanner.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace korvane::testing {

class ScannerFixture : public ::testing::Test {
protected:
    TempDir install;
    std::string root = install.root();
    NameList files;
    NameList standard;
    MissingList missing;
    ReferenceScanner scanner{root, files, standard, missing};

    std::vector<std::string> listed() const { return files.names(); }
    std::vector<std::string> reported() const { return missing.names(); }
    void scanMap(const std::string& name) {
        scanner.LookForWorldDFNM(name, [](std::uint64_t, std::uint64_t) {});
    }
};

} // namespace korvane::testing
