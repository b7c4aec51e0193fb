// "Check this archive": warnings against the game's limits, with and without the installation's standard
// list, and an archive that cannot be read.
#include "JobsFixture.h"

#include "jobs/CheckJob.h"

namespace korvane::testing {
namespace {

using CheckJob = JobsFixture;

TEST_F(CheckJob, WarnsOfEachBrokenLimitOrSaysWhyTheArchiveCannotBeRead) {
    makeArchives(
        {{root + "Clean.gro", {"Sounds/Step.wav"}}, {root + "Faulty.gro", {"textures/stock.tex", "Music/A.ogg"}}});
    dir.write("Broken.gro", "not an archive");
    struct Case {
        const char* archive;
        bool withInstallation;
        std::string failure;
        Names warnedOf; // a name each warning holds, in order
    };
    const Case cases[] = {
        {"Clean.gro", true, {}, {}},
        {"Faulty.gro", true, {}, {"Music\\A.ogg", "textures\\stock.tex"}},
        // Without an installation there is no standard list to compare with.
        {"Faulty.gro", false, {}, {"Music\\A.ogg"}},
        {"Broken.gro", true, "Archive is damaged. Open failed - Native error: 00048", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.archive);
        const CheckResult result = checkArchive(root + c.archive, c.withInstallation ? &state : nullptr);
        EXPECT_EQ(result.read(), c.failure.empty());
        EXPECT_EQ(result.failure, c.failure);
        ASSERT_EQ(result.warnings.size(), c.warnedOf.size());
        for (std::size_t i = 0; i < c.warnedOf.size(); ++i) {
            EXPECT_NE(result.warnings[i].find(c.warnedOf[i]), std::string::npos) << result.warnings[i];
        }
    }
}

} // namespace
} // namespace korvane::testing
