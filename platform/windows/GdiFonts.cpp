#include "platform/windows/GdiFonts.h"

#include <algorithm>
#include <climits>

#include "platform/windows/FontFamilyList.h"
#include "platform/windows/GdiFont.h"
#include "platform/windows/WideText.h"

namespace solvane::windows {

namespace {

int CALLBACK addFamily(const LOGFONTW* font, const TEXTMETRICW* metrics, DWORD type, LPARAM list) {
    // For EnumFontFamiliesExW these are an ENUMLOGFONTEXW and a NEWTEXTMETRICEXW.
    if (font != nullptr && metrics != nullptr)
        reinterpret_cast<FontFamilyList*>(list)->add(*font, *reinterpret_cast<const NEWTEXTMETRICEXW*>(metrics), type);
    return 1;  // never cut short
}

}  // namespace

GdiFonts::GdiFonts() : context_(CreateCompatibleDC(nullptr)) {}

GdiFonts::~GdiFonts() {
    if (context_) DeleteDC(context_);
}

std::vector<std::string> GdiFonts::scalableFamilies() {
    FontFamilyList list;
    LOGFONTW every{};
    every.lfCharSet = DEFAULT_CHARSET;  // every character set of every family
    EnumFontFamiliesExW(context_, &every, &addFamily, reinterpret_cast<LPARAM>(&list), 0);
    return list.scalableFamilies();
}

Size GdiFonts::measureCaption(const std::string& text, const FontSpec& font) {
    const std::wstring line = toWide(text);
    const UniqueFont handle = createFont(font);
    const HGDIOBJ previous = SelectObject(context_, handle.get());
    const SIZE extent = measureLongLine(line);
    SelectObject(context_, previous);
    return {static_cast<int>(extent.cx), static_cast<int>(extent.cy)};
}

SIZE GdiFonts::measureLongLine(const std::wstring& line) const {
    for (std::size_t length = FirstPieceLength; length < line.size(); length *= 2) {
        // A piece ends before a character, never between the halves of a surrogate pair.
        const std::size_t end = IS_LOW_SURROGATE(line[length]) ? length - 1 : length;
        const SIZE piece = measureLine(line, end);
        // The rest of the text only adds to the line: it is too wide for any screen.
        if (piece.cx > WidestScreen) return piece;
    }
    return measureLine(line, line.size());
}

SIZE GdiFonts::measureLine(const std::wstring& line, std::size_t length) const {
    if (length == 0) {
        // DrawTextW measures nothing then; an empty caption still has a line's height.
        TEXTMETRICW metrics{};
        GetTextMetricsW(context_, &metrics);
        return {0, metrics.tmHeight};
    }
    RECT bounds{0, 0, 0, 0};
    DrawTextW(context_, line.data(), static_cast<int>(std::min<std::size_t>(length, INT_MAX)), &bounds,
              CaptionDrawFlags | DT_CALCRECT);
    return {bounds.right - bounds.left, bounds.bottom - bounds.top};
}

}  // namespace solvane::windows
