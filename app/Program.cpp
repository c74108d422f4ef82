#include "app/Program.h"

#include <exception>

#include "app/TfrmSlv17k30Main.h"
#include "dialog/TfrmConfig.h"
#include "display/TfrmHint.h"
#include "settings/Settings.h"

namespace solvane {

Program::Program(platform::Platform& platformServices, CommandLine commandLine)
    : platform(platformServices), words(std::move(commandLine)) {}

Program::~Program() { destroyWindows(); }

void Program::createWindows() {
    main_ = std::make_unique<TfrmSlv17k30Main>(*this);
    main_->FormCreate();
    hint_ = std::make_unique<TfrmHint>(*this);
    hint_->FormCreate();
    config_ = std::make_unique<TfrmConfig>(*this);
    config_->FormCreate();
}

void Program::destroyWindows() {
    config_.reset();
    if (hint_) hint_->FormDestroy();
    hint_.reset();
    main_.reset();
}

Settings Program::settings() { return Settings(*config_, *hint_); }

void Program::guarded(const std::function<void()>& handler) {
    try {
        handler();
    } catch (const std::exception& error) {
        platform.errors.report(ApplicationTitle, error.what());
    } catch (...) {
        platform.errors.report(ApplicationTitle, "An unknown error occurred.");
    }
}

void Program::terminate(int exitCode) {
    if (ending_) return;
    ending_ = true;
    exitCode_ = exitCode;
    platform.loop.quit();
}

}  // namespace solvane
