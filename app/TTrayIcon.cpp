#include "app/TTrayIcon.h"

#include "app/Utf8.h"

namespace solvane {

TTrayIcon::TTrayIcon(platform::EventLoop& loop) : loop_(loop) {}

TTrayIcon::~TTrayIcon() {
    *alive_ = false;
    if (active_ && view_) view_->remove();
}

void TTrayIcon::setActive(bool value) {
    if (value == active_) return;
    active_ = value;
    if (active_) {
        add();
    } else if (view_) {
        view_->remove();
    }
}

void TTrayIcon::setIcon(platform::TrayImage image) {
    icon_ = image;
    update();
}

void TTrayIcon::setToolTip(const std::string& text) {
    toolTip_ = utf8Prefix(text, MaxToolTip);
    update();
}

void TTrayIcon::update() {
    if (active_ && view_) view_->modify(icon_, toolTip_);
}

void TTrayIcon::add() {
    if (view_) view_->add(icon_, toolTip_);
    if (toolTip_.empty()) {
        // Apply the tool tip once more when the event loop runs: it is usually set
        // right after the icon was added.
        std::weak_ptr<bool> alive = alive_;
        loop_.post([this, alive] {
            if (auto flag = alive.lock(); flag && *flag) setToolTip(toolTip_);
        });
    }
}

void TTrayIcon::leftButtonUp() {
    if (OnClick) OnClick();
}

void TTrayIcon::leftButtonDoubleClick() {
    if (OnDblClick) OnDblClick();
}

void TTrayIcon::rightButtonUp(Point cursor) {
    if (OnRightClick) OnRightClick(cursor);
}

}  // namespace solvane
