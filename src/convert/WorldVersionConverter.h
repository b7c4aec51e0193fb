// Copies a world file saved by the 1.50 beta editor as one the 1.07 game accepts: only the two version bytes
// at offsets 4 and 5 change.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <istream>
#include <optional>
#include <string>
#include <string_view>

namespace korvane {

enum class WorldVersion { v107, v150, Unknown };

// The two bytes at offsets 4 and 5; a file too short to hold them counts as unknown.
WorldVersion classifyVersionMarker(std::string_view firstBytes);

// A chosen destination without an extension gets ".wld"; one ending in a bare "." gets "wld".
std::string withWorldExtension(std::string destination);

// Writes the whole source, from its first byte, with the 1.07 marker at offset 4 (zero bytes fill the gap of a
// source shorter than that). The copy is built in a temporary file beside the destination and renamed over it
// only when complete, so a failure leaves no partial file and an existing destination untouched.
bool writeConvertedCopy(std::istream& source, const std::filesystem::path& destination);

inline constexpr std::array<std::uint8_t, 2> kVersion107Marker{16, 39};
inline constexpr std::array<std::uint8_t, 2> kVersion150Marker{152, 58};

// How the tool ended, for the front ends to act on without reading its messages.
enum class ConversionOutcome {
    Cancelled,      // a question or file dialog was answered no or closed
    AlreadyCurrent, // the map is already 1.07
    Declined,       // the map's version is unknown and converting it anyway was declined
    Failed,         // the source could not be read or the copy not written
    Converted,
};

// What the converter tells on its way, typed; converterMessage words each.
enum class ConverterNotice {
    SourceUnreadable,      // path: the source
    AlreadyCurrent,        // the map is already 1.07
    Version150Found,       // before the destination is asked for
    ChooseWhereToSave,     // before the destination is asked for, after an unknown version was accepted
    SourceAsDestination,   // the destination is the source itself
    DestinationUnwritable, // path: the destination
    Converted,
};
std::string converterMessage(ConverterNotice notice, const std::string& path);

// What the converter asks and tells: the windows put it to the user, the command line answers from its operands.
class ConverterQuestions {
public:
    virtual ~ConverterQuestions() = default;
    // The intro: go on and choose a map?
    virtual bool startConversion() = 0;
    // The map to convert (a full path); nothing when cancelled.
    virtual std::optional<std::string> chooseSource() = 0;
    // The map's version is neither: convert it anyway?
    virtual bool convertUnknownVersion() = 0;
    // Where to save the copy; nothing when cancelled.
    virtual std::optional<std::string> chooseDestination() = 0;
    virtual void tell(ConverterNotice notice, const std::string& path) = 0;
};

class WorldVersionConverter {
public:
    explicit WorldVersionConverter(ConverterQuestions& questions) : questions_(questions) {}
    // The menu command from its intro question to "Done.".
    ConversionOutcome run();

private:
    // The outcome that ends the tool here; none when the copy is to be made.
    std::optional<ConversionOutcome> confirmVersion(WorldVersion version);
    ConversionOutcome saveCopy(std::istream& source, const std::filesystem::path& sourcePath);

    ConverterQuestions& questions_;
};

// The intro question and the open dialog's filter, as the windows show them.
extern const char* const kConverterIntro;
inline constexpr const char* kWorldFilter = "Карта*.wld|*.wld";

} // namespace korvane
