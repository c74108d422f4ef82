#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace solvane {

class RandomGenerator;

// The shuffled list of installed fonts that random fonts walk, one entry per showing,
// without symbol and dingbat fonts. At the end of a walk it is built afresh in a new
// order. File access stays outside: the caller stores `saveText()` and hands the file's
// content back through `parseText()`.
class FontCatalogue {
public:
    // Face names in walking order; duplicates are allowed.
    std::vector<std::string> entries;
    // Index of the entry used last (FontReihenfolgePosition). Restored from the store,
    // so it may hold any value, also one that names no entry.
    std::int32_t position = 0;

    // Where a fresh build at the end of a walk takes its inputs from. Asked only when a
    // rebuild happens, so the installed fonts are listed no more often than needed.
    struct RebuildSource {
        std::function<std::vector<std::string>()> installedFamilies;
        std::function<std::uint32_t()> seed;
    };

    // Symbol and dingbat fonts: compared after lower-casing only the letters A to Z.
    static bool isExcluded(const std::string& faceName);

    // Empties the catalogue, takes the installed families, shuffles them with the
    // generator reseeded from `seed` (no reseed when there is nothing to shuffle),
    // removes the excluded ones and sets the position to 0. A family name with a line
    // break is skipped: it could not come back unchanged from the catalogue file.
    void build(const std::vector<std::string>& installedFamilies, RandomGenerator& random, std::uint32_t seed);

    // Random fonts need more than two entries; with fewer a showing keeps its fixed font.
    bool offersChoice() const { return entries.size() > 2; }

    // Moves one step along the walk and returns the face name there; past the last
    // entry the catalogue is built afresh from `source` and the walk restarts at
    // entry 0. A position below the list (a corrupt stored value below -1) restarts
    // the walk at entry 0 of the catalogue as it is. Meant for a catalogue that offers
    // a choice: when a fresh build leaves it empty, throws std::out_of_range.
    std::string next(RandomGenerator& random, const RebuildSource& source);

    // The catalogue file's content: every entry followed by CR LF, the last included.
    std::string saveText() const;

    // The entries of a catalogue file: a line ends at CR, LF or CR LF; every line is
    // one entry, an empty line included; a last line without a break still counts.
    static std::vector<std::string> parseText(const std::string& text);

private:
    void shuffle(RandomGenerator& random, std::uint32_t seed);
};

}  // namespace solvane
