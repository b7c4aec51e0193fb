// Turning standard archives into entries of a standard file list: one archive, a whole list of archives, or
// one file chosen by the user.
#pragma once

#include "platform/NameList.h"
#include "settings/SettingsMessages.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace korvane {

class ProgressSink;
class TZipEngine;

struct MemberListing {
    bool skipDuplicates = true;
    bool showMemberCounter = true;
};

// Hands each member name of the archive (a native path) to the sink in directory order, refreshing the
// current-item bar at the first member and every 202nd after it. A name lasts for its call only. Engine errors
// pass on to the caller; they arise while the archive opens, before the first name.
void forEachGroMember(TZipEngine& archiver, ProgressSink& progress, const std::string& archivePath,
                      bool showMemberCounter, const std::function<void(std::string_view name)>& sink);

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

struct StandardListResult {
    StandardListOutcome outcome = StandardListOutcome::Complete;
    std::string failure; // when Unreadable: the error model's text, never empty
};

// Told of an archive name that is not there, as the build reaches it.
using ArchiveNotFound = std::function<void(const std::string& name)>;

// Lists every existing archive of the names (relative to root) into the emptied target, the loading window's
// bars following through progress. The wizard variant suspends the target's repainting for the run. The
// editor variant also empties archiveList and appends each existing archive's name to it.
StandardListResult BuildStandardFiles(TZipEngine& archiver, ProgressSink& progress, const std::string& root,
                                      const std::vector<std::string>& archiveNames, NameList& target,
                                      BuildVariant variant, NameList* archiveList = nullptr,
                                      const ArchiveNotFound& notFound = {});

enum class AddVariant { Options, Wizard };

// What "Добавить файл" makes of the file chosen in its dialog.
enum class StandardChoice {
    File,          // any other file: its relative name goes into the list
    Archive,       // a ".gro": its members go into the list
    Outside,       // not a file inside the installation
    AlreadyListed, // its name is in the list
};
struct ChosenStandardFile {
    StandardChoice choice;
    std::string name; // relative to the root
};
ChosenStandardFile classifyStandardChoice(const std::string& root, const std::string& chosenPath,
                                          const NameList& target);

// The text the windows give a refusal.
std::string standardChoiceMessage(StandardChoice refusal, AddVariant variant);

// Lists a chosen archive's members into the target, duplicates skipped, both bars at one of one. Returns the
// error model's text when the archive cannot be read, else nothing.
std::string ListChosenArchive(TZipEngine& archiver, ProgressSink& progress, const std::string& root,
                              const std::string& name, NameList& target);

} // namespace korvane
