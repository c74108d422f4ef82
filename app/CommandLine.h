#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace solvane {

// The three command-line words the program reads; a missing word is empty.
struct CommandLine {
    std::string word1;
    std::string word2;
    std::string word3;

    // From arguments already split by the caller (argv without the program path).
    static CommandLine fromArguments(const std::vector<std::string>& arguments);
    // From a whole command line after the program path: words are separated by runs
    // of characters up to 32, and a stretch in double quotes belongs to the word.
    static CommandLine parse(const std::string& commandLine);
};

// Splits a command line into words by the rules of CommandLine::parse.
std::vector<std::string> splitCommandLine(const std::string& commandLine);

// An integer: leading blanks, an optional sign, then decimal digits or hexadecimal
// digits after "$", "x" or "0x"; the value must fit in 32 signed bits.
std::optional<std::int32_t> parseInteger(const std::string& text);

// ASCII lower-casing (only A to Z change).
std::string asciiLower(std::string text);

}  // namespace solvane
