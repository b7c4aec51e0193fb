// korvane convert: the world version converter without its questions.
#include "cli/Command.h"
#include "convert/WorldVersionConverter.h"
#include "platform/FileError.h"

#include <filesystem>
#include <optional>
#include <system_error>
#include <utility>

namespace korvane::cli {

namespace {

// The questions answered from the operands; the notices that only lead to a dialog are left out.
class ConsoleQuestions : public ConverterQuestions {
public:
    ConsoleQuestions(Console& console, std::string source, std::string destination, bool force)
        : console_(console), source_(std::move(source)), destination_(std::move(destination)), force_(force) {}

    bool startConversion() override { return true; }
    std::optional<std::string> chooseSource() override { return source_; }
    bool convertUnknownVersion() override { return force_; }
    std::optional<std::string> chooseDestination() override { return destination_; }
    void tell(ConverterNotice notice, const std::string& path) override {
        switch (notice) {
        case ConverterNotice::Version150Found:
        case ConverterNotice::ChooseWhereToSave:
            return;
        case ConverterNotice::Converted:
            console_.out << converterMessage(notice, path) << '\n';
            return;
        default:
            console_.err << converterMessage(notice, path) << '\n';
        }
    }

private:
    Console& console_;
    std::string source_;
    std::string destination_;
    bool force_;
};

int runConvert(const ParsedCommand& parsed, Console& console) {
    const std::string& source = parsed.operands[0];
    std::error_code error;
    if (!std::filesystem::is_regular_file(source, error)) {
        console.err << FileError::cannotOpen(source).what() << '\n';
        return kExitFailed;
    }
    ConsoleQuestions questions(console, source, parsed.operands[1], parsed.has("--force"));
    const ConversionOutcome outcome = WorldVersionConverter(questions).run();
    if (outcome == ConversionOutcome::Declined) {
        console.err << "Unknown version: " << source << " was not converted; --force converts it anyway"
                    << " (the file may just corrupt).\n";
        return kExitFailed;
    }
    return outcome == ConversionOutcome::Converted ? kExitSuccess : kExitFailed;
}

} // namespace

const Command& convertCommand() {
    static const Command command{
        {"convert", {{"--force", false}}, 2, 2},
        "convert SOURCE DEST [--force]",
        "convert a 1.50 beta map to 1.07",
        "Usage: korvane convert SOURCE.wld DEST.wld [--force]\n"
        "\n"
        "Writes a copy of a map saved by the 1.50 beta editor of The Second Encounter that the 1.07\n"
        "game accepts: the two version bytes at offsets 4 and 5 become 16 39, every other byte stays.\n"
        "The source is never changed. DEST without an extension gets \".wld\".\n"
        "\n"
        "  --force   convert a map of an unknown version too (the file may just corrupt)\n"
        "\n"
        "Exit status: 0 when converted, 1 when not (already 1.07, unknown version without --force,\n"
        "a file that could not be read or written), 2 on a usage error.\n",
        runConvert};
    return command;
}

} // namespace korvane::cli
