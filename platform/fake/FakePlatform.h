#pragma once
#include "platform/Platform.h"
#include "platform/fake/FakeEventLoop.h"
#include "platform/fake/FakeKeyStore.h"
#include "platform/fake/FakeServices.h"
#include "platform/fake/FakeTextConverter.h"
#include "platform/fake/FakeWindowSystem.h"

namespace solvane::fake {

// Every platform service in its fake form, ready to hand to the core.
struct FakePlatform {
    FakeEventLoop loop;
    FakeKeyStore store;
    FakeMonitors monitors;
    FakeFonts fonts;
    FakeScreenSaver screenSaver;
    FakeProcessMemory memory;
    FakeProcessStarter processes{instances};
    FakeShellOpener shell;
    FakeInstanceControl instances;
    FakeProgramFiles files;
    FakeAutostartEntry autostart;
    FakeErrorReporter errors;
    FakeClock clock;
    FakeWindowSystem windows{[this] { return loop.now(); }};
    FakeTextConverter text;
    FakeDesktopLocale locale;

    platform::Platform services{loop,      loop,  store,     monitors, fonts, screenSaver, memory, processes, shell,
                                instances, files, autostart, errors,   clock, windows,     text,   locale};
};

}  // namespace solvane::fake
