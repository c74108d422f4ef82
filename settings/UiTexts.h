#pragma once
#include <string>

namespace solvane {

namespace platform {
class ProgramFiles;
}

// The web addresses of the maker's pages, one set per interface language.
// (clang-tidy takes the copy of the array member for a reserved name.)
struct WebPages {  // NOLINT(bugprone-reserved-identifier)
    std::string ProductPage;
    std::string TutorialPage;
    std::string GratitudePage;
    std::string BoardLink[6];  // BoardLink1 to BoardLink6: top left, top middle, top right, bottom left, ...
};

// The maker's pages ship with the program as HTML files; the addresses are file://
// addresses of the installed copies, German where the interface is German.
enum class PageLanguage { English, German };
WebPages shippedWebPages(platform::ProgramFiles& files, PageLanguage language);

// A local path as a file:// address: every byte outside the unreserved characters and
// the separators is percent-encoded, backslashes become slashes.
std::string fileAddress(const std::string& path);

// The interface texts needed after start-up, English until a language replaces them.
struct UiTexts {
    std::string MenuStart = "&Start";
    std::string MenuStop = "&Stop";
    std::string TipStart = "Left-Click: Start / Right-Click: Menu";
    std::string TipStop = "Left-Click: Stop / Right-Click: Menu";
    std::string DefaultAffirmation = "I know what I love to do and I do it.";
    std::string MonitorWord = "Monitor";
    WebPages pages;  // set with the language at start-up
    // The interface is in a language written from right to left: the tray menu and
    // the settings dialog are mirrored.
    bool RightToLeft = false;
};

}  // namespace solvane
