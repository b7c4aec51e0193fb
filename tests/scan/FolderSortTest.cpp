#include "scan/FolderSort.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace korvane {
namespace {

using Names = std::vector<std::string>;

std::vector<std::pair<std::string, bool>> entriesOf(const NameList& list) {
    std::vector<std::pair<std::string, bool>> entries;
    for (int i = 0; i < list.size(); ++i) {
        entries.emplace_back(list.name(i), list.checked(i));
    }
    return entries;
}

TEST(FolderSort, FolderSeenFirstKeepsItsSpellingAndMarksMoveWithEntries) {
    NameList list;
    list.append("b.tex", true);
    list.append("Textures\\B.tex", false);
    list.append("a.tex", true);
    list.append("Models\\x.mdl", false);
    list.append("textures\\a.tex", true);
    sortByFolder(list);
    using Entries = std::vector<std::pair<std::string, bool>>;
    EXPECT_EQ(entriesOf(list), (Entries{{"a.tex", true},
                                        {"b.tex", true},
                                        {"Models\\x.mdl", false},
                                        {"Textures\\B.tex", false},
                                        {"textures\\a.tex", true}}));
}

TEST(FolderSort, AFolderComesBeforeFoldersExtendingIt) {
    EXPECT_EQ(folderSortedNames({"ModelsMP\\a.mdl", "Models\\Items\\b.mdl", "Models\\c.mdl", "Models\\a.mdl",
                                 "Models1\\z.mdl", "z.tex", "1.tex"}),
              (Names{"1.tex", "z.tex", "Models\\a.mdl", "Models\\c.mdl", "Models\\Items\\b.mdl", "Models1\\z.mdl",
                     "ModelsMP\\a.mdl"}));
}

TEST(FolderSort, OneFolderSortsByFileNameIgnoringCase) {
    NameList list;
    list.assign({"T\\c.tex", "T\\B.tex", "T\\a.tex", "T\\10.tex", "T\\_x.tex"}, true);
    sortByFolder(list);
    EXPECT_EQ(list.names(), (Names{"T\\_x.tex", "T\\10.tex", "T\\a.tex", "T\\B.tex", "T\\c.tex"}));
}

TEST(FolderSort, OddNamesNeitherCrashNorGetLost) {
    NameList list;
    // A drive-letter name and a duplicate differing in case: both stay listed.
    list.assign({"C:evil.tex", "b.tex", "A.tex", "a.TEX", "\\root.tex", "C\\a.tex"}, true);
    list.setChecked(3, false);
    sortByFolder(list);
    Names names = list.names();
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (Names{"A.tex", "C:evil.tex", "C\\a.tex", "\\root.tex", "a.TEX", "b.tex"}));
    EXPECT_EQ(list.name(0), "\\root.tex");
    EXPECT_EQ(list.checkedCount(), 5);
    const Names after = list.names();
    EXPECT_FALSE(list.checked(static_cast<int>(std::find(after.begin(), after.end(), "a.TEX") - after.begin())));
}

} // namespace
} // namespace korvane
