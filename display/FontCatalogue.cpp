#include "display/FontCatalogue.h"

#include <array>
#include <stdexcept>
#include <string_view>
#include <utility>

#include "display/RandomGenerator.h"

namespace solvane {

namespace {

constexpr std::array<std::string_view, 7> kExcludedNames = {
    "webdings", "wingdings", "andale mono ipa", "symbol", "marlett", "monotype sorts", "mt extra",
};
constexpr std::array<std::string_view, 5> kExcludedWords = {
    "map symbols", "symbol", "sorts", "dings", "extra",
};

// Lower-cases A to Z only; every other byte, UTF-8 sequences included, stays as it is.
std::string asciiLower(std::string text) {
    for (char& c : text) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return text;
}

bool hasLineBreak(const std::string& name) { return name.find_first_of("\r\n") != std::string::npos; }

}  // namespace

bool FontCatalogue::isExcluded(const std::string& faceName) {
    const std::string name = asciiLower(faceName);
    for (std::string_view excluded : kExcludedNames) {
        if (name == excluded) return true;
    }
    for (std::string_view word : kExcludedWords) {
        if (name.find(word) != std::string::npos) return true;
    }
    return false;
}

void FontCatalogue::build(const std::vector<std::string>& installedFamilies, RandomGenerator& random,
                          std::uint32_t seed) {
    entries.clear();
    for (const std::string& family : installedFamilies) {
        if (!hasLineBreak(family)) entries.push_back(family);
    }
    shuffle(random, seed);
    std::erase_if(entries, [](const std::string& name) { return isExcluded(name); });
    position = 0;
}

void FontCatalogue::shuffle(RandomGenerator& random, std::uint32_t seed) {
    const std::size_t count = entries.size();
    if (count == 0) return;
    // The number of installed families is far below 2^31; the draws take a 32-bit bound.
    const auto n = static_cast<std::int32_t>(count);
    random.reseed(seed);
    for (std::size_t step = 0; step < count; ++step) {
        const auto i = static_cast<std::size_t>(random.below(n));
        const auto j = static_cast<std::size_t>(random.below(n));
        std::swap(entries[i], entries[j]);
    }
}

std::string FontCatalogue::next(RandomGenerator& random, const RebuildSource& source) {
    // A stored position below the list names no entry: the walk starts again at the
    // first entry rather than creeping back one showing at a time (2^31 of them from
    // the lowest value).
    if (position < -1) position = -1;
    // Widened so that a stored position of INT32_MAX cannot overflow on the step.
    const std::int64_t stepped = static_cast<std::int64_t>(position) + 1;
    if (stepped >= static_cast<std::int64_t>(entries.size())) {
        build(source.installedFamilies(), random, source.seed());
    } else {
        position = static_cast<std::int32_t>(stepped);
    }
    if (position < 0 || static_cast<std::size_t>(position) >= entries.size())
        throw std::out_of_range("font position " + std::to_string(position) + " names no catalogue entry");
    return entries[static_cast<std::size_t>(position)];
}

std::string FontCatalogue::saveText() const {
    std::string text;
    for (const std::string& entry : entries) {
        text += entry;
        text += "\r\n";
    }
    return text;
}

std::vector<std::string> FontCatalogue::parseText(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string::npos) {
            lines.push_back(text.substr(start));
            break;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 1;
        if (text[end] == '\r' && start < text.size() && text[start] == '\n') ++start;
    }
    return lines;
}

}  // namespace solvane
