#pragma once
#include <functional>
#include <memory>

#include "app/CommandLine.h"
#include "platform/Platform.h"
#include "settings/UiTexts.h"

namespace solvane {

class TfrmSlv17k30Main;
class TfrmHint;
class TfrmConfig;
class Settings;

// The running program: its platform, command-line words, interface texts and its
// three windows, which reach one another through it.
class Program {
public:
    static constexpr const char* ApplicationTitle = "Solvane Premium";

    Program(platform::Platform& platformServices, CommandLine commandLine);
    ~Program();
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // Creates the main window, the affirmation window and the settings dialog, in this order.
    void createWindows();
    // Destroys the windows without their close handlers (the tray icon goes with them).
    void destroyWindows();

    TfrmSlv17k30Main& main() { return *main_; }
    TfrmHint& hint() { return *hint_; }
    TfrmConfig& config() { return *config_; }
    Settings settings();

    // Runs an event handler; an error that escapes it is reported and the program goes on.
    void guarded(const std::function<void()>& handler);
    // Ends the event loop with the exit code. The first way out is final: a later
    // call (an Exit after the session's end, say) changes nothing.
    void terminate(int exitCode);
    int exitCode() const { return exitCode_; }
    // The program is on its way out; handlers that return from event processing stop there.
    bool ending() const { return ending_; }

    platform::Platform& platform;
    CommandLine words;
    UiTexts texts;

private:
    std::unique_ptr<TfrmSlv17k30Main> main_;
    std::unique_ptr<TfrmHint> hint_;
    std::unique_ptr<TfrmConfig> config_;
    int exitCode_ = 0;
    bool ending_ = false;
};

}  // namespace solvane
