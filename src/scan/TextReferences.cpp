#include "scan/TextReferences.h"

#include "platform/AsciiText.h"
#include "scan/ReferenceRecords.h"

#include <algorithm>

namespace korvane {

namespace {

constexpr std::string_view kBlanks = " \t";

std::string_view trimmedRight(std::string_view text) {
    const std::size_t last = text.find_last_not_of(kBlanks);
    return last == std::string_view::npos ? std::string_view{} : text.substr(0, last + 1);
}

// A marker's operand: a quoted name (its end is after the closing quote), or with allowBare the rest of
// the line. `end` is where the search for the next marker on the line goes on.
struct Operand {
    std::string_view name;
    std::size_t end = std::string_view::npos;
};

Operand operandAt(std::string_view line, std::size_t from, bool allowBare) {
    const std::size_t start = line.find_first_not_of(kBlanks, from);
    if (start == std::string_view::npos) {
        return {};
    }
    if (line[start] != '"') {
        return allowBare ? Operand{trimmedRight(line.substr(start)), std::string_view::npos} : Operand{{}, start};
    }
    const std::size_t close = line.find('"', start + 1);
    if (close == std::string_view::npos) {
        // An unclosed quote: the rest of the line without a trailing ";".
        std::string_view rest = trimmedRight(line.substr(start + 1));
        if (!rest.empty() && rest.back() == ';') {
            rest = trimmedRight(rest.substr(0, rest.size() - 1));
        }
        return {rest, std::string_view::npos};
    }
    return {line.substr(start + 1, close - start - 1), close + 1};
}

bool startsWithNoCase(std::string_view text, std::string_view prefix) {
    return text.size() >= prefix.size() && equalsAsciiNoCase(text.substr(0, prefix.size()), prefix);
}

// "#INCLUDE" in any letter case, or npos.
std::size_t findInclude(std::string_view line, std::size_t from) {
    for (std::size_t at = line.find('#', from); at != std::string_view::npos; at = line.find('#', at + 1)) {
        if (startsWithNoCase(line.substr(at), "#include")) {
            return at;
        }
    }
    return std::string_view::npos;
}

void lineReferences(std::string_view line, bool withIncludes, std::vector<std::string_view>& names) {
    constexpr std::string_view kTfnm = "TFNM";
    constexpr std::string_view kInclude = "#INCLUDE";
    std::size_t from = 0;
    while (from < line.size()) {
        const std::size_t tfnm = line.find(kTfnm, from);
        const std::size_t include = withIncludes ? findInclude(line, from) : std::string_view::npos;
        if (tfnm == std::string_view::npos && include == std::string_view::npos) {
            return;
        }
        // "#INCLUDE TFNM "name"" is read at its TFNM, so only a quoted name right after "#INCLUDE" counts.
        const bool atInclude = include < tfnm;
        const Operand operand =
            atInclude ? operandAt(line, include + kInclude.size(), false) : operandAt(line, tfnm + kTfnm.size(), true);
        if (!operand.name.empty()) {
            names.push_back(operand.name);
        }
        from = operand.end == std::string_view::npos ? line.size() : operand.end;
    }
}

} // namespace

std::vector<std::string_view> textReferences(std::string_view text, bool withIncludes) {
    std::vector<std::string_view> names;
    forEachLine(textBeforeNul(text),
                [&names, withIncludes](std::string_view line) { lineReferences(line, withIncludes, names); });
    return names;
}

} // namespace korvane
