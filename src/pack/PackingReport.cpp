#include "pack/PackingReport.h"

#include "pack/PackingMessages.h"

namespace korvane {

std::string stopMessage(PackingStop stop, const std::string& detail) {
    const std::string kept = " could not be written. A GRO that was there before is unchanged.";
    switch (stop) {
    case PackingStop::NoValidName:
        return kChooseValidDestination;
    case PackingStop::FolderNotCreated:
        return kPathNotCreated;
    case PackingStop::ReplacesPackedFile:
        return "Error: The GRO would replace " + detail +
               ", which is one of the files to be packed.\nPlease choose another name or location for your GRO.";
    case PackingStop::NotWritable:
        return kNotWritable;
    case PackingStop::WriteFailed:
        return "Error: " + detail + kept;
    case PackingStop::DiskFull:
        return "Error: The disk is full: " + detail + kept;
    case PackingStop::KeptArchive:
        return "Error: " + detail + kKeptArchive;
    case PackingStop::NothingPacked:
        return kNothingPacked;
    case PackingStop::Failed:
        break;
    }
    return detail;
}

namespace {

std::string besideNote(const std::vector<std::string>& besideFiles) {
    return besideFiles.empty() ? std::string() : besideClosingNote(static_cast<int>(besideFiles.size())) + "\n";
}

} // namespace

std::string filesLeftOutMessage(const std::vector<std::string>& besideFiles) {
    return besideNote(besideFiles) + kSomeFilesNotIncluded;
}

std::string packedQuestion(const std::vector<std::string>& besideFiles) {
    return besideNote(besideFiles) + kPackedOpenFolderQuestion;
}

} // namespace korvane
