#include "cli/CommandLine.h"

#include <algorithm>

namespace korvane::cli {

namespace {

const OptionSpec* findOption(const CommandSpec& spec, const std::string& name) {
    const auto found =
        std::find_if(spec.options.begin(), spec.options.end(), [&](const OptionSpec& o) { return o.name == name; });
    return found == spec.options.end() ? nullptr : &*found;
}

void checkOperandCount(const CommandSpec& spec, std::size_t count) {
    if (count < spec.minOperands) {
        throw UsageError(spec.minOperands == 1 && spec.maxOperands == 1 ? "one operand is needed" : "missing operand");
    }
    if (spec.maxOperands && count > *spec.maxOperands) {
        throw UsageError("too many operands");
    }
}

} // namespace

std::optional<std::string> ParsedCommand::value(const std::string& option) const {
    const auto found = values.find(option);
    if (found == values.end() || found->second.empty()) {
        return std::nullopt;
    }
    return found->second.back();
}

const std::vector<std::string>& ParsedCommand::all(const std::string& option) const {
    static const std::vector<std::string> none;
    const auto found = values.find(option);
    return found == values.end() ? none : found->second;
}

ParsedCommand parseCommand(const CommandSpec& spec, const std::vector<std::string>& words) {
    ParsedCommand parsed;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string& word = words[i];
        if (optionsEnded || word.size() < 2 || word[0] != '-' || word == "-") {
            parsed.operands.push_back(word);
            continue;
        }
        if (word == "--") {
            optionsEnded = true;
            continue;
        }
        if (word == "--help" || word == "-h") {
            parsed.help = true;
            continue;
        }
        const std::size_t equals = word.find('=');
        const std::string name = word.substr(0, equals);
        const OptionSpec* option = findOption(spec, name);
        if (option == nullptr) {
            throw UsageError("unknown option " + name);
        }
        if (!option->takesValue) {
            if (equals != std::string::npos) {
                throw UsageError("option " + name + " takes no value");
            }
            parsed.flags.insert(name);
            continue;
        }
        std::string value;
        if (equals != std::string::npos) {
            value = word.substr(equals + 1);
        } else if (i + 1 < words.size()) {
            value = words[++i];
        } else {
            throw UsageError("option " + name + " needs a value");
        }
        auto& values = parsed.values[name];
        if (!values.empty() && !option->repeatable) {
            throw UsageError("option " + name + " is given twice");
        }
        values.push_back(value);
    }
    if (!parsed.help) {
        checkOperandCount(spec, parsed.operands.size());
    }
    return parsed;
}

std::string required(const ParsedCommand& parsed, const std::string& option) {
    const auto value = parsed.value(option);
    if (!value || value->empty()) {
        throw UsageError("option " + option + " is required");
    }
    return *value;
}

} // namespace korvane::cli
