#pragma once
// The text forms of scenario files: steps, quoted strings, hex bytes.

#include <optional>
#include <string>
#include <vector>

struct Step {
    int line; // 1-based
    std::string verb;
    std::string rest; // everything after "verb ", taken literally
};

// The steps of a scenario: blank lines and # comments left out.
std::vector<Step> ParseScenario(const std::string& text);

// Quotes a UTF-8 text the way the runner prints texts.
std::string Quote(const std::string& utf8);

// Reads one quoted string at `pos` (escapes \" \\ \n \t \xNN), moving past it.
std::optional<std::string> ReadQuoted(const std::string& text, std::size_t& pos);

// Hex pairs with optional spaces; none when malformed.
std::optional<std::string> ParseHex(const std::string& text);
std::string ToHex(const std::string& bytes); // upper-case pairs, space-separated
