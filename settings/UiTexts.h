#pragma once
#include <string>

namespace solvane {

// The web addresses of the maker's pages, one set per interface language.
struct WebPages {
    std::string ProductPage;
    std::string TutorialPage;
    std::string GratitudePage;
    std::string BoardLink[6];  // BoardLink1 to BoardLink6: top left, top middle, top right, bottom left, ...
};

const WebPages& englishWebPages();
const WebPages& germanWebPages();

// The interface texts needed after start-up, English until a language replaces them.
struct UiTexts {
    std::string MenuStart = "&Start";
    std::string MenuStop = "&Stop";
    std::string TipStart = "Left-Click: Start / Right-Click: Menu";
    std::string TipStop = "Left-Click: Stop / Right-Click: Menu";
    std::string DefaultAffirmation = "I know what I love to do and I do it.";
    std::string MonitorWord = "Monitor";
    WebPages pages = englishWebPages();
};

}  // namespace solvane
