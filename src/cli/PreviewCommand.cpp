// korvane preview: one texture as a PNG picture, as the windows preview it.
#include "cli/Command.h"
#include "platform/AtomicFile.h"
#include "preview/GameTexture.h"
#include "preview/PngWriter.h"

namespace korvane::cli {

namespace {

int runPreview(const ParsedCommand& parsed, Console& console) {
    const std::string& texture = parsed.operands[0];
    const std::string& picture = parsed.operands[1];
    const DecodedTexture decoded = decodeTextureFile(texture);
    if (decoded.kind != DecodedTexture::Kind::Picture) {
        console.err << "No preview: " << texture
                    << (decoded.kind == DecodedTexture::Kind::Effect ? " is an effect texture, drawn as the game runs"
                                                                     : " is not a texture Korvane can read")
                    << ".\n";
        return kExitFailed;
    }
    if (!writeFileAtomically(picture, pngBytes(decoded.picture))) {
        console.err << "Cannot create file " << picture << '\n';
        return kExitFailed;
    }
    console.out << picture << ": " << decoded.picture.width << " x " << decoded.picture.height << " pixels\n";
    return kExitSuccess;
}

} // namespace

const Command& previewCommand() {
    static const Command command{
        {"preview", {}, 2, 2},
        "preview FILE.tex OUT.png",
        "convert a texture to a PNG picture",
        "Usage: korvane preview FILE.tex OUT.png\n"
        "\n"
        "Writes the first frame of the game texture FILE.tex (or a .tbn thumbnail) to OUT.png, at its\n"
        "full size, with its alpha channel, and prints its size in pixels. A damaged texture, or an\n"
        "effect texture (which the game draws as it runs), gets a message and no picture.\n"
        "\n"
        "Exit status: 0 when the picture was written, 1 when there is no preview or OUT.png cannot\n"
        "be written, 2 on a usage error.\n",
        runPreview};
    return command;
}

} // namespace korvane::cli
