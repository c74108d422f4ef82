#include "platform/windows/DialogControlNames.h"

#include <cstddef>
#include <iterator>

namespace solvane::windows {

namespace {

constexpr int FirstId = 1001;

// The frame, then each page with its controls, in the order of the pages.
constexpr std::string_view Names[] = {
    "PageControl1", "Button9", "Button10", "TabLinks", "TabAffirmations", "TabFontColour", "TabDisplay", "TabAbout",
    "TabThanks",
    // Links
    "Image1", "Image4", "Image5", "Image3", "Image6", "Image7", "Image9",
    // Affirmations
    "GroupBoxAffirmations", "Label16", "Edit5",
    // Font & Color
    "GroupBoxPreview", "Panel2", "GroupBoxFont", "Button6", "Edit6", "cbZSchriftart", "cbZSize", "GroupBoxColours",
    "Button3", "Shape5", "Shape3", "cbZSFarbe", "cbSchatten", "Button4", "Shape6", "Shape4", "cbZKFarbe",
    "cbKonturtransparenz", "Button2", "Shape7", "Shape1", "cbZFarbe", "cbTBack",
    // Display
    "GroupBoxDisplay", "ComboBox1", "cbAutorun", "cbVersteckt", "Label14", "Edit1", "Label32", "Edit4", "Label33",
    "tbAnzeige", "Label12", "Edit3", "Label20", "Edit2", "Label21", "tbAnzeigeIntervall", "cbVollbild",
    "cbStartWithPause", "cbMultiple", "cbSCRPause", "Label13", "Edit8",
    // About
    "AboutBackground", "Image15", "AboutUpperBand", "AboutLowerBand", "Memo2", "Label10", "Label15",
    // Thanks
    "ThanksBackground", "Image11"};

struct Search {
    int id;
    HWND found;
};

BOOL CALLBACK matchId(HWND window, LPARAM context) {
    auto* search = reinterpret_cast<Search*>(context);
    if (GetDlgCtrlID(window) != search->id) return TRUE;
    search->found = window;
    return FALSE;
}

}  // namespace

int dialogControlId(std::string_view name) {
    for (std::size_t i = 0; i < std::size(Names); ++i) {
        if (Names[i] == name) return FirstId + static_cast<int>(i);
    }
    return 0;
}

std::string_view dialogControlName(int id) {
    const int index = id - FirstId;
    if (index < 0 || index >= static_cast<int>(std::size(Names))) return {};
    return Names[static_cast<std::size_t>(index)];
}

HWND findDialogControl(HWND dialog, std::string_view name) {
    Search search{dialogControlId(name), nullptr};
    if (search.id == 0 || !dialog) return nullptr;
    EnumChildWindows(dialog, matchId, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

}  // namespace solvane::windows
