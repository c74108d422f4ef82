// The font catalogue's life with the installed fonts and the catalogue file.
#include "app/Program.h"
#include "display/TfrmHint.h"

namespace solvane {

namespace {
// Far more than any installation's font list; a larger file is not a catalogue.
constexpr std::size_t MaximumCatalogueFileBytes = std::size_t{4} * 1024 * 1024;
}  // namespace

FontCatalogue::RebuildSource TfrmHint::rebuildSource() {
    return {[this] { return program_.platform.fonts.scalableFamilies(); },
            [this] { return program_.platform.clock.counter(); }};
}

void TfrmHint::buildFontCatalogue() {
    catalogue.build(program_.platform.fonts.scalableFamilies(), random, program_.platform.clock.counter());
}

void TfrmHint::saveFontCatalogue() {
    // A catalogue that cannot be written stays usable in memory.
    program_.platform.files.writeAtomically(program_.platform.files.fontListPath(), catalogue.saveText());
}

bool TfrmHint::loadFontCatalogue() {
    platform::ProgramFiles& files = program_.platform.files;
    const std::string path = files.fontListPath();
    const auto content = files.read(path, MaximumCatalogueFileBytes);
    if (!content) return false;
    catalogue.entries = FontCatalogue::parseText(*content);
    files.remove(path);
    return true;
}

}  // namespace solvane
