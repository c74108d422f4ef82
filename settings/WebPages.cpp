#include "settings/UiTexts.h"

namespace solvane {

// The one table of the maker's web addresses.
const WebPages& englishWebPages() {
    static const WebPages pages{
        "https://solvane.marwick.example/en/",
        "https://solvane.marwick.example/en/tutorials/",
        "https://solvane.marwick.example/en/gratitude/",
        {"https://marwick.example/en/book/", "https://marwick.example/en/software/",
         "https://marwick.example/en/gallery/", "https://marwick.example/en/software/tools/",
         "https://marwick.example/en/software/more/", "https://marwick.example/en/gallery/more/"}};
    return pages;
}

const WebPages& germanWebPages() {
    static const WebPages pages{
        "https://solvane.marwick.example/de/",
        "https://solvane.marwick.example/de/anleitungen/",
        "https://solvane.marwick.example/de/dankbarkeit/",
        {"https://marwick.example/de/buch/", "https://marwick.example/de/software/",
         "https://marwick.example/de/galerie/", "https://marwick.example/de/galerie/natur/",
         "https://marwick.example/de/galerie/reisen/", "https://marwick.example/de/galerie/mehr/"}};
    return pages;
}

}  // namespace solvane
