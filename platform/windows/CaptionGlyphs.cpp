#include "platform/windows/CaptionGlyphs.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <utility>
#include <vector>

#include "platform/windows/TopDownDib.h"

namespace solvane::windows {

namespace {

// The DIB that the glyphs are drawn into, selected into a DC while it lives.
class GlyphCanvas {
public:
    GlyphCanvas(HDC dc, Size size) : dc_(dc) {
        void* bits = nullptr;
        bitmap_ = createTopDownDib(dc, size, &bits);
        if (!bitmap_) return;
        bits_ = static_cast<const std::uint32_t*>(bits);
        std::memset(bits, 0, static_cast<std::size_t>(size.width) * size.height * sizeof(std::uint32_t));
        previous_ = SelectObject(dc_, bitmap_);
    }
    ~GlyphCanvas() {
        if (previous_) SelectObject(dc_, previous_);
        if (bitmap_) DeleteObject(bitmap_);
    }
    GlyphCanvas(const GlyphCanvas&) = delete;
    GlyphCanvas& operator=(const GlyphCanvas&) = delete;

    // The pixels, once GDI has finished drawing; nothing when the DIB could not be made.
    const std::uint32_t* bits() const {
        if (!previous_) return nullptr;
        GdiFlush();
        return bits_;
    }

private:
    HDC dc_;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ previous_ = nullptr;
    const std::uint32_t* bits_ = nullptr;
};

int length(const std::wstring& text) { return static_cast<int>(std::min<std::size_t>(text.size(), INT_MAX)); }

}  // namespace

bool startsRightToLeft(std::wstring_view text) {
    if (text.empty()) return false;
    std::vector<WORD> types(text.size());
    const int count = static_cast<int>(std::min<std::size_t>(text.size(), INT_MAX));
    if (!GetStringTypeW(CT_CTYPE2, text.data(), count, types.data())) return false;
    for (const WORD type : types) {
        if (type == C2_LEFTTORIGHT) return false;
        if (type == C2_RIGHTTOLEFT) return true;
    }
    return false;
}

CaptionGlyphs::CaptionGlyphs(std::wstring caption, const FontSpec& font)
    : caption_(std::move(caption)),
      flags_(CaptionDrawFlags | (startsRightToLeft(caption_) ? DT_RTLREADING : 0U)),
      dc_(CreateCompatibleDC(nullptr)),
      font_(createFont(font)) {
    if (!dc_) return;
    if (font_) previousFont_ = SelectObject(dc_, font_.get());
    RECT box{0, 0, 0, 0};
    DrawTextW(dc_, caption_.c_str(), length(caption_), &box, flags_ | DT_CALCRECT);
    extent_ = {static_cast<int>(box.right - box.left), static_cast<int>(box.bottom - box.top)};
}

CaptionGlyphs::~CaptionGlyphs() {
    if (!dc_) return;
    if (previousFont_) SelectObject(dc_, previousFont_);
    DeleteDC(dc_);
}

Rect CaptionGlyphs::inkArea() const {
    const int sideways = extent_.height / 2 + 2;
    const int upAndDown = extent_.height / 4 + 2;
    return {-sideways, -upAndDown, extent_.width + 2 * sideways, extent_.height + 2 * upAndDown};
}

Coverage CaptionGlyphs::draw(const Rect& area) const {
    if (!dc_ || area.width <= 0 || area.height <= 0) return {};
    const GlyphCanvas canvas(dc_, {area.width, area.height});
    SetBkMode(dc_, TRANSPARENT);
    SetTextColor(dc_, RGB(255, 255, 255));
    RECT box{-area.left, -area.top, -area.left + extent_.width, -area.top + extent_.height};
    DrawTextW(dc_, caption_.c_str(), length(caption_), &box, flags_);
    const std::uint32_t* bits = canvas.bits();
    if (!bits) return {};
    Coverage coverage{area.width, area.height, {}};
    coverage.values.resize(static_cast<std::size_t>(area.width) * area.height);
    for (std::size_t i = 0; i < coverage.values.size(); ++i) {
        // Grayscale antialiasing draws the same value in every channel; the
        // brightest channel is taken should a font be drawn otherwise.
        const std::uint32_t pixel = bits[i];
        coverage.values[i] =
            static_cast<std::uint8_t>(std::max({pixel & 0xFF, (pixel >> 8) & 0xFF, (pixel >> 16) & 0xFF}));
    }
    return coverage;
}

}  // namespace solvane::windows
