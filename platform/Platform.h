#pragma once
#include "platform/AutostartEntry.h"
#include "platform/DesktopLocale.h"
#include "platform/EventLoop.h"
#include "platform/Fonts.h"
#include "platform/InstanceControl.h"
#include "platform/KeyStore.h"
#include "platform/Monitors.h"
#include "platform/ProgramFiles.h"
#include "platform/SystemServices.h"
#include "platform/TextConverter.h"
#include "platform/TimerService.h"
#include "platform/WindowSystem.h"

namespace solvane::platform {

// Everything the core asks of the system it runs on.
struct Platform {
    EventLoop& loop;
    TimerService& timers;
    KeyStore& store;
    Monitors& monitors;
    Fonts& fonts;
    ScreenSaver& screenSaver;
    ProcessMemory& memory;
    ProcessStarter& processes;
    ShellOpener& shell;
    InstanceControl& instances;
    ProgramFiles& files;
    AutostartEntry& autostart;
    ErrorReporter& errors;
    HighResClock& clock;
    WindowSystem& windows;
    TextConverter& text;
    DesktopLocale& locale;
};

}  // namespace solvane::platform
