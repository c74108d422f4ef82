#pragma once
#include <windows.h>

#include <functional>
#include <memory>
#include <optional>
#include <string_view>
#include <type_traits>

#include "platform/Geometry.h"

namespace solvane::windows {

class DialogHostWindow;

// A bitmap that is deleted with its owner.
struct BitmapDeleter {
    void operator()(HBITMAP bitmap) const {
        if (bitmap) DeleteObject(bitmap);
    }
};
using UniqueBitmap = std::unique_ptr<std::remove_pointer_t<HBITMAP>, BitmapDeleter>;

// A child window of the settings dialog that paints itself (a colour box, a white box,
// a picture, the preview) and may act on a click. One that paints nothing is
// transparent: it erases no background, so what lies beneath it shows.
class PaintedWindow {
public:
    virtual ~PaintedWindow();
    PaintedWindow(const PaintedWindow&) = delete;
    PaintedWindow& operator=(const PaintedWindow&) = delete;

    // Creates the window on the host, carrying the id of its name, at its design bounds.
    void create(DialogHostWindow& host, std::string_view name, Rect design, DWORD extraStyle = 0);
    HWND handle() const { return window_; }

    // The action runs when a mouse button is released over the window: only the left
    // one for a link, which shows the hand cursor; any of them for a colour box.
    enum class Clicks { Left, AnyButton };
    void setClickAction(std::function<void()> action, Clicks clicks);
    void invalidate();

protected:
    PaintedWindow() = default;
    virtual void paint(HDC dc, const RECT& client) = 0;

private:
    static LRESULT CALLBACK windowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT dispatch(UINT message, WPARAM wParam, LPARAM lParam);
    void released(LPARAM at);

    HWND window_ = nullptr;
    std::function<void()> clickAction_;
    Clicks clicks_ = Clicks::Left;
};

// A solid rectangle in one colour: a colour swatch, or the silver box beneath one.
class ColourBoxWindow final : public PaintedWindow {
public:
    explicit ColourBoxWindow(COLORREF colour) : colour_(colour) {}
    void setColour(COLORREF colour);
    COLORREF colour() const { return colour_; }

protected:
    void paint(HDC dc, const RECT& client) override;

private:
    COLORREF colour_;
};

// A white rectangle with a thin black border, beneath a picture or as a band over it.
class WhiteBoxWindow final : public PaintedWindow {
protected:
    void paint(HDC dc, const RECT& client) override;
};

// A picture at its own size from the top left corner. Without one it shows what lies
// beneath it: a plain area in the colour given for that, or nothing at all (a click
// area over another picture).
class PictureWindow final : public PaintedWindow {
public:
    void setPicture(UniqueBitmap picture);
    HBITMAP picture() const { return picture_.get(); }
    void setBlankColour(COLORREF colour) { blank_ = colour; }

protected:
    void paint(HDC dc, const RECT& client) override;

private:
    UniqueBitmap picture_;
    std::optional<COLORREF> blank_;
};

}  // namespace solvane::windows
