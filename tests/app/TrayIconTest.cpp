#include "app/TTrayIcon.h"

#include <gtest/gtest.h>

#include "platform/fake/FakeEventLoop.h"
#include "platform/fake/FakeWindowSystem.h"

namespace solvane {
namespace {

struct TrayFixture : ::testing::Test {
    TrayFixture() {
        auto view = std::make_unique<fake::ForwardingTrayView>(record);
        icon.attach(std::move(view));
    }
    fake::FakeEventLoop loop;
    std::shared_ptr<fake::FakeTrayView> record = std::make_shared<fake::FakeTrayView>();
    TTrayIcon icon{loop};
};

TEST_F(TrayFixture, AddsAndDeletesOnlyOnAChangeOfActive) {
    icon.setActive(true);
    icon.setActive(true);
    EXPECT_EQ(record->adds, 1);
    icon.setActive(false);
    icon.setActive(false);
    EXPECT_EQ(record->removes, 1);
}

TEST_F(TrayFixture, ImageAndToolTipSetWhileHiddenAreUsedAtTheNextAdd) {
    icon.setIcon(platform::TrayImage::Stopped);
    icon.setToolTip("Left-Click: Start / Right-Click: Menu");
    EXPECT_EQ(record->modifies, 0);
    EXPECT_EQ(record->adds, 0);
    icon.setActive(true);
    EXPECT_EQ(record->image, platform::TrayImage::Stopped);
    EXPECT_EQ(record->toolTip, "Left-Click: Start / Right-Click: Menu");
}

TEST_F(TrayFixture, AnEmptyToolTipAtTheAddIsAppliedAgainWhenEventsAreProcessed) {
    icon.setActive(true);  // added with no image and no tool tip
    icon.setIcon(platform::TrayImage::Running);
    icon.setToolTip("Left-Click: Stop / Right-Click: Menu");
    const int modifiesBefore = record->modifies;
    loop.processPendingEvents();
    EXPECT_EQ(record->modifies, modifiesBefore + 1);
    EXPECT_EQ(record->toolTip, "Left-Click: Stop / Right-Click: Menu");
}

TEST_F(TrayFixture, CutsTheToolTipTo62CharactersNeverInsideACharacter) {
    const std::string sixtyTwo(62, 'a');
    icon.setToolTip(sixtyTwo);
    EXPECT_EQ(icon.ToolTip(), sixtyTwo);
    icon.setToolTip(sixtyTwo + "b");
    EXPECT_EQ(icon.ToolTip(), sixtyTwo);
    std::string umlauts;
    for (int i = 0; i < 70; ++i) umlauts += "\xC3\xBC";  // 70 times "ü", two bytes each
    icon.setToolTip(umlauts);
    EXPECT_EQ(icon.ToolTip().size(), 124u);
    EXPECT_EQ(icon.ToolTip(), umlauts.substr(0, 124));
}

TEST_F(TrayFixture, ReportsClicksToTheirHandlersAndSkipsMissingOnes) {
    std::vector<std::string> events;
    icon.leftButtonUp();  // no handler: nothing happens
    icon.OnClick = [&] { events.push_back("click"); };
    icon.OnDblClick = [&] { events.push_back("double"); };
    icon.OnRightClick = [&](Point at) {
        events.push_back("right " + std::to_string(at.x) + "," + std::to_string(at.y));
    };
    // What a double click reports: click, double click, click.
    icon.leftButtonUp();
    icon.leftButtonDoubleClick();
    icon.leftButtonUp();
    icon.rightButtonUp({640, 790});
    EXPECT_EQ(events, (std::vector<std::string>{"click", "double", "click", "right 640,790"}));
}

TEST(TrayIconLifeTest, DestroyingAShownIconRemovesItAndLeavesNoPendingWork) {
    fake::FakeEventLoop loop;
    auto record = std::make_shared<fake::FakeTrayView>();
    auto icon = std::make_unique<TTrayIcon>(loop);
    icon->attach(std::make_unique<fake::ForwardingTrayView>(record));
    icon->setActive(true);  // queues the second application of the empty tool tip
    EXPECT_TRUE(record->present);
    icon.reset();
    EXPECT_FALSE(record->present);
    loop.processPendingEvents();  // the queued action must not touch the destroyed icon
    EXPECT_EQ(record->modifies, 0);
}

}  // namespace
}  // namespace solvane
