// The three scanners over arbitrary bytes: record finding in memory and through the block reader (small
// chunks, so records cross buffer refills) against a plain reading of the record rule, the texture tail,
// the text cuts, and a whole scan that follows its own names.
#include "platform/NameList.h"
#include "scan/MissingList.h"
#include "scan/ReferenceRecords.h"
#include "scan/ReferenceScanner.h"
#include "scan/ScanFiles.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>
#include <vector>

namespace {

using Names = std::vector<std::string>;

// The rule as written: every "D", the rest read at absolute offsets.
Names plainRecords(std::string_view data) {
    Names names;
    for (std::size_t at = 0; at < data.size(); ++at) {
        if (data[at] != 'D' || data.size() - at < 5 || data.substr(at + 1, 3) != "FNM") {
            continue;
        }
        const auto length = static_cast<unsigned char>(data[at + 4]);
        if (length > 0 && data.size() - at >= 8 + std::size_t{length}) {
            names.emplace_back(data.substr(at + 8, length));
        }
    }
    return names;
}

Names blockRecords(std::string_view data) {
    Names names;
    for (std::size_t offset = 0; offset < data.size(); offset += 1024) {
        // No more than the block reader promises: the block and one record span after it.
        const std::string_view view = data.substr(offset, 1024 + korvane::kMaxRecordSpan);
        korvane::forEachBlockRecord(view, 1024, [&names](std::string_view name) { names.emplace_back(name); });
    }
    return names;
}

// The map, and a text, a model configuration and a texture it may name: one file under four names, so
// that each input is written once.
const std::filesystem::path& scratch() {
    static const std::filesystem::path folder = [] {
        std::string pattern = (std::filesystem::temp_directory_path() / "korvane-fuzz-XXXXXX").string();
        if (mkdtemp(pattern.data()) == nullptr) {
            std::abort();
        }
        const std::filesystem::path made(pattern);
        std::ofstream(made / "m.wld", std::ios::binary);
        for (const char* name : {"a.txt", "a.smc", "a.tex"}) {
            std::filesystem::create_hard_link(made / "m.wld", made / name);
        }
        return made;
    }();
    return folder;
}

void writeInput(std::string_view bytes) {
    std::ofstream(scratch() / "m.wld", std::ios::binary | std::ios::trunc)
        .write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

Names readerRecords(const std::string& root, std::size_t chunk) {
    korvane::ScanFile file(root, "m.wld");
    korvane::BlockReader reader(file, chunk);
    Names names;
    for (std::uint64_t offset = 0; offset < file.size(); offset += 1024) {
        korvane::forEachBlockRecord(reader.bytesFrom(offset), 1024,
                                    [&names](std::string_view name) { names.emplace_back(name); });
    }
    return names;
}

void checkText(std::string_view text) {
    for (const auto cut : {korvane::LineCut::AfterMarker, korvane::LineCut::Quoted}) {
        korvane::forEachLine(korvane::textBeforeNul(text), [cut](std::string_view line) {
            if (line.find_first_of(std::string_view("\r\n\0", 3)) != std::string_view::npos) {
                std::abort();
            }
            const std::string_view name = korvane::cutReferenceLine(line, cut);
            if (!name.empty() && (name.data() < line.data() || name.data() + name.size() > line.data() + line.size())) {
                std::abort();
            }
        });
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const Names expected = plainRecords(bytes);
    if (blockRecords(bytes) != expected) {
        std::abort();
    }
    const std::string_view tail = bytes.substr(bytes.size() - std::min<std::size_t>(bytes.size(), 128));
    Names tailNames;
    korvane::forEachBlockRecord(tail, tail.size(), [&](std::string_view name) { tailNames.emplace_back(name); });
    if (tailNames != plainRecords(tail)) {
        std::abort();
    }
    checkText(bytes);

    // Through files, for one input in eight: files are slow.
    if (size == 0 || data[0] % 8 != 0) {
        return 0;
    }
    const std::string root = scratch().string() + "/";
    writeInput(bytes);
    if (readerRecords(root, 1024) != expected || readerRecords(root, 1500) != expected) {
        std::abort();
    }
    korvane::NameList files;
    korvane::NameList standard;
    korvane::MissingList missing;
    korvane::ReferenceScanner scanner(root, files, standard, missing);
    scanner.LookForWorldDFNM("m.wld", [](std::uint64_t, std::uint64_t) {});
    return 0;
}
