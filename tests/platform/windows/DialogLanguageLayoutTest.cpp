// The settings dialog in English, German and every shipped language: no caption is cut
// off by its control, no control runs into another or out of its group, and the
// languages written from right to left get the mirror image of the dialog.
#include <windows.h>

#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <set>
#include <string>
#include <vector>

#include "Win32DialogHarness.h"
#include "platform/windows/DialogControlNames.h"

namespace solvane::windows {
namespace {

using testing::boundsInParent;
using testing::Win32DialogHarness;

// English and German (built in, no file), then one entry per shipped file.
std::vector<std::int32_t> shippedLanguages() {
    std::vector<std::int32_t> languages{EnglishLanguage, GermanLanguage};
    std::set<std::string> seen;
    for (const LanguageFileEntry& entry : languageFileEntries()) {
        if (seen.insert(entry.fileName).second) languages.push_back(entry.identifier);
    }
    return languages;
}

std::wstring className(HWND window) {
    wchar_t name[64] = {};
    GetClassNameW(window, name, 64);
    return name;
}

std::wstring captionOf(HWND window) {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(window)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(GetWindowTextW(window, text.data(), static_cast<int>(text.size()))));
    return text;
}

// The width of a caption's drawn letters in the control's font: "&x" draws x, "&&" one "&".
int drawnWidth(HWND control, const std::wstring& caption) {
    std::wstring drawn;
    for (std::size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] == L'&' && i + 1 < caption.size()) ++i;
        drawn += caption[i];
    }
    const HDC dc = GetDC(control);
    const HGDIOBJ previous = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
    SIZE size{};
    GetTextExtentPoint32W(dc, drawn.c_str(), static_cast<int>(drawn.size()), &size);
    SelectObject(dc, previous);
    ReleaseDC(control, dc);
    return size.cx;
}

// The height of a caption broken into lines `width` pixels wide, and the width of its
// longest line (a word longer than the width is not broken).
SIZE wrappedSize(HWND control, const std::wstring& caption, int width) {
    const HDC dc = GetDC(control);
    const HGDIOBJ previous = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
    RECT bounds{0, 0, width, 0};
    DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &bounds, DT_WORDBREAK | DT_CALCRECT);
    SelectObject(dc, previous);
    ReleaseDC(control, dc);
    return {bounds.right - bounds.left, bounds.bottom - bounds.top};
}

// Whether the control's own font has a glyph for every letter of the caption. Where it
// has not, Windows draws the letters in another font, whose widths say nothing of the
// layout: Wine's Tahoma, unlike Windows', has no Greek, Hebrew or Thai letters.
bool fontDraws(HWND control, const std::wstring& caption) {
    if (caption.empty()) return true;
    const HDC dc = GetDC(control);
    const HGDIOBJ previous = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)));
    // Line breaks draw nothing.
    std::wstring letters = caption;
    std::erase_if(letters, [](wchar_t letter) { return letter < L' '; });
    std::vector<WORD> glyphs(letters.size());
    GetGlyphIndicesW(dc, letters.c_str(), static_cast<int>(letters.size()), glyphs.data(), GGI_MARK_NONEXISTING_GLYPHS);
    SelectObject(dc, previous);
    ReleaseDC(control, dc);
    return std::find(glyphs.begin(), glyphs.end(), WORD{0xFFFF}) == glyphs.end();
}

std::string nameOf(HWND window) { return std::string(dialogControlName(GetDlgCtrlID(window))); }

std::vector<HWND> childrenOf(HWND parent) {
    std::vector<HWND> children;
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        children.push_back(child);
    return children;
}

bool isGroupBox(HWND window) {
    return className(window) == L"Button" && (GetWindowLongPtrW(window, GWL_STYLE) & BS_TYPEMASK) == BS_GROUPBOX;
}

// The captions of one page that do not fit their controls, and controls that overlap
// or leave their group, as "name: what". Nothing when the page's font lacks letters of
// its captions: `undrawable` then names a control whose caption it cannot draw.
std::vector<std::string> layoutFaults(HWND page, int dpi, std::string& undrawable) {
    std::vector<std::string> faults;
    const auto scaled = [dpi](int pixels) { return MulDiv(pixels, dpi, 96); };
    const std::vector<HWND> children = childrenOf(page);
    for (const HWND child : children) {
        if (fontDraws(child, captionOf(child))) continue;
        undrawable = nameOf(child);
        return faults;
    }
    for (const HWND child : children) {
        const std::wstring kind = className(child);
        const RECT bounds = boundsInParent(child);
        const int width = bounds.right - bounds.left;
        const std::wstring caption = captionOf(child);
        const int needed = caption.empty() ? 0 : drawnWidth(child, caption);
        const LONG_PTR style = GetWindowLongPtrW(child, GWL_STYLE);
        int room = width;
        if (isGroupBox(child)) {
            room = width - 2 * scaled(8);  // the frame's corners on both sides of the caption
        } else if (kind == L"Button" && (style & BS_TYPEMASK) == BS_CHECKBOX) {
            room = width - GetSystemMetricsForDpi(SM_CXMENUCHECK, static_cast<UINT>(dpi)) - scaled(4);
            if ((style & BS_MULTILINE) != 0 && !caption.empty()) {
                // A box that breaks its caption into lines: the lines fit its height.
                const SIZE wrapped = wrappedSize(child, caption, room);
                if (wrapped.cx > room || wrapped.cy > bounds.bottom - bounds.top)
                    faults.push_back(nameOf(child) + ": \"" + toUtf8(caption) + "\" needs " +
                                     std::to_string(wrapped.cx) + " x " + std::to_string(wrapped.cy) + " px");
                continue;
            }
        } else if (kind == L"Button") {
            room = width - 2 * scaled(4);
        } else if (kind != L"Static") {
            continue;
        }
        if (needed > room)
            faults.push_back(nameOf(child) + ": \"" + toUtf8(caption) + "\" needs " + std::to_string(needed) + " of " +
                             std::to_string(room) + " px");
    }
    // Every control lies inside its group (the group that holds its top left corner)
    // and clear of the others.
    for (const HWND group : children) {
        if (!isGroupBox(group)) continue;
        const RECT area = boundsInParent(group);
        for (const HWND child : children) {
            if (child == group || !IsWindowVisible(child)) continue;
            const RECT bounds = boundsInParent(child);
            const POINT corner{bounds.left, bounds.top};
            if (!PtInRect(&area, corner)) continue;
            if (bounds.right > area.right - 1 || bounds.bottom > area.bottom)
                faults.push_back(nameOf(child) + ": outside " + nameOf(group));
        }
    }
    for (std::size_t i = 0; i < children.size(); ++i) {
        for (std::size_t k = i + 1; k < children.size(); ++k) {
            const HWND a = children[i];
            const HWND b = children[k];
            // Groups hold controls; swatches lie on their silver boxes, and the picture
            // pages' areas, bands and texts on their pictures, by design.
            if (isGroupBox(a) || isGroupBox(b)) continue;
            if (className(a) == L"SolvanePaintedWindow" || className(b) == L"SolvanePaintedWindow") continue;
            if (!IsWindowVisible(a) || !IsWindowVisible(b)) continue;
            const RECT first = boundsInParent(a);
            const RECT second = boundsInParent(b);
            RECT common{};
            if (IntersectRect(&common, &first, &second)) faults.push_back(nameOf(a) + " overlaps " + nameOf(b));
        }
    }
    return faults;
}

TEST(DialogLanguageLayout, EveryLanguageShowsEveryCaptionWhole) {
    std::set<std::int32_t> unmeasured;
    for (const std::int32_t language : shippedLanguages()) {
        Win32DialogHarness h(language);
        SCOPED_TRACE("language " + std::to_string(language));
        const HWND tabs = h.control("PageControl1");
        for (int page = 0; page < 6; ++page) {
            h.showPage(static_cast<ConfigPage>(page));
            // All six tabs in one row: they all have the same top. (TCM_GETROWCOUNT would
            // say so on Windows, but Wine counts the rows from 0.)
            std::set<LONG> tops;
            bool drawable = true;
            for (int tab = 0; tab < 6; ++tab) {
                RECT item{};
                SendMessageW(tabs, TCM_GETITEMRECT, static_cast<WPARAM>(tab), reinterpret_cast<LPARAM>(&item));
                tops.insert(item.top);
                wchar_t caption[128] = {};
                TCITEMW text{};
                text.mask = TCIF_TEXT;
                text.pszText = caption;
                text.cchTextMax = 128;
                SendMessageW(tabs, TCM_GETITEMW, static_cast<WPARAM>(tab), reinterpret_cast<LPARAM>(&text));
                drawable = drawable && fontDraws(tabs, caption);
            }
            if (drawable) {
                EXPECT_EQ(tops.size(), 1u) << "rows of tabs";
            } else {
                unmeasured.insert(language);
            }
            const HWND window = h.control(std::string(dialogControlName(dialogControlId("TabLinks") + page)).c_str());
            std::string undrawable;
            for (const std::string& fault : layoutFaults(window, static_cast<int>(GetDpiForWindow(window)), undrawable))
                ADD_FAILURE() << "page " << page << ": " << fault;
            if (undrawable.empty()) continue;
            // English and German are always measured.
            EXPECT_NE(language, EnglishLanguage) << undrawable;
            EXPECT_NE(language, GermanLanguage) << undrawable;
            unmeasured.insert(language);
        }
        for (const char* name : {"Button9", "Button10"}) {
            const HWND button = h.control(name);
            const RECT bounds = boundsInParent(button);
            EXPECT_LE(drawnWidth(button, captionOf(button)) + 8, bounds.right - bounds.left) << name;
        }
    }
    for (const std::int32_t language : unmeasured)
        std::printf("language %d: a page's captions have letters the dialog font lacks here; not measured\n",
                    static_cast<int>(language));
}

TEST(DialogLanguageLayout, RightToLeftLanguagesMirrorTheDialogButNotThePictures) {
    for (const std::int32_t language : {EnglishLanguage, std::int32_t{1025}, std::int32_t{1037}}) {
        Win32DialogHarness h(language);
        const bool mirrored = writesRightToLeft(language);
        SCOPED_TRACE("language " + std::to_string(language));
        h.showPage(ConfigPage::FontColour);
        EXPECT_EQ((GetWindowLongPtrW(h.window(), GWL_EXSTYLE) & WS_EX_LAYOUTRTL) != 0, mirrored);
        const auto screenLeft = [&h](const char* name) {
            RECT bounds{};
            GetWindowRect(h.control(name), &bounds);
            return bounds.left;
        };
        // OK at 332 and Cancel at 424: mirrored, Cancel comes first.
        EXPECT_EQ(screenLeft("Button9") < screenLeft("Button10"), !mirrored);
        // A control in a group keeps its distance from the group's other side.
        EXPECT_EQ(screenLeft("Button6") < screenLeft("cbZSchriftart"), !mirrored);
        // The preview draws from the left as the affirmation window does.
        EXPECT_EQ(GetWindowLongPtrW(h.control("Panel2"), GWL_EXSTYLE) & WS_EX_LAYOUTRTL, 0);
        // The picture board keeps its click areas over the picture's own places.
        h.showPage(ConfigPage::Links);
        EXPECT_LT(screenLeft("Image4"), screenLeft("Image5"));
        EXPECT_LT(screenLeft("Image5"), screenLeft("Image3"));
    }
}

}  // namespace
}  // namespace solvane::windows
