#include "platform/linux/LinuxServices.h"

#include "platform/linux/DetachedProcessStarter.h"
#include "platform/linux/EnvironmentLocale.h"
#include "platform/linux/IconvTextConverter.h"
#include "platform/linux/JsonKeyStore.h"
#include "platform/linux/LinuxScreenSaver.h"
#include "platform/linux/LocalSocketInstanceControl.h"
#include "platform/linux/ProcMemory.h"
#include "platform/linux/XdgAutostartEntry.h"
#include "platform/linux/XdgProgramFiles.h"
#include "platform/qt/QtErrorReporter.h"
#include "platform/qt/QtEventLoop.h"
#include "platform/qt/QtFonts.h"
#include "platform/qt/QtMonitors.h"
#include "platform/qt/QtShellOpener.h"
#include "platform/qt/QtTimerService.h"
#include "platform/qt/QtWindowSystem.h"
#include "platform/qt/SteadyClock.h"

namespace solvane::linuxos {

// One object per service, created in this order and destroyed in the reverse one.
struct LinuxServices::Objects {
    qt::QtEventLoop loop;
    qt::QtTimerService timers;
    JsonKeyStore store;
    qt::QtMonitors monitors;
    qt::QtFonts fonts;
    LinuxScreenSaver screenSaver;
    ProcMemory memory;
    DetachedProcessStarter processes;
    qt::QtShellOpener shell;
    LocalSocketInstanceControl instances;
    XdgProgramFiles files;
    XdgAutostartEntry autostart;
    qt::QtErrorReporter errors;
    qt::SteadyClock clock;
    qt::QtWindowSystem windows;
    IconvTextConverter text;
    EnvironmentLocale locale;
};

LinuxServices::LinuxServices()
    : objects_(std::make_unique<Objects>()), platform_{objects_->loop,      objects_->timers,    objects_->store,
                                                       objects_->monitors,  objects_->fonts,     objects_->screenSaver,
                                                       objects_->memory,    objects_->processes, objects_->shell,
                                                       objects_->instances, objects_->files,     objects_->autostart,
                                                       objects_->errors,    objects_->clock,     objects_->windows,
                                                       objects_->text,      objects_->locale} {}

LinuxServices::~LinuxServices() = default;

}  // namespace solvane::linuxos
