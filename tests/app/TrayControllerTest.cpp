#include <gtest/gtest.h>

#include "support/ProgramHarness.h"

namespace solvane {
namespace {

using testing::ProgramHarness;

struct TrayController : ::testing::Test {
    void SetUp() override { h.start(); }
    void click() { h.main().TrayIcon1.leftButtonUp(); }
    ProgramHarness h;
};

TEST_F(TrayController, StartsRunningWithTheStopCaptionTipAndRunningIcon) {
    h.loop().advance(1);
    EXPECT_TRUE(h.main().running());
    EXPECT_EQ(h.main().StartStopp1.caption(), "&Stop");
    EXPECT_EQ(h.fake.windows.tray->toolTip, "Left-Click: Stop / Right-Click: Menu");
    EXPECT_EQ(h.fake.windows.tray->image, platform::TrayImage::Running);
}

TEST_F(TrayController, AClickWhilePausingStopsAndAnotherStartsAtOnce) {
    h.loop().advance(5000);  // pausing after the first display
    click();
    EXPECT_FALSE(h.main().running());
    EXPECT_FALSE(h.pauseTimerOn());
    EXPECT_EQ(h.main().StartStopp1.caption(), "&Start");
    EXPECT_EQ(h.fake.windows.tray->toolTip, "Left-Click: Start / Right-Click: Menu");
    EXPECT_EQ(h.fake.windows.tray->image, platform::TrayImage::Stopped);
    h.loop().advance(60'000);
    EXPECT_EQ(h.showings(), 1);

    click();
    EXPECT_TRUE(h.main().running());
    EXPECT_TRUE(h.onScreen());
    EXPECT_EQ(h.fake.windows.tray->image, platform::TrayImage::Running);
}

TEST_F(TrayController, AClickWhileStoppedButStillDisplayingStaysStoppedAndCutsTheShowing) {
    h.loop().advance(5000);
    click();          // stop
    h.hint().show();  // an affirmation on screen while stopped (as after "options")
    click();
    EXPECT_FALSE(h.main().running());
    EXPECT_TRUE(h.runUntilHidden(20));
    h.loop().advance(60'000);
    EXPECT_FALSE(h.onScreen());
    EXPECT_FALSE(h.pauseTimerOn());
}

TEST_F(TrayController, ATickInsideTheClicksEventProcessingIsFollowed) {
    h.loop().advance(5000);
    click();  // stopped
    // A tick of the pause end comes in during the click's first round of event
    // processing: the click decided to start, and the pause end showed the window.
    h.loop().atPumpRound(1, [&] { h.config().Timer1Timer(); });
    click();
    // The showing disabled the pause timer inside the click; the click reads it again
    // afterwards and so shows the stopped state.
    EXPECT_FALSE(h.main().running());
    EXPECT_EQ(h.main().StartStopp1.caption(), "&Start");
    EXPECT_EQ(h.main().RemainingInRun, 0);
}

TEST_F(TrayController, ADoubleClickTogglesTwice) {
    h.loop().advance(5000);
    h.main().TrayIcon1.leftButtonUp();
    h.main().TrayIcon1.leftButtonDoubleClick();
    h.main().TrayIcon1.leftButtonUp();
    EXPECT_TRUE(h.main().running());  // stopped by the first click, started by the second
    EXPECT_TRUE(h.onScreen());
}

TEST_F(TrayController, HideRemovesTheIconClosesTheDialogAndKeepsOrStartsTheCycle) {
    h.loop().advance(5000);
    h.config().show();
    h.main().Verstecken1.userClick();
    EXPECT_FALSE(h.fake.windows.tray->present);
    EXPECT_FALSE(h.config().visible());
    EXPECT_TRUE(h.main().running());

    ProgramHarness stopped;
    stopped.start();
    stopped.loop().advance(5000);
    stopped.main().TrayIcon1.leftButtonUp();
    stopped.main().Verstecken1.userClick();
    EXPECT_TRUE(stopped.main().running());
    EXPECT_TRUE(stopped.onScreen());
}

TEST_F(TrayController, TheRightClickOpensTheMenuWhereTheCursorIs) {
    h.main().TrayIcon1.rightButtonUp({700, 790});
    EXPECT_EQ(h.fake.windows.tray->menuPopups, (std::vector<Point>{{700, 790}}));
}

TEST_F(TrayController, PageItemsShowTheDialogOnTheirPageWithoutTouchingTheCycle) {
    h.loop().advance(5000);
    const struct {
        MenuItem* item;
        ConfigPage page;
    } items[] = {{&h.main().Affirmationen1, ConfigPage::Affirmations},
                 {&h.main().FarbeSchrift1, ConfigPage::FontColour},
                 {&h.main().Anzeige1, ConfigPage::Display},
                 {&h.main().About1, ConfigPage::About}};
    for (const auto& entry : items) {
        entry.item->userClick();
        EXPECT_EQ(h.config().activePage(), entry.page);
        EXPECT_TRUE(h.config().visible());
        EXPECT_TRUE(h.fake.windows.dialog->onScreen);
    }
    EXPECT_TRUE(h.pauseTimerOn());
}

TEST_F(TrayController, HelpAndTutorialsOpenTheirTargets) {
    h.main().Hilfe1.userClick();
    h.main().OnlineTutorials1.userClick();
    ASSERT_EQ(h.fake.shell.opened.size(), 2u);
    EXPECT_EQ(h.fake.shell.opened[0], "/opt/solvane/bin/readme.txt");
    EXPECT_EQ(h.fake.shell.opened[1], h.program.texts.pages.TutorialPage);
}

}  // namespace
}  // namespace solvane
