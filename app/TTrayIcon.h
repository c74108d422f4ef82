#pragma once
#include <functional>
#include <memory>
#include <string>

#include "platform/EventLoop.h"
#include "platform/Geometry.h"
#include "platform/WindowSystem.h"

namespace solvane {

// The notification-area icon with its tool tip. It reports clicks and keeps the
// rules the rest of the program relies on: adding twice adds once, image and tool
// tip set while hidden are used at the next add, the tool tip is cut to 62 characters.
class TTrayIcon {
public:
    static constexpr std::size_t MaxToolTip = 62;

    explicit TTrayIcon(platform::EventLoop& loop);
    ~TTrayIcon();
    TTrayIcon(const TTrayIcon&) = delete;
    TTrayIcon& operator=(const TTrayIcon&) = delete;

    // The view that shows the icon; set once by the owning window.
    void attach(std::unique_ptr<platform::TrayView> view) { view_ = std::move(view); }
    platform::TrayView* view() const { return view_.get(); }

    bool Active() const { return active_; }
    void setActive(bool value);
    platform::TrayImage Icon() const { return icon_; }
    void setIcon(platform::TrayImage image);
    const std::string& ToolTip() const { return toolTip_; }
    void setToolTip(const std::string& text);

    std::function<void()> OnClick;
    std::function<void()> OnDblClick;
    std::function<void(Point)> OnRightClick;

    // What the tray host reports.
    void leftButtonUp();
    void leftButtonDoubleClick();
    void rightButtonUp(Point cursor);

private:
    void update();
    void add();
    platform::EventLoop& loop_;
    std::unique_ptr<platform::TrayView> view_;
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
    bool active_ = false;
    platform::TrayImage icon_ = platform::TrayImage::None;
    std::string toolTip_;
};

}  // namespace solvane
