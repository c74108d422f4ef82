#include "app/ProgramEntry.h"

#include "app/Program.h"
#include "app/TfrmSlv17k30Main.h"
#include "dialog/TfrmConfig.h"
#include "display/TfrmHint.h"

namespace solvane {

namespace {
constexpr int InstanceRetryMs = 99;
}

int runProgram(platform::Platform& platform, const CommandLine& words) {
    // The newest start wins: end every other instance, except when this start is
    // the continuation of a restart.
    if (words.word1 != "reload") {
        while (platform.instances.quitAnotherInstance()) platform.loop.sleepMs(InstanceRetryMs);
    }
    if (!createsWindows(words)) return 0;

    platform.windows.setApplicationTitle(Program::ApplicationTitle);
    Program program(platform, words);
    program.createWindows();

    if (asciiLower(words.word1) == "options") {
        program.main().Timer2.setEnabled(false);
        program.config().show();
        program.hint().show();
    }

    platform.loop.run();
    program.destroyWindows();
    platform.instances.withdraw();
    return program.exitCode();
}

bool createsWindows(const CommandLine& words) { return words.word1 != "shutdown"; }

}  // namespace solvane
