#pragma once
#include <cstddef>
#include <string>

namespace solvane {

// Number of characters (code points) in UTF-8 text; a stray byte counts as one.
std::size_t utf8Length(const std::string& text);
// The first `count` characters of UTF-8 text, never cut inside a character.
std::string utf8Prefix(const std::string& text, std::size_t count);

}  // namespace solvane
