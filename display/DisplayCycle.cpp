#include "display/DisplayCycle.h"

#include <stdexcept>

#include "app/CommandLine.h"
#include "app/MemoryWatchdog.h"
#include "app/Program.h"
#include "app/TfrmSlv17k30Main.h"
#include "dialog/TfrmConfig.h"
#include "display/TfrmHint.h"
#include "settings/Settings.h"

namespace solvane {

namespace {
constexpr int GapSleeps = 91;
constexpr int MaximumCount = 9999;

void pump(Program& program, int rounds) {
    for (int i = 0; i < rounds; ++i) program.platform.loop.processPendingEvents();
}

bool screenSaverHolds(Program& program) {
    return program.settings().SCRPause() && program.platform.screenSaver.isRunning();
}
}  // namespace

std::int32_t strictCount(const std::string& text) {
    const auto value = parseInteger(text);
    if (!value) throw std::invalid_argument("'" + text + "' is not a valid integer value");
    return *value;
}

void PauseEnd(Program& program) {
    TfrmSlv17k30Main& main = program.main();
    TfrmConfig& config = program.config();
    TfrmHint& hint = program.hint();

    main.RemainingInRun = 0;
    main.RunLength = strictCount(program.settings().MultipleAffirmationenAnzahl());
    if (!screenSaverHolds(program)) {
        if (program.settings().MultipleAffirmationen()) {
            main.RemainingInRun = strictCount(program.settings().MultipleAffirmationenAnzahl());
        }
        const bool dialogWasInFront = config.isForeground();
        hint.show();
        // Keep the user working in the dialog when it was in front.
        if (dialogWasInFront && config.visible()) config.bringToFront();
        hint.makeTopmost();
        pump(program, 4);
    }
    config.PauseTimer.setInterval(program.settings().AnzeigeIntervall() * 1000);
}

void DisplayEnd(Program& program) {
    TfrmSlv17k30Main& main = program.main();
    TfrmConfig& config = program.config();
    TfrmHint& hint = program.hint();

    hint.DisplayTimer.setEnabled(false);
    pump(program, 4);
    hint.hide();
    hint.backgroundTransparent = true;
    hint.notifier.notify();
    // The events processed above may have ended the program (the session's end, another
    // instance, Exit): an ending program neither restarts nor goes on with its run.
    if (program.ending()) return;

    if (restartDue(program.platform.memory.workingSetBytes(), hint.MemoryBaselineMB) && !config.visible()) {
        RestartSelf(program);
        return;
    }

    // A short gap after every display; within a run it is all that separates two affirmations.
    pump(program, 3);
    for (int i = 0; i < GapSleeps; ++i) {
        program.platform.loop.sleepMs(1);
        pump(program, 3);
    }
    if (program.ending()) return;

    main.RemainingInRun -= 1;
    // A count changed during a run starts the run afresh with that many further affirmations.
    const auto count = parseInteger(program.settings().MultipleAffirmationenAnzahl());
    if (count && *count >= 2 && *count <= MaximumCount && *count != main.RunLength) {
        main.RunLength = *count;
        main.RemainingInRun = *count;
    }
    if (!program.settings().MultipleAffirmationen()) main.RemainingInRun = 0;
    if (screenSaverHolds(program)) main.RemainingInRun = 0;

    if (main.RemainingInRun > 0) {
        hint.show();
    } else if (main.running()) {
        config.PauseTimer.setEnabled(true);
    }
    pump(program, 3);
}

void ResumeAfterRestart(Program& program) {
    TfrmSlv17k30Main& main = program.main();
    const auto remaining = parseInteger(program.words.word3);
    if (!remaining || *remaining <= 0) return;
    main.RunLength = strictCount(program.settings().MultipleAffirmationenAnzahl());
    main.RemainingInRun = *remaining - 1;  // the count-down that the restart skipped
    if (!program.settings().MultipleAffirmationen()) main.RemainingInRun = 0;
    if (screenSaverHolds(program)) main.RemainingInRun = 0;
    if (main.RemainingInRun > 0) {
        program.hint().show();
    } else if (main.running()) {
        program.config().PauseTimer.setEnabled(true);
    }
}

}  // namespace solvane
