// korvane convert: the world version converter without its questions.
#include "cli/Command.h"
#include "convert/ConverterMessages.h"
#include "convert/WorldVersionConverter.h"
#include "platform/FileError.h"

#include <filesystem>
#include <system_error>

namespace korvane::cli {

namespace {

int runConvert(const ParsedCommand& parsed, Console& console) {
    const std::string& source = parsed.operands[0];
    std::error_code error;
    if (!std::filesystem::is_regular_file(source, error)) {
        console.err << FileError::cannotOpen(source).what() << '\n';
        return kExitFailed;
    }
    const bool force = parsed.has("--force");
    ConsoleDialogs dialogs(console);
    dialogs.openAnswer = {source};
    dialogs.saveAnswer = parsed.operands[1];
    dialogs.yesAnswer = force;
    dialogs.ignore(kVersion150Detected);
    dialogs.ignore(kChooseWhereToSave);
    dialogs.report(kConverted);
    const ConversionOutcome outcome =
        WorldVersionConverter(dialogs, std::filesystem::current_path(error).string()).run();
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
