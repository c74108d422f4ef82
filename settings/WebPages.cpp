// The maker's pages: small HTML files that ship with the program, one set per
// interface language, opened in the desktop's browser.
#include <cstdio>

#include "platform/ProgramFiles.h"
#include "settings/UiTexts.h"

namespace solvane {

namespace {

struct PageFiles {
    const char* folder;
    const char* product;
    const char* tutorial;
    const char* gratitude;
    const char* board[6];  // the Links page's tiles: top left to right, then bottom left to right
};

constexpr PageFiles EnglishPages{
    "en",
    "product.html",
    "tutorial.html",
    "gratitude.html",
    {"book.html", "software.html", "gallery.html", "more-software.html", "flowers.html", "downloads.html"}};

constexpr PageFiles GermanPages{
    "de",
    "produkt.html",
    "anleitung.html",
    "dankbarkeit.html",
    {"buch.html", "software.html", "galerie.html", "naturfotos.html", "blumen.html", "downloads.html"}};

bool isUnreserved(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' || c == '.' ||
           c == '_' || c == '~';
}

}  // namespace

std::string fileAddress(const std::string& path) {
    std::string address = "file://";
    // A path with a drive ("C:/...") still needs the slash that starts the address's path.
    if (path.empty() || (path[0] != '/' && path[0] != '\\')) address += '/';
    for (const char ch : path) {
        const auto c = static_cast<unsigned char>(ch);
        if (c == '\\' || c == '/') {
            address += '/';
        } else if (isUnreserved(c) || c == ':') {
            address += ch;
        } else {
            char escaped[4];
            std::snprintf(escaped, sizeof escaped, "%%%02X", c);
            address += escaped;
        }
    }
    return address;
}

WebPages shippedWebPages(platform::ProgramFiles& files, PageLanguage language) {
    const PageFiles& names = language == PageLanguage::German ? GermanPages : EnglishPages;
    const auto address = [&](const char* name) {
        return fileAddress(files.pagePath(std::string(names.folder) + "/" + name));
    };
    WebPages pages;
    pages.ProductPage = address(names.product);
    pages.TutorialPage = address(names.tutorial);
    pages.GratitudePage = address(names.gratitude);
    for (int i = 0; i < 6; ++i) pages.BoardLink[i] = address(names.board[i]);
    return pages;
}

}  // namespace solvane
