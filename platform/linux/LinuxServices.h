#pragma once
#include <memory>

#include "platform/Platform.h"

namespace solvane::linuxos {

// Every service of the Linux program, the Qt ones of platform/qt with the Linux ones of
// this folder, owned in one place and handed to the core as one Platform. Create it
// after the application object (the Qt services and the session bus need one) and keep
// it until the program's entry has returned.
class LinuxServices {
public:
    LinuxServices();
    ~LinuxServices();

    LinuxServices(const LinuxServices&) = delete;
    LinuxServices& operator=(const LinuxServices&) = delete;

    platform::Platform& platform() { return platform_; }

private:
    // The service objects, kept out of this header so that the entry needs neither Qt's
    // nor the services' headers.
    struct Objects;
    std::unique_ptr<Objects> objects_;
    platform::Platform platform_;
};

}  // namespace solvane::linuxos
