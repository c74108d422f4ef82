#include "app/ProgramEntry.h"

#include <gtest/gtest.h>

#include "support/ProgramHarness.h"

namespace solvane {
namespace {

using testing::ProgramHarness;

// Runs the whole program on the fake platform for a minute of virtual time, unless
// something ends it sooner.
struct EntryRun {
    fake::FakePlatform fake;
    int exitCode = -1;
    void run(const std::vector<std::string>& arguments) {
        exitCode = runProgram(fake.services, CommandLine::fromArguments(arguments));
    }
    int showings() const { return fake.windows.hint ? fake.windows.hint->shows : 0; }
    fake::FakeKeyStore::Key& stored() { return fake.store.user(SettingsKeyPath); }
};

TEST(ProgramEntryTest, EndsEveryOtherInstanceWaiting99MsBetweenTries) {
    EntryRun r;
    r.fake.instances.otherInstances = 3;
    r.fake.loop.runLimitMs = 0;
    r.run({});
    EXPECT_EQ(r.fake.instances.quitMessages, 3);
    EXPECT_EQ(r.fake.loop.totalSleptMs(), 3 * 99);
    EXPECT_EQ(r.fake.windows.applicationTitle, "Solvane Premium");
    EXPECT_EQ(r.exitCode, 0);
}

TEST(ProgramEntryTest, ShutdownEndsTheOthersAndCreatesNoWindow) {
    EntryRun r;
    r.fake.instances.otherInstances = 2;
    r.run({"shutdown"});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.fake.instances.quitMessages, 2);
    EXPECT_EQ(r.fake.windows.mainWindow, nullptr);
    EXPECT_FALSE(r.fake.instances.announced);
}

TEST(ProgramEntryTest, OnlyTheExactWordsReloadAndShutdownAreSpecial) {
    EntryRun reload;
    reload.fake.instances.otherInstances = 1;
    reload.fake.loop.runLimitMs = 0;
    reload.run({"reload", "normal", "2"});
    EXPECT_EQ(reload.fake.instances.quitMessages, 0);

    EntryRun capital;
    capital.fake.instances.otherInstances = 1;
    capital.fake.loop.runLimitMs = 2000;
    capital.run({"Reload", "normal", "0"});
    EXPECT_EQ(capital.fake.instances.quitMessages, 1);
    EXPECT_EQ(capital.showings(), 1);  // shown at the start-up tick: no run was resumed

    EntryRun shouting;
    shouting.fake.loop.runLimitMs = 2000;
    shouting.run({"SHUTDOWN"});
    EXPECT_NE(shouting.fake.windows.mainWindow, nullptr);
    EXPECT_EQ(shouting.showings(), 1);
}

TEST(ProgramEntryTest, OptionsShowsTheDialogAndAnAffirmationAtOnceAndNeverTicks) {
    EntryRun r;
    r.fake.loop.runLimitMs = 2000;
    r.fake.loop.at(1500, [&] {
        EXPECT_TRUE(r.fake.windows.dialog->onScreen);
        EXPECT_TRUE(r.fake.windows.mainWindow->TrayIcon1.Active());  // "hide" is never applied
        EXPECT_FALSE(r.fake.windows.mainWindow->Timer2.enabled());
    });
    r.run({"OPTIONS", "hide"});
    ASSERT_NE(r.fake.windows.hint, nullptr);
    ASSERT_FALSE(r.fake.windows.hint->displays.empty());
    EXPECT_EQ(r.fake.windows.hint->displays[0].from, 0);
    EXPECT_EQ(r.showings(), 1);
}

TEST(ProgramEntryTest, TheWordHideRemovesTheIconAtTheStartupTick) {
    struct Case {
        std::vector<std::string> words;
        bool iconAfterTick;
    };
    for (const Case& c :
         {Case{{"hide"}, false}, Case{{"HIDE"}, false}, Case{{"start", "Hide"}, false},
          Case{{"reload", "hide", "0"}, false}, Case{{"a", "b", "hide"}, true}, Case{{"start"}, true}}) {
        ProgramHarness h(CommandLine::fromArguments(c.words));
        h.start();
        EXPECT_TRUE(h.main().TrayIcon1.Active());
        h.loop().advance(899);
        EXPECT_TRUE(h.fake.windows.tray->present);
        h.loop().advance(1);
        EXPECT_EQ(h.main().TrayIcon1.Active(), c.iconAfterTick) << c.words[0];
        EXPECT_EQ(h.fake.windows.tray->present, c.iconAfterTick) << c.words[0];
    }
}

TEST(ProgramEntryTest, APositiveCountWithoutReloadOnlyHoldsBackTheFirstAffirmation) {
    ProgramHarness h(CommandLine::fromArguments({"start", "normal", "$A"}));
    h.start();
    ASSERT_TRUE(h.runUntilShown(30'000));
    EXPECT_EQ(h.loop().now(), 18'000);
}

TEST(ProgramEntryTest, ExitSavesAndEndsWithCodeZero) {
    EntryRun r;
    r.fake.loop.at(5000, [&] {
        r.fake.windows.configWindow->Edit5.userType("Unconfirmed edit");
        r.fake.windows.mainWindow->Beenden1.userClick();
    });
    r.run({});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_EQ(r.fake.loop.now(), 5000);
    EXPECT_EQ(std::get<std::string>(r.stored().at("EinzelAffirmation")), "Unconfirmed edit");
    EXPECT_FALSE(r.fake.windows.tray->present);  // the icon goes with the windows
    EXPECT_FALSE(r.fake.instances.announced);
}

TEST(ProgramEntryTest, EndedByAnotherInstanceOrTheSessionSavesNothing) {
    EntryRun byInstance;
    byInstance.fake.loop.at(5000, [&] { byInstance.fake.instances.onQuit(); });
    byInstance.run({});
    EXPECT_EQ(byInstance.exitCode, 0);
    EXPECT_TRUE(byInstance.stored().empty());
    EXPECT_FALSE(byInstance.fake.windows.tray->present);

    EntryRun bySession;
    bySession.fake.loop.at(5000, [&] { bySession.fake.windows.mainWindow->queryEndSession(); });
    bySession.run({});
    EXPECT_EQ(bySession.exitCode, 1);
    EXPECT_TRUE(bySession.stored().empty());
    EXPECT_FALSE(bySession.fake.windows.tray->present);
}

constexpr double MiB = 1024.0 * 1024.0;
// The first affirmation is shown at the start-up tick (900 ms) for the default 2700 ms.
constexpr std::int64_t FirstDisplayEnds = 900 + 2700;

// The display end processes events before it hides the window and all through the gap
// after it; a session end that arrives there is as final as at any other moment.
TEST(ProgramEntryTest, ASessionEndDuringTheDisplayEndIsFinal) {
    // Before the window is hidden, with a memory restart due at this display's end.
    EntryRun due;
    due.fake.memory.bytes = 5.0 * MiB;
    due.fake.loop.at(2000, [&] { due.fake.memory.bytes = 24.0 * MiB; });  // grown by 19 MiB
    due.fake.loop.at(FirstDisplayEnds, [&] {
        due.fake.loop.atPumpRound(1, [&] {
            // Inside the display end: its timer is off, the window not yet hidden.
            EXPECT_FALSE(due.fake.windows.hintWindow->DisplayTimer.enabled());
            EXPECT_TRUE(due.fake.windows.hint->onScreen);
            due.fake.windows.mainWindow->queryEndSession();
        });
    });
    due.run({});
    EXPECT_EQ(due.exitCode, 1);
    EXPECT_TRUE(due.stored().empty());
    EXPECT_TRUE(due.fake.processes.starts.empty());

    // In the gap within a run of three: the run does not go on.
    EntryRun gap;
    gap.stored()["MultipleAffirmationen"] = 1;
    gap.fake.loop.at(FirstDisplayEnds + 50, [&] {
        EXPECT_FALSE(gap.fake.windows.hint->onScreen);
        gap.fake.windows.mainWindow->queryEndSession();
    });
    gap.run({});
    EXPECT_EQ(gap.exitCode, 1);
    EXPECT_EQ(gap.showings(), 1);
    EXPECT_EQ(gap.stored().size(), 1u);  // only the value the test put there
    EXPECT_TRUE(gap.fake.processes.starts.empty());
}

// "solvane shutdown" and a newer start must reach an instance in the middle of a
// memory restart: either it ends instead of restarting, or the new instance takes its
// place before it goes, and with it the requests that come meanwhile.
struct RestartRun : EntryRun {
    RestartRun() {
        fake.memory.bytes = 5.0 * MiB;
        fake.loop.at(2000, [this] { fake.memory.bytes = 24.0 * MiB; });  // due at the first display's end
    }
};

TEST(ProgramEntryTest, AQuitRequestWaitingAtTheRestartEndsTheProgramInstead) {
    RestartRun r;
    r.fake.loop.at(FirstDisplayEnds, [&] {
        // It arrives while the display end processes its events, too late to be handled there.
        r.fake.loop.atPumpRound(4, [&] { r.fake.instances.quitWaiting = true; });
    });
    r.run({});
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_TRUE(r.fake.processes.starts.empty());
    EXPECT_TRUE(r.stored().empty()) << "ended by another instance: nothing is saved";
    EXPECT_FALSE(r.fake.instances.announced);
}

TEST(ProgramEntryTest, ARestartHandsTheInstancesPlaceToTheNewProcess) {
    RestartRun r;
    r.run({});
    EXPECT_EQ(r.exitCode, 0);
    ASSERT_EQ(r.fake.processes.starts.size(), 1u);
    EXPECT_TRUE(r.fake.processes.starts[0].takesOverInstance);
    EXPECT_FALSE(r.fake.instances.announced);
    EXPECT_FALSE(r.stored().empty());
}

TEST(ProgramEntryTest, AnExitAfterTheSessionEndSavesNothing) {
    EntryRun r;
    r.fake.loop.at(5000, [&] {
        r.fake.windows.mainWindow->queryEndSession();
        r.fake.windows.mainWindow->Beenden1.userClick();  // still waiting in the same round of events
    });
    r.run({});
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_TRUE(r.stored().empty());
}

TEST(ProgramEntryTest, AnErrorInAHandlerIsReportedAndTheProgramGoesOn) {
    ProgramHarness h;
    h.start();
    h.config().Edit8.setText("12x");  // cannot happen through the field's own check; forced here
    ASSERT_EQ(h.config().Edit8.text(), "0002");
    // Force a count text the strict conversion refuses, bypassing the field's reaction.
    h.config().Edit8.onChange = nullptr;
    h.config().Edit8.setText("oops");
    h.loop().advance(1000);
    ASSERT_EQ(h.fake.errors.reports.size(), 1u);
    EXPECT_EQ(h.fake.errors.reports[0].title, "Solvane Premium");
    EXPECT_EQ(h.fake.errors.reports[0].message, "'oops' is not a valid integer value");
    h.config().Edit8.setText("03");
    h.loop().advance(20'000);
    EXPECT_GE(h.showings(), 1);  // the pause timer kept running
}

}  // namespace
}  // namespace solvane
