#pragma once
#include <windows.h>

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/WindowSystem.h"
#include "platform/windows/DialogHostWindow.h"
#include "platform/windows/DialogMetrics.h"
#include "platform/windows/DialogPictures.h"
#include "platform/windows/GdiFont.h"

namespace solvane::windows {

class AboutPageView;
class AffirmationsPageView;
class DialogPageView;
class DisplayPageView;
class FontColourPageView;
class LinksPageView;
class ThanksPageView;

// The settings dialog on Windows: a top-level window of the class "TfrmConfig" with a
// fixed dialog frame and no title-bar buttons, the six pages on a tab control, and the
// OK and Cancel buttons, laid out in pixels at 96 DPI and scaled to the DPI of its
// monitor. It shows TfrmConfig's controls and hands the user's actions to them; it has
// no rules of its own. While it is visible it has a taskbar entry of its own.
//
// Its keyboard (Tab between the controls, access keys, Escape) needs the event loop to
// hand each message to translateDialogMessage() (DialogMessages.h) first.
class Win32ConfigDialog final : public platform::DialogView {
public:
    // The pictures of the information pages come from `picturesFolder` (a path ending
    // in a backslash), by default the folder "pictures" beside the executable.
    explicit Win32ConfigDialog(TfrmConfig& model, std::wstring picturesFolder = dialogPicturesFolder());
    ~Win32ConfigDialog() override;
    Win32ConfigDialog(const Win32ConfigDialog&) = delete;
    Win32ConfigDialog& operator=(const Win32ConfigDialog&) = delete;

    void show() override;
    void hide() override;
    bool isForeground() override;
    void bringToFront() override;
    Rect frame() override;
    void refresh() override;

    std::optional<FontSpec> chooseFont(const FontSpec& initial, Point topLeft,
                                       const std::function<void(const FontSpec&)>& onApply) override;
    std::optional<Colour> chooseColour(Colour initial) override;
    Point fontChooserPosition() override;

    // The dialog's window, and a control of it by its name (nullptr when there is none).
    HWND window() const;
    HWND control(std::string_view name) const;

private:
    class FrameWindow;
    friend class FrameWindow;

    // Makes the window and its controls in the model's writing direction: a window
    // takes its parent's mirroring when it is made.
    void build();
    void destroy();
    void layoutPages();
    void showPage(int index);
    void turnPage(bool backwards);
    void queueRefresh();
    void centreOnScreen();
    void dpiChanged(int dpi, const RECT& suggested);
    void focusFirstControl();
    std::vector<DialogPageView*> pages() const;

    TfrmConfig& model_;
    std::wstring picturesFolder_;
    int dpi_ = DesignDpi;
    UniqueFont font_;
    UniqueFont underlinedFont_;
    std::unique_ptr<FrameWindow> frame_;
    HWND tabs_ = nullptr;
    HWND button9_ = nullptr;
    HWND button10_ = nullptr;
    std::unique_ptr<LinksPageView> linksPage_;
    std::unique_ptr<AffirmationsPageView> affirmationsPage_;
    std::unique_ptr<FontColourPageView> fontColourPage_;
    std::unique_ptr<DisplayPageView> displayPage_;
    std::unique_ptr<AboutPageView> aboutPage_;
    std::unique_ptr<ThanksPageView> thanksPage_;
    std::vector<std::wstring> shownTabCaptions_;
    bool builtRightToLeft_ = false;
    bool refreshQueued_ = false;
    // The control that had the focus when the dialog was last left, to take it back.
    HWND lastFocus_ = nullptr;
};

}  // namespace solvane::windows
