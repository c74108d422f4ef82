#pragma once
#include <windows.h>

#include "app/Program.h"
#include "app/TfrmSlv17k30Main.h"
#include "dialog/TfrmConfig.h"
#include "display/TfrmHint.h"
#include "platform/fake/FakePlatform.h"
#include "platform/windows/WindowsWindowSystem.h"

namespace solvane::windows::testing {

// Handles every Win32 message waiting for this thread, as the program's loop would.
inline void pumpMessages() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

// The program on fake services and virtual time, with the real Win32 windows of
// `Windows` (WindowsWindowSystem, or one that makes its views with stand-ins).
template <typename Windows = WindowsWindowSystem>
struct WindowsProgramHarness {
    WindowsProgramHarness() : program(services, CommandLine{}) { program.createWindows(); }
    ~WindowsProgramHarness() {
        program.destroyWindows();
        pumpMessages();
    }

    fake::FakePlatform fake;
    Windows windows;
    platform::Platform services{fake.loop,   fake.loop,      fake.store, fake.monitors,  fake.fonts, fake.screenSaver,
                                fake.memory, fake.processes, fake.shell, fake.instances, fake.files, fake.autostart,
                                fake.errors, fake.clock,     windows,    fake.text,      fake.locale};
    Program program;
};

}  // namespace solvane::windows::testing
