#pragma once
#include <windows.h>

#include <commctrl.h>

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Geometry.h"

namespace solvane::windows {

// The fonts the dialog's controls are drawn in, at the dialog's DPI.
struct DialogFonts {
    HFONT normal = nullptr;
    HFONT underlined = nullptr;
};

// A window of the settings dialog that holds controls: the dialog itself and each of
// its pages. Windows sends a control's notifications to the control's parent; this
// window hands each to the handler registered for that control. It also keeps each
// control's place in pixels at 96 DPI, so that a change of DPI places them anew.
class DialogHostWindow {
public:
    virtual ~DialogHostWindow();
    DialogHostWindow(const DialogHostWindow&) = delete;
    DialogHostWindow& operator=(const DialogHostWindow&) = delete;

    HWND handle() const { return window_; }
    int dpi() const { return dpi_; }
    const DialogFonts& fonts() const { return fonts_; }

    // A child control of the window class, carrying the id of its name, placed at its
    // design bounds and drawn in the dialog's font.
    HWND addControl(const wchar_t* windowClass, std::string_view name, DWORD style, Rect design, DWORD exStyle = 0,
                    bool underlined = false);
    // Records the design bounds of a child made elsewhere and places it there.
    void place(HWND child, Rect design, bool underlined = false);
    // Moves a child to a new left edge (in pixels at the current DPI), keeping its design
    // bounds for the next change of DPI.
    void moveLeftEdge(HWND child, int left);
    // Gives a child a new width in pixels at the current DPI.
    void resize(HWND child, int width, int height);
    // A child's bounds in this window's client area, as last placed.
    RECT boundsOf(HWND child) const;
    // A design length at the current DPI.
    int scaled(int designPixels) const;

    // The DPI or the fonts changed: every recorded child is placed anew and takes the fonts.
    void relayout(int dpi, const DialogFonts& fonts);

    using CommandHandler = std::function<void(WORD notification)>;
    void onCommand(HWND control, CommandHandler handler) { commands_[control] = std::move(handler); }
    void onScroll(HWND control, std::function<void()> handler) { scrolls_[control] = std::move(handler); }
    void onNotify(HWND control, std::function<void(NMHDR&)> handler) { notifies_[control] = std::move(handler); }
    // A static, check box or read-only field drawn in these colours instead of the window's.
    void setColours(HWND control, COLORREF text, COLORREF background);

protected:
    DialogHostWindow(int dpi, const DialogFonts& fonts) : dpi_(dpi), fonts_(fonts) {}
    // A top-level window of the class "TfrmConfig" when `parent` is nullptr, otherwise a
    // child window carrying the id of `name`.
    // The owner places it.
    void createWindow(HWND parent, std::string_view name, const std::wstring& title, DWORD style, DWORD exStyle);
    // The window's own messages before the common handling; nothing to go on with it.
    virtual std::optional<LRESULT> handleMessage(UINT message, WPARAM wParam, LPARAM lParam);

private:
    struct Placement {
        HWND child;
        Rect design;
        bool underlined;
        RECT current;
    };
    struct Colours {
        COLORREF text;
        COLORREF background;
    };
    static LRESULT CALLBACK windowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT dispatch(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT controlColours(HDC dc, HWND control);
    Placement* placement(HWND child);
    void apply(Placement& placement);
    HBRUSH brush(COLORREF colour);

    HWND window_ = nullptr;
    int dpi_;
    DialogFonts fonts_;
    std::vector<Placement> placements_;
    std::map<HWND, CommandHandler> commands_;
    std::map<HWND, std::function<void()>> scrolls_;
    std::map<HWND, std::function<void(NMHDR&)>> notifies_;
    std::map<HWND, Colours> colours_;
    std::map<COLORREF, HBRUSH> brushes_;
};

// The class name of the dialog's top-level window: the dialog's own name.
inline constexpr wchar_t DialogWindowClass[] = L"TfrmConfig";

}  // namespace solvane::windows
