#include "convert/WorldVersionConverter.h"

#include "convert/ConverterMessages.h"
#include "platform/FileError.h"
#include "platform/FileHandle.h"
#include "platform/GamePath.h"

#include <fstream>
#include <system_error>
#include <utility>

namespace korvane {

namespace {

constexpr const char* kIntro = "This tool will convert maps saved with SS:SE v1.50 beta into SS:SE v1.07.\n\n"
                               "It might become necessary if you have accidentally made your map in 150 although\n"
                               "you meant to release it in 107. It may happen.. even twice *points to Quendrel*\n\n"
                               "Now please select the map you wish to convert.";
constexpr const char* kSourceAsDestination =
    "The converted map cannot be saved over the map it is made from. Please choose another file name.";

bool isMarker(std::string_view bytes, const std::array<std::uint8_t, 2>& marker) {
    return static_cast<std::uint8_t>(bytes[4]) == marker[0] && static_cast<std::uint8_t>(bytes[5]) == marker[1];
}

bool isRegularFile(const std::filesystem::path& path) {
    std::error_code ignored;
    return std::filesystem::is_regular_file(path, ignored);
}

bool sameFile(const std::filesystem::path& a, const std::filesystem::path& b) {
    return sameFileOnDisk(a, b);
}

} // namespace

WorldVersion classifyVersionMarker(std::string_view firstBytes) {
    if (firstBytes.size() < 6) {
        return WorldVersion::Unknown;
    }
    if (isMarker(firstBytes, kVersion107Marker)) {
        return WorldVersion::v107;
    }
    if (isMarker(firstBytes, kVersion150Marker)) {
        return WorldVersion::v150;
    }
    return WorldVersion::Unknown;
}

std::string withWorldExtension(std::string destination) {
    return withDefaultExtension(std::move(destination), "wld");
}

const char* const kConverterIntro = kIntro;

std::string converterMessage(ConverterNotice notice, const std::string& path) {
    switch (notice) {
    case ConverterNotice::SourceUnreadable:
        return FileError::cannotOpen(path).what();
    case ConverterNotice::AlreadyCurrent:
        return kAlreadyVersion107;
    case ConverterNotice::Version150Found:
        return kVersion150Detected;
    case ConverterNotice::ChooseWhereToSave:
        return kChooseWhereToSave;
    case ConverterNotice::SourceAsDestination:
        return kSourceAsDestination;
    case ConverterNotice::DestinationUnwritable:
        return FileError::cannotCreate(path).what();
    case ConverterNotice::Converted:
        break;
    }
    return kConverted;
}

ConversionOutcome WorldVersionConverter::run() {
    if (!questions_.startConversion()) {
        return ConversionOutcome::Cancelled;
    }
    const auto chosen = questions_.chooseSource();
    if (!chosen || !isRegularFile(*chosen)) {
        return ConversionOutcome::Cancelled;
    }
    const std::filesystem::path sourcePath = *chosen;
    // Held open until the tool ends, as the copy is made from this very stream.
    std::ifstream source(sourcePath, std::ios::binary);
    if (!source) {
        questions_.tell(ConverterNotice::SourceUnreadable, sourcePath.string());
        return ConversionOutcome::Failed;
    }
    char head[6] = {};
    source.read(head, sizeof head);
    const auto version = classifyVersionMarker(std::string_view(head, static_cast<std::size_t>(source.gcount())));
    source.clear();
    const auto ended = confirmVersion(version);
    return ended ? *ended : saveCopy(source, sourcePath);
}

std::optional<ConversionOutcome> WorldVersionConverter::confirmVersion(WorldVersion version) {
    switch (version) {
    case WorldVersion::v107:
        questions_.tell(ConverterNotice::AlreadyCurrent, {});
        return ConversionOutcome::AlreadyCurrent;
    case WorldVersion::v150:
        questions_.tell(ConverterNotice::Version150Found, {});
        return std::nullopt;
    case WorldVersion::Unknown:
        break;
    }
    if (!questions_.convertUnknownVersion()) {
        return ConversionOutcome::Declined;
    }
    questions_.tell(ConverterNotice::ChooseWhereToSave, {});
    return std::nullopt;
}

ConversionOutcome WorldVersionConverter::saveCopy(std::istream& source, const std::filesystem::path& sourcePath) {
    const auto chosen = questions_.chooseDestination();
    if (!chosen) {
        return ConversionOutcome::Cancelled;
    }
    const std::filesystem::path destination = withWorldExtension(*chosen);
    // Checked before anything is written: the copy would otherwise replace the map it is read from.
    if (sameFile(sourcePath, destination)) {
        questions_.tell(ConverterNotice::SourceAsDestination, {});
        return ConversionOutcome::Failed;
    }
    if (!writeConvertedCopy(source, destination)) {
        questions_.tell(ConverterNotice::DestinationUnwritable, destination.string());
        return ConversionOutcome::Failed;
    }
    questions_.tell(ConverterNotice::Converted, {});
    return ConversionOutcome::Converted;
}

} // namespace korvane
