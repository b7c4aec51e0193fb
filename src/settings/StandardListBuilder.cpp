#include "settings/StandardListBuilder.h"

#include "archive/ZipEngine.h"
#include "platform/GamePath.h"
#include "platform/UserError.h"
#include "settings/InstallFolder.h"

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

// Whatever happens during a run, the calling window ends enabled, the target's repainting resumed and the
// loading window hidden, before any message is shown.
class RunScope {
public:
    RunScope(RunWindow& window, NameList* suspended) : window_(window), suspended_(suspended) {}
    ~RunScope() { finish(); }
    RunScope(const RunScope&) = delete;
    RunScope& operator=(const RunScope&) = delete;

    void finish() {
        if (finished_) {
            return;
        }
        finished_ = true;
        window_.setCallerEnabled(true);
        if (suspended_ != nullptr) {
            suspended_->endUpdate();
        }
        window_.hideLoading();
    }

private:
    RunWindow& window_;
    NameList* suspended_;
    bool finished_ = false;
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
                      bool showMemberCounter, const std::function<void(std::string&& name)>& sink) {
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
        sink(item.StoredPath + item.FileName);
    }
}

void ListGroMembers(TZipEngine& archiver, ProgressSink& progress, const std::string& archivePath, NameList& target,
                    MemberListing listing) {
    forEachGroMember(archiver, progress, archivePath, listing.showMemberCounter, [&](std::string&& name) {
        if (listing.skipDuplicates) {
            target.appendIfAbsent(std::move(name), true);
        } else {
            target.append(std::move(name), true);
        }
    });
}

StandardListOutcome BuildStandardFiles(ListingRun& run, const std::string& root,
                                       const std::vector<std::string>& archiveNames, NameList& target,
                                       BuildVariant variant, NameList* archiveList) {
    const bool wizard = variant == BuildVariant::Wizard;
    bool archiveMissing = false;
    target.clear();
    if (wizard) {
        target.beginUpdate();
    } else if (archiveList != nullptr) {
        archiveList->clear();
    }
    RunScope scope(run.window, wizard ? &target : nullptr);
    run.window.showLoading();
    const int total = static_cast<int>(archiveNames.size());
    run.progress.setOverallMax(total);
    run.progress.setOverallPosition(0);
    run.progress.setCurrentText("");
    run.progress.setOverallText("");
    run.window.setCallerEnabled(false);

    const MemberListing listing{wizard, true};
    try {
        for (int i = 0; i < total; ++i) {
            const std::string& name = archiveNames[static_cast<std::size_t>(i)];
            run.progress.setOverallPosition(i + 1);
            run.progress.setOverallText(outOf(i + 1, total));
            if (fileExists(root + name)) {
                if (!wizard && archiveList != nullptr) {
                    archiveList->append(name, false);
                }
                ListGroMembers(run.archiver, run.progress, archivePathOf(root, name), target, listing);
            } else {
                archiveMissing = true;
                if (!wizard) {
                    run.dialogs.showMessage("File " + name + " was not found.");
                }
            }
        }
    } catch (...) {
        scope.finish();
        run.dialogs.showMessage(errorText());
        return StandardListOutcome::Unreadable;
    }
    scope.finish();
    if (wizard && archiveMissing) {
        run.dialogs.showMessage(kSomeGrosMissing);
    }
    return archiveMissing ? StandardListOutcome::ArchivesMissing : StandardListOutcome::Complete;
}

void AddStandardFile(ListingRun& run, const std::string& root, NameList& target, AddVariant variant) {
    const bool options = variant == AddVariant::Options;
    if (options && !isValidInstallation(root)) {
        run.dialogs.showMessage(kChooseValidPathFirst);
        return;
    }
    const auto chosen = run.dialogs.openFiles({"*.*|*.*", root, false, false});
    if (chosen.empty()) {
        return;
    }
    const std::string relative = relativeNameOf(chosen.front(), root);
    if (!fileExists(root + relative)) {
        run.dialogs.showMessage(options ? "The file must reside inside the SS installation directory.\n"
                                          "If you are sure that it's there, then please check that the\n"
                                          "path is correctly defined in the Options menu."
                                        : "The file must reside inside the SS installation directory,\n"
                                          "which was specified in the previous window.");
        return;
    }
    if (target.contains(relative)) {
        run.dialogs.showMessage("This file is already in the list.");
        return;
    }
    if (!equalsAsciiNoCase(extensionOf(relative), ".gro")) {
        target.append(relative, true);
        return;
    }
    run.window.setCallerEnabled(false);
    RunScope scope(run.window, nullptr);
    run.window.showLoading();
    run.progress.setOverallMax(1);
    run.progress.setOverallPosition(1);
    run.progress.setCurrentText("");
    run.progress.setOverallText(outOf(1, 1));
    try {
        ListGroMembers(run.archiver, run.progress, archivePathOf(root, relative), target, {true, false});
    } catch (...) {
        scope.finish();
        run.dialogs.showMessage(errorText());
    }
}

} // namespace korvane
