#pragma once
#include <windows.h>

#include <cstdint>
#include <optional>

#include "platform/windows/HintComposition.h"
#include "platform/windows/HintScene.h"

namespace solvane::windows {

// The affirmation window's image: a premultiplied 32-bit DIB of the window's size in
// a memory DC, ready for UpdateLayeredWindow. It is composed only when the scene
// differs from the one it shows: the same text in the same font, colours, place and
// size keeps the image as it is.
class HintRenderer {
public:
    // `clearPixel` fills a clear background (see composeHint).
    explicit HintRenderer(std::uint32_t clearPixel = ClearPixel);
    ~HintRenderer();
    HintRenderer(const HintRenderer&) = delete;
    HintRenderer& operator=(const HintRenderer&) = delete;

    enum class Result { Unchanged, Composed, Failed };
    Result render(const HintScene& scene);

    // The DC that holds the image, and its size.
    HDC dc() const { return dc_; }
    Size size() const { return size_; }
    // The image's pixels; empty before the first image.
    PixelView pixels() const { return {bits_, size_.width, size_.height}; }

private:
    bool makeImage(Size size);
    void freeImage();

    std::uint32_t clearPixel_;
    HDC dc_;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ previousBitmap_ = nullptr;
    std::uint32_t* bits_ = nullptr;
    Size size_;
    std::optional<HintScene> shown_;
};

}  // namespace solvane::windows
