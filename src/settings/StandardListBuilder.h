// Turning standard archives into entries of a standard file list: one archive, a whole list of archives, or
// one file chosen by the user.
#pragma once

#include "platform/NameList.h"
#include "settings/ListingRun.h"
#include "settings/SettingsMessages.h"

#include <functional>
#include <string>
#include <vector>

namespace korvane {

class ProgressSink;
class TZipEngine;

struct MemberListing {
    bool skipDuplicates = true;
    bool showMemberCounter = true;
};

// Hands each member name of the archive (a native path) to the sink in directory order, refreshing the
// current-item bar at the first member and every 202nd after it. Engine errors pass on to the caller.
void forEachGroMember(TZipEngine& archiver, ProgressSink& progress, const std::string& archivePath,
                      bool showMemberCounter, const std::function<void(std::string&& name)>& sink);

// Appends the member names of the archive (a native path) to the target, each checked, refreshing the
// current-item bar at the first member and every 202nd after it. Engine errors pass on to the caller.
void ListGroMembers(TZipEngine& archiver, ProgressSink& progress, const std::string& archivePath, NameList& target,
                    MemberListing listing);

enum class BuildVariant {
    Wizard, // duplicates skipped, one message for all missing archives, target repaint suspended
    Editor, // duplicates kept, a message per missing archive, existing names go to the archive list
};

// How a build ended, for the front ends to act on without reading its messages.
enum class StandardListOutcome {
    Complete,        // every named archive was there and listed
    ArchivesMissing, // some were not there, as reported; the others are listed
    Unreadable,      // an archive could not be read, as reported: the build stopped there
};

// Lists every existing archive of the names (relative to root) into the emptied target. The editor variant
// also empties archiveList and appends each existing archive's name to it. On an unreadable archive the
// calling window is enabled and the loading window hidden before that message shows.
StandardListOutcome BuildStandardFiles(ListingRun& run, const std::string& root,
                                       const std::vector<std::string>& archiveNames, NameList& target,
                                       BuildVariant variant, NameList* archiveList = nullptr);

enum class AddVariant { Options, Wizard };

// "Добавить файл": one chosen file's relative name, or every member of a chosen ".gro" archive.
void AddStandardFile(ListingRun& run, const std::string& root, NameList& target, AddVariant variant);

} // namespace korvane
