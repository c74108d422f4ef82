#pragma once
#include "app/Program.h"
#include "app/TfrmSlv17k30Main.h"
#include "dialog/TfrmConfig.h"
#include "display/TfrmHint.h"
#include "platform/fake/FakePlatform.h"
#include "settings/Settings.h"
#include "settings/SettingsStore.h"

namespace solvane::testing {

// A program on the fake platform: windows created on demand, virtual time driven by the test.
struct ProgramHarness {
    explicit ProgramHarness(CommandLine words = {}) : program(fake.services, std::move(words)) {}

    // Stored values the program will find at its start.
    fake::FakeKeyStore::Key& stored() { return fake.store.user(SettingsKeyPath); }
    void start() { program.createWindows(); }

    TfrmSlv17k30Main& main() { return program.main(); }
    TfrmHint& hint() { return program.hint(); }
    TfrmConfig& config() { return program.config(); }
    Settings settings() { return program.settings(); }
    fake::FakeEventLoop& loop() { return fake.loop; }

    // The affirmation window as the user sees it.
    bool onScreen() const { return fake.windows.hint && fake.windows.hint->onScreen; }
    int showings() const { return fake.windows.hint ? fake.windows.hint->shows : 0; }
    bool displayTimerOn() { return program.hint().DisplayTimer.enabled(); }
    bool pauseTimerOn() { return program.config().PauseTimer.enabled(); }

    // Runs until the window appears or disappears; false when it did not within the limit.
    bool runUntilShown(std::int64_t limitMs) {
        return fake.loop.advanceUntil([this] { return onScreen(); }, limitMs);
    }
    bool runUntilHidden(std::int64_t limitMs) {
        return fake.loop.advanceUntil([this] { return !onScreen(); }, limitMs);
    }

    fake::FakePlatform fake;
    Program program;
};

}  // namespace solvane::testing
