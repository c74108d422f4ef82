#pragma once
#include <windows.h>

#include <optional>

#include "platform/WindowSystem.h"
#include "platform/windows/HintRenderer.h"
#include "platform/windows/Win32Window.h"

namespace solvane::windows {

// The affirmation window: a borderless, top-most layered window without a taskbar
// entry that is never activated. Its content is per-pixel alpha: TfrmHint's layers,
// antialiased, over a solid background or over nothing, so that only the glyphs
// show. Its whole rectangle takes clicks, and a click is a click on Label1.
class LayeredHintWindow final : public platform::HintView {
public:
    explicit LayeredHintWindow(TfrmHint& model);
    ~LayeredHintWindow() override;

    void show() override;
    void hide() override;
    void makeTopmost() override;
    void refresh() override;

    HWND handle() const { return window_.handle(); }

private:
    std::optional<LRESULT> handle(UINT message, WPARAM wParam, LPARAM lParam);
    void queueRefresh();
    // Composes the model's scene where it changed and hands it to the window.
    void present();

    TfrmHint& model_;
    HintRenderer renderer_;
    Win32Window window_;
    bool refreshQueued_ = false;
    // The model changed while the window was hidden: it is drawn when it shows.
    bool presentPending_ = true;
    std::optional<Rect> presentedBounds_;
};

}  // namespace solvane::windows
