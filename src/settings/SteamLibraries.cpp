#include "settings/SteamLibraries.h"

#include "platform/GamePath.h"

#include <cctype>
#include <filesystem>
#include <optional>

namespace korvane {

namespace {

// Tokens of the key-value text: quoted strings (with \\ and \" escapes) and the braces.
struct Token {
    enum Kind { String, Open, Close } kind;
    std::string text;
};

std::vector<Token> tokenize(std::string_view text) {
    std::vector<Token> tokens;
    std::size_t pos = 0;
    while (pos < text.size()) {
        const char c = text[pos++];
        if (c == '{') {
            tokens.push_back({Token::Open, {}});
        } else if (c == '}') {
            tokens.push_back({Token::Close, {}});
        } else if (c == '/' && pos < text.size() && text[pos] == '/') {
            pos = text.find('\n', pos);
            pos = pos == std::string_view::npos ? text.size() : pos;
        } else if (c == '"') {
            std::string value;
            while (pos < text.size() && text[pos] != '"') {
                if (text[pos] == '\\' && pos + 1 < text.size()) {
                    ++pos;
                }
                value += text[pos++];
            }
            ++pos;
            tokens.push_back({Token::String, std::move(value)});
        }
    }
    return tokens;
}

bool allDigits(std::string_view text) {
    if (text.empty()) {
        return false;
    }
    for (char c : text) {
        if (!std::isdigit(static_cast<unsigned char>(c))) {
            return false;
        }
    }
    return true;
}

} // namespace

std::vector<std::string> steamLibraryPaths(std::string_view vdfText) {
    const auto tokens = tokenize(vdfText);
    std::vector<std::string> paths;
    for (std::size_t i = 0; i + 1 < tokens.size(); ++i) {
        const Token& key = tokens[i];
        const Token& value = tokens[i + 1];
        if (key.kind != Token::String || value.kind != Token::String) {
            continue;
        }
        // Current format: "path" inside a numbered block; old format: a numbered key holding the path.
        if (equalsAsciiNoCase(key.text, "path") || allDigits(key.text)) {
            if (std::filesystem::path(value.text).is_absolute()) {
                paths.push_back(value.text);
            }
        }
        ++i;
    }
    return paths;
}

} // namespace korvane
