#include "platform/windows/WindowsServices.h"

#include "platform/windows/CodePageTextConverter.h"
#include "platform/windows/CreateProcessStarter.h"
#include "platform/windows/GdiFonts.h"
#include "platform/windows/MessageBoxErrorReporter.h"
#include "platform/windows/PerformanceCounterClock.h"
#include "platform/windows/RegistryKeyStore.h"
#include "platform/windows/RunKeyAutostartEntry.h"
#include "platform/windows/ShellExecuteOpener.h"
#include "platform/windows/Win32EventLoop.h"
#include "platform/windows/Win32Monitors.h"
#include "platform/windows/Win32TimerService.h"
#include "platform/windows/WindowClassInstanceControl.h"
#include "platform/windows/WindowsDesktopLocale.h"
#include "platform/windows/WindowsProgramFiles.h"
#include "platform/windows/WindowsScreenSaver.h"
#include "platform/windows/WindowsWindowSystem.h"
#include "platform/windows/WorkingSetMemory.h"

namespace solvane::windows {

// One object per service, created in this order and destroyed in the reverse one:
// the event loop first, as the windows of the later ones need its thread's queue.
struct WindowsServices::Objects {
    Win32EventLoop loop;
    Win32TimerService timers;
    RegistryKeyStore store;
    Win32Monitors monitors;
    GdiFonts fonts;
    WindowsScreenSaver screenSaver;
    WorkingSetMemory memory;
    CreateProcessStarter processes;
    ShellExecuteOpener shell;
    WindowClassInstanceControl instances;
    WindowsProgramFiles files;
    RunKeyAutostartEntry autostart;
    MessageBoxErrorReporter errors;
    PerformanceCounterClock clock;
    WindowsWindowSystem windows;
    CodePageTextConverter text;
    WindowsDesktopLocale locale;
};

WindowsServices::WindowsServices()
    : objects_(std::make_unique<Objects>()), platform_{objects_->loop,      objects_->timers,    objects_->store,
                                                       objects_->monitors,  objects_->fonts,     objects_->screenSaver,
                                                       objects_->memory,    objects_->processes, objects_->shell,
                                                       objects_->instances, objects_->files,     objects_->autostart,
                                                       objects_->errors,    objects_->clock,     objects_->windows,
                                                       objects_->text,      objects_->locale} {}

WindowsServices::~WindowsServices() = default;

}  // namespace solvane::windows
