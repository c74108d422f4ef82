// The font catalogue file as a start finds it, with any stored position: the program
// takes it over, removes it, and every showing with random fonts walks it without
// failing and uses one of its entries or of a fresh build.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "support/ProgramHarness.h"

namespace {

bool contains(const std::vector<std::string>& names, const std::string& name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

}  // namespace

// The first four bytes are the stored FontReihenfolgePosition, the rest is the file.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace solvane;
    if (size < 4) return 0;
    std::int32_t position = 0;
    std::memcpy(&position, data, 4);
    const std::string content(reinterpret_cast<const char*>(data + 4), size - 4);

    testing::ProgramHarness h;
    h.stored()["ZufallsSchriftart"] = 1;
    h.stored()["FontReihenfolgePosition"] = position;
    const std::string path = h.fake.files.fontListPath();
    h.fake.files.files[path] = content;
    h.start();

    const std::vector<std::string> fromFile = FontCatalogue::parseText(content);
    if (h.hint().catalogue.entries != fromFile || h.fake.files.exists(path)) std::abort();
    for (int showing = 0; showing < 4; ++showing) {
        h.hint().show();
        const std::string& used = h.hint().Label1.font().name;
        if (!contains(fromFile, used) && !contains(h.fake.fonts.families, used) && used != "Verdana") std::abort();
        h.hint().hide();
    }
    // No showing was abandoned, and nothing went wrong on the way.
    if (h.loop().totalSleptMs() != 0 || !h.fake.errors.reports.empty()) std::abort();
    return 0;
}
