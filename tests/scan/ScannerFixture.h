// An installation in a temporary folder with the lists a scan fills.
#pragma once

#include "platform/NameList.h"
#include "scan/CollectionRun.h"
#include "scan/MissingList.h"
#include "scan/ReferenceScanner.h"
#include "support/RecordingProgress.h"
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

// The same installation and lists, filled by whole collection runs over maps.
class CollectionFixture : public ScannerFixture {
protected:
    RecordingProgress progress;
    FileReasons reasons;

    CollectionOutcome run(const std::vector<std::string>& maps, bool deep = false) {
        files.clear();
        missing.clear();
        reasons = FileReasons();
        CollectionLists lists{root, files, standard, missing};
        lists.DeepScan = deep;
        lists.Reasons = &reasons;
        return collectDependencies(lists, maps, progress);
    }
};

} // namespace korvane::testing
