#include "display/DisplayCycle.h"

#include <gtest/gtest.h>

#include "support/ProgramHarness.h"

namespace solvane {
namespace {

using testing::ProgramHarness;

// Times of the default cycle on virtual time: the start-up tick at 900 ms, a display
// of 2700 ms, a gap of 91 sleeps of 1 ms, and a pause of 18 s counted from the gap's end.
constexpr std::int64_t StartupTick = 900;
constexpr std::int64_t Gap = 91;

using Shown = fake::FakeHintView::Display;

// Lets the program run until `untilMs` and returns the displays that began at or
// after `fromMs`, each with the virtual times it appeared and went.
std::vector<Shown> recordDisplays(ProgramHarness& h, std::int64_t untilMs, std::int64_t fromMs = 0) {
    h.loop().advance(untilMs - h.loop().now());
    std::vector<Shown> displays;
    for (const Shown& shown : h.fake.windows.hint->displays) {
        if (shown.from >= fromMs) displays.push_back(shown);
    }
    return displays;
}

// Number of displays at the start of the list that follow one another with only the gap between them.
std::size_t displaysInFirstRun(const std::vector<Shown>& displays) {
    std::size_t inRun = displays.empty() ? 0 : 1;
    while (inRun < displays.size() && displays[inRun].from == displays[inRun - 1].to + Gap) ++inRun;
    return inRun;
}

TEST(DisplayCycleTest, ShowsAtTheStartupTickThenAfterEachPause) {
    ProgramHarness h;
    h.start();
    const auto displays = recordDisplays(h, 45'000);
    ASSERT_EQ(displays.size(), 3u);
    EXPECT_EQ(displays[0].from, StartupTick);
    EXPECT_EQ(displays[0].to, StartupTick + 2700);
    // The pause counts from the end of the gap after a display.
    EXPECT_EQ(displays[1].from, displays[0].to + Gap + 18'000);
    EXPECT_EQ(displays[2].from, displays[1].to + Gap + 18'000);
    EXPECT_EQ(h.hint().AffirmationenDisplayCounter, 3);
    EXPECT_EQ(h.config().Memo2ProductLine, "Marwick's Solvane Premium (3 Affirmations served)");
}

TEST(DisplayCycleTest, AWindowOnScreenHasItsDisplayTimerAndNoPauseTimer) {
    ProgramHarness h;
    h.start();
    ASSERT_TRUE(h.runUntilShown(2000));
    EXPECT_TRUE(h.displayTimerOn());
    EXPECT_FALSE(h.pauseTimerOn());
    EXPECT_EQ(h.hint().DisplayTimer.interval(), 2700);
    ASSERT_TRUE(h.runUntilHidden(3000));
    h.loop().advance(Gap);
    EXPECT_FALSE(h.displayTimerOn());
    EXPECT_TRUE(h.pauseTimerOn());
}

TEST(DisplayCycleTest, ARunShowsTheCountThenPauses) {
    for (const auto& [count, expected] :
         std::vector<std::pair<std::string, std::size_t>>{{"03", 3}, {"1", 1}, {"0", 1}, {"-4", 1}, {"0002", 2}}) {
        ProgramHarness h;
        h.stored()["MultipleAffirmationen"] = 1;
        h.stored()["MultipleAffirmationenAnzahl"] = count;
        h.start();
        const auto displays = recordDisplays(h, 40'000);
        EXPECT_EQ(displaysInFirstRun(displays), expected) << "count " << count;
        ASSERT_GT(displays.size(), expected);
        EXPECT_EQ(displays[expected].from, displays[expected - 1].to + Gap + 18'000) << "count " << count;
    }
}

TEST(DisplayCycleTest, ACountChangedDuringARunStartsItAfresh) {
    ProgramHarness h;
    h.stored()["MultipleAffirmationen"] = 1;
    h.stored()["MultipleAffirmationenAnzahl"] = std::string("03");
    h.start();
    // The second display of the run is on screen from 3691 ms; the count changes to 5 then.
    h.loop().at(4000, [&] { h.config().Edit8.setText("5"); });
    const auto displays = recordDisplays(h, 60'000);
    EXPECT_EQ(displaysInFirstRun(displays), 2u + 5u);
}

TEST(DisplayCycleTest, SwitchingRunsOffEndsTheRunAfterTheCurrentDisplay) {
    ProgramHarness h;
    h.stored()["MultipleAffirmationen"] = 1;
    h.stored()["MultipleAffirmationenAnzahl"] = std::string("05");
    h.start();
    h.loop().at(2000, [&] { h.config().cbMultiple.setChecked(false); });
    EXPECT_EQ(recordDisplays(h, 15'000).size(), 1u);
    EXPECT_TRUE(h.pauseTimerOn());
}

TEST(DisplayCycleTest, AClickEndsTheDisplayAndTheCycleGoesOn) {
    ProgramHarness h;
    h.start();
    h.loop().at(1400, [&] { h.hint().Label3.userClick(); });  // any layer takes the click
    const auto displays = recordDisplays(h, 25'000);
    ASSERT_EQ(displays.size(), 2u);
    EXPECT_EQ(displays[0].from, StartupTick);
    EXPECT_EQ(displays[0].to, 1410);
    EXPECT_EQ(displays[1].from, 1410 + Gap + 18'000);
    // The next showing sets the full display time again.
    EXPECT_EQ(displays[1].to, displays[1].from + 2700);
}

TEST(DisplayCycleTest, StopDuringADisplayEndsItAndArmsNoPauseAndStartShowsAtOnce) {
    ProgramHarness h;
    h.start();
    ASSERT_TRUE(h.runUntilShown(2000));
    h.main().StartStopp1.userClick();
    EXPECT_EQ(h.main().StartStopp1.caption(), "&Start");
    EXPECT_FALSE(h.main().running());
    ASSERT_TRUE(h.runUntilHidden(20));
    h.loop().advance(60'000);
    EXPECT_FALSE(h.onScreen());
    EXPECT_FALSE(h.pauseTimerOn());
    EXPECT_EQ(h.showings(), 1);

    h.main().StartStopp1.userClick();
    EXPECT_TRUE(h.main().running());
    EXPECT_TRUE(h.onScreen());
    EXPECT_EQ(h.showings(), 2);
}

TEST(DisplayCycleTest, StartWithAPauseWaitsOnePauseAtStartAndAtStart) {
    ProgramHarness h;
    h.stored()["StartWithPause"] = 1;
    h.start();
    ASSERT_TRUE(h.runUntilShown(30'000));
    EXPECT_EQ(h.loop().now(), 18'000);  // the pause counts from the dialog's creation
    ASSERT_TRUE(h.runUntilHidden(3000));
    h.main().StartStopp1.userClick();  // stop
    h.main().StartStopp1.userClick();  // start: one full pause first
    const std::int64_t started = h.loop().now();
    ASSERT_TRUE(h.runUntilShown(30'000));
    EXPECT_EQ(h.loop().now(), started + 18'000);
}

TEST(DisplayCycleTest, AScreenSaverHoldsDisplaysBackOnlyWhenAskedTo) {
    ProgramHarness h;
    h.stored()["SCRPause"] = 1;
    h.fake.screenSaver.running = true;
    h.start();
    h.loop().advance(40'000);
    EXPECT_EQ(h.showings(), 0);
    EXPECT_TRUE(h.pauseTimerOn());  // the next try comes one pause later
    h.fake.screenSaver.running = false;
    ASSERT_TRUE(h.runUntilShown(20'000));
    EXPECT_EQ(h.loop().now(), 54'000);  // pauses at 18 s and 36 s held back, 54 s shows

    ProgramHarness ignoring;
    ignoring.fake.screenSaver.running = true;
    ignoring.start();
    EXPECT_TRUE(ignoring.runUntilShown(2000));
}

TEST(DisplayCycleTest, AScreenSaverEndsARunAfterItsCurrentDisplay) {
    ProgramHarness h;
    h.stored()["SCRPause"] = 1;
    h.stored()["MultipleAffirmationen"] = 1;
    h.stored()["MultipleAffirmationenAnzahl"] = std::string("04");
    h.start();
    ASSERT_TRUE(h.runUntilShown(2000));
    h.fake.screenSaver.running = true;
    EXPECT_EQ(recordDisplays(h, 15'000).size(), 1u);
}

TEST(DisplayCycleTest, ChangingTheTimesRetimesTheRunningTimers) {
    ProgramHarness h;
    h.start();
    h.loop().at(1900, [&] { h.config().tbAnzeige.userMove(5000); });        // restarts the display's count
    h.loop().at(9991, [&] { h.config().tbAnzeigeIntervall.userMove(6); });  // restarts the pause's count
    h.loop().at(12'000, [&] { h.config().tbAnzeige.userMove(5000); });      // the same position re-times nothing
    const auto displays = recordDisplays(h, 30'000);
    ASSERT_GE(displays.size(), 2u);
    EXPECT_EQ(displays[0].to, 1900 + 5000);
    EXPECT_EQ(displays[1].from, 9991 + 6000);
    EXPECT_EQ(displays[1].to, 9991 + 6000 + 5000);
}

TEST(DisplayCycleTest, AFailedShowingWaitsAndStillShowsForItsTime) {
    ProgramHarness h;
    h.start();
    h.fake.monitors.monitors.clear();  // the monitor went away while the program ran
    const auto displays = recordDisplays(h, 5000);
    ASSERT_EQ(displays.size(), 1u);
    EXPECT_EQ(displays[0].from, StartupTick + 99);
    EXPECT_EQ(displays[0].to, StartupTick + 99 + 2700);
    EXPECT_TRUE(h.fake.errors.reports.empty());
}

TEST(ResumeAfterRestartTest, ContinuesTheRunThatTheOldInstanceWasIn) {
    struct Case {
        const char* word3;
        std::int64_t firstAt;
        std::size_t inRun;
    };
    // A restart after the second of four displays writes 3: the new instance shows the
    // last two at once. A restart after the last one writes 1: the pause runs.
    for (const Case& c :
         {Case{"3", StartupTick, 2}, Case{"1", 18'000, 4}, Case{"0", StartupTick, 4}, Case{"x", StartupTick, 4}}) {
        ProgramHarness h(CommandLine::fromArguments({"reload", "normal", c.word3}));
        h.stored()["MultipleAffirmationen"] = 1;
        h.stored()["MultipleAffirmationenAnzahl"] = std::string("04");
        h.start();
        const auto displays = recordDisplays(h, 40'000);
        ASSERT_FALSE(displays.empty()) << c.word3;
        EXPECT_EQ(displays[0].from, c.firstAt) << c.word3;
        EXPECT_EQ(displaysInFirstRun(displays), c.inRun) << c.word3;
    }
}

TEST(ResumeAfterRestartTest, SingleAffirmationsOrAScreenSaverShowNothingAtOnce) {
    ProgramHarness single(CommandLine::fromArguments({"reload", "normal", "3"}));
    single.start();
    single.loop().advance(10'000);
    EXPECT_EQ(single.showings(), 0);
    EXPECT_TRUE(single.pauseTimerOn());

    ProgramHarness held(CommandLine::fromArguments({"reload", "hide", "3"}));
    held.stored()["MultipleAffirmationen"] = 1;
    held.stored()["SCRPause"] = 1;
    held.fake.screenSaver.running = true;
    held.start();
    held.loop().advance(10'000);
    EXPECT_EQ(held.showings(), 0);
}

TEST(MemoryWatchdogTest, RestartsAtTheEndOfADisplayWithTheRemainingCount) {
    ProgramHarness h;
    h.stored()["MultipleAffirmationen"] = 1;
    h.stored()["MultipleAffirmationenAnzahl"] = std::string("5");
    h.fake.memory.bytes = 5.0 * 1024 * 1024;
    h.start();
    h.loop().at(4000, [&] { h.fake.memory.bytes = 24.0 * 1024 * 1024; });  // grown by 19 MiB
    h.loop().advanceUntil([&] { return h.loop().quitRequested(); }, 10'000);
    ASSERT_EQ(h.fake.processes.starts.size(), 1u);
    EXPECT_EQ(h.fake.processes.starts[0].program, "/opt/solvane/bin/solvane");
    EXPECT_EQ(h.fake.processes.starts[0].arguments, (std::vector<std::string>{"reload", "normal", "4"}));
    EXPECT_FALSE(h.main().TrayIcon1.Active());
    EXPECT_EQ(h.showings(), 2);
}

TEST(MemoryWatchdogTest, WaitsWhileTheDialogIsOpenAndKeepsTheHiddenIcon) {
    ProgramHarness h(CommandLine::fromArguments({"hide"}));
    h.fake.memory.bytes = 5.0 * 1024 * 1024;
    h.start();
    h.fake.memory.bytes = 23.0 * 1024 * 1024;  // 18 MiB: not yet
    ASSERT_TRUE(h.runUntilShown(2000));
    ASSERT_TRUE(h.runUntilHidden(3000));
    EXPECT_TRUE(h.fake.processes.starts.empty());
    h.fake.memory.bytes = 24.0 * 1024 * 1024;
    h.config().show();
    ASSERT_TRUE(h.runUntilShown(30'000));
    ASSERT_TRUE(h.runUntilHidden(3000));
    EXPECT_TRUE(h.fake.processes.starts.empty());
    h.config().close();
    ASSERT_TRUE(h.runUntilShown(30'000));
    ASSERT_TRUE(h.runUntilHidden(3000));
    ASSERT_EQ(h.fake.processes.starts.size(), 1u);
    EXPECT_EQ(h.fake.processes.starts[0].arguments, (std::vector<std::string>{"reload", "hide", "0"}));
}

}  // namespace
}  // namespace solvane
