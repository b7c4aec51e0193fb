#include "settings/StandardListBuilder.h"

#include "archive/ZipEngine.h"
#include "platform/GamePath.h"
#include "platform/ProgressSink.h"
#include "platform/UserError.h"

#include <exception>

namespace korvane {

namespace {

constexpr std::uint16_t kOpenForReading = 0;
constexpr std::uint16_t kEveryFileAttribute = 47; // all but the directory bit
constexpr int kRefreshCounterStart = 201;         // so the first member refreshes the display

// The archive is closed however the listing ends; closing never raises.
class OpenArchiveGuard {
public:
    explicit OpenArchiveGuard(TZipEngine& archiver) : archiver_(archiver) {}
    ~OpenArchiveGuard() { archiver_.CloseArchive(); }
    OpenArchiveGuard(const OpenArchiveGuard&) = delete;
    OpenArchiveGuard& operator=(const OpenArchiveGuard&) = delete;

private:
    TZipEngine& archiver_;
};

// The target's repainting is suspended for as long as the build runs, however it ends.
class SuspendedRepaint {
public:
    explicit SuspendedRepaint(NameList* list) : list_(list) {
        if (list_ != nullptr) {
            list_->beginUpdate();
        }
    }
    ~SuspendedRepaint() {
        if (list_ != nullptr) {
            list_->endUpdate();
        }
    }
    SuspendedRepaint(const SuspendedRepaint&) = delete;
    SuspendedRepaint& operator=(const SuspendedRepaint&) = delete;

private:
    NameList* list_;
};

// The native path of an archive named relative to the root, resolving '\' and letter case.
std::string archivePathOf(const std::string& root, const std::string& name) {
    const auto resolved = resolveExisting(root + name);
    return resolved ? resolved->string() : root + name;
}

// Called inside a handler: the caught error's user text.
std::string errorText() {
    const std::string text = userMessageOf(std::current_exception());
    return text.empty() ? "The archive could not be read." : text;
}

} // namespace

void forEachGroMember(TZipEngine& archiver, ProgressSink& progress, const std::string& archivePath,
                      bool showMemberCounter, const std::function<void(std::string_view name)>& sink) {
    archiver.FileName = archivePath;
    archiver.OpenArchive(kOpenForReading);
    OpenArchiveGuard closer(archiver);
    // The count cannot change while the archive is only read, so it is taken once.
    const int count = archiver.GetFileCount();
    progress.setCurrentMax(count);
    progress.setCurrentPosition(0);

    int member = 0;
    int refresh = kRefreshCounterStart;
    TZEArchiveItem item;
    std::string name; // one buffer for every member's name
    for (bool found = archiver.FindFirst("*.*", item, kEveryFileAttribute, ""); found;
         found = archiver.FindNext(item)) {
        ++member;
        if (refresh > 200) {
            progress.processEvents();
            if (showMemberCounter) {
                progress.setCurrentText(outOf(member, count));
            }
            progress.setCurrentPosition(member);
            refresh = 0;
        } else {
            ++refresh;
        }
        sink(name.assign(item.StoredPath).append(item.FileName));
    }
}

void ListGroMembers(TZipEngine& archiver, ProgressSink& progress, const std::string& archivePath, NameList& target,
                    MemberListing listing) {
    forEachGroMember(archiver, progress, archivePath, listing.showMemberCounter, [&](std::string_view name) {
        if (listing.skipDuplicates) {
            target.appendIfAbsent(std::string(name), true);
        } else {
            target.append(std::string(name), true);
        }
    });
}

StandardListResult BuildStandardFiles(TZipEngine& archiver, ProgressSink& progress, const std::string& root,
                                      const std::vector<std::string>& archiveNames, NameList& target,
                                      BuildVariant variant, NameList* archiveList, const ArchiveNotFound& notFound) {
    const bool wizard = variant == BuildVariant::Wizard;
    StandardListResult result;
    target.clear();
    if (!wizard && archiveList != nullptr) {
        archiveList->clear();
    }
    const SuspendedRepaint suspended(wizard ? &target : nullptr);
    const int total = static_cast<int>(archiveNames.size());
    progress.setOverallMax(total);
    progress.setOverallPosition(0);
    progress.setCurrentText("");
    progress.setOverallText("");
    const MemberListing listing{wizard, true};
    try {
        for (int i = 0; i < total; ++i) {
            const std::string& name = archiveNames[static_cast<std::size_t>(i)];
            progress.setOverallPosition(i + 1);
            progress.setOverallText(outOf(i + 1, total));
            if (fileExists(root + name)) {
                if (!wizard && archiveList != nullptr) {
                    archiveList->append(name, false);
                }
                ListGroMembers(archiver, progress, archivePathOf(root, name), target, listing);
            } else {
                result.outcome = StandardListOutcome::ArchivesMissing;
                if (notFound) {
                    notFound(name);
                }
            }
        }
    } catch (...) {
        return {StandardListOutcome::Unreadable, errorText()};
    }
    return result;
}

ChosenStandardFile classifyStandardChoice(const std::string& root, const std::string& chosenPath,
                                          const NameList& target) {
    std::string relative = relativeNameOf(chosenPath, root);
    if (!fileExists(root + relative)) {
        return {StandardChoice::Outside, relative};
    }
    if (target.contains(relative)) {
        return {StandardChoice::AlreadyListed, relative};
    }
    const bool archive = equalsAsciiNoCase(extensionOf(relative), ".gro");
    return {archive ? StandardChoice::Archive : StandardChoice::File, relative};
}

std::string standardChoiceMessage(StandardChoice refusal, AddVariant variant) {
    if (refusal == StandardChoice::AlreadyListed) {
        return "This file is already in the list.";
    }
    return variant == AddVariant::Options ? "The file must reside inside the SS installation directory.\n"
                                            "If you are sure that it's there, then please check that the\n"
                                            "path is correctly defined in the Options menu."
                                          : "The file must reside inside the SS installation directory,\n"
                                            "which was specified in the previous window.";
}

std::string ListChosenArchive(TZipEngine& archiver, ProgressSink& progress, const std::string& root,
                              const std::string& name, NameList& target) {
    progress.setOverallMax(1);
    progress.setOverallPosition(1);
    progress.setCurrentText("");
    progress.setOverallText(outOf(1, 1));
    try {
        ListGroMembers(archiver, progress, archivePathOf(root, name), target, {true, false});
    } catch (...) {
        return errorText();
    }
    return {};
}

} // namespace korvane
