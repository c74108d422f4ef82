#pragma once
#include <cstddef>
#include <string>
#include <vector>

namespace solvane {

// The interface texts of one language as numbered lines, from 0. Every text has a
// fixed line; lines starting with "#" are notes for translators, but nothing skips
// them: a line is used by its number alone.
struct LanguageTable {
    std::vector<std::string> lines;

    // Line n, or "#" beyond the last line.
    const std::string& line(std::size_t n) const;
};

// Lines 0 to 77 of the German texts built into the program; also the layout that
// every language file follows.
const LanguageTable& germanLanguageTable();

}  // namespace solvane
