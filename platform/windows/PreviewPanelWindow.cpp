#include "platform/windows/PreviewPanelWindow.h"

#include <algorithm>
#include <string>

#include "dialog/TfrmConfig.h"
#include "display/TextLayers.h"
#include "display/VisibleLine.h"
#include "platform/windows/CaptionGlyphs.h"
#include "platform/windows/DialogMetrics.h"
#include "platform/windows/GdiFont.h"
#include "platform/windows/WideText.h"

namespace solvane::windows {

namespace {

// The backdrop reaches a little beyond the panel on every side but the left.
constexpr Rect BackdropBounds{0, -8, 449, 108};

// What of a caption can show from `left` onwards on a panel `width` pixels wide.
std::wstring visibleCaption(const std::string& caption, int left, int width) {
    if (left >= width) return {};
    return toWide(cutCaption(caption, longestVisibleLine(width - left)));
}

int textWidth(HDC dc, const std::wstring& text, UINT flags) {
    RECT bounds{0, 0, 0, 0};
    DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &bounds, flags | DT_CALCRECT);
    return bounds.right - bounds.left;
}

}  // namespace

void PreviewPanelWindow::paint(HDC target, const RECT& client) {
    const int width = client.right - client.left;
    const int height = client.bottom - client.top;
    if (width <= 0 || height <= 0) return;
    // Drawn off screen and copied in one piece, so that the layers never flicker.
    const HDC dc = CreateCompatibleDC(target);
    const HBITMAP canvas = CreateCompatibleBitmap(target, width, height);
    const HGDIOBJ previousBitmap = SelectObject(dc, canvas);

    const HBRUSH panel = CreateSolidBrush(PanelColour);
    FillRect(dc, &client, panel);
    DeleteObject(panel);
    const int dpi = windowDpi(handle());
    if (model_.Shape2.visible()) {
        const RECT backdrop = scaledToDpi(BackdropBounds, dpi);
        const Colour colour = model_.Shape2.colour();
        const HBRUSH brush = CreateSolidBrush(RGB(redOf(colour), greenOf(colour), blueOf(colour)));
        FillRect(dc, &backdrop, brush);
        DeleteObject(brush);
    }

    SetBkMode(dc, TRANSPARENT);
    // A text longer than the panel is cut at its end. A text written from right to left
    // ends at the left, so it is moved left, all layers alike, until its start (its right
    // end) is as far inside the panel as a left-to-right text's start.
    int shift = 0;
    const Label& text = model_.Label1;
    const std::wstring caption = visibleCaption(text.caption(), scaledToDpi(text.position().x, dpi), width);
    if (startsRightToLeft(caption)) {
        const UniqueFont font = createFont(text.font(), dpi);
        const HGDIOBJ previous = SelectObject(dc, font.get());
        const int right = scaledToDpi(text.position().x, dpi) + textWidth(dc, caption, CaptionDrawFlags);
        SelectObject(dc, previous);
        if (right > width) shift = width - scaledToDpi(text.position().x, dpi) - right;
    }
    for (const Label* layer : paintOrder(model_.previewLabels())) {
        if (!layer || !layer->visible()) continue;
        const int left = scaledToDpi(layer->position().x, dpi) + shift;
        const int top = scaledToDpi(layer->position().y, dpi);
        if (top >= height) continue;
        const std::wstring line = visibleCaption(layer->caption(), std::max(0, left), width);
        if (line.empty()) continue;
        const UniqueFont font = createFont(layer->font(), dpi);
        const HGDIOBJ previous = SelectObject(dc, font.get());
        const Colour colour = layer->font().colour;
        SetTextColor(dc, RGB(redOf(colour), greenOf(colour), blueOf(colour)));
        // Placed by its top left corner, also when it is written from right to left.
        const UINT flags = CaptionDrawFlags | (startsRightToLeft(line) ? DT_RTLREADING : 0U);
        RECT at{left, top, width, height};
        DrawTextW(dc, line.c_str(), static_cast<int>(line.size()), &at, flags);
        SelectObject(dc, previous);
    }

    BitBlt(target, 0, 0, width, height, dc, 0, 0, SRCCOPY);
    SelectObject(dc, previousBitmap);
    DeleteObject(canvas);
    DeleteDC(dc);
}

}  // namespace solvane::windows
