#pragma once
#include <memory>

#include "platform/Platform.h"

namespace solvane::windows {

// Every service of the Windows program, owned in one place and handed to the core as
// one Platform. Keep it until the program's entry has returned.
class WindowsServices {
public:
    WindowsServices();
    ~WindowsServices();

    WindowsServices(const WindowsServices&) = delete;
    WindowsServices& operator=(const WindowsServices&) = delete;

    platform::Platform& platform() { return platform_; }

private:
    // The service objects, kept out of this header so that the entry needs none of
    // their headers.
    struct Objects;
    std::unique_ptr<Objects> objects_;
    platform::Platform platform_;
};

}  // namespace solvane::windows
