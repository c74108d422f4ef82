#include "platform/windows/TrayIconImages.h"

#include "platform/windows/resources/ResourceIds.h"

namespace solvane::windows {

namespace {

HICON loadIcon(int id) {
    return static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id), IMAGE_ICON,
                                         GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON),
                                         LR_DEFAULTCOLOR));
}

}  // namespace

TrayIconImages::TrayIconImages() { reload(); }

TrayIconImages::~TrayIconImages() { free(); }

HICON TrayIconImages::icon(platform::TrayImage image) const {
    switch (image) {
    case platform::TrayImage::Running:
        return running_;
    case platform::TrayImage::Stopped:
        return stopped_;
    case platform::TrayImage::None:
        break;
    }
    return nullptr;
}

void TrayIconImages::reload() {
    free();
    running_ = loadIcon(SOLVANE_ICON_TRAY_RUNNING);
    stopped_ = loadIcon(SOLVANE_ICON_TRAY_STOPPED);
}

void TrayIconImages::free() {
    if (running_) DestroyIcon(running_);
    if (stopped_) DestroyIcon(stopped_);
    running_ = nullptr;
    stopped_ = nullptr;
}

}  // namespace solvane::windows
