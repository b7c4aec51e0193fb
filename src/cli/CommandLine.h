// The words after "korvane": a sub-command, its options and its operands, checked against what the
// sub-command accepts.
#pragma once

#include "platform/UserError.h"

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace korvane::cli {

// A command line the sub-command cannot take: exit code 2.
class UsageError : public UserError {
public:
    using UserError::UserError;
};

struct OptionSpec {
    std::string name; // "--root"
    bool takesValue = true;
    bool repeatable = false;
};

struct CommandSpec {
    std::string name; // "scan", "standard build"
    std::vector<OptionSpec> options;
    std::size_t minOperands = 0;
    std::optional<std::size_t> maxOperands; // none: any number
};

struct ParsedCommand {
    std::vector<std::string> operands;
    std::map<std::string, std::vector<std::string>> values;
    std::set<std::string> flags;
    bool help = false;

    bool has(const std::string& option) const { return values.contains(option) || flags.contains(option); }
    // The value of a single-valued option, or nothing.
    std::optional<std::string> value(const std::string& option) const;
    const std::vector<std::string>& all(const std::string& option) const;
};

// Parses the words after the sub-command's name. "--name value" and "--name=value" both work; "--" ends the
// options; "--help" anywhere asks for help and skips the operand count.
ParsedCommand parseCommand(const CommandSpec& spec, const std::vector<std::string>& words);

// An option the sub-command cannot run without.
std::string required(const ParsedCommand& parsed, const std::string& option);

} // namespace korvane::cli
